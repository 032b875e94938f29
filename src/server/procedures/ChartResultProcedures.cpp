#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

// The released results the clinical chart lists and prints for the imaging
// sections and the physical-therapy, pulmonary and neurology departments.
// Every list is of one stay, released results only, newest result first.

namespace server {

namespace {

std::vector<ProcParam> Params(std::initializer_list<const char*> names)
{
    std::vector<ProcParam> params;
    for (const char* name : names)
        params.push_back(ProcParam{QLatin1String(name), QStringLiteral("varchar"), false, {}});
    return params;
}

// An imaging section's readings, laid out as the chart's interpretation grids:
// examination, dates, the reading radiologist's names and the reading, then
// the hidden columns the chart prints from.
QString ImagingList(const QString& idNum, const QString& section)
{
    return QStringLiteral(
               "SELECT R.TransNum AS [Trans. No], R.ExamName AS [Exam. Name], R.TransDate AS [Trans. Date], "
               "R.ResultDate AS [Result Date], ISNULL(D.LastName, '') AS [DR. Lastname], "
               "ISNULL(D.FirstName, '') AS [DR. Firstname], ISNULL(D.MiddleName, '') AS [DR. Middlename], "
               "R.Interpretation AS Interpretation, R.RequestNum AS RequestNum, R.FileNum AS FileNum, "
               "R.SectionID AS SectionID "
               "FROM RADIOLOGY..tbImagingResult R LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = R.RadiologistID "
               "WHERE R.IdNum = %1 AND R.SectionID = %2 AND R.Status = 'R' ORDER BY R.ResultDate DESC, R.TransNum DESC")
        .arg(db::Quote(idNum.trimmed()), db::Quote(section));
}

void getNuclear(ProcContext& ctx) { ctx.addResult(ctx.open(ImagingList(ctx.text("@IdNum"), QStringLiteral("NU")))); }
void getWomen(ProcContext& ctx) { ctx.addResult(ctx.open(ImagingList(ctx.text("@IdNum"), QStringLiteral("WC")))); }
void getMri(ProcContext& ctx) { ctx.addResult(ctx.open(ImagingList(ctx.text("@IdNum"), QStringLiteral("MR")))); }

// Pulmonary results in the interpretation layout, with the form type
// ('ABG' or 'SPIRO') that picks the printed form.
void getPulmo(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT R.TransNum AS [Trans. No], R.ExamName AS [Exam. Name], R.TransDate AS [Trans. Date], "
                       "R.ResultDate AS [Result Date], ISNULL(D.LastName, '') AS [DR. Lastname], "
                       "ISNULL(D.FirstName, '') AS [DR. Firstname], ISNULL(D.MiddleName, '') AS [DR. Middlename], "
                       "R.Result AS Interpretation, R.FormType AS FormType, R.RequestNum AS RequestNum "
                       "FROM STATION..tbAncillaryResult R LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = R.DoctorID "
                       "WHERE R.IdNum = %1 AND R.DepartmentID = 'PU' AND R.Status = 'R' "
                       "ORDER BY R.ResultDate DESC, R.TransNum DESC")
            .arg(db::Quote(ctx.text("@IdNum").trimmed()))));
}

void getPhysicalTherapy(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT R.TransNum AS [REF. NO], R.RequestNum AS [REQ. NO], R.ExamName AS [EXAM. NAME], "
                       "R.ResultDate AS [RESULT DATE], R.Result AS [RESULT], R.InitialEvaluation AS [INITIALEVALUATION], "
                       "R.Endorsement AS [ENDORSEMENT] FROM STATION..tbAncillaryResult R "
                       "WHERE R.IdNum = %1 AND R.DepartmentID = 'PT' AND R.Status = 'R' "
                       "ORDER BY R.ResultDate DESC, R.TransNum DESC")
            .arg(db::Quote(ctx.text("@IdNum").trimmed()))));
}

// Neurology lists its studies by examination and charge slip; the reading
// and the form type ('EEG' or 'EMG') come after the grid's columns.
void getNeuro(ProcContext& ctx)
{
    ctx.addResult(ctx.open(
        QStringLiteral("SELECT R.TransNum AS [Exam. No], R.ExamName AS [Exam. Name], R.TransDate AS [Trans. Date], "
                       "R.ChargeSlip AS [Charge Slip], R.RequestNum AS [Request No.], R.SectionName AS [Section], "
                       "R.FileNumber AS [File Number], R.FormType AS FormType, R.ResultDate AS ResultDate, "
                       "R.Result AS Interpretation FROM STATION..tbAncillaryResult R "
                       "WHERE R.IdNum = %1 AND R.DepartmentID = 'NE' AND R.Status = 'R' "
                       "ORDER BY R.TransDate DESC, R.TransNum DESC")
            .arg(db::Quote(ctx.text("@IdNum").trimmed()))));
}

// The readings of one examination (or, with an empty @TransNum, of every
// released examination of the section) with what the print table keeps.
QString ReadingsToPrint(ProcContext& ctx, const QString& section)
{
    QString sql = QStringLiteral("SELECT TransNum AS XrayNum, Interpretation, TelNum, ControlNum, RadiologistID AS RadCode, "
                                 "Radiologist2, Radiologist3, Radiologist4, Remarks, ResultDate "
                                 "FROM RADIOLOGY..tbImagingResult WHERE IdNum = %1 AND SectionID = %2 AND Status = 'R'")
                      .arg(db::Quote(ctx.text("@IdNum").trimmed()), db::Quote(section));
    const QString transNum = ctx.text("@TransNum").trimmed();
    if (!transNum.isEmpty())
        sql += QStringLiteral(" AND TransNum = ") + db::Quote(transNum);
    return sql + QStringLiteral(" ORDER BY ResultDate DESC");
}

// The section number the chart prints with: 1 x-ray, 2 CT, 3 ultrasound.
void getRadiologyResults(ProcContext& ctx)
{
    static const QString sections[] = {QStringLiteral("XR"), QStringLiteral("CT"), QStringLiteral("US")};
    const int number = static_cast<int>(ctx.number("@Section"));
    const QString section = number >= 1 && number <= 3 ? sections[number - 1] : QStringLiteral("--");
    ctx.addResult(ctx.open(ReadingsToPrint(ctx, section)));
}

void getMriResult(ProcContext& ctx) { ctx.addResult(ctx.open(ReadingsToPrint(ctx, QStringLiteral("MR")))); }
void getWomenResult(ProcContext& ctx) { ctx.addResult(ctx.open(ReadingsToPrint(ctx, QStringLiteral("WC")))); }

// Puts one reading in the user's print table, where the result form reads it.
// The caller empties the user's rows of the stay first.
void printReading(ProcContext& ctx, const QString& section)
{
    QStringList values{db::Quote(ctx.text("@UserID")), db::Quote(ctx.text("@AdmNum").trimmed()), db::Quote(section)};
    for (const char* name : {"@XrayNum", "@Interpretation", "@TelNum", "@ControlNum", "@RadCode", "@Radiologist2",
                             "@Radiologist3", "@Radiologist4", "@Remarks"})
        values << db::Quote(ctx.text(name));
    ctx.execute(QStringLiteral("INSERT INTO RADIOLOGY..tbRadioResult (UserID, AdmNum, SectionID, XrayNum, Interpretation, "
                               "TelNum, ControlNum, RadCode, Radiologist2, Radiologist3, Radiologist4, Remarks, ResultDate) "
                               "SELECT %1, ResultDate FROM RADIOLOGY..tbImagingResult WHERE TransNum = %2")
                    .arg(values.join(QStringLiteral(", ")), db::Quote(ctx.text("@XrayNum").trimmed())));
}

const std::vector<ProcParam>& PrintParams()
{
    static const std::vector<ProcParam> params =
        Params({"@UserID", "@AdmNum", "@XrayNum", "@Interpretation", "@TelNum", "@ControlNum", "@RadCode", "@Radiologist2",
                "@Radiologist3", "@Radiologist4", "@Remarks"});
    return params;
}

// The server's clock for the chart's operating-room request, which refuses
// a time already past.
void getTransactionDate(ProcContext& ctx)
{
    ctx.addResult(ctx.open(QStringLiteral("SELECT GETDATE() AS Tdate")));
}

} // namespace

void RegisterChartResultProcedures(ProcedureRegistry& registry)
{
    const QString station = QStringLiteral("STATION");
    const QString radiology = QStringLiteral("RADIOLOGY");
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetPT"), Params({"@IdNum"}), getPhysicalTherapy});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetNuclear"), Params({"@IdNum"}), getNuclear});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetPulmo"), Params({"@IdNum"}), getPulmo});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetNeuro"), Params({"@IdNum"}), getNeuro});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetWC"), Params({"@IdNum"}), getWomen});
    registry.add(ProcedureDef{station, QStringLiteral("Nurse_GetMRI"), Params({"@IdNum"}), getMri});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_Get_RadiologyResults"), Params({"@IdNum", "@TransNum", "@Section"}),
                              getRadiologyResults});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_GetMRI_Result"), Params({"@IdNum", "@TransNum"}), getMriResult});
    registry.add(ProcedureDef{station, QStringLiteral("sp_Nurse_GetWC_Result"), Params({"@IdNum", "@TransNum"}), getWomenResult});
    registry.add(ProcedureDef{radiology, QStringLiteral("SPRADIO_ResultPrint"), PrintParams(),
                              [](ProcContext& ctx) { printReading(ctx, QStringLiteral("RAD")); }});
    registry.add(ProcedureDef{radiology, QStringLiteral("spMRI_ResultPrint"), PrintParams(),
                              [](ProcContext& ctx) { printReading(ctx, QStringLiteral("MR")); }});
    registry.add(ProcedureDef{radiology, QStringLiteral("spWC_ResultPrint"), PrintParams(),
                              [](ProcContext& ctx) { printReading(ctx, QStringLiteral("WC")); }});
    registry.add(ProcedureDef{QStringLiteral("SCHEDULE"), QStringLiteral("sp_Get_TransactionDate"), {}, getTransactionDate});
}

} // namespace server
