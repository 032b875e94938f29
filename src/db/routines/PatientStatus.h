#pragma once

#include <QString>

// The small checks and look-ups of a patient's stay that every window makes
// before it charges, requests or discharges. Each takes the admission or
// visit number (IdNum) unless it says otherwise. Where an admission and a
// visit are read from different tables, the selected patient's type
// (app::PatientType, "I" for an in-patient) picks the table.
namespace routines {

// True when the patient's bill is already final (the admission's or visit's
// BillingDate is set), after telling the user so. Reloads the patient
// search component's admission or visit; throws std::logic_error when the
// sibling components (app::Components) have not been created.
bool IsAccountClosed(const QString& idNum);

// A saved ('P') or final ('F') discharge notice exists.
bool HasDischargeNotice(const QString& idNum);
// The department ("LB", "CS", "OR", ...) has cleared the patient's account.
bool IsClearedDepartment(const QString& idNum, const QString& departmentCode);
// Sixty or older on the server's day.
bool IsSeniorCitizen(const QString& idNum);
// The admission's operating-room and own-medicine allowances.
bool IsOKForOR(const QString& idNum);
bool HasPatientsMedicine(const QString& idNum);

// The name of the admission package of the stay; "" without one.
QString GetPatientPackage(const QString& idNum);
bool HasPatientPackage(const QString& idNum);

// An emergency-room visit that was not revoked.
bool IsERPatient(const QString& idNum);
bool IsDischargedInpatient(const QString& idNum);
// A patient whose nationality is not Filipino.
bool IsInternationalPatient(const QString& idNum);
// The stay is covered by a valid national-insurance membership.
bool IsValidPHICPatient(const QString& idNum);
// The national formulary applies: asked with an admission number, the
// patient is covered by the national insurance; asked with an item code, the
// item is listed in the formulary.
bool IsPNFPatient(const QString& code);
// Admitted on or after `date` ("yyyy-mm-dd").
bool IsAdmittedSince(const QString& idNum, const QString& date);
// The emergency visit waits for the admitting office to admit the patient.
bool HasPendingERAdmission(const QString& hospNum, const QString& idNum);
// Returned items wait at the pharmacy; the user is told that the discharge
// order cannot be sent yet.
bool HasPendingPharmacyReturns(const QString& idNum);

// The visit is charged to a company account (not the walk-in cash account "4394").
bool GetAccountNumber(const QString& idNum);
// "HospNum/AccountNum/CompanyName" of an admission ("PERSONAL" without a
// company), followed by "/AccountNumII/CompanyName" of a second account.
QString GetPatientAccountInfo(const QString& idNum);
// The hospital number of a stay that is still open; "" once discharged.
QString GetCurrentHospNum(const QString& idNum);
QString GetOldHospNum(const QString& hospNum);
// "SERVICE PATIENT", "PAY PATIENT" or "".
QString GetServiceOrPay(const QString& idNum, const QString& hospNum);

double GetCreditLine(const QString& idNum);
double GetTotalCurrentBill(const QString& idNum);
double GetPendingCurrentBill(const QString& idNum);

QString GetPrecautions(const QString& idNum);
// One line per consultation: "DR. LAST, FIRST (reason)", lines joined by CR LF.
QString GetConsultationText(const QString& idNum);
QString GetDoctorName(const QString& doctorId);
QString GetNurseName(const QString& employeeId);
// The doctor code belongs to the log-in `userId`.
bool IsDoctorUser(const QString& doctorId, const QString& userId);
bool HasDoctorSignature(const QString& doctorId);
QString GetChiefComplaint(const QString& chiefComplaintId);

} // namespace routines
