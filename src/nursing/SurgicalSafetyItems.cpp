#include "nursing/SurgicalSafetyItems.h"

namespace nursing {

namespace {

const SafetyPause kPauses[] = {
    {"Sign In", "before induction of anaesthesia", 0, 13},
    {"Time Out", "before skin incision", 13, 10},
    {"Sign Out", "before the patient leaves the operating room", 23, 7},
};

const char* const kChecks[SafetyCheckCount] = {
    // Sign in
    "Patient has confirmed identity",
    "Patient has confirmed site",
    "Patient has confirmed procedure",
    "Patient has confirmed consent",
    "Site marked / not applicable",
    "Anaesthesia safety check completed",
    "Pulse oximeter on patient and functioning",
    "Known allergy: No",
    "Known allergy: Yes",
    "Difficult airway or aspiration risk: No",
    "Difficult airway or aspiration risk: Yes, and equipment/assistance available",
    "Risk of more than 500 ml blood loss (7 ml/kg in children): No",
    "Risk of blood loss: Yes, and two IVs/central access and fluids planned",
    // Time out
    "All team members have introduced themselves by name and role",
    "Surgeon, anaesthetist and nurse verbally confirm patient, site and procedure",
    "Antibiotic prophylaxis given within the last 60 minutes: Yes",
    "Antibiotic prophylaxis: Not applicable",
    "Surgeon reviews critical or unexpected steps, operative duration and anticipated blood loss",
    "Anaesthesia team reviews patient-specific concerns",
    "Nursing team confirms sterility (including indicator results)",
    "Nursing team reviews equipment issues or other concerns",
    "Essential imaging displayed: Yes",
    "Essential imaging: Not applicable",
    // Sign out
    "Nurse verbally confirms the name of the procedure recorded",
    "Instrument, sponge and needle counts are correct (or not applicable)",
    "Specimen labelled (read aloud, including patient name)",
    "Equipment problems to be addressed",
    "Surgeon reviews key concerns for recovery and management",
    "Anaesthetist reviews key concerns for recovery and management",
    "Nurse reviews key concerns for recovery and management of this patient",
};

} // namespace

const SafetyPause& SafetyPauseAt(int pause)
{
    return kPauses[pause];
}

QString SafetyCheckCaption(int box)
{
    return QString::fromUtf8(kChecks[box]);
}

} // namespace nursing
