#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"

#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <gtest/gtest.h>

namespace {

class LoadHospitalInfoTest : public test::AppFixture {};

TEST_F(LoadHospitalInfoTest, ReadsTheDemoHospital)
{
    settings::LoadHospitalInfo();

    const settings::HospitalInfo& h = app::Hospital();
    EXPECT_EQ(h.Company, "SAINT ANNE GENERAL HOSPITAL");
    EXPECT_EQ(h.clientname, "STANNE");
    EXPECT_EQ(h.MTSServerName, "LOCALHOST");
    EXPECT_EQ(h.PhoneNum, "(045) 961-2400");
    EXPECT_FALSE(h.Bygeneric);
    EXPECT_EQ(h.PSIOxygenComputationType, 1);
    EXPECT_DOUBLE_EQ(h.CashStatRate, 0.30);
    EXPECT_DOUBLE_EQ(h.chargeStatRate, 0.30);
    EXPECT_EQ(h.CutoffClearanceTime.time(), QTime(17, 0));
    EXPECT_TRUE(h.IsNursePrint);
    EXPECT_FALSE(h.IsHSDirectCharging);
    EXPECT_TRUE(h.isstat);
    EXPECT_TRUE(h.OR_AllowEditScheduleDateTime);
    EXPECT_FALSE(h.VSAllowINC);

    const settings::NursingSettings& n = app::Nursing();
    EXPECT_FALSE(n.ORNoPreprinted);
    EXPECT_TRUE(n.AllowAfterTimeRate);
    EXPECT_TRUE(n.AllowEditDeleteVitalSigns);
    EXPECT_EQ(n.ORAfterTime, "17:00");
    EXPECT_EQ(n.ORAfterTimeRate, 30);
    EXPECT_EQ(n.AfterTimeStatHours, 14);
    EXPECT_EQ(n.SecProcPercentDiscount, 50);
    EXPECT_EQ(n.AssessmentMaxItems, 15);

    // It ends by loading the program settings of the demo station.
    ASSERT_NE(app::ProgramSettings, nullptr);
    EXPECT_EQ(app::ProgramSettings->LiveServer(), "LOCALHOST");
    EXPECT_EQ(app::ProgramSettings->SystolicMax(), 250);
    EXPECT_EQ(app::ProgramSettings->NurseNotifyRevokedNote(),
              "Revoked requests must be acknowledged by the charge nurse.");
    EXPECT_FALSE(app::ProgramSettings->ModuleUnderMaintenance());
}

TEST_F(LoadHospitalInfoTest, ReloadsIntoTheSameSettingsObject)
{
    settings::LoadHospitalInfo();
    settings::clsSettings* first = app::ProgramSettings;
    ASSERT_FALSE(first->HideServerIP());

    conn().execute("UPDATE STATION..tbNurseSetup SET value = '1' WHERE Field = 'HideServerIP'");
    conn().execute("UPDATE PATIENT_DATA..tbHospitalInfo SET Company = 'ST. ANNE MEDICAL CENTER'");
    settings::LoadHospitalInfo();
    EXPECT_EQ(app::ProgramSettings, first);
    EXPECT_TRUE(first->HideServerIP());
    EXPECT_EQ(app::Hospital().Company, "ST. ANNE MEDICAL CENTER");
}

TEST_F(LoadHospitalInfoTest, NullSwitchesReadAsOff)
{
    app::Hospital().IsNursePrint = true;
    app::Nursing().AllowAfterTimeRate = true;
    app::Hospital().Company = "OLD NAME";
    conn().execute("UPDATE PATIENT_DATA..tbHospitalInfo SET IsNursePrint = NULL, Company = NULL");
    conn().execute("UPDATE STATION..tbNursing_Settings SET AllowAfterTimeRate = NULL, ORAfterTimeRate = NULL");
    settings::LoadHospitalInfo();
    EXPECT_FALSE(app::Hospital().IsNursePrint);
    EXPECT_EQ(app::Hospital().Company, "");
    EXPECT_FALSE(app::Nursing().AllowAfterTimeRate);
    EXPECT_EQ(app::Nursing().ORAfterTimeRate, 0);
}

TEST_F(LoadHospitalInfoTest, StationZeroOnHandOverridesTheHospitalColumn)
{
    conn().execute("UPDATE PATIENT_DATA..tbHospitalInfo SET AllowZeroOnHand = 1");
    settings::LoadHospitalInfo(); // the demo station says "0"
    EXPECT_FALSE(app::Hospital().AllowZeroOnHand);

    conn().execute("UPDATE STATION..tbNurseSetup SET value = 'N' WHERE Field = 'ORAllowZeroOnHand'");
    settings::LoadHospitalInfo();
    EXPECT_TRUE(app::Hospital().AllowZeroOnHand);

    conn().execute("UPDATE PATIENT_DATA..tbHospitalInfo SET AllowZeroOnHand = 0");
    conn().execute("UPDATE STATION..tbNurseSetup SET value = '1' WHERE Field = 'ORAllowZeroOnHand'");
    settings::LoadHospitalInfo();
    EXPECT_TRUE(app::Hospital().AllowZeroOnHand);
}

TEST_F(LoadHospitalInfoTest, AnOlderDatabaseLeavesMissingColumnsAlone)
{
    conn().execute("DROP TABLE PATIENT_DATA..tbHospitalInfo");
    conn().execute("CREATE TABLE PATIENT_DATA..tbHospitalInfo (Company varchar(150) NULL, IsNursePrint bit NULL)");
    conn().execute("INSERT INTO PATIENT_DATA..tbHospitalInfo (Company, IsNursePrint) VALUES ('OLD HOSPITAL', 0)");
    app::Hospital().IsNursePrint = true;
    app::Hospital().HighAlert = true;
    app::Hospital().clientname = "KEEP";

    settings::LoadHospitalInfo();
    EXPECT_EQ(app::Hospital().Company, "OLD HOSPITAL");
    EXPECT_FALSE(app::Hospital().IsNursePrint);
    EXPECT_TRUE(app::Hospital().HighAlert);
    EXPECT_EQ(app::Hospital().clientname, "KEEP");
    EXPECT_EQ(app::ProgramSettings->SystolicMax(), 250);
}

TEST_F(LoadHospitalInfoTest, EmptyTablesKeepTheGlobalsAndStillLoadTheSettings)
{
    conn().execute("DELETE FROM PATIENT_DATA..tbHospitalInfo");
    conn().execute("DELETE FROM STATION..tbNursing_Settings");
    app::Hospital().Company = "AS BEFORE";
    app::Nursing().ORAfterTime = "18:00";

    settings::LoadHospitalInfo();
    EXPECT_EQ(app::Hospital().Company, "AS BEFORE");
    EXPECT_EQ(app::Nursing().ORAfterTime, "18:00");
    EXPECT_EQ(app::ProgramSettings->LiveServer(), "LOCALHOST");
}

} // namespace
