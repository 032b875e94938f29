#pragma once

#include "components/ConnectedComponent.h"
#include "db/Decimal.h"

#include <QString>

namespace components {

// The 26 positional arguments of AppendStockCard, in their documented order,
// as named fields. The posting passes them as listed here; a reversal passes
// the same with the quantity and the amount negated.
struct StockCardEntry {
    QString hospNum;          // 1
    QString idNum;            // 2
    QString itemId;           // 3
    QString transDate;        // 4  "MM/dd/yyyy hh:mm:ss AP"; empty = the server's clock
    QString refNum;           // 5  the charge slip
    db::Decimal quantity;     // 6  negative for a reversal
    int issueKind = 0;        // 7  always 0 from a charge posting
    db::Decimal amount;       // 8  negative for a reversal
    QString userId;           // 9
    QString dosageId;         // 10
    QString doctorCode;       // 11 the requesting doctor
    QString room;             // 12 "OPD/ER" for an out-patient
    QString remarks;          // 13 empty on a posting
    QString location;         // 14 the stock location the item is taken from
    int chargedToPatient = 1; // 15 always 1 from a charge posting
    QString stockDepartment;  // 16 "CS" for a central-supply location, else "PH"
    QString billDepartment;   // 17 the same department, as the bill carries it
    QString packageLabel;     // 18 a preset package's label
    QString unused19, unused20, unused21;
    QString patientType;      // 22 "I" or "O"
    QString unused23, unused24, unused25;
    int unused26 = 0;         // 26 always 0 from a charge posting
};

// The credit-memo and adjustment-slip counter of the stock card (the
// component's `Chargeslip` object). Works on the component's connection.
class DrugChargeslip {
public:
    explicit DrugChargeslip(const ConnectedComponent& owner) : owner_(owner) {}

    // Moves the credit-memo number on by one, in one statement, so two
    // stations advancing together both move it.
    void UpdateCreditMemo() const;
    void UpdateAdjustmentSlip() const;
    QString CurrentCreditMemo() const;
    QString CurrentAdjustmentSlip() const;

private:
    QString current(const char* column) const;
    const ConnectedComponent& owner_;
};

// The drug component: looks items of the pharmacy and central supply up by
// code, and writes what a charged or reversed item does to the stock card,
// the patient's bill and the stock on hand. Every statement goes through the
// component's connection, so inside a save it is part of the save.
class clsDrug : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjDrugDLL.clsDrug";

    bool InitConnect(db::Connection* connection) { return connectTo(connection); }

    // Looks the item up at `location`; with an empty location, at the first
    // location that keeps it (the location is then filled in). With an
    // admission or visit number the patient's price (in- or out-patient) is
    // also given as SellingPrice. False, with the fields cleared, when the
    // item is not on file or not kept at the location. Throws db::DbError
    // when the server refuses the look-up.
    bool SearchDrug(const QString& code, QString& location, const QString& idNum = QString());

    // The item found by the last SearchDrug.
    QString Status;        // "A" active, anything else inactive
    QString DrugCode;
    QString DrugName;
    QString Description;   // the generic name of a medicine; a supply's name
    QString Classification;
    QString Invent;        // the location the stock on hand was read at
    db::Decimal StockOnHand;
    db::Decimal SellingPriceIn;
    db::Decimal SellingPriceOut;
    db::Decimal SellingPrice; // the price for the patient named in the search
    db::Decimal averagecost;

    // Writes one stock movement: the stock-card row (PackageID empty), the
    // matching row on the patient's in- or out-patient bill under the same
    // slip, and the stock on hand at the location. A negative quantity is a
    // reversal and puts the stock back. Throws db::DbError when the location
    // does not keep the item or the server refuses a statement.
    void AppendStockCard(const StockCardEntry& entry) const;

    DrugChargeslip Chargeslip{*this};
};

} // namespace components
