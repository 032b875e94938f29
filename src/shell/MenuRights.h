#pragma once

#include <QString>

namespace shell {

// A right that guards an item of the main window, with the refusal shown to
// a user who lacks it.
struct GuardedRight {
    QString code;
    QString refusal;
};

// The rights of the main window's items and toolbar buttons.
namespace MenuRights {
GuardedRight AssessmentEntry();     // "9"
GuardedRight ReceivableUpdate();    // "13"
GuardedRight DetailedIncomeReport(); // "18"
GuardedRight OxygenPipeReport();    // "18"
GuardedRight ChargeSlipSetting();   // "20"
GuardedRight SummaryIncomeReport(); // "21"
GuardedRight ClinicalOperation();   // "25"

// The right behind a menu item or toolbar button key ("Operation"); an empty
// code for items anyone may use.
GuardedRight ForItem(const QString& name);
} // namespace MenuRights

// True when the logged-in user holds the right; otherwise shows its refusal
// (title "Notification") and answers false.
bool CheckAccessRight(const GuardedRight& right);
// The same for a menu item or toolbar button by name.
bool CheckItemRight(const QString& name);

} // namespace shell
