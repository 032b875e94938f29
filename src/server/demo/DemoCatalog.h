#pragma once

#include "server/demo/DemoPeople.h"
#include "server/demo/DemoTime.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

namespace server::demo {

struct DoctorPlan {
    QString id;
    PersonName name;
    QString specialty;
    bool surgeon = false;
    bool anesthesiologist = false;
    QString userId; // the doctor's own log-in, when the doctor has one
};

// A user of the operating-room department ("29") or, for the refusal cases, of another department.
struct UserPlan {
    QString id;
    QString password;
    PersonName name;
    QString position;
    QString department;
    QString rights;    // "code|code|", as the rights window saves it
    QString stationId; // the operating-room station the user works at; empty for none
    QString doctorId;  // set for a doctor's account
};

struct OrProcedurePlan {
    QString code;
    QString name;
    QString specialty;
    double rate = 0;  // class A price; the other classes are derived from it
    int minutes = 60; // usual length of the operation
    bool tagged = true; // listed as a procedure (SectionID 'PRC') rather than a supply or fee
};

struct OrRoomPlan {
    int id = 0;
    QString name;
    bool active = true;
    QString specialty; // the service the room is kept for; empty for any
};

// A ward room the in-patients stay in; its class letter is the patient's rate class.
struct WardRoomPlan {
    QString id;
    QChar rateClass;
    QString stationId;
    double rate = 0;
};

struct PatientPlan {
    QString hospNum;
    PersonName name;
    QDate birthDate;
    Address address;
    QString civilStatus;
    QString bloodType;
};

enum class EncounterKind { InPatient, OutPatient, Emergency };

struct EncounterPlan {
    QString idNum;
    int patient = 0; // index into DemoCatalog::patients
    EncounterKind kind = EncounterKind::InPatient;
    QDateTime admitted;
    QDateTime discharged; // invalid while the patient is still in
    QDateTime billed;     // invalid until the bill is final
    bool cashBasis = false;
    bool revoked = false; // a visit registered by mistake and revoked
    QString room;     // ward room of an in-patient; empty for out-patients
    QChar rateClass;  // 'A' when the patient has no room
    QString doctorId; // attending doctor
    QString accountNum; // company account; empty for a personal account
    QString erNum;
    QChar patientClass; // 'S' service, 'P' pay
    QString diagnosis;
    QString icd; // the diagnosis's ICD-10 code
    QString complaint;
    bool isOutPatient() const { return kind != EncounterKind::InPatient; }
    bool isOpen() const { return !discharged.isValid(); }
};

struct CompanyPlan {
    QString accountNum;
    QString name;
};

// Everything the demo hospital is made of, decided before any row is written,
// so that every area of the database refers to the same doctors, rooms and patients.
struct DemoCatalog {
    int scale = 1;
    QDate today;
    std::vector<DoctorPlan> doctors;
    std::vector<UserPlan> users;
    std::vector<OrProcedurePlan> procedures;
    std::vector<OrRoomPlan> orRooms;
    std::vector<WardRoomPlan> wardRooms;
    std::vector<CompanyPlan> companies;
    std::vector<PatientPlan> patients;
    std::vector<EncounterPlan> encounters;

    static DemoCatalog Build(int scale, const QDate& today);

    // When the hospital's files were set up: the time stamp of code tables and accounts.
    QDateTime setUpTime() const { return At(today.addDays(-400), QTime(8, 0)); }

    const DoctorPlan* doctor(const QString& id) const;
    std::vector<const DoctorPlan*> surgeonsFor(const QString& specialty) const;
    std::vector<const DoctorPlan*> anesthesiologists() const;
    std::vector<const UserPlan*> nurses() const;
};

// Counts per scale unit: scale 170 gives about a hundred thousand admissions and two million bill lines.
constexpr int kPatientsPerScale = 600;
constexpr int kBillLinesPerScale = 11800;

} // namespace server::demo
