#include "scheduling/frmBuildORRooms.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "scheduling/RoomMaintenance.h"
#include "scheduling/ScheduleGrid.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace scheduling {

namespace {

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* Box(const char* name, QWidget* parent, bool readOnly = false)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(readOnly);
    return box;
}

} // namespace

frmBuildORRooms::frmBuildORRooms(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmBuildORRooms"));
    setWindowTitle(QStringLiteral("Build OR Rooms"));
    setAttribute(Qt::WA_DeleteOnClose);
    using namespace shell::StationLook;

    mshORRooms = NewScheduleGrid(this, QStringLiteral("mshORRooms"),
                                 {QStringLiteral("Room ID"), QStringLiteral("Room Name"), QStringLiteral("Status")}, {1000, 2500, 1000});
    connect(mshORRooms, &QTableWidget::cellClicked, this, [this] { mshORRooms_Click(); });

    // A new room: its number is given, the name typed.
    auto* added = new QGroupBox(QStringLiteral("New room"), this);
    txtRoomID = Box("txtRoomID", added, true);
    txtRoomID->setMaximumWidth(60);
    txtRoomName = Box("txtRoomName", added);
    shell::LimitToColumn(txtRoomName, QStringLiteral("SCHEDULE..tbORRoom"), QStringLiteral("RoomName"));
    chkActive = new QCheckBox(QStringLiteral("Active"), added);
    chkActive->setObjectName(QStringLiteral("chkActive"));
    cmdAdd = Button(QStringLiteral("&Add"), "cmdAdd", added);
    auto* addForm = new QGridLayout(added);
    addForm->setHorizontalSpacing(Small);
    addForm->addWidget(new QLabel(QStringLiteral("Room ID:"), added), 0, 0);
    addForm->addWidget(txtRoomID, 0, 1);
    addForm->addWidget(new QLabel(QStringLiteral("Room Name:"), added), 0, 2);
    addForm->addWidget(txtRoomName, 0, 3);
    addForm->addWidget(chkActive, 0, 4);
    addForm->addWidget(cmdAdd, 0, 5);
    addForm->setColumnStretch(3, 1);

    // The room picked in the list.
    Frame1 = new QGroupBox(QStringLiteral("Edit room"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtIDedit = Box("txtIDedit", Frame1, true);
    txtIDedit->setMaximumWidth(60);
    txtNameEdit = Box("txtNameEdit", Frame1);
    shell::LimitToColumn(txtNameEdit, QStringLiteral("SCHEDULE..tbORRoom"), QStringLiteral("RoomName"));
    chkActiveEdit = new QCheckBox(QStringLiteral("Active"), Frame1);
    chkActiveEdit->setObjectName(QStringLiteral("chkActiveEdit"));
    cmdSave = Button(QStringLiteral("&Save"), "cmdSave", Frame1);
    cmdDelete = Button(QStringLiteral("&Delete"), "cmdDelete", Frame1);
    cmdCancel = Button(QStringLiteral("C&ancel"), "cmdCancel", Frame1);
    auto* editForm = new QGridLayout(Frame1);
    editForm->setHorizontalSpacing(Small);
    editForm->addWidget(new QLabel(QStringLiteral("Room ID:"), Frame1), 0, 0);
    editForm->addWidget(txtIDedit, 0, 1);
    editForm->addWidget(new QLabel(QStringLiteral("Room Name:"), Frame1), 0, 2);
    editForm->addWidget(txtNameEdit, 0, 3);
    editForm->addWidget(chkActiveEdit, 0, 4);
    editForm->setColumnStretch(3, 1);
    editForm->addLayout(ButtonRow({cmdSave, cmdDelete, cmdCancel}, false), 1, 0, 1, 5);

    // Which operations a room is set up for.
    auto* procedures = new QGroupBox(QStringLiteral("Procedures per room"), this);
    txtCode = Box("txtCode", procedures, true);
    txtCode->setMaximumWidth(90);
    txtProcedure = Box("txtProcedure", procedures, true);
    cmdSearch = Button(QStringLiteral("..."), "cmdSearch", procedures);
    cmdSearch->setToolTip(QStringLiteral("Look up an operating-room procedure"));
    cboRoom = new QComboBox(procedures);
    cboRoom->setObjectName(QStringLiteral("cboRoom"));
    cboRoom->setMinimumWidth(160);
    cmdSaveProc = Button(QStringLiteral("Assi&gn"), "cmdSaveProc", procedures);
    cmdRemove = Button(QStringLiteral("&Remove"), "cmdRemove", procedures);
    cmdRemove->hide();
    cboRoomSearch = new QComboBox(procedures);
    cboRoomSearch->setObjectName(QStringLiteral("cboRoomSearch"));
    cboRoomSearch->setMinimumWidth(160);
    mshProcedures = NewScheduleGrid(procedures, QStringLiteral("mshProcedures"), {QStringLiteral("Code"), QStringLiteral("Procedure")},
                                    {1200, 4500});
    auto* procForm = new QGridLayout(procedures);
    procForm->setHorizontalSpacing(Small);
    procForm->addWidget(new QLabel(QStringLiteral("Procedure:"), procedures), 0, 0);
    procForm->addWidget(txtCode, 0, 1);
    procForm->addWidget(txtProcedure, 0, 2);
    procForm->addWidget(cmdSearch, 0, 3);
    procForm->addWidget(new QLabel(QStringLiteral("Room:"), procedures), 1, 0);
    procForm->addWidget(cboRoom, 1, 1, 1, 2);
    auto* procButtons = new QHBoxLayout;
    procButtons->addWidget(cmdSaveProc);
    procButtons->addWidget(cmdRemove);
    procButtons->addStretch(1);
    procForm->addLayout(procButtons, 2, 1, 1, 3);
    procForm->addWidget(new QLabel(QStringLiteral("Show room:"), procedures), 3, 0);
    procForm->addWidget(cboRoomSearch, 3, 1, 1, 2);
    procForm->addWidget(mshProcedures, 4, 0, 1, 4);
    procForm->setColumnStretch(2, 1);
    procForm->setRowStretch(4, 1);

    cmdPrint = Button(QStringLiteral("&Print"), "cmdPrint", this);
    cmdClose = Button(QStringLiteral("&Close"), "cmdClose", this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Operating rooms"), this));
    left->addWidget(mshORRooms, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(Medium);
    right->addWidget(added);
    right->addWidget(Frame1);
    right->addWidget(procedures, 1);
    auto* body = new QHBoxLayout;
    body->setSpacing(Large);
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Large, Medium, Large, Medium);
    root->setSpacing(Medium);
    root->addLayout(body, 1);
    root->addLayout(ButtonRow({cmdPrint, cmdClose}, false));
    resize(1000, 600);

    connect(cmdAdd, &QPushButton::clicked, this, &frmBuildORRooms::cmdAdd_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmBuildORRooms::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmBuildORRooms::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBuildORRooms::cmdCancel_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmBuildORRooms::cmdSearch_Click);
    connect(cmdSaveProc, &QPushButton::clicked, this, &frmBuildORRooms::cmdSaveProc_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmBuildORRooms::cmdRemove_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmBuildORRooms::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cboRoomSearch, &QComboBox::currentTextChanged, this, [this] { LoadProcedures(); });

    Form_Load();
}

void frmBuildORRooms::Form_Load()
{
    clearEdit();
    LoadRooms();
}

void frmBuildORRooms::LoadRooms()
{
    shell::SaveTransaction::Load([&](db::Connection& c) {
        FillScheduleGrid(mshORRooms,
                         c.open(QStringLiteral("SELECT convert(varchar(2),RoomID) as [Room ID], RoomName as [Room Name], CASE WHEN "
                                               "ISNULL(STATUS,'Y') = 'Y' THEN 'Active' ELSE 'Inactive' END AS Status FROM "
                                               "SCHEDULE..tbORRoom ORDER BY SORTORDER")));
    });
    txtRoomID->setText(RoomMaintenance::NextRoomNumber());
    fillRoomLists();
}

void frmBuildORRooms::fillRoomLists()
{
    const QString picked = cboRoom->currentText();
    const QString shown = cboRoomSearch->currentText();
    QStringList names;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        for (db::Recordset rs = c.open(QStringLiteral("SELECT RoomName as [Room Name] FROM SCHEDULE..tbORRoom WHERE ISNULL(STATUS,'Y') "
                                                      "= 'Y' ORDER BY ROOMNAME"));
             !rs.eof(); rs.moveNext())
            names << rs.text(QStringLiteral("Room Name")).trimmed();
    });
    const QSignalBlocker block(cboRoomSearch);
    for (QComboBox* box : {cboRoom, cboRoomSearch}) {
        box->clear();
        box->addItem(QString());
        box->addItems(names);
    }
    cboRoom->setCurrentText(picked);
    cboRoomSearch->setCurrentText(shown);
    LoadProcedures();
}

void frmBuildORRooms::LoadProcedures()
{
    mshProcedures->setRowCount(0);
    const QString room = cboRoomSearch->currentText().trimmed();
    if (room.isEmpty())
        return;
    const QString id = RoomMaintenance::RoomIdOf(room);
    shell::SaveTransaction::Load([&](db::Connection& c) {
        FillScheduleGrid(mshProcedures, c.open(QStringLiteral("SELECT Code AS Code, ProcedureDesc AS [Procedure] FROM "
                                                              "SCHEDULE..TBPROCEDUREROOM WHERE ROOMID = %1 ORDER BY ROOMNAME")
                                                   .arg(db::Quote(id))));
    });
}

void frmBuildORRooms::clearEdit()
{
    txtIDedit->clear();
    txtNameEdit->clear();
    chkActiveEdit->setChecked(false);
    Frame1->setEnabled(false);
}

void frmBuildORRooms::mshORRooms_Click()
{
    const int row = mshORRooms->currentRow();
    if (row < 0)
        return;
    txtIDedit->setText(CellText(mshORRooms, row, 0));
    txtNameEdit->setText(CellText(mshORRooms, row, 1));
    chkActiveEdit->setChecked(CellText(mshORRooms, row, 2) == QLatin1String("Active"));
    Frame1->setEnabled(true);
}

void frmBuildORRooms::cmdAdd_Click()
{
    if (!RoomMaintenance::AddRoom(txtRoomID->text().trimmed(), txtRoomName->text().trimmed(), chkActive->isChecked()))
        return;
    txtRoomName->clear();
    chkActive->setChecked(false);
    LoadRooms();
}

void frmBuildORRooms::cmdSave_Click()
{
    if (!RoomMaintenance::UpdateRoom(txtIDedit->text().trimmed(), txtNameEdit->text().trimmed(), chkActiveEdit->isChecked()))
        return;
    clearEdit();
    LoadRooms();
}

void frmBuildORRooms::cmdDelete_Click()
{
    if (!RoomMaintenance::DeleteRoom(txtIDedit->text().trimmed(), txtNameEdit->text().trimmed()))
        return;
    clearEdit();
    LoadRooms();
}

void frmBuildORRooms::cmdCancel_Click()
{
    clearEdit();
}

void frmBuildORRooms::cmdSearch_Click()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search) {
        shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
        return;
    }
    search->OtherSectionID = QStringLiteral("OR");
    search->SearchMode = true;
    bool picked = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { picked = search->SearchListing(QString(), 21); }) || !picked)
        return;
    txtCode->setText(search->OtherRevenueRecord.ResultCode.trimmed());
    txtProcedure->setText(search->OtherRevenueRecord.OtherRevenue.trimmed());
    QString roomName;
    if (RoomMaintenance::RoomOfCode(txtCode->text(), &roomName).isEmpty()) {
        cboRoom->setCurrentIndex(0);
        cmdRemove->hide();
    } else {
        cboRoom->setCurrentText(roomName);
        cmdRemove->show();
    }
}

void frmBuildORRooms::cmdSaveProc_Click()
{
    if (!RoomMaintenance::AssignProcedure(txtCode->text().trimmed(), txtProcedure->text().trimmed(), cboRoom->currentText().trimmed()))
        return;
    txtCode->clear();
    txtProcedure->clear();
    cboRoom->setCurrentIndex(0);
    cmdRemove->hide();
    LoadProcedures();
}

void frmBuildORRooms::cmdRemove_Click()
{
    if (!RoomMaintenance::RemoveProcedure(txtCode->text().trimmed(), cboRoom->currentText().trimmed()))
        return;
    txtCode->clear();
    txtProcedure->clear();
    cboRoom->setCurrentIndex(0);
    cmdRemove->hide();
    LoadProcedures();
}

void frmBuildORRooms::cmdPrint_Click()
{
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\ProcedureRoom.RPT"), shell::SiteParameters(), QStringLiteral("Procedures per OR Room"));
}

} // namespace scheduling
