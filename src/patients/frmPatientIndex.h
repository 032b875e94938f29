#pragma once

#include "patients/PatientListBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace patients {

class RecordTable;

// The patient index of the operating room: a patient found by hospital
// number or by name, with the patient's particulars, admissions and visits,
// the operations the operating room recorded and the procedures charged.
// A click on an admission or visit selects it as the station list does.
class frmPatientIndex : public PatientListBase {
    Q_OBJECT

public:
    // Columns of the stays after the patient-list layout (STATION..sp_Get_PatientIndex).
    enum IndexColumn { StayType = 9 };

    explicit frmPatientIndex(QWidget* parent = nullptr);

    // Finds the patient of the hospital number or, for a name typed as
    // "Lastname, FirstName, MiddleName", the patients so named; reports
    // "No records found." when there is none. True when one was found.
    bool txtHospNum_Validate();
    // Shows the patient of the hospital number (the box takes the number).
    bool ShowPatient(const QString& hospNum);

    // The type ("I" or "O") of the current stay.
    QString listPatientType() const override;

    // The statement that lists the stays of a hospital number, or of a name.
    static QString IndexStatement(const QString& hospNum, const QString& name = QString());

    // ---- controls ------------------------------------------------------------------
    QLineEdit* txtHospNum = nullptr;
    QLabel* lblGuideline = nullptr;
    QLabel* lblPatientName = nullptr;
    QLabel* lblSex = nullptr;
    QLabel* lblBirthDate = nullptr;
    QLabel* lblBloodType = nullptr;
    QLabel* lblHouseStreet = nullptr;
    QLabel* lblBarangay = nullptr;
    QLabel* lblTown = nullptr;
    QLabel* lblProvince = nullptr;
    QLabel* lblRecNum = nullptr;
    QTabWidget* tabRecords = nullptr;
    RecordTable* grdOperations = nullptr;
    RecordTable* grdPostedProcedures = nullptr;
    QPushButton* cmdOperationRecord = nullptr;
    QPushButton* cmdCF4 = nullptr;
    QPushButton* cmdClose = nullptr;

    // The hospital number whose particulars and records are shown.
    const QString& shownHospNum() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPatientPanel();
    QWidget* buildRecords();
    // Fills the particulars and the two record lists for a hospital number;
    // false when the patient search does not know it.
    bool showParticulars(const QString& hospNum);
    void clearParticulars();
    void followCurrentRow(int row);
    // Selects the patient of the highlighted operation and opens its record;
    // on the posted-procedures page, the record of the highlighted procedure
    // charge, a new one when none was kept yet.
    void cmdOperationRecord_Click();
    void updateOperationRecordButton();

    QString shown_;
    // The listed operations' keys, row by row (the grid shows only captions).
    struct OperationRow {
        QString idNum;
        QString patientType;
        QString operatingNum;
        QString refNum;
        QString procedureId;
        QString procedureName;
    };
    std::vector<OperationRow> operationRows_;
    std::vector<OperationRow> postedRows_; // operatingNum empty: filled from the kept records
};

} // namespace patients
