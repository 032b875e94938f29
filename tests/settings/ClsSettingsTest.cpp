#include "settings/SettingsTestSupport.h"

#include "db/DbError.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <gtest/gtest.h>

using settings::clsSettings;

namespace {

class ClsSettingsTest : public test::SettingsFixture {};

TEST_F(ClsSettingsTest, FlagsTurnOnOnlyForExactlyOne)
{
    // Look-alikes of "1" must not switch anything on.
    const QStringList notOne = {"true", "True", "Y", "yes", "-1", "01", " 1", "1 ", "0", ""};
    for (const QString& value : notOne) {
        SCOPED_TRACE(value.toStdString());
        conn().execute("DELETE FROM STATION..tbNurseSetup");
        addSetting("HideServerIP", value);
        addSetting("ORPrintCSF", value);
        addSetting("ORDischarge", value);
        const clsSettings s = load();
        EXPECT_FALSE(s.HideServerIP());
        EXPECT_FALSE(s.NursePrintCSF());
        EXPECT_FALSE(s.ORDischarge());
    }

    conn().execute("DELETE FROM STATION..tbNurseSetup");
    addSetting("HideServerIP", "1");
    addSetting("ORPrintCSF", "1");
    addSetting("ORDischarge", "1");
    addSetting("ORClinicalAssessmentRateByAccomodation", "0"); // on by default, and "0" cannot turn it off
    const clsSettings s = load();
    EXPECT_TRUE(s.HideServerIP());
    EXPECT_TRUE(s.NursePrintCSF());
    EXPECT_TRUE(s.ORDischarge());
    EXPECT_TRUE(s.ClinicalAssessmentRateByAccomodation());
}

TEST_F(ClsSettingsTest, KeysReachTheirOwnSettingOnly)
{
    // Keys whose names differ from their settings, and pairs of keys that
    // differ by a suffix or a letter: each must move its own setting alone.
    addSetting("ORDontRequireAnes", "1");
    addSetting("ORUseBuildFixRate", "1");
    addSetting("ORAllowZeroOnHand_Requesting", "1");
    addSetting("ExpandPostChargeList", "1");
    addSetting("OROneTimeResultPrint", "1");
    addSetting("NurseDcrOrderPendingReturn", "1");
    addSetting("CSlipFormat", "SLIP15");
    addSetting("CVORNHIEquipments", "E-NHI");
    addSetting("CVORHospEquipments", "E-HOSP");
    const clsSettings s = load();

    EXPECT_TRUE(s.DontRequireAnes());
    EXPECT_FALSE(s.DontRequireAnesthesia());
    EXPECT_TRUE(s.UseBuildFixRate());
    EXPECT_EQ(s.UseBFileFixRate(), "False");
    EXPECT_TRUE(s.AllowZeroOnHandRequesting());
    EXPECT_FALSE(app::Hospital().AllowZeroOnHand);
    EXPECT_TRUE(s.ExpandList());
    EXPECT_TRUE(s.EnableOneTimeResultPrint());
    EXPECT_TRUE(s.CheckPendingReturnDcrOrder());
    EXPECT_EQ(s.NewCSlipFormat(), "SLIP15");
    EXPECT_FALSE(s.FifteenCSlipFormat());
    EXPECT_EQ(s.CVORNHIEquipment(), "E-NHI");
    EXPECT_EQ(s.CVORHospEquipments(), "E-HOSP");
}

TEST_F(ClsSettingsTest, TextsTakeTheValueUnlessEmpty)
{
    addSetting("LiveServerIP", "");
    addSetting("TestServerIP", std::nullopt);
    addSetting("ORClinicalAssessmentRate", "");
    addSetting("ORRoomForEndo", "  ENDO SUITE 'B' ");
    addSetting("CVORMainRevID", "CV01");
    clsSettings s = load();
    EXPECT_EQ(s.LiveServer(), "");
    EXPECT_EQ(s.TestServer(), "");
    EXPECT_EQ(s.ClinicalAssessmentRate(), "A");
    EXPECT_EQ(s.RoomForEndo(), "  ENDO SUITE 'B' "); // unchanged, blanks and apostrophe included
    EXPECT_EQ(s.CVORMainRev(), "CV01");

    removeSetting("LiveServerIP");
    removeSetting("ORClinicalAssessmentRate");
    addSetting("LiveServerIP", "10.0.0.5");
    addSetting("ORClinicalAssessmentRate", "B");
    s = load();
    EXPECT_EQ(s.LiveServer(), "10.0.0.5");
    EXPECT_EQ(s.ClinicalAssessmentRate(), "B");
}

TEST_F(ClsSettingsTest, NumbersConvertWhenNotEmpty)
{
    addSetting("SystolicMax", "180");
    addSetting("DiastolicMin", "");
    addSetting("ORInstrumentHandlingFeeRate", "0.075");
    clsSettings s = load();
    EXPECT_EQ(s.SystolicMax(), 180);
    EXPECT_EQ(s.DiastolicMin(), 50);
    EXPECT_DOUBLE_EQ(s.InstrumentHandlingFee(), 0.075);

    // Whole numbers round half to even.
    removeSetting("SystolicMax");
    removeSetting("DiastolicMin");
    addSetting("SystolicMax", "180.5");
    addSetting("DiastolicMin", " 41.5 ");
    s = load();
    EXPECT_EQ(s.SystolicMax(), 180);
    EXPECT_EQ(s.DiastolicMin(), 42);
}

TEST_F(ClsSettingsTest, ABadNumberStopsTheLoadAfterTheRowsBeforeIt)
{
    addSetting("HideServerIP", "1");
    addSetting("SystolicMax", "high");
    addSetting("ORDischarge", "1");
    clsSettings s;
    EXPECT_THROW(s.LoadParameters(), db::DbError);
    EXPECT_TRUE(s.HideServerIP());
    EXPECT_EQ(s.SystolicMax(), 300);
    EXPECT_FALSE(s.ORDischarge());

    removeSetting("SystolicMax");
    addSetting("SystolicMax", "40000"); // beyond a 16-bit integer
    EXPECT_THROW(s.LoadParameters(), db::DbError);
    removeSetting("SystolicMax");
    addSetting("ORInstrumentHandlingFeeRate", "5%");
    EXPECT_THROW(s.LoadParameters(), db::DbError);
}

TEST_F(ClsSettingsTest, SpecialKeys)
{
    addSetting("NurseCheckZPDFirstPackage", "0"); // any non-empty value turns it on
    addSetting("ORRequireAnestSchedule", "N");    // only "0" turns it off
    addSetting("ORUseBfileFixRate", "1");
    addSetting("NurseNotifyRevokedNote", "1", "Tell the charge nurse.");
    clsSettings s = load();
    EXPECT_TRUE(s.CheckZPDFirstPackage());
    EXPECT_TRUE(s.RequireAnestSchedule());
    EXPECT_EQ(s.UseBFileFixRate(), "True");
    EXPECT_EQ(s.NurseNotifyRevokedNote(), "Tell the charge nurse.");

    conn().execute("DELETE FROM STATION..tbNurseSetup");
    addSetting("NurseCheckZPDFirstPackage", "");
    addSetting("ORRequireAnestSchedule", "0");
    addSetting("ORUseBfileFixRate", "True");
    addSetting("NurseNotifyRevokedNote", "0", "Tell the charge nurse.");
    s = load();
    EXPECT_FALSE(s.CheckZPDFirstPackage());
    EXPECT_FALSE(s.RequireAnestSchedule());
    EXPECT_EQ(s.UseBFileFixRate(), "False");
    EXPECT_EQ(s.NurseNotifyRevokedNote(), "");
}

TEST_F(ClsSettingsTest, MaintenanceTakesItsMessageFromTheDescription)
{
    addSetting("ORUnderMaintenance", "0", "Back at noon.");
    clsSettings s = load();
    EXPECT_FALSE(s.ModuleUnderMaintenance());
    EXPECT_EQ(s.ModuleMaintenanceMsg(), "Sorry, Tamsel is under maintenance.");

    removeSetting("ORUnderMaintenance");
    addSetting("ORUnderMaintenance", "1", "Back at noon.");
    s = load();
    EXPECT_TRUE(s.ModuleUnderMaintenance());
    EXPECT_EQ(s.ModuleMaintenanceMsg(), "Back at noon.");

    // Closed with nothing to say: the start-up shows an empty message.
    for (const std::optional<QString>& description : {std::optional<QString>(""), std::optional<QString>()}) {
        removeSetting("ORUnderMaintenance");
        addSetting("ORUnderMaintenance", "1", description);
        s = load();
        EXPECT_TRUE(s.ModuleUnderMaintenance());
        EXPECT_EQ(s.ModuleMaintenanceMsg(), "");
    }
}

TEST_F(ClsSettingsTest, KeysAreComparedExactly)
{
    addSetting("hideserverip", "1");
    addSetting("HIDESERVERIP", "1");
    addSetting("LiveServerIp", "10.0.0.9");
    addSetting("HideServerIP ", "1");
    addSetting("NoSuchSetting", "1");
    const clsSettings s = load();
    EXPECT_FALSE(s.HideServerIP());
    EXPECT_EQ(s.LiveServer(), "");
}

TEST_F(ClsSettingsTest, RepeatedKeys)
{
    // Either row can switch a flag on; the later row's text wins.
    addSetting("HideServerIP", "1");
    addSetting("HideServerIP", "0");
    addSetting("ORDischarge", "0");
    addSetting("ORDischarge", "1");
    addSetting("ORRequireAnestSchedule", "0");
    addSetting("ORRequireAnestSchedule", "1");
    addSetting("LiveServerIP", "10.0.0.1");
    addSetting("LiveServerIP", "10.0.0.2");
    addSetting("TestServerIP", "10.0.0.3");
    addSetting("TestServerIP", "");
    addSetting("SystolicMax", "200");
    addSetting("SystolicMax", "210");
    const clsSettings s = load();
    EXPECT_TRUE(s.HideServerIP());
    EXPECT_TRUE(s.ORDischarge());
    EXPECT_FALSE(s.RequireAnestSchedule());
    EXPECT_EQ(s.LiveServer(), "10.0.0.2");
    EXPECT_EQ(s.TestServer(), "10.0.0.3");
    EXPECT_EQ(s.SystolicMax(), 210);
}

TEST_F(ClsSettingsTest, EachLoadStartsAgainFromTheDefaults)
{
    addSetting("ORUnderMaintenance", "1", "Closed.");
    addSetting("HideServerIP", "1");
    addSetting("LiveServerIP", "10.0.0.1");
    addSetting("ORClinicalAssessmentRate", "C");
    addSetting("ORRequireAnestSchedule", "0");
    addSetting("SystolicMax", "220");
    addSetting("DiastolicMin", "60");
    addSetting("ORInstrumentHandlingFeeRate", "0.1");
    addSetting("ORUseBfileFixRate", "1");
    addSetting("NurseNotifyRevokedNote", "1", "Note.");
    clsSettings s;
    s.LoadParameters();
    ASSERT_TRUE(s.HideServerIP());

    // Between loads the values hold still, whatever happens to the table.
    conn().execute("DELETE FROM STATION..tbNurseSetup");
    EXPECT_TRUE(s.ModuleUnderMaintenance());
    EXPECT_EQ(s.SystolicMax(), 220);

    s.LoadParameters();
    EXPECT_FALSE(s.ModuleUnderMaintenance());
    EXPECT_EQ(s.ModuleMaintenanceMsg(), "Sorry, Tamsel is under maintenance.");
    EXPECT_FALSE(s.HideServerIP());
    EXPECT_EQ(s.LiveServer(), "");
    EXPECT_EQ(s.ClinicalAssessmentRate(), "A");
    EXPECT_TRUE(s.ClinicalAssessmentRateByAccomodation());
    EXPECT_TRUE(s.RequireAnestSchedule());
    EXPECT_EQ(s.SystolicMax(), 300);
    EXPECT_EQ(s.DiastolicMin(), 50);
    EXPECT_DOUBLE_EQ(s.InstrumentHandlingFee(), 0.0);
    EXPECT_EQ(s.UseBFileFixRate(), "False");
    EXPECT_EQ(s.NurseNotifyRevokedNote(), "");
}

TEST_F(ClsSettingsTest, LoadingBeforeLogInFails)
{
    app::CurrentUser = nullptr;
    clsSettings s;
    EXPECT_THROW(s.LoadParameters(), db::DbError);
}

} // namespace
