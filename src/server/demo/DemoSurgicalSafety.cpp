#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

#include <QStringList>

namespace server::demo {

namespace {

// The checks as the checklist window packs them: ":;" and "1" or "0" per box.
QString packedChecks(const QString& ticks)
{
    QString packed;
    for (QChar tick : ticks)
        packed += QStringLiteral(":;") + tick;
    return packed;
}

void writeRows(const DemoContext& context, const std::vector<const EncounterPlan*>& stays, const QDate& day)
{
    BatchInsert rows(context.connection, QStringLiteral("STATION..tbORSSC"),
                     {QStringLiteral("IDNum"), QStringLiteral("SurgeonSignIn"), QStringLiteral("AnesthesiologistSignIn"),
                      QStringLiteral("NurseSignIn"), QStringLiteral("SurgeonTimeOut"),
                      QStringLiteral("AnesthesiologistTimeOut"), QStringLiteral("NurseTimeOut"),
                      QStringLiteral("SurgeonSignOut"), QStringLiteral("AnesthesiologistSignOut"),
                      QStringLiteral("NurseSignOut"), QStringLiteral("Operation"), QStringLiteral("SignIn"),
                      QStringLiteral("TimeOut"), QStringLiteral("SignOut"), QStringLiteral("ChkBoxes"),
                      QStringLiteral("UserID"), QStringLiteral("TransDate")});
    const QString surgeon = QStringLiteral("DR. RAMON DELA PAZ");
    const QString anesthesiologist = QStringLiteral("DR. TERESA VILLANUEVA");
    const QString nurse = QStringLiteral("MARIA SANTOS, RN");
    rows.add({Text(stays[0]->idNum), Text(surgeon), Text(anesthesiologist), Text(nurse), Text(surgeon),
              Text(anesthesiologist), Text(nurse), Text(surgeon), Text(anesthesiologist), Text(nurse),
              Text(QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY")), Stamp(QDateTime(day, QTime(8, 5))),
              Stamp(QDateTime(day, QTime(8, 40))), Stamp(QDateTime(day, QTime(10, 15))),
              Text(packedChecks(QStringLiteral("111111101010111011111101111111"))), Text(QStringLiteral("NURSE1")),
              Stamp(QDateTime(day, QTime(10, 20)))});
    if (stays.size() > 1)
        rows.add({Text(stays[1]->idNum), Text(surgeon), Text(anesthesiologist), Text(nurse), Null(), Null(), Null(),
                  Null(), Null(), Null(), Text(QStringLiteral("OPEN REDUCTION, INTERNAL FIXATION, LEFT RADIUS")),
                  Stamp(QDateTime(day, QTime(13, 30))), Null(), Null(),
                  Text(packedChecks(QStringLiteral("1111111010101"))), Text(QStringLiteral("NURSE1")),
                  Stamp(QDateTime(day, QTime(13, 35)))});
    rows.flush();
}

} // namespace

void WriteSurgicalSafetyChecklists(const DemoContext& context)
{
    // The first two in-patients still in the hospital: one finished checklist
    // (all three pauses) and one whose team has only signed in so far.
    std::vector<const EncounterPlan*> stays;
    for (const EncounterPlan& stay : context.catalog.encounters) {
        if (stay.kind == EncounterKind::InPatient && stay.isOpen() && !stay.revoked)
            stays.push_back(&stay);
        if (stays.size() == 2)
            break;
    }
    if (stays.empty())
        return;
    const QDate day = context.catalog.today;
    InTransaction(context.connection, [&] { writeRows(context, stays, day); });
}

} // namespace server::demo
