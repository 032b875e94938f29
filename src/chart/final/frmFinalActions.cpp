#include "chart/final/frmFinal.h"

#include "charging/ChargingGate.h"
#include "charging/frmCharge.h"
#include "db/routines/UserRights.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

// The chart's action buttons: each is guarded by its right, and the ones that
// charge the patient pass the same account checks as a request does.

namespace chart {

namespace {

struct ActionRight {
    const char* right;
    const char* alternative; // a second right that also lets the user in
    const char* refusal;
};

const ActionRight kRights[frmFinal::ActionCount] = {
    {"1", nullptr, "Sorry, you don't have access right to request medicines."},
    {"1", nullptr, "Sorry, you don't have access right to Request Central Supplies."},
    {"6", nullptr, "Sorry, you don't have access right to Post New Diet."},
    {"4", "5", "Sorry, you don't have access right to Discharge and Transfer Room of Patient."},
    {"3", nullptr, "Sorry, you don't have access right to Post Charges."},
    {"6", nullptr, "Sorry, you don't have access right to Send Clearance/Discharge Order."},
    {"9", nullptr, "Sorry you don't have access right for Assessment Entry."},
    {nullptr, nullptr, nullptr},
};

} // namespace

void frmFinal::cmdNextPatient_Click(int index)
{
    if (index < 0 || index >= ActionCount || !loaded_)
        return;
    const ActionRight& guard = kRights[index];
    if (guard.right) {
        const bool allowed = routines::HasUserRight(QLatin1String(guard.right))
                             || (guard.alternative && routines::HasUserRight(QLatin1String(guard.alternative)));
        if (!allowed) {
            shell::Notify(QLatin1String(guard.refusal));
            return;
        }
    }
    if (index == PostCharges)
        postCharges();
}

void frmFinal::postCharges()
{
    // The charge entry works on the patient selected in the list (its window
    // is kept per selected patient), so it opens from the chart of that patient only.
    if (app::IdNum.trimmed().compare(patient_.idNum, Qt::CaseInsensitive) != 0) {
        shell::Notify(QStringLiteral("Please select ") + patient_.name
                      + QStringLiteral(" in the patient list before posting charges from this chart."));
        return;
    }
    bool mayCharge = false;
    const charging::ChargingGate gate(QStringLiteral("OR"), QStringLiteral("OR Department"));
    if (!shell::SaveTransaction::Load([&](db::Connection&) { mayCharge = gate.MayCharge(patient_.idNum, patient_.name); }))
        return;
    if (mayCharge)
        charging::OpenChargeForSelectedPatient();
}

} // namespace chart
