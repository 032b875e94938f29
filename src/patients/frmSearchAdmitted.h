#pragma once

#include "patients/PatientListBase.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace patients {

// A second, simpler list of the station's patients: in-patients or
// out-patients searched by last name. It selects patients and opens the
// chart as the station list does; a patient who fails validation is
// reported as "No Records Found.".
class frmSearchAdmitted : public PatientListBase {
    Q_OBJECT

public:
    explicit frmSearchAdmitted(QWidget* parent = nullptr);

    void Form_Load();
    // Loads the list for the chosen kind and the search text.
    void cmdSearch_Click();
    void optPatientType_Click(int index);

    // The list statement for the chosen kind and the search text.
    QString ListStatement() const;
    QString listPatientType() const override;

    // ---- controls ------------------------------------------------------------------
    std::array<QRadioButton*, 2> optPatientType{}; // "Inpatient", "Outpatient"
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblRecNum = nullptr;
};

} // namespace patients
