#include "chart/nursing/VitalSignsPage.h"

#include "chart/nursing/ChartGrid.h"
#include "chart/nursing/VitalSignTrend.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DateText.h"
#include "db/SqlText.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/UserValidation.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace chart::nursing {

const QString VitalSignsPage::FormatString = QStringLiteral(
    "  |<Date / Time         |<BP      |<Temp. |<R.R |<P.R  |<O.S. |<Encoder |< |< |< |< |<ScheduleTime|<Transaction Number");

namespace {

QLineEdit* ReadingBox(QWidget* parent, const QString& name, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    // Digits, the decimal point and the blood pressure's bar, as the ward has always typed them.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9./]*")), box));
    box->setMaxLength(6);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QString LoggedInUser()
{
    return app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
}

QString Details(const VitalSignRow& row)
{
    return QStringLiteral("Date/Time Entered: ") + row.when + QStringLiteral("\nBlood Pressure: ") + row.bloodPressure +
           QStringLiteral("\nTemperature: ") + row.temperature + QStringLiteral("\nRespiratory Rate: ") + row.respiration +
           QStringLiteral("\nPulse Rate: ") + row.pulse + QStringLiteral("\nOxygen Saturation: ") + row.oxygen +
           QStringLiteral("\nMonitoring Protocol: ") + row.protocol;
}

// What the station log keeps of a reading: enough to tell it again.
QString LogText(const QString& transNum, const QString& when, const QString& bp, const QString& t, const QString& p,
                const QString& r, const QString& o2)
{
    return QStringLiteral("TRANSNUM %1, %2, BP %3, TEMP %4, PR %5, RR %6, O2 %7").arg(transNum, when, bp, t, p, r, o2);
}

} // namespace

VitalSignsPage::VitalSignsPage(QWidget* parent)
    : ChartPanel(parent)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("VitalSignsPage"));
    using namespace shell::StationLook;
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Small, Small, Small, Small);
    root->setSpacing(Small);

    auto* entryBox = new QGroupBox(QStringLiteral("Reading"), this);
    auto* rows = new QVBoxLayout(entryBox);
    rows->setSpacing(Small);
    auto* values = new QHBoxLayout;
    values->setSpacing(Tight);
    auto label = [&](const QString& text, QHBoxLayout* row, bool gap = true) {
        if (gap && row->count() > 0)
            row->addSpacing(Medium);
        row->addWidget(new QLabel(text, entryBox));
    };
    dtpVSDate = shell::NewDateField(entryBox, QStringLiteral("dtpVSDate"));
    dtpVSTime = shell::NewTimeField(entryBox, QStringLiteral("dtpVSTime"));
    txtBloodPressure[0] = ReadingBox(entryBox, QStringLiteral("txtBloodPressure_0"), 48);
    txtBloodPressure[1] = ReadingBox(entryBox, QStringLiteral("txtBloodPressure_1"), 48);
    txtTemperature = ReadingBox(entryBox, QStringLiteral("txtTemperature"), 52);
    txtPulserate = ReadingBox(entryBox, QStringLiteral("txtPulserate"), 48);
    txtRespiratoryrate = ReadingBox(entryBox, QStringLiteral("txtRespiratoryrate"), 48);
    txtO2Sat = ReadingBox(entryBox, QStringLiteral("txtO2Sat"), 48);
    label(QStringLiteral("Date:"), values);
    values->addWidget(dtpVSDate);
    label(QStringLiteral("Time:"), values);
    values->addWidget(dtpVSTime);
    label(QStringLiteral("BP:"), values);
    values->addWidget(txtBloodPressure[0]);
    values->addWidget(new QLabel(QStringLiteral("/"), entryBox));
    values->addWidget(txtBloodPressure[1]);
    label(QStringLiteral("Temp.:"), values);
    values->addWidget(txtTemperature);
    label(QStringLiteral("P.R:"), values);
    values->addWidget(txtPulserate);
    label(QStringLiteral("R.R:"), values);
    values->addWidget(txtRespiratoryrate);
    label(QStringLiteral("O2 Sat.:"), values);
    values->addWidget(txtO2Sat);
    values->addStretch(1);
    rows->addLayout(values);

    auto* actions = new QHBoxLayout;
    actions->setSpacing(Tight);
    label(QStringLiteral("Monitoring protocol:"), actions, false);
    cmbProfile = new QComboBox(entryBox);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->addItems({QStringLiteral("Once Every Shift"), QStringLiteral("Every Hour"), QStringLiteral("Every 2 hours"),
                          QStringLiteral("Every 4 hours"), QStringLiteral("Every 15 minutes"), QStringLiteral("Every 30 minutes")});
    actions->addWidget(cmbProfile);
    actions->addStretch(1);
    auto button = [&](QPushButton*& member, const char* name, const QString& caption) {
        member = new QPushButton(caption, entryBox);
        member->setObjectName(QLatin1String(name));
        member->setAutoDefault(false);
        actions->addWidget(member);
    };
    button(cmdSaveVitalSign, "cmdSaveVitalSign", QStringLiteral("&Save"));
    button(cmdEditVitalSigns, "cmdEditVitalSigns", QStringLiteral("&Edit"));
    button(cmdDeleteVitalSign, "cmdDeleteVitalSign", QStringLiteral("&Delete"));
    button(cmdCancelEdit, "cmdCancelEdit", QStringLiteral("Cancel Edit"));
    rows->addLayout(actions);
    root->addWidget(entryBox);

    auto* split = new QSplitter(Qt::Horizontal, this);
    mshflexVitalSigns = NewChartGrid(split, QStringLiteral("mshflexVitalSigns"), FormatString);
    trend = new VitalSignTrend(split);
    split->addWidget(mshflexVitalSigns);
    split->addWidget(trend);
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 4);
    split->setChildrenCollapsible(false);
    root->addWidget(split, 1);

    for (QLineEdit* box : {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtPulserate, txtRespiratoryrate, txtO2Sat})
        box->installEventFilter(this);
    connect(cmdSaveVitalSign, &QPushButton::clicked, this, [this] { cmdSaveVitalSign_Click(); });
    connect(cmdEditVitalSigns, &QPushButton::clicked, this, &VitalSignsPage::cmdEditVitalSigns_Click);
    connect(cmdDeleteVitalSign, &QPushButton::clicked, this, &VitalSignsPage::cmdDeleteVitalSign_Click);
    connect(cmdCancelEdit, &QPushButton::clicked, this, &VitalSignsPage::cmdCancelEdit_Click);
    tracker_->watch(entryBox);
    setEditing(QString());
}

void VitalSignsPage::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    clearEntry();
    setEditing(QString());
    Get_VitalSigns();
}

void VitalSignsPage::Get_VitalSigns()
{
    std::vector<VitalSignRow> rows;
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        for (db::Recordset rs = conn.open(QStringLiteral("STATION..Nurse_GetVitalSigns ") + db::Quote(patient_.idNum)); !rs.eof();
             rs.moveNext()) {
            VitalSignRow row;
            row.when = rs.text(QStringLiteral("Date / Time"));
            row.bloodPressure = rs.text(QStringLiteral("BLOOD PRESSURE"));
            row.temperature = rs.text(QStringLiteral("Temperature"));
            row.respiration = rs.text(QStringLiteral("RESPIRATORY RATE"));
            row.pulse = rs.text(QStringLiteral("Pulse RATE"));
            row.oxygen = rs.text(QStringLiteral("Oxygen Saturation"));
            row.encoder = rs.text(QStringLiteral("Encoder"));
            row.itemId = rs.text(QStringLiteral("ItemID"));
            row.protocol = rs.text(QStringLiteral("Protocol"));
            row.remarks = rs.text(QStringLiteral("Remarks"));
            row.remarks2 = rs.text(QStringLiteral("Remarks2"));
            row.scheduleTime = rs.text(QStringLiteral("ScheduleTime"));
            row.transNum = rs.text(QStringLiteral("TransNum"));
            row.taken = db::ParseDateText(rs.text(QStringLiteral("TRANSDATE")));
            rows.push_back(row);
        }
    });
    rows_ = std::move(rows);
    mshflexVitalSigns->setRowCount(0);
    std::vector<VitalSignPoint> points;
    for (const VitalSignRow& r : rows_) {
        AddGridRow(mshflexVitalSigns, {r.when, r.bloodPressure, r.temperature, r.respiration, r.pulse, r.oxygen, r.encoder,
                                       r.itemId, r.protocol, r.remarks, r.remarks2, r.scheduleTime, r.transNum});
        VitalSignPoint point;
        point.when = r.taken;
        point.systolic = VitalSignRules::Value(r.bloodPressure.section(QLatin1Char('/'), 0, 0));
        point.diastolic = VitalSignRules::Value(r.bloodPressure.section(QLatin1Char('/'), 1, 1));
        point.temperature = VitalSignRules::Value(r.temperature);
        point.pulse = VitalSignRules::Value(r.pulse);
        point.respiration = VitalSignRules::Value(r.respiration);
        point.oxygen = VitalSignRules::Value(r.oxygen);
        if (point.when.isValid())
            points.push_back(point);
    }
    mshflexVitalSigns->resizeColumnsToContents();
    trend->setReadings(std::move(points));
    cmdSaveVitalSign->setEnabled(!loadFailed_);
}

bool VitalSignsPage::hasUnsavedChanges() const
{
    if (!tracker_->modified())
        return false;
    for (const QLineEdit* box : {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtPulserate, txtRespiratoryrate, txtO2Sat})
        if (!box->text().trimmed().isEmpty())
            return true;
    return editing();
}

VitalSignEntry VitalSignsPage::entry() const
{
    return {txtBloodPressure[0]->text(), txtBloodPressure[1]->text(), txtTemperature->text(),
            txtPulserate->text(),        txtRespiratoryrate->text(),  txtO2Sat->text()};
}

VitalSignCheck VitalSignsPage::checkOf(QLineEdit* box) const
{
    if (box == txtBloodPressure[1])
        return VitalSignRules::Diastolic(txtBloodPressure[0]->text(), box->text());
    if (box == txtTemperature)
        return VitalSignRules::Temperature(box->text());
    if (box == txtPulserate)
        return VitalSignRules::Pulse(box->text());
    if (box == txtRespiratoryrate)
        return VitalSignRules::Respiration(box->text());
    if (box == txtO2Sat)
        return VitalSignRules::Oxygen(box->text());
    return {};
}

bool VitalSignsPage::checkBox(QLineEdit* box)
{
    const VitalSignCheck check = checkOf(box);
    if (check.accepted())
        return true;
    if (check.verdict == VitalSignCheck::Verdict::Ask) {
        if (confirmed_.value(box) == box->text())
            return true;
        if (shell::Prompts::current().ask(check.text, check.title, shell::PromptIcon::Question)) {
            confirmed_.insert(box, box->text());
            return true;
        }
    } else {
        shell::Prompts::current().message(check.text, check.title, shell::PromptIcon::Exclamation);
    }
    if (check.clearsBox)
        box->clear();
    box->setFocus();
    return false;
}

bool VitalSignsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* box = static_cast<QLineEdit*>(watched);
            if (checkBox(box))
                focusNextChild();
            return true;
        }
    }
    return ChartPanel::eventFilter(watched, event);
}

bool VitalSignsPage::cmdSaveVitalSign_Click()
{
    if (loadFailed_)
        return false;
    const VitalSignEntry typed = entry();
    const int systolicMax = app::ProgramSettings ? app::ProgramSettings->SystolicMax() : 300;
    const int diastolicMin = app::ProgramSettings ? app::ProgramSettings->DiastolicMin() : 50;
    const QString refusal = VitalSignRules::SaveRefusal(typed, systolicMax, diastolicMin);
    if (!refusal.isEmpty()) {
        const bool invalid = refusal == QLatin1String("Invalid entry.");
        shell::Prompts::current().message(refusal, invalid ? QStringLiteral("Warning") : QStringLiteral("Notification"),
                                          shell::PromptIcon::Exclamation);
        return false;
    }
    // The questions of a value typed and left without Enter are asked now.
    for (QLineEdit* box : {txtBloodPressure[1], txtTemperature, txtPulserate, txtRespiratoryrate, txtO2Sat})
        if (!checkBox(box))
            return false;
    if (!shell::Confirm(QStringLiteral("Are you sure you want to SAVE VITAL SIGNS?")))
        return false;
    if (!shell::ValidateTransaction(QStringLiteral("Unable to continue this transaction. "), 0, QString(), this))
        return false;

    const QString user = app::ValidatedUserID;
    const QString bp = VitalSignRules::BloodPressure(typed);
    const QString day = shell::DateFieldText(dtpVSDate);
    const QString time = QLatin1Char(' ') + shell::TimeFieldText(dtpVSTime);
    const QString protocol = cmbProfile->currentText();
    const QString t = typed.temperature.trimmed(), p = typed.pulse.trimmed(), r = typed.respiration.trimmed(),
                  o2 = typed.oxygen.trimmed();
    const QString transNum = editingTransNum_;
    const bool saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
        if (transNum.isEmpty()) {
            const QStringList args{patient_.idNum, day, time, bp, t, p, r, o2, user, protocol, QString(), QStringLiteral("DONE"), QString()};
            QStringList quoted;
            for (const QString& a : args)
                quoted << db::Quote(a);
            db::Recordset written = conn.open(QStringLiteral("STATION..Nurse_UpdateVitalSigns ") + quoted.join(QLatin1Char(',')));
            const QString number = written.eof() ? QString() : written.text(QStringLiteral("TransNum"));
            conn.execute(QStringLiteral("STATION..sp_Update_MarkerForMonitor ") + db::Quote(number) + QStringLiteral(",'DONE'"));
        } else {
            const QString when = day + time;
            conn.execute(QStringLiteral("UPDATE STATION..tbNurseVitalSigns SET TRANSDATE = %1, BP = %2, TEMPERATURE = %3, "
                                        "PULSERATE = %4, RESPRATE = %5, NInitial = %6, O2Sat = %7, Protocol = %8, ProcItemID = %9 "
                                        "WHERE TransNum = %10 AND IDNUM = %11")
                             .arg(db::Quote(when), db::Quote(bp), db::Quote(t), db::Quote(p), db::Quote(r), db::Quote(user),
                                  db::Quote(o2), db::Quote(protocol), db::Quote(editingItemId_))
                             .arg(db::Quote(transNum), db::Quote(patient_.idNum)));
            shell::WriteStationLog(patient_.idNum, QStringLiteral("UPDATE VITAL SIGNS: ") + LogText(transNum, when, bp, t, p, r, o2),
                                   user, app::ORStationID);
        }
    });
    if (!saved)
        return false;
    clearEntry();
    setEditing(QString());
    Get_VitalSigns();
    emit patientDataChanged();
    return true;
}

const VitalSignRow* VitalSignsPage::chosenOwnReading(const QString& action)
{
    const int row = ChosenRow(mshflexVitalSigns);
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        shell::Notify(QStringLiteral("Please select the vital signs to ") + action + QLatin1Char('.'));
        return nullptr;
    }
    const VitalSignRow& reading = rows_[static_cast<size_t>(row)];
    if (reading.encoder.trimmed().compare(LoggedInUser().trimmed(), Qt::CaseInsensitive) != 0) {
        shell::Notify(QStringLiteral("Sorry, only Mr./Ms. ") + reading.encoder + QStringLiteral(" may ") + action +
                      QStringLiteral(" this patient's vital signs."));
        return nullptr;
    }
    return &reading;
}

void VitalSignsPage::cmdEditVitalSigns_Click()
{
    const VitalSignRow* reading = chosenOwnReading(QStringLiteral("edit"));
    if (!reading)
        return;
    // Typing of a new reading would be overwritten by the one chosen.
    if (hasUnsavedChanges() && !editing() &&
        !shell::Confirm(QStringLiteral("Discard the reading you are typing and edit the chosen one?")))
        return;
    tracker_->pause();
    txtBloodPressure[0]->setText(reading->bloodPressure.section(QLatin1Char('/'), 0, 0));
    txtBloodPressure[1]->setText(reading->bloodPressure.section(QLatin1Char('/'), 1, 1));
    txtTemperature->setText(reading->temperature);
    txtPulserate->setText(reading->pulse);
    txtRespiratoryrate->setText(reading->respiration);
    txtO2Sat->setText(reading->oxygen);
    if (reading->taken.isValid()) {
        dtpVSDate->setDate(reading->taken.date());
        dtpVSTime->setTime(reading->taken.time());
    }
    const int protocol = cmbProfile->findText(reading->protocol, Qt::MatchFixedString);
    cmbProfile->setCurrentIndex(protocol >= 0 ? protocol : 0);
    // Stored values were accepted when they were taken: not asked about again.
    confirmed_.clear();
    for (QLineEdit* box : {txtBloodPressure[1], txtTemperature, txtPulserate, txtRespiratoryrate})
        confirmed_.insert(box, box->text());
    editingItemId_ = reading->itemId;
    setEditing(reading->transNum);
    tracker_->resume();
    tracker_->markSaved();
}

void VitalSignsPage::cmdCancelEdit_Click()
{
    if (!editing())
        return;
    if (!shell::Confirm(QStringLiteral("Are you sure you want to cancel editing this patient's vital signs?")))
        return;
    clearEntry();
    setEditing(QString());
}

void VitalSignsPage::cmdDeleteVitalSign_Click()
{
    const VitalSignRow* reading = chosenOwnReading(QStringLiteral("delete"));
    if (!reading)
        return;
    const VitalSignRow chosen = *reading;
    shell::Notify(QStringLiteral("Details of the vital signs you are about to delete: \n\n") + Details(chosen));
    if (!shell::Confirm(QStringLiteral("Are you sure to delete this patient's vital signs? Click Yes to  permanently delete this record.")))
        return;
    const bool deleted = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(QStringLiteral("DELETE STATION..TBNURSEVITALSIGNS WHERE TransNum = ") + db::Quote(chosen.transNum));
        shell::WriteStationLog(patient_.idNum,
                               QStringLiteral("DELETE VITAL SIGNS: ") + LogText(chosen.transNum, chosen.when, chosen.bloodPressure,
                                                                                chosen.temperature, chosen.pulse,
                                                                                chosen.respiration, chosen.oxygen),
                               LoggedInUser(), app::ORStationID);
    });
    if (!deleted)
        return;
    if (editingTransNum_ == chosen.transNum) {
        clearEntry();
        setEditing(QString());
    }
    Get_VitalSigns();
    emit patientDataChanged();
}

void VitalSignsPage::clearEntry()
{
    tracker_->pause();
    for (QLineEdit* box : {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtPulserate, txtRespiratoryrate, txtO2Sat})
        box->clear();
    const QDateTime now = QDateTime::currentDateTime();
    dtpVSDate->setDate(now.date());
    dtpVSTime->setTime(QTime(now.time().hour(), now.time().minute()));
    cmbProfile->setCurrentIndex(0);
    confirmed_.clear();
    tracker_->resume();
    tracker_->markSaved();
}

void VitalSignsPage::setEditing(const QString& transNum)
{
    editingTransNum_ = transNum;
    if (transNum.isEmpty())
        editingItemId_.clear();
    cmdCancelEdit->setEnabled(!transNum.isEmpty());
    mshflexVitalSigns->setEnabled(transNum.isEmpty());
    cmdSaveVitalSign->setText(transNum.isEmpty() ? QStringLiteral("&Save") : QStringLiteral("&Save Changes"));
}

} // namespace chart::nursing
