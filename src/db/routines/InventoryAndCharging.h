#pragma once

#include <QString>

// Look-ups of stock, revenue codes and posted charges, and the credit-memo
// print buffer.
namespace routines {

// The receivable account a charge of `revenueId` posted by `departmentId`
// goes to (`arType` "1" charge, "2" cash); "" when none is set up.
QString GetARCode(const QString& revenueId, const QString& departmentId, const QString& arType);
// The operating-room section ("MAJOR", "MINOR", ...) of an OR revenue item.
QString GetORSection(const QString& revenueId);
// The OR revenue item is tagged as a procedure (section "PRC").
bool IsPRCSection(const QString& revenueId);
// "C" for central supply, "P" for a pharmacy location.
QString GetInventoryType(const QString& locationId);
// The stock location that issues a department's items; "" for a service department.
QString GetRevenueLocation(const QString& revenueId);
// The department's items are pharmacy items (stock card "PH").
bool IsPharmacyRevenue(const QString& revenueId);
double GetDrugOnHand(const QString& itemId, const QString& locationId);
// Inventory switch 89 (room-class prices of stock items).
int GetInventorySwitch89();
// The charge-slip counter's current value (the charge entry owns the numbering).
QString GetNextChargeSlip();

// The reference number is already used by a bill line, a stock-card line or
// a cash assessment; with an item, by that item on the bill or stock card.
bool RefNumExists(const QString& refNum);
bool RefNumExists(const QString& refNum, const QString& itemId);
// The doctor named on the first posted line of a reference number.
QString GetDoctorByRefNum(const QString& refNum);

// Empties the user's credit-memo print buffer, and adds one line to it.
void EraseCreditMemo(const QString& userId, const QString& idNum, const QString& refNum);
void AppendCreditMemo(const QString& userId, const QString& refNum, const QString& description, double quantity, double amount,
                      const QString& chargeSlip, int quantityIssued, const QString& idNum);
// The admission number a credit memo was made for.
QString GetCreditMemoPatient(const QString& creditMemoNum);

} // namespace routines
