#pragma once

#include "scheduling/ScheduleSettings.h"

#include <QDateTime>
#include <QWidget>

#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimeEdit;

namespace scheduling {

// The requests the stations sent for an operation slot: the operating room
// confirms one into a room (after the room-conflict test) or revokes it.
class frmCommunicationSchedule : public QWidget {
    Q_OBJECT
public:
    // The columns of the request grid that the window reads.
    enum Column {
        ColKey = 0,
        ColPatient = 1,
        ColRequested = 5,
        ColIdNum = 6,
        ColStation = 7,
        ColProcedureCode = 9,
        ColSurgeonID = 10,
        ColAnesthesiologistID = 11,
        ColTimeTag = 12,
        ColAssistant1 = 13,
        ColAssistant2 = 15,
        ColRoomID = 16,
        ColAssistant3 = 17,
        ColumnCount = 21
    };

    explicit frmCommunicationSchedule(QWidget* parent = nullptr);

    // Reloads the pending requests.
    void LoadPending();
    // 0 opens the confirm panel for the selected request, 1 revokes it, 2 closes.
    void cmdPending_Click(int index);
    // 0 confirms the request shown in the panel, 1 closes the panel.
    void cmdRequestOption_Click(int index);

    QTableWidget* mshflexPending;
    std::array<QPushButton*, 3> cmdPending{};
    QPushButton* cmdConfirmed; // the confirmed schedules
    QGroupBox* pictConfirm;
    std::array<QLabel*, 8> lblRequest{};
    QLabel* lblTimeTBD;
    QDateEdit* dtpScheduleDate;
    std::array<QTimeEdit*, 2> dtpTime{};
    QComboBox* cboRequestRoom;
    QLineEdit* txtProcedureCode;
    QLineEdit* txtSurgeonID;
    QLineEdit* txtAnesthesiologistID;
    QPushButton* cmdAnesthesiologist;
    std::array<QPushButton*, 2> cmdRequestOption{};

private:
    void showPanel(bool shown);
    void fillPanel(int row);
    void startChanged();
    void showLength();
    void cmdAnesthesiologist_Click();
    QDateTime chosen(int which) const;

    ScheduleSettings settings_;
    int row_ = -1;          // the request in the panel
    QDate requestedDay_;    // the day the station asked for
    QString timeTag_;
};

} // namespace scheduling
