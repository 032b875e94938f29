#pragma once

namespace shell {

// The patient windows open on the selected patient. Without one, the nurse
// is told "Please select patient." and nothing opens: false.
bool PatientSelected();

} // namespace shell
