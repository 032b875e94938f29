// Sending a 20-line order list from the chart on the scaled demo hospital
// (about 100,000 admissions): laboratory, x-ray, ultrasound, CT, heart station
// and physical therapy rows, the laboratory and x-ray charged at once, the
// laboratory registered and its request form rows written, all in the one
// send. Target: at most 150 ms per list.

#include "BenchDatabase.h"

#include "chart/requests/OrdersModel.h"
#include "chart/requests/SendRequests.h"
#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "server/EmbeddedServer.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// The nurse says yes; a failure's message is kept and stops the benchmark.
class YesPrompts : public shell::Prompts {
public:
    void message(const QString& text, const QString&, shell::PromptIcon) override { last = text; }
    bool ask(const QString&, const QString&, shell::PromptIcon) override { return true; }
    shell::SaveChoice askSave(const QString&, const QString&) override { return shell::SaveChoice::Cancel; }
    int exec(QDialog&) override { return 0; }
    QString chooseFile(const QString&, const QString&, bool) override { return QString(); }
    QString last;
};

struct Station {
    components::clsCurrentuser user;
    components::ComponentSet components;
    settings::clsSettings settings;
    YesPrompts prompts;
    chart::ChartPatient patient;
    std::vector<chart::requests::OrderRow> rows;

    Station()
    {
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(bench::ScaledDemoPath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        app::ProgramSettings = &settings;
        components.CreateComponents(false, QString());
        components::ComponentSet::ConnectOptions options;
        options.connection = app::SQLConnection();
        if (!components.ConnectComponents(options))
            return;
        app::Components = &components;
        app::StationCode = QStringLiteral("OR");
        app::ORStationID = QStringLiteral("29");
        app::PatientType = QStringLiteral("I");
        settings.LoadParameters();
        app::Hospital().IsLBDirectCharging = true;
        app::Hospital().IsXRDirectCharging = true;
        shell::Prompts::install(&prompts);
        reports::SetViewerFactory([](const reports::ViewerRequest&) {});
        db::Connection& c = *app::SQLConnection();
        const db::Recordset stay = c.open(QStringLiteral("SELECT TOP 1 P.IDNUM, P.HOSPNUM FROM PATIENT_DATA..tbPatient P WHERE P.DCRDATE IS NULL "
                                                         "AND P.BillingDate IS NULL AND NOT EXISTS (SELECT 1 FROM STATION..TBNURSEDISCHARGENOTICE N "
                                                         "WHERE N.IDNUM = P.IDNUM) ORDER BY P.IDNUM"));
        patient.idNum = stay.text(QStringLiteral("IDNUM")).trimmed();
        patient.hospNum = stay.text(QStringLiteral("HOSPNUM")).trimmed();
        patient.name = QStringLiteral("BENCH, PATIENT");
        patient.admittingDiagnosis = QStringLiteral("PNEUMONIA");
        const std::pair<const char*, int> mix[] = {{"LB", 8}, {"XR", 4}, {"US", 3}, {"CT", 2}, {"HS", 2}, {"PT", 1}};
        for (const auto& [department, count] : mix) {
            const QString d = QLatin1String(department);
            QString sql;
            if (d == QLatin1String("LB"))
                sql = QStringLiteral("SELECT TOP %1 LabExamID AS Code, LabExam AS Name, LabSectionID AS Section, RateA AS Price FROM BUILD_FILE..tbcoLabExam ORDER BY LabExamID");
            else if (d == QLatin1String("XR"))
                sql = QStringLiteral("SELECT TOP %1 XrayexamID AS Code, XrayExam AS Name, '' AS Section, RateA AS Price FROM BUILD_FILE..tbCoXrayExam ORDER BY XrayexamID");
            else if (d == QLatin1String("US"))
                sql = QStringLiteral("SELECT TOP %1 UltraexamID AS Code, UltraExam AS Name, '' AS Section, RateA AS Price FROM BUILD_FILE..tbCoultraExam ORDER BY UltraexamID");
            else
                sql = QStringLiteral("SELECT TOP %1 OtherRevenueID AS Code, OtherRevenue AS Name, OtherSectionID AS Section, RateA AS Price "
                                     "FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = ") + db::Quote(d) + QStringLiteral(" ORDER BY OtherRevenueID");
            for (db::Recordset rs = c.open(sql.arg(count)); !rs.eof(); rs.moveNext()) {
                chart::requests::OrderRow row;
                row.department = d;
                row.code = rs.text(QStringLiteral("Code")).trimmed();
                row.description = rs.text(QStringLiteral("Name")).trimmed();
                row.section = rs.text(QStringLiteral("Section")).trimmed();
                row.amount = rs.field(QStringLiteral("Price")).toMoney();
                row.unitPrice = row.amount;
                row.stat = rows.size() % 5 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
                row.doctorId = QStringLiteral("D001");
                rows.push_back(row);
            }
        }
    }
    bool ready() const { return app::CurrentUser == &user && rows.size() == 20 && !patient.idNum.isEmpty(); }

    // Takes the benchmark's requests and charges off again, so that runs do
    // not pile requests on the patient.
    void removeRequests(const QStringList& numbers)
    {
        db::Connection& c = *app::SQLConnection();
        for (qsizetype from = 0; from < numbers.size(); from += 200) {
            QStringList quoted;
            for (const QString& n : numbers.mid(from, 200))
                quoted << db::Quote(n);
            const QString in = QStringLiteral(" IN (") + quoted.join(QLatin1Char(',')) + QLatin1Char(')');
            c.execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE IDNum = ") + db::Quote(patient.idNum) + QStringLiteral(" AND Remarks") + in);
            c.execute(QStringLiteral("DELETE FROM STATION..tbNurseCommunicationFile WHERE RequestNum") + in);
            c.execute(QStringLiteral("DELETE FROM STATION..tbNurseLogBook WHERE RequestNum") + in);
        }
        c.execute(QStringLiteral("DELETE FROM STATION..tbNurse_StatRequest WHERE UserID = 'NURSE1'"));
        c.execute(QStringLiteral("DELETE FROM STATION..tbNurse_DepartmentCharging WHERE UserID = 'NURSE1'"));
        c.execute(QStringLiteral("DELETE FROM LABORATORY..tbLabRequestForm WHERE UserID = 'NURSE1'"));
    }
};

Station& station()
{
    static Station s;
    return s;
}

void BM_SendTwentyLineOrderList(benchmark::State& state)
{
    Station& s = station();
    if (!s.ready()) {
        state.SkipWithError("log-in refused or the scaled hospital lacks the exams of the order list");
        return;
    }
    QStringList numbers;
    for (auto _ : state) {
        state.PauseTiming();
        chart::requests::OrdersModel orders;
        for (const chart::requests::OrderRow& row : s.rows)
            orders.append(row);
        state.ResumeTiming();
        chart::requests::SendRequests send(s.patient);
        if (!send.Send(orders)) {
            state.SkipWithError(qPrintable(s.prompts.last));
            break;
        }
        numbers << send.requestNumbers();
    }
    s.removeRequests(numbers);
    state.counters["lines"] = static_cast<double>(s.rows.size());
}
BENCHMARK(BM_SendTwentyLineOrderList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
