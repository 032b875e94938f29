#pragma once

#include <QString>

namespace records {

// The name of the window the settings choose for an operation record:
// "frmChart_ZV" at site ZV, else "frmSurgicalMemo" where the settings
// choose the memorandum, else "frmChart".
QString OperationRecordWindowName();

// The counting sheet of the selected patient's latest operation; tells the
// user when the patient has none. False when nothing was shown.
bool PrintCountingSheetForSelectedPatient();

} // namespace records
