// The department result areas of the chart: each lists the released readings
// of the stay under its documented headings, shows the chosen reading below,
// and prints it through its result form.

#include "chart/ChartTestSupport.h"

#include "chart/results/RadiologyResultsPanel.h"
#include "chart/results/ResultArea.h"
#include "chart/results/ResultPrinting.h"
#include "components/NurseActivity.h"
#include "patients/RecordTable.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using chart::ResultArea;

struct AreaCase {
    const char* key;
    const char* department; // where the demo keeps its readings
    bool imaging;
    const char* firstHeading;
    const char* lastHeading;
};

const AreaCase kAreas[] = {
    {"xray", "XR", true, "Trans. No", "Interpretation"},   {"ultrasound", "US", true, "Trans. No", "Interpretation"},
    {"ct", "CT", true, "Trans. No", "Interpretation"},     {"mri", "MR", true, "Trans. No", "Interpretation"},
    {"women", "WC", true, "Trans. No", "Interpretation"},  {"nuclear", "NU", true, "Trans. No", "Interpretation"},
    {"pulmonary", "PU", false, "Trans. No", "Interpretation"}, {"pt", "PT", false, "REF. NO", "ENDORSEMENT"},
    {"neurology", "NE", false, "Exam. No", "File Number"},
};

class ResultAreasTest : public test::ChartFixture {
protected:
    void SetUp() override
    {
        ChartFixture::SetUp();
        // The report files as shipped: tests/chart/results -> the source tree.
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../..")));
    }
    void TearDown() override
    {
        reports::SetProgramFolder(QString());
        reports::SetViewerFactory({});
        ChartFixture::TearDown();
    }

    chart::ChartPatient patientOf(const QString& idNum)
    {
        chart::ChartPatient p;
        p.idNum = idNum;
        p.name = QStringLiteral("TEST, PATIENT");
        return p;
    }

    // The newest released reading of the stay in the department, as the area shows it first.
    QString newestReading(const AreaCase& c, const QString& idNum)
    {
        const QString sql = c.imaging ? QStringLiteral("SELECT TOP 1 Interpretation AS Reading FROM RADIOLOGY..tbImagingResult WHERE IdNum = %1 "
                                                       "AND SectionID = %2 AND Status = 'R' ORDER BY ResultDate DESC, TransNum DESC")
                                      : QStringLiteral("SELECT TOP 1 Result AS Reading FROM STATION..tbAncillaryResult WHERE IdNum = %1 "
                                                       "AND DepartmentID = %2 AND Status = 'R' ORDER BY %3 DESC, TransNum DESC");
        QString query = sql.arg(db::Quote(idNum), db::Quote(QLatin1String(c.department)));
        if (!c.imaging)
            query = query.arg(QLatin1String(c.department) == QLatin1String("NE") ? QStringLiteral("TransDate") : QStringLiteral("ResultDate"));
        return conn().open(query).text(QStringLiteral("Reading"));
    }

    int released(const AreaCase& c, const QString& idNum)
    {
        const QString sql = c.imaging ? QStringLiteral("SELECT COUNT(*) FROM RADIOLOGY..tbImagingResult WHERE IdNum = %1 AND SectionID = %2 AND Status = 'R'")
                                      : QStringLiteral("SELECT COUNT(*) FROM STATION..tbAncillaryResult WHERE IdNum = %1 AND DepartmentID = %2 AND Status = 'R'");
        return conn().open(sql.arg(db::Quote(idNum), db::Quote(QLatin1String(c.department)))).field(0).toInt();
    }

    static QString sectionTitle(const reports::ViewerRequest& request)
    {
        const int index = request.report->parameterIndex(QStringLiteral("SectionTitle"));
        return index < 0 ? QString() : request.report->parameters().at(index).value.toString();
    }

    std::vector<reports::ViewerRequest> shown;
};

TEST_F(ResultAreasTest, EachAreaListsTheStaysReleasedReadingsAndShowsTheChosenOne)
{
    chart::RadiologyResultsPanel panel;
    EXPECT_EQ(panel.property(chart::RequiredRightProperty).toString(), QStringLiteral("10"));
    for (const AreaCase& c : kAreas) {
        SCOPED_TRACE(c.key);
        const QString idNum = stayWithResults(QLatin1String(c.department));
        ASSERT_FALSE(idNum.isEmpty()) << "the demo has readings of " << c.department;
        // A pending reading never reaches the ward.
        if (c.imaging)
            conn().execute(QStringLiteral("INSERT INTO RADIOLOGY..tbImagingResult (TransNum, SectionID, IdNum, ExamName, ResultDate, "
                                          "Interpretation, Status) VALUES ('PEND-%1', %2, %3, 'PENDING EXAM', GETDATE(), 'draft', 'P')")
                               .arg(QLatin1String(c.department), db::Quote(QLatin1String(c.department)), db::Quote(idNum)));
        else
            conn().execute(QStringLiteral("INSERT INTO STATION..tbAncillaryResult (TransNum, DepartmentID, IdNum, ExamName, TransDate, "
                                          "ResultDate, Result, Status) VALUES ('PEND-%1', %2, %3, 'PENDING EXAM', GETDATE(), GETDATE(), "
                                          "'draft', 'P')")
                               .arg(QLatin1String(c.department), db::Quote(QLatin1String(c.department)), db::Quote(idNum)));
        panel.loadPatient(patientOf(idNum));
        ResultArea* area = panel.area(QLatin1String(c.key));
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->rowCount(), released(c, idNum));
        EXPECT_GT(area->rowCount(), 0);

        const QAbstractItemModel* model = area->grid->model();
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QLatin1String(c.firstHeading));
        EXPECT_EQ(model->headerData(model->columnCount() - 1, Qt::Horizontal).toString(), QLatin1String(c.lastHeading));
        EXPECT_FALSE(model->index(0, 0).data().toString().isEmpty()) << "the examination number is shown";

        // Choosing the first row (the newest) shows its reading below.
        area->grid->setCurrentIndex(model->index(0, 1));
        EXPECT_EQ(area->chosenRow(), 0);
        EXPECT_EQ(area->txtReading->toPlainText(), newestReading(c, idNum));
        EXPECT_FALSE(area->txtReading->toPlainText().contains(QStringLiteral("draft")));
        EXPECT_TRUE(area->lblInfo->text().contains(QStringLiteral("Released: ")) || QLatin1String(c.key) == QLatin1String("neurology"))
            << qPrintable(area->lblInfo->text());
    }
    // Another patient's chart starts with nothing chosen.
    const QString empty = conn().open(QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient P WHERE NOT EXISTS "
                                                     "(SELECT 1 FROM RADIOLOGY..tbImagingResult R WHERE R.IdNum = P.IDNUM) ORDER BY IDNUM"))
                              .text(QStringLiteral("IDNUM"));
    panel.loadPatient(patientOf(empty));
    EXPECT_EQ(panel.area(QStringLiteral("xray"))->rowCount(), 0);
    EXPECT_TRUE(panel.area(QStringLiteral("xray"))->txtReading->toPlainText().isEmpty());
    EXPECT_FALSE(panel.area(QStringLiteral("xray"))->cmdPrint->isEnabled());
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ResultAreasTest, TheResultsComponentKeepsItsSectionsApart)
{
    const QString idNum = stayWithResults(QStringLiteral("XR"));
    const struct {
        const char* mode;
        const char* section;
    } modes[] = {{"1", "XR"}, {"2", "US"}, {"3", "CT"}};
    for (const auto& m : modes) {
        db::Recordset rs = components::clsResults::GetResults(conn(), idNum, QLatin1String(m.mode));
        const int expected = conn().open(QStringLiteral("SELECT COUNT(*) FROM RADIOLOGY..tbImagingResult WHERE IdNum = %1 AND SectionID = '%2' AND Status = 'R'")
                                             .arg(db::Quote(idNum), QLatin1String(m.section)))
                                 .field(0)
                                 .toInt();
        EXPECT_EQ(rs.recordCount(), expected) << m.mode;
        for (; !rs.eof(); rs.moveNext())
            EXPECT_EQ(rs.text(QStringLiteral("SectionID")), QLatin1String(m.section));
    }
    EXPECT_EQ(components::clsResults::GetResults(conn(), idNum, QStringLiteral("9")).resultSetCount(), 0);
}

TEST_F(ResultAreasTest, PrintingAReadingFillsTheUsersPrintTableAndOpensItsForm)
{
    reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request); });
    chart::RadiologyResultsPanel panel;
    const QString idNum = stayWithResults(QStringLiteral("CT"));
    panel.loadPatient(patientOf(idNum));
    ResultArea* ct = panel.area(QStringLiteral("ct"));
    ASSERT_GT(ct->rowCount(), 0);
    // Nothing chosen: the nurse is asked to choose.
    EXPECT_FALSE(ct->cmdPrint_Click());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please select a result to print.")});
    prompts.clear();

    // A row left in the print table by an earlier print of the stay goes.
    const QString printer = user->EmployeeCode;
    conn().execute(QStringLiteral("INSERT INTO RADIOLOGY..tbRadioResult (UserID, AdmNum, XrayNum) VALUES (%1, %2, 'OLD')")
                       .arg(db::Quote(printer), db::Quote(idNum)));
    ct->chooseRow(0);
    const QString chosen = ct->grid->text(0, QStringLiteral("Trans. No"));
    ASSERT_TRUE(ct->cmdPrint_Click()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    db::Recordset printed = conn().open(QStringLiteral("SELECT XrayNum, Interpretation FROM RADIOLOGY..tbRadioResult WHERE UserID = %1 AND AdmNum = %2")
                                            .arg(db::Quote(printer), db::Quote(idNum)));
    ASSERT_EQ(printed.recordCount(), 1);
    EXPECT_EQ(printed.text(QStringLiteral("XrayNum")), chosen);
    EXPECT_EQ(printed.text(QStringLiteral("Interpretation")), ct->txtReading->toPlainText());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.back().title, QStringLiteral("CTSCAN Result"));
    EXPECT_EQ(shown.back().report->rows().size(), 1u);
    EXPECT_EQ(sectionTitle(shown.back()), QStringLiteral("C.T. SCAN SECTION"));

    // The x-ray and the centre for women print on the same form under their own titles.
    for (const auto& [key, department, title, section] :
         {std::tuple{"xray", "XR", "Xray Result", "X-RAY SECTION"}, std::tuple{"women", "WC", "Center for Women Result", "CENTER FOR WOMEN"},
          std::tuple{"ultrasound", "US", "ULTRASOUND Result", "ULTRASOUND SECTION"}, std::tuple{"mri", "MR", "MRI Result", "MAGNETIC RESONANCE IMAGING"}}) {
        const QString stay = stayWithResults(QLatin1String(department));
        panel.loadPatient(patientOf(stay));
        ResultArea* area = panel.area(QLatin1String(key));
        area->chooseRow(0);
        ASSERT_TRUE(area->cmdPrint_Click()) << key;
        EXPECT_EQ(shown.back().title, QLatin1String(title));
        EXPECT_EQ(sectionTitle(shown.back()), QLatin1String(section));
        EXPECT_EQ(shown.back().report->rows().size(), 1u) << key;
    }
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ResultAreasTest, PulmonaryAndNeurologyPrintTheFormTheirResultCalls)
{
    reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request); });
    chart::RadiologyResultsPanel panel;
    const QString eeg = conn().open(QStringLiteral("SELECT TOP 1 IdNum, TransNum FROM STATION..tbAncillaryResult WHERE FormType = 'EEG'")).text(QStringLiteral("IdNum"));
    const QString emg = conn().open(QStringLiteral("SELECT TOP 1 IdNum FROM STATION..tbAncillaryResult WHERE FormType = 'EMG'")).text(QStringLiteral("IdNum"));
    const QString abg = conn().open(QStringLiteral("SELECT TOP 1 IdNum FROM STATION..tbAncillaryResult WHERE FormType = 'ABG'")).text(QStringLiteral("IdNum"));
    for (const auto& [idNum, key, form, file] :
         {std::tuple{eeg, "neurology", "EEG", "EEGReport.Rpt"}, std::tuple{emg, "neurology", "EMG", "EMG-NCVReport.Rpt"},
          std::tuple{abg, "pulmonary", "ABG", "ABGResult.Rpt"}}) {
        SCOPED_TRACE(form);
        panel.loadPatient(patientOf(idNum));
        ResultArea* area = panel.area(QLatin1String(key));
        int row = -1;
        for (int r = 0; r < area->rowCount() && row < 0; ++r) {
            area->chooseRow(r);
            const QString number = area->grid->text(r, QLatin1String(key) == QLatin1String("neurology") ? QStringLiteral("Exam. No") : QStringLiteral("Trans. No"));
            if (conn().open(QStringLiteral("SELECT FormType FROM STATION..tbAncillaryResult WHERE TransNum = ") + db::Quote(number))
                    .text(QStringLiteral("FormType")) == QLatin1String(form))
                row = r;
        }
        ASSERT_GE(row, 0);
        ASSERT_TRUE(area->cmdPrint_Click());
        EXPECT_TRUE(shown.back().report->path().endsWith(QLatin1String(file), Qt::CaseInsensitive)) << qPrintable(shown.back().report->path());
        EXPECT_EQ(shown.back().report->rows().size(), QLatin1String(form) == QLatin1String("ABG") ? 7u : 1u);
    }
    EXPECT_EQ(shown.back().title, QStringLiteral("ABG RESULT"));

    // The site with its own blood-gas form prints the normal values.
    app::Hospital().clientname = QStringLiteral("QORV");
    EXPECT_EQ(chart::PulmonaryReportFile(), QStringLiteral("\\REPORTS\\PulmoResult_ABG_WithNValues.rpt"));
    ASSERT_TRUE(panel.area(QStringLiteral("pulmonary"))->cmdPrint_Click());
    EXPECT_EQ(shown.back().title, QStringLiteral("Pulmo Result"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ResultAreasTest, TheBenchStayCarriesTwoHundredReadings)
{
    const int total = conn().open(QStringLiteral("SELECT (SELECT COUNT(*) FROM RADIOLOGY..tbImagingResult WHERE IdNum = '1000002') + "
                                                 "(SELECT COUNT(*) FROM STATION..tbAncillaryResult WHERE IdNum = '1000002')"))
                          .field(0)
                          .toInt();
    EXPECT_EQ(total, 200);
}

} // namespace
