// The operative chart's tabs as they are laid out; what the chart does with
// them is in frmChart.cpp.
#include "records/frmChart.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "records/ChartCounts.h"
#include "records/ChartCrew.h"
#include "records/ChartFields.h"
#include "records/ChartNotes.h"
#include "records/OperationRecordActions.h"
#include "records/OperationRecordStore.h"
#include "records/PickListDialog.h"
#include "records/RecordMenu.h"
#include "records/SiteCountGrids.h"
#include "records/frmSurgicalMemo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"
#include "shell/fields/YesNoPair.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace records {

QWidget* frmChart::buildProcedureTab()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    txtOPerformed = new QLineEdit(page);
    txtOPerformed->setObjectName(QStringLiteral("txtOPerformed"));
    txtOPerformed->setMaxLength(1000);
    form->addRow(QStringLiteral("Operation performed:"), txtOPerformed);

    txtPhicCode = new QLineEdit(page);
    txtPhicCode->setObjectName(QStringLiteral("txtPhicCode"));
    txtPhicCode->setMaxLength(20);
    txtPhicCode->setMaximumWidth(120);
    txtPhicCode->setToolTip(QStringLiteral("Press Enter to look the code up"));
    connect(txtPhicCode, &QLineEdit::returnPressed, this, &frmChart::txtPhicCode_KeyPress);
    txtRVSDescription = new QLineEdit(page);
    txtRVSDescription->setObjectName(QStringLiteral("txtRVSDescription"));
    txtRVSDescription->setReadOnly(true);
    auto* rvs = new QHBoxLayout;
    rvs->addWidget(txtPhicCode);
    rvs->addWidget(txtRVSDescription, 1);
    rvs->addWidget(new QLabel(QStringLiteral("RVU:"), page));
    rvs->addWidget(lblInfo[15]);
    lblInfo[15]->setMinimumWidth(50);
    lblInfo[15]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    form->addRow(QStringLiteral("RVS code:"), rvs);

    cboCategory = new QComboBox(page);
    cboCategory->setObjectName(QStringLiteral("cboCategory"));
    cboCategory->addItem(QString());
    cboCategory->addItems(CategoryCaptions(app::ProgramSettings && app::ProgramSettings->HideMediumCategory(),
                                           app::ProgramSettings && app::ProgramSettings->HideOpenHeartCategory()));
    form->addRow(QStringLiteral("Category:"), cboCategory);
    cboORRoom = new QComboBox(page);
    cboORRoom->setObjectName(QStringLiteral("cboORRoom"));
    form->addRow(QStringLiteral("Operating room:"), cboORRoom);

    const char* lateralCaptions[] = {"Pre-op diagnosis side:", "Post-op diagnosis side:", "Operation side:"};
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        chkLeft[i] = new QCheckBox(QStringLiteral("Left"), page);
        chkRight[i] = new QCheckBox(QStringLiteral("Right"), page);
        chkBoth[i] = new QCheckBox(QStringLiteral("Both"), page);
        chkLeft[i]->setObjectName(QStringLiteral("chkLeft_%1").arg(i));
        chkRight[i]->setObjectName(QStringLiteral("chkRight_%1").arg(i));
        chkBoth[i]->setObjectName(QStringLiteral("chkBoth_%1").arg(i));
        row->addWidget(chkLeft[i]);
        row->addWidget(chkRight[i]);
        row->addWidget(chkBoth[i]);
        row->addStretch(1);
        form->addRow(QString::fromLatin1(lateralCaptions[i]), row);
        if (!options_.lateralBoxes)
            form->setRowVisible(row, false);
    }
    textBoxes->build({{FieldPlace::Procedure, form}}, page, options_);
    return page;
}

QWidget* frmChart::buildCrewTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    crew = new ChartCrew(page, [this](Role role) { return OperationRecordActions(record_, options_, this).mayChangeRole(role); });
    crew->build(grid, options_);
    connect(crew, &ChartCrew::signatureClicked, this, &frmChart::cmdSignature_Click);
    // The sign-off buttons show where the hospital signs its records on screen.
    for (auto& [index, button] : crew->cmdSignature)
        button->setVisible(showSignature_);
    return page;
}

QWidget* frmChart::buildTimesTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    struct Row {
        const char* caption;
        QDateEdit** date;
        const char* dateName;
        QTimeEdit** time;
        const char* timeName;
    };
    const Row rows[] = {{"Patient in:", &dtpOp, "dtpOp", &dtpTimeIn, "dtpTimeIn"},
                        {"Anesthesia start:", &dtpAnesDate, "dtpAnesDate", &dtpAnesTime, "dtpAnesTime"},
                        {"Cutting (incision):", &dtpCutDate, "dtpCutDate", &dtpCuttingTime, "dtpCuttingTime"},
                        {"Closing:", &dtpCloseDate, "dtpCloseDate", &dtpClosingTime, "dtpClosingTime"},
                        {"Anesthesia done:", &dtpAnesDoneDate, "dtpAnesDoneDate", &dtpAnesDone, "dtpAnesDone"},
                        {"Patient out:", &dtpOut, "dtpOut", &dtpTimeOut, "dtpTimeOut"}};
    int r = 0;
    for (const Row& row : rows) {
        auto* caption = new QLabel(QString::fromLatin1(row.caption), page);
        *row.date = shell::NewDateField(page, QString::fromLatin1(row.dateName));
        *row.time = shell::NewTimeField(page, QString::fromLatin1(row.timeName));
        grid->addWidget(caption, r, 0);
        grid->addWidget(*row.date, r, 1);
        grid->addWidget(*row.time, r, 2);
        connect(*row.date, &QDateEdit::dateChanged, this, &frmChart::refreshDurations);
        connect(*row.time, &QTimeEdit::timeChanged, this, &frmChart::refreshDurations);
        if (row.date == &dtpAnesDoneDate && !options_.showAnesthesiaDone)
            for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(*row.date), static_cast<QWidget*>(*row.time)})
                w->setVisible(false);
        ++r;
    }
    lblDurations = new QLabel(page);
    lblDurations->setObjectName(QStringLiteral("lblDurations"));
    // A refused order of the phases is a sentence long: it wraps under the times.
    lblDurations->setWordWrap(true);
    grid->addWidget(lblDurations, r, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(r + 1, 1);
    return page;
}

QWidget* frmChart::buildAnesthesiaTab()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    textBoxes->build({{FieldPlace::Anesthesia, form}}, page, options_);
    auto* transfer = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        optTO[i] = new QRadioButton(QString::fromLatin1(kTransfers[i]), page);
        optTO[i]->setObjectName(QStringLiteral("optTO_%1").arg(i));
        transfer->addWidget(optTO[i]);
    }
    transfer->addStretch(1);
    form->addRow(QStringLiteral("Transferred to:"), transfer);
    return page;
}

QWidget* frmChart::buildCountsTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    counts = new ChartCounts(page);
    layout->addWidget(counts, 1);
    if (variant_.siteChecks) {
        siteCounts = new SiteCountGrids(page);
        layout->addWidget(siteCounts, 1);
        connect(siteCounts->mshSponge, &QTableWidget::itemChanged, tracker_, &shell::EditTracker::markModified);
        connect(siteCounts->mshOtherCount, &QTableWidget::itemChanged, tracker_, &shell::EditTracker::markModified);
    }
    auto* form = new QFormLayout;
    const char* names[] = {"optInstruments", "optSutures"};
    std::array<QRadioButton*, 2>* pairs[] = {&optInstruments, &optSutures};
    for (int p = 0; p < 2; ++p) {
        auto* row = new QHBoxLayout;
        auto& pair = *pairs[p];
        pair[0] = new QRadioButton(QStringLiteral("Complete"), page);
        pair[1] = new QRadioButton(QStringLiteral("Incomplete"), page);
        pair[0]->setObjectName(QStringLiteral("%1_0").arg(QString::fromLatin1(names[p])));
        pair[1]->setObjectName(QStringLiteral("%1_1").arg(QString::fromLatin1(names[p])));
        shell::MakeYesNoPair(pair[0], pair[1]);
        row->addWidget(pair[0]);
        row->addWidget(pair[1]);
        row->addStretch(1);
        form->addRow(p == 0 ? QStringLiteral("Instrument count:") : QStringLiteral("Suture count:"), row);
        if (!options_.completeIncomplete)
            form->setRowVisible(row, false);
    }
    textBoxes->build({{FieldPlace::Counts, form}}, page, options_);
    layout->addLayout(form);
    return page;
}

QWidget* frmChart::buildSpecimenTab()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    dateSpecimenIn = shell::NewDateField(page, QStringLiteral("dateSpecimenIn"));
    dtpSpecimenIn = shell::NewTimeField(page, QStringLiteral("dtpSpecimenIn"));
    dateSpecimenOut = shell::NewDateField(page, QStringLiteral("dateSpecimenOut"));
    dtpSpecimenOut = shell::NewTimeField(page, QStringLiteral("dtpSpecimenOut"));
    auto* in = new QHBoxLayout;
    in->addWidget(dateSpecimenIn);
    in->addWidget(dtpSpecimenIn);
    in->addStretch(1);
    auto* out = new QHBoxLayout;
    out->addWidget(dateSpecimenOut);
    out->addWidget(dtpSpecimenOut);
    out->addStretch(1);
    form->addRow(QStringLiteral("Specimen in:"), in);
    form->addRow(QStringLiteral("Specimen out:"), out);
    if (!options_.showSpecimen) {
        form->setRowVisible(in, false);
        form->setRowVisible(out, false);
    }
    textBoxes->build({{FieldPlace::Specimen, form}}, page, options_);
    return page;
}

void frmChart::buildNotes()
{
    std::map<QString, QVBoxLayout*> pages;
    for (const NoteBox& note : kNotes) {
        const QString tab = QString::fromLatin1(note.tab);
        if (!pages.count(tab)) {
            auto* page = new QWidget;
            pages[tab] = new QVBoxLayout(page);
            SSTab1->addTab(page, tab);
        }
        QVBoxLayout* layout = pages[tab];
        auto* box = new QPlainTextEdit(SSTab1);
        box->setObjectName(QStringLiteral("txtEntry_%1").arg(note.index));
        box->setTabChangesFocus(true);
        txtEntry[note.index] = box;
        layout->addWidget(new QLabel(QString::fromLatin1(note.caption), box->parentWidget()));
        layout->addWidget(box, 1);
        if (note.index == 2) {
            lblTechWarning = new QLabel(QStringLiteral("WARNING: Daily course in the ward limit of 2000 characters in OPERATION "
                                                       "TECHNIQUES has been reached. This will not be saved into courses."));
            lblTechWarning->setObjectName(QStringLiteral("lblTechWarning"));
            lblTechWarning->setWordWrap(true);
            lblTechWarning->setStyleSheet(QStringLiteral("color: #B00000;"));
            lblTechWarning->hide();
            layout->addWidget(lblTechWarning);
            connect(box, &QPlainTextEdit::textChanged, this, &frmChart::refreshTechWarning);
        }
    }
}

} // namespace records
