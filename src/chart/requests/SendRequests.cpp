#include "chart/requests/SendRequests.h"

#include "chart/requests/Departments.h"
#include "chart/requests/OrdersModel.h"
#include "chart/requests/RequestGate.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

#include <QRegularExpression>
#include <set>

namespace chart::requests {

namespace {

QString userId()
{
    return app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
}

QString args(const QStringList& values)
{
    QStringList quoted;
    for (const QString& v : values)
        quoted << db::Quote(v);
    return quoted.join(QLatin1Char(','));
}

db::Decimal money(db::Connection& c, const QString& sql, const QString& column)
{
    const db::Recordset rs = c.open(sql);
    return rs.eof() ? db::Decimal() : rs.field(column).toMoney();
}

// "1234.5" as the station shows a balance: to the centavo, no trailing zeros.
QString balanceText(const db::Decimal& value)
{
    QString text = value.rounded(2).value_or(value).toString();
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

// The departments whose charging procedure runs after the rows, in the
// order they are charged, with the procedure call of each.
QString chargingCall(const QString& department, const QString& user, const QString& idNum)
{
    const QString two = args({user, idNum});
    if (department == QLatin1String("XR"))
        return QStringLiteral("STATION..sp_Nurse_Save_XRCharging ") + two;
    if (department == QLatin1String("US"))
        return QStringLiteral("STATION..sp_Nurse_Save_USCharging ") + two;
    if (department == QLatin1String("CT"))
        return QStringLiteral("STATION..sp_Nurse_Save_CTCharging ") + two;
    if (department == QLatin1String("HS"))
        return QStringLiteral("STATION..sp_Nurse_Save_HSCharging ") + two;
    return QString();
}

} // namespace

SendRequests::SendRequests(ChartPatient patient) : patient_(std::move(patient)) {}

QString SendRequests::CreditRefusal(const QString& idNum, const db::Decimal& ordersTotal)
{
    // Only admissions carry a credit line; a visit number ends in a letter.
    static const QRegularExpression numeric(QStringLiteral("^\\d+$"));
    if (!app::ProgramSettings || !app::ProgramSettings->CheckCredLim() || !numeric.match(idNum.trimmed()).hasMatch())
        return QString();
    db::Connection* c = app::SQLConnection();
    if (!c)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    const QString id = db::Quote(idNum.trimmed());
    const db::Decimal bill = money(*c, QStringLiteral("select isnull(sum(Amount), 0) as TotalCurrentBill from BILLING..tbBillDailyBill where  IDNum = ") + id,
                                   QStringLiteral("TotalCurrentBill"));
    const db::Decimal pending = money(*c, QStringLiteral("select isnull(sum(Amount), 0) as TotalPendingCurrentBill from STATION..tbNurseLogBook WHERE IDnum =  ")
                                              + id + QStringLiteral(" and RecordStatus = ''"),
                                      QStringLiteral("TotalPendingCurrentBill"));
    const db::Decimal creditLine = money(*c, QStringLiteral("select isnull(CreditLine, 0) as CreditLine from PATIENT_DATA..tbpatient2 where IDNum = ") + id,
                                         QStringLiteral("CreditLine"));
    const std::optional<db::Decimal> billed = db::Decimal::add(bill, pending);
    const std::optional<db::Decimal> wanted = billed ? db::Decimal::add(*billed, ordersTotal) : std::nullopt;
    if (!wanted)
        throw db::DbError(QStringLiteral("Arithmetic overflow error converting expression to data type money."));
    if (!(creditLine < *wanted))
        return QString();
    return QStringLiteral("Credit amount not enough. Remaining credit balance is ")
           + balanceText(db::Decimal::subtract(creditLine, *billed).value_or(db::Decimal()));
}

bool SendRequests::Send(OrdersModel& orders)
{
    requestNumbers_.clear();
    printGroup_.clear();
    bool mayGoOn = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { mayGoOn = RequestGate::MaySend(patient_); }) || !mayGoOn)
        return false;
    if (orders.isEmpty()) {
        shell::Notify(QStringLiteral("No data to save."));
        return false;
    }
    QString credit;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { credit = CreditRefusal(patient_.idNum, orders.total()); }))
        return false;
    if (!credit.isEmpty()) {
        shell::Notify(credit, shell::PromptIcon::Exclamation);
        return false;
    }
    if (!shell::Confirm(QStringLiteral("Do you want to save and send the request(s)?"))) {
        shell::Notify(QStringLiteral("Entered request(s) were not saved! "));
        return false;
    }
    QStringList numbers;
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            requestNumbers_.clear();
            store(c, orders);
            numbers = requestNumbers_;
        })) {
        requestNumbers_.clear();
        return false;
    }
    requestNumbers_ = numbers;
    bool laboratory = false;
    bool stat = false;
    for (const OrderRow& row : orders.rows()) {
        if (row.department == QLatin1String("LB")) {
            laboratory = true;
            stat = stat || row.stat == QLatin1String("Y");
        }
    }
    orders.clear();
    if (laboratory)
        printLaboratoryForm(stat);
    return true;
}

void SendRequests::store(db::Connection& c, OrdersModel& orders)
{
    const QString user = userId();
    const QString id = patient_.idNum.trimmed();
    c.execute(QStringLiteral("DELETE STATION..tbNurse_StatRequest Where UserID = ") + db::Quote(user));
    c.execute(QStringLiteral("DELETE STATION..tbNurse_DepartmentCharging Where UserID = ") + db::Quote(user));
    const db::Recordset clock = c.open(QStringLiteral("SELECT GETDATE() AS Now"));
    const QString now = RequestTimeText(clock.field(QStringLiteral("Now")).toDateTime());
    const bool scheduled = app::ProgramSettings && app::ProgramSettings->ShowSchedExamReq();
    const bool skipIncluded = app::ProgramSettings && app::ProgramSettings->DontPrintToInclude();
    std::set<QString> present;
    for (const OrderRow& row : orders.rows()) {
        QStringList values{patient_.hospNum, id, patient_.outPatient() ? QStringLiteral("O") : QStringLiteral("I"), row.code,
                           db::SqlNumber(row.amount), db::SqlNumber(row.quantity), QString(), row.section, now, row.department,
                           row.doctorId, QString(), user, row.remarks, row.description, row.stat, row.specimen, row.transplant,
                           row.dialysis, row.reason, app::ORStationID, row.toInclude ? QStringLiteral("1") : QStringLiteral("0"),
                           row.portable ? QStringLiteral("1") : QStringLiteral("0"), row.physiatristId,
                           row.cashBasisBypass ? QStringLiteral("1") : QString(), row.doctorName};
        if (scheduled)
            values << (row.schedule.isValid() ? RequestTimeText(row.schedule) : QString());
        c.execute(QStringLiteral("STATION..Nurse_AppendNurseLogBook ") + args(values));
        const db::Recordset number = c.open(QStringLiteral("Select TOP 1 Isnull(Requestnum,'') Requestnum From STATION..tbNurseCommunicationFile Where IDNum =")
                                            + db::Quote(id) + QStringLiteral(" and RevenueID =") + db::Quote(row.department)
                                            + QStringLiteral(" and ItemID = ") + db::Quote(row.code)
                                            + QStringLiteral(" and Isnull(RecordStatus,'') = '' ORDER BY CommID DESC"));
        const QString requestNum = number.eof() ? QString() : number.text(QStringLiteral("Requestnum")).trimmed();
        if (requestNum.isEmpty())
            throw db::DbError(QStringLiteral("The request of ") + row.description + QStringLiteral(" was not given a number."));
        requestNumbers_ << requestNum;
        if (row.department == QLatin1String("LB")) {
            const bool included = skipIncluded && c.open(QStringLiteral("select 1 AS X from station..tbNurseCommunicationFile where requestnum = ")
                                                         + db::Quote(requestNum) + QStringLiteral(" and isnull(toinclude,0) = 1"))
                                                      .eof() == false;
            if (!included)
                c.execute(QStringLiteral("STATION..sp_Nurse_SaveStatRequest ")
                          + args({row.code, row.specimen, row.section, user, row.stat, now, app::ORStationID, requestNum}));
        }
        present.insert(row.department);
        if (row.cashBasisBypass)
            c.execute(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo ")
                      + args({id, row.department, row.code, db::SqlNumber(row.amount), user, QStringLiteral("1"), requestNum,
                              row.description + QStringLiteral(" Note: By pass Cash Basis Condition For STAT Request.")}));
    }
    // The departments the hospital charges at once turn the batch into their
    // charge slips inside the same transaction.
    if (present.count(QStringLiteral("LB")) && ChargedAtSending(QStringLiteral("LB"))) {
        c.execute(QStringLiteral("STATION..sp_Nurse_Get_RequestNum_ReferenceNum ") + args({id, QString(), QString(), QString()}));
        c.execute(QStringLiteral("LABORATORY..Lab_NurseCharging2 ") + db::Quote(id));
        c.execute(QStringLiteral("STATION..sp_Nurse_Get_RequestNum_ReferenceNum ") + args({id, user, app::ORStationID, QStringLiteral("X")}));
    }
    for (const char* department : {"XR", "US", "CT", "HS"}) {
        const QString code = QLatin1String(department);
        if (present.count(code) && ChargedAtSending(code))
            c.execute(chargingCall(code, user, id));
    }
}

void SendRequests::printLaboratoryForm(bool stat)
{
    const QString user = userId();
    bool printed = false;
    const bool written = shell::SaveTransaction::Run([&](db::Connection& c) {
        printed = false;
        db::Recordset rows = c.open(QStringLiteral("STATION..sp_Nurse__GetLabStatRequest_RequestNumber ") + args({user, patient_.idNum}));
        if (rows.eof())
            return;
        const db::Recordset group = c.open(QStringLiteral("SELECT ISNULL(MAX(PrintGroup), 1) AS G FROM STATION..tbNurseLabPrintGroup"));
        const QString printGroup = QString::number(group.field(QStringLiteral("G")).toLongLong());
        c.execute(QStringLiteral("UPDATE STATION..tbNurseLabPrintGroup SET PrintGroup = ") + QString::number(printGroup.toLongLong() + 1));
        c.execute(QStringLiteral("LABORATORY..Lab_CleanUp_tbLabRequestForm ") + db::Quote(user));
        const QString now = RequestTimeText(c.open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime());
        for (; !rows.eof(); rows.moveNext()) {
            const QString request = rows.text(QStringLiteral("RequestNum")).trimmed();
            c.execute(QStringLiteral("LABORATORY..Lab_SaveRequestForm ")
                      + args({QStringLiteral("NS"), user, patient_.idNum, rows.text(QStringLiteral("SectionID")),
                              rows.text(QStringLiteral("ExamID")), rows.text(QStringLiteral("SpecimenID")), rows.text(QStringLiteral("Stat")),
                              request, RequestTimeText(rows.field(QStringLiteral("RequestDate")).toDateTime()),
                              TransplantLabel(rows.text(QStringLiteral("TransplantID"))), DialysisLabel(rows.text(QStringLiteral("DialysisID"))),
                              now}));
            c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET PRINTGROUP =") + db::Quote(printGroup)
                      + QStringLiteral(" WHERE REQUESTNUM = ") + db::Quote(request) + QStringLiteral(" AND REVENUEID = 'LB'"));
        }
        printGroup_ = printGroup;
        printed = true;
    });
    if (written && printed)
        PrintLabRequestForm(QStringLiteral("\\Reports\\LabRequestForm.RPT"), QStringLiteral("LABORATORY REQUEST FORM"), patient_, stat);
}

void PrintLabRequestForm(const QString& report, const QString& title, const ChartPatient& patient, bool stat)
{
    if (!reports::OpenReport(report, {userId(), patient.idNum, title, stat ? QStringLiteral("STAT") : QStringLiteral("ROUTINE")}))
        return;
    reports::ShowReport(false, title);
}

} // namespace chart::requests
