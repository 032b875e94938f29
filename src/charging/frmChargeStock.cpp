// The item column of a stock department: drugs and supplies looked up
// through the drug component and priced by the hospital's rules.

#include "charging/ChargeSlipFormat.h"
#include "charging/frmCharge.h"
#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "components/clsDrug.h"
#include "components/clsListDrugs.h"
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

namespace charging {

namespace {

const settings::clsSettings& Settings()
{
    static const settings::clsSettings defaults{};
    return app::ProgramSettings ? *app::ProgramSettings : defaults;
}

// The day the national formulary rule starts to bind: stays admitted before
// it are charged as they always were.
const QString kFormularyCutOff = QStringLiteral("2018-01-01");

// The listing number of the code search's dosages.
constexpr int kDosageListing = 30;

} // namespace

// An empty item code opens the item list of the department's location; the
// picked code goes on as if it had been typed. Empty when nothing was picked
// (cancelled, or the list could not be read and the user was told).
QString frmCharge::pickStockItem(int r)
{
    const QString department = rows_.at(r).line.departmentCode;
    QString location;
    bool central = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            location = routines::GetRevenueLocation(department);
            central = routines::GetInventoryType(location) == QLatin1String("C");
        }))
        return QString();
    // The central supply has a list of its own only where drugs are listed by
    // generic name; elsewhere the one item list serves both.
    components::clsListDrugs* list = nullptr;
    if (app::Components) {
        components::clsListDrugs* supplies = app::Components->DrugListCSR();
        list = central && supplies && supplies->connection() ? supplies : app::Components->DrugList();
    }
    if (!list || !list->connection())
        return QString();
    list->DrugsORCSR = central;
    QString picked;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { picked = list->ShowList(location); }))
        return QString();
    return picked;
}

// A medicine of a pharmacy department carries its dosage when the hospital
// asks for one: it must be in stock, and the nurse picks the dosage from the
// code search. Empty after telling the user why the item is refused.
std::optional<QString> frmCharge::pickDosage(const QString& department, const QString& name, const db::Decimal& stockOnHand)
{
    bool pharmacy = false;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            pharmacy = !c.open(QStringLiteral("SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = ") + db::Quote(department)
                               + QStringLiteral(" AND StockCardRevenueID = 'PH'"))
                            .eof();
        }))
        return std::nullopt;
    if (!pharmacy)
        return QString(); // not a medicine: no dosage needed, nothing refused
    if (stockOnHand.isZero() || stockOnHand.isNegative()) {
        shell::Notify(QStringLiteral("There is no stock left for ") + name + QStringLiteral(". The system can't process the specified item."));
        return std::nullopt;
    }
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    QString dosage;
    if (search) {
        const bool mode = search->SearchMode;
        search->SearchMode = true;
        const bool read = shell::SaveTransaction::Load([&](db::Connection&) {
            if (search->SearchListing(QString(), kDosageListing))
                dosage = search->DosageRecord.ResultCode.trimmed();
        });
        search->SearchMode = mode;
        if (!read)
            return std::nullopt;
    }
    if (dosage.isEmpty()) {
        shell::Notify(QStringLiteral("DOSAGE ID for ") + name + QStringLiteral(" is empty. The system can't process the specified item."));
        return std::nullopt;
    }
    return dosage;
}

bool frmCharge::stockItemEntered(int r, const QString& text)
{
    components::clsDrug* drug = app::Components ? app::Components->DrugComponent() : nullptr;
    if (!drug)
        return false;
    if (text.isEmpty()) {
        const QString picked = pickStockItem(r);
        return !picked.isEmpty() && stockItemEntered(r, picked);
    }
    const QString department = rows_.at(r).line.departmentCode;
    const settings::clsSettings& s = Settings();
    const settings::HospitalInfo& h = app::Hospital();
    QString location, inventoryType;
    bool found = false, restricted = false, clearedForOR = true, companyAccount = false, regularVisit = false;
    db::Decimal companyPrice, nelfMarkUp;
    bool nelfPatient = false;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            location = routines::GetRevenueLocation(department);
            const bool roomClassPrice = s.InventoryRoomClassRate() && routines::GetInventorySwitch89() != 0;
            found = drug->SearchDrug(text, location, roomClassPrice ? IdNum : QString());
            if (!found)
                return;
            inventoryType = routines::GetInventoryType(location);
            const QString site = h.clientname.trimmed().toUpper();
            if (site == QLatin1String("RUSK")) {
                clearedForOR = routines::IsOKForOR(IdNum);
                restricted = !c.open(QStringLiteral("SELECT 1 FROM INVENTORY..tbInvMaster WHERE ItemID = ") + db::Quote(drug->DrugCode)
                                     + QStringLiteral(" AND ISNULL(Unrestricted, 1) = 0"))
                                  .eof();
            }
            if (h.isListCost) {
                if (h.IsCompanyPrice) {
                    db::Recordset account = c.open(QStringLiteral("Select isnull(HospNum,'') as HospNum,isnull(AccountNum,'') as AccountNum ")
                                                   + (IsOutPatientVisit(IdNum) ? QStringLiteral(" From Patient_data..tboutpatient ")
                                                                               : QStringLiteral(" From Patient_data..tbpatient "))
                                                   + QStringLiteral(" Where Idnum = ") + db::Quote(IdNum));
                    companyAccount = !account.eof() && !account.text(QStringLiteral("AccountNum")).trimmed().isEmpty();
                    if (companyAccount) {
                        db::Recordset price = c.open(QStringLiteral("Inventory..sp_Get_CompanyPrice ") + db::Quote(drug->DrugCode)
                                                     + QLatin1Char(',') + db::Quote(location));
                        if (!price.eof())
                            companyPrice = price.field(QStringLiteral("CompanyPrice")).toMoney();
                    }
                }
                if (IsOutPatientVisit(IdNum))
                    regularVisit = routines::GetOPDClassification(IdNum) == QLatin1String("A");
            }
            if (site == QLatin1String("NELT")) {
                nelfPatient = !c.open(QStringLiteral("SELECT 1 FROM Patient_data..tbPatient2 WHERE IDNum = ") + db::Quote(IdNum)
                                      + QStringLiteral(" AND AdmissiontypeID = '9'"))
                                   .eof();
                if (nelfPatient) {
                    db::Recordset markUp = c.open(QStringLiteral("SELECT TOP 1 Markup FROM Station..tbCoMarkUp"));
                    if (!markUp.eof())
                        nelfMarkUp = markUp.field(QStringLiteral("Markup")).toDecimal().value_or(db::Decimal());
                }
            }
        }))
        return false;
    if (!found) {
        shell::Notify(QStringLiteral("Item code does not exist."));
        return false;
    }
    if (drug->Status.trimmed() != QLatin1String("A")) {
        shell::Notify(QStringLiteral("Record is inactive. Please enter an active item."));
        return false;
    }
    if (!clearedForOR && restricted) {
        shell::Notify(QStringLiteral("This ITEM/SERVICE/EXAM is restricted for cash basis patients."));
        return false;
    }
    if (h.AllowZeroOnHand && (drug->StockOnHand.isZero() || drug->StockOnHand.isNegative())) {
        shell::Notify(drug->DrugName + QStringLiteral(" has no stocks left. The system can't process the specified item."),
                      shell::PromptIcon::Critical);
        return false;
    }
    const QString code = drug->DrugCode.trimmed();
    for (int i = 0; i < rows_.size(); ++i) {
        if (i != r && rows_.at(i).line.itemId.compare(code, Qt::CaseInsensitive) == 0) {
            shell::Notify(QStringLiteral("Can't charge the same Medicine/Supply."));
            return false;
        }
    }
    bool refused = false;
    bool outsideFormulary = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            refused = routines::CheckItemPosted(IdNum, code, department);
            if (!refused && s.CheckPNF() && inventoryType != QLatin1String("C"))
                outsideFormulary = !routines::IsPNFPatient(code) && routines::IsAdmittedSince(IdNum, kFormularyCutOff);
        }))
        return false;
    if (refused)
        return false;
    if (outsideFormulary) {
        if (s.NoPNFByPass()) {
            shell::Notify(QStringLiteral("Item is not under PNF list."));
            return false;
        }
        if (!shell::Confirm(QStringLiteral("Item is not under PNF list. Would you like to continue?")))
            return false;
    }

    QString dosage;
    if (s.ShowDosagePostMedicines()) {
        const std::optional<QString> picked = pickDosage(department, drug->DrugName.trimmed(), drug->StockOnHand);
        if (!picked)
            return false;
        dosage = *picked;
    }

    StockPriceFacts facts;
    facts.sellingPriceIn = drug->SellingPriceIn;
    facts.sellingPriceOut = drug->SellingPriceOut;
    facts.averageCost = drug->averagecost;
    facts.companyPrice = companyPrice;
    facts.isListCost = h.isListCost;
    facts.isCompanyPrice = h.IsCompanyPrice;
    facts.companyAccount = companyAccount;
    facts.outPatient = IsOutPatientVisit(IdNum);
    facts.regularVisit = regularVisit;
    facts.supplyRateBasePType = s.SupplyRateBasePType();
    db::Decimal price = StockUnitPrice(facts).rounded(2).value_or(db::Decimal());
    if (nelfPatient && !nelfMarkUp.isZero())
        price = PriceWithPercent(price, nelfMarkUp);

    ChargeEntryRow& row = rows_[r];
    ChargeEntryRow filled;
    filled.line.departmentCode = department;
    filled.departmentName = row.departmentName;
    filled.stockDepartment = true;
    filled.line.itemId = code;
    filled.line.description = drug->DrugName.trimmed();
    if (app::Nursing().AppendDrugDescCharge && !drug->Description.trimmed().isEmpty())
        filled.line.description += QLatin1Char(' ') + drug->Description.trimmed();
    filled.line.quantity = db::Decimal::fromInteger(1);
    filled.quantityTyped = true;
    filled.line.unitPrice = price;
    filled.basePrice = price;
    filled.line.amount = LineAmount(filled.line.quantity, price);
    filled.line.location = location;
    filled.line.stockDepartment = inventoryType == QLatin1String("C") ? QStringLiteral("CS") : QStringLiteral("PH");
    filled.line.dosageId = dosage;
    row = filled;
    return true;
}

} // namespace charging
