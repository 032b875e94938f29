#pragma once

#include "charging/ChargeLine.h"
#include "db/Decimal.h"

#include <QString>

namespace charging {

// The checks a patient's account must pass before any line of a posting or a
// request is taken: a closed account, the department's clearance, a discharge
// order already sent, cash basis (for the operating room, whose permission
// the admission carries), and the credit line. The first check that fails tells
// the user why and stops the rest, so the user meets one reason at a time; a
// refusal reads the database only and leaves the caller's entry untouched.
class ChargingGate {
public:
    // The charge windows ask the Billing staff about charges; the issue
    // windows, whose lines are requests, word the clearance refusal their way.
    enum class Wording { Charges, Requests };

    // `departmentCode` is the charging department ("OR", "CS", ...);
    // `departmentName` is how the clearance message names it.
    ChargingGate(QString departmentCode, QString departmentName, Wording wording = Wording::Charges);

    // True when charging may go on for the stay `idNum` of `patientName`;
    // `batchAmount` is the total of the lines about to be posted, which the
    // credit line must also cover. A failed read throws db::DbError: the
    // caller tells the user (SaveTransaction::Load does) and refuses to charge.
    bool MayCharge(const QString& idNum, const QString& patientName, const db::Decimal& batchAmount = db::Decimal()) const;

    // A single item for a patient whose account is under cash basis: false,
    // after "This ITEM/SERVICE/EXAM is restricted for cash basis patients.",
    // when the item is flagged restricted (a stock item in the inventory
    // master, any other in its department's revenue list). Throws
    // db::DbError when a read fails.
    static bool MayChargeItem(const QString& idNum, const ChargeLine& line);

    // The account of the stay is under cash basis.
    static bool UnderCashBasis(const QString& idNum);

    // The refusal of a cash-basis account for a department's charges
    // ("OR Charges").
    static QString CashBasisMessage(const QString& charges);

    // The credit-line message with the balance left, as the gate shows it.
    static QString CreditMessage(const db::Decimal& remaining);

private:
    bool clearedByDepartment(const QString& idNum) const;
    bool dischargeOrderSent(const QString& idNum, const QString& patientName) const;
    bool refusedForCashBasis(const QString& idNum) const;
    bool overCreditLine(const QString& idNum, const db::Decimal& batchAmount) const;

    QString departmentCode_;
    QString departmentName_;
    Wording wording_;
};

} // namespace charging
