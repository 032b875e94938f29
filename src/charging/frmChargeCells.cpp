// The column rules of the charge entry's grid: what Enter on each cell checks,
// asks and fills in.

#include "charging/ChargeSlipFormat.h"
#include "charging/frmCharge.h"
#include "charging/frmDoctorsFee.h"
#include "charging/frmMarkUp.h"
#include "charging/frmMeals.h"
#include "charging/frmPSIReading.h"
#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/InventoryAndCharging.h"
#include "db/routines/PatientStatus.h"
#include "db/routines/RatesAndClasses.h"
#include "db/routines/RequestsAndExams.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"

namespace charging {

namespace {

const settings::clsSettings& Settings()
{
    static const settings::clsSettings defaults{};
    return app::ProgramSettings ? *app::ProgramSettings : defaults;
}

bool IsDoctorsDepartment(const QString& code)
{
    static const QStringList doctors{QStringLiteral("OB"), QStringLiteral("SU"), QStringLiteral("AN"), QStringLiteral("MD")};
    return doctors.contains(code.trimmed().toUpper());
}

bool IsDepartment(const ChargeEntryRow& row, const char* code)
{
    return row.line.departmentCode.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

std::optional<db::Decimal> Typed(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char(','));
    return db::Decimal::parse(plain);
}

db::Decimal Money(double value)
{
    return db::Decimal::fromDouble(value).rounded(2).value_or(db::Decimal());
}

QTime ServerTime()
{
    const QDateTime now = shell::ReadServerDate();
    return now.isValid() ? now.time() : QTime::currentTime();
}

} // namespace

bool frmCharge::unitPriceEditable(const ChargeEntryRow& row) const
{
    if (!row.line.packageId.isEmpty())
        return false;
    if (Settings().EditORAmount() && (IsDepartment(row, "OR") || IsDepartment(row, "MD")))
        return true;
    return Settings().SupervisorEditAmountPostCharge();
}

// ---- department ------------------------------------------------------------------------------

bool frmCharge::departmentEntered(int r, const QString& text)
{
    ChargeEntryRow& row = rows_[r];
    const QString code = text.trimmed().toUpper();
    if (code.isEmpty())
        return false;
    if (code == row.line.departmentCode.toUpper())
        return true;
    QString name, location;
    bool exists = false;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            db::Recordset rs = c.open(QStringLiteral("Select Description, isnull(locationid,'') AS LocationID "
                                                     "from BUILD_FILE..tbCoRevenueCode where revenueid = ")
                                      + db::Quote(code));
            exists = !rs.eof();
            if (exists) {
                name = rs.text(QStringLiteral("Description")).trimmed();
                location = rs.text(QStringLiteral("LocationID")).trimmed();
            }
        }))
        return false;
    if (!exists) {
        shell::Notify(QStringLiteral("Department code does not exist. Please refer to the list of department codes."));
        if (!row.hasItem())
            row.line.departmentCode.clear();
        return false;
    }
    if (row.hasItem()
        && !shell::Confirm(QStringLiteral("This will remove ") + row.line.description
                           + QStringLiteral(".\r\n\r\nAre you sure you want to continue?")))
        return false; // the old department stays
    row = ChargeEntryRow();
    row.line.departmentCode = code;
    row.departmentName = name;
    row.stockDepartment = !location.isEmpty();
    return true;
}

// ---- item -------------------------------------------------------------------------------------

bool frmCharge::itemEntered(int r, const QString& text)
{
    const ChargeEntryRow& row = rows_.at(r);
    if (row.line.departmentCode.isEmpty())
        return false;
    if (row.hasItem() && text.trimmed().compare(row.line.itemId, Qt::CaseInsensitive) == 0)
        return true;
    if (row.stockDepartment)
        return stockItemEntered(r, text.trimmed());
    if (IsDoctorsDepartment(row.line.departmentCode))
        return doctorItemEntered(r, text.trimmed());
    return serviceItemEntered(r, text.trimmed());
}

bool frmCharge::serviceItemEntered(int r, const QString& text)
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        return false;
    const QString department = rows_.at(r).line.departmentCode;
    bool found = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            search->OtherSectionID = department;
            // A typed code is looked up directly; a code it does not know, or
            // none, opens the list narrowed to what was typed.
            search->SearchMode = text.isEmpty();
            found = search->SearchListing(text, 21);
            if (!found && !text.isEmpty()) {
                search->SearchMode = true;
                found = search->SearchListing(text, 21);
            }
            search->SearchMode = true;
        }))
        return false;
    if (!found)
        return false;
    const components::codes::OtherRevenueRecord record = search->OtherRevenueRecord;
    const QString code = record.ResultCode.trimmed();
    for (int i = 0; i < rows_.size(); ++i) {
        if (i != r && rows_.at(i).line.itemId.compare(code, Qt::CaseInsensitive) == 0) {
            shell::Notify(QStringLiteral("Can't charge the same service."));
            return false;
        }
    }

    db::Decimal price;
    QString arCode;
    bool refused = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            if (routines::CheckItemPosted(IdNum, code, department)) {
                refused = true;
                return;
            }
            const settings::clsSettings& s = Settings();
            RateClassFacts facts;
            facts.patientClass = routines::GetPatientRateType(IdNum);
            facts.site = app::Hospital().clientname;
            facts.departmentCode = department;
            facts.outPatient = IsOutPatientVisit(IdNum);
            facts.enableORHMORate = s.EnableORHMORate();
            facts.rateIforER = s.RateIforER();
            facts.hmo = routines::IsHMOPatient(IdNum);
            facts.emergencyRoom = s.RateIforER() && routines::IsERPatient(IdNum);
            const QString rateClass = RateClass(facts);
            if (rateClass == QLatin1String("H") && s.ORHMORateByRoomClass())
                price = Money(routines::GetHMORateByClass(department, code, facts.outPatient ? QStringLiteral("B")
                                                                                              : QStringLiteral("I")));
            else
                price = Money(record.rate(rateClass));
            if (s.AllowInternationalRate() && routines::IsInternationalPatient(IdNum))
                price = InternationalPrice(price);
            if (app::Hospital().clientname.trimmed().compare(QLatin1String("QORV"), Qt::CaseInsensitive) == 0
                && department.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0)
                price = Money(routines::GetProcedureRUV(IdNum, code));
            arCode = routines::GetARCode(department, QStringLiteral("OR"), QStringLiteral("1"));
        }))
        return false;
    if (refused)
        return false;

    ChargeEntryRow& row = rows_[r];
    if (price.isZero() && department.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0) {
        shell::Notify(QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\n"
                                     "Please contact EDP for further assistance."),
                      shell::PromptIcon::Critical);
        row.clearItem();
        return false;
    }
    ChargeEntryRow filled;
    filled.line.departmentCode = department;
    filled.departmentName = row.departmentName;
    filled.line.itemId = code;
    filled.line.description = record.OtherRevenue.trimmed();
    filled.line.quantity = db::Decimal::fromInteger(1);
    filled.quantityTyped = true;
    filled.line.unitPrice = price;
    filled.basePrice = price;
    filled.line.arCode = arCode;
    if (department.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0)
        priceProcedureLine(filled);
    // The instrument handling fee is a fixed amount whatever the class.
    const QString instrumentFee = Settings().InstrumentFeeRevID().trimmed();
    if (!instrumentFee.isEmpty() && instrumentFee.compare(code, Qt::CaseInsensitive) == 0) {
        filled.line.unitPrice = Money(Settings().InstrumentHandlingFee());
        filled.basePrice = filled.line.unitPrice;
    }
    filled.line.amount = LineAmount(filled.line.quantity, filled.line.unitPrice);
    row = filled;
    return true;
}

void frmCharge::priceProcedureLine(ChargeEntryRow& row)
{
    const settings::NursingSettings& n = app::Nursing();
    const settings::HospitalInfo& h = app::Hospital();
    db::Decimal price = row.line.unitPrice;

    // The after-hours surcharge first: the picker's mark-up and the second
    // operation's discount apply to the surcharged price.
    bool stat = false;
    switch (HowToDecideStat(n.AllowAfterTimeRate, n.ORAfterTime, h.isstat, n.AutoORMarkUp, h.IsShowMarkUp)) {
    case StatDecision::None: break;
    case StatDecision::AskTheNurse: stat = shell::Confirm(kAskStat); break;
    case StatDecision::Automatic:
        switch (AfterHoursWindow(n.ORAfterTime, n.AfterTimeStatHours, ServerTime())) {
        case AfterHours::Misconfigured: shell::Notify(kStatMisconfigured); break;
        case AfterHours::Inside: stat = true; break;
        case AfterHours::Outside: stat = app::HolidayToday; break;
        }
        break;
    }
    if (stat) {
        price = AfterHoursPrice(price, n.ORAfterTimeRate);
        row.markUpMarker = PercentMarker(db::Decimal::fromInteger(n.ORAfterTimeRate));
    }

    if (h.IsShowMarkUp) {
        if (!n.ORAfterTime.trimmed().isEmpty() && AfterHoursWindow(n.ORAfterTime, 1, QTime(0, 0)) == AfterHours::Misconfigured)
            shell::Notify(QStringLiteral("Please check time settings for OR procedure mark up."));
        frmMarkUp picker(this);
        picker.Form_Load(Settings().UseNewORMarkUp());
        if (shell::Prompts::current().exec(picker) == QDialog::Accepted) {
            const MarkedPrice marked = ApplyMarkUp(price, picker.Choice, Settings().UseNewORMarkUp());
            if (!marked.marker.isEmpty()) {
                price = marked.unitPrice;
                row.markUpMarker = marked.marker;
            }
        }
    }

    if (h.IsAllowTaggingORPrc)
        row.majorOperation = shell::Confirm(QStringLiteral("Is it a major operation?")) ? QStringLiteral("Y") : QStringLiteral("N");

    if (n.SecProcPercentDiscount > 0) {
        bool hasSecond = false;
        shell::SaveTransaction::Load([&](db::Connection& c) {
            hasSecond = !c.open(QStringLiteral("SELECT TOP 1 1 FROM STATION..TBNURSELOGBOOK WHERE IDNUM = ") + db::Quote(IdNum)
                                + QStringLiteral(" AND ISNULL(isSecORProc,'') <> '' AND RECORDSTATUS <> 'R'"))
                             .eof();
        });
        if (!hasSecond && shell::Confirm(SecondOperationQuestion(n.SecProcPercentDiscount))) {
            price = SecondOperationPrice(price, n.SecProcPercentDiscount);
            row.line.secondOperation = true;
        }
    }

    row.line.unitPrice = price;
    row.basePrice = price;
    QString marker = row.markUpMarker;
    marker.remove(QLatin1Char('%'));
    row.line.markUp = db::Decimal::parse(marker).value_or(db::Decimal());
}

bool frmCharge::doctorItemEntered(int r, const QString& text)
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        return false;
    bool found = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            search->SearchMode = text.isEmpty();
            found = search->SearchListing(text, 1);
            if (!found && !text.isEmpty()) {
                search->SearchMode = true;
                found = search->SearchListing(text, 1);
            }
            search->SearchMode = true;
        }))
        return false;
    if (!found)
        return false;
    const QString doctor = search->DoctorRecord.ResultCode.trimmed();
    const QString name = search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search->DoctorRecord.FirstName.trimmed();
    bool hasFees = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { hasFees = routines::HasDoctorBill(doctor); }))
        return false;
    if (!hasFees) {
        shell::Notify(QStringLiteral("No record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance."));
        return false;
    }
    frmDoctorsFee fees(this);
    if (!fees.Form_Load(doctor, name) || shell::Prompts::current().exec(fees) != QDialog::Accepted)
        return false;
    ChargeEntryRow& row = rows_[r];
    ChargeEntryRow filled;
    filled.line.departmentCode = row.line.departmentCode;
    filled.departmentName = row.departmentName;
    filled.line.itemId = doctor;
    filled.line.description = name;
    filled.line.quantity = db::Decimal::fromInteger(1);
    filled.quantityTyped = true;
    filled.line.unitPrice = fees.SelectedDoctorFee;
    filled.basePrice = fees.SelectedDoctorFee;
    filled.line.amount = LineAmount(filled.line.quantity, filled.line.unitPrice);
    shell::SaveTransaction::Load([&](db::Connection&) {
        filled.line.arCode = routines::GetARCode(filled.line.departmentCode, QStringLiteral("OR"), QStringLiteral("1"));
    });
    row = filled;
    return true;
}

// ---- quantity, unit price, amount --------------------------------------------------------------

bool frmCharge::quantityEntered(int r, const QString& text)
{
    ChargeEntryRow& row = rows_[r];
    const std::optional<db::Decimal> quantity = Typed(text);
    if (!quantity) {
        shell::Notify(QStringLiteral("Quantity should be greater than zero(0)."));
        return false;
    }
    std::optional<db::Decimal> stock;
    if (row.line.isStockLine() && app::Hospital().AllowZeroOnHand) {
        double onHand = 0;
        if (!shell::SaveTransaction::Load(
                [&](db::Connection&) { onHand = routines::GetDrugOnHand(row.line.itemId, row.line.location); }))
            return false;
        stock = db::Decimal::fromDouble(onHand);
    }
    const QString refusal = QuantityRefusal(*quantity, Settings().AllowDecimalQty(), stock);
    if (!refusal.isEmpty()) {
        shell::Notify(refusal);
        return false;
    }
    ChargeEntryRow changed = row;
    changed.line.quantity = *quantity;
    if (IsDepartment(row, "OX")) {
        changed.line.psiOxygen = false;
        changed.line.cylinderStart.clear();
        changed.line.cylinderEnd.clear();
        changed.line.cylinderUnit.clear();
        if (shell::Confirm(QStringLiteral("Is this a PSI Oxygen?"))) {
            frmPSIReading reading(this);
            reading.Form_Load(row.line.itemId, row.line.description);
            if (shell::Prompts::current().exec(reading) != QDialog::Accepted)
                return false;
            changed.line.psiOxygen = true;
            changed.line.cylinderStart = reading.Reading1;
            changed.line.cylinderEnd = reading.Reading2;
            changed.line.cylinderUnit = reading.Unit;
            changed.line.quantity = reading.Quantity;
        }
    }
    if (IsDepartment(row, "OR") && mealDoctors_) {
        frmMeals meals(this);
        if (shell::Prompts::current().exec(meals) == QDialog::Accepted) {
            MealAmount = meals.MealAmount;
            MealRemarks = meals.MealRemarks;
            changed.line.mealAmount = meals.MealAmount;
            changed.line.mealRemarks = meals.MealRemarks;
        }
    }
    changed.quantityTyped = true;
    changed.line.amount = LineAmount(changed.line.quantity, changed.line.unitPrice);
    row = changed;
    return true;
}

bool frmCharge::unitPriceEntered(int r, const QString& text)
{
    ChargeEntryRow& row = rows_[r];
    const std::optional<db::Decimal> price = Typed(text);
    if (!price)
        return false;
    const db::Decimal newPrice = price->rounded(2).value_or(*price);
    if (newPrice == row.line.unitPrice)
        return true;
    const QString refusal = UnitPriceRefusal(newPrice, row.basePrice);
    if (!refusal.isEmpty()) {
        shell::Notify(refusal);
        return false;
    }
    const bool freeEdit = Settings().EditORAmount() && (IsDepartment(row, "OR") || IsDepartment(row, "MD"));
    if (!freeEdit) {
        // Anywhere else a changed price needs a supervisor, recorded at posting.
        if (!shell::ValidateSupervisor(
                QStringLiteral("Unit price will not be changed. \r\nAre you sure you want to change the unit price?"), this))
            return false;
        row.line.priceSupervisorId = app::SupervisorID;
        row.line.originalUnitPrice = row.basePrice;
    }
    row.line.unitPrice = newPrice;
    row.line.amount = LineAmount(row.line.quantity, newPrice);
    return true;
}

bool frmCharge::amountEntered(int r, const QString& text)
{
    ChargeEntryRow& row = rows_[r];
    const std::optional<db::Decimal> amount = Typed(text);
    const QString refusal = amount ? AmountRefusal(*amount, row.line.quantity, row.line.unitPrice)
                                   : QStringLiteral("Amount should be greater than zero(0).");
    if (!refusal.isEmpty()) {
        shell::Notify(refusal);
        return false;
    }
    row.line.amount = amount->rounded(2).value_or(*amount);
    return true;
}

} // namespace charging
