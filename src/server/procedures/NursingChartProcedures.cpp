#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

ProcParam Text(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

ProcParam Optional(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), true, QString()};
}

QString Quoted(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(QLatin1String(name)).trimmed());
}

// The chart sends a reading's day ("mm/dd/yyyy") and its time (" hh:mm:ss AM")
// apart; together they are the moment the reading was taken. A moment that is
// no date refuses the save, so no reading is kept without its time.
QString Moment(ProcContext& ctx, const char* day, const char* time)
{
    const QString text = ctx.text(QLatin1String(day)).trimmed() + QLatin1Char(' ') + ctx.text(QLatin1String(time)).trimmed();
    const QDateTime value = db::ParseDateText(text.trimmed());
    if (!value.isValid())
        throw db::DbError(QStringLiteral("Conversion failed when converting date and/or time from character string: ") + text);
    return db::Quote(db::StoredDateText(value));
}

// The vital-sign columns the chart reads, under the captions its grid expects.
// (The request component's mode "4" serves other callers; the chart reads its
// own readings here so it does not wait on that component.)
void getVitalSigns(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT CONVERT(varchar(10), TRANSDATE, 101) + ' ' + CONVERT(varchar(8), TRANSDATE, 108) AS [Date / Time], "
                       "BP AS [BLOOD PRESSURE], TEMPERATURE AS Temperature, RESPRATE AS [RESPIRATORY RATE], "
                       "PULSERATE AS [Pulse RATE], O2Sat AS [Oxygen Saturation], NInitial AS Encoder, ProcItemID AS ItemID, "
                       "Protocol, Remarks, Remarks2, ScheduleTime, TransNum, TRANSDATE "
                       "FROM STATION..tbNurseVitalSigns WHERE IDNUM = %1 ORDER BY TRANSDATE DESC, TransNum DESC")
            .arg(Quoted(ctx, "@IdNum"))));
}

// Writes a new reading and hands back its number, which the chart then passes
// to the monitor marker in the same transaction.
void updateVitalSigns(ProcContext& ctx)
{
    const QStringList values{Quoted(ctx, "@IdNum"),   Moment(ctx, "@TransDate", "@TransTime"),
                             Quoted(ctx, "@BP"),      Quoted(ctx, "@Temperature"),
                             Quoted(ctx, "@PulseRate"), Quoted(ctx, "@RespRate"),
                             Quoted(ctx, "@O2Sat"),   Quoted(ctx, "@UserID"),
                             Quoted(ctx, "@Protocol"), Quoted(ctx, "@ProcItemID"),
                             Quoted(ctx, "@Status"),  Quoted(ctx, "@Remarks"),
                             Quoted(ctx, "@UserID")};
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseVitalSigns (IDNUM, TRANSDATE, BP, TEMPERATURE, PULSERATE, RESPRATE, "
                               "O2Sat, NInitial, Protocol, ProcItemID, Status, Remarks, UserID, EntryDate) VALUES (%1, GETDATE())")
                    .arg(values.join(QStringLiteral(", "))));
    ctx.addResult(ctx.open(QStringLiteral("SELECT CAST(SCOPE_IDENTITY() AS int) AS TransNum")));
}

// The ward's monitor shows a reading as pending until it is marked; the chart
// marks the reading it just wrote with the status given ('DONE').
void markForMonitor(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseVitalSigns SET Status = %1 WHERE TransNum = %2")
                    .arg(Quoted(ctx, "@Status"))
                    .arg(ctx.text(QStringLiteral("@TransNum")).trimmed().toLongLong()));
}

// The previous notes of a stay, newest first, with the note itself and its
// number so the chart can show, edit and delete the chosen one.
void getNotes(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT CONVERT(varchar(10), N.NoteDate, 101) + ' ' + CONVERT(varchar(8), N.NoteDate, 108) AS [Date / Time], "
                       "N.Shift AS [Day Shift], ISNULL(P.lastname + ', ' + P.firstname, N.UserID) AS [Entered By], "
                       "N.UserID AS [User ID], N.TransNum, N.Notes, N.NoteDate "
                       "FROM STATION..tbNurseNotes N LEFT JOIN PASSWORD..tbpasswordmain P ON P.EmployeeID = N.UserID "
                       "WHERE N.IdNum = %1 ORDER BY N.NoteDate DESC, N.TransNum DESC")
            .arg(Quoted(ctx, "@IdNum"))));
}

void saveNursingNotes(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseNotes (IdNum, NoteDate, Shift, Notes, UserID, StationID, TransDate) "
                               "VALUES (%1, %2, %3, %4, %5, %6, GETDATE())")
                    .arg(Quoted(ctx, "@IdNum"), Moment(ctx, "@NoteDate", "@NoteTime"), Quoted(ctx, "@Shift"),
                         db::Quote(ctx.text(QStringLiteral("@Notes"))), Quoted(ctx, "@UserID"), Quoted(ctx, "@StationID")));
    ctx.addResult(ctx.open(QStringLiteral("SELECT CAST(SCOPE_IDENTITY() AS int) AS TransNum")));
}

// Rewrites a note's text; only its author's note is touched, so a stale
// chart cannot overwrite a colleague's note.
void updateNurseNotes(ProcContext& ctx)
{
    qlonglong changed = 0;
    ctx.execute(QStringLiteral("UPDATE STATION..tbNurseNotes SET Notes = %1, TransDate = GETDATE() WHERE TransNum = %2 AND UserID = %3")
                    .arg(db::Quote(ctx.text(QStringLiteral("@Notes"))))
                    .arg(ctx.text(QStringLiteral("@TransNum")).trimmed().toLongLong())
                    .arg(Quoted(ctx, "@UserID")),
                &changed);
    if (changed == 0)
        throw db::DbError(QStringLiteral("The note was not found or was entered by another user."));
}

const char* const kAllergyColumns[] = {"AllergyID1", "AllergyID2", "AllergyID3", "AllergyID4", "AllergyID5"};

// One allergy row per patient (they outlast the stay): replaced whole.
void saveAllergy(ProcContext& ctx)
{
    const QString hospNum = Quoted(ctx, "@Hospnum");
    QStringList values{hospNum};
    for (const char* column : kAllergyColumns) {
        const QString code = ctx.text(QLatin1Char('@') + QLatin1String(column)).trimmed();
        values << (code.isEmpty() ? QStringLiteral("NULL") : db::Quote(code));
    }
    values << Quoted(ctx, "@Others") << Quoted(ctx, "@UserID");
    ctx.execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbMasterAllergies WHERE Hospnum = ") + hospNum);
    ctx.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMasterAllergies (Hospnum, AllergyID1, AllergyID2, AllergyID3, AllergyID4, "
                               "AllergyID5, Others, UserID, TransDate) VALUES (%1, GETDATE())")
                    .arg(values.join(QStringLiteral(", "))));
}

const char* const kProfileBoxes[] = {"M1",  "M2",  "M3",  "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "O1",  "O2",
                                     "PH1", "PH2", "PH3", "PH4", "FH1", "FH2", "FH3", "FH4", "PSH1", "PSH2", "PSH3"};
const char* const kExamColumns[] = {"PEskin",      "PEheadneck",  "PEthorax", "PEabdomen",      "PEextremeties",
                                    "PElympnodes", "PEgenitalia", "PErectal", "PEneurological", "PEOthers"};

std::vector<ProcParam> ProfileParams()
{
    std::vector<ProcParam> params{Text("@Hospnum"), Text("@IDNum")};
    for (const char* box : kProfileBoxes)
        params.push_back(Optional((QByteArray("@") + box).constData()));
    for (const char* column : kExamColumns)
        params.push_back(Optional((QByteArray("@") + column).constData()));
    params.push_back(Optional("@BriefHistory"));
    params.push_back(Optional("@UserID"));
    params.push_back(Optional("@TransDate"));
    return params;
}

// The profile of one stay, replaced whole: a box is ticked when its argument
// is "1", so a box the chart leaves out is stored unticked.
void saveProfile(ProcContext& ctx)
{
    QStringList columns{QStringLiteral("Hospnum"), QStringLiteral("IDNum")};
    QStringList values{Quoted(ctx, "@Hospnum"), Quoted(ctx, "@IDNum")};
    for (const char* box : kProfileBoxes) {
        columns << QLatin1String(box);
        values << (ctx.text(QLatin1Char('@') + QLatin1String(box)).trimmed() == QLatin1String("1") ? QStringLiteral("1")
                                                                                                   : QStringLiteral("0"));
    }
    for (const char* column : kExamColumns) {
        columns << QLatin1String(column);
        values << db::Quote(ctx.text(QLatin1Char('@') + QLatin1String(column)));
    }
    const QDateTime stamp = db::ParseDateText(ctx.text(QStringLiteral("@TransDate")).trimmed());
    columns << QStringLiteral("BriefHistory") << QStringLiteral("UserID") << QStringLiteral("TransDate");
    values << db::Quote(ctx.text(QStringLiteral("@BriefHistory"))) << Quoted(ctx, "@UserID")
           << (stamp.isValid() ? db::Quote(db::StoredDateText(stamp)) : QStringLiteral("GETDATE()"));
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbNurseProfile WHERE Hospnum = %1 AND IDNum = %2").arg(values[0], values[1]));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbNurseProfile (%1) VALUES (%2)")
                    .arg(columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

} // namespace

void RegisterNursingChartProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetVitalSigns"), {Text("@IdNum")}, getVitalSigns});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_UpdateVitalSigns"),
                              {Text("@IdNum"), Text("@TransDate"), Text("@TransTime"), Text("@BP"), Text("@Temperature"),
                               Text("@PulseRate"), Text("@RespRate"), Text("@O2Sat"), Text("@UserID"), Text("@Protocol"),
                               Optional("@ProcItemID"), Optional("@Status"), Optional("@Remarks")},
                              updateVitalSigns});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Update_MarkerForMonitor"), {Text("@TransNum"), Text("@Status")},
                              markForMonitor});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetNotes"), {Text("@IdNum")}, getNotes});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_SaveNursingNotes"),
                              {Text("@IdNum"), Text("@NoteDate"), Text("@NoteTime"), Text("@Shift"), Text("@Notes"), Text("@UserID"),
                               Optional("@StationID")},
                              saveNursingNotes});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Update_NurseNotes_New"),
                              {Text("@TransNum"), Text("@Notes"), Text("@UserID")}, updateNurseNotes});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_Save_Allergy"),
                              {Text("@Hospnum"), Optional("@AllergyID1"), Optional("@AllergyID2"), Optional("@AllergyID3"),
                               Optional("@AllergyID4"), Optional("@AllergyID5"), Optional("@Others"), Optional("@UserID")},
                              saveAllergy});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_Save_Profile"), ProfileParams(), saveProfile});
}

} // namespace server
