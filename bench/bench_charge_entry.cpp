// Opening "Post Charges" for a patient with 500 posted lines on the scaled
// demo hospital (about 100,000 admissions): the header, the departments and
// the posted list with each line's standing amount. Target: at most 100 ms.

#include "BenchDatabase.h"

#include "charging/frmCharge.h"
#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "server/EmbeddedServer.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QString kSlipPrefix = QStringLiteral("CBENCH");

// NURSE1 logged in on the scaled hospital with an in-patient selected who
// has 500 posted lines (400 services on the bill, 100 items on the stock
// card), a tenth of them partly reversed. The lines are the benchmark's own
// and are removed again at the end, so the kept hospital stays as it was.
struct Station {
    components::clsCurrentuser user;
    settings::clsSettings settings;
    components::ComponentSet components;

    Station()
    {
        user.PasswordDeptCode = QStringLiteral("29");
        if (!user.logIn(server::OpenEmbedded(bench::ScaledDemoPath()), QStringLiteral("NURSE1"), QStringLiteral("nurse1")))
            return;
        app::CurrentUser = &user;
        app::ProgramSettings = &settings;
        settings::LoadHospitalInfo();
        app::ProgramSettings = &settings;
        settings.LoadParameters();
        components.CreateComponents(false, QString());
        components::ComponentSet::ConnectOptions options;
        options.connection = app::SQLConnection();
        components.ConnectComponents(options);
        app::Components = &components;
        app::ORStationID = QStringLiteral("29");
        app::ORStationName = QStringLiteral("NONE");

        db::Connection& c = *app::SQLConnection();
        db::Recordset rs = c.open(QStringLiteral("SELECT TOP 1 P.IDNUM, P.HospNum, P.RoomID FROM PATIENT_DATA..tbPatient P "
                                                 "WHERE P.DCRDATE IS NULL ORDER BY P.IDNUM DESC"));
        if (rs.eof())
            return;
        app::IdNum = rs.text(QStringLiteral("IDNUM"));
        app::HospNum = rs.text(QStringLiteral("HospNum"));
        app::RoomID = rs.text(QStringLiteral("RoomID"));
        app::PatientName = QStringLiteral("BENCH, PATIENT");
        app::PatientType = QStringLiteral("I");
        removeLines();
        c.beginTrans();
        for (int i = 0; i < 500; ++i) {
            const QString slip = db::Quote(kSlipPrefix + QString::number(i / 10).rightJustified(4, QLatin1Char('0')) + QLatin1Char('O'));
            const QString item = db::Quote(QStringLiteral("BI%1").arg(i, 4, 10, QLatin1Char('0')));
            const QString amount = QString::number(100 + i) + QStringLiteral(".25");
            if (i < 400) {
                const QString values = QStringLiteral("%1, %2, %3, %4, 'OR', 'BENCH SERVICE', GETDATE(), ").arg(db::Quote(app::IdNum), db::Quote(app::HospNum), slip, item);
                c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, "
                                         "TransDate, Quantity, Amount) VALUES (") + values + QStringLiteral("1, ") + amount + QLatin1Char(')'));
                if (i % 10 == 0)
                    c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, HospNum, RefNum, ItemID, RevenueID, "
                                             "Description, TransDate, Quantity, Amount) VALUES (") + values + QStringLiteral("-1, -") + amount + QLatin1Char(')'));
            } else {
                c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockcard (IDNum, HospNum, ItemID, LocationID, RevenueID, RefNum, "
                                         "Quantity, Amount, PackageID) VALUES (%1, %2, %3, '21', 'CS', %4, 2, %5, '')")
                              .arg(db::Quote(app::IdNum), db::Quote(app::HospNum), item, slip, amount));
            }
        }
        c.commitTrans();
        ready_ = true;
    }
    ~Station() { removeLines(); }

    void removeLines()
    {
        if (!app::SQLConnection())
            return;
        const QString like = db::LikeStartingWith(kSlipPrefix);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE RefNum LIKE ") + like);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM INVENTORY..tbInvStockcard WHERE RefNum LIKE ") + like);
    }
    bool ready() const { return ready_; }

private:
    bool ready_ = false;
};

Station& station()
{
    static Station s;
    return s;
}

void BM_OpenChargeEntry(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("no patient to charge on the scaled hospital");
        return;
    }
    int lines = 0;
    for (auto _ : state) {
        charging::frmCharge* form = charging::OpenChargeForSelectedPatient();
        lines = form->postedList->lines().size();
        delete form;
    }
    state.counters["posted"] = lines;
}
BENCHMARK(BM_OpenChargeEntry)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The posted list's procedure alone: what the database takes.
void BM_ListAllORCharges(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("no patient to charge on the scaled hospital");
        return;
    }
    int rows = 0;
    for (auto _ : state)
        rows = charging::ReadPostedCharges(app::HospNum, app::IdNum, app::ORStationID).size();
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ListAllORCharges)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
