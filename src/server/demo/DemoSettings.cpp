#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

// Switches of the hospital-information row: the behaviour of a mid-sized
// private hospital that prints its slips, validates transfers and lets
// supervisors approve cancellations.
struct Switch {
    const char* column;
    bool on;
};

const Switch kHospitalSwitches[] = {
    {"Bygeneric", false},
    {"IsNursePrint", true},
    {"IsLBDirectCharging", true},
    {"IsXRDirectCharging", true},
    {"IsUSDirectCharging", true},
    {"IsCTDirectCharging", true},
    {"IsHSDirectCharging", false},
    {"IsShowAmount", true},
    {"IsPrintChargeSlip", true},
    {"IsCutoffClearance", false},
    {"IsValidateRoomTransfer", true},
    {"IsShowBillClaimSlip", false},
    {"IsAllowRoomTransferWithPendingRequest", false},
    {"IsAllowBillingCheckListEntry", true},
    {"IsAllowZeroAmountForORProcedures", false},
    {"IsAllowORPostChargesIfCashBasis", false},
    {"IsAllowSupervisorCodeForCancellationOfCharges", true},
    {"IsAllowPostReturnMedicinesInOR", true},
    {"IsAllowClinicalAssessmentWithoutValidation", false},
    {"IsAllowEntryOfReasonForCancellation", true},
    {"IsAllowByPassClinicalDepartmentCashBasis", false},
    {"isallowopenclosetank", false},
    {"isstat", true},
    {"AllowZeroOnHand", false},
    {"isORTechPrint", false},
    {"isListCost", false},
    {"IsCompanyPrice", false},
    {"IsAllowEditAmount", true},
    {"IsAllowTaggingORPrc", true},
    {"IsShowMarkUp", true},
    {"IsAllowOREntry", true},
    {"IsAntiBiotic", true},
    {"isAllowLowerUnitPrice", false},
    {"blnRequireRadioReason", false},
    {"HighAlert", true},
    {"IsAllowOPDShowLabSpecimen", true},
    {"OREditSchedProcedure", true},
    {"OR_AllowEditScheduleDateTime", true},
    {"VSAllowINC", false},
};

void writeHospitalInfo(db::Connection& connection)
{
    QStringList columns = {QStringLiteral("Company"), QStringLiteral("Address1"), QStringLiteral("MTSServerName"),
                           QStringLiteral("clientname"), QStringLiteral("PhoneNum"),
                           QStringLiteral("PSIOxygenComputationType"), QStringLiteral("CashStatRate"),
                           QStringLiteral("chargeStatRate"), QStringLiteral("CutoffClearanceTime")};
    QStringList values = {Text(QStringLiteral("SAINT ANNE GENERAL HOSPITAL")),
                          Text(QStringLiteral("1200 MACARTHUR HIGHWAY, BRGY. DOLORES, SAN FERNANDO, PAMPANGA")),
                          Text(QStringLiteral("LOCALHOST")),
                          // A site code of our own, so that no client-site variant applies.
                          Text(QStringLiteral("STANNE")),
                          Text(QStringLiteral("(045) 961-2400")),
                          Int(1),
                          Num(0.30),
                          Num(0.30),
                          Stamp(At(QDate(1900, 1, 1), QTime(17, 0)))};
    for (const Switch& s : kHospitalSwitches) {
        columns << QString::fromLatin1(s.column);
        values << Flag(s.on);
    }
    BatchInsert rows(connection, QStringLiteral("PATIENT_DATA..tbHospitalInfo"), columns);
    rows.add(values);
    rows.flush();
}

void writeNursingSettings(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("STATION..tbNursing_Settings"),
                     {QStringLiteral("ORNoPreprinted"), QStringLiteral("ValidateUnusedMedClearance"),
                      QStringLiteral("isRequireAdmittingDiagnosis"), QStringLiteral("AllowAfterTimeRate"),
                      QStringLiteral("AutoORMarkUp"), QStringLiteral("ORProceduresAllSection"),
                      QStringLiteral("ShowPrecautions"), QStringLiteral("ORCategoryAuto"),
                      QStringLiteral("NoRequestingAfterFinalNotice"), QStringLiteral("PrintPHCSRequest"),
                      QStringLiteral("AppendDrugDescCharge"), QStringLiteral("ORHidePatientClass"),
                      QStringLiteral("EditVSByAuthor"), QStringLiteral("AllowEditDeleteVitalSigns"),
                      QStringLiteral("ORAfterTime"), QStringLiteral("ORAfterTimeRate"),
                      QStringLiteral("AfterTimeStatHours"), QStringLiteral("SecProcPercentDiscount"),
                      QStringLiteral("AssessmentMaxItems"), QStringLiteral("ORDRMealDoctors"),
                      QStringLiteral("OREditSchedProcedure"), QStringLiteral("OR_AllowEditScheduleDateTime"),
                      QStringLiteral("RequireDcrInstructionsBeforeClearance")});
    // After-hours surcharge of 30% from 17:00 for 14 hours; a second operation
    // on the same admission at half price.
    rows.add({Flag(false), Flag(false), Flag(false), Flag(true), Flag(true), Flag(false), Flag(true), Flag(false),
              Flag(true), Flag(false), Flag(false), Flag(false), Flag(true), Flag(true), Text(QStringLiteral("17:00")),
              Int(30), Int(14), Int(50), Int(15), Flag(true), Flag(true), Flag(true), Flag(false)});
    rows.flush();
}

struct Setting {
    const char* field;
    const char* value;
    const char* description;
};

// The program settings of the station. Keys left out keep their defaults.
const Setting kSettings[] = {
    {"ORUnderMaintenance", "0", "The operating-room module is under maintenance. Please try again later."},
    {"HideServerIP", "0", ""},
    {"LiveServerIP", "LOCALHOST", ""},
    {"TestServerIP", "TESTSERVER", ""},
    {"ShowEquipmentChargesReport", "1", ""},
    {"ORClinicalAssessmentRateByAccomodation", "1", ""},
    {"ORClinicalAssessmentRate", "A", ""},
    {"OREnableChargeSlipPrinting", "1", ""},
    {"ORSupervisorEditAmountPostCharge", "1", ""},
    {"UseNewORMarkUp", "1", ""},
    {"EnableCVORTag", "1", ""},
    // The cardiovascular census groups a case's charges by these revenues.
    {"CVORMainRevID", "OR", ""},
    {"CVORNHISupplies", "CS", ""},
    {"CVORNHIEquipments", "OX", ""},
    {"CVORHospMeds", "PH", ""},
    {"CVORHospSupplies", "MD", ""},
    {"CVORHospEquipments", "CT", ""},
    {"CVORHospMisc", "HS", ""},
    {"ORComputeTotalPostCharges", "1", ""},
    // Despite its name the setting is the handling fee itself, in pesos.
    {"ORInstrumentHandlingFeeRate", "350", ""},
    {"ORInstrumentRevID", "R010", ""},
    {"ORRevenueForRequestingDoctor", "MD", ""},
    {"ExpandPostChargeList", "1", ""},
    {"NotifyZeroAmount", "1", ""},
    {"ORShowAnesthesiaDone", "1", ""},
    {"ORShowOperationDone", "1", ""},
    {"ORRequireAnestSchedule", "1", ""},
    {"ORShowSignature", "1", ""},
    {"ORShowSpecimen", "1", ""},
    {"ORShowStocksMonitoring", "1", ""},
    {"ORAllowThirtyMinInterval", "1", ""},
    {"ORAllowEndoScheduling", "1", ""},
    {"ORRoomForEndo", "MINOR OR", ""},
    {"ORShowSCNurseinSchedule", "1", ""},
    {"ORRequireOperativeDiagnosis", "1", ""},
    {"EnableSurgicalMemoForm", "1", ""},
    {"EnableLateralCheckBox", "1", ""},
    {"ORShowRoomTransfer", "1", ""},
    {"OREnableWithStations", "1", ""},
    {"OREnableAdditionalDrs", "1", ""},
    {"NurseShowDoctorRoles", "1", ""},
    {"ORShowCSFTemplate", "1", ""},
    {"ORPrintCSF", "1", ""},
    {"ORShowLBAbnormal", "1", ""},
    {"EnableLabResultRelease", "1", ""},
    {"ORNotifyRevokedRequests", "1", ""},
    {"NurseNotifyRevokedNote", "1", "Revoked requests must be acknowledged by the charge nurse."},
    {"NurseShowDosage", "1", ""},
    {"NurseShowRoute", "1", ""},
    {"SystolicMax", "250", ""},
    {"DiastolicMin", "40", ""},
    {"ORDischarge", "1", ""},
    {"ORAllowZeroOnHand", "0", ""},
};

void writeProgramSettings(db::Connection& connection)
{
    BatchInsert rows(connection, QStringLiteral("STATION..tbNurseSetup"),
                     {QStringLiteral("Field"), QStringLiteral("value"), QStringLiteral("Description")});
    for (const Setting& s : kSettings)
        rows.add({Text(QString::fromLatin1(s.field)), Text(QString::fromLatin1(s.value)),
                  Text(QString::fromLatin1(s.description))});
    rows.flush();
}

void writeCounters(db::Connection& connection)
{
    // The first cash credit-memo advice; the charge-slip counter is set with the bills.
    BatchInsert memos(connection, QStringLiteral("BILLING..tbAssessmentNum"), {QStringLiteral("CMAdvisenum")});
    memos.add({Int(5001)});
    memos.flush();
}

} // namespace

void WriteSettings(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeHospitalInfo(context.connection);
        writeNursingSettings(context.connection);
        writeProgramSettings(context.connection);
        writeCounters(context.connection);
    });
}

} // namespace server::demo
