#include "chart/results/ResultPrinting.h"

#include "chart/ChartPanel.h"
#include "db/Connection.h"
#include "components/clsCurrentuser.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"

namespace chart {

namespace {

struct ImagingForm {
    const char* listProcedure; // reads the readings to print
    const char* printProcedure;
    const char* file;
    const char* sectionTitle;
    const char* windowTitle;
};

// Sections 1 to 4 as the radiology procedure numbers them, then MRI and the
// centre for women, which read and print through their own procedures.
const ImagingForm kRadiology[] = {
    {"STATION..sp_Nurse_Get_RadiologyResults", "RADIOLOGY..SPRADIO_ResultPrint", "\\Reports\\RadioResult.Rpt", "X-RAY SECTION", "Xray Result"},
    {"STATION..sp_Nurse_Get_RadiologyResults", "RADIOLOGY..SPRADIO_ResultPrint", "\\Reports\\RadioResult.Rpt", "C.T. SCAN SECTION", "CTSCAN Result"},
    {"STATION..sp_Nurse_Get_RadiologyResults", "RADIOLOGY..SPRADIO_ResultPrint", "\\Reports\\RadioResult.Rpt", "ULTRASOUND SECTION", "ULTRASOUND Result"},
    {"STATION..sp_Nurse_Get_RadiologyResults", "RADIOLOGY..SPRADIO_ResultPrint", "\\Reports\\RadioResult.Rpt", "NUCLEAR MEDICINE SECTION", "Nuclear Medicine Result"},
};
const ImagingForm kMri = {"STATION..sp_Nurse_GetMRI_Result", "RADIOLOGY..spMRI_ResultPrint", "\\Reports\\MRIResult.rpt",
                          "MAGNETIC RESONANCE IMAGING", "MRI Result"};
const ImagingForm kWomen = {"STATION..sp_Nurse_GetWC_Result", "RADIOLOGY..spWC_ResultPrint", "\\Reports\\RadioResult.rpt",
                            "CENTER FOR WOMEN", "Center for Women Result"};

bool atSite(const char* client)
{
    return app::Hospital().clientname.trimmed().compare(QLatin1String(client), Qt::CaseInsensitive) == 0;
}

// The user's earlier print rows of the stay go, the chosen reading comes in,
// in one transaction: a half-filled print table never reaches the form.
bool printImaging(const ChartPatient& patient, const QString& transNum, const ImagingForm& form, const QString& sectionArgument)
{
    // The print table is kept per user, so two nurses printing the same
    // patient's readings do not print each other's.
    const QString printer = app::CurrentUser ? app::CurrentUser->EmployeeCode : QStringLiteral("STATION");
    const QString id = db::Quote(patient.idNum);
    const bool filled = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(QStringLiteral("DELETE RADIOLOGY..tbRadioResult WHERE UserID = ") + db::Quote(printer)
                     + QStringLiteral(" and AdmNum = ") + id + QLatin1Char(';'));
        QString call = QLatin1String(form.listProcedure) + QLatin1Char(' ') + id + QLatin1Char(',') + db::Quote(transNum);
        if (!sectionArgument.isEmpty())
            call += QLatin1Char(',') + sectionArgument;
        db::Recordset readings = conn.open(call);
        for (; !readings.eof(); readings.moveNext()) {
            QStringList values{db::Quote(printer), id};
            for (const char* field : {"XrayNum", "Interpretation", "TelNum", "ControlNum", "RadCode", "Radiologist2",
                                      "Radiologist3", "Radiologist4", "Remarks"})
                values << db::Quote(readings.text(QLatin1String(field)));
            conn.execute(QLatin1String(form.printProcedure) + QLatin1Char(' ') + values.join(QLatin1Char(',')));
        }
    });
    if (!filled)
        return false;
    const QVariantList parameters = shell::SiteParameters() << QLatin1String(form.sectionTitle) << printer << patient.idNum;
    return shell::OpenAndShowReport(QLatin1String(form.file), parameters, QLatin1String(form.windowTitle));
}

} // namespace

bool PrintRadiologyResult(const ChartPatient& patient, const QString& transNum, int section)
{
    if (section < 1 || section > 4)
        return false;
    return printImaging(patient, transNum, kRadiology[section - 1], QString::number(section));
}

bool PrintMriResult(const ChartPatient& patient, const QString& transNum)
{
    return printImaging(patient, transNum, kMri, QString());
}

bool PrintWomenResult(const ChartPatient& patient, const QString& transNum)
{
    return printImaging(patient, transNum, kWomen, QString());
}

QString PulmonaryReportFile()
{
    return atSite("QORV") ? QStringLiteral("\\REPORTS\\PulmoResult_ABG_WithNValues.rpt") : QStringLiteral("\\Reports\\ABGResult.Rpt");
}

bool PrintPulmonaryResult(const ChartPatient& patient, const db::Recordset& row)
{
    const QVariantList parameters = shell::SiteParameters() << row.text(QStringLiteral("Trans. No")).trimmed() << patient.name;
    return shell::OpenAndShowReport(PulmonaryReportFile(), parameters,
                                    atSite("QORV") ? QStringLiteral("Pulmo Result") : QStringLiteral("ABG RESULT"));
}

QString NeurologyReportFile(const QString& formType)
{
    return formType.trimmed().compare(QLatin1String("EEG"), Qt::CaseInsensitive) == 0 ? QStringLiteral("\\Reports\\EEGReport.Rpt")
                                                                                        : QStringLiteral("\\Reports\\EMG-NCVReport.Rpt");
}

bool PrintNeurologyResult(const ChartPatient& patient, const db::Recordset& row)
{
    const QVariantList parameters = shell::SiteParameters() << row.text(QStringLiteral("Exam. No")).trimmed() << patient.name;
    return shell::OpenAndShowReport(NeurologyReportFile(row.text(QStringLiteral("FormType"))), parameters,
                                    QStringLiteral("Neurology Results Viewing"));
}

} // namespace chart
