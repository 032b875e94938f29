#pragma once

#include "db/Decimal.h"

#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

namespace charging {

// The pricing and entry rules of the operating-room charge entry, kept apart
// from the window so that every rule can be checked on its own. Nothing here
// reads the database: the window gathers the facts and hands them over.
// Every amount is an exact decimal; unit prices and amounts are kept to the
// centavo, quantities as typed.

// ---- rate class --------------------------------------------------------------------

// What decides the rate letter ("A" to "I") a service is priced at.
struct RateClassFacts {
    QString patientClass;   // from the stay's record: the room class, or the visit's
    QString site;           // the hospital's site code (clientname)
    QString departmentCode; // the line's revenue code
    bool outPatient = false;
    bool hmo = false;
    bool emergencyRoom = false;
    bool enableORHMORate = false;
    bool rateIforER = false;
};

// The patient's class letter after the site and setting overrides: some sites
// price HMO patients at "H", the ER at "I".
QString RateClass(const RateClassFacts& facts);

// The nine rate columns of a priced revenue, RateA first.
using RateColumns = std::array<db::Decimal, 9>;

// The rate column for a class letter; zero for an unknown letter.
db::Decimal PriceForClass(const RateColumns& rates, const QString& rateClass);

// A foreign patient pays ten per cent more.
db::Decimal InternationalPrice(const db::Decimal& price);

// ---- after-hours (STAT) ---------------------------------------------------------------

enum class AfterHours { Outside, Inside, Misconfigured };

// Whether `now` lies in the after-hours window that opens at `start`
// ("HH:MM") and lasts `hours` hours, wrapping past midnight; 24 hours cover
// the whole day. A count outside 1..24 or an unreadable start is a setting
// IT must fix, never a reason to charge the mark-up.
AfterHours AfterHoursWindow(const QString& start, int hours, const QTime& now);

inline const QString kStatMisconfigured =
    QStringLiteral("STAT time frame is not properly configured. Please notify the EDP department.");

// The price with `percent` per cent added (price + price x percent / 100).
db::Decimal PriceWithPercent(const db::Decimal& price, const db::Decimal& percent);

// The price after the after-hours surcharge of `ratePercent` per cent.
db::Decimal AfterHoursPrice(const db::Decimal& price, int ratePercent);

// How the after-hours mark-up of a procedure line is decided.
enum class StatDecision {
    None,         // no after-hours rate at this hospital
    Automatic,    // by the holiday and the clock
    AskTheNurse,  // "Is it Stat/Holiday?"
};
StatDecision HowToDecideStat(bool allowAfterTimeRate, const QString& orAfterTime, bool hospitalStat, bool autoORMarkUp,
                             bool isShowMarkUp);

inline const QString kAskStat = QStringLiteral("Is it Stat/Holiday?");

// ---- mark-ups of the picker ----------------------------------------------------------------

// The rule the nurse chose in the mark-up picker.
struct MarkUpChoice {
    enum class Operation { None = 0, Multiply = 1, Add = 2 };
    db::Decimal value;
    Operation operation = Operation::None;
};

struct MarkedPrice {
    db::Decimal unitPrice;
    QString marker; // what the line stores: "25%", "500", ""
};

// The newer rules multiply by 1 + value ("*") or add the value ("+"); the
// older ones multiply by the value itself. A value of 0 or below leaves the
// price alone.
MarkedPrice ApplyMarkUp(const db::Decimal& price, const MarkUpChoice& choice, bool newerRules);

// The marker of a plain percentage ("25%").
QString PercentMarker(const db::Decimal& percent);

// ---- discounts and fees ------------------------------------------------------------------

// A second operation is charged `percent` per cent less.
db::Decimal SecondOperationPrice(const db::Decimal& price, int percent);

QString SecondOperationQuestion(int percent);

// ---- stock items -------------------------------------------------------------------------

// The facts that choose a drug's or supply's unit price.
struct StockPriceFacts {
    db::Decimal sellingPriceIn;
    db::Decimal sellingPriceOut;
    db::Decimal averageCost;
    db::Decimal companyPrice;       // from the item's location, when looked up
    bool isListCost = false;        // hospital flag
    bool isCompanyPrice = false;    // hospital flag
    bool companyAccount = false;    // the patient is charged to a company
    bool outPatient = false;        // the visit number ends in "B"
    bool regularVisit = false;      // out-patient classification RateType "A"
    bool supplyRateBasePType = false;
};

// The unit price of a stock item. Without the list-cost flag: the in-patient
// selling price. With it, the first rule that applies wins:
//   1. a company account at a hospital with company prices, and a company
//      price above zero: the company price;
//   2. an out-patient: the out-patient selling price; but when supplies are
//      priced by patient type and the visit is a regular (class "A") one,
//      the in-patient selling price;
//   3. an in-patient: the average cost, or the in-patient selling price
//      while the item has no average cost yet.
db::Decimal StockUnitPrice(const StockPriceFacts& facts);

// ---- the entry cells ---------------------------------------------------------------------

// Quantity × unit price to the centavo.
db::Decimal LineAmount(const db::Decimal& quantity, const db::Decimal& unitPrice);

// Why a typed quantity is refused; "" when it is fine. `stockOnHand` is given
// only when the stock must cover the quantity.
QString QuantityRefusal(const db::Decimal& quantity, bool decimalsAllowed,
                        const std::optional<db::Decimal>& stockOnHand = std::nullopt);

// Why a typed unit price is refused; "" when it is fine.
QString UnitPriceRefusal(const db::Decimal& unitPrice, const db::Decimal& basePrice);

// Why a typed amount is refused; "" when it is fine.
QString AmountRefusal(const db::Decimal& amount, const db::Decimal& quantity, const db::Decimal& unitPrice);

// Money as the grid shows it: "1250.00".
QString MoneyText(const db::Decimal& amount);
// Money as the totals show it: "1,250.00".
QString GroupedMoneyText(const db::Decimal& amount);
// A quantity without needless places: "2", "1.5".
QString QuantityText(const db::Decimal& quantity);

// ---- the save ----------------------------------------------------------------------------

// A grid line as the save checks see it.
struct EnteredLine {
    QString departmentCode;
    QString itemId;
    QString description;
    std::optional<db::Decimal> quantity; // empty when the cell is blank
    db::Decimal amount;
};

// The first reason the grid cannot be posted, with its exact message; ""
// when it may go on to the confirmation.
QString SaveRefusal(const QList<EnteredLine>& lines, bool notifyZeroAmount);

inline const QString kConfirmSave = QStringLiteral("Please verify that the items entered are true and correct. \r\n"
                                                   "Do you want to proceed in saving these charges?");
inline const QString kNotSavedQuestion =
    QStringLiteral("Selected charges will not be saved. \r\nAre you sure you want to save these charges?");

} // namespace charging
