#pragma once

#include <QDateTime>
#include <QString>

namespace settings {

// The hospital-information row (PATIENT_DATA..tbHospitalInfo): site identity
// and the switches shared with the other modules of the hospital system. The
// members carry the column names; a null switch reads as off.
struct HospitalInfo {
    QString Company;
    QString Address1;
    bool Bygeneric = false; // the drug list is organised by generic name
    QString MTSServerName;
    QString clientname; // the client-site code
    QString PhoneNum;
    qint16 PSIOxygenComputationType = 0;
    double CashStatRate = 0;   // STAT surcharge for cash patients
    double chargeStatRate = 0; // STAT surcharge for charge patients
    QDateTime CutoffClearanceTime; // with IsCutoffClearance

    bool IsNursePrint = false;
    bool IsLBDirectCharging = false;
    bool IsXRDirectCharging = false;
    bool IsUSDirectCharging = false;
    bool IsCTDirectCharging = false;
    bool IsHSDirectCharging = false;
    bool IsShowAmount = false;
    bool IsPrintChargeSlip = false;
    bool IsCutoffClearance = false;
    bool IsValidateRoomTransfer = false;
    bool IsShowBillClaimSlip = false;
    bool IsAllowRoomTransferWithPendingRequest = false;
    bool IsAllowBillingCheckListEntry = false;
    bool IsAllowZeroAmountForORProcedures = false;
    bool IsAllowORPostChargesIfCashBasis = false;
    bool IsAllowSupervisorCodeForCancellationOfCharges = false;
    bool IsAllowPostReturnMedicinesInOR = false;
    bool IsAllowClinicalAssessmentWithoutValidation = false;
    bool IsAllowEntryOfReasonForCancellation = false;
    bool IsAllowByPassClinicalDepartmentCashBasis = false;
    bool isallowopenclosetank = false;
    bool isstat = false;
    bool AllowZeroOnHand = false;
    bool isORTechPrint = false;
    bool isListCost = false;
    bool IsCompanyPrice = false;
    bool IsAllowEditAmount = false;
    bool IsAllowTaggingORPrc = false;
    bool IsShowMarkUp = false;
    bool IsAllowOREntry = false;
    bool IsAntiBiotic = false;
    bool isAllowLowerUnitPrice = false;
    bool blnRequireRadioReason = false;
    bool HighAlert = false;
    bool IsAllowOPDShowLabSpecimen = false;
    bool OREditSchedProcedure = false;
    bool OR_AllowEditScheduleDateTime = false;
    bool VSAllowINC = false;
};

// The nursing-settings row of the station database (STATION..tbNursing_Settings).
struct NursingSettings {
    bool ORNoPreprinted = false;
    bool ValidateUnusedMedClearance = false;
    bool isRequireAdmittingDiagnosis = false;
    bool AllowAfterTimeRate = false;
    bool AutoORMarkUp = false;
    bool ORProceduresAllSection = false;
    bool ShowPrecautions = false;
    bool ORCategoryAuto = false;
    bool NoRequestingAfterFinalNotice = false;
    bool PrintPHCSRequest = false;
    bool AppendDrugDescCharge = false;
    bool ORHidePatientClass = false;
    bool EditVSByAuthor = false;
    bool AllowEditDeleteVitalSigns = false;

    QString ORAfterTime; // start of the after-hours rate, "hh:mm"
    qint16 ORAfterTimeRate = 0;
    qint16 AfterTimeStatHours = 0;
    qint16 SecProcPercentDiscount = 0;
    qint16 AssessmentMaxItems = 0;
};

// Reads the first hospital-information row and the first nursing-settings row
// into app::Hospital() and app::Nursing(), then (re)loads app::ProgramSettings,
// creating it on first use. A column the database does not have (an older
// schema) leaves its member as it is. Database errors reach the caller.
void LoadHospitalInfo();

} // namespace settings
