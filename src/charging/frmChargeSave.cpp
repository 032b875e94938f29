// Posting the grid, revoking posted lines and reprinting a slip.

#include "charging/ChargeSlipFormat.h"
#include "charging/ChargingGate.h"
#include "charging/frmCharge.h"
#include "charging/frmRequestingDoctor.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "components/clsCurrentuser.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"

#include "charging/ChargeSlipPrint.h"
#include "charging/PostCharges.h"
#include "charging/RevokeLine.h"

#include <QPushButton>
#include <QStringList>

namespace charging {

namespace {

const settings::clsSettings& Settings()
{
    static const settings::clsSettings defaults{};
    return app::ProgramSettings ? *app::ProgramSettings : defaults;
}

// The number the next posting would draw, for the confirmation: another
// station may take it first, in which case the draw moves on.
QString NextSlipPreview(const QString& idNum)
{
    QString number;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("Select * from STATION..tbORChargeSlip"));
        if (rs.eof())
            return;
        CounterValues values;
        values.chargeslip = rs.field(QStringLiteral("Chargeslip")).toLongLong();
        values.inPatient = rs.field(QStringLiteral("IChargeSlip")).toLongLong();
        values.outPatient = rs.field(QStringLiteral("OChargeSlip")).toLongLong();
        number = MakeChargeSlipNumber(ChargeSlipFormat::FromSettings(Settings()), values, idNum).number;
    });
    return number;
}

} // namespace

bool frmCharge::cmdSave_Click()
{
    if (saving_)
        return false;
    txtEntry->hide();
    editRow_ = editColumn_ = -1;

    // The account must take charges at all: closed, cleared, discharged, credit line.
    bool mayCharge = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            mayCharge = ChargingGate(QStringLiteral("OR"), QStringLiteral("OR Department")).MayCharge(IdNum, PatientName, runningTotal());
        }))
        return false;
    if (!mayCharge)
        return false;

    const QString refusal = SaveRefusal(EnteredLines(rows_), Settings().NotifyZeroAmount());
    if (!refusal.isEmpty()) {
        shell::Notify(refusal);
        return false;
    }

    // Beyond the question itself, the nurse sees what will be posted.
    QList<ChargeLine> lines;
    QStringList summary;
    for (const ChargeEntryRow& row : rows_) {
        if (!row.hasItem())
            continue;
        lines << row.line;
        summary << QStringLiteral("%1  %2  %3   %4 x %5 = %6")
                       .arg(row.line.departmentCode, row.line.itemId, row.line.description, QuantityText(row.line.quantity),
                            GroupedMoneyText(row.line.unitPrice), GroupedMoneyText(row.line.amount));
    }
    const QString slipPreview = NextSlipPreview(IdNum);
    QString question = kConfirmSave + QStringLiteral("\r\n\r\n") + summary.join(QStringLiteral("\r\n"));
    if (!slipPreview.isEmpty())
        question += QStringLiteral("\r\n\r\nCharge slip: ") + slipPreview;
    question += QStringLiteral("\r\nTotal: Php ") + GroupedMoneyText(runningTotal());
    if (!shell::Confirm(question))
        return false;

    if (!shell::ValidateTransaction(kNotSavedQuestion, 0, QString(), this))
        return false;

    saving_ = true;
    Command1[0]->setEnabled(false);
    const bool done = postGrid();
    Command1[0]->setEnabled(true);
    saving_ = false;
    return done;
}

bool frmCharge::postGrid()
{
    ChargePosting posting;
    posting.hospNum = HospNum;
    posting.idNum = IdNum;
    posting.patientType = IsOutPatientVisit(IdNum) ? QStringLiteral("O") : QStringLiteral("I");
    posting.room = IsOutPatientVisit(IdNum) ? QStringLiteral("OPD/ER") : Room;
    posting.departmentLabel = lblDeptCode->text();
    posting.userId = app::ValidatedUserID;
    posting.serverTime = shell::ReadServerDate();
    posting.secondOperationDiscount = app::Nursing().SecProcPercentDiscount > 0;

    QList<ChargeLine> lines;
    bool needsDoctor = false;
    for (const ChargeEntryRow& row : rows_) {
        if (!row.hasItem())
            continue;
        lines << row.line;
        needsDoctor = needsDoctor || row.line.departmentCode.compare(QLatin1String("OR"), Qt::CaseInsensitive) != 0;
    }
    if (needsDoctor) {
        frmRequestingDoctor doctor(this);
        if (shell::Prompts::current().exec(doctor) == QDialog::Accepted) {
            posting.doctorCode = doctor.DoctorCode;
            posting.doctorName = doctor.DoctorName;
        }
    }
    if (Settings().ShowDosagePostMedicines()) {
        for (const ChargeLine& line : lines) {
            if (line.isStockLine() && line.stockDepartment == QLatin1String("PH") && line.dosageId.trimmed().isEmpty()) {
                shell::Notify(QStringLiteral("DOSAGE ID for ") + line.description
                              + QStringLiteral(" is empty. The system can't process the specified item."));
                return false;
            }
        }
    }

    QStringList unused;
    for (const ChargeLine& line : unusedPackageItems_)
        unused << line.itemId;
    const QString slip = PostCharges(posting, lines, ChargeSlipFormat::FromSettings(Settings()), app::ORStationName, unused);
    if (slip.isEmpty())
        return false; // told; the grid stays for another try

    ChargeSlipHeader header;
    header.patientName = PatientName;
    header.idNum = IdNum;
    header.hospNum = HospNum;
    header.room = posting.room;
    header.age = Age;
    header.sex = Sex;
    header.doctor = Doctor;
    header.userName = app::ValidatedUserName;
    header.slip = slip;
    PrintChargeSlip(header, false);

    refreshPosted();
    resetGrid();
    emit posted(slip);
    return true;
}

void frmCharge::revokeChosen(int postedRow)
{
    QList<PostedCharge> chosen;
    const bool multi = Settings().MultiCancel();
    if (multi) {
        chosen = postedList->ticked();
        if (chosen.isEmpty()) {
            shell::Notify(QStringLiteral("Please select items to revoke."));
            return;
        }
    } else {
        // The Revoke button with no line chosen must not look like it did nothing.
        if (postedRow < 0 || postedRow >= postedList->lines().size()) {
            shell::Notify(QStringLiteral("Please select items to revoke."));
            return;
        }
        chosen << postedList->lines().at(postedRow);
    }
    ChargePosting posting;
    posting.hospNum = HospNum;
    posting.idNum = IdNum;
    posting.patientType = IsOutPatientVisit(IdNum) ? QStringLiteral("O") : QStringLiteral("I");
    posting.room = IsOutPatientVisit(IdNum) ? QStringLiteral("OPD/ER") : Room;
    posting.departmentLabel = lblDeptCode->text();
    posting.serverTime = shell::ReadServerDate();
    bool allRevoked = true;
    for (const PostedCharge& charge : chosen) {
        PostedLine line;
        line.departmentCode = charge.departmentCode;
        line.itemId = charge.itemId;
        line.description = charge.description;
        line.slip = charge.slip;
        line.packageId = charge.packageId;
        line.location = charge.location;
        line.quantity = charge.standingQuantity;
        line.amount = charge.standingAmount;
        if (!RevokeLine(posting, line, PatientName))
            allRevoked = false;
    }
    if (multi && !allRevoked)
        shell::Notify(QStringLiteral("Selected charge(s) were not revoked! "));
    refreshPosted();
}

void frmCharge::cmdOption_Click()
{
    const PostedCharge* line = postedList->current();
    if (!line) {
        shell::Notify(QStringLiteral("Please select a charge slip from the list of posted charges."));
        return;
    }
    ChargeSlipHeader header;
    header.patientName = PatientName;
    header.idNum = IdNum;
    header.hospNum = HospNum;
    header.room = IsOutPatientVisit(IdNum) ? QStringLiteral("OPD/ER") : Room;
    header.age = Age;
    header.sex = Sex;
    header.doctor = Doctor;
    header.userName = app::CurrentUser ? app::CurrentUser->EmployeeName : QString();
    header.slip = line->slip;
    PrintChargeSlip(header, true);
}

} // namespace charging
