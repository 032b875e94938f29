#pragma once

#include <QHash>
#include <QString>

namespace db {
class Connection;
}

namespace settings {

// The operating-room program settings: one read-only value per key of
// STATION..tbNurseSetup. LoadParameters() puts every setting back to its
// default and applies the table's rows; reading a setting never touches the
// database, so the values hold still between two loads.
class clsSettings {
public:
    // Resets every setting, then reads "select * from STATION..tbNurseSetup"
    // through the shared connection. A database error (or a number setting
    // that is not a number) stops the load and reaches the caller; the
    // settings applied before it keep their new values. The key
    // ORAllowZeroOnHand has no setting of its own: "1" or "0" overrides the
    // hospital information's AllowZeroOnHand.
    void LoadParameters();

    // ---- Server and maintenance
    // Start-up refuses to go on while the module is closed, showing the message.
    bool ModuleUnderMaintenance() const { return ModuleUnderMaintenance_; }
    const QString& ModuleMaintenanceMsg() const { return ModuleMaintenanceMsg_; }
    bool HideServerIP() const { return HideServerIP_; }
    const QString& LiveServer() const { return LiveServer_; }
    const QString& TestServer() const { return TestServer_; }

    // ---- Charge slips, packages, rates and posting
    bool ShowEquipmentChargesReport() const { return ShowEquipmentChargesReport_; }
    bool DisableLBCancellation() const { return DisableLBCancellation_; }
    bool ClinicalAssessmentRateByAccomodation() const { return ClinicalAssessmentRateByAccomodation_; }
    const QString& ClinicalAssessmentRate() const { return ClinicalAssessmentRate_; }
    bool SupervisorEditAmountPostCharge() const { return SupervisorEditAmountPostCharge_; }
    bool EnableChargeSlipPrinting() const { return EnableChargeSlipPrinting_; }
    bool ClinicalOperationWithNoPostCharge() const { return ClinicalOperationWithNoPostCharge_; }
    bool DisablePackageIfNotTagged() const { return DisablePackageIfNotTagged_; }
    bool InventoryRoomClassRate() const { return InventoryRoomClassRate_; }
    bool MultiCancel() const { return MultiCancel_; }
    bool ORRevenueSupervisorCancel() const { return ORRevenueSupervisorCancel_; }
    bool NoPackageItemExclude() const { return NoPackageItemExclude_; }
    bool NoPackageRevoke() const { return NoPackageRevoke_; }
    bool SupplyRateBasePType() const { return SupplyRateBasePType_; }
    bool NoDirectReturnSupplies() const { return NoDirectReturnSupplies_; }
    bool DontMixPackages() const { return DontMixPackages_; }
    bool OnlyShowPackageCSlip() const { return OnlyShowPackageCSlip_; }
    bool HidePackageItemPrice() const { return HidePackageItemPrice_; }
    bool NotifyZeroAmount() const { return NotifyZeroAmount_; }
    bool EnableORHMORate() const { return EnableORHMORate_; }
    bool ORHMORateByRoomClass() const { return ORHMORateByRoomClass_; }
    bool RateIforER() const { return RateIforER_; }
    bool UseNewORMarkUp() const { return UseNewORMarkUp_; }
    bool DontAllowINCPackage() const { return DontAllowINCPackage_; }
    bool EnableCVORTag() const { return EnableCVORTag_; }
    bool EditORAmount() const { return EditORAmount_; }
    const QString& CVORMainRev() const { return CVORMainRev_; }
    const QString& CVORNHISupplies() const { return CVORNHISupplies_; }
    const QString& CVORNHIConsignedSupplies() const { return CVORNHIConsignedSupplies_; }
    const QString& CVORNHIEquipment() const { return CVORNHIEquipment_; }
    const QString& CVORNHIMisc() const { return CVORNHIMisc_; }
    const QString& CVORHospSupplies() const { return CVORHospSupplies_; }
    const QString& CVORHospMeds() const { return CVORHospMeds_; }
    const QString& CVORHospEquipments() const { return CVORHospEquipments_; }
    const QString& CVORHospMisc() const { return CVORHospMisc_; }
    bool ComputePackageGross() const { return ComputePackageGross_; }
    bool ComputeTotalPostCharges() const { return ComputeTotalPostCharges_; }
    // On for any value at all, "0" included.
    bool CheckZPDFirstPackage() const { return CheckZPDFirstPackage_; }
    bool AllowDecimalQty() const { return AllowDecimalQty_; }
    bool UseBuildFixRate() const { return UseBuildFixRate_; }
    bool HideCaseRateOptions() const { return HideCaseRateOptions_; }
    bool SaveZeroAmtSubItem() const { return SaveZeroAmtSubItem_; }
    bool AllowZeroOnHandRequesting() const { return AllowZeroOnHandRequesting_; }
    double InstrumentHandlingFee() const { return InstrumentHandlingFee_; }
    const QString& InstrumentFeeRevID() const { return InstrumentFeeRevID_; }
    const QString& NewCSlipFormat() const { return NewCSlipFormat_; }
    bool FifteenCSlipFormat() const { return FifteenCSlipFormat_; }
    const QString& BirCSlipFormat() const { return BirCSlipFormat_; }
    // "True" or "False", as text: other modules of the hospital system read it so.
    const QString& UseBFileFixRate() const { return UseBFileFixRate_; }
    bool AllowInternationalRate() const { return AllowInternationalRate_; }
    bool AllowExcludePackageItems() const { return AllowExcludePackageItems_; }
    const QString& RevenueForRequestingDoctor() const { return RevenueForRequestingDoctor_; }
    bool ExpandList() const { return ExpandList_; }
    bool CheckPendingReturnDcrOrder() const { return CheckPendingReturnDcrOrder_; }

    // ---- Scheduling, operation records and reports
    bool HideOpenHeartCategory() const { return HideOpenHeartCategory_; }
    bool ORAllowRequestPersonalPx() const { return ORAllowRequestPersonalPx_; }
    bool ShowNewFormatIncomeReport() const { return ShowNewFormatIncomeReport_; }
    bool ShowAnesthesiaDone() const { return ShowAnesthesiaDone_; }
    bool ShowCompleteInc() const { return ShowCompleteInc_; }
    bool LogbookOnePage() const { return LogbookOnePage_; }
    bool RequireChartCategory() const { return RequireChartCategory_; }
    bool HideMediumCategory() const { return HideMediumCategory_; }
    bool DontRequireAnes() const { return DontRequireAnes_; }
    bool DontRequireScrub() const { return DontRequireScrub_; }
    bool DontRequireCirc() const { return DontRequireCirc_; }
    bool DontRequireAnesthesia() const { return DontRequireAnesthesia_; }
    bool ValidateCF4ORTech() const { return ValidateCF4ORTech_; }
    // On unless the table says "0".
    bool RequireAnestSchedule() const { return RequireAnestSchedule_; }
    bool ShowSignature() const { return ShowSignature_; }
    bool ShowOperationDone() const { return ShowOperationDone_; }
    bool ShowORTechWarning() const { return ShowORTechWarning_; }
    bool DontAllowDischargedClinicalOperation() const { return DontAllowDischargedClinicalOperation_; }
    bool ShowStocksMonitoring() const { return ShowStocksMonitoring_; }
    bool AllowThirtyMinInterval() const { return AllowThirtyMinInterval_; }
    bool AllowEndoScheduling() const { return AllowEndoScheduling_; }
    const QString& RoomForEndo() const { return RoomForEndo_; }
    bool ShowSpecimen() const { return ShowSpecimen_; }
    bool AllowLateSchedule() const { return AllowLateSchedule_; }
    bool ShowSCNurseinSchedule() const { return ShowSCNurseinSchedule_; }
    const QString& ClientRUVtext() const { return ClientRUVtext_; }
    bool RequireOperativeDiagnosis() const { return RequireOperativeDiagnosis_; }
    bool RequireCategoryOfProcedure() const { return RequireCategoryOfProcedure_; }
    bool RequireAntibioticGiven() const { return RequireAntibioticGiven_; }
    bool LinkScheduleToScheduling() const { return LinkScheduleToScheduling_; }
    bool EnableORPrcAsstNurse() const { return EnableORPrcAsstNurse_; }
    bool EnableSurgicalMemoForm() const { return EnableSurgicalMemoForm_; }
    bool EnableLateralCheckBox() const { return EnableLateralCheckBox_; }
    bool ORShowRoomTransfer() const { return ORShowRoomTransfer_; }
    bool OREnableCaseNumberEntry() const { return OREnableCaseNumberEntry_; }
    bool ORDisableDateTimeOperation() const { return ORDisableDateTimeOperation_; }
    bool OREnableCreateNewProcedure() const { return OREnableCreateNewProcedure_; }
    bool OREnableCountsFreeEntry() const { return OREnableCountsFreeEntry_; }
    bool OREnableWithStations() const { return OREnableWithStations_; }
    bool Doc1AttendingDR() const { return Doc1AttendingDR_; }
    bool OREnableAdditionalDrs() const { return OREnableAdditionalDrs_; }

    // ---- PhilHealth, case rates and claim forms
    bool DontRequirePHICCOde() const { return DontRequirePHICCOde_; }
    bool UseNonPHICDescription() const { return UseNonPHICDescription_; }
    bool ClinAssessRequireDx() const { return ClinAssessRequireDx_; }
    bool OutInPHICSameChecking() const { return OutInPHICSameChecking_; }
    bool DisableAutoUCaseHBPS() const { return DisableAutoUCaseHBPS_; }
    bool ShowDoctorRoles() const { return ShowDoctorRoles_; }
    bool HBPSMoreThan5Dr() const { return HBPSMoreThan5Dr_; }
    bool Has3rd4thDxFields() const { return Has3rd4thDxFields_; }
    bool RetainDataRevokeDischarge() const { return RetainDataRevokeDischarge_; }
    bool DontRequireICDOnECU() const { return DontRequireICDOnECU_; }
    bool DcrOrderValidateCF4() const { return DcrOrderValidateCF4_; }
    bool HideBillingCheckList() const { return HideBillingCheckList_; }
    bool HBPSSearchRVS() const { return HBPSSearchRVS_; }
    bool HBPSDoctorAccess() const { return HBPSDoctorAccess_; }
    bool DisableSendNotice() const { return DisableSendNotice_; }
    bool ShowCSFTemplate() const { return ShowCSFTemplate_; }
    bool NursePrintCSF() const { return NursePrintCSF_; }
    bool NursePrintCF4() const { return NursePrintCF4_; }
    bool ShowCF4() const { return ShowCF4_; }
    bool CheckPNF() const { return CheckPNF_; }
    bool NoPNFByPass() const { return NoPNFByPass_; }
    const QString& RequireCF4Start() const { return RequireCF4Start_; }
    bool OREnableEditPxAdmDxandChiefCompFinal() const { return OREnableEditPxAdmDxandChiefCompFinal_; }
    bool PECF4Format() const { return PECF4Format_; }

    // ---- Laboratory and results
    bool ShowReprintLab() const { return ShowReprintLab_; }
    bool EnablePulmoResultPrint() const { return EnablePulmoResultPrint_; }
    bool EnableWCResult() const { return EnableWCResult_; }
    bool EnableAMPickUPNonLB() const { return EnableAMPickUPNonLB_; }
    bool ShowLBAbnormal() const { return ShowLBAbnormal_; }
    bool AllowPathologyIfCash() const { return AllowPathologyIfCash_; }
    bool EnableNewPrecaution() const { return EnableNewPrecaution_; }
    bool UseBuildPrecaution() const { return UseBuildPrecaution_; }
    bool DisablePrintAllResults() const { return DisablePrintAllResults_; }
    bool DisableLabPrintResult() const { return DisableLabPrintResult_; }
    bool EnableLabPrintTagging() const { return EnableLabPrintTagging_; }
    bool EnableOneTimeResultPrint() const { return EnableOneTimeResultPrint_; }
    bool NoOPDLab() const { return NoOPDLab_; }
    bool HistoricalUseLabFormat() const { return HistoricalUseLabFormat_; }
    bool LabTabularSelection() const { return LabTabularSelection_; }
    bool ShowSchedExamReq() const { return ShowSchedExamReq_; }
    bool EnableLabResultRelease() const { return EnableLabResultRelease_; }

    // ---- Requests, notices, nursing and discharge
    bool EnableCashAssessmentForAll() const { return EnableCashAssessmentForAll_; }
    bool GetComplaintsFromDRMod() const { return GetComplaintsFromDRMod_; }
    bool EnableChangeDiet() const { return EnableChangeDiet_; }
    bool SearchAffiliatedOnly() const { return SearchAffiliatedOnly_; }
    bool NoDefaultDosage() const { return NoDefaultDosage_; }
    bool NotifyRevokedRequests() const { return NotifyRevokedRequests_; }
    // The note shown with a revoked request: the Description of the row switched on.
    const QString& NurseNotifyRevokedNote() const { return NurseNotifyRevokedNote_; }
    bool NoDefaultRequestingDR() const { return NoDefaultRequestingDR_; }
    bool HideCSPHRequestAmt() const { return HideCSPHRequestAmt_; }
    bool DontPrintToInclude() const { return DontPrintToInclude_; }
    bool DisableDcrOrder() const { return DisableDcrOrder_; }
    qint16 SystolicMax() const { return SystolicMax_; }
    qint16 DiastolicMin() const { return DiastolicMin_; }
    bool ShowDosagePostMedicines() const { return ShowDosagePostMedicines_; }
    bool ORDischarge() const { return ORDischarge_; }
    bool ShowReferredACC() const { return ShowReferredACC_; }
    bool ERAdmDcrDisposition() const { return ERAdmDcrDisposition_; }
    bool NoDefaultPatientCategory() const { return NoDefaultPatientCategory_; }
    bool ShowConditionDischarge() const { return ShowConditionDischarge_; }
    bool ERNoDcrDateForAdm() const { return ERNoDcrDateForAdm_; }
    bool RequireAdmDiagIfForAdm() const { return RequireAdmDiagIfForAdm_; }
    bool CheckCredLim() const { return CheckCredLim_; }
    bool NurseShowDosage() const { return NurseShowDosage_; }
    bool NurseShowRoute() const { return NurseShowRoute_; }
    bool AllowPrintHCPDraftER() const { return AllowPrintHCPDraftER_; }
    bool AllowPrintHCPDraft() const { return AllowPrintHCPDraft_; }
    bool EnableSpellChecker() const { return EnableSpellChecker_; }
    bool NurseEnablePrintRequested() const { return NurseEnablePrintRequested_; }
    bool StationEnablePrintPrescription() const { return StationEnablePrintPrescription_; }
    bool NewDischargeMedication() const { return NewDischargeMedication_; }
    bool NurseShowDCRInsShowOtherInstructions() const { return NurseShowDCRInsShowOtherInstructions_; }
    bool NurseClinicalAssessmentGetPF() const { return NurseClinicalAssessmentGetPF_; }
    bool ReqDoctorAssessment() const { return ReqDoctorAssessment_; }

private:
    struct Entry;
    // The keys this module owns, compared exactly (case-sensitive).
    static const QHash<QString, Entry>& entries();
    void apply(const QString& key, const Entry& entry, const QString& value, const QString& description);

    // Defaults: off, empty, or as given here.

    // Server and maintenance
    bool ModuleUnderMaintenance_ = false;
    QString ModuleMaintenanceMsg_ = QStringLiteral("Sorry, Tamsel is under maintenance.");
    bool HideServerIP_ = false;
    QString LiveServer_;
    QString TestServer_;

    // Charge slips, packages, rates and posting
    bool ShowEquipmentChargesReport_ = false;
    bool DisableLBCancellation_ = false;
    bool ClinicalAssessmentRateByAccomodation_ = true;
    QString ClinicalAssessmentRate_ = QStringLiteral("A");
    bool SupervisorEditAmountPostCharge_ = false;
    bool EnableChargeSlipPrinting_ = false;
    bool ClinicalOperationWithNoPostCharge_ = false;
    bool DisablePackageIfNotTagged_ = false;
    bool InventoryRoomClassRate_ = false;
    bool MultiCancel_ = false;
    bool ORRevenueSupervisorCancel_ = false;
    bool NoPackageItemExclude_ = false;
    bool NoPackageRevoke_ = false;
    bool SupplyRateBasePType_ = false;
    bool NoDirectReturnSupplies_ = false;
    bool DontMixPackages_ = false;
    bool OnlyShowPackageCSlip_ = false;
    bool HidePackageItemPrice_ = false;
    bool NotifyZeroAmount_ = false;
    bool EnableORHMORate_ = false;
    bool ORHMORateByRoomClass_ = false;
    bool RateIforER_ = false;
    bool UseNewORMarkUp_ = false;
    bool DontAllowINCPackage_ = false;
    bool EnableCVORTag_ = false;
    bool EditORAmount_ = false;
    QString CVORMainRev_;
    QString CVORNHISupplies_;
    QString CVORNHIConsignedSupplies_;
    QString CVORNHIEquipment_;
    QString CVORNHIMisc_;
    QString CVORHospSupplies_;
    QString CVORHospMeds_;
    QString CVORHospEquipments_;
    QString CVORHospMisc_;
    bool ComputePackageGross_ = false;
    bool ComputeTotalPostCharges_ = false;
    bool CheckZPDFirstPackage_ = false;
    bool AllowDecimalQty_ = false;
    bool UseBuildFixRate_ = false;
    bool HideCaseRateOptions_ = false;
    bool SaveZeroAmtSubItem_ = false;
    bool AllowZeroOnHandRequesting_ = false;
    double InstrumentHandlingFee_;
    QString InstrumentFeeRevID_;
    QString NewCSlipFormat_;
    bool FifteenCSlipFormat_ = false;
    QString BirCSlipFormat_;
    QString UseBFileFixRate_ = QStringLiteral("False");
    bool AllowInternationalRate_ = false;
    bool AllowExcludePackageItems_ = false;
    QString RevenueForRequestingDoctor_;
    bool ExpandList_ = false;
    bool CheckPendingReturnDcrOrder_ = false;

    // Scheduling, operation records and reports
    bool HideOpenHeartCategory_ = false;
    bool ORAllowRequestPersonalPx_ = false;
    bool ShowNewFormatIncomeReport_ = false;
    bool ShowAnesthesiaDone_ = false;
    bool ShowCompleteInc_ = false;
    bool LogbookOnePage_ = false;
    bool RequireChartCategory_ = false;
    bool HideMediumCategory_ = false;
    bool DontRequireAnes_ = false;
    bool DontRequireScrub_ = false;
    bool DontRequireCirc_ = false;
    bool DontRequireAnesthesia_ = false;
    bool ValidateCF4ORTech_ = false;
    bool RequireAnestSchedule_ = true;
    bool ShowSignature_ = false;
    bool ShowOperationDone_ = false;
    bool ShowORTechWarning_ = false;
    bool DontAllowDischargedClinicalOperation_ = false;
    bool ShowStocksMonitoring_ = false;
    bool AllowThirtyMinInterval_ = false;
    bool AllowEndoScheduling_ = false;
    QString RoomForEndo_;
    bool ShowSpecimen_ = false;
    bool AllowLateSchedule_ = false;
    bool ShowSCNurseinSchedule_ = false;
    QString ClientRUVtext_;
    bool RequireOperativeDiagnosis_ = false;
    bool RequireCategoryOfProcedure_ = false;
    bool RequireAntibioticGiven_ = false;
    bool LinkScheduleToScheduling_ = false;
    bool EnableORPrcAsstNurse_ = false;
    bool EnableSurgicalMemoForm_ = false;
    bool EnableLateralCheckBox_ = false;
    bool ORShowRoomTransfer_ = false;
    bool OREnableCaseNumberEntry_ = false;
    bool ORDisableDateTimeOperation_ = false;
    bool OREnableCreateNewProcedure_ = false;
    bool OREnableCountsFreeEntry_ = false;
    bool OREnableWithStations_ = false;
    bool Doc1AttendingDR_ = false;
    bool OREnableAdditionalDrs_ = false;

    // PhilHealth, case rates and claim forms
    bool DontRequirePHICCOde_ = false;
    bool UseNonPHICDescription_ = false;
    bool ClinAssessRequireDx_ = false;
    bool OutInPHICSameChecking_ = false;
    bool DisableAutoUCaseHBPS_ = false;
    bool ShowDoctorRoles_ = false;
    bool HBPSMoreThan5Dr_ = false;
    bool Has3rd4thDxFields_ = false;
    bool RetainDataRevokeDischarge_ = false;
    bool DontRequireICDOnECU_ = false;
    bool DcrOrderValidateCF4_ = false;
    bool HideBillingCheckList_ = false;
    bool HBPSSearchRVS_ = false;
    bool HBPSDoctorAccess_ = false;
    bool DisableSendNotice_ = false;
    bool ShowCSFTemplate_ = false;
    bool NursePrintCSF_ = false;
    bool NursePrintCF4_ = false;
    bool ShowCF4_ = false;
    bool CheckPNF_ = false;
    bool NoPNFByPass_ = false;
    QString RequireCF4Start_;
    bool OREnableEditPxAdmDxandChiefCompFinal_ = false;
    bool PECF4Format_ = false;

    // Laboratory and results
    bool ShowReprintLab_ = false;
    bool EnablePulmoResultPrint_ = false;
    bool EnableWCResult_ = false;
    bool EnableAMPickUPNonLB_ = false;
    bool ShowLBAbnormal_ = false;
    bool AllowPathologyIfCash_ = false;
    bool EnableNewPrecaution_ = false;
    bool UseBuildPrecaution_ = false;
    bool DisablePrintAllResults_ = false;
    bool DisableLabPrintResult_ = false;
    bool EnableLabPrintTagging_ = false;
    bool EnableOneTimeResultPrint_ = false;
    bool NoOPDLab_ = false;
    bool HistoricalUseLabFormat_ = false;
    bool LabTabularSelection_ = false;
    bool ShowSchedExamReq_ = false;
    bool EnableLabResultRelease_ = false;

    // Requests, notices, nursing and discharge
    bool EnableCashAssessmentForAll_ = false;
    bool GetComplaintsFromDRMod_ = false;
    bool EnableChangeDiet_ = false;
    bool SearchAffiliatedOnly_ = false;
    bool NoDefaultDosage_ = false;
    bool NotifyRevokedRequests_ = false;
    QString NurseNotifyRevokedNote_;
    bool NoDefaultRequestingDR_ = false;
    bool HideCSPHRequestAmt_ = false;
    bool DontPrintToInclude_ = false;
    bool DisableDcrOrder_ = false;
    qint16 SystolicMax_ = 300;
    qint16 DiastolicMin_ = 50;
    bool ShowDosagePostMedicines_ = false;
    bool ORDischarge_ = false;
    bool ShowReferredACC_ = false;
    bool ERAdmDcrDisposition_ = false;
    bool NoDefaultPatientCategory_ = false;
    bool ShowConditionDischarge_ = false;
    bool ERNoDcrDateForAdm_ = false;
    bool RequireAdmDiagIfForAdm_ = false;
    bool CheckCredLim_ = false;
    bool NurseShowDosage_ = false;
    bool NurseShowRoute_ = false;
    bool AllowPrintHCPDraftER_ = false;
    bool AllowPrintHCPDraft_ = false;
    bool EnableSpellChecker_ = false;
    bool NurseEnablePrintRequested_ = false;
    bool StationEnablePrintPrescription_ = false;
    bool NewDischargeMedication_ = false;
    bool NurseShowDCRInsShowOtherInstructions_ = false;
    bool NurseClinicalAssessmentGetPF_ = false;
    bool ReqDoctorAssessment_ = false;
};

// The shared connection the settings are read through; throws db::DbError
// when nobody is logged in yet.
db::Connection& SettingsConnection();

} // namespace settings
