// The three charge slips rendered from a print buffer the test fills: each
// names the patient and the slip, prints every line with its exact amount,
// and adds them up; the preprinted form prints values only, the discount
// slip subtotals each department.
#include "reports/ReportTestSupport.h"

#include "db/Connection.h"
#include "reports/Report.h"

#include <QDir>

namespace {

class ChargeSlipReportsTest : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        reports::SetProgramFolder(QDir(shippedReports()).filePath(QStringLiteral("..")));
        conn().execute(QStringLiteral("DELETE FROM STATION..tbORChargePrint"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbORChargePrint (ItemID, Amount, Quantity, RevenueID, Description, StationID, "
                                      "ChargeSlip) VALUES ('P029', 38500.10, 1, 'OR', 'ARTHROSCOPY, KNEE', 'OR', 'C810000O'), "
                                      "('M0002', 0.10, 0.5, 'PH', 'CEFAZOLIN 1 G VIAL', 'OR', 'C810000O'), "
                                      "('S0001', 0.20, 3, 'CS', 'GAUZE 4X4 <STERILE>', 'OR', 'C810000O'), "
                                      "('P030', 1234.55, 1, 'OR', 'OR ROOM FEE', 'OR', 'C810000O')"));
    }

    QString render(const QString& file, const QString& copy)
    {
        const QVariantList values{QStringLiteral("12/05/2026 02:30:00 PM"), QStringLiteral("SANTOS, MARIA"), QStringLiteral("1000158"),
                                  QStringLiteral("1000272"), QStringLiteral("228"), QStringLiteral("45"), QStringLiteral("F"),
                                  QStringLiteral("PANGILINAN, CARLO"), QStringLiteral("SALONGA, JASMINE C"), QStringLiteral("C810000O"), copy};
        if (!reports::OpenReport(QStringLiteral("\\Reports\\") + file, values)) {
            ADD_FAILURE() << qPrintable(prompts.texts().join(QLatin1Char('\n')));
            return QString();
        }
        const QString pdf = path(file + QStringLiteral(".pdf"));
        reports::CurrentReport()->exportPdf(pdf);
        return pdfText(pdf);
    }

    static QString lineWith(const QString& text, const QString& needle)
    {
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (line.contains(needle))
                return line.simplified();
        return QString();
    }
};

TEST_F(ChargeSlipReportsTest, EverySlipNamesThePostingAndAddsUpItsLinesExactly)
{
    struct Slip {
        QString file;
        bool heading; // the blank forms print the hospital's heading and captions
    };
    for (const Slip& slip : {Slip{QStringLiteral("Charge_Slip_BlankForm.RPT"), true}, Slip{QStringLiteral("Charge_Slip_New.RPT"), false},
                             Slip{QStringLiteral("Charge_Slip_Discount.RPT"), true}}) {
        SCOPED_TRACE(qPrintable(slip.file));
        const QString text = render(slip.file, QStringLiteral("ORIGINAL COPY"));
        for (const QString& value : {QStringLiteral("C810000O"), QStringLiteral("SANTOS, MARIA"), QStringLiteral("1000158"),
                                     QStringLiteral("1000272"), QStringLiteral("PANGILINAN, CARLO"), QStringLiteral("SALONGA, JASMINE C"),
                                     QStringLiteral("ORIGINAL COPY"), QStringLiteral("12/05/2026 02:30:00 PM")})
            EXPECT_TRUE(text.contains(value)) << qPrintable(value);
        EXPECT_TRUE(lineWith(text, QStringLiteral("ARTHROSCOPY, KNEE")).endsWith(QStringLiteral("1 38,500.10")));
        EXPECT_TRUE(lineWith(text, QStringLiteral("CEFAZOLIN")).endsWith(QStringLiteral("0.5 0.10")));
        EXPECT_TRUE(lineWith(text, QStringLiteral("GAUZE 4X4 <STERILE>")).endsWith(QStringLiteral("3 0.20")));
        EXPECT_TRUE(text.contains(QStringLiteral("39,734.95"))) << "the slip's total";
        EXPECT_EQ(text.contains(QStringLiteral("CHARGE SLIP")), slip.heading);
        EXPECT_EQ(text.contains(QStringLiteral("Description")), slip.heading);
    }
    const QString reprint = render(QStringLiteral("Charge_Slip_BlankForm.RPT"), QStringLiteral("REPRINTED COPY"));
    EXPECT_TRUE(reprint.contains(QStringLiteral("REPRINTED COPY")));
}

TEST_F(ChargeSlipReportsTest, TheDiscountSlipSubtotalsEachDepartment)
{
    const QString text = render(QStringLiteral("Charge_Slip_Discount.RPT"), QStringLiteral("ORIGINAL COPY"));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Subtotal OR:")).endsWith(QStringLiteral("39,734.65")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Subtotal PH:")).endsWith(QStringLiteral("0.10")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("Subtotal CS:")).endsWith(QStringLiteral("0.20")));
    EXPECT_TRUE(lineWith(text, QStringLiteral("GROSS AMOUNT:")).endsWith(QStringLiteral("39,734.95")));
    EXPECT_TRUE(text.contains(QStringLiteral("LESS DISCOUNT:")));
}

} // namespace
