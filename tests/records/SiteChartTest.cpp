#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "records/ChartCrew.h"
#include "records/SiteCountGrids.h"
#include "records/frmChart.h"
#include "shell/Globals.h"

#include <QComboBox>
#include <functional>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

class SiteChart : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings().LoadParameters();
        app::HospNum = QStringLiteral("H-ZV-1");
        app::IdNum = QStringLiteral("A-ZV-1");
    }

    std::unique_ptr<records::frmChart> openChart(int operatingNum = 0)
    {
        auto chart = std::make_unique<records::frmChart>(records::SiteChart());
        chart->RefNum = QStringLiteral("REF-ZV");
        chart->ProcedureID = QStringLiteral("ORP020");
        chart->ProcedureName = QStringLiteral("HERNIORRHAPHY");
        chart->OperatingNum = operatingNum;
        chart->Form_Load();
        return chart;
    }

    int spongeRows(int key, int type)
    {
        return conn()
            .open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbspongecount WHERE OPERATINGNUM = %1 AND TYPE = %2").arg(key).arg(type))
            .field("N")
            .toInt();
    }
};

} // namespace

TEST_F(SiteChart, ItsOwnChecksComeInItsOwnOrder)
{
    auto chart = openChart();
    ASSERT_NE(chart->siteCounts, nullptr);
    chart->txtOPerformed->clear();
    const auto crew = [&](const char* name, const char* value) { chart->crew->box(QLatin1String(name))->setText(QLatin1String(value)); };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"Please enter correct Doctor/Surgeon Code.", [&] { crew("txtSurgeon_0", "1001"); }},
        {"Please enter correct Anesthesiologist Code.", [&] { crew("txtAnesthesiologist", "1002"); }},
        {"Please enter correct Type of Anesthesia.", [&] { crew("txtAnesthesia", "GENERAL"); }},
        {"Please enter correct Procedure Code.", [&] { chart->txtOPerformed->setText(QStringLiteral("HERNIORRHAPHY")); }},
        {"Please enter Circulating Nurse.", [&] { crew("txtCNurse_0", "NURSE1"); }},
        {"Please enter Scrub Nurse.", [&] { crew("txtSNurse_0", "CHARGE1"); }},
        {"Please enter Operating Room Number.", [] {}}};
    for (const auto& [message, fix] : steps) {
        chart->cmdOption.at(0)->click();
        EXPECT_EQ(prompts.last().text, QString::fromLatin1(message));
        EXPECT_EQ(prompts.last().title, "Notification");
        fix();
    }
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORMasterFile WHERE IDNUM = 'A-ZV-1'")).field("N").toInt(), 0);
}

TEST_F(SiteChart, EverySaveReplacesTheSixSpongeAndThreeOtherCountRows)
{
    auto chart = openChart();
    chart->crew->box(QStringLiteral("txtSurgeon_0"))->setText(QStringLiteral("1001"));
    chart->crew->box(QStringLiteral("txtAnesthesiologist"))->setText(QStringLiteral("1002"));
    chart->crew->box(QStringLiteral("txtAnesthesia"))->setText(QStringLiteral("GENERAL"));
    chart->crew->box(QStringLiteral("txtCNurse_0"))->setText(QStringLiteral("NURSE1"));
    chart->crew->box(QStringLiteral("txtSNurse_0"))->setText(QStringLiteral("CHARGE1"));
    chart->cboORRoom->setCurrentIndex(1);
    chart->siteCounts->mshSponge->item(1, 1)->setText(QStringLiteral("10"));
    chart->siteCounts->mshOtherCount->item(0, 1)->setText(QStringLiteral("42"));
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    chart->cmdOption.at(0)->click();
    ASSERT_EQ(prompts.last().text, "Details of operation saved.") << qPrintable(prompts.texts().join(QLatin1Char('|')));
    const int key = chart->OperatingNum;
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    chart->cmdOption.at(0)->click();
    EXPECT_EQ(spongeRows(key, 1), 6);
    EXPECT_EQ(spongeRows(key, 2), 3);

    auto again = openChart(key);
    EXPECT_EQ(again->siteCounts->mshSponge->item(1, 0)->text(), "8x4");
    EXPECT_EQ(again->siteCounts->mshSponge->item(1, 1)->text(), "10");
    EXPECT_EQ(again->siteCounts->mshOtherCount->item(0, 1)->text(), "42");

    // The site chart resets without the reset right, asking until someone signs.
    prompts.answer(true);
    test::SignNextValidation(prompts, QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    again->cmdReset->click();
    EXPECT_EQ(prompts.last().text, "Information successfully reset.") << qPrintable(prompts.texts().join(QLatin1Char('|')));
    EXPECT_EQ(conn().open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORMasterFile WHERE IDNUM = 'A-ZV-1'")).field("N").toInt(), 0);
}
