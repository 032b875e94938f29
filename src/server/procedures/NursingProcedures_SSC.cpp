#include "db/DateText.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

// The arguments of Nurse_SSC, in the order the checklist window sends them.
const QStringList& SscParams()
{
    static const QStringList names{
        QStringLiteral("@IdNum"),          QStringLiteral("@SurgeonSignIn"),   QStringLiteral("@AnesthesiologistSignIn"),
        QStringLiteral("@NurseSignIn"),    QStringLiteral("@SurgeonTimeOut"),  QStringLiteral("@AnesthesiologistTimeOut"),
        QStringLiteral("@NurseTimeOut"),   QStringLiteral("@SurgeonSignOut"),  QStringLiteral("@AnesthesiologistSignOut"),
        QStringLiteral("@NurseSignOut"),   QStringLiteral("@Operation"),       QStringLiteral("@ChkBoxes"),
        QStringLiteral("@SignIn"),         QStringLiteral("@TimeOut"),         QStringLiteral("@SignOut"),
        QStringLiteral("@UserID")};
    return names;
}

// A pause's date-time as the window writes it ("mm/dd/yyyy hh:mm:ss AM"); a
// text that is no date-time is stored as no date rather than refused, so a
// checklist is never lost over one unreadable time.
QString DateValue(const QString& text)
{
    const QDateTime value = db::ParseDateText(text.trimmed());
    return value.isValid() ? db::Quote(db::StoredDateText(value)) : QStringLiteral("NULL");
}

// Keeps one checklist per admission: the previous one is replaced whole by
// the values sent, stamped with who saved it and when.
void saveSurgicalSafetyChecklist(ProcContext& ctx)
{
    const QString idNum = db::Quote(ctx.text("@IdNum").trimmed());
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbORSSC WHERE IDNum = %1").arg(idNum));
    QStringList values{idNum};
    for (int i = 1; i <= 11; ++i)
        values << db::Quote(ctx.text(SscParams().at(i)));
    values << DateValue(ctx.text("@SignIn")) << DateValue(ctx.text("@TimeOut")) << DateValue(ctx.text("@SignOut"))
           << db::Quote(ctx.text("@UserID"));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbORSSC (IDNum, SurgeonSignIn, AnesthesiologistSignIn, NurseSignIn, "
                               "SurgeonTimeOut, AnesthesiologistTimeOut, NurseTimeOut, SurgeonSignOut, "
                               "AnesthesiologistSignOut, NurseSignOut, Operation, ChkBoxes, SignIn, TimeOut, SignOut, "
                               "UserID, TransDate) VALUES (%1, GETDATE())")
                    .arg(values.join(QStringLiteral(", "))));
}

} // namespace

void RegisterSscProcedures(ProcedureRegistry& registry)
{
    std::vector<ProcParam> params;
    for (const QString& name : SscParams())
        params.push_back(ProcParam{name, QStringLiteral("varchar"), false, {}});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Nurse_SSC"), params, saveSurgicalSafetyChecklist});
}

} // namespace server
