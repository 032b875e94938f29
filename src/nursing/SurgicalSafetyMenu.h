#pragma once

#include "nursing/frmSSC.h"

namespace nursing {

// The checklist window of the selected patient, ready to show; nothing when
// no patient is selected (the nurse has been told).
frmSSC* NewSurgicalSafetyChecklist();

// Prints the hospital's blank checklist form for the selected patient.
void PrintBlankSurgicalSafetyForm();

} // namespace nursing
