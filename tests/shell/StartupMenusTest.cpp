#include "StartupHarness.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "shell/Globals.h"
#include "shell/StartupSequence.h"

#include <QAction>

namespace {

using test::ClientSite;
using test::Setting;

class StartupMenusTest : public test::StartupFixture {};

TEST_F(StartupMenusTest, ClientSitesShowTheirOwnItems)
{
    struct Case {
        QString site;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
        bool histopathology = false;
    };
    const Case cases[] = {
        {QStringLiteral("QORV"), {"mnuORMandatory", "mnuAMPickUp", "mnuCensusOrig"}, {"mnuORCensus", "mnuPriceList", "mnuNSD"}, true},
        // Site codes are compared exactly: a lower-case code is another site.
        {QStringLiteral("qorv"), {"mnuCensusOrig"}, {"mnuORMandatory", "mnuAMPickUp", "mnuORCensus"}},
        {QStringLiteral("BLENK"), {"mnuORCensus"}, {"mnuCensusOrig", "mnuORMandatory"}},
        {QStringLiteral("NELT"),
         {"mnuORCases", "mnuTopCases", "mnuNSD", "mnuYearlyIncome", "mnuTimeNMotion"},
         {"mnuORCensus", "mnuDOH", "mnuAdmCensus", "mnuCash"}},
        {QStringLiteral("PRAXO"),
         {"mnuWHOSurgicalSafety", "mnuCountingSheet", "mnuOperativeTechnique", "mnuLabChemistry", "mnuLabHematology",
          "mnuLabMicrobiology", "mnuLabMicroscopic", "mnuLabImmunoSerology"},
         {"mnuSSC", "mnuPreOp"}},
        {QStringLiteral("ZV"),
         {"mnuSurgicalTreatment", "mnuConsentTreatment", "mnuSterilizationConsent", "mnuSpecialTreatment", "mnuPreOp",
          "mnuFluid", "mnuHourlyMonitoring", "mnuPreAnesFirst", "mnuSSC", "mnuLRForm"},
         {"mnuWHOSurgicalSafety", "mnuLabChemistry", "mnuMSSReferral"}},
        {QStringLiteral("SOLVEN"), {"mnuPriceList"}, {"mnuORMandatory", "mnuSurgicalTreatment"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.site));
        prepare << ClientSite(c.site);
        ASSERT_TRUE(start());
        for (const char* name : c.shown)
            EXPECT_TRUE(shown(name)) << name;
        for (const char* name : c.hidden)
            EXPECT_FALSE(shown(name)) << name;
        EXPECT_EQ(window->startup()->componentSet()->HistopathRequest() != nullptr, c.histopathology);
        TearDown();
        SetUp();
    }
}

TEST_F(StartupMenusTest, SettingsShowOrHideTheirItems)
{
    // Every switch on, then every switch off.
    const char* keys[] = {"ShowEquipmentChargesReport", "ORShowReprintLab", "ShowNewFormatIncomeReport", "UseNewORMarkUp",
                          "EnableCVORTag", "ORPrintCSF", "ORShowCSFTemplate", "ORShowCF4", "ORShowStocksMonitoring",
                          "EnableLabResultRelease"};
    const char* followers[] = {"mnuEquipment", "mnuReprintLab", "mnuDetailedDEZO", "mnuSummaryDEZO", "mnuMarkUp",
                               "mnuCVOR", "mnuCVORCensus", "mnuCSF", "mnuCSFTemplate", "mnuCF4", "mnuStocksMonitoring",
                               "mnuListOfPatientLabResultReceived"};
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "switched on" : "switched off");
        for (const char* key : keys)
            prepare << Setting(QLatin1String(key), on ? QStringLiteral("1") : QStringLiteral("0"));
        ASSERT_TRUE(start());
        for (const char* name : followers)
            EXPECT_EQ(shown(name), on) << name;
        // The old income reports give way to the new format.
        EXPECT_EQ(shown("mnuDetailed"), !on);
        EXPECT_EQ(shown("mnuSummary"), !on);
        // The case-rate form object is the current user's only when CF4 is used.
        EXPECT_EQ(window->startup()->componentSet()->CF4Component() != nullptr, on);
        TearDown();
        SetUp();
    }
}

TEST_F(StartupMenusTest, AffiliatedOnlySearchFollowsItsSetting)
{
    prepare << Setting(QStringLiteral("SearchAffiliatedOnly"), QStringLiteral("1"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(window->startup()->componentSet()->CodeSearch()->AffiliatedOnly);
    TearDown();
    SetUp();
    prepare << Setting(QStringLiteral("SearchAffiliatedOnly"), QStringLiteral("0"));
    ASSERT_TRUE(start());
    EXPECT_FALSE(window->startup()->componentSet()->CodeSearch()->AffiliatedOnly);
}

TEST_F(StartupMenusTest, StationsFromTheUsersRightsWhenStationsAreUsed)
{
    struct Case {
        QString user, password, enabled, stationId, stationName;
    };
    const Case cases[] = {
        {QStringLiteral("NURSE1"), QStringLiteral("nurse1"), QStringLiteral("1"), QStringLiteral("OR1"),
         QStringLiteral("MAIN OPERATING ROOM")},
        {QStringLiteral("NURSE2"), QStringLiteral("nurse2"), QStringLiteral("1"), QStringLiteral("OR2"),
         QStringLiteral("DELIVERY ROOM COMPLEX")},
        // A user without a station works at the department's own code.
        {QStringLiteral("CLERK1"), QStringLiteral("clerk1"), QStringLiteral("1"), QStringLiteral("29"), QStringLiteral("NONE")},
        // Without stations the rights are not read at all.
        {QStringLiteral("NURSE1"), QStringLiteral("nurse1"), QStringLiteral("0"), QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.user + QLatin1Char('/') + c.enabled));
        userId = c.user;
        password = c.password;
        prepare << Setting(QStringLiteral("OREnableWithStations"), c.enabled);
        app::ORStationID.clear();
        app::ORStationName.clear();
        ASSERT_TRUE(start());
        EXPECT_EQ(app::ORStationID, c.stationId);
        EXPECT_EQ(app::ORStationName, c.stationName);
        EXPECT_TRUE(shown("mnuProgramSettings"));
        TearDown();
        SetUp();
    }
}

TEST_F(StartupMenusTest, StationRightsOfAStationThatNoLongerExists)
{
    // The rights name a station that was removed from the station table.
    prepare << QStringLiteral("UPDATE STATION..tbNurseUserRights SET ORStationID = 'GONE' WHERE EmployeeID = 'NURSE1'")
            << Setting(QStringLiteral("OREnableWithStations"), QStringLiteral("1"));
    ASSERT_TRUE(start());
    EXPECT_EQ(app::ORStationID, QStringLiteral("29"));
    EXPECT_EQ(app::ORStationName, QStringLiteral("NONE"));
}

} // namespace
