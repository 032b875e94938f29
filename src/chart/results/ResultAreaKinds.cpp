#include "chart/ChartPanel.h"
#include "chart/results/ResultArea.h"
#include "chart/results/ResultPrinting.h"

#include "components/NurseActivity.h"
#include "db/Connection.h"
#include "db/SqlText.h"

// The table of the chart's department result areas: one line each of what
// differs between them.

namespace chart {

namespace {

const QString kInterpretationLayout = QStringLiteral(
    " |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<DR. Lastname |<DR. Firstname "
    "|<DR. Middlename |<Interpretation");

std::function<db::Recordset(db::Connection&, const ChartPatient&)> fromComponent(const char* mode)
{
    return [mode](db::Connection& conn, const ChartPatient& p) {
        return components::clsResults::GetResults(conn, p.idNum, QLatin1String(mode));
    };
}

std::function<db::Recordset(db::Connection&, const ChartPatient&)> fromProcedure(const char* procedure)
{
    return [procedure](db::Connection& conn, const ChartPatient& p) {
        return conn.open(QLatin1String(procedure) + QLatin1Char(' ') + db::Quote(p.idNum));
    };
}

std::function<bool(const ChartPatient&, const db::Recordset&)> radiology(int section)
{
    return [section](const ChartPatient& p, const db::Recordset& row) {
        return PrintRadiologyResult(p, row.text(QStringLiteral("Trans. No")).trimmed(), section);
    };
}

ResultAreaKind interpretationArea(const char* key, const char* caption, const char* grid, const char* stem,
                                  std::function<db::Recordset(db::Connection&, const ChartPatient&)> load,
                                  std::function<bool(const ChartPatient&, const db::Recordset&)> print)
{
    return ResultAreaKind{QLatin1String(key),
                          QLatin1String(caption),
                          QLatin1String(grid),
                          QStringLiteral("txt%1Interp").arg(QLatin1String(stem)),
                          QStringLiteral("lbl%1Info").arg(QLatin1String(stem)),
                          kInterpretationLayout,
                          QStringLiteral("Interpretation"),
                          QStringLiteral("Trans. No"),
                          std::move(load),
                          std::move(print)};
}

std::vector<ResultAreaKind> buildKinds()
{
    std::vector<ResultAreaKind> kinds;
    kinds.push_back(interpretationArea("xray", "X-Ray", "mshflexXray", "Xray", fromComponent("1"), radiology(1)));
    kinds.push_back(interpretationArea("ultrasound", "Ultrasound", "mshflexUltra", "Ultra", fromComponent("2"), radiology(3)));
    kinds.push_back(interpretationArea("ct", "CT Scan", "mshflexCT", "CT", fromComponent("3"), radiology(2)));
    kinds.push_back(interpretationArea("mri", "MRI", "MSHFlexMRI", "MRI", fromProcedure("STATION..Nurse_GetMRI"),
                                       [](const ChartPatient& p, const db::Recordset& row) {
                                           return PrintMriResult(p, row.text(QStringLiteral("Trans. No")).trimmed());
                                       }));
    kinds.push_back(interpretationArea("women", "Center for Women", "mshWCResults", "WC", fromProcedure("STATION..Nurse_GetWC"),
                                       [](const ChartPatient& p, const db::Recordset& row) {
                                           return PrintWomenResult(p, row.text(QStringLiteral("Trans. No")).trimmed());
                                       }));
    kinds.push_back(interpretationArea("nuclear", "Nuclear Medicine", "mshflexNuclear", "Nuclear",
                                       fromProcedure("STATION..Nurse_GetNuclear"), radiology(4)));
    kinds.push_back(interpretationArea("pulmonary", "Pulmonary", "mshflexPulmo", "Pulmo", fromProcedure("STATION..Nurse_GetPulmo"),
                                       PrintPulmonaryResult));
    // Physical therapy shows its result, evaluation and endorsement in the
    // grid itself; the department prints no form for the wards.
    kinds.push_back(ResultAreaKind{QStringLiteral("pt"), QStringLiteral("Physical Therapy"), QStringLiteral("mshflexPT"),
                                   QStringLiteral("txtPTResult"), QStringLiteral("lblPTInfo"),
                                   QStringLiteral(" |<REF. NO |<REQ. NO |<EXAM. NAME |<RESULT DATE |<RESULT |<INITIALEVALUATION |<ENDORSEMENT "),
                                   QStringLiteral("RESULT"), QStringLiteral("REF. NO"), fromProcedure("STATION..Nurse_GetPT"), {}});
    kinds.push_back(ResultAreaKind{QStringLiteral("neurology"), QStringLiteral("Neurology"), QStringLiteral("mshflexNeuro"),
                                   QStringLiteral("txtNeuroResult"), QStringLiteral("lblNeuroInfo"),
                                   QStringLiteral(" |<Exam. No  |<Exam. Name               |<Trans. Date        |<Charge Slip|<Request No.|<Section|<File Number"),
                                   QStringLiteral("Interpretation"), QStringLiteral("Exam. No"), fromProcedure("STATION..Nurse_GetNeuro"),
                                   PrintNeurologyResult});
    return kinds;
}

} // namespace

const std::vector<ResultAreaKind>& ResultAreaKinds()
{
    static const std::vector<ResultAreaKind> kinds = buildKinds();
    return kinds;
}

} // namespace chart
