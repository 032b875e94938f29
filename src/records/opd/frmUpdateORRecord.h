#pragma once

#include "records/opd/OutpatientRecord.h"
#include "shell/UnsavedWork.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QVBoxLayout;

namespace shell {
class EditTracker;
}

namespace records {

// The out-patient operation record: an out-patient or emergency patient who
// had a minor operation without being admitted. The nurse completes the
// visit's services and doctors, diagnoses, complaints, findings and the
// disposition with the discharge date; the save rules are OutpatientRecordSave's.
class frmUpdateORRecord : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit frmUpdateORRecord(QWidget* parent = nullptr);

    // Reads the selected patient's visit (app::IdNum); false when it could
    // not be read (the user was told) and the window must not be shown.
    bool Form_Load();

    // What the boxes hold, as the save takes it.
    opd::OutpatientRecord Record() const;
    void cmdSave_Click();

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    QLabel *lblHospitalNo, *lblAdmissionNo, *lblERNo, *lblPatientName;
    std::array<QLineEdit*, 5> txtService{}, txtDoctor{}, txtICDCode{};
    std::array<QLabel*, 5> lblService{}, lblDoctor{}, lblICDDesc{};
    QPlainTextEdit *txtFindings, *txtMedications, *txtChiefComplaints, *txtBriefHistory;
    std::array<QLineEdit*, 3> txtComplaintCode{};
    std::array<QLabel*, 3> lblComplaint{};
    QLineEdit* txtDiet;
    QLabel* lblDietRemark;
    QComboBox* cboPrecaution;
    std::vector<QRadioButton*> optPatient, optERClass, optCondition;
    std::vector<QCheckBox*> chkClass;
    QGroupBox *fraDisposition, *fraCondition, *fraReferral, *fraDeath, *fraClassification, *fraDiagnosis, *fraComplaint;
    QLabel *lblReasonofReferral, *lblReferredTo;
    QDateEdit *dtpAdmDate, *mskDcrDate, *dtpExpiredDate, *dtpReleasedDate;
    QTimeEdit *dtpAdmTime, *dtpDcrTime, *dtpExpiredTime, *dtpReleasedTime;
    QLineEdit *txtDischargeRemarks, *txtReasonofReferral, *txtReferredTo, *txtFuneralParlor;
    std::array<QRadioButton*, 2> optDeathType{};
    QPushButton *cmdSave, *cmdClose;

private:
    // The save of cmdSave and of the framework's "Save changes?"; true when saved.
    bool save();
    void buildVisit(QVBoxLayout* root);
    QWidget* buildServices();
    QWidget* buildComplaints();
    QWidget* buildDisposition();
    void showRecord(const opd::OutpatientRecord& record);
    void lookUpService(int index);
    void lookUpDoctor(int index);
    void lookUpICD(int index);
    void lookUpComplaint(int index);
    void lookUpDiet();
    void loadPrecautions();
    void mskDcrDate_Change();
    void optERClass_Click(int index);
    void dispositionShown();
    QString chosen(const std::vector<QRadioButton*>& options, const std::vector<QString>& codes) const;

    shell::EditTracker* tracker_;
    opd::OutpatientRecord loaded_;
    std::vector<QString> categoryCodes_, dispositionCodes_, conditionCodes_, classCodes_;
    int lastDisposition_ = -1; // the option a refused "for admission" returns to
    bool loading_ = false;
};

// Opens the record of the selected out-patient or ER visit; null (the user
// told) when no patient is selected or the visit cannot be read.
frmUpdateORRecord* OpenUpdateORRecord();

// True for a visit that keeps an out-patient record instead of an operation
// record: its number ends with "B" or the patient was selected as an out-patient.
bool IsOutPatientVisit(const QString& idNum, const QString& patientType);

} // namespace records
