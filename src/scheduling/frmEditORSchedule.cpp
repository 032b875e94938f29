#include "scheduling/frmEditORSchedule.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "scheduling/ScheduleChanges.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace scheduling {

namespace {

const QString kTable = QStringLiteral("SCHEDULE..tbORScheduleDetails");

QLineEdit* Box(const QString& name, const QString& column, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    shell::LimitToColumn(box, kTable, column);
    return box;
}

void Say(const QString& text, shell::PromptIcon icon = shell::PromptIcon::Information)
{
    shell::Prompts::current().message(text, QStringLiteral("Message"), icon);
}

} // namespace

frmEditORSchedule::frmEditORSchedule(QWidget* parent) : QWidget(parent), tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("frmEditORSchedule"));
    setWindowTitle(QStringLiteral("Edit OR Schedule"));
    setAttribute(Qt::WA_DeleteOnClose);
    using namespace shell::StationLook;

    lblPatient = new QLabel(this);
    lblPatient->setObjectName(QStringLiteral("lblPatient"));
    QFont strong = lblPatient->font();
    strong.setBold(true);
    lblPatient->setFont(strong);
    cboRoom = new QComboBox(this);
    cboRoom->setObjectName(QStringLiteral("cboRoom"));
    cboRoom->setMinimumWidth(180);
    dtpScheduleDate = shell::NewDateField(this, QStringLiteral("dtpScheduleDate"));
    for (int i = 0; i < 2; ++i)
        dtpTime[i] = shell::NewTimeField(this, QStringLiteral("dtpTime_%1").arg(i));
    lblLength = new QLabel(this);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    txtProcedure = Box(QStringLiteral("txtProcedure"), QStringLiteral("Description"), this);
    txtSurgeonID = Box(QStringLiteral("txtSurgeonID"), QStringLiteral("DoctorID1"), this);
    txtAnesthesiologistID = Box(QStringLiteral("txtAnesthesiologistID"), QStringLiteral("DoctorID2"), this);
    for (int i = 0; i < 3; ++i)
        txtSurgeonID_[i] = Box(QStringLiteral("txtSurgeonID%1").arg(i + 1), QStringLiteral("AsstSurgeon%1").arg(i + 1), this);
    txtSNurse = Box(QStringLiteral("txtSNurse"), QStringLiteral("SNurse1"), this);
    txtCNurse = Box(QStringLiteral("txtCNurse"), QStringLiteral("CNurse"), this);
    Command1 = new QPushButton(QStringLiteral("&Save"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(Small);
    form->setVerticalSpacing(Small);
    auto row = [&](int r, const QString& caption, QWidget* box, int column = 0) {
        form->addWidget(new QLabel(caption, this), r, column);
        form->addWidget(box, r, column + 1);
    };
    form->addWidget(new QLabel(QStringLiteral("Patient:"), this), 0, 0);
    form->addWidget(lblPatient, 0, 1, 1, 3);
    row(1, QStringLiteral("OR Room:"), cboRoom);
    row(1, QStringLiteral("Date:"), dtpScheduleDate, 2);
    row(2, QStringLiteral("Start:"), dtpTime[0]);
    row(2, QStringLiteral("End:"), dtpTime[1], 2);
    row(3, QStringLiteral("Minutes:"), lblLength);
    form->addWidget(new QLabel(QStringLiteral("Procedure:"), this), 4, 0);
    form->addWidget(txtProcedure, 4, 1, 1, 3);
    row(5, QStringLiteral("Surgeon:"), txtSurgeonID);
    row(5, QStringLiteral("Anesthesiologist:"), txtAnesthesiologistID, 2);
    for (int i = 0; i < 3; ++i)
        row(6 + i, QStringLiteral("Assistant %1:").arg(i + 1), txtSurgeonID_[i]);
    row(6, QStringLiteral("Scrub nurse:"), txtSNurse, 2);
    row(7, QStringLiteral("Circulating nurse:"), txtCNurse, 2);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Large, Medium, Large, Medium);
    root->setSpacing(Medium);
    root->addLayout(form);
    root->addStretch(1);
    root->addLayout(ButtonRow({Command1, Command2}));
    resize(640, 380);

    connect(dtpTime[0], &QTimeEdit::timeChanged, this, &frmEditORSchedule::timeChanged);
    connect(dtpTime[1], &QTimeEdit::timeChanged, this, &frmEditORSchedule::timeChanged);
    connect(Command1, &QPushButton::clicked, this, &frmEditORSchedule::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    ScheduleSettings::Load(settings_);
    dtpScheduleDate->setEnabled(settings_.allowEditScheduleDateTime);
    dtpTime[0]->setEnabled(settings_.allowEditScheduleDateTime);
    tracker_->watch(this);
}

void frmEditORSchedule::LoadData(const QString& strTrans, const QString& strPxName)
{
    transNum_ = strTrans.trimmed();
    lblPatient->setText(strPxName);
    tracker_->pause();
    loaded_ = shell::SaveTransaction::Load([&](db::Connection& c) {
        QStringList rooms{QString()};
        for (db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext())
            rooms << rs.text(QStringLiteral("Room Name")).trimmed();
        const QString key = db::Quote(transNum_);
        db::Recordset room = c.open(QStringLiteral("SELECT ROOM.ROOMNAME FROM SCHEDULE..TBORSCHEDULEDETAILS AS SCHED LEFT OUTER JOIN "
                                                   "SCHEDULE..TBORROOM AS ROOM ON ROOM.ROOMID = SCHED.ROOMID WHERE TRANSNUM =")
                                    + key);
        const QString roomName = room.eof() ? QString() : room.field(0).text().trimmed();
        // A room taken out of use still shows, so the entry reads as it stands.
        if (!roomName.isEmpty() && !rooms.contains(roomName))
            rooms << roomName;
        cboRoom->clear();
        cboRoom->addItems(rooms);
        cboRoom->setCurrentText(roomName);

        db::Recordset staff = c.open(QStringLiteral("SELECT DoctorID1, DoctorID2, AsstSurgeon1,AsstSurgeon2,AsstSurgeon3, CNurse, SNurse1, "
                                                    "IDNUM FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ")
                                     + key);
        if (!staff.eof()) {
            txtSurgeonID->setText(staff.text(QStringLiteral("DoctorID1")).trimmed());
            txtAnesthesiologistID->setText(staff.text(QStringLiteral("DoctorID2")).trimmed());
            for (int i = 0; i < 3; ++i)
                txtSurgeonID_[i]->setText(staff.text(QStringLiteral("AsstSurgeon%1").arg(i + 1)).trimmed());
            txtCNurse->setText(staff.text(QStringLiteral("CNurse")).trimmed());
            txtSNurse->setText(staff.text(QStringLiteral("SNurse1")).trimmed());
            idNum_ = staff.text(QStringLiteral("IDNUM")).trimmed();
        }
        db::Recordset end = c.open(QStringLiteral("SELECT dateadd(mi,isnull(Length,0),starttime) as EndTime, isnull(Length,0) as Length "
                                                  "FROM SCHEDULE..tbORScheduleDetails WHERE TransNum = ")
                                   + key);
        if (!end.eof()) {
            const QDateTime endTime = end.field(QStringLiteral("EndTime")).toDateTime();
            if (endTime.isValid())
                dtpTime[1]->setTime(endTime.time());
        }
    });
    tracker_->resume();
    timeChanged();
    tracker_->markSaved();
}

int frmEditORSchedule::minutes() const
{
    return static_cast<int>(dtpTime[0]->time().secsTo(dtpTime[1]->time()) / 60);
}

void frmEditORSchedule::timeChanged()
{
    // The length is the span the conflict test checks, to the minute: a
    // length rounded to whole hours would store a booking shorter or longer
    // than the room was found free for.
    lblLength->setText(QString::number(qMax(0, minutes())));
}

bool frmEditORSchedule::hasUnsavedChanges() const
{
    return loaded_ && tracker_->modified();
}

bool frmEditORSchedule::saveUnsavedChanges()
{
    return save();
}

void frmEditORSchedule::Command1_Click()
{
    if (save())
        close();
}

bool frmEditORSchedule::save()
{
    if (!loaded_)
        return false;
    const QString roomName = cboRoom->currentText().trimmed();
    if (roomName.isEmpty()) {
        Say(QStringLiteral("Please provide OR Room."));
        return false;
    }
    if (minutes() < 1) {
        Say(QStringLiteral("Invalid time."), shell::PromptIcon::Critical);
        return false;
    }
    if (settings_.requireAnesthesiologist && txtAnesthesiologistID->text().trimmed().isEmpty()) {
        Say(QStringLiteral("Please enter Anesthesiologist."));
        return false;
    }
    QString roomId;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_Get_ORRoom ") + db::Quote(roomName));
            if (!rs.eof())
                roomId = rs.text(QStringLiteral("RoomID")).trimmed();
        }))
        return false;
    if (roomId.isEmpty()) {
        shell::Notify(QStringLiteral("Invalid OR Room. Please check build file of rooms."));
        return false;
    }
    const QDate day = dtpScheduleDate->date();
    const auto at = [&](const QTime& t) { return QDateTime(day, QTime(t.hour(), t.minute())); };

    EntryEdit e;
    e.transNum = transNum_;
    e.idNum = idNum_;
    e.roomName = roomName;
    e.slot = {roomId, at(dtpTime[0]->time()), at(dtpTime[1]->time())};
    e.lengthMinutes = minutes();
    e.team.surgeon = txtSurgeonID->text();
    e.team.anesthesiologist = txtAnesthesiologistID->text();
    e.team.assistant1 = txtSurgeonID_[0]->text().trimmed();
    e.team.assistant2 = txtSurgeonID_[1]->text().trimmed();
    e.team.assistant3 = txtSurgeonID_[2]->text().trimmed();
    e.team.scrubNurse = txtSNurse->text().trimmed();
    e.team.circulatingNurse = txtCNurse->text().trimmed();
    e.description = txtProcedure->text().trimmed();
    e.moveDateTime = settings_.allowEditScheduleDateTime;
    if (!ScheduleChanges::EditEntry(e))
        return false;
    shell::Prompts::current().message(QStringLiteral("Schedule updated."), QStringLiteral("Notification"), shell::PromptIcon::Exclamation);
    tracker_->markSaved();
    emit saved();
    return true;
}

} // namespace scheduling
