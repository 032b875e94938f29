#pragma once

#include "scheduling/BookingRules.h"
#include "scheduling/ScheduleSettings.h"
#include "shell/UnsavedWork.h"

#include <QDateTime>
#include <QList>
#include <QWidget>

class QButtonGroup;
class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableWidget;
class QTimeEdit;
class QTimer;

namespace shell {
class EditTracker;
}

namespace scheduling {

class AdmissionPanel;
class BoardView;

// The schedule book: the calendar, the operating-room board of the chosen
// day (or one room's week), and the panels that open beside it: booking the
// station's patient (pictSched), booking a patient still to be admitted
// (pctAdmitted), the board's parameters (pictParameter) and the details of a
// clicked entry (pictSchedule). Bookings and moves go through
// OperationBooking; the window only gathers what was typed or dragged.
class frmSchedule : public QWidget, public shell::UnsavedWork {
    Q_OBJECT

public:
    explicit frmSchedule(QWidget* parent = nullptr);

    void SetIDNum(const QString& value) { IDNum = value; }
    void SetHospNum(const QString& value) { HospNum = value; }
    // Loads the flags, the parameters and the day; shows the request panel
    // when a patient was handed over. False when the database could not be read.
    bool Form_Load();

    // Reloads the board for the calendar's date (or the chosen room's week);
    // `notice` tells the user when the day has no confirmed operation.
    void LoadBoard(bool notice);
    // Opens a booking panel prefilled from the board: the request panel when
    // a patient was handed over, else the admission panel.
    void BookAt(const QString& roomName, const QDateTime& start, int minutes);
    void MoveAt(const QString& transNum, const QString& roomName, const QDateTime& start);

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return QStringLiteral("Operation Schedule"); }

    // ---- the documented controls -------------------------------------------------
    QCalendarWidget* MonthView1 = nullptr;
    QRadioButton* optView_0 = nullptr; // the day's rooms
    QRadioButton* optView_1 = nullptr; // one room's week
    QComboBox* cboWeekRoom = nullptr;
    QPushButton* cmdRequest = nullptr;
    QPushButton* cmdRequestPatient = nullptr;
    QPushButton* cmdSaveSchedule_0 = nullptr; // print the day's schedule
    QPushButton* cmdSaveSchedule_1 = nullptr; // rooms
    QPushButton* cmdSaveSchedule_2 = nullptr; // parameters
    QPushButton* cmdClose = nullptr;
    QScrollArea* scrBoard = nullptr;
    BoardView* board = nullptr;
    QTimer* Timer1 = nullptr;

    QFrame* pictSched = nullptr;
    QLabel* lblPatient = nullptr;
    QDateEdit* dtpScheduleDate = nullptr;
    QTimeEdit* dtpTime_0 = nullptr;
    QTimeEdit* dtpTime_1 = nullptr;
    QLabel* lblRequest_1 = nullptr; // length in minutes
    QComboBox* cboRequestRoom = nullptr;
    QLineEdit* txtProcedureCode = nullptr;
    QPushButton* cmdProcedure = nullptr;
    QLabel* lblRequest_2 = nullptr;
    QLineEdit* txtSurgeonID = nullptr;
    QLabel* lblRequest_3 = nullptr;
    QLineEdit* txtAnesthesiologistID = nullptr;
    QLabel* lblRequest_4 = nullptr;
    QLineEdit* txtSurgeonID1 = nullptr;
    QLineEdit* txtSurgeonID2 = nullptr;
    QLineEdit* txtSurgeonID3 = nullptr;
    QLabel* lblRequest_5 = nullptr;
    QLabel* lblRequest_6 = nullptr;
    QLabel* lblRequest_7 = nullptr;
    QPushButton* Command2 = nullptr; // scrub nurse
    QPushButton* Command3 = nullptr; // circulating nurse
    QLabel* lblNurse_0 = nullptr;
    QLabel* lblNurse_1 = nullptr;
    QPushButton* cmdRequestOption_0 = nullptr;
    QPushButton* cmdRequestOption_1 = nullptr;

    // The patient-to-be-admitted panel, driven through its own members only.
    AdmissionPanel* pctAdmitted = nullptr;

    QFrame* pictRooms = nullptr;
    QTableWidget* mshflexORRoom = nullptr;
    QFrame* pictAddRoom = nullptr;
    QLineEdit* txtAddRoom = nullptr;
    QPushButton* cmdAddRoom = nullptr;
    QFrame* pictEditRoom = nullptr;
    QLineEdit* txtRoomName = nullptr;
    QPushButton* cmdEditRoom = nullptr;
    QPushButton* cmdRoomsClose = nullptr;

    QFrame* pictParameter = nullptr;
    QTimeEdit* dtpDayStart = nullptr;
    QComboBox* cboDaylength_0 = nullptr; // hours shown
    QComboBox* cboDaylength_1 = nullptr; // minutes per slot
    QPushButton* cmdParameter_0 = nullptr;
    QPushButton* cmdParameter_1 = nullptr;

    QFrame* pictSchedule = nullptr;
    QLabel* lblDetail = nullptr;
    QPushButton* cmdSlip = nullptr;
    QPushButton* cmdDetailClose = nullptr;

    // ---- handlers -------------------------------------------------------------------
    void MonthView1_DateClick();
    void cmdRequestOption_0_Click();
    void cmdAdmittedOption_0_Click();
    void cmdRequestPatient_Click();
    void cmdSaveSchedule_0_Click();
    void cmdSaveSchedule_1_Click();
    void cmdSaveSchedule_2_Click();
    void cmdAddRoom_Click();
    void cmdEditRoom_Click();
    void cmdParameter_0_Click();
    void cmdSlip_Click();
    void dtpScheduleDate_Change();

private:
    QFrame* buildRequestPanel();
    AdmissionPanel* buildAdmissionPanel();
    QFrame* buildParameterPanel();
    QFrame* buildRoomPanel();
    void loadRoomGrid();
    void roomsChanged();
    QFrame* buildDetailPanel();
    // The panels beside the board, of which one at most shows.
    QList<QFrame*> sidePanels() const;
    void showPanel(QFrame* panel);
    void loadRooms();
    void showRequestPanel();
    void updateLengths();
    void lookUpDoctor(QLineEdit* code, QLabel* nameLabel, QLineEdit* nameBox = nullptr);
    void lookUpProcedure(QLineEdit* code, QLabel* descLabel, QLineEdit* descBox = nullptr);
    void showDetail(int block);
    Booking requestBooking() const;
    QDateTime serverNow();

    QString IDNum;
    QString HospNum;
    QString scrubNurse_;
    QString circulatingNurse_;
    QString detailTransNum_;
    ScheduleSettings settings_;
    bool blink_ = false;
    bool nursesShown_ = false;
    shell::EditTracker* tracker_ = nullptr;
    QFormLayout* requestForm_ = nullptr;
};

// Opens the schedule book for the selected patient (if any) in the work area.
frmSchedule* OpenSchedule();

} // namespace scheduling
