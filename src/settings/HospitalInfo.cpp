#include "settings/HospitalInfo.h"

#include "db/Connection.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

namespace settings {

namespace {

// Each reader copies one column when the row has it; older databases lack
// some of the newer switches, and their members keep what they hold.
void read(const db::Recordset& row, const char* column, QString& member)
{
    const QString name = QString::fromLatin1(column);
    if (row.hasField(name))
        member = row.text(name);
}

void read(const db::Recordset& row, const char* column, bool& member)
{
    const QString name = QString::fromLatin1(column);
    if (row.hasField(name))
        member = row.field(name).toBool();
}

void read(const db::Recordset& row, const char* column, qint16& member)
{
    const QString name = QString::fromLatin1(column);
    if (row.hasField(name))
        member = static_cast<qint16>(row.field(name).toInt());
}

void read(const db::Recordset& row, const char* column, double& member)
{
    const QString name = QString::fromLatin1(column);
    if (row.hasField(name))
        member = row.field(name).toDouble();
}

void read(const db::Recordset& row, const char* column, QDateTime& member)
{
    const QString name = QString::fromLatin1(column);
    if (row.hasField(name))
        member = row.field(name).toDateTime();
}

#define READ(member) read(row, #member, info.member)

void readHospitalInfo(const db::Recordset& row, HospitalInfo& info)
{
    READ(Company);
    READ(Address1);
    READ(Bygeneric);
    READ(MTSServerName);
    READ(clientname);
    READ(PhoneNum);
    READ(PSIOxygenComputationType);
    READ(CashStatRate);
    READ(chargeStatRate);
    READ(CutoffClearanceTime);
    READ(IsNursePrint);
    READ(IsLBDirectCharging);
    READ(IsXRDirectCharging);
    READ(IsUSDirectCharging);
    READ(IsCTDirectCharging);
    READ(IsHSDirectCharging);
    READ(IsShowAmount);
    READ(IsPrintChargeSlip);
    READ(IsCutoffClearance);
    READ(IsValidateRoomTransfer);
    READ(IsShowBillClaimSlip);
    READ(IsAllowRoomTransferWithPendingRequest);
    READ(IsAllowBillingCheckListEntry);
    READ(IsAllowZeroAmountForORProcedures);
    READ(IsAllowORPostChargesIfCashBasis);
    READ(IsAllowSupervisorCodeForCancellationOfCharges);
    READ(IsAllowPostReturnMedicinesInOR);
    READ(IsAllowClinicalAssessmentWithoutValidation);
    READ(IsAllowEntryOfReasonForCancellation);
    READ(IsAllowByPassClinicalDepartmentCashBasis);
    READ(isallowopenclosetank);
    READ(isstat);
    READ(AllowZeroOnHand);
    READ(isORTechPrint);
    READ(isListCost);
    READ(IsCompanyPrice);
    READ(IsAllowEditAmount);
    READ(IsAllowTaggingORPrc);
    READ(IsShowMarkUp);
    READ(IsAllowOREntry);
    READ(IsAntiBiotic);
    READ(isAllowLowerUnitPrice);
    READ(blnRequireRadioReason);
    READ(HighAlert);
    READ(IsAllowOPDShowLabSpecimen);
    READ(OREditSchedProcedure);
    READ(OR_AllowEditScheduleDateTime);
    READ(VSAllowINC);
}

void readNursingSettings(const db::Recordset& row, NursingSettings& info)
{
    READ(ORNoPreprinted);
    READ(ValidateUnusedMedClearance);
    READ(isRequireAdmittingDiagnosis);
    READ(AllowAfterTimeRate);
    READ(AutoORMarkUp);
    READ(ORProceduresAllSection);
    READ(ShowPrecautions);
    READ(ORCategoryAuto);
    READ(NoRequestingAfterFinalNotice);
    READ(PrintPHCSRequest);
    READ(AppendDrugDescCharge);
    READ(ORHidePatientClass);
    READ(EditVSByAuthor);
    READ(AllowEditDeleteVitalSigns);
    READ(ORAfterTime);
    READ(ORAfterTimeRate);
    READ(AfterTimeStatHours);
    READ(SecProcPercentDiscount);
    READ(AssessmentMaxItems);
}

#undef READ

} // namespace

void LoadHospitalInfo()
{
    db::Connection& connection = SettingsConnection();

    const db::Recordset hospital = connection.open(QStringLiteral("Select * from PATIENT_DATA..tbHospitalInfo"));
    if (!hospital.eof())
        readHospitalInfo(hospital, app::Hospital());

    const db::Recordset nursing = connection.open(QStringLiteral("Select * from STATION..tbNursing_Settings"));
    if (!nursing.eof())
        readNursingSettings(nursing, app::Nursing());

    // The one settings object lives from its first use to the end of the program.
    if (!app::ProgramSettings) {
        static clsSettings programSettings;
        app::ProgramSettings = &programSettings;
    }
    app::ProgramSettings->LoadParameters();
}

} // namespace settings
