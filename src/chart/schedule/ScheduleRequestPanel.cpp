#include "chart/schedule/ScheduleRequestPanel.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "scheduling/BoardDay.h"
#include "scheduling/BoardView.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace chart {

namespace {

QDateTime serverNow()
{
    return app::ServerDate.isValid() ? app::ServerDate : QDateTime::currentDateTime();
}

void fillDoctors(QComboBox* box, db::Connection& conn, bool anesthesiologists)
{
    box->clear();
    box->addItem(QString(), QString());
    db::Recordset rs = conn.open(
        QStringLiteral("SELECT DoctorID, LTRIM(RTRIM(ISNULL(LastName, ''))) + ', ' + LTRIM(RTRIM(ISNULL(FirstName, ''))) AS Name "
                       "FROM BUILD_FILE..tbCoDoctor WHERE ISNULL(Status, 'A') = 'A' AND ISNULL(Specialty, '') ")
        + (anesthesiologists ? QStringLiteral("= 'ANESTHESIOLOGY'") : QStringLiteral("<> 'ANESTHESIOLOGY'"))
        + QStringLiteral(" ORDER BY LastName, FirstName"));
    for (; !rs.eof(); rs.moveNext())
        box->addItem(rs.text(QStringLiteral("Name")), rs.text(QStringLiteral("DoctorID")).trimmed());
}

} // namespace

ScheduleRequestPanel::ScheduleRequestPanel(QWidget* parent)
    : ChartPanel(parent)
{
    setObjectName(QStringLiteral("ScheduleRequestPanel"));
    auto* root = new QHBoxLayout(this);
    auto* entry = new QFormLayout;
    txtProcedure = new QLineEdit(this);
    txtProcedure->setObjectName(QStringLiteral("txtProcedure"));
    shell::LimitToColumn(txtProcedure, QStringLiteral("SCHEDULE..tbORScheduleDetails"), QStringLiteral("Description"));
    cboSurgeon = new QComboBox(this);
    cboSurgeon->setObjectName(QStringLiteral("cboSurgeon"));
    cboAnesthesiologist = new QComboBox(this);
    cboAnesthesiologist->setObjectName(QStringLiteral("cboAnesthesiologist"));
    dtpORDate = shell::NewDateField(this, QStringLiteral("dtpORDate"));
    dtpORTime = shell::NewTimeField(this, QStringLiteral("dtpORTime"));
    txtLength = new QSpinBox(this);
    txtLength->setObjectName(QStringLiteral("txtLength"));
    // Minutes the room is asked for: a quarter of an hour to a long day.
    txtLength->setRange(15, 720);
    txtLength->setSingleStep(15);
    txtLength->setValue(60);
    txtLength->setSuffix(QStringLiteral(" min."));
    entry->addRow(QStringLiteral("Procedure:"), txtProcedure);
    entry->addRow(QStringLiteral("Surgeon:"), cboSurgeon);
    entry->addRow(QStringLiteral("Anesthesiologist:"), cboAnesthesiologist);
    entry->addRow(QStringLiteral("Date of Operation:"), dtpORDate);
    entry->addRow(QStringLiteral("Time of Operation:"), dtpORTime);
    entry->addRow(QStringLiteral("Length:"), txtLength);
    cmdSaveSchedule = new QPushButton(QStringLiteral("&Save Request"), this);
    cmdSaveSchedule->setObjectName(QStringLiteral("cmdSaveSchedule"));
    connect(cmdSaveSchedule, &QPushButton::clicked, this, [this] { cmdSaveSchedule_Click(); });
    entry->addRow(QString(), cmdSaveSchedule);
    auto* left = new QVBoxLayout;
    left->addLayout(entry);
    left->addStretch(1);
    root->addLayout(left);

    Schedule1 = new scheduling::BoardView;
    Schedule1->setObjectName(QStringLiteral("Schedule1"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(Schedule1);
    scroll->setWidgetResizable(false);
    root->addWidget(scroll, 1);
    connect(dtpORDate, &QDateEdit::dateChanged, this, [this] { loadDay(); });
}

void ScheduleRequestPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    shell::SaveTransaction::Load([&](db::Connection& conn) {
        fillDoctors(cboSurgeon, conn, false);
        fillDoctors(cboAnesthesiologist, conn, true);
    });
    clearEntry();
}

void ScheduleRequestPanel::clearEntry()
{
    txtProcedure->clear();
    cboSurgeon->setCurrentIndex(0);
    cboAnesthesiologist->setCurrentIndex(0);
    const QDateTime now = serverNow();
    const QSignalBlocker quiet(dtpORDate);
    dtpORDate->setDate(now.date().addDays(1));
    dtpORTime->setTime(QTime(8, 0));
    loadDay();
}

void ScheduleRequestPanel::loadDay()
{
    shell::SaveTransaction::Load([&](db::Connection& conn) {
        const scheduling::BoardParameters parameters = scheduling::BoardParameters::Load(conn);
        scheduling::BoardContents contents = scheduling::LoadBoardDay(conn, dtpORDate->date(), serverNow());
        Schedule1->layout().setParameters(parameters.dayStart, parameters.dayHours, parameters.increment);
        Schedule1->layout().setColumns(std::move(contents.columns));
        Schedule1->layout().setBlocks(std::move(contents.blocks));
    });
    Schedule1->setNow(serverNow());
    Schedule1->refresh();
}

QString ScheduleRequestPanel::RequestText() const
{
    return QStringLiteral("Patient Name :") + patient_.name + QStringLiteral(" ") + QStringLiteral("Procedure :")
           + txtProcedure->text().trimmed() + QStringLiteral(" ") + QStringLiteral("Surgeon:") + cboSurgeon->currentText()
           + QStringLiteral(" ") + QStringLiteral("Anesthesiologist :") + cboAnesthesiologist->currentText();
}

bool ScheduleRequestPanel::hasUnsavedChanges() const
{
    return !txtProcedure->text().trimmed().isEmpty();
}

bool ScheduleRequestPanel::cmdSaveSchedule_Click()
{
    bool cleared = false;
    QDateTime serverTime;
    if (!shell::SaveTransaction::Load([&](db::Connection& conn) {
            cleared = routines::IsClearedDepartment(patient_.idNum, QStringLiteral("OR"));
            serverTime = conn.open(QStringLiteral("SCHEDULE..sp_Get_TransactionDate")).field(QStringLiteral("Tdate")).toDateTime();
        }))
        return false;
    if (cleared) {
        shell::Notify(QStringLiteral("Patient is already cleared. OR schedule may not proceed."));
        return false;
    }
    const QString surgeon = cboSurgeon->currentData().toString();
    if (txtProcedure->text().trimmed().isEmpty() || surgeon.isEmpty()) {
        shell::Notify(QStringLiteral("Can't save incomplete data. Please enter procedure and assigned surgeon."));
        return false;
    }
    // An operation asked for a time already past on the server's clock cannot be given.
    const QDateTime start(dtpORDate->date(), dtpORTime->time());
    if (!start.isValid() || (serverTime.isValid() && start < serverTime)) {
        shell::Notify(QStringLiteral("Invalid Time of Operation."));
        return false;
    }
    const QStringList args{patient_.idNum,
                           start.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")),
                           QString::number(txtLength->value()),
                           QString(),
                           txtProcedure->text().trimmed(),
                           surgeon,
                           cboAnesthesiologist->currentData().toString(),
                           QString(),
                           QString(),
                           QString(),
                           RequestText(),
                           app::CurrentUser ? app::CurrentUser->EmployeeCode : QString(),
                           app::ORStationID};
    QStringList quoted;
    for (const QString& a : args)
        quoted << db::Quote(a);
    if (!shell::SaveTransaction::Run([&](db::Connection& conn) {
            conn.execute(QStringLiteral("SCHEDULE..sp_Save_RequestORSchedule ") + quoted.join(QLatin1Char(',')));
        }))
        return false;
    shell::Notify(QStringLiteral("Schedule Data Successfully Saved."));
    clearEntry();
    emit patientDataChanged();
    return true;
}

void RegisterScheduleRequestPanel()
{
    RegisterChartPanel(QStringLiteral("orschedule"), 80,
                       [](QWidget* parent) -> ChartPanel* { return new ScheduleRequestPanel(parent); });
}

} // namespace chart
