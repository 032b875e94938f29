// The CVOR census of a demo case rendered to PDF: the case, its crew, and the
// stay's charges split into the census's parts, which add up to the stay.
#include "../RecordTestSupport.h"

#include "db/Connection.h"
#include "db/Decimal.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class CvorCensusReport : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../..")));
        // A demo case with its crew recorded.
        db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 I.IdNum, I.RefNum, I.ItemID, B.Description, M.LastName "
                                                      "FROM STATION..tbCVORInfo I INNER JOIN BILLING..tbBillDailyBill B ON "
                                                      "B.IDNum = I.IdNum AND B.RefNum = I.RefNum AND B.ItemID = I.ItemID "
                                                      "INNER JOIN PATIENT_DATA..tbmaster M ON M.HospNum = B.HospNum ORDER BY I.IdNum"));
        ASSERT_FALSE(rs.eof());
        idNum = rs.text("IdNum");
        refNum = rs.text("RefNum");
        itemId = rs.text("ItemID");
        operation = rs.text("Description");
        lastName = rs.text("LastName");
    }
    void TearDown() override
    {
        reports::CloseReport();
        reports::SetProgramFolder(QString());
        AppFixture::TearDown();
    }

    QString render(const QString& file, const QVariantList& values)
    {
        if (!reports::OpenReport(QStringLiteral("\\Reports\\") + file, values)) {
            ADD_FAILURE() << "could not open " << qPrintable(file) << ": " << qPrintable(prompts.texts().join(QLatin1Char('\n')));
            return QString();
        }
        const QString pdf = folder.filePath(file + QStringLiteral(".pdf"));
        try {
            reports::CurrentReport()->exportPdf(pdf);
        } catch (const reports::ReportError& e) {
            ADD_FAILURE() << qPrintable(e.message());
            return QString();
        }
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    // The stay's charges not revoked whose revenue satisfies `where`, as printed.
    db::Decimal total(const QString& where)
    {
        return conn()
            .open(QStringLiteral("SELECT ISNULL(SUM(Amount), 0) FROM BILLING..tbBillDailyBill WHERE IDNum = '%1' AND "
                                 "ISNULL(RecordStatus, '') <> 'R' AND (%2)")
                      .arg(idNum, where))
            .field(0)
            .toMoney();
    }
    static QString Money(const db::Decimal& amount)
    {
        return QLocale(QLocale::English).toString(amount.toDouble(), 'f', 2);
    }

    QTemporaryDir folder;
    QString idNum, refNum, itemId, operation, lastName;
};

} // namespace

TEST_F(CvorCensusReport, TheCensusShowsTheCaseItsCrewAndChargesThatAddUpToTheStay)
{
    const QString text = render(QStringLiteral("CVORCensus.rpt"), {QStringLiteral("GENERAL HOSPITAL"), QStringLiteral("MAIN STREET"),
                                                                    idNum, refNum, itemId, QStringLiteral("OR")});
    EXPECT_TRUE(reports::CurrentReport()->title().contains(QStringLiteral("CVOR Census")));
    for (const QString& expected : {QStringLiteral("CVOR CENSUS"), QStringLiteral("GENERAL HOSPITAL"), operation, lastName, idNum,
                                    QStringLiteral("CARDIOVASCULAR CREW"), QStringLiteral("NHI CHARGES"),
                                    QStringLiteral("HOSPITAL SUPPLIES AND MEDICINES"),
                                    QStringLiteral("HOSPITAL EQUIPMENT AND MISCELLANEOUS"), QStringLiteral("ADDITIONAL CHARGES")})
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(text);
    const db::Recordset surgeon = conn().open(QStringLiteral("SELECT D.LastName FROM STATION..tbCVORInfo I INNER JOIN "
                                                             "BUILD_FILE..tbCoDoctor D ON D.DoctorID = I.Surgeon WHERE I.IdNum = '%1'")
                                                  .arg(idNum));
    EXPECT_TRUE(text.contains(surgeon.text("LastName"))) << "the surgeon's name, not the code";

    // Each part totals its own revenues, and the parts make up the stay.
    const db::Decimal room = total(QStringLiteral("RevenueID = 'OR'"));
    const db::Decimal nhi = total(QStringLiteral("RevenueID IN ('CS', 'OX')"));
    const db::Decimal hospital1 = total(QStringLiteral("RevenueID IN ('PH', 'MD')"));
    const db::Decimal hospital2 = total(QStringLiteral("RevenueID IN ('CT', 'HS')"));
    const db::Decimal others = total(QStringLiteral("RevenueID NOT IN ('OR', 'CS', 'OX', 'PH', 'MD', 'CT', 'HS')"));
    const db::Decimal stay = total(QStringLiteral("1 = 1"));
    EXPECT_FALSE(room.isZero());
    EXPECT_TRUE(text.contains(QStringLiteral("Total operating room charges: ") + Money(room))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Total NHI charges: ") + Money(nhi))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Total hospital supplies and medicines: ") + Money(hospital1)));
    EXPECT_TRUE(text.contains(QStringLiteral("Total hospital equipment and miscellaneous: ") + Money(hospital2)));
    EXPECT_TRUE(text.contains(QStringLiteral("Total additional charges: ") + Money(others)));
    EXPECT_TRUE(text.contains(QStringLiteral("Total charges of the stay (")) && text.contains(Money(stay)));
    const auto sum = [](db::Decimal a, db::Decimal b) { return *db::Decimal::add(a, b); };
    EXPECT_EQ(db::Decimal::compare(sum(sum(sum(room, nhi), sum(hospital1, hospital2)), others), stay), 0);
}

TEST_F(CvorCensusReport, EachPartRendersOnItsOwnAndSkipsRevokedLines)
{
    // A revoked medicine is no charge of the stay.
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, "
                                  "Quantity, Amount, RecordStatus) VALUES ('%1', 'X', 'REV1', 'PH999', 'PH', 'REVOKED DRUG', 1, "
                                  "99999, 'R')").arg(idNum));
    for (const char* file : {"CVOR_NHI1.rpt", "CVOR_Hospital1.rpt", "CVOR_Hospital2.rpt", "CVOR_Additional.rpt"}) {
        const QString text = render(QLatin1String(file), {idNum, QStringLiteral("OR")});
        EXPECT_TRUE(text.contains(QStringLiteral("Total "))) << file << "\n" << qPrintable(text);
        EXPECT_FALSE(text.contains(QStringLiteral("REVOKED DRUG"))) << file;
    }
    const int medicines = conn().open(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = '%1' AND "
                                                     "RevenueID IN ('PH', 'MD') AND ISNULL(RecordStatus, '') <> 'R'").arg(idNum)).field(0).toInt();
    render(QStringLiteral("CVOR_Hospital1.rpt"), {idNum, QStringLiteral("OR")});
    EXPECT_EQ(static_cast<int>(reports::CurrentReport()->rows().size()), medicines);
}
