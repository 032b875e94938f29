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

namespace {

frmChart::ChargeEntryOpener& ChargeOpener()
{
    static frmChart::ChargeEntryOpener opener;
    return opener;
}

constexpr int kTechniqueLimit = 2000;

QDateTime Joined(const QDateEdit* date, const QTimeEdit* time)
{
    return QDateTime(date->date(), QTime(time->time().hour(), time->time().minute()));
}

void Split(const QDateTime& when, QDateEdit* date, QTimeEdit* time)
{
    date->setDate(when.date());
    time->setTime(when.time());
}

QWidget* Scrolled(QWidget* page)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

} // namespace

const ChartVariant& StandardChart()
{
    static const ChartVariant v{"frmChart", "Operative Chart", "\\Reports\\OperationProcedure.RPT",
                                "\\Reports\\AnesthesiaRecord.RPT", "Print &Anesthesia Record", true, true, nullptr, false};
    return v;
}

const ChartVariant& SiteChart()
{
    static const ChartVariant v{"frmChart_ZV", "Operative Chart", "\\Reports\\OperationProcedure.RPT",
                                "\\Reports\\RecordOperation.RPT", "Print Record of &Operation", false, false, nullptr, true};
    return v;
}

void frmChart::SetChargeEntryOpener(ChargeEntryOpener opener)
{
    ChargeOpener() = std::move(opener);
}

frmChart::frmChart(const ChartVariant& variant, QWidget* parent)
    : QWidget(parent)
    , variant_(variant)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QString::fromLatin1(variant.objectName));
    setWindowTitle(QString::fromLatin1(variant.caption));
    if (app::ProgramSettings)
        options_ = RecordOptions::FromSettings(*app::ProgramSettings);
    options_.siteChecks = variant.siteChecks;
    showSignature_ = app::ProgramSettings && app::ProgramSettings->ShowSignature();
    techWarning_ = app::ProgramSettings && app::ProgramSettings->ShowORTechWarning();

    auto* header = new QGridLayout;
    const char* headerCaptions[] = {"Patient:", "ID No.:", "Room:", "Procedure:"};
    for (int i = 0; i < 16; ++i) {
        lblInfo[i] = new QLabel(this);
        lblInfo[i]->setObjectName(QStringLiteral("lblInfo_%1").arg(i));
    }
    for (int i = 0; i < 4; ++i) {
        header->addWidget(new QLabel(QString::fromLatin1(headerCaptions[i]), this), 0, i * 2);
        header->addWidget(lblInfo[i], 0, i * 2 + 1);
        lblInfo[i]->setStyleSheet(QStringLiteral("font-weight: bold;"));
    }
    header->setColumnStretch(1, 2);
    header->setColumnStretch(7, 3);

    SSTab2 = new QTabWidget(this);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    textBoxes = new ChartTextBoxes;
    SSTab2->addTab(Scrolled(buildProcedureTab()), QStringLiteral("Operation"));
    SSTab2->addTab(Scrolled(buildCrewTab()), QStringLiteral("Operating Team"));
    SSTab2->addTab(Scrolled(buildTimesTab()), QStringLiteral("Times"));
    SSTab2->addTab(Scrolled(buildAnesthesiaTab()), QStringLiteral("Anesthesia Record"));
    SSTab2->addTab(buildCountsTab(), QStringLiteral("Counts"));
    SSTab2->addTab(Scrolled(buildSpecimenTab()), QStringLiteral("Specimen"));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    buildNotes();

    cmdOption[0] = new QPushButton(QStringLiteral("&Save"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("&Close"), this);
    cmdOption[2] = new QPushButton(QStringLiteral("&Print Record"), this);
    cmdOption[3] = new QPushButton(QString::fromLatin1(variant.secondCaption), this);
    for (auto& [index, button] : cmdOption) {
        button->setObjectName(QStringLiteral("cmdOption_%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, i = index] { cmdOption_Click(i); });
    }
    cmdPrintCounts = new QPushButton(QStringLiteral("Print Co&unts"), this);
    cmdPrintCounts->setObjectName(QStringLiteral("cmdPrintCounts"));
    connect(cmdPrintCounts, &QPushButton::clicked, this, &frmChart::PrintCountingSheet);
    cmdReset = new QPushButton(QStringLiteral("R&eset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    connect(cmdReset, &QPushButton::clicked, this, &frmChart::cmdReset_Click);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(shell::StationLook::Medium);
    middle->addWidget(SSTab2, 3);
    middle->addWidget(SSTab1, 2);
    auto* buttons = buttonRow = new QHBoxLayout;
    buttons->addWidget(cmdReset);
    buttons->addStretch(1);
    buttons->addWidget(cmdOption[0]);
    buttons->addWidget(cmdOption[2]);
    buttons->addWidget(cmdOption[3]);
    buttons->addWidget(cmdPrintCounts);
    buttons->addWidget(cmdOption[1]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium,
                               shell::StationLook::Medium);
    layout->setSpacing(shell::StationLook::Small);
    layout->addLayout(header);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(1280, 640);

    tracker_->watch(this);
    connect(counts, &ChartCounts::changed, tracker_, &shell::EditTracker::markModified);
}

frmChart::~frmChart()
{
    delete textBoxes;
}

void frmChart::Form_Load()
{
    shell::StationLook::KeepTabsInSight(SSTab1);
    shell::StationLook::KeepTabsInSight(SSTab2);
    lblInfo[0]->setText(app::PatientName);
    lblInfo[1]->setText(app::IdNum);
    lblInfo[2]->setText(app::RoomID);
    lblInfo[3]->setText(ProcedureName);
    tracker_->pause();
    record_ = OperationRecord();
    record_.hospNum = app::HospNum;
    record_.idNum = app::IdNum;
    record_.refNum = RefNum;
    record_.patientType = app::PatientType.isEmpty() ? QStringLiteral("I") : app::PatientType;
    record_.procedureId = ProcedureID;
    record_.set(QStringLiteral("Procedures"), ProcedureName);
    record_.counts = DefaultCountItems();
    const QDateTime now = app::ServerDate.isValid() ? app::ServerDate : QDateTime::currentDateTime();
    for (int p = 0; p < kPhaseCount; ++p)
        record_.setPhase(Phase(p), QDateTime(now.date(), QTime(now.time().hour(), now.time().minute())));
    record_.specimenIn = record_.specimenOut = record_.phase(Phase::PatientIn);

    QStringList rooms;
    bool found = false;
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& connection) {
        OperationRecordStore store(connection);
        rooms = store.activeRooms();
        if (OperatingNum != 0) {
            OperationRecord stored;
            found = store.load(app::HospNum, app::IdNum, QString::number(OperatingNum), stored);
            if (found) {
                if (stored.counts.isEmpty())
                    stored.counts = DefaultCountItems();
                record_ = stored;
            }
        }
        if (!found) {
            store.prefillFromBooking(record_, now);
            store.prefillRelativeValue(record_);
        }
        loadExtra(connection, record_);
    });
    cboORRoom->clear();
    cboORRoom->addItem(QString());
    cboORRoom->addItems(rooms);
    fillForm();
    tracker_->resume();
    tracker_->markSaved();
}

void frmChart::fillForm()
{
    const OperationRecord& r = record_;
    lblInfo[3]->setText(r.value(QStringLiteral("Procedures")));
    txtOPerformed->setText(r.value(QStringLiteral("Procedures")));
    txtPhicCode->setText(r.value(QStringLiteral("PHICCODE")));
    txtRVSDescription->setText(r.rvsDescription);
    lblInfo[15]->setText(r.rvsUnit);
    const int category = cboCategory->findText(CategoryCaption(r.value(QStringLiteral("Category"))));
    cboCategory->setCurrentIndex(category < 0 ? 0 : category);
    const QString room = r.value(QStringLiteral("RoomName"));
    if (!room.isEmpty() && cboORRoom->findText(room) < 0)
        cboORRoom->addItem(room); // a room closed since keeps showing on its old records
    cboORRoom->setCurrentIndex(std::max(0, cboORRoom->findText(room)));
    const char* lateral[] = {"preopdxlat", "postopdxlat", "opperformedlat"};
    for (int i = 0; i < 3; ++i) {
        const QString side = r.value(QString::fromLatin1(lateral[i]));
        chkLeft[i]->setChecked(side == QLatin1String("L"));
        chkRight[i]->setChecked(side == QLatin1String("R"));
        chkBoth[i]->setChecked(side == QLatin1String("B"));
    }
    for (const NoteBox& note : kNotes)
        txtEntry[note.index]->setPlainText(r.value(QString::fromLatin1(note.column)));
    textBoxes->fill(r);
    crew->fill(r);
    Split(r.phase(Phase::PatientIn), dtpOp, dtpTimeIn);
    Split(r.phase(Phase::Anesthesia), dtpAnesDate, dtpAnesTime);
    Split(r.phase(Phase::Cutting), dtpCutDate, dtpCuttingTime);
    Split(r.phase(Phase::Closing), dtpCloseDate, dtpClosingTime);
    Split(r.phase(Phase::AnesthesiaDone).isValid() ? r.phase(Phase::AnesthesiaDone) : r.phase(Phase::PatientOut), dtpAnesDoneDate,
          dtpAnesDone);
    Split(r.phase(Phase::PatientOut), dtpOut, dtpTimeOut);
    Split(r.specimenIn.isValid() ? r.specimenIn : r.phase(Phase::PatientIn), dateSpecimenIn, dtpSpecimenIn);
    Split(r.specimenOut.isValid() ? r.specimenOut : r.phase(Phase::PatientIn), dateSpecimenOut, dtpSpecimenOut);
    const QString transfer = r.value(QStringLiteral("PostOPTO"));
    for (int i = 0; i < 3; ++i)
        optTO[i]->setChecked(transfer == QLatin1String(kTransfers[i]));
    const QString instrument = r.value(QStringLiteral("Instrument"));
    const QString sutures = r.value(QStringLiteral("Sutures"));
    optInstruments[0]->setChecked(instrument == QLatin1String("COMPLETE"));
    optInstruments[1]->setChecked(instrument == QLatin1String("INCOMPLETE"));
    optSutures[0]->setChecked(sutures == QLatin1String("COMPLETE"));
    optSutures[1]->setChecked(sutures == QLatin1String("INCOMPLETE"));
    counts->fill(r.counts, r.countMismatchReason);
    fillExtra(r);
    refreshDurations();
    refreshTechWarning();
    cmdReset->setEnabled(!r.isNew());
}

OperationRecord frmChart::gathered() const
{
    OperationRecord r = record_;
    r.set(QStringLiteral("Procedures"), txtOPerformed->text().trimmed());
    r.set(QStringLiteral("PHICCODE"), txtPhicCode->text().trimmed());
    r.rvsUnit = lblInfo[15]->text().trimmed();
    r.set(QStringLiteral("Category"), CategoryCode(cboCategory->currentText()));
    r.set(QStringLiteral("RoomName"), cboORRoom->currentText());
    const char* lateral[] = {"preopdxlat", "postopdxlat", "opperformedlat"};
    for (int i = 0; i < 3; ++i)
        r.set(QString::fromLatin1(lateral[i]),
              LateralityCode(chkLeft[i]->isChecked(), chkRight[i]->isChecked(), chkBoth[i]->isChecked()));
    for (const NoteBox& note : kNotes)
        r.set(QString::fromLatin1(note.column), txtEntry[note.index]->toPlainText());
    textBoxes->read(r);
    crew->read(r);
    r.setPhase(Phase::PatientIn, Joined(dtpOp, dtpTimeIn));
    r.setPhase(Phase::Anesthesia, Joined(dtpAnesDate, dtpAnesTime));
    r.setPhase(Phase::Cutting, Joined(dtpCutDate, dtpCuttingTime));
    r.setPhase(Phase::Closing, Joined(dtpCloseDate, dtpClosingTime));
    r.setPhase(Phase::AnesthesiaDone, options_.showAnesthesiaDone ? Joined(dtpAnesDoneDate, dtpAnesDone) : QDateTime());
    r.setPhase(Phase::PatientOut, Joined(dtpOut, dtpTimeOut));
    r.specimenIn = Joined(dateSpecimenIn, dtpSpecimenIn);
    r.specimenOut = Joined(dateSpecimenOut, dtpSpecimenOut);
    QString transfer;
    for (int i = 0; i < 3; ++i)
        if (optTO[i]->isChecked())
            transfer = QString::fromLatin1(kTransfers[i]);
    r.set(QStringLiteral("PostOPTO"), transfer);
    const auto complete = [](const std::array<QRadioButton*, 2>& pair) {
        return pair[0]->isChecked() ? QStringLiteral("COMPLETE") : pair[1]->isChecked() ? QStringLiteral("INCOMPLETE") : QString();
    };
    r.set(QStringLiteral("Instrument"), complete(optInstruments));
    r.set(QStringLiteral("Sutures"), complete(optSutures));
    r.counts = counts->counts();
    r.countMismatchReason = counts->reason();
    gatherExtra(r);
    return r;
}

void frmChart::refreshDurations()
{
    OperationRecord r;
    r.setPhase(Phase::PatientIn, Joined(dtpOp, dtpTimeIn));
    r.setPhase(Phase::Anesthesia, Joined(dtpAnesDate, dtpAnesTime));
    r.setPhase(Phase::Cutting, Joined(dtpCutDate, dtpCuttingTime));
    r.setPhase(Phase::Closing, Joined(dtpCloseDate, dtpClosingTime));
    r.setPhase(Phase::AnesthesiaDone, Joined(dtpAnesDoneDate, dtpAnesDone));
    r.setPhase(Phase::PatientOut, Joined(dtpOut, dtpTimeOut));
    const Durations d = DurationsOf(r, options_.showAnesthesiaDone);
    const auto shown = [](int minutes) { return minutes < 0 ? QStringLiteral("-") : DurationText(minutes); };
    QString text = QStringLiteral("Anesthesia: %1     Operation: %2     Room time: %3")
                       .arg(shown(d.anesthesia), shown(d.operation), shown(d.room));
    if (auto reversed = CheckPhaseOrder(r, options_.showAnesthesiaDone))
        text += QStringLiteral("\n") + *reversed;
    lblDurations->setText(text);
}

void frmChart::refreshTechWarning()
{
    lblTechWarning->setVisible(techWarning_ && txtEntry[2]->toPlainText().trimmed().size() >= kTechniqueLimit);
}

void frmChart::showTab(ChartTab tab)
{
    switch (tab) {
    case ChartTab::Procedure:
        SSTab2->setCurrentIndex(0);
        break;
    case ChartTab::Crew:
        SSTab2->setCurrentIndex(1);
        break;
    case ChartTab::Times:
        SSTab2->setCurrentIndex(2);
        break;
    case ChartTab::Anesthesia:
        SSTab2->setCurrentIndex(3);
        break;
    case ChartTab::Counts:
        SSTab2->setCurrentIndex(4);
        break;
    case ChartTab::Diagnosis:
        SSTab1->setCurrentIndex(0);
        break;
    }
}

bool frmChart::save()
{
    if (loadFailed_) {
        shell::Notify(QStringLiteral("The operation record could not be read, so it cannot be saved. Close the chart and open it again."),
                      shell::PromptIcon::Exclamation);
        return false;
    }
    OperationRecord typed = gathered();
    OperationRecordActions actions(typed, options_, this);
    if (!actions.save([this](db::Connection& connection, const OperationRecord& saved) { saveExtra(connection, saved); })) {
        if (actions.failedTab())
            showTab(*actions.failedTab());
        return false;
    }
    const bool firstSave = record_.isNew();
    record_ = typed;
    OperatingNum = record_.operatingNum.toInt();
    tracker_->markSaved();
    cmdReset->setEnabled(true);
    crew->showSignatures(record_);
    // The charge entry for the operation opens after the record's first save,
    // once it is installed (the charging windows set it; see
    // SetChargeEntryOpener); a nurse correcting the record later is not sent
    // to the charges again each time.
    if (firstSave && ChargeOpener())
        ChargeOpener()(*this);
    return true;
}

void frmChart::cmdOption_Click(int index)
{
    switch (index) {
    case 0:
        save();
        return;
    case 1:
        if (shell::Confirm(QStringLiteral("Are you sure to close this window?")))
            close();
        return;
    case 2:
    case 3: {
        OperationRecordActions actions(record_, options_, this);
        const bool anesthesiaRecord = index == 3 && variant_.secondIsAnesthesiaRecord;
        if (anesthesiaRecord) {
            if (record_.isNew() || (record_.value(QStringLiteral("AnestheID")).isEmpty()
                                    && record_.value(QStringLiteral("Anesthesia")).isEmpty())) {
                shell::Notify(QStringLiteral("Sorry, no anesthesia record to print."));
                return;
            }
        } else if (auto refusal = actions.printRefusal(showSignature_)) {
            shell::Notify(*refusal);
            return;
        }
        const QString file = QString::fromLatin1(index == 2 ? variant_.printOperation : variant_.printSecond);
        PrintRecordForm(file, index == 2 ? QStringLiteral("Operation Procedure") : QStringLiteral("Record of Operation"),
                        index == 2 && variant_.printLog ? QString::fromLatin1(variant_.printLog) : QString());
        return;
    }
    default:
        return;
    }
}

bool frmChart::PrintRecordForm(const QString& file, const QString& title, const QString& log)
{
    const QString employee = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    if (!shell::OpenAndShowReport(file, shell::SiteParameters() << record_.operatingNum.toInt() << employee, title))
        return false;
    if (!log.isEmpty())
        shell::SaveTransaction::Run([&](db::Connection&) { shell::WriteStationLog(record_.idNum, log, employee, QStringLiteral("OR")); });
    return true;
}

bool frmChart::PrintCountingSheet()
{
    if (record_.isNew()) {
        shell::Notify(QStringLiteral("Sorry, no clinical operation record."));
        return false;
    }
    return PrintRecordForm(QStringLiteral("\\Reports\\SpongeInstrumentNeedle.rpt"), QStringLiteral("Sponge, Instrument and Needle Count"));
}

void frmChart::cmdReset_Click()
{
    OperationRecordActions actions(record_, options_, this);
    if (!actions.reset(variant_.resetNeedsRight))
        return;
    tracker_->markSaved();
    close();
}

void frmChart::cmdSignature_Click(Role role)
{
    if (tracker_->modified()) {
        shell::Notify(QStringLiteral("Please save the changes to the operation record before signing."), shell::PromptIcon::Exclamation);
        return;
    }
    OperationRecordActions(record_, options_, this).signOff(role);
    crew->showSignatures(record_);
}

void frmChart::txtPhicCode_KeyPress()
{
    const QString typed = txtPhicCode->text().trimmed();
    try {
        db::Connection* connection = app::SQLConnection();
        if (!connection)
            return;
        OperationRecordStore store(*connection);
        QString code = typed;
        const bool nonPhic = app::ProgramSettings && app::ProgramSettings->UseNonPHICDescription();
        if (!nonPhic) {
            auto chosen = ShowRVSList(typed, this);
            if (!chosen)
                return;
            code = chosen->code;
        }
        txtPhicCode->setText(code);
        txtRVSDescription->setText(store.rvsDescription(code));
        lblInfo[15]->setText(store.rvsUnit(code));
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

void frmChart::saveExtra(db::Connection& connection, const OperationRecord& record)
{
    if (siteCounts)
        siteCounts->save(connection, record.idNum, record.operatingNum);
}

void frmChart::loadExtra(db::Connection& connection, const OperationRecord& record)
{
    if (siteCounts && !record.isNew())
        siteCounts->load(connection, record.idNum, record.operatingNum);
}

bool frmChart::hasUnsavedChanges() const
{
    return tracker_->modified();
}

bool frmChart::saveUnsavedChanges()
{
    return save();
}

frmChart* OpenOperationRecord(const QString& refNum, int operatingNum, const QString& procedureId, const QString& procedureName)
{
    if (!shell::PatientSelected())
        return nullptr;
    const QString window = OperationRecordWindowName();
    frmChart* form = nullptr;
    if (window == QLatin1String(SiteChart().objectName))
        form = new frmChart(SiteChart());
    else if (window == QLatin1String("frmSurgicalMemo"))
        form = new frmSurgicalMemo;
    else
        form = new frmChart(StandardChart());
    form->RefNum = refNum;
    form->OperatingNum = operatingNum;
    form->ProcedureID = procedureId;
    form->ProcedureName = procedureName;
    form->Form_Load();
    return form;
}

} // namespace records
