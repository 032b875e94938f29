#pragma once

#include <QDateTime>
#include <QString>

namespace db {
class Connection;
class Recordset;
}

namespace components {

// The pieces of a patient's record that the patient search hands back.

struct PatientAddress {
    QString CompleteAddress; // the parts below joined with ", ", empty parts left out
    QString HouseStreet;
    QString Barangay;
    QString Town;
    QString Province;
};

struct PatientMasterRecord {
    QString HospitalNumber;
    QString LastName;
    QString FirstName;
    QString MiddleName;
    QString Sex;
    QDateTime BirthDate; // null when unknown
    QString CivilStatus;
    QString BloodType;
    PatientAddress Address;
};

struct RoomRecord {
    QString RoomClassID; // the rate class letter
    QString RoomID;
    double RoomRate = 0;
};

struct DoctorName {
    QString DoctorID;
    QString CompleteName; // "LAST, FIRST MIDDLE"
};

struct AccountRecord {
    QString AccountNumber; // "" for a personal account
    QString Company;
};

// The fields an admission and an out-patient visit have in common.
struct VisitRecord {
    QString IdNum;
    QString HospitalNumber;
    QDateTime AdmissionDate;
    QDateTime DischargeDate; // null while the patient is in
    QDateTime BillingDate;   // null while the account is open
    QString StationID;
    DoctorName AttendingDoctor1;
    QString AdmittingDiagnosis;
    AccountRecord Account;
};

// An in-patient admission (PATIENT_DATA..tbPatient and what it points to).
class AdmissionRecord : public VisitRecord {
public:
    RoomRecord Room;
    DoctorName AttendingDoctor2;
    DoctorName AttendingDoctor3;
    DoctorName AttendingDoctor4;
    DoctorName AttendingDoctor5;
    DoctorName AdmittingDoctor;

    // Reads the admission of `idNum`; false (and the fields cleared) when it does not exist.
    bool open(db::Connection& connection, const QString& idNum);
    // Reads the same admission again, e.g. after a room transfer.
    bool Refresh();

private:
    db::Connection* connection_ = nullptr;
};

// An out-patient or emergency visit (PATIENT_DATA..tbOutPatient).
class clsOutPatient : public VisitRecord {
public:
    QString PatientClass; // "S" service, "P" pay
    QString OPDStatus;

    // Reads the visit of `idNum`; false (and the fields cleared) when it does not exist.
    bool OpenOutPatient(const QString& idNum);
    bool Refresh();

    void attach(db::Connection* connection) { connection_ = connection; }

private:
    db::Connection* connection_ = nullptr;
};

} // namespace components
