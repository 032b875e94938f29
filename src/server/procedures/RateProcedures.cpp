#include "db/SqlText.h"
#include "server/procedures/PatientFacts.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// A rate class is one letter; anything else would name no price column.
QString classLetter(const QString& text)
{
    const QString letter = text.trimmed().toUpper();
    if (letter.size() == 1 && letter.at(0) >= QLatin1Char('A') && letter.at(0) <= QLatin1Char('I'))
        return letter;
    return QStringLiteral("A");
}

// The contracted HMO price of a department's item for a rate class.
void getHMORateByClass(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT RevenueID, ItemID, RateClass, HMORate FROM BUILD_FILE..tbCoHMORate "
                                          "WHERE RevenueID = %1 AND ItemID = %2 AND RateClass = %3")
                               .arg(db::Quote(ctx.text("@RevenueID").trimmed()), db::Quote(ctx.text("@ItemID").trimmed()),
                                    db::Quote(classLetter(ctx.text("@RateClass"))))));
}

// The regular price of a department's item for a rate class, from the
// department's own price list: the laboratory, x-ray and ultrasound exam
// tables (classes A to H; class I pays the class A price there), or the
// other-revenue list of the department.
void getRateByClass(ProcContext& ctx)
{
    const QString revenue = ctx.text("@RevenueID").trimmed().toUpper();
    const QString item = db::Quote(ctx.text("@ItemID").trimmed());
    QString rateClass = classLetter(ctx.text("@RateClass"));
    QString from;
    if (revenue == QLatin1String("LB"))
        from = QStringLiteral("BUILD_FILE..tbcoLabExam WHERE LabExamID = %1").arg(item);
    else if (revenue == QLatin1String("XR"))
        from = QStringLiteral("BUILD_FILE..tbCoXrayExam WHERE XrayexamID = %1").arg(item);
    else if (revenue == QLatin1String("US"))
        from = QStringLiteral("BUILD_FILE..tbCoultraExam WHERE UltraexamID = %1").arg(item);
    if (from.isEmpty())
        from = QStringLiteral("BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = %1 AND OtherRevenueID = %2")
                   .arg(db::Quote(revenue), item);
    else if (rateClass == QLatin1String("I"))
        rateClass = QStringLiteral("A");
    ctx.addResult(ctx.open(QStringLiteral("SELECT ISNULL(Rate%1, 0) AS Rate FROM %2").arg(rateClass, from)));
}

// A doctor's professional fee for the patient's rate class.
void getDoctorsRate(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    const QString rateClass = e.found ? RateClassOf(e) : QStringLiteral("A");
    ctx.addResult(ctx.open(QStringLiteral("SELECT DoctorID, RateClass, Amount FROM BUILD_FILE..tbCoDoctorRate "
                                          "WHERE DoctorID = %1 AND RateClass = %2")
                               .arg(db::Quote(ctx.text("@DoctorID").trimmed()), db::Quote(rateClass))));
}

// The price of an operating-room procedure by its relative value: the
// procedure's RVS units times the pesos a unit is worth in the patient's rate
// class. No row when the procedure has no relative value or the class no
// unit value.
void getProcedureRUV(ProcContext& ctx)
{
    const Encounter e = FindEncounter(ctx, ctx.text("@IdNum"));
    const QString rateClass = e.found ? RateClassOf(e) : QStringLiteral("A");
    ctx.addResult(ctx.open(QStringLiteral("SELECT O.OtherRevenueID AS ProcedureID, O.RVSCode, V.Unit AS RVU, C.UnitValue, "
                                          "V.Unit * C.UnitValue AS Rate "
                                          "FROM BUILD_FILE..TbCoOtherRevenue O "
                                          "INNER JOIN MEDICARE..tbmedrvs V ON V.node_key = O.RVSCode "
                                          "INNER JOIN MEDICARE..tbRUVConversion C ON C.RateClass = %1 "
                                          "WHERE O.OtherSectionID = 'OR' AND O.OtherRevenueID = %2")
                               .arg(db::Quote(rateClass), db::Quote(ctx.text("@ProcedureID").trimmed()))));
}

ProcParam param(const char* name)
{
    return ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}};
}

} // namespace

void RegisterRateProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetHMORateByClass"),
                              {param("@RevenueID"), param("@ItemID"), param("@RateClass")}, getHMORateByClass});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetRateByClass"),
                              {param("@RevenueID"), param("@ItemID"), param("@RateClass")}, getRateByClass});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_Doctors_Rate"), {param("@DoctorID"), param("@IdNum")},
                              getDoctorsRate});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_Procedure_RUV"), {param("@IdNum"), param("@ProcedureID")},
                              getProcedureRUV});
}

} // namespace server
