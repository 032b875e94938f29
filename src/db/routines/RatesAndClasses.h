#pragma once

#include <QString>

// The patient's rate class and the prices that follow from it.
namespace routines {

// The class letter of the admission's room ("A" without a room); "" for a
// visit or an unknown number.
QString GetRoomClassification(const QString& idNum);
// The out-patient visit's rate type ("H" for an HMO visit, else "A");
// `whenNoRow` when the visit does not exist (the second form passes "H").
QString GetOPDClassification(const QString& idNum, const QString& whenNoRow = QString());
// The patient is charged to an HMO plan.
bool IsHMOPatient(const QString& idNum);

// The contracted HMO price and the regular price of a department's item,
// for rate class "A" when `patientType` is "B", else class "I".
double GetHMORateByClass(const QString& revenueId, const QString& itemId, const QString& patientType);
double GetRateByClass(const QString& revenueId, const QString& itemId, const QString& patientType);

// The patient's rate-class letter for the price lists: "F" for a special
// patient; an out-patient (selected patient type "O") pays class "A", or "H"
// at site "SOLVEN" when the visit is an HMO visit; an in-patient pays the
// room's class. "A" when the stay is not found.
QString GetPatientRateType(const QString& idNum);

// A doctor's professional fee for the patient's rate class.
double GetDoctorsRate(const QString& doctorId, const QString& idNum);
// The relative-value price of an operating-room procedure for the patient.
double GetProcedureRUV(const QString& idNum, const QString& procedureId);
// The package's price in rate class "A" to "E"; 0 for another letter.
double GetPackageRate(const QString& packageId, const QString& rateLetter);
// Every room class pays the same price for the exam of the department ("LB", "XR", "US").
bool IsExamFixedRate(const QString& examId, const QString& departmentCode);
// The doctor has an active fee with an amount.
bool HasDoctorBill(const QString& doctorId);

// The stay is under the peritoneal-dialysis "PD First" Z package;
// `lastTransaction` receives the date of the previous stay under it
// ("mm/dd/yyyy", "" for the first one).
bool IsZFirstPackagePatient(const QString& idNum, QString* lastTransaction = nullptr);
// The dialysis-ware item belongs to a Z package or case rate.
bool IsZPackageItem(const QString& itemId);

// The largest quantity of an exam: its MaxQty (1 when unset) for an
// open-quantity procedure, else 1; 0 when the exam does not exist.
enum class ExamTable { Laboratory, Xray, Ultrasound };
int ExamMaxQuantity(ExamTable table, const QString& examId);

} // namespace routines
