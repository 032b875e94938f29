#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace scheduling {

// The list of operating rooms: add a room, rename it or take it out of use,
// and say which operations each room is set up for. Every change goes
// through RoomMaintenance (signature, statement and log in one save).
class frmBuildORRooms : public QWidget {
    Q_OBJECT
public:
    explicit frmBuildORRooms(QWidget* parent = nullptr);

    void Form_Load();
    void LoadRooms();
    void LoadProcedures();

    void cmdAdd_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void cmdSearch_Click();
    void cmdSaveProc_Click();
    void cmdRemove_Click();
    void cmdPrint_Click();
    void mshORRooms_Click();

    QTableWidget* mshORRooms;
    QLineEdit* txtRoomID;
    QLineEdit* txtRoomName;
    QCheckBox* chkActive;
    QPushButton* cmdAdd;
    QGroupBox* Frame1;
    QLineEdit* txtIDedit;
    QLineEdit* txtNameEdit;
    QCheckBox* chkActiveEdit;
    QPushButton* cmdSave;
    QPushButton* cmdDelete;
    QPushButton* cmdCancel;
    QLineEdit* txtCode;
    QLineEdit* txtProcedure;
    QPushButton* cmdSearch;
    QComboBox* cboRoom;
    QPushButton* cmdSaveProc;
    QPushButton* cmdRemove;
    QComboBox* cboRoomSearch;
    QTableWidget* mshProcedures;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

private:
    void clearEdit();
    void fillRoomLists();
};

} // namespace scheduling
