#pragma once

#include "patients/PatientListBase.h"

#include <QStringList>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace patients {

// The admitted patients with a confirmed operation that the operating room
// has not yet checked. The nurse ticks the patients already seen to and tags
// them as checked, which takes them off the list (and off the main window's
// alert). A click selects the patient as the station list does.
class frmAdmittedPatients : public PatientListBase {
    Q_OBJECT

public:
    // Columns of the list after the patient-list layout (see
    // SCHEDULE..sp_List_ConfirmedORSchedule, mode '9').
    enum ScheduleColumn { TransNum = 9, ScheduleDate, ProcedureCode, ProcedureName, RoomName, Surgeon };

    explicit frmAdmittedPatients(QWidget* parent = nullptr);

    void Form_Load();
    // Loads the list, narrowed to the search text in the chosen field.
    void cmdSearch_Click();
    // Clears the search and loads the whole list.
    void cmdRefresh_Click();
    // Tags the ticked bookings as checked, after a confirmation.
    void cmdPending_Click();

    // The list statement for the search text.
    QString ListStatement() const;
    QString listPatientType() const override;

    // The transaction numbers of the ticked rows, in list order.
    QStringList checkedTransNums() const;
    // The tick box of a listed row (0-based); null for the blank row.
    QCheckBox* checkBox(int row) const;

    // ---- controls ------------------------------------------------------------------
    QComboBox* cboBySearch = nullptr; // "LAST NAME", "ADM #", "HOSPITAL #"
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QLabel* lblSchedule = nullptr; // the booking of the current row
    QLabel* lblRecNum = nullptr;
    QPushButton* cmdPending = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void loadPatients();
    void addCheckBoxes();
    void showSchedule(int row);

    std::vector<QCheckBox*> checks_;
};

} // namespace patients
