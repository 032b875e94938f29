// Which charge slip comes out, when, with which question and caption, and
// what the print buffer holds for it: after a posting, on a reprint, with the
// package-only slip, and at the site that prints its discount slip.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/ChargeSlipPrint.h"
#include "charging/PostCharges.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace test;

class ChargeSlipPrintTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        loadSettings();
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../..")));
        reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request); });
        slip = charging::PostCharges(InPatientPosting(),
                                     {Line(QStringLiteral("P029"), QStringLiteral("38500.10")), Line(QStringLiteral("P030"), QStringLiteral("0.25"))},
                                     {}, QStringLiteral("Operating Room"));
        ASSERT_FALSE(slip.isEmpty());
        header = {QStringLiteral("SANTOS, MARIA"), QStringLiteral("1000158"), QStringLiteral("1000272"), QStringLiteral("228"),
                  QStringLiteral("45"), QStringLiteral("F"), QStringLiteral("PANGILINAN, CARLO"), QStringLiteral("SALONGA, JASMINE"), slip};
    }
    void TearDown() override
    {
        reports::SetViewerFactory({});
        reports::CloseReport();
        app::Hospital().clientname.clear();
        AppFixture::TearDown();
    }

    void setting(const QString& field, bool on)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ") + db::Quote(field));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES (%1, '%2')").arg(db::Quote(field)).arg(on ? 1 : 0));
        programSettings->LoadParameters();
    }

    QStringList buffer()
    {
        db::Recordset rows = conn().open(QStringLiteral("SELECT ItemID, Amount FROM STATION..tbORChargePrint ORDER BY LineID"));
        QStringList lines;
        for (; !rows.eof(); rows.moveNext())
            lines << rows.field(0).text() + QLatin1Char('=') + rows.field(1).serverText();
        return lines;
    }

    QString shownFile() const { return shown.empty() ? QString() : QFileInfo(shown.back().report->path()).fileName(); }
    QVariant shownValue(const char* name) const
    {
        const reports::Report& report = *shown.back().report;
        return report.parameters().value(report.parameterIndex(QLatin1String(name))).value;
    }

    std::vector<reports::ViewerRequest> shown;
    QString slip;
    charging::ChargeSlipHeader header;
};

TEST_F(ChargeSlipPrintTest, NothingIsPrintedUnlessTheStationPrintsChargeSlips)
{
    setting(QStringLiteral("OREnableChargeSlipPrinting"), false);
    charging::PrintChargeSlip(header, false);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(buffer(), (QStringList{QStringLiteral("P029=38500.1000"), QStringLiteral("P030=0.2500")}));
}

TEST_F(ChargeSlipPrintTest, TheUserChoosesThePreprintedFormOrBlankPaper)
{
    setting(QStringLiteral("OREnableChargeSlipPrinting"), true);
    prompts.answer(true);
    charging::PrintChargeSlip(header, false);
    ASSERT_EQ(shown.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Print Charge Slip! [YES] Preprinted Form [NO] Blank Paper")});
    EXPECT_EQ(shownFile(), QStringLiteral("Charge_Slip_New.RPT"));
    EXPECT_EQ(shown.back().title, QStringLiteral("Print ChargeSlip"));
    EXPECT_EQ(shownValue("CopyLabel").toString(), QStringLiteral("ORIGINAL COPY"));
    EXPECT_EQ(shownValue("ChargeSlip").toString(), slip);
    EXPECT_EQ(shownValue("Doctor").toString(), QStringLiteral("PANGILINAN, CARLO"));

    // A reprint after one line was taken back prints what stands of the slip.
    conn().execute(QStringLiteral("STATION..Nurse_UpdateCharging '1000272','1000158','P030','0.25','1','','OR','CHARGE1','I','C','228',%1,'',''")
                       .arg(db::Quote(slip)));
    conn().execute(QStringLiteral("DELETE FROM STATION..tbORChargePrint"));
    prompts.clear();
    prompts.answer(false);
    charging::PrintChargeSlip(header, true);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Reprint Charge Slip! [YES] Preprinted Form [NO] Blank Paper")});
    EXPECT_EQ(shownFile(), QStringLiteral("Charge_Slip_BlankForm.RPT"));
    EXPECT_EQ(shown.back().title, QStringLiteral("Reprint ChargeSlip"));
    EXPECT_EQ(shownValue("CopyLabel").toString(), QStringLiteral("REPRINTED COPY"));
    EXPECT_EQ(buffer(), QStringList{QStringLiteral("P029=38500.1000")});
}

TEST_F(ChargeSlipPrintTest, ThePackageOnlySlipIsReadBackAndTheDiscountSiteIsNotAsked)
{
    setting(QStringLiteral("OREnableChargeSlipPrinting"), true);
    setting(QStringLiteral("OnlyShowPackageCSlip"), true);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbORChargePrint"));
    app::Hospital().clientname = QStringLiteral("QORV");
    charging::PrintChargeSlip(header, false);
    ASSERT_EQ(shown.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(shownFile(), QStringLiteral("Charge_Slip_Discount.RPT"));
    EXPECT_EQ(buffer(), (QStringList{QStringLiteral("P029=38500.1000"), QStringLiteral("P030=0.2500")}));
}

} // namespace
