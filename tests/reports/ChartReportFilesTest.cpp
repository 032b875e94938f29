// The chart's report files as shipped, rendered to PDF from the demo
// hospital: the heart station's forms, the laboratory's forms and the
// station reports of the chart's list, each with its heading and its rows.
#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

namespace {

class ChartReportFiles : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
    }

    QString render(const QString& file, const QVariantList& values)
    {
        // The PDF's ligatures ("ﬁ") read back as their letters.
        return renderReport(file, values).normalized(QString::NormalizationForm_KC).simplified();
    }
    int rowCount() { return static_cast<int>(reports::CurrentReport()->rows().size()); }
    QString one(const QString& sql) { return conn().open(sql).field(0).text(); }
    int count(const QString& sql) { return conn().open(sql).field(0).toInt(); }
    QDate serverDay() { return conn().open(QStringLiteral("SELECT GETDATE()")).field(0).toDateTime().date(); }
    QString today() { return serverDay().toString(QStringLiteral("MM/dd/yyyy")); }
    QString daysAgo(int days) { return serverDay().addDays(-days).toString(QStringLiteral("MM/dd/yyyy")); }
    // The same day as the server stores it, for the counts the tests compare with.
    QString storedDaysAgo(int days) { return serverDay().addDays(-days).toString(QStringLiteral("''yyyy-MM-dd''")); }
};

TEST_F(ChartReportFiles, EveryHeartStationFormPrintsItsStudy)
{
    const struct {
        const char* letter;
        const char* file;
        const char* heading;
    } forms[] = {{"E", "ResultECG.rpt", "ELECTROCARDIOGRAM"},
                 {"D", "Exam_2DEcho_Adult.rpt", "ECHOCARDIOGRAPHIC REPORT"},
                 {"C", "Carotid.rpt", "CAROTID EXAMINATION"},
                 {"K", "Carotid2.rpt", "CAROTID AND VERTEBRAL DUPLEX SCAN"},
                 {"R", "RenalArtery.rpt", "RENAL ARTERY DUPLEX SCAN"},
                 {"H", "Exam_Hemodynamic.rpt", "HEMODYNAMIC CARDIOVASCULAR LABORATORY"},
                 {"U", "VenousUpper.rpt", "VENOUS UPPER EXTREMITY EXAMINATION"},
                 {"L", "VenousLower.rpt", "VENOUS LOWER EXTREMITY EXAMINATION"},
                 {"T", "Transcranial.rpt", "TRANSCRANIAL ULTRASONOGRAPHY"},
                 {"A", "ArterialUpper.rpt", "ARTERIAL EVALUATION, UPPER EXTREMITIES"},
                 {"B", "ArterialUpper2.rpt", "ARTERIAL EVALUATION, SEGMENTAL PRESSURES"},
                 {"F", "ArterialLower.rpt", "ARTERIAL EVALUATION, LOWER EXTREMITIES"},
                 {"G", "ArterialLower2.rpt", "ARTERIAL DUPLEX SCAN, LOWER EXTREMITIES"},
                 {"O", "AbdominalAorta2.rpt", "ABDOMINAL AORTA EXAMINATION"}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.file);
        const QString result = one(QStringLiteral("SELECT TOP 1 ResultNum FROM RADIOLOGY..tbHSResult WHERE FormType = '%1' ORDER BY ResultNum")
                                       .arg(QLatin1String(form.letter)));
        ASSERT_FALSE(result.isEmpty()) << "the demo has a study of every form";
        const QString text = render(QString::fromLatin1(form.file), {result});
        EXPECT_TRUE(text.contains(QLatin1String(form.heading)));
        EXPECT_TRUE(text.contains(app::Hospital().Company));
        EXPECT_TRUE(text.contains(result));
        const QString last = one(QStringLiteral("SELECT M.Lastname FROM RADIOLOGY..tbHSResult H JOIN PATIENT_DATA..tbmaster M "
                                                "ON M.HOSPNUM = H.HospNum WHERE H.ResultNum = %1").arg(db::Quote(result)));
        EXPECT_TRUE(text.contains(last)) << qPrintable(last);
        // Every measurement of the study is on the form, and its impression.
        for (db::Recordset m = conn().open(QStringLiteral("SELECT Measure, Value FROM RADIOLOGY..tbHSMeasurement WHERE ResultNum = %1")
                                               .arg(db::Quote(result))); !m.eof(); m.moveNext())
            EXPECT_TRUE(text.contains(m.text(QStringLiteral("Measure")) + QLatin1Char(' ') + m.text(QStringLiteral("Value"))))
                << qPrintable(m.text(QStringLiteral("Measure"))) << "\n" << qPrintable(text);
        const QString impression = one(QStringLiteral("SELECT Impression FROM RADIOLOGY..tbHSResult WHERE ResultNum = %1").arg(db::Quote(result)));
        EXPECT_TRUE(text.contains(impression.left(30))) << qPrintable(impression) << "\n" << qPrintable(text);
    }
    // A number that is no released result prints the notice, not an empty form.
    EXPECT_TRUE(render(QStringLiteral("ResultECG.rpt"), {QStringLiteral("NOSUCH")}).contains(QStringLiteral("No released heart-station result")));
}

TEST_F(ChartReportFiles, LaboratoryFormsFlagTheValuesOutsideTheirRange)
{
    // A stay with a sodium below and a potassium above their ranges.
    const QString id = one(QStringLiteral("SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P WHERE NOT EXISTS "
                                          "(SELECT 1 FROM LABORATORY..tbLabResult R WHERE R.HospNum = P.HospNum) ORDER BY P.IDNUM"));
    const QString hosp = one(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNUM = %1").arg(db::Quote(id)));
    auto add = [&](const char* request, const char* item, const char* test, const char* value, const char* when) {
        conn().execute(QStringLiteral("INSERT INTO LABORATORY..tbLabResult (RequestNum, IdNum, HospNum, ItemID, TestCode, Result, "
                                      "ResultDate, MedTech, Status) VALUES ('%1', %2, %3, '%4', '%5', '%6', '%7', 'ZZ MEDTECH', 'R')")
                           .arg(QLatin1String(request), db::Quote(id), db::Quote(hosp), QLatin1String(item), QLatin1String(test),
                                QLatin1String(value), QLatin1String(when)));
    };
    add("ZZ1", "L016", "NA", "128", "2026-10-02 07:00:00");
    add("ZZ1", "L017", "K", "5.9", "2026-10-02 07:00:00");
    add("ZZ2", "L016", "NA", "139", "2026-10-03 07:00:00");
    add("ZZ2", "L007", "PRO", "NEGATIVE", "2026-10-03 07:00:00");

    QString text = render(QStringLiteral("LabResultForm.rpt"), {id, QStringLiteral("ZZ1"), QStringLiteral("OR1"), QStringLiteral("NURSE1")});
    EXPECT_TRUE(text.contains(QStringLiteral("LABORATORY RESULT")));
    EXPECT_TRUE(text.contains(QStringLiteral("SODIUM 128 L mmol/L 135 - 145"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("POTASSIUM 5.9 H mmol/L 3.5 - 5.1")));
    EXPECT_FALSE(text.contains(QStringLiteral("139"))) << "only the chosen request";
    EXPECT_TRUE(text.contains(QStringLiteral("at station OR1")));
    text = render(QStringLiteral("LabResultForm.rpt"), {id, QString(), QString(), QString()});
    EXPECT_TRUE(text.contains(QStringLiteral("SODIUM 139 mmol/L 135 - 145"))) << "every request of the stay, unflagged inside";
    EXPECT_TRUE(text.contains(QStringLiteral("PROTEIN NEGATIVE")));

    const QVariantList heading = {hosp, QStringLiteral("ZZ PATIENT"), QStringLiteral("M"), QStringLiteral("40"), QStringLiteral("ZZ DOCTOR"),
                                  QStringLiteral("O+"), QStringLiteral("10/01/2026"), QStringLiteral("10/31/2026"), QString()};
    text = render(QStringLiteral("LabResultPrinting-Tabular.RPT"), heading);
    EXPECT_TRUE(text.contains(QStringLiteral("LABORATORY RESULTS (TABULAR)")));
    EXPECT_TRUE(text.contains(QStringLiteral("ZZ PATIENT")));
    EXPECT_EQ(rowCount(), 4);
    EXPECT_TRUE(text.contains(QStringLiteral("128 L")));
    text = render(QStringLiteral("Historical1.rpt"), heading);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("SODIUM .*128 L.*139")).match(text).hasMatch()) << "a test's values in time order";
    QVariantList oneExam = heading;
    oneExam[8] = QStringLiteral("L017");
    text = render(QStringLiteral("Historical2.rpt"), oneExam);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("5.9 H")));
    QVariantList before = heading;
    before[6] = QStringLiteral("10/03/2026");
    render(QStringLiteral("Historical2.rpt"), before);
    EXPECT_EQ(rowCount(), 2) << "the period starts on its first day";
}

TEST_F(ChartReportFiles, StationReportsOfTheChartsList)
{
    const QString company = app::Hospital().Company;
    const QVariantList site = {QString(), QString()};
    const int inHouse = count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL AND ISNULL(RecordStatus, '') <> 'R'"));
    ASSERT_GT(inHouse, 0);

    QString text = render(QStringLiteral("Diet_List.Rpt"), site);
    EXPECT_TRUE(text.contains(QStringLiteral("DIET LIST")) && text.contains(company));
    EXPECT_EQ(rowCount(), inHouse);
    text = render(QStringLiteral("CensusByStation_FENW.rpt"), site);
    EXPECT_EQ(rowCount(), inHouse);
    EXPECT_TRUE(text.contains(QStringLiteral("Total patients in the house: %1").arg(inHouse)));
    text = render(QStringLiteral("DoctorPxList.rpt"), site);
    EXPECT_EQ(rowCount(), inHouse);
    EXPECT_TRUE(text.contains(QStringLiteral("DOCTOR'S PATIENT LIST")));
    text = render(QStringLiteral("PatientDischargeNoticeStatus.RPT"), site);
    EXPECT_EQ(rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSEDISCHARGENOTICE")));
    EXPECT_TRUE(text.contains(QStringLiteral("PENDING")) && text.contains(QStringLiteral("REVOKED")));

    const QVariantList week = {QString(), QString(), daysAgo(7), today()};
    text = render(QStringLiteral("NurseDischargeReport.rpt"), week);
    EXPECT_EQ(rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE DCRDATE >= ") + storedDaysAgo(7)));
    EXPECT_GT(rowCount(), 0);

    const QVariantList month = {QString(), QString(), daysAgo(30), today(), QStringLiteral("OR1")};
    const int processed = count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseLogBook WHERE RECORDSTATUS = 'X' AND StationID = 'OR1' "
                                               "AND ProcessDate >= ") + storedDaysAgo(30));
    ASSERT_GT(processed, 0);
    for (const char* file : {"List_Of_Proccess_Request.rpt", "List_Of_Proccess_Request_New.rpt"}) {
        text = render(QString::fromLatin1(file), month);
        EXPECT_EQ(rowCount(), processed) << file;
        EXPECT_TRUE(text.contains(QStringLiteral("LIST OF PROCESSED REQUESTS"))) << file;
    }

    // The patient's own reports: a stay with medicines and supplies posted.
    const QString id = one(QStringLiteral("SELECT TOP 1 B.IDNum FROM BILLING..tbBillDailyBill B WHERE B.RevenueID = 'PH' AND EXISTS "
                                          "(SELECT 1 FROM BILLING..tbBillDailyBill C WHERE C.IDNum = B.IDNum AND C.RevenueID = 'CS') ORDER BY B.IDNum"));
    const QVariantList patient = {QString(), QString(), id};
    text = render(QStringLiteral("Medication_Sheet.rpt"), patient);
    EXPECT_EQ(rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = %1 AND RevenueID = 'PH' "
                                               "AND ISNULL(RecordStatus, '') <> 'R'").arg(db::Quote(id))));
    EXPECT_TRUE(text.contains(QStringLiteral("MEDICATION SHEET")) && text.contains(id));
    for (const auto& [file, revenue] : {std::pair{"Posted Medicines.RPT", "PH"}, std::pair{"Posted Supplies.RPT", "CS"}}) {
        text = render(QString::fromLatin1(file), patient);
        const db::Recordset total = conn().open(QStringLiteral("SELECT COUNT(*) AS N, SUM(Amount) AS Total FROM BILLING..tbBillDailyBill "
                                                               "WHERE IDNum = %1 AND RevenueID = '%2' AND ISNULL(RecordStatus, '') <> 'R'")
                                                    .arg(db::Quote(id), QLatin1String(revenue)));
        EXPECT_EQ(rowCount(), total.field(QStringLiteral("N")).toInt()) << file;
        EXPECT_TRUE(text.contains(QStringLiteral("TOTAL ") + QLocale(QLocale::English).toString(total.field(QStringLiteral("Total")).toMoney().toDouble(), 'f', 2)))
            << file;
    }
}

TEST_F(ChartReportFiles, ClinicalSummaryListsTheStayUnderItsLabels)
{
    const QString id = one(QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NOT NULL ORDER BY IDNUM"));
    const db::Recordset m = conn().open(QStringLiteral("SELECT M.Lastname, M.Firstname, M.HOSPNUM FROM PATIENT_DATA..tbPatient P JOIN "
                                                       "PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum WHERE P.IDNUM = %1").arg(db::Quote(id)));
    const QString text = render(QStringLiteral("ClinicalSummary.rpt"), {id});
    EXPECT_TRUE(text.contains(QStringLiteral("Clinical Summary")));
    for (const char* label : {"Lastname :", "Firstname :", "Middlename :", "Age :", "Sex :", "Civil Status:", "Birthdate :",
                              "Admission Number :", "Hospital Number :", "Room/Ward Number :", "Date Admitted :", "Date Discharged :",
                              "Attending Physician :", "Admitting Doctor :", "Admitting Diagnosis :", "Chief Complaints :", "Final Diagnosis :"})
        EXPECT_TRUE(text.contains(QLatin1String(label))) << label;
    EXPECT_TRUE(text.contains(QStringLiteral("Lastname : ") + m.text(QStringLiteral("Lastname"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Hospital Number : ") + m.text(QStringLiteral("HOSPNUM"))));
    EXPECT_FALSE(text.contains(QStringLiteral("No admission or visit")));
    EXPECT_TRUE(render(QStringLiteral("ClinicalSummary.rpt"), {QStringLiteral("NOSUCH")}).contains(QStringLiteral("No admission or visit")));
}

} // namespace
