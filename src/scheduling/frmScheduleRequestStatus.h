#pragma once

#include "shell/UnsavedWork.h"

#include <QDateTime>
#include <QWidget>

#include <array>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace shell {
class EditTracker;
}

namespace scheduling {

class AdmissionPanel;

// The confirmed operations of a day, found by patient: print an entry's
// confirmation slip, revoke it, or open it for changes. Beside the list, the
// admission panel books a patient still to be admitted, empty or copied from
// a confirmed entry.
class frmScheduleRequestStatus : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    // The columns of the confirmed-schedules grid that the window reads.
    enum Column { ColKey = 0, ColPatient = 1, ColStart = 2, ColRoom = 3, ColProcedure = 4, ColIdNum = 7, ColHospNum = 8, ColLength = 9 };

    explicit frmScheduleRequestStatus(QWidget* parent = nullptr);

    // Lists the confirmed entries of the filter date matching the search.
    void Search();
    // 0 prints the slip, 1 revokes, 2 closes, 3 edits the selected entry.
    void cmdPending_Click(int index);
    // Opens the admission panel empty for a new booking.
    void cmdRequestPatient_Click();
    // Opens the admission panel filled from the selected entry (or `transNum`).
    void LoadAdmitted();
    bool LoadAdmitted(const QString& transNum);
    // Books the panel's patient; the list shows the day again after a save.
    void cmdAdmittedOption_0_Click();

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return QStringLiteral("Patient to be Admitted"); }

    QComboBox* cboBySearch;
    QLineEdit* txtSearch;
    QDateEdit* dtpFilterDate;
    QPushButton* cmdSearch;
    QTableWidget* mshflexPending;
    std::array<QPushButton*, 4> cmdPending{};
    QPushButton* cmdRequestPatient;
    QPushButton* cmdLoadAdmitted;
    AdmissionPanel* pctAdmitted;

private:
    QDateTime serverNow() const;
    void loadPanelLists();

    shell::EditTracker* tracker_;
};

} // namespace scheduling
