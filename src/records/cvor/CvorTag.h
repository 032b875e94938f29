#pragma once

namespace records {

// Tags the selected patient's admission (or visit) as a cardiovascular-OR /
// recovery-room case, or untags a tagged one: after the transaction user
// validation, the flag and its station log are written together, the user
// is told and the main window's caption follows. False when nothing changed.
bool ToggleCvorTagOfSelectedPatient();

} // namespace records
