#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace db {
class Connection;
}

namespace records {

// A cardiovascular case: the operation charged to a patient tagged as a
// CVOR/RR patient, found by the charge slip and the procedure item.
struct CvorCase {
    QString patientName;
    QString hospNum;
    QString idNum;
    QDateTime transDate;
    QString procedure;
    QString refNum;
    QString itemId;
};

// The cardiovascular crew of a case, in the order the server keeps it.
struct CvorCrewMember {
    const char* column;  // the crew field ("Surgeon", ...)
    const char* caption; // its label on the crew window
    bool doctor;         // doctors come from the doctor look-up, nurses from the staff list
};
const std::array<CvorCrewMember, 10>& CvorCrewMembers();
using CvorCrew = std::array<QString, 10>;

// Searching, loading and saving the cardiovascular cases.
class CvorCases {
public:
    enum class SearchType { None, HospitalNumber, AdmissionNumber, LastName };

    // The cases of the search, as the census list shows them, after the
    // checks and messages of the list. Empty also when the search failed
    // (the user was told).
    static std::vector<CvorCase> Search(SearchType type, const QString& key);

    // The crew saved for a case (all empty when none yet). Throws db::DbError.
    static CvorCrew LoadCrew(db::Connection& connection, const CvorCase& c);
    // The names beside the crew codes ("LastName, FirstName"; "" for an unknown code).
    static QString CrewName(db::Connection& connection, const CvorCrewMember& member, const QString& code);

    // Signs and saves the crew: the transaction user validation first; with a
    // validated user the crew and the station log "Modified CVOR Info" are
    // written together and the user is told. False when nothing was written.
    static bool SaveCrew(const CvorCase& c, const CvorCrew& crew);
};

} // namespace records
