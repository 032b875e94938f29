#include "db/routines/RequestsAndExams.h"

#include "db/routines/RoutineQuery.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

namespace routines {

using namespace detail;

namespace {

// "mm/dd/yyyy hh:mm:ss AM", the program's way of showing a server date-time.
QString shownDateTime(const db::Field& field)
{
    const QDateTime value = field.toDateTime();
    return value.isValid() ? value.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")) : field.text();
}

QString shownTime(const db::Field& field)
{
    const QDateTime value = field.toDateTime();
    return value.isValid() ? value.toString(QStringLiteral("hh:mm:ss AP")) : field.text();
}

QString postedCheck(const QString& idNum, const QString& code, const QString& departmentCode)
{
    const db::Recordset rs = Open(QStringLiteral("STATION..Nurse_CheckExam_Posted ") + Q(idNum) + QLatin1Char(',') + Q(code)
                                  + QLatin1Char(',') + Q(departmentCode));
    return rs.eof() ? QString() : shownTime(rs.field(QStringLiteral("ProcessDate")));
}

bool askRepeat(const QString& lead, const QString& processed)
{
    if (processed.isEmpty())
        return false;
    return !shell::Prompts::current().ask(lead + processed + QStringLiteral("! Do you wish to REPEAT it ?"),
                                          QStringLiteral("Confirmation"), shell::PromptIcon::Critical);
}

void notify(const QString& text)
{
    shell::Prompts::current().message(text, QStringLiteral("Notification"), shell::PromptIcon::Information);
}

} // namespace

bool CheckExamStatus(const QString& idNum, const QString& examCode, const QString& departmentCode)
{
    const db::Recordset rs = Open(QStringLiteral("STATION..Nurse_CheckExamStatus ") + Q(idNum) + QLatin1Char(',') + Q(examCode)
                                  + QLatin1Char(',') + Q(departmentCode));
    if (rs.eof())
        return false;
    shell::Prompts::current().message(rs.text(QStringLiteral("Message")) + shownDateTime(rs.field(QStringLiteral("Requestdate"))),
                                      QStringLiteral("Message "), shell::PromptIcon::Information);
    return true;
}

bool CheckExamPosted(const QString& idNum, const QString& examCode, const QString& departmentCode)
{
    return askRepeat(QStringLiteral("This Request has been PROCCESSED TODAY AT "), postedCheck(idNum, examCode, departmentCode));
}

bool CheckItemPosted(const QString& idNum, const QString& itemCode, const QString& departmentCode)
{
    return askRepeat(QStringLiteral("This item has been POSTED TODAY AT "), postedCheck(idNum, itemCode, departmentCode));
}

StatPreset DefaultStatOption(const QString& labExamId)
{
    const db::Recordset rs = Open(QStringLiteral("SELECT isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, ")
                                  + QStringLiteral("case ")
                                  + QStringLiteral("When convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' ")
                                  + QStringLiteral("When convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' ")
                                  + QStringLiteral("END AS 'AFter5' ") + QStringLiteral("FROM BUILD_FILE..tbcoLabExam ")
                                  + QStringLiteral("WHERE LabexamID =") + Q(labExamId));
    StatPreset preset;
    if (rs.eof())
        return preset;
    const QString stat = rs.text(QStringLiteral("Stat")).trimmed();
    if (stat == QLatin1String("Y")) {
        preset.stat = true;
        preset.routineEnabled = false;
    } else if (stat == QLatin1String("N")) {
        preset.statEnabled = false;
    } else {
        preset.stat = rs.field(QStringLiteral("DayofWeek")).toInt() == 7 || rs.text(QStringLiteral("AFter5")).trimmed() == QLatin1String("T");
    }
    return preset;
}

std::vector<Specimen> GetExamSpecimens(const QString& labExamId)
{
    std::vector<Specimen> specimens;
    for (db::Recordset rs = Open(QStringLiteral("STATION..sp_Nurse_GetLabExam_Specimen ") + Q(labExamId)); !rs.eof(); rs.moveNext())
        specimens.push_back(Specimen{rs.text(QStringLiteral("Code")).trimmed(), rs.text(QStringLiteral("Description")).trimmed()});
    return specimens;
}

Specimen GetExamSpecimen(const QString& labExamId)
{
    const std::vector<Specimen> all = GetExamSpecimens(labExamId);
    if (all.empty() || all.front().code.isEmpty())
        return Specimen{QStringLiteral("0"), QStringLiteral("None")};
    return all.front();
}

std::vector<ExamProfileRow> GetExamProfiles(const QString& code)
{
    std::vector<ExamProfileRow> rows;
    for (db::Recordset rs = Open(QStringLiteral("STATION..sp_Nurse_Get_ProfileList ") + Q(code)); !rs.eof(); rs.moveNext())
        rows.push_back(ExamProfileRow{rs.text(QStringLiteral("ExamID")).trimmed(), rs.text(QStringLiteral("ExamName")).trimmed(),
                                      rs.text(QStringLiteral("ProfileID")).trimmed(), rs.text(QStringLiteral("ProfileName")).trimmed()});
    return rows;
}

bool IsProfileExam(const QString& code)
{
    for (const ExamProfileRow& row : GetExamProfiles(code))
        if (row.profileId == code.trimmed())
            return true;
    return false;
}

bool CheckProfileAgainstOrders(const QString& code, const QStringList& orderedCodes)
{
    for (const ExamProfileRow& row : GetExamProfiles(code)) {
        if (row.profileId != code.trimmed())
            continue;
        for (const QString& ordered : orderedCodes) {
            if (ordered.trimmed() == row.examId) {
                notify(QStringLiteral("The Exam ") + row.examName + QStringLiteral(" in the ORDER LIST is included in this Profile(")
                       + row.profileName + QStringLiteral(")"));
                return true;
            }
        }
    }
    return false;
}

bool CheckExamInProfiles(const QString& code, const QStringList& profileCodes)
{
    for (const ExamProfileRow& row : GetExamProfiles(code)) {
        if (row.examId != code.trimmed())
            continue;
        for (const QString& profile : profileCodes) {
            if (profile.trimmed() == row.profileId) {
                notify(QStringLiteral("This Exam ") + row.examName + QStringLiteral(" is included in this Profile(") + row.profileName
                       + QStringLiteral(")"));
                return true;
            }
        }
    }
    return false;
}

bool CheckRequestRevocable(const QString& requestNum)
{
    const db::Recordset rs = Open(QStringLiteral("STATION..sp_Nurse_Check_Request ") + Q(requestNum));
    if (rs.eof())
        return true;
    if (rs.text(QStringLiteral("StationID")).trimmed() != app::ORStationID.trimmed()) {
        notify(QStringLiteral("You can't revoked item(s)/exam(s) requested from station: ") + rs.text(QStringLiteral("Station")).trimmed());
        return false;
    }
    const QString status = rs.text(QStringLiteral("RecordStatus")).trimmed();
    if (status == QLatin1String("R")) {
        notify(QStringLiteral("Item(s)/exam(s) requested has been revoked By: ") + rs.text(QStringLiteral("RevokeBy")).trimmed()
               + QStringLiteral(" at ") + shownDateTime(rs.field(QStringLiteral("RevokeDate"))));
        return false;
    }
    if (status == QLatin1String("X")) {
        notify(QStringLiteral("Item(s)/exam(s) requested has been processed By: ") + rs.text(QStringLiteral("ProcessBy")).trimmed()
               + QStringLiteral(" at ") + shownDateTime(rs.field(QStringLiteral("ProcessDate"))));
        return false;
    }
    return true;
}

bool IsIncludedCommunication(const QString& requestNum)
{
    return HasRow(QStringLiteral("select 1 ") + QStringLiteral("from station..tbNurseCommunicationFile ")
                  + QStringLiteral("where requestnum = ") + Q(requestNum) + QStringLiteral(" and isnull(toinclude,0) = 1 "));
}

QString GetLabSection(const QString& labExamId)
{
    return FirstText(QStringLiteral("Select isnull(LabSectionID,'') LabSectionID ") + QStringLiteral("from Build_File..tbcoLabExam ")
                         + QStringLiteral("where LabExamID = ") + Q(labExamId),
                     QStringLiteral("LabSectionID"));
}

int HasUnadministeredMeds(const QString& idNum, const QString& departmentCode)
{
    return static_cast<int>(FirstNumber(QStringLiteral("STATION..Check_NotAdministeredMeds ") + Q(idNum) + QLatin1Char(',') + Q(departmentCode),
                                        QStringLiteral("Unused")));
}

std::optional<ORRoomConflict> FindORRoomConflict(db::Connection& connection, const QString& roomId, const QString& startText,
                                                 const QString& endText, const QString& excludeTransNum)
{
    // A booking starting as another ends, or ending as another starts, is
    // free: the one-minute shifts keep the shared minute out of both ranges.
    // A span that encloses a booking entirely is caught as well: the older
    // test let it through, which double-booked the room. An entry without a
    // length holds no time.
    // No booking of the room lasts longer than its longest, so none starting
    // earlier than that before the new start can reach it, and none starting
    // at the new end or later overlaps: the two bounds let the room's
    // start-time index skip the room's history on both sides.
    const QString room = Q(roomId);
    const QString start = Q(startText);
    const QString end = Q(endText);
    db::Recordset rs = connection.open(
        QStringLiteral("SELECT starttime,dateadd(MI,ISNULL(LENGTH,0),STARTTIME) as endtime,transnum FROM  "
                       "Schedule..tbORScheduleDetails WHERE  RoomId = ")
        + room + QStringLiteral(" AND RecordStatus = 'C' and (") + start
        + QStringLiteral(" BETWEEN STARTTIME AND dateadd(MI,ISNULL(LENGTH,0) - 1,STARTTIME) or ") + end
        + QStringLiteral(" BETWEEN DATEADD(MI,1,STARTTIME) AND dateadd(MI,ISNULL(LENGTH,0),STARTTIME) or (STARTTIME > ") + start
        + QStringLiteral(" AND dateadd(MI,ISNULL(LENGTH,0),STARTTIME) < ") + end
        + QStringLiteral(" AND ISNULL(LENGTH,0) > 0)) AND STARTTIME >= DATEADD(MI, -(SELECT ISNULL(MAX(LENGTH),0) FROM "
                         "Schedule..tbORScheduleDetails WHERE RoomId = ")
        + room + QStringLiteral(" AND RecordStatus = 'C'), ") + start + QStringLiteral(") AND STARTTIME < ") + end
        + QStringLiteral(" ORDER BY STARTTIME"));
    for (; !rs.eof(); rs.moveNext()) {
        // An empty exclusion is a new booking: it skips nothing, not even an entry without a key.
        if (!excludeTransNum.isEmpty() && rs.text(QStringLiteral("transnum")) == excludeTransNum)
            continue;
        return ORRoomConflict{rs.field(QStringLiteral("starttime")).toDateTime(), rs.field(QStringLiteral("endtime")).toDateTime(),
                              rs.text(QStringLiteral("transnum"))};
    }
    return std::nullopt;
}

bool AskORRoomConflict(const ORRoomConflict& conflict)
{
    return shell::Prompts::current().ask(
        QStringLiteral("An operation is already scheduled in this room on ") + conflict.start.toString(QStringLiteral("MM/dd/yyyy"))
            + QStringLiteral(" from ") + conflict.start.toString(QStringLiteral("hh:mm:ss AP")) + QLatin1Char('-')
            + conflict.end.toString(QStringLiteral("hh:mm:ss AP")) + QStringLiteral(". Would you like to continue for an ER case?"),
        QStringLiteral("Confirmation"), shell::PromptIcon::Question);
}

bool CheckORRoomConflict(const QString& roomId, const QString& startText, const QString& endText, const QString& excludeTransNum)
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("There is no connection to the hospital database."));
    const std::optional<ORRoomConflict> conflict = FindORRoomConflict(*connection, roomId, startText, endText, excludeTransNum);
    return !conflict || AskORRoomConflict(*conflict);
}

} // namespace routines
