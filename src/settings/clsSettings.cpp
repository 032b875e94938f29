#include "settings/clsSettings.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <cmath>
#include <limits>
#include <variant>

namespace settings {

namespace {

// How the value of a settings row reaches its setting.
enum class Rule {
    Flag,               // on only for exactly "1"; anything else leaves it as it is
    Text,               // the value as it is, unless empty
    SmallInt,           // a 16-bit whole number, unless empty
    Number,             // a floating-point number, unless empty
    AnyValue,           // on for any value that is not empty, "0" included
    OnUnlessZero,       // on by default; "0" turns it off
    TrueFalseText,      // the text "True" for "1"
    Maintenance,        // "1" closes the module, the row's Description being the message
    DescriptionWhenOn,  // "1" takes the row's Description as the text
    HospitalZeroOnHand, // "1"/"0" override the hospital information's AllowZeroOnHand
};

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

double parseNumber(const QString& key, const QString& value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok)
        throw db::DbError(QStringLiteral("The setting %1 holds \"%2\", which is not a number.").arg(key, value));
    return number;
}

qint16 parseSmallInt(const QString& key, const QString& value)
{
    // Rounded half to even, as the hospital system's other modules convert it.
    const double number = std::nearbyint(parseNumber(key, value));
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        throw db::DbError(QStringLiteral("The setting %1 holds \"%2\", which is out of range.").arg(key, value));
    return static_cast<qint16>(number);
}

} // namespace

struct clsSettings::Entry {
    Rule rule;
    std::variant<std::monostate, bool clsSettings::*, QString clsSettings::*, qint16 clsSettings::*,
                 double clsSettings::*>
        member;
};

db::Connection& SettingsConnection()
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The settings cannot be read before the log-in to the hospital database."));
    return *connection;
}

void clsSettings::LoadParameters()
{
    *this = clsSettings();

    db::Recordset rows = SettingsConnection().open(QStringLiteral("select * from STATION..tbNurseSetup"));
    const QHash<QString, Entry>& table = entries();
    for (; !rows.eof(); rows.moveNext()) {
        const QString key = rows.text(QStringLiteral("Field"));
        const auto entry = table.constFind(key);
        if (entry != table.constEnd())
            apply(key, *entry, rows.text(QStringLiteral("value")), rows.text(QStringLiteral("Description")));
    }
}

void clsSettings::apply(const QString& key, const Entry& entry, const QString& value, const QString& description)
{
    // A setting is only ever moved away from its default here, never back, so
    // that of two rows with the same key either one can switch a flag on,
    // while for texts the later row wins.
    const auto flag = [&] { return std::get<bool clsSettings::*>(entry.member); };
    const auto text = [&] { return std::get<QString clsSettings::*>(entry.member); };

    switch (entry.rule) {
    case Rule::Flag:
        if (value == kOn)
            this->*flag() = true;
        break;
    case Rule::Text:
        if (!value.isEmpty())
            this->*text() = value;
        break;
    case Rule::SmallInt:
        if (!value.isEmpty())
            this->*std::get<qint16 clsSettings::*>(entry.member) = parseSmallInt(key, value);
        break;
    case Rule::Number:
        if (!value.isEmpty())
            this->*std::get<double clsSettings::*>(entry.member) = parseNumber(key, value);
        break;
    case Rule::AnyValue:
        if (!value.isEmpty())
            this->*flag() = true;
        break;
    case Rule::OnUnlessZero:
        if (value == kOff)
            this->*flag() = false;
        break;
    case Rule::TrueFalseText:
        if (value == kOn)
            this->*text() = QStringLiteral("True");
        break;
    case Rule::Maintenance:
        if (value == kOn) {
            this->*flag() = true;
            ModuleMaintenanceMsg_ = description;
        }
        break;
    case Rule::DescriptionWhenOn:
        if (value == kOn)
            this->*text() = description;
        break;
    case Rule::HospitalZeroOnHand:
        if (value == kOn)
            app::Hospital().AllowZeroOnHand = true;
        else if (value == kOff)
            app::Hospital().AllowZeroOnHand = false;
        break;
    }
}

const QHash<QString, clsSettings::Entry>& clsSettings::entries()
{
    using S = clsSettings;
    const auto flag = [](bool S::*m) { return Entry{Rule::Flag, m}; };
    const auto text = [](QString S::*m) { return Entry{Rule::Text, m}; };
    const auto smallInt = [](qint16 S::*m) { return Entry{Rule::SmallInt, m}; };
    const auto number = [](double S::*m) { return Entry{Rule::Number, m}; };
    const auto anyValue = [](bool S::*m) { return Entry{Rule::AnyValue, m}; };
    const auto onUnlessZero = [](bool S::*m) { return Entry{Rule::OnUnlessZero, m}; };
    const auto trueFalseText = [](QString S::*m) { return Entry{Rule::TrueFalseText, m}; };
    const auto maintenance = [](bool S::*m) { return Entry{Rule::Maintenance, m}; };
    const auto descriptionWhenOn = [](QString S::*m) { return Entry{Rule::DescriptionWhenOn, m}; };

    static const QHash<QString, Entry> table = {
        // Server and maintenance
        {"ORUnderMaintenance", maintenance(&S::ModuleUnderMaintenance_)},
        {"HideServerIP", flag(&S::HideServerIP_)},
        {"LiveServerIP", text(&S::LiveServer_)},
        {"TestServerIP", text(&S::TestServer_)},
        // Charge slips, packages, rates and posting
        {"ShowEquipmentChargesReport", flag(&S::ShowEquipmentChargesReport_)},
        {"DisableLBCancellation", flag(&S::DisableLBCancellation_)},
        {"ORClinicalAssessmentRateByAccomodation", flag(&S::ClinicalAssessmentRateByAccomodation_)},
        {"ORClinicalAssessmentRate", text(&S::ClinicalAssessmentRate_)},
        {"ORSupervisorEditAmountPostCharge", flag(&S::SupervisorEditAmountPostCharge_)},
        {"OREnableChargeSlipPrinting", flag(&S::EnableChargeSlipPrinting_)},
        {"ClinicalOperationWithNoPostCharge", flag(&S::ClinicalOperationWithNoPostCharge_)},
        {"DisablePackageIfNotTagged", flag(&S::DisablePackageIfNotTagged_)},
        {"InventoryRoomClassRate", flag(&S::InventoryRoomClassRate_)},
        {"MultiCancel", flag(&S::MultiCancel_)},
        {"ORRevenueSupervisorCancel", flag(&S::ORRevenueSupervisorCancel_)},
        {"NoPackageItemExclude", flag(&S::NoPackageItemExclude_)},
        {"NoPackageRevoke", flag(&S::NoPackageRevoke_)},
        {"ORSupplyRateBasePType", flag(&S::SupplyRateBasePType_)},
        {"NoDirectReturnSupplies", flag(&S::NoDirectReturnSupplies_)},
        {"DontMixPackages", flag(&S::DontMixPackages_)},
        {"OnlyShowPackageCSlip", flag(&S::OnlyShowPackageCSlip_)},
        {"HidePackageItemPrice", flag(&S::HidePackageItemPrice_)},
        {"NotifyZeroAmount", flag(&S::NotifyZeroAmount_)},
        {"EnableORHMORate", flag(&S::EnableORHMORate_)},
        {"ORHMORateByRoomClass", flag(&S::ORHMORateByRoomClass_)},
        {"ORRateIforER", flag(&S::RateIforER_)},
        {"UseNewORMarkUp", flag(&S::UseNewORMarkUp_)},
        {"ORDontAllowINCPackage", flag(&S::DontAllowINCPackage_)},
        {"EnableCVORTag", flag(&S::EnableCVORTag_)},
        {"EditORAmount", flag(&S::EditORAmount_)},
        {"CVORMainRevID", text(&S::CVORMainRev_)},
        {"CVORNHISupplies", text(&S::CVORNHISupplies_)},
        {"CVORNHIConsignedSupplies", text(&S::CVORNHIConsignedSupplies_)},
        {"CVORNHIEquipments", text(&S::CVORNHIEquipment_)},
        {"CVORNHIMisc", text(&S::CVORNHIMisc_)},
        {"CVORHospSupplies", text(&S::CVORHospSupplies_)},
        {"CVORHospMeds", text(&S::CVORHospMeds_)},
        {"CVORHospEquipments", text(&S::CVORHospEquipments_)},
        {"CVORHospMisc", text(&S::CVORHospMisc_)},
        {"ComputePackageGross", flag(&S::ComputePackageGross_)},
        {"ORComputeTotalPostCharges", flag(&S::ComputeTotalPostCharges_)},
        {"NurseCheckZPDFirstPackage", anyValue(&S::CheckZPDFirstPackage_)},
        {"ORDecimalQty", flag(&S::AllowDecimalQty_)},
        {"ORUseBuildFixRate", flag(&S::UseBuildFixRate_)},
        {"HideCaseRateOptions", flag(&S::HideCaseRateOptions_)},
        {"ORSaveZeroAmtSubitem", flag(&S::SaveZeroAmtSubItem_)},
        {"ORAllowZeroOnHand_Requesting", flag(&S::AllowZeroOnHandRequesting_)},
        {"ORInstrumentHandlingFeeRate", number(&S::InstrumentHandlingFee_)},
        {"ORInstrumentRevID", text(&S::InstrumentFeeRevID_)},
        {"CSlipFormat", text(&S::NewCSlipFormat_)},
        {"FifteenCSlipFormat", flag(&S::FifteenCSlipFormat_)},
        {"BirCSlipFormat", text(&S::BirCSlipFormat_)},
        {"ORUseBfileFixRate", trueFalseText(&S::UseBFileFixRate_)},
        {"ORAllowInternationalRate", flag(&S::AllowInternationalRate_)},
        {"NurseAllowExcludePackageItems", flag(&S::AllowExcludePackageItems_)},
        {"ORRevenueForRequestingDoctor", text(&S::RevenueForRequestingDoctor_)},
        {"ExpandPostChargeList", flag(&S::ExpandList_)},
        {"NurseDcrOrderPendingReturn", flag(&S::CheckPendingReturnDcrOrder_)},
        // Scheduling, operation records and reports
        {"ORHideOpenHeartCategory", flag(&S::HideOpenHeartCategory_)},
        {"ORAllowRequestPersonalPx", flag(&S::ORAllowRequestPersonalPx_)},
        {"ShowNewFormatIncomeReport", flag(&S::ShowNewFormatIncomeReport_)},
        {"ORShowAnesthesiaDone", flag(&S::ShowAnesthesiaDone_)},
        {"ORShowCompleteInc", flag(&S::ShowCompleteInc_)},
        {"ORLogbookOnePage", flag(&S::LogbookOnePage_)},
        {"ORRequireChartCategory", flag(&S::RequireChartCategory_)},
        {"ORHideMediumCategory", flag(&S::HideMediumCategory_)},
        {"ORDontRequireAnes", flag(&S::DontRequireAnes_)},
        {"ORDontRequireScrub", flag(&S::DontRequireScrub_)},
        {"ORDontRequireCirc", flag(&S::DontRequireCirc_)},
        {"ORDontRequireAnesthesia", flag(&S::DontRequireAnesthesia_)},
        {"ORValidateCF4ORTech", flag(&S::ValidateCF4ORTech_)},
        {"ORRequireAnestSchedule", onUnlessZero(&S::RequireAnestSchedule_)},
        {"ORShowSignature", flag(&S::ShowSignature_)},
        {"ORShowOperationDone", flag(&S::ShowOperationDone_)},
        {"ORShowOrtechWarning", flag(&S::ShowORTechWarning_)},
        {"ORDontAllowDischargedClinicalOperation", flag(&S::DontAllowDischargedClinicalOperation_)},
        {"ORShowStocksMonitoring", flag(&S::ShowStocksMonitoring_)},
        {"ORAllowThirtyMinInterval", flag(&S::AllowThirtyMinInterval_)},
        {"ORAllowEndoScheduling", flag(&S::AllowEndoScheduling_)},
        {"ORRoomForEndo", text(&S::RoomForEndo_)},
        {"ORShowSpecimen", flag(&S::ShowSpecimen_)},
        {"ORAllowLateSchedule", flag(&S::AllowLateSchedule_)},
        {"ORShowSCNurseinSchedule", flag(&S::ShowSCNurseinSchedule_)},
        {"ORClientRUVtext", text(&S::ClientRUVtext_)},
        {"ORRequireOperativeDiagnosis", flag(&S::RequireOperativeDiagnosis_)},
        {"ORRequireCategoryOfProcedure", flag(&S::RequireCategoryOfProcedure_)},
        {"ORRequireAntibioticGiven", flag(&S::RequireAntibioticGiven_)},
        {"ORLinkToScheduling", flag(&S::LinkScheduleToScheduling_)},
        {"EnableORPrcAsstNurse", flag(&S::EnableORPrcAsstNurse_)},
        {"EnableSurgicalMemoForm", flag(&S::EnableSurgicalMemoForm_)},
        {"EnableLateralCheckBox", flag(&S::EnableLateralCheckBox_)},
        {"ORShowRoomTransfer", flag(&S::ORShowRoomTransfer_)},
        {"OREnableCaseNumberEntry", flag(&S::OREnableCaseNumberEntry_)},
        {"ORDisableDateTimeOperation", flag(&S::ORDisableDateTimeOperation_)},
        {"OREnableCreateNewProcedure", flag(&S::OREnableCreateNewProcedure_)},
        {"OREnableCountsFreeEntry", flag(&S::OREnableCountsFreeEntry_)},
        {"OREnableWithStations", flag(&S::OREnableWithStations_)},
        {"ORDoc1AttendingDR", flag(&S::Doc1AttendingDR_)},
        {"OREnableAdditionalDrs", flag(&S::OREnableAdditionalDrs_)},
        // PhilHealth, case rates and claim forms
        {"ORDontRequirePHICCode", flag(&S::DontRequirePHICCOde_)},
        {"ORUseNonPHICDescription", flag(&S::UseNonPHICDescription_)},
        {"ClinAssessRequireDx", flag(&S::ClinAssessRequireDx_)},
        {"OutInPHICSameChecking", flag(&S::OutInPHICSameChecking_)},
        {"DisableAutoUCaseHBPS", flag(&S::DisableAutoUCaseHBPS_)},
        {"NurseShowDoctorRoles", flag(&S::ShowDoctorRoles_)},
        {"NurseHBPSMoreThan5Dr", flag(&S::HBPSMoreThan5Dr_)},
        {"NurseHas3rd4thDxFields", flag(&S::Has3rd4thDxFields_)},
        {"RetainDataRevokeDischarge", flag(&S::RetainDataRevokeDischarge_)},
        {"DontRequireICDOnECU", flag(&S::DontRequireICDOnECU_)},
        {"DcrOrderValidateCF4", flag(&S::DcrOrderValidateCF4_)},
        {"HideBillingCheckList", flag(&S::HideBillingCheckList_)},
        {"HBPSSearchRVS", flag(&S::HBPSSearchRVS_)},
        {"ORHBPSDoctorAccess", flag(&S::HBPSDoctorAccess_)},
        {"ORDisableSendNotice", flag(&S::DisableSendNotice_)},
        {"ORShowCSFTemplate", flag(&S::ShowCSFTemplate_)},
        {"ORPrintCSF", flag(&S::NursePrintCSF_)},
        {"ORPrintCF4", flag(&S::NursePrintCF4_)},
        {"ORShowCF4", flag(&S::ShowCF4_)},
        {"CheckPNF", flag(&S::CheckPNF_)},
        {"NoPNFByPass", flag(&S::NoPNFByPass_)},
        {"CF4RequireStart", text(&S::RequireCF4Start_)},
        {"OREnableEditPxAdmDxandChiefCompFinal", flag(&S::OREnableEditPxAdmDxandChiefCompFinal_)},
        {"PECF4Format", flag(&S::PECF4Format_)},
        // Laboratory and results
        {"ORShowReprintLab", flag(&S::ShowReprintLab_)},
        {"EnablePulmoResultPrint", flag(&S::EnablePulmoResultPrint_)},
        {"EnableWCResult", flag(&S::EnableWCResult_)},
        {"EnableAMPickUPNonLB", flag(&S::EnableAMPickUPNonLB_)},
        {"ORShowLBAbnormal", flag(&S::ShowLBAbnormal_)},
        {"NurseAllowPathologyIfCash", flag(&S::AllowPathologyIfCash_)},
        {"OREnableNewPrecaution", flag(&S::EnableNewPrecaution_)},
        {"UseBuildPrecaution", flag(&S::UseBuildPrecaution_)},
        {"ORDisablePrintAllResults", flag(&S::DisablePrintAllResults_)},
        {"ORDisableLabPrintResult", flag(&S::DisableLabPrintResult_)},
        {"OREnableLabPrintTagging", flag(&S::EnableLabPrintTagging_)},
        {"OROneTimeResultPrint", flag(&S::EnableOneTimeResultPrint_)},
        {"ORNoOPDLab", flag(&S::NoOPDLab_)},
        {"HistoricalUseLabFormat", flag(&S::HistoricalUseLabFormat_)},
        {"LabTabularSelection", flag(&S::LabTabularSelection_)},
        {"ShowSchedExamReq", flag(&S::ShowSchedExamReq_)},
        {"EnableLabResultRelease", flag(&S::EnableLabResultRelease_)},
        // Requests, notices, nursing and discharge
        {"OREnableCashAssessmentForAll", flag(&S::EnableCashAssessmentForAll_)},
        {"GetComplaintsFromDRMod", flag(&S::GetComplaintsFromDRMod_)},
        {"OREnableChangeDiet", flag(&S::EnableChangeDiet_)},
        {"SearchAffiliatedOnly", flag(&S::SearchAffiliatedOnly_)},
        {"ORNoDefaultDosage", flag(&S::NoDefaultDosage_)},
        {"ORNotifyRevokedRequests", flag(&S::NotifyRevokedRequests_)},
        {"NurseNotifyRevokedNote", descriptionWhenOn(&S::NurseNotifyRevokedNote_)},
        {"ORNoDefaultRequestingDR", flag(&S::NoDefaultRequestingDR_)},
        {"NurseHideCSPHRequestAmt", flag(&S::HideCSPHRequestAmt_)},
        {"DontPrintToInclude", flag(&S::DontPrintToInclude_)},
        {"ORDisableDcrOrder", flag(&S::DisableDcrOrder_)},
        {"SystolicMax", smallInt(&S::SystolicMax_)},
        {"DiastolicMin", smallInt(&S::DiastolicMin_)},
        {"ORShowDosagePostMedicines", flag(&S::ShowDosagePostMedicines_)},
        {"ORDischarge", flag(&S::ORDischarge_)},
        {"ERShowReferredACC", flag(&S::ShowReferredACC_)},
        {"ERAdmDcrDisposition", flag(&S::ERAdmDcrDisposition_)},
        {"ERNoDefaultPatientCategory", flag(&S::NoDefaultPatientCategory_)},
        {"ERShowConditionDischarge", flag(&S::ShowConditionDischarge_)},
        {"ERNoDcrDateForAdm", flag(&S::ERNoDcrDateForAdm_)},
        {"ERRequireAdmDiagIfForAdm", flag(&S::RequireAdmDiagIfForAdm_)},
        {"CheckCredLim", flag(&S::CheckCredLim_)},
        {"NurseShowDosage", flag(&S::NurseShowDosage_)},
        {"NurseShowRoute", flag(&S::NurseShowRoute_)},
        {"AllowPrintHCPDraftER", flag(&S::AllowPrintHCPDraftER_)},
        {"AllowPrintHCPDraft", flag(&S::AllowPrintHCPDraft_)},
        {"EnableSpellChecker", flag(&S::EnableSpellChecker_)},
        {"NurseEnablePrintRequested", flag(&S::NurseEnablePrintRequested_)},
        {"StationEnablePrintPrescription", flag(&S::StationEnablePrintPrescription_)},
        {"NewDischargeMedication", flag(&S::NewDischargeMedication_)},
        {"NurseShowDCRInsShowOtherInstructions", flag(&S::NurseShowDCRInsShowOtherInstructions_)},
        {"NurseClinicalAssessmentGetPF", flag(&S::NurseClinicalAssessmentGetPF_)},
        {"ReqDoctorAssessment", flag(&S::ReqDoctorAssessment_)},
        // The station's own zero-on-hand switch lives with the hospital information.
        {"ORAllowZeroOnHand", Entry{Rule::HospitalZeroOnHand, std::monostate()}},
    };
    return table;
}

} // namespace settings
