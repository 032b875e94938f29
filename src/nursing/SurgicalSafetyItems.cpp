#include "nursing/SurgicalSafetyItems.h"

namespace nursing {

namespace {

const SafetyPause kPauses[] = {
    {"Sign In", "Before induction of anaesthesia", 0, 13},
    {"Time Out", "Before skin incision", 13, 10},
    {"Sign Out", "Before the patient leaves the operating room", 23, 7},
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
    "Difficult airway: Yes, equipment and help available",
    "Risk of >500 ml blood loss (7 ml/kg in children): No",
    "Blood loss risk: Yes, IV access and fluids planned",
    // Time out
    "Team members introduced by name and role",
    "Team confirms patient, site and procedure aloud",
    "Antibiotic prophylaxis given within the last 60 minutes: Yes",
    "Antibiotic prophylaxis: Not applicable",
    "Surgeon: critical steps, duration, expected blood loss",
    "Anaesthesia team reviews patient-specific concerns",
    "Sterility confirmed (including indicator results)",
    "Nursing team: equipment issues or concerns",
    "Essential imaging displayed: Yes",
    "Essential imaging: Not applicable",
    // Sign out
    "Nurse confirms the name of the procedure recorded",
    "Instrument, sponge and needle counts correct",
    "Specimen labelled (including patient name)",
    "Equipment problems to be addressed",
    "Surgeon reviews key concerns for recovery",
    "Anaesthetist reviews key concerns for recovery",
    "Nurse reviews key concerns for recovery",
};

const std::array<SafetyAnswerPair, 5> kAnswerPairs{{
    {8, 7},   // known allergy
    {10, 9},  // difficult airway
    {12, 11}, // blood loss
    {15, 16}, // antibiotic prophylaxis
    {21, 22}, // essential imaging
}};

} // namespace

const std::array<SafetyAnswerPair, 5>& SafetyAnswerPairs()
{
    return kAnswerPairs;
}

const SafetyPause& SafetyPauseAt(int pause)
{
    return kPauses[pause];
}

QString SafetyCheckCaption(int box)
{
    return QString::fromUtf8(kChecks[box]);
}

} // namespace nursing
