#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace scheduling {

// The confirmed operations of a day, found by patient: print an entry's
// confirmation slip, revoke it, or open it for changes.
class frmScheduleRequestStatus : public QWidget {
    Q_OBJECT
public:
    // The columns of the confirmed-schedules grid that the window reads.
    enum Column { ColKey = 0, ColPatient = 1, ColStart = 2, ColRoom = 3, ColProcedure = 4, ColIdNum = 7, ColHospNum = 8, ColLength = 9 };

    explicit frmScheduleRequestStatus(QWidget* parent = nullptr);

    // Lists the confirmed entries of the filter date matching the search.
    void Search();
    // 0 prints the slip, 1 revokes, 2 closes, 3 edits the selected entry.
    void cmdPending_Click(int index);

    QComboBox* cboBySearch;
    QLineEdit* txtSearch;
    QDateEdit* dtpFilterDate;
    QPushButton* cmdSearch;
    QTableWidget* mshflexPending;
    std::array<QPushButton*, 4> cmdPending{};
};

} // namespace scheduling
