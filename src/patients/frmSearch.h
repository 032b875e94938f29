#pragma once

#include "patients/PatientKind.h"
#include "patients/PatientListBase.h"

#include <array>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace patients {

// The station patient list, the station's home screen: the patients of the
// station by kind, searched by name or number and by admission date; a click
// makes a row the selected patient, a double click (or Enter) opens the chart.
class frmSearch : public PatientListBase {
    Q_OBJECT

public:
    explicit frmSearch(QWidget* parent = nullptr);

    // Shows the current station and loads its list.
    void Form_Load();
    // Reloads the list for the current ORStationID (after a station choice).
    void Reload_Station();
    // Runs the search: loads the list for the kind, the search boxes and,
    // with "With Adm. Date" on, the admission dates.
    void Command1_Click();
    // Clears the search boxes and the date filter and loads the whole list.
    void Command2_Click();
    void cmdAdmDate_Click();
    void cmdToExcel_Click();
    void optPatientType_Click(int index);
    void lblProcedures_Click(int index);

    // The list statement for the current kind, boxes, dates and station.
    QString ListStatement() const;
    PatientKind kind() const;
    QString listPatientType() const override;

    // ---- controls ------------------------------------------------------------------
    std::array<QRadioButton*, 3> optPatientType{};
    std::array<QLineEdit*, 3> txtSearch{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdAdmDate = nullptr;
    QDateEdit* dtpStartDate = nullptr;
    QDateEdit* dtpEndDate = nullptr;
    QPushButton* cmdToExcel = nullptr;
    QLabel* lblRecNum = nullptr;
    QLabel* lblORStation = nullptr;
    QLabel* lblPatient = nullptr; // the selected patient, above the grid
    std::array<QLabel*, 3> lblProcedures{};

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCriteria();
    QWidget* buildFooter();
    void showSelectedPatient();
    void updateLinks();
};

} // namespace patients
