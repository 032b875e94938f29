#include "scheduling/frmCommunicationSchedule.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "scheduling/ScheduleAlerts.h"
#include "scheduling/ScheduleChanges.h"
#include "scheduling/ScheduleGrid.h"
#include "scheduling/frmScheduleRequestStatus.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace scheduling {

namespace {

void Tell(const QString& text)
{
    shell::Notify(text, shell::PromptIcon::Information);
}

QLabel* Value(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

frmCommunicationSchedule::frmCommunicationSchedule(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCommunicationSchedule"));
    setWindowTitle(QStringLiteral("Operation Schedule Requests"));
    setAttribute(Qt::WA_DeleteOnClose);
    using namespace shell::StationLook;

    mshflexPending = NewScheduleGrid(
        this, QStringLiteral("mshflexPending"),
        {QString(), QStringLiteral("Patient Name"), QStringLiteral("Procedure"), QStringLiteral("Surgeon"),
         QStringLiteral("Anesthesiologist"), QStringLiteral("Requested Schedule"), QStringLiteral("ADM #"), QStringLiteral("Station"),
         QStringLiteral("Remarks"), QString(), QString(), QString(), QString(), QStringLiteral("Assistant 1"), QString(),
         QStringLiteral("Assistant 2"), QString(), QStringLiteral("Assistant 3"), QString(), QStringLiteral("Requested By"),
         QStringLiteral("Request Date")},
        {1, 2500, 2500, 2500, 2500, 1800, 1000, 1000, 3000, 0, 0, 0, 0, 2500, 0, 2500, 0, 2500, 0, 2500, 1800});

    const QString captions[3] = {QStringLiteral("&Confirm"), QStringLiteral("&Revoke"), QStringLiteral("C&lose")};
    for (int i = 0; i < 3; ++i) {
        cmdPending[i] = new QPushButton(captions[i], this);
        cmdPending[i]->setObjectName(QStringLiteral("cmdPending_%1").arg(i));
        connect(cmdPending[i], &QPushButton::clicked, this, [this, i] { cmdPending_Click(i); });
    }

    cmdConfirmed = new QPushButton(QStringLiteral("Confirmed &Schedules..."), this);
    cmdConfirmed->setObjectName(QStringLiteral("cmdConfirmed"));
    connect(cmdConfirmed, &QPushButton::clicked, this, [] {
        shell::ChildWindows* windows = shell::ChildWindows::main();
        if (windows && !windows->bringToFront(QStringLiteral("frmScheduleRequestStatus")))
            windows->open(new frmScheduleRequestStatus, shell::ChildWindows::Instances::One);
    });

    // The confirm panel: where and when the requested operation goes.
    pictConfirm = new QGroupBox(QStringLiteral("Confirm operation schedule"), this);
    pictConfirm->setObjectName(QStringLiteral("pictConfirm"));
    for (int i = 0; i < 8; ++i)
        lblRequest[i] = Value(QStringLiteral("lblRequest_%1").arg(i), pictConfirm);
    lblTimeTBD = Value(QStringLiteral("lblTimeTBD"), pictConfirm);
    lblTimeTBD->setStyleSheet(QStringLiteral("color: #B03A2E; font-weight: bold;"));
    dtpScheduleDate = shell::NewDateField(pictConfirm, QStringLiteral("dtpScheduleDate"));
    for (int i = 0; i < 2; ++i)
        dtpTime[i] = shell::NewTimeField(pictConfirm, QStringLiteral("dtpTime_%1").arg(i));
    cboRequestRoom = new QComboBox(pictConfirm);
    cboRequestRoom->setObjectName(QStringLiteral("cboRequestRoom"));
    cboRequestRoom->setMinimumWidth(160);
    txtProcedureCode = new QLineEdit(pictConfirm);
    txtProcedureCode->setObjectName(QStringLiteral("txtProcedureCode"));
    txtProcedureCode->setReadOnly(true);
    txtSurgeonID = new QLineEdit(pictConfirm);
    txtSurgeonID->setObjectName(QStringLiteral("txtSurgeonID"));
    txtSurgeonID->setReadOnly(true);
    txtAnesthesiologistID = new QLineEdit(pictConfirm);
    txtAnesthesiologistID->setObjectName(QStringLiteral("txtAnesthesiologistID"));
    txtAnesthesiologistID->setReadOnly(true);
    cmdAnesthesiologist = new QPushButton(QStringLiteral("..."), pictConfirm);
    cmdAnesthesiologist->setObjectName(QStringLiteral("cmdAnesthesiologist"));
    cmdAnesthesiologist->setToolTip(QStringLiteral("Look up the anesthesiologist"));
    for (QLineEdit* box : {txtProcedureCode, txtSurgeonID, txtAnesthesiologistID})
        box->setMaximumWidth(90);
    const QString options[2] = {QStringLiteral("Con&firm Schedule"), QStringLiteral("Cl&ose")};
    for (int i = 0; i < 2; ++i) {
        cmdRequestOption[i] = new QPushButton(options[i], pictConfirm);
        cmdRequestOption[i]->setObjectName(QStringLiteral("cmdRequestOption_%1").arg(i));
        connect(cmdRequestOption[i], &QPushButton::clicked, this, [this, i] { cmdRequestOption_Click(i); });
    }

    auto* panel = new QGridLayout(pictConfirm);
    panel->setHorizontalSpacing(Small);
    panel->setVerticalSpacing(Small);
    auto label = [this](const QString& text) { return new QLabel(text, pictConfirm); };
    panel->addWidget(label(QStringLiteral("Requested date:")), 0, 0);
    panel->addWidget(lblRequest[0], 0, 1);
    panel->addWidget(lblTimeTBD, 0, 2, 1, 2);
    panel->addWidget(label(QStringLiteral("Schedule date:")), 1, 0);
    panel->addWidget(dtpScheduleDate, 1, 1);
    panel->addWidget(label(QStringLiteral("Start:")), 1, 2);
    panel->addWidget(dtpTime[0], 1, 3);
    panel->addWidget(label(QStringLiteral("End:")), 1, 4);
    panel->addWidget(dtpTime[1], 1, 5, Qt::AlignLeft);
    // The end shares its column with the anaesthesiologist's look-up below;
    // it keeps the start's width rather than stretching to that row's.
    dtpTime[1]->setMaximumWidth(dtpTime[0]->sizeHint().width());
    panel->addWidget(label(QStringLiteral("Minutes:")), 1, 6);
    panel->addWidget(lblRequest[1], 1, 7);
    panel->addWidget(label(QStringLiteral("OR Room:")), 2, 0);
    panel->addWidget(cboRequestRoom, 2, 1);
    panel->addWidget(label(QStringLiteral("Procedure:")), 3, 0);
    panel->addWidget(txtProcedureCode, 3, 1);
    panel->addWidget(lblRequest[2], 3, 2, 1, 6);
    panel->addWidget(label(QStringLiteral("Surgeon:")), 4, 0);
    panel->addWidget(txtSurgeonID, 4, 1);
    panel->addWidget(lblRequest[3], 4, 2, 1, 2);
    panel->addWidget(label(QStringLiteral("Anesthesiologist:")), 4, 4);
    auto* anesthesiologist = new QHBoxLayout;
    anesthesiologist->addWidget(txtAnesthesiologistID);
    anesthesiologist->addWidget(cmdAnesthesiologist);
    panel->addLayout(anesthesiologist, 4, 5);
    panel->addWidget(lblRequest[4], 4, 6, 1, 2);
    panel->addWidget(label(QStringLiteral("Assistants:")), 5, 0);
    panel->addWidget(lblRequest[5], 5, 1, 1, 2);
    panel->addWidget(lblRequest[6], 5, 3, 1, 2);
    panel->addWidget(lblRequest[7], 5, 5, 1, 3);
    panel->addLayout(ButtonRow({cmdRequestOption[0], cmdRequestOption[1]}, false), 6, 0, 1, 8);
    panel->setColumnStretch(7, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Large, Medium, Large, Medium);
    root->setSpacing(Medium);
    root->addWidget(new QLabel(QStringLiteral("Operation schedules requested by the stations"), this));
    root->addWidget(mshflexPending, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdConfirmed);
    actions->addLayout(ButtonRow({cmdPending[0], cmdPending[1], cmdPending[2]}, false), 1);
    root->addLayout(actions);
    root->addWidget(pictConfirm);
    resize(1200, 640);

    connect(dtpTime[0], &QTimeEdit::timeChanged, this, &frmCommunicationSchedule::startChanged);
    connect(dtpTime[1], &QTimeEdit::timeChanged, this, &frmCommunicationSchedule::showLength);
    connect(cmdAnesthesiologist, &QPushButton::clicked, this, &frmCommunicationSchedule::cmdAnesthesiologist_Click);

    ScheduleSettings::Load(settings_);
    dtpScheduleDate->setEnabled(settings_.allowEditScheduleDateTime);
    showPanel(false);
    LoadPending();
}

void frmCommunicationSchedule::LoadPending()
{
    shell::SaveTransaction::Load([&](db::Connection& c) {
        FillScheduleGrid(mshflexPending, c.open(QStringLiteral("SCHEDULE..sp_GetORSchedule_Request")));
    });
}

void frmCommunicationSchedule::showPanel(bool shown)
{
    pictConfirm->setVisible(shown);
    mshflexPending->setEnabled(!shown);
    for (QPushButton* button : cmdPending)
        button->setEnabled(!shown);
    cmdConfirmed->setEnabled(!shown);
}

void frmCommunicationSchedule::cmdPending_Click(int index)
{
    if (index == 2) {
        close();
        return;
    }
    const int row = mshflexPending->currentRow();
    if (row < 0 || CellText(mshflexPending, row, ColKey).isEmpty())
        return;
    if (index == 0) {
        fillPanel(row);
        showPanel(true);
        return;
    }
    if (!ScheduleChanges::RevokeRequest(CellText(mshflexPending, row, ColKey), CellText(mshflexPending, row, ColIdNum),
                                        CellText(mshflexPending, row, ColStation)))
        return;
    Tell(QStringLiteral("Schedule was successfully revoked."));
    LoadPending();
    ScheduleAlerts::RequestsHandled();
}

void frmCommunicationSchedule::fillPanel(int row)
{
    row_ = row;
    const QDateTime requested =
        QDateTime::fromString(CellText(mshflexPending, row, ColRequested), QStringLiteral("MM/dd/yyyy hh:mm AP"));
    requestedDay_ = requested.isValid() ? requested.date() : QDate::currentDate();
    timeTag_ = CellText(mshflexPending, row, ColTimeTag);
    lblRequest[0]->setText(requestedDay_.toString(QStringLiteral("MM/dd/yyyy")));
    lblTimeTBD->setText(timeTag_);
    dtpScheduleDate->setDate(requestedDay_);
    // A request whose time the station left to be decided starts at midnight
    // until the operating room sets it.
    dtpTime[0]->setTime(timeTag_.isEmpty() && requested.isValid() ? requested.time() : QTime(0, 0));
    startChanged();
    txtProcedureCode->setText(CellText(mshflexPending, row, ColProcedureCode));
    lblRequest[2]->setText(CellText(mshflexPending, row, 2));
    txtSurgeonID->setText(CellText(mshflexPending, row, ColSurgeonID));
    lblRequest[3]->setText(CellText(mshflexPending, row, 3));
    txtAnesthesiologistID->setText(CellText(mshflexPending, row, ColAnesthesiologistID));
    lblRequest[4]->setText(CellText(mshflexPending, row, 4));
    lblRequest[5]->setText(CellText(mshflexPending, row, ColAssistant1));
    lblRequest[6]->setText(CellText(mshflexPending, row, ColAssistant2));
    lblRequest[7]->setText(CellText(mshflexPending, row, ColAssistant3));

    QStringList rooms{QString()};
    QString requestedRoom;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        for (db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext()) {
            rooms << rs.text(QStringLiteral("Room Name")).trimmed();
            if (rs.text(QStringLiteral("Room ID")).trimmed() == CellText(mshflexPending, row, ColRoomID))
                requestedRoom = rooms.last();
        }
    });
    cboRequestRoom->clear();
    cboRequestRoom->addItems(rooms);
    cboRequestRoom->setCurrentText(requestedRoom);
}

void frmCommunicationSchedule::startChanged()
{
    dtpTime[1]->setTime(dtpTime[0]->time().addSecs(settings_.defaultHours() * 3600));
    showLength();
}

void frmCommunicationSchedule::showLength()
{
    lblRequest[1]->setText(QString::number(dtpTime[0]->time().secsTo(dtpTime[1]->time()) / 60));
}

QDateTime frmCommunicationSchedule::chosen(int which) const
{
    // Without the setting the operation keeps the day the station asked for,
    // whatever the date box shows.
    const QDate day = settings_.allowEditScheduleDateTime ? dtpScheduleDate->date() : requestedDay_;
    const QTime time = dtpTime[which]->time();
    return QDateTime(day, QTime(time.hour(), time.minute()));
}

void frmCommunicationSchedule::cmdAnesthesiologist_Click()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        return;
    bool picked = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { picked = search->SearchListing(QString(), 1); }) || !picked)
        return;
    txtAnesthesiologistID->setText(search->DoctorRecord.ResultCode.trimmed());
    lblRequest[4]->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search->DoctorRecord.FirstName.trimmed());
}

void frmCommunicationSchedule::cmdRequestOption_Click(int index)
{
    if (index == 1) {
        showPanel(false);
        return;
    }
    if (row_ < 0)
        return;
    if (!timeTag_.isEmpty() && dtpTime[0]->time() == QTime(0, 0)
        && !shell::Confirm(QStringLiteral("The requesting station tagged the operation schedule as ") + timeTag_ + QStringLiteral(". ")
                           + QStringLiteral("Please double-check the starting and ending time. ")
                           + QStringLiteral("If correct, click Yes. To set the correct time, click No.")))
        return;
    const QDateTime start = chosen(0);
    const QDateTime end = chosen(1);
    if (start.secsTo(end) < 60) {
        Tell(QStringLiteral("Please provide a valid ending time."));
        return;
    }
    const QString roomName = cboRequestRoom->currentText().trimmed();
    if (roomName.isEmpty()) {
        Tell(QStringLiteral("Please select OR Room for the schedule."));
        return;
    }
    QString roomId;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_Get_ORRoom ") + db::Quote(roomName));
            if (!rs.eof())
                roomId = rs.text(QStringLiteral("RoomID")).trimmed();
        }))
        return;
    if (roomId.isEmpty()) {
        Tell(QStringLiteral("Invalid OR Room. Please check build file of rooms."));
        return;
    }

    RequestConfirmation r;
    r.transNum = CellText(mshflexPending, row_, ColKey);
    r.idNum = CellText(mshflexPending, row_, ColIdNum);
    r.roomName = roomName;
    r.slot = {roomId, start, end};
    r.team.surgeon = txtSurgeonID->text();
    r.team.anesthesiologist = txtAnesthesiologistID->text();
    r.team.assistant1 = lblRequest[5]->text();
    r.team.assistant2 = lblRequest[6]->text();
    r.team.assistant3 = lblRequest[7]->text();
    r.description = lblRequest[2]->text();
    r.linkedToScheduling = settings_.linkToScheduling;
    const auto anesthesiologistGiven = [this] {
        if (settings_.requireAnesthesiologist && txtAnesthesiologistID->text().trimmed().isEmpty()) {
            Tell(QStringLiteral("Please provide Anesthesiologist."));
            return false;
        }
        return true;
    };
    if (!ScheduleChanges::ConfirmRequest(r, anesthesiologistGiven))
        return;
    shell::Notify(QStringLiteral("Schedule confirmed."), shell::PromptIcon::Exclamation);
    showPanel(false);
    row_ = -1;
    LoadPending();
    ScheduleAlerts::RequestsHandled();
}

} // namespace scheduling
