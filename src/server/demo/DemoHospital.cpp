#include "server/EmbeddedServer.h"

#include "server/EmbeddedBackend.h"

#include "server/demo/DemoCatalog.h"
#include "server/demo/DemoSteps.h"

namespace server {

namespace {

// The demo is dated from the server's day, so that it always looks current and
// a test that fixes the server clock gets the same rows every time.
QDate serverDay(db::Connection& connection)
{
    db::Recordset rs = connection.open(QStringLiteral("select GETDATE() AS Tdate"));
    QDate day = rs.eof() ? QDate() : rs.field(QStringLiteral("Tdate")).toDateTime().date();
    return day.isValid() ? day : QDate::currentDate();
}

// Demo rows are made from nothing and made again after a crash, so their
// many commits need not wait for the disk as a nurse's saves do.
void setSynchronous(db::Connection& connection, const char* mode)
{
    if (EmbeddedBackend* backend = AsEmbedded(connection))
        backend->executeNative(QStringLiteral("PRAGMA synchronous = ") + QLatin1String(mode));
}

void fill(db::Connection& connection, int scale)
{
    const demo::DemoCatalog catalog = demo::DemoCatalog::Build(scale, serverDay(connection));
    const demo::DemoContext context{connection, catalog};
    demo::WriteSettings(context);
    demo::WriteBuildFile(context);
    demo::WriteStationTables(context);
    demo::WriteCaseRates(context);
    demo::WritePriceLists(context);
    demo::WriteUsers(context);
    demo::WriteInventory(context);
    demo::WriteChargingStock(context);
    demo::WriteChargeEntry(context);
    demo::WritePatients(context);
    demo::WriteSchedule(context);
    demo::WriteResults(context);
    demo::WriteChartResults(context);
    demo::WriteLabHeartResults(context);
    demo::WriteBilling(context);
    demo::WriteRateTables(context);
    demo::WriteOutpatientRecords(context); // after the schedule, whose bookings it fits between
    demo::WriteOperationRecordDetails(context); // after the rate tables: it reads the procedures' relative values
    demo::WritePatientStanding(context);
    demo::WriteCreditLines(context);
    demo::WriteAdmissionTypes(context);
    demo::WriteNursingPreOpDocuments(context);
    demo::WriteConsents(context);
    demo::WriteSurgicalSafetyChecklists(context);
    demo::WriteNursingChart(context);
    demo::WriteCvorCases(context);
    demo::WriteSupplyRequests(context);
}

} // namespace

void CreateDemoHospital(db::Connection& connection, int scale)
{
    setSynchronous(connection, "OFF");
    try {
        fill(connection, scale);
    } catch (...) {
        setSynchronous(connection, "FULL");
        throw;
    }
    setSynchronous(connection, "FULL");
}

} // namespace server
