#include "scheduling/frmSchedule.h"

#include "scheduling/AdmissionPanel.h"
#include "scheduling/frmScheduleLayout.h"
#include "scheduling/frmStaff.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <tuple>

// The panels of the schedule book, laid out and wired to their handlers; what
// the handlers do is in frmSchedule.cpp.

namespace scheduling {

namespace {

constexpr int kPanelWidth = 390;

QLabel* ValueLabel(QWidget* parent, const char* name)
{
    auto* label = Named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(120);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

QFrame* Panel(QWidget* parent, const char* name, const QString& title)
{
    auto* frame = Named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Small, shell::StationLook::Small,
                               shell::StationLook::Small);
    auto* caption = new QLabel(QStringLiteral("<b>") + title + QStringLiteral("</b>"), frame);
    layout->addWidget(caption);
    frame->hide();
    return frame;
}

// A code box, its look-up button and the label that shows what the code is.
QHBoxLayout* CodeRow(QWidget* parent, QLineEdit* box, QPushButton* button, QLabel* label)
{
    Q_UNUSED(parent);
    auto* row = new QHBoxLayout;
    row->setSpacing(shell::StationLook::Tight);
    box->setFixedWidth(70);
    button->setFixedWidth(28);
    row->addWidget(box);
    row->addWidget(button);
    row->addWidget(label, 1);
    return row;
}


} // namespace

QFrame* frmSchedule::buildRequestPanel()
{
    QFrame* panel = Panel(this, "pictSched", QStringLiteral("Schedule an Operation"));
    auto* form = new QFormLayout;
    requestForm_ = form;
    form->setVerticalSpacing(shell::StationLook::Tight);
    lblPatient = ValueLabel(panel, "lblPatient");
    form->addRow(QStringLiteral("Patient:"), lblPatient);
    dtpScheduleDate = shell::NewDateField(panel, QStringLiteral("dtpScheduleDate"), QDate::currentDate());
    form->addRow(QStringLiteral("Date:"), dtpScheduleDate);
    auto* times = new QHBoxLayout;
    dtpTime_0 = shell::NewTimeField(panel, QStringLiteral("dtpTime_0"), QTime(8, 0));
    dtpTime_1 = shell::NewTimeField(panel, QStringLiteral("dtpTime_1"), QTime(9, 0));
    lblRequest_1 = Named(new QLabel(QStringLiteral("60"), panel), "lblRequest_1");
    times->addWidget(dtpTime_0);
    times->addWidget(new QLabel(QStringLiteral("to"), panel));
    times->addWidget(dtpTime_1);
    times->addWidget(lblRequest_1);
    times->addWidget(new QLabel(QStringLiteral("min"), panel));
    form->addRow(QStringLiteral("Time:"), times);
    cboRequestRoom = Named(new QComboBox(panel), "cboRequestRoom");
    form->addRow(QStringLiteral("OR Room:"), cboRequestRoom);
    txtProcedureCode = Named(new QLineEdit(panel), "txtProcedureCode");
    cmdProcedure = Named(new QPushButton(QStringLiteral("..."), panel), "cmdProcedure");
    lblRequest_2 = ValueLabel(panel, "lblRequest_2");
    form->addRow(QStringLiteral("Procedure:"), CodeRow(panel, txtProcedureCode, cmdProcedure, lblRequest_2));
    struct DoctorRow {
        QLineEdit** box;
        QLabel** label;
        const char* boxName;
        const char* labelName;
        const char* buttonName;
        const char* caption;
    };
    const DoctorRow doctors[] = {
        {&txtSurgeonID, &lblRequest_3, "txtSurgeonID", "lblRequest_3", "cmdSurgeon", "Surgeon:"},
        {&txtAnesthesiologistID, &lblRequest_4, "txtAnesthesiologistID", "lblRequest_4", "cmdAnesthesiologist", "Anesthesiologist:"},
        {&txtSurgeonID1, &lblRequest_5, "txtSurgeonID1", "lblRequest_5", "cmdSurgeon1", "Asst. Surgeon:"},
        {&txtSurgeonID2, &lblRequest_6, "txtSurgeonID2", "lblRequest_6", "cmdSurgeon2", "Asst. Surgeon:"},
        {&txtSurgeonID3, &lblRequest_7, "txtSurgeonID3", "lblRequest_7", "cmdSurgeon3", "Asst. Surgeon:"}};
    for (const DoctorRow& d : doctors) {
        *d.box = Named(new QLineEdit(panel), d.boxName);
        *d.label = ValueLabel(panel, d.labelName);
        auto* button = Named(new QPushButton(QStringLiteral("..."), panel), d.buttonName);
        form->addRow(QLatin1String(d.caption), CodeRow(panel, *d.box, button, *d.label));
        QLineEdit* box = *d.box;
        QLabel* label = *d.label;
        connect(button, &QPushButton::clicked, this, [this, box, label] { lookUpDoctor(box, label); });
    }
    Command2 = Named(new QPushButton(QStringLiteral("..."), panel), "Command2");
    Command3 = Named(new QPushButton(QStringLiteral("..."), panel), "Command3");
    lblNurse_0 = ValueLabel(panel, "lblNurse_0");
    lblNurse_1 = ValueLabel(panel, "lblNurse_1");
    for (const auto& [button, label, caption] : {std::tuple{Command2, lblNurse_0, "Scrub Nurse:"}, std::tuple{Command3, lblNurse_1, "Circ. Nurse:"}}) {
        auto* row = new QHBoxLayout;
        button->setFixedWidth(28);
        row->addWidget(button);
        row->addWidget(label, 1);
        form->addRow(QLatin1String(caption), row);
    }
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(form);
    cmdRequestOption_0 = Named(new QPushButton(QStringLiteral("C&onfirm"), panel), "cmdRequestOption_0");
    cmdRequestOption_1 = Named(new QPushButton(QStringLiteral("Clo&se"), panel), "cmdRequestOption_1");
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(shell::StationLook::ButtonRow({cmdRequestOption_0, cmdRequestOption_1}));

    connect(dtpTime_0, &QTimeEdit::timeChanged, this, [this](const QTime& start) {
        dtpTime_1->setTime(OperationBooking::DefaultEnd(start));
        updateLengths();
    });
    connect(dtpTime_1, &QTimeEdit::timeChanged, this, [this] { updateLengths(); });
    connect(dtpScheduleDate, &QDateEdit::dateChanged, this, &frmSchedule::dtpScheduleDate_Change);
    connect(cmdProcedure, &QPushButton::clicked, this, [this] { lookUpProcedure(txtProcedureCode, lblRequest_2); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        QString id, name;
        if (frmStaff::Pick(id, name, this)) {
            scrubNurse_ = id;
            lblNurse_0->setText(name);
        }
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        QString id, name;
        if (frmStaff::Pick(id, name, this)) {
            circulatingNurse_ = id;
            lblNurse_1->setText(name);
        }
    });
    connect(cmdRequestOption_0, &QPushButton::clicked, this, &frmSchedule::cmdRequestOption_0_Click);
    connect(cmdRequestOption_1, &QPushButton::clicked, this, [this] { showPanel(nullptr); });
    return panel;
}

AdmissionPanel* frmSchedule::buildAdmissionPanel()
{
    auto* panel = new AdmissionPanel(this, QStringLiteral("Patient to be Admitted"), OperationBooking::ScheduleBookTimeMessage());
    connect(panel, &AdmissionPanel::lookedUp, this, [this] { tracker_->markModified(); });
    connect(panel, &AdmissionPanel::saveRequested, this, &frmSchedule::cmdAdmittedOption_0_Click);
    connect(panel, &AdmissionPanel::closeRequested, this, [this] { showPanel(nullptr); });
    return panel;
}

QFrame* frmSchedule::buildParameterPanel()
{
    QFrame* panel = Panel(this, "pictParameter", QStringLiteral("Schedule Parameters"));
    auto* form = new QFormLayout;
    dtpDayStart = shell::NewTimeField(panel, QStringLiteral("dtpDayStart"), QTime(7, 0));
    form->addRow(QStringLiteral("Day starts at:"), dtpDayStart);
    cboDaylength_0 = Named(new QComboBox(panel), "cboDaylength_0");
    for (int hours = 1; hours <= 24; ++hours)
        cboDaylength_0->addItem(QString::number(hours) + (hours == 1 ? QStringLiteral(" hour") : QStringLiteral(" hours")));
    form->addRow(QStringLiteral("Day length:"), cboDaylength_0);
    cboDaylength_1 = Named(new QComboBox(panel), "cboDaylength_1");
    for (int minutes : {5, 10, 15, 20, 30, 60})
        cboDaylength_1->addItem(QStringLiteral("%1").arg(minutes, 2, 10, QLatin1Char('0')));
    form->addRow(QStringLiteral("Minutes per slot:"), cboDaylength_1);
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(form);
    cmdParameter_0 = Named(new QPushButton(QStringLiteral("&Save"), panel), "cmdParameter_0");
    cmdParameter_1 = Named(new QPushButton(QStringLiteral("Clo&se"), panel), "cmdParameter_1");
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(shell::StationLook::ButtonRow({cmdParameter_0, cmdParameter_1}));
    connect(cmdParameter_0, &QPushButton::clicked, this, &frmSchedule::cmdParameter_0_Click);
    connect(cmdParameter_1, &QPushButton::clicked, this, [this] { showPanel(nullptr); });
    return panel;
}

QFrame* frmSchedule::buildRoomPanel()
{
    QFrame* panel = Panel(this, "pictRooms", QStringLiteral("Operating Rooms"));
    auto* layout = static_cast<QVBoxLayout*>(panel->layout());
    mshflexORRoom = Named(new QTableWidget(0, 3, panel), "mshflexORRoom");
    mshflexORRoom->setHorizontalHeaderLabels({QString(), QStringLiteral("Room Name"), QStringLiteral("Room ID")});
    mshflexORRoom->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshflexORRoom->setSelectionMode(QAbstractItemView::SingleSelection);
    mshflexORRoom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexORRoom->verticalHeader()->hide();
    mshflexORRoom->setColumnWidth(0, 24);
    mshflexORRoom->setColumnWidth(1, 220);
    mshflexORRoom->horizontalHeader()->setStretchLastSection(true);
    mshflexORRoom->setMinimumHeight(200);
    layout->addWidget(mshflexORRoom);
    pictAddRoom = Named(new QFrame(panel), "pictAddRoom");
    auto* add = new QHBoxLayout(pictAddRoom);
    add->setContentsMargins(0, 0, 0, 0);
    txtAddRoom = Named(new QLineEdit(pictAddRoom), "txtAddRoom");
    cmdAddRoom = Named(new QPushButton(QStringLiteral("&Add Room"), pictAddRoom), "cmdAddRoom");
    add->addWidget(new QLabel(QStringLiteral("New room:"), pictAddRoom));
    add->addWidget(txtAddRoom, 1);
    add->addWidget(cmdAddRoom);
    layout->addWidget(pictAddRoom);
    pictEditRoom = Named(new QFrame(panel), "pictEditRoom");
    auto* edit = new QHBoxLayout(pictEditRoom);
    edit->setContentsMargins(0, 0, 0, 0);
    txtRoomName = Named(new QLineEdit(pictEditRoom), "txtRoomName");
    cmdEditRoom = Named(new QPushButton(QStringLiteral("&Rename"), pictEditRoom), "cmdEditRoom");
    edit->addWidget(new QLabel(QStringLiteral("Name:"), pictEditRoom));
    edit->addWidget(txtRoomName, 1);
    edit->addWidget(cmdEditRoom);
    pictEditRoom->setEnabled(false);
    layout->addWidget(pictEditRoom);
    cmdRoomsClose = Named(new QPushButton(QStringLiteral("Clo&se"), panel), "cmdRoomsClose");
    layout->addLayout(shell::StationLook::ButtonRow({cmdRoomsClose}, false));
    connect(mshflexORRoom, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = mshflexORRoom->currentRow();
        pictEditRoom->setEnabled(row >= 0);
        txtRoomName->setText(row >= 0 ? mshflexORRoom->item(row, 1)->text() : QString());
    });
    connect(cmdAddRoom, &QPushButton::clicked, this, &frmSchedule::cmdAddRoom_Click);
    connect(cmdEditRoom, &QPushButton::clicked, this, &frmSchedule::cmdEditRoom_Click);
    connect(cmdRoomsClose, &QPushButton::clicked, this, [this] { showPanel(nullptr); });
    return panel;
}

QFrame* frmSchedule::buildDetailPanel()
{
    QFrame* panel = Panel(this, "pictSchedule", QStringLiteral("Scheduled Operation"));
    lblDetail = Named(new QLabel(panel), "lblDetail");
    lblDetail->setWordWrap(true);
    lblDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QVBoxLayout*>(panel->layout())->addWidget(lblDetail);
    cmdSlip = Named(new QPushButton(QStringLiteral("Print &Slip"), panel), "cmdSlip");
    cmdDetailClose = Named(new QPushButton(QStringLiteral("Clo&se"), panel), "cmdDetailClose");
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(shell::StationLook::ButtonRow({cmdSlip, cmdDetailClose}, false));
    connect(cmdSlip, &QPushButton::clicked, this, &frmSchedule::cmdSlip_Click);
    connect(cmdDetailClose, &QPushButton::clicked, this, [this] { showPanel(nullptr); });
    return panel;
}

} // namespace scheduling
