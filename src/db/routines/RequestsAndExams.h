#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace db {
class Connection;
}

// The checks an exam or item goes through before it is requested or charged.
namespace routines {

// An earlier request of the same exam or item waits at the department: the
// user is shown the server's message with the request date, and true comes
// back (the new request is refused).
bool CheckExamStatus(const QString& idNum, const QString& examCode, const QString& departmentCode);

// The department processed the same request today: the user is asked
// whether to repeat it. True when the answer is No (refuse the request).
bool CheckExamPosted(const QString& idNum, const QString& examCode, const QString& departmentCode);
// The same for an item charged today, asked as "POSTED TODAY".
bool CheckItemPosted(const QString& idNum, const QString& itemCode, const QString& departmentCode = QString());

// How the STAT and routine options of a laboratory request start: an exam
// that is always STAT ("Y") or never ("N") offers only that option; any
// other starts as STAT on the server's Saturday or after five in the
// afternoon, as routine otherwise, with both options open.
struct StatPreset {
    bool stat = false;
    bool statEnabled = true;
    bool routineEnabled = true;
};
StatPreset DefaultStatOption(const QString& labExamId);

// The specimen an exam is taken on by default: the first of its specimens,
// or code "0", "None" when it has none; and the whole list.
struct Specimen {
    QString code;
    QString description;
};
Specimen GetExamSpecimen(const QString& labExamId);
std::vector<Specimen> GetExamSpecimens(const QString& labExamId);

// Laboratory profiles: the rows where the code is the profile (its members)
// or a member (the profiles that include it).
struct ExamProfileRow {
    QString examId;
    QString examName;
    QString profileId;
    QString profileName;
};
std::vector<ExamProfileRow> GetExamProfiles(const QString& code);
// The code is a profile: it includes other exams.
bool IsProfileExam(const QString& code);
// Entering the profile `code` while one of its exams is already ordered:
// the user is told which, and true comes back (refuse the profile).
bool CheckProfileAgainstOrders(const QString& code, const QStringList& orderedCodes);
// Entering the exam `code` while a profile that includes it is among
// `profileCodes`: the user is told, and true comes back (refuse the exam).
bool CheckExamInProfiles(const QString& code, const QStringList& profileCodes);

// A sent request may be revoked: it was sent from this station and is
// neither revoked nor processed. Otherwise the user is told why not.
bool CheckRequestRevocable(const QString& requestNum);

// The request is tagged to be included in the package ("TO INCLUDE").
bool IsIncludedCommunication(const QString& requestNum);
QString GetLabSection(const QString& labExamId);
// How many medicines on the patient's medicine list, issued by the
// department ("PH", "CS"), are still to be given.
int HasUnadministeredMeds(const QString& idNum, const QString& departmentCode);

// A booking from `startText` to `endText` ("yyyy-MM-dd HH:mm:ss") in the
// operating room may go on: no confirmed booking of the room overlaps it
// (other than the entry `excludeTransNum` being changed), or the user
// chooses to go on for an emergency case.
bool CheckORRoomConflict(const QString& roomId, const QString& startText, const QString& endText, const QString& excludeTransNum);

// The confirmed booking that stands in the way of a new one.
struct ORRoomConflict {
    QDateTime start;
    QDateTime end;
    QString transNum;
};
// The two halves of CheckORRoomConflict, for a save that must repeat the
// test inside its own write transaction without asking while it holds the
// lock: the first booking in the way (none: the room is free) ...
std::optional<ORRoomConflict> FindORRoomConflict(db::Connection& connection, const QString& roomId, const QString& startText,
                                                 const QString& endText, const QString& excludeTransNum);
// ... and the emergency question about it; true for Yes (book anyway).
bool AskORRoomConflict(const ORRoomConflict& conflict);

} // namespace routines
