#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

// The arguments of sp_OR_UpdateOPDHistory, in the order the out-patient
// operation record sends them: the hospital number first, then the visit
// and its ER number; services, doctors and ICD codes 1 to 5; findings,
// medications, chief complaints; the category (OPDType) and disposition
// (OPDStatus) letters; the discharge date-time (the word Null, unquoted, when
// none was entered) and the admission date-time; diet, precaution, the reason
// of referral and where to; last the user who signed the save.
const QStringList& OpdHistoryParams()
{
    static const QStringList names{
        QStringLiteral("@HospNum"),   QStringLiteral("@IdNum"),     QStringLiteral("@ERNum"),
        QStringLiteral("@Service1"),  QStringLiteral("@Service2"),  QStringLiteral("@Service3"),
        QStringLiteral("@Service4"),  QStringLiteral("@Service5"),  QStringLiteral("@Doctor1"),
        QStringLiteral("@Doctor2"),   QStringLiteral("@Doctor3"),   QStringLiteral("@Doctor4"),
        QStringLiteral("@Doctor5"),   QStringLiteral("@Diagnosis1"), QStringLiteral("@Diagnosis2"),
        QStringLiteral("@Diagnosis3"), QStringLiteral("@Diagnosis4"), QStringLiteral("@Diagnosis5"),
        QStringLiteral("@Findings"),  QStringLiteral("@Medications"), QStringLiteral("@ChiefComplaints"),
        QStringLiteral("@OPDType"),   QStringLiteral("@OPDStatus"), QStringLiteral("@DischargeDate"),
        QStringLiteral("@AdmissionDate"), QStringLiteral("@DietID"), QStringLiteral("@PrecautionID"),
        QStringLiteral("@ReasonofReferral"), QStringLiteral("@ReferredTo"), QStringLiteral("@UserID")};
    return names;
}

QString Arg(ProcContext& ctx, const char* name)
{
    return db::Quote(ctx.text(QLatin1String(name)).trimmed());
}

// A date-time argument: null (the caller's Null) stays no date; a text that
// is no date-time is refused, so that a mistyped discharge never silently
// reopens the visit.
QString DateArg(ProcContext& ctx, const char* name, const char* what)
{
    const QVariant value = ctx.arg(QLatin1String(name));
    const QString text = value.isNull() ? QString() : value.toString().trimmed();
    if (text.isEmpty() || text.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("NULL");
    const QDateTime parsed = db::ParseDateText(text);
    if (!parsed.isValid())
        throw db::DbError(QStringLiteral("The %1 '%2' is not a date and time.").arg(QLatin1String(what), text));
    return db::Quote(db::StoredDateText(parsed));
}

// Completes the visit's out-patient history, its standing (category,
// disposition, discharge) and its emergency-master row. The history and ER
// rows are created when the visit has none yet, so that the window's later
// updates of the same rows always land.
void updateOpdHistory(ProcContext& ctx)
{
    const QString idNum = Arg(ctx, "@IdNum");
    const QString hospNum = Arg(ctx, "@HospNum");
    if (ctx.open(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = %1 AND HospNum = %2").arg(idNum, hospNum)).eof())
        throw db::DbError(QStringLiteral("The out-patient visit %1 of patient %2 does not exist.")
                              .arg(ctx.text("@IdNum").trimmed(), ctx.text("@HospNum").trimmed()));
    const QString discharge = DateArg(ctx, "@DischargeDate", "discharge date");
    const QString admission = DateArg(ctx, "@AdmissionDate", "admission date");
    const QString user = Arg(ctx, "@UserID");

    if (ctx.open(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbOutpatientHistory WHERE IDNum = %1").arg(idNum)).eof())
        ctx.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutpatientHistory (IDNum, HospNum) VALUES (%1, %2)").arg(idNum, hospNum));
    QStringList history;
    for (const char* group : {"Service", "Doctor", "Diagnosis"})
        for (int i = 1; i <= 5; ++i) {
            const QString column = QLatin1String(group) + QString::number(i);
            history << column + QStringLiteral(" = ") + db::Quote(ctx.text(QLatin1Char('@') + column).trimmed());
        }
    history << QStringLiteral("Findings = ") + Arg(ctx, "@Findings") << QStringLiteral("Medications = ") + Arg(ctx, "@Medications")
            << QStringLiteral("ChiefComplaints = ") + Arg(ctx, "@ChiefComplaints") << QStringLiteral("UserID = ") + user
            << QStringLiteral("TransDate = GETDATE()");
    ctx.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutpatientHistory SET %1 WHERE IDNum = %2").arg(history.join(QStringLiteral(", ")), idNum));

    const QString diet = ctx.text("@DietID").trimmed();
    const QString precaution = ctx.text("@PrecautionID").trimmed();
    ctx.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET OPDType = %1, OPDStatus = %2, DCRDATE = %3, AdmDate = ISNULL(%4, AdmDate), "
                               "DietID = %5, PrecautionID = %6, UserID = %7 WHERE IDNUM = %8")
                    .arg(Arg(ctx, "@OPDType"), Arg(ctx, "@OPDStatus"), discharge, admission,
                         diet.isEmpty() ? QStringLiteral("NULL") : db::Quote(diet),
                         precaution.isEmpty() ? QStringLiteral("NULL") : db::Quote(precaution), user, idNum));

    if (ctx.open(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbERMaster WHERE IDNum = %1").arg(idNum)).eof())
        ctx.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbERMaster (IDNum, HospNum, ERNum) VALUES (%1, %2, %3)")
                        .arg(idNum, hospNum, ctx.text("@ERNum").trimmed().isEmpty() ? QStringLiteral("NULL") : Arg(ctx, "@ERNum")));
    ctx.execute(QStringLiteral("UPDATE PATIENT_DATA..tbERMaster SET ReasonofReferral = %1, ReferredTo = %2, UserID = %3 WHERE IDNum = %4")
                    .arg(Arg(ctx, "@ReasonofReferral"), Arg(ctx, "@ReferredTo"), user, idNum));
}

// A change of an emergency visit's standing, kept in the ER profile log with
// who made it and when (the caller sends the server's clock, as it showed it).
void updateErProfile(ProcContext& ctx)
{
    const QString activity = ctx.text("@Activity").trimmed();
    if (activity.isEmpty())
        throw db::DbError(QStringLiteral("sp_ER_UpdateProfile needs the activity to record."));
    const QString when = DateArg(ctx, "@ActivityDate", "activity date");
    ctx.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbERProfileLog (HospNum, IDNum, Activity, UserID, ActivityDate) "
                               "VALUES (%1, %2, %3, %4, %5)")
                    .arg(Arg(ctx, "@HospNum"), Arg(ctx, "@IdNum"), db::Quote(activity), Arg(ctx, "@UserID"),
                         when == QLatin1String("NULL") ? QStringLiteral("GETDATE()") : when));
}

std::vector<ProcParam> Varchars(const QStringList& names)
{
    std::vector<ProcParam> params;
    for (const QString& name : names)
        params.push_back(ProcParam{name, QStringLiteral("varchar"), false, {}});
    return params;
}

} // namespace

void RegisterOutpatientRecordProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("sp_OR_UpdateOPDHistory"), Varchars(OpdHistoryParams()),
                              updateOpdHistory});
    registry.add(ProcedureDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("sp_ER_UpdateProfile"),
                              Varchars({QStringLiteral("@HospNum"), QStringLiteral("@IdNum"), QStringLiteral("@UserID"),
                                        QStringLiteral("@Activity"), QStringLiteral("@ActivityDate")}),
                              updateErProfile});
}

} // namespace server
