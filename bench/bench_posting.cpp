// Posting one charge slip on the scaled demo hospital (about 100,000
// admissions): 15 drugs and supplies through the stock card and 15 services
// through the charging procedure, the slip number drawn first, everything in
// the one save. Target: at most 150 ms per slip.

#include "BenchDatabase.h"

#include "charging/PostCharges.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "server/EmbeddedServer.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// A posting that fails must not wait for a click: its message is kept and
// the benchmark stops with it.
class HeldPrompts : public shell::Prompts {
public:
    void message(const QString& text, const QString&, shell::PromptIcon) override { last = text; }
    bool ask(const QString& text, const QString&, shell::PromptIcon) override
    {
        last = text;
        return false;
    }
    shell::SaveChoice askSave(const QString&, const QString&) override { return shell::SaveChoice::Cancel; }
    int exec(QDialog&) override { return 0; }
    QString chooseFile(const QString&, const QString&, bool) override { return QString(); }
    QString last;
};

struct Station {
    components::clsCurrentuser user;
    settings::clsSettings settings;
    HeldPrompts prompts;
    charging::ChargePosting posting;
    QList<charging::ChargeLine> lines;

    Station()
    {
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(bench::ScaledDemoPath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        app::ProgramSettings = &settings;
        app::StationCode = QStringLiteral("OR");
        settings.LoadParameters();
        shell::Prompts::install(&prompts);
        db::Connection& c = *app::SQLConnection();

        const db::Recordset stay = c.open(QStringLiteral("SELECT TOP 1 IDNUM, HOSPNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL "
                                                         "ORDER BY IDNUM DESC"));
        posting.idNum = stay.text(QStringLiteral("IDNUM"));
        posting.hospNum = stay.text(QStringLiteral("HOSPNUM"));
        posting.patientType = QStringLiteral("I");
        posting.room = QStringLiteral("228");
        posting.departmentLabel = QStringLiteral("OPERATING ROOM");
        posting.userId = QStringLiteral("NURSE1");
        posting.serverTime = QDateTime::currentDateTime();

        db::Recordset stock = c.open(QStringLiteral("SELECT TOP 15 L.ItemID, M.ItemName FROM INVENTORY..tbInvItemLocation L "
                                                    "JOIN INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID WHERE L.LocationID = '22' ORDER BY L.ItemID"));
        for (; !stock.eof(); stock.moveNext()) {
            charging::ChargeLine line;
            line.departmentCode = QStringLiteral("PH");
            line.itemId = stock.text(QStringLiteral("ItemID"));
            line.description = stock.text(QStringLiteral("ItemName"));
            line.location = QStringLiteral("22");
            line.quantity = db::Decimal::fromInteger(2);
            line.amount = *db::Decimal::parse(u"245.50");
            lines << line;
        }
        db::Recordset services = c.open(QStringLiteral("SELECT TOP 15 OtherRevenueID, OtherRevenue FROM BUILD_FILE..TbCoOtherRevenue "
                                                       "WHERE OtherSectionID = 'OR' ORDER BY OtherRevenueID"));
        for (; !services.eof(); services.moveNext()) {
            charging::ChargeLine line;
            line.departmentCode = QStringLiteral("OR");
            line.itemId = services.text(QStringLiteral("OtherRevenueID"));
            line.description = services.text(QStringLiteral("OtherRevenue"));
            line.quantity = db::Decimal::fromInteger(1);
            line.amount = *db::Decimal::parse(u"3850.75");
            lines << line;
        }
    }
    bool ready() const { return app::CurrentUser == &user && lines.size() == 30; }

    // Takes the benchmark's postings off the bills, the stock card and the
    // request log and puts the stock back, so that runs do not pile lines on
    // the patient the charge-entry benchmark opens.
    void removePostings(const QStringList& slips)
    {
        db::Connection& c = *app::SQLConnection();
        for (qsizetype from = 0; from < slips.size(); from += 200) {
            QStringList quoted;
            for (const QString& slip : slips.mid(from, 200))
                quoted << db::Quote(slip);
            const QString in = QStringLiteral(" IN (") + quoted.join(QLatin1Char(',')) + QLatin1Char(')');
            c.execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE RefNum") + in);
            c.execute(QStringLiteral("DELETE FROM INVENTORY..tbInvStockcard WHERE RefNum") + in);
            c.execute(QStringLiteral("DELETE FROM STATION..tbNurseLogBook WHERE REFERENCENUM") + in);
        }
        for (const charging::ChargeLine& line : lines)
            if (line.isStockLine())
                c.execute(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = OnHand + %1 WHERE ItemID = %2 AND LocationID = %3")
                              .arg(db::SqlNumber(*db::Decimal::multiply(line.quantity, db::Decimal::fromInteger(slips.size()))),
                                   db::Quote(line.itemId), db::Quote(line.location)));
    }
};

Station& station()
{
    static Station s;
    return s;
}

void BM_PostThirtyLineSlip(benchmark::State& state)
{
    Station& s = station();
    if (!s.ready()) {
        state.SkipWithError("log-in refused or the scaled hospital lacks 15 stock items and 15 services");
        return;
    }
    QStringList slips;
    for (auto _ : state) {
        const QString slip = charging::PostCharges(s.posting, s.lines, {}, QStringLiteral("Operating Room"));
        if (slip.isEmpty()) {
            state.SkipWithError(qPrintable(s.prompts.last));
            break;
        }
        slips << slip;
    }
    s.removePostings(slips);
    state.counters["lines"] = s.lines.size();
}
BENCHMARK(BM_PostThirtyLineSlip)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
