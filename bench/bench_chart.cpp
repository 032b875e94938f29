// Opening the clinical chart with every page loaded for an in-patient with 200
// released readings, 300 vital signs and 100 nurses' notes on the scaled demo
// hospital (about 100,000 admissions): header, banner, the results of every
// department, laboratory, heart station, requests, the schedule request,
// vital signs with their trend, notes, profile and the station reports.
// Target: at most 300 ms.

#include "BenchDatabase.h"

#include "chart/ChartPanel.h"
#include "chart/final/frmFinal.h"
#include "chart/labheart/LabHeartPanels.h"
#include "chart/nursing/NursingPanels.h"
#include "chart/requests/RequestsPanel.h"
#include "chart/results/RadiologyResultsPanel.h"
#include "chart/results/ResultArea.h"
#include "chart/schedule/ScheduleRequestPanel.h"
#include "components/ComponentSet.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "server/EmbeddedServer.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <benchmark/benchmark.h>

namespace {

const QString kPrefix = QStringLiteral("CHBENCH");

// NURSE1 logged in with an in-patient selected who has 200 readings spread
// over the departments. The readings are the benchmark's own and are removed
// again at the end, so the kept hospital stays as it was.
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
        settings.LoadParameters();
        components.CreateComponents(false, QString());
        components::ComponentSet::ConnectOptions options;
        options.connection = app::SQLConnection();
        components.ConnectComponents(options);
        app::Components = &components;

        db::Connection& c = *app::SQLConnection();
        db::Recordset rs = c.open(QStringLiteral("SELECT TOP 1 P.IDNUM, P.HospNum FROM PATIENT_DATA..tbPatient P "
                                                 "WHERE P.DCRDATE IS NULL ORDER BY P.IDNUM DESC"));
        if (rs.eof())
            return;
        app::IdNum = rs.text(QStringLiteral("IDNUM"));
        app::HospNum = rs.text(QStringLiteral("HospNum"));
        app::PatientType = QStringLiteral("I");
        removeReadings();
        const char* const imaging[] = {"XR", "US", "CT", "MR", "WC", "NU"};
        const char* const ancillary[] = {"PT", "PU", "NE"};
        c.beginTrans();
        for (int i = 0; i < 200; ++i) {
            const QString number = db::Quote(kPrefix + QString::number(i).rightJustified(5, QLatin1Char('0')));
            const QString when = QStringLiteral("DATEADD(hour, -%1, GETDATE())").arg(i);
            const QString reading = db::Quote(QStringLiteral("The lungs are clear. The heart is not enlarged.\n\nIMPRESSION: Normal study %1.").arg(i));
            if (i % 3 != 2) {
                c.execute(QStringLiteral("INSERT INTO RADIOLOGY..tbImagingResult (TransNum, SectionID, RequestNum, IdNum, HospNum, ExamName, "
                                         "TransDate, ResultDate, RadiologistID, Interpretation, Status) VALUES (%1, '%2', '1', %3, %4, "
                                         "'BENCH EXAM', %5, %5, 'RD901', %6, 'R')")
                              .arg(number, QLatin1String(imaging[i % 6]), db::Quote(app::IdNum), db::Quote(app::HospNum), when, reading));
            } else {
                c.execute(QStringLiteral("INSERT INTO STATION..tbAncillaryResult (TransNum, DepartmentID, FormType, RequestNum, IdNum, "
                                         "HospNum, ExamName, TransDate, ResultDate, DoctorID, Result, Status) VALUES (%1, '%2', 'EEG', '1', "
                                         "%3, %4, 'BENCH EXAM', %5, %5, 'RD905', %6, 'R')")
                              .arg(number, QLatin1String(ancillary[i % 3]), db::Quote(app::IdNum), db::Quote(app::HospNum), when, reading));
            }
        }
        // 300 vital signs every four hours and 100 notes, the benchmark's own
        // (marked with its prefix) like the readings.
        for (int i = 0; i < 300; ++i)
            c.execute(QStringLiteral("INSERT INTO STATION..tbNurseVitalSigns (IDNUM, TRANSDATE, BP, TEMPERATURE, PULSERATE, RESPRATE, "
                                     "O2Sat, NInitial, Protocol, UserID) VALUES (%1, DATEADD(hour, -%2, GETDATE()), '%3/%4', '%5', "
                                     "'%6', '18', '98', 'NURSE1', 'Every 4 hours', %7)")
                          .arg(db::Quote(app::IdNum), QString::number(4 * i), QString::number(110 + i % 30),
                               QString::number(70 + i % 15), QStringLiteral("36.%1").arg(i % 10), QString::number(72 + i % 20),
                               db::Quote(kPrefix)));
        for (int i = 0; i < 100; ++i)
            c.execute(QStringLiteral("INSERT INTO STATION..tbNurseNotes (IdNum, NoteDate, Shift, Notes, UserID, StationID) VALUES "
                                     "(%1, DATEADD(hour, -%2, GETDATE()), '6AM-2PM', 'Resting comfortably; pain controlled. Note %3.', "
                                     "%4, 'OR1')")
                          .arg(db::Quote(app::IdNum), QString::number(8 * i), QString::number(i), db::Quote(kPrefix)));
        c.commitTrans();
        chart::RegisterResultPanels();
        chart::RegisterLabHeartPanels();
        chart::RegisterRequestsPanels();
        chart::RegisterScheduleRequestPanel();
        chart::RegisterNursingPanels();
        ready_ = true;
    }
    ~Station() { removeReadings(); }

    void removeReadings()
    {
        if (!app::SQLConnection())
            return;
        const QString like = db::LikeStartingWith(kPrefix);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM RADIOLOGY..tbImagingResult WHERE TransNum LIKE ") + like);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM STATION..tbAncillaryResult WHERE TransNum LIKE ") + like);
        const QString mark = db::Quote(kPrefix);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM STATION..tbNurseVitalSigns WHERE UserID = ") + mark);
        app::SQLConnection()->execute(QStringLiteral("DELETE FROM STATION..tbNurseNotes WHERE UserID = ") + mark);
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

void BM_OpenChart(benchmark::State& state)
{
    if (!station().ready()) {
        state.SkipWithError("no in-patient on the scaled hospital");
        return;
    }
    int readings = 0;
    for (auto _ : state) {
        chart::frmFinal* form = chart::OpenChartForSelectedPatient();
        readings = 0;
        for (chart::ChartPanel* panel : form->panels())
            if (auto* results = qobject_cast<chart::RadiologyResultsPanel*>(panel))
                for (chart::ResultArea* area : results->areas())
                    readings += area->rowCount();
        delete form;
    }
    state.counters["readings"] = readings;
    state.counters["pages"] = static_cast<double>(chart::RegisteredChartPanels().size());
}
BENCHMARK(BM_OpenChart)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
