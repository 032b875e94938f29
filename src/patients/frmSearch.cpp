#include "patients/frmSearch.h"

#include "charging/frmCharge.h"
#include "db/SqlText.h"
#include "patients/ClinicalChartLink.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListModel.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/fields/DateField.h"
#include "shell/fields/PeriodCheck.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace patients {

namespace {

const char* const kKinds[] = {"Inpatient", "Outpatient", "ER Patient"};
const char* const kSearchCaptions[] = {"Last Name", "First Name", "Hospital # / Adm. #"};
const char* const kLinks[] = {"Clinical Summary", "View Clinical Results", "Send Requests / Post charges"};

QString sqlDay(const QDate& day)
{
    return day.toString(QStringLiteral("MM/dd/yyyy"));
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: palette(dark);"));
    return label;
}

QDateEdit* dateBox(const char* name, QWidget* parent)
{
    QDateEdit* box = shell::NewDateField(parent, QLatin1String(name),
                                         app::ServerDate.isValid() ? app::ServerDate.date() : QDate::currentDate());
    box->setEnabled(false);
    return box;
}

} // namespace

frmSearch::frmSearch(QWidget* parent) : PatientListBase(QStringLiteral("No records found."), parent)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Patient List"));
    resize(960, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(buildCriteria());

    // The selected patient.
    auto* patientBar = new QFrame(this);
    patientBar->setObjectName(QStringLiteral("fraPatient"));
    patientBar->setStyleSheet(QStringLiteral("#fraPatient { background: palette(alternate-base); border: 1px solid palette(midlight);"
                                             " border-radius: 3px; }"));
    auto* patientRow = new QHBoxLayout(patientBar);
    patientRow->setContentsMargins(8, 4, 8, 4);
    patientRow->setSpacing(14);
    lblPatient = new QLabel(patientBar);
    lblPatient->setObjectName(QStringLiteral("lblPatient"));
    lblPatient->setTextFormat(Qt::RichText);
    patientRow->addWidget(lblPatient, 1);
    layout->addWidget(patientBar);

    MSHFlexList->setEmptyText(QStringLiteral("No records found."));
    layout->addWidget(MSHFlexList, 1);
    layout->addWidget(buildFooter());
    setCounterLabel(lblRecNum);

    // The banner shows what the globals hold, whoever changed them.
    connect(&SelectedPatientChanges::instance(), &SelectedPatientChanges::changed, this, &frmSearch::showSelectedPatient);
    Form_Load();
}

QWidget* frmSearch::buildCriteria()
{
    QFrame* box = newCriteriaFrame();
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);

    // The kind of patient.
    auto* kinds = new QButtonGroup(this);
    auto* kindRow = new QHBoxLayout;
    kindRow->setSpacing(14);
    for (int i = 0; i < 3; ++i) {
        optPatientType[static_cast<size_t>(i)] = new QRadioButton(QString::fromLatin1(kKinds[i]), box);
        optPatientType[static_cast<size_t>(i)]->setObjectName(QStringLiteral("optPatientType_%1").arg(i));
        kinds->addButton(optPatientType[static_cast<size_t>(i)], i);
        kindRow->addWidget(optPatientType[static_cast<size_t>(i)]);
    }
    optPatientType[0]->setChecked(true);
    connect(kinds, &QButtonGroup::idClicked, this, &frmSearch::optPatientType_Click);
    kindRow->addStretch(1);

    lblORStation = new QLabel(box);
    lblORStation->setObjectName(QStringLiteral("lblORStation"));
    QFont stationFont = lblORStation->font();
    stationFont.setBold(true);
    stationFont.setPointSizeF(stationFont.pointSizeF() * 1.1);
    lblORStation->setFont(stationFont);
    lblORStation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kindRow->addWidget(lblORStation);
    grid->addLayout(kindRow, 0, 0, 1, 6);

    // The three search boxes and the buttons that run the search.
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(caption(QString::fromLatin1(kSearchCaptions[i]), box), 1, i);
        auto* text = new QLineEdit(box);
        text->setObjectName(QStringLiteral("txtSearch_%1").arg(i));
        text->setClearButtonEnabled(true);
        text->setMinimumWidth(150);
        // Names and numbers are kept in capitals.
        connect(text, &QLineEdit::textEdited, text, [text](const QString& typed) {
            const QString upper = typed.toUpper();
            if (upper != typed) {
                const int at = text->cursorPosition();
                text->setText(upper);
                text->setCursorPosition(at);
            }
        });
        connect(text, &QLineEdit::returnPressed, this, &frmSearch::Command1_Click);
        txtSearch[static_cast<size_t>(i)] = text;
        grid->addWidget(text, 2, i);
    }
    Command1 = new QPushButton(QStringLiteral("&Search"), box);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Refresh"), box);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(88);
    }
    connect(Command1, &QPushButton::clicked, this, &frmSearch::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSearch::Command2_Click);
    grid->addWidget(Command1, 2, 3);
    grid->addWidget(Command2, 2, 4);

    // The admission-date range and the export.
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(8);
    cmdAdmDate = new QPushButton(QStringLiteral("With Adm. Date"), box);
    cmdAdmDate->setObjectName(QStringLiteral("cmdAdmDate"));
    cmdAdmDate->setCheckable(true);
    cmdAdmDate->setAutoDefault(false);
    connect(cmdAdmDate, &QPushButton::clicked, this, &frmSearch::cmdAdmDate_Click);
    dtpStartDate = dateBox("dtpStartDate", box);
    dtpEndDate = dateBox("dtpEndDate", box);
    dateRow->addWidget(cmdAdmDate);
    dateRow->addWidget(dtpStartDate);
    dateRow->addWidget(caption(QStringLiteral("to"), box));
    dateRow->addWidget(dtpEndDate);
    dateRow->addStretch(1);
    cmdToExcel = new QPushButton(QStringLiteral("To Excel"), box);
    cmdToExcel->setObjectName(QStringLiteral("cmdToExcel"));
    cmdToExcel->setAutoDefault(false);
    connect(cmdToExcel, &QPushButton::clicked, this, &frmSearch::cmdToExcel_Click);
    dateRow->addWidget(cmdToExcel);
    grid->addLayout(dateRow, 3, 0, 1, 6);
    grid->setRowMinimumHeight(3, 34);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* frmSearch::buildFooter()
{
    auto* footer = new QWidget(this);
    auto* lines = new QVBoxLayout(footer);
    lines->setContentsMargins(2, 0, 2, 0);
    lines->setSpacing(4);

    // The legend takes a line of its own (two with the precautions) so that
    // none of its meanings is cut; the counter stays at the right.
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(newLegend(footer), 0, Qt::AlignTop);
    row->addStretch(1);
    row->addWidget(caption(QStringLiteral("Rec. No."), footer), 0, Qt::AlignTop);
    lblRecNum = new QLabel(footer);
    lblRecNum->setObjectName(QStringLiteral("lblRecNum"));
    QFont bold = lblRecNum->font();
    bold.setBold(true);
    lblRecNum->setFont(bold);
    lblRecNum->setMinimumWidth(96);
    row->addWidget(lblRecNum, 0, Qt::AlignTop);
    lines->addLayout(row);

    // The links into the selected patient's chart.
    auto* links = new QHBoxLayout;
    links->setSpacing(12);
    links->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        auto* link = new QLabel(footer);
        link->setObjectName(QStringLiteral("lblProcedures_%1").arg(i));
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this, [this, i] { lblProcedures_Click(i); });
        lblProcedures[static_cast<size_t>(i)] = link;
        links->addWidget(link);
    }
    lines->addLayout(links);
    return footer;
}

void frmSearch::Form_Load()
{
    Reload_Station();
}

void frmSearch::Reload_Station()
{
    lblORStation->setText(app::ORStationName.isEmpty() ? QString() : QStringLiteral("Station: ") + app::ORStationName);
    lblORStation->setToolTip(app::ORStationID);
    Command1_Click();
}

PatientKind frmSearch::kind() const
{
    if (optPatientType[1]->isChecked())
        return PatientKind::OutPatient;
    if (optPatientType[2]->isChecked())
        return PatientKind::Emergency;
    return PatientKind::InPatient;
}

QString frmSearch::listPatientType() const
{
    return PatientTypeOf(kind());
}

QString frmSearch::ListStatement() const
{
    QString args = db::Quote(TypeLetter(kind()));
    for (QLineEdit* box : txtSearch)
        args += QLatin1Char(',') + db::Quote(box->text().trimmed());
    if (cmdAdmDate->isChecked())
        return QStringLiteral("STATION..sp_Get_OR_PatientList_by_AdmDate ") + args + QLatin1Char(',')
               + db::Quote(sqlDay(dtpStartDate->date())) + QLatin1Char(',') + db::Quote(sqlDay(dtpEndDate->date()));
    const bool stations = app::ProgramSettings && app::ProgramSettings->OREnableWithStations();
    const QString station = app::ORStationID.trimmed().toUpper();
    if (stations && (station == QLatin1String("OR1") || station == QLatin1String("OR2")))
        return QStringLiteral("STATION..sp_Get_OR_PatientList_by_%1Station ").arg(station) + args + QStringLiteral(", ")
               + db::Quote(app::ORStationID.trimmed());
    return QStringLiteral("STATION..sp_Get_OR_PatientList ") + args;
}

void frmSearch::Command1_Click()
{
    // An admission-date range that ends before it starts finds nobody: say so instead.
    if (cmdAdmDate->isChecked() && !shell::CheckPeriod(dtpStartDate->date(), dtpEndDate->date()))
        return;
    app::PatientType = listPatientType();
    loadList(ListStatement());
    showSelectedPatient();
    updateLinks();
}

void frmSearch::Command2_Click()
{
    for (QLineEdit* box : txtSearch)
        box->clear();
    cmdAdmDate->setChecked(false);
    dtpStartDate->setEnabled(false);
    dtpEndDate->setEnabled(false);
    Command1_Click();
}

void frmSearch::cmdAdmDate_Click()
{
    const bool on = cmdAdmDate->isChecked();
    dtpStartDate->setEnabled(on);
    dtpEndDate->setEnabled(on);
    Command1_Click();
}

void frmSearch::cmdToExcel_Click()
{
    exportToExcel(QStringLiteral("Patient List"));
}

void frmSearch::optPatientType_Click(int)
{
    Command1_Click();
}

void frmSearch::lblProcedures_Click(int index)
{
    if (app::IdNum.isEmpty() || app::PatientName.isEmpty())
        return;
    static const ChartPage pages[] = {ChartPage::Summary, ChartPage::Results, ChartPage::Requests};
    // Until the clinical chart is there, its requests page is the charge entry.
    if (index == 2 && !HasChartOpener()) {
        charging::OpenChargeForSelectedPatient();
        return;
    }
    OpenChart(pages[std::clamp(index, 0, 2)]);
}

void frmSearch::showEvent(QShowEvent* event)
{
    PatientListBase::showEvent(event);
    updateLinks();
    MSHFlexList->setFocus(Qt::OtherFocusReason);
}

void frmSearch::updateLinks()
{
    // The links lead into the clinical chart; without it they stay disabled.
    for (int i = 0; i < 3; ++i) {
        // The charge entry is reached with or without the chart.
        const bool chart = HasChartOpener() || i == 2;
        QLabel* link = lblProcedures[static_cast<size_t>(i)];
        const QString caption = QString::fromLatin1(kLinks[i]);
        // A disabled link would still be drawn in the link colour: show it as plain text.
        link->setText(chart ? QStringLiteral("<a href=\"%1\">%2</a>").arg(i).arg(caption) : caption);
        link->setEnabled(chart);
        link->setToolTip(chart ? QString() : QStringLiteral("The clinical chart is not available."));
    }
}

void frmSearch::showSelectedPatient()
{
    if (app::PatientName.isEmpty()) {
        lblPatient->setText(QStringLiteral("<span style=\"color: palette(dark);\">No patient selected: click a row to select the patient.</span>"));
        return;
    }
    QString room = app::RoomID;
    if (!app::RoomClassID.isEmpty())
        room += QStringLiteral(" (class %1)").arg(app::RoomClassID);
    lblPatient->setText(QStringLiteral("<b>%1</b> &nbsp;&middot;&nbsp; Hospital # %2 &nbsp;&middot;&nbsp; Adm. # %3"
                                       " &nbsp;&middot;&nbsp; Room %4 &nbsp;&middot;&nbsp; %5")
                            .arg(app::PatientName.toHtmlEscaped(), app::HospNum.toHtmlEscaped(), app::IdNum.toHtmlEscaped(),
                                 room.toHtmlEscaped(), app::PatientCompany.toHtmlEscaped()));
}

} // namespace patients
