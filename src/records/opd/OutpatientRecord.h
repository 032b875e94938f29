#pragma once

#include <QDateTime>
#include <QString>

#include <array>

namespace db {
class Connection;
}

namespace records::opd {

// The death details of an emergency patient who died (STATION..tbERDeathMaster).
struct DeathDetails {
    QString deathType; // "D" died in the emergency room, "N" dead on arrival
    QDateTime expired;
    QDateTime released;
    QString funeralParlor;
};

// Everything the out-patient operation record shows and saves for one visit.
struct OutpatientRecord {
    QString hospNum;
    QString idNum;
    QString erNum;
    QDateTime admission;
    QDateTime discharge; // null: no discharge date entered

    std::array<QString, 5> services;
    std::array<QString, 5> doctors;
    std::array<QString, 5> icdCodes;
    QString findings;
    QString medications;
    QString chiefComplaints;
    std::array<QString, 3> complaintCodes;
    QString briefHistory;
    QString dietId;
    QString precautionId;

    QString category;    // OPDType
    QString disposition; // OPDStatus
    std::array<QString, 5> classIds; // ERClassID1..5, ticked codes first
    QString dischargeRemarks;
    QString dischargeCondition; // "" for none
    QString reasonOfReferral;
    QString referredTo;

    DeathDetails death;
};

// Reading and writing the record's rows. The writes are the statements of
// one save, meant to run inside the caller's transaction; every one throws
// db::DbError when the server refuses it.
class OutpatientRecordStore {
public:
    explicit OutpatientRecordStore(db::Connection& connection) : c_(connection) {}

    // The visit's record; false when the visit does not exist. Throws db::DbError.
    bool load(const QString& idNum, OutpatientRecord& record);
    // The visit's stored death details into `details`; false when there are none.
    bool loadDeath(const QString& hospNum, DeathDetails& details);

    // sp_OR_UpdateOPDHistory with the record, signed by `userId`.
    void updateHistory(const OutpatientRecord& record, const QString& userId);
    // The ER-master and history columns the procedure leaves to the window,
    // in the order the station has always written them.
    void updateErColumns(const OutpatientRecord& record, bool withCondition);
    // True when the visit has an admission request the admitting office has not taken up.
    bool hasOpenAdmissionRequest(const OutpatientRecord& record);
    // Withdraws that request and records the revocation in the visit's profile.
    void revokeAdmissionRequest(const OutpatientRecord& record, const QString& userId);
    // Replaces the patient's death details with the record's.
    void replaceDeath(const OutpatientRecord& record, const QString& userId);

    // The discharge date-time argument: "'mm/dd/yyyy hh:mm:ss AM'" or Null, unquoted.
    static QString DateArgument(const QDateTime& value);

private:
    db::Connection& c_;
};

// Requests of the visit to the ancillary departments that are still open
// (neither processed nor revoked).
int GetRequests(db::Connection& connection, const QString& idNum);

} // namespace records::opd
