#include "db/DateText.h"
#include "db/DbError.h"
#include "db/Decimal.h"
#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"
#include "server/procedures/SearchPattern.h"

#include <QStringList>

namespace server {

namespace {

std::vector<ProcParam> Params(std::initializer_list<const char*> names)
{
    std::vector<ProcParam> out;
    for (const char* name : names)
        out.push_back(ProcParam{QString::fromLatin1(name), QStringLiteral("varchar"), false, {}});
    return out;
}

// The cardiovascular crew of a case, in the order the crew window sends them.
const QStringList& CrewColumns()
{
    static const QStringList columns{QStringLiteral("Surgeon"),      QStringLiteral("AsstSurgeon"),
                                     QStringLiteral("Anesthesiologist"), QStringLiteral("AssocAnest"),
                                     QStringLiteral("Intensivist"),  QStringLiteral("Perfutionist"),
                                     QStringLiteral("ScrubNurse1"),  QStringLiteral("ScrubNurse2"),
                                     QStringLiteral("Circulator1"),  QStringLiteral("Circulator2")};
    return columns;
}

// A case is the patient's operation charge: the admission (or visit), the
// charge slip and the procedure item. The transaction date travels with the
// keys so the crew row keeps the day of the operation.
QString CaseWhere(ProcContext& ctx)
{
    return QStringLiteral("IdNum = %1 AND RefNum = %2 AND ItemID = %3")
        .arg(db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(ctx.text("@RefNum").trimmed()),
             db::Quote(ctx.text("@ItemID").trimmed()));
}

// Creates the operating-room procedure or updates the one with that code:
// the revenue item (tagged as a procedure, its rate for every room class
// the same until the build file prices it otherwise) and the procedure list.
void saveNewOrProcedure(ProcContext& ctx)
{
    const QString code = db::Quote(ctx.text("@Code").trimmed());
    const QString description = db::Quote(ctx.text("@Description").trimmed());
    const QString user = db::Quote(ctx.text("@EmployeeCode").trimmed());
    const std::optional<db::Decimal> rate = db::Decimal::parse(ctx.text("@Rate"));
    if (!rate)
        throw db::DbError(QStringLiteral("Error converting data type varchar to money."));
    const QString amount = db::SqlNumber(*rate);
    const bool exists = !ctx.open(QStringLiteral("SELECT 1 FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' "
                                                 "AND OtherRevenueID = %1").arg(code)).eof();
    if (exists)
        ctx.execute(QStringLiteral("UPDATE BUILD_FILE..TbCoOtherRevenue SET OtherRevenue = %2, SectionID = 'PRC', RateA = %3, "
                                   "UserID = %4, TransDate = GETDATE() WHERE OtherSectionID = 'OR' AND OtherRevenueID = %1")
                        .arg(code, description, amount, user));
    else
        ctx.execute(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, "
                                   "SectionID, FixRate, Unrestricted, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, "
                                   "RateI, Status, UserID, TransDate) VALUES ('OR', %1, %2, 'PRC', 'N', 1, %3, %3, %3, %3, "
                                   "%3, %3, %3, %3, %3, 'A', %4, GETDATE())")
                        .arg(code, description, amount, user));
    ctx.execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoORProcedures WHERE ItemID = %1").arg(code));
    ctx.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoORProcedures (ItemID, ItemName) VALUES (%1, %2)").arg(code, description));
}

void logUserUpdate(ProcContext& ctx)
{
    ctx.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbBuildLogUserUpdate (LogText, Module, UserID, HostName, TransDate) "
                               "VALUES (%1, %2, %3, HOST_NAME(), GETDATE())")
                    .arg(db::Quote(ctx.text("@LogText").left(1000)), db::Quote(ctx.text("@Module").trimmed()),
                         db::Quote(ctx.text("@UserID").trimmed())));
}

// The operation charges of patients tagged as cardiovascular cases: the
// procedures (operating-room items tagged PRC) on the in-patient and the
// out-patient bills, not revoked. A hospital or admission number is matched
// exactly, a last name by its beginning.
void searchCvorCases(ProcContext& ctx)
{
    const QString type = ctx.text("@SearchType").trimmed().toUpper();
    const QString key = ctx.text("@SearchKey").trimmed();
    QString where;
    if (type == QLatin1String("A"))
        where = QStringLiteral("B.HospNum = %1").arg(db::Quote(key));
    else if (type == QLatin1String("B"))
        where = QStringLiteral("B.IDNum = %1").arg(db::Quote(key));
    else if (type == QLatin1String("C"))
        where = QStringLiteral("M.LastName LIKE %1").arg(PrefixPattern(key));
    else
        throw db::DbError(QStringLiteral("Invalid search type '%1'.").arg(type));
    auto part = [&](const char* bill, const char* stay) {
        return QStringLiteral("SELECT ISNULL(M.LastName, '') + ', ' + ISNULL(M.FirstName, '') + ' ' + ISNULL(M.MiddleName, '') "
                              "AS PatientName, B.HospNum, B.IDNum, B.TransDate, B.Description AS [Procedure], B.RefNum, B.ItemID "
                              "FROM %1 B INNER JOIN %2 S ON S.IDNUM = B.IDNum "
                              "INNER JOIN PATIENT_DATA..tbmaster M ON M.HospNum = B.HospNum "
                              "INNER JOIN BUILD_FILE..TbCoOtherRevenue R ON R.OtherSectionID = 'OR' AND R.OtherRevenueID = B.ItemID "
                              "WHERE ISNULL(S.isCVOR, 0) = 1 AND B.RevenueID = 'OR' AND R.SectionID = 'PRC' "
                              "AND ISNULL(B.RecordStatus, '') <> 'R' AND %3")
            .arg(QLatin1String(bill), QLatin1String(stay), where);
    };
    ctx.addResult(ctx.open(part("BILLING..tbBillDailyBill", "PATIENT_DATA..tbPatient") + QStringLiteral(" UNION ALL ")
                           + part("BILLING..tbBillOPDailyOut", "PATIENT_DATA..tbOutPatient")
                           + QStringLiteral(" ORDER BY PatientName, TransDate DESC")));
}

void loadCvorInfo(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT TOP 1 %1, TransDate, UserID, UpdateDate FROM STATION..tbCVORInfo WHERE %2 "
                                          "ORDER BY CVORID DESC")
                               .arg(CrewColumns().join(QStringLiteral(", ")), CaseWhere(ctx))));
}

// One crew row per case: the one saved last replaces the one before.
void updateCvorInfo(ProcContext& ctx)
{
    const QDateTime when = db::ParseDateText(ctx.text("@TransDate").trimmed());
    QStringList values{db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(ctx.text("@RefNum").trimmed()),
                       db::Quote(ctx.text("@ItemID").trimmed()),
                       when.isValid() ? db::Quote(db::StoredDateText(when)) : QStringLiteral("NULL")};
    for (const QString& column : CrewColumns())
        values << db::Quote(ctx.text(QLatin1Char('@') + column).trimmed());
    values << db::Quote(ctx.text("@UserID").trimmed());
    ctx.execute(QStringLiteral("DELETE FROM STATION..tbCVORInfo WHERE %1").arg(CaseWhere(ctx)));
    ctx.execute(QStringLiteral("INSERT INTO STATION..tbCVORInfo (IdNum, RefNum, ItemID, TransDate, %1, UserID, UpdateDate) "
                               "VALUES (%2, GETDATE())")
                    .arg(CrewColumns().join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

} // namespace

void RegisterCvorProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("Save_New_ORProcedure"),
                              Params({"@Code", "@Description", "@Rate", "@EmployeeCode"}), saveNewOrProcedure});
    registry.add(ProcedureDef{QStringLiteral("BUILD_FILE"), QStringLiteral("spBuild_LogUserUpdate"),
                              Params({"@LogText", "@Module", "@UserID"}), logUserUpdate});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("SearchCVORCases"),
                              Params({"@SearchType", "@SearchKey"}), searchCvorCases});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("LoadCVORInfo"),
                              Params({"@IdNum", "@RefNum", "@ItemID"}), loadCvorInfo});
    std::vector<ProcParam> update = Params({"@IdNum", "@RefNum", "@ItemID", "@TransDate"});
    for (const QString& column : CrewColumns())
        update.push_back(ProcParam{QLatin1Char('@') + column, QStringLiteral("varchar"), false, {}});
    update.push_back(ProcParam{QStringLiteral("@UserID"), QStringLiteral("varchar"), false, {}});
    registry.add(ProcedureDef{QStringLiteral("STATION"), QStringLiteral("UpdateCVORInfo"), update, updateCvorInfo});
}

} // namespace server
