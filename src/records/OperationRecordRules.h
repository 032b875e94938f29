#pragma once

#include "records/OperationRecord.h"
#include "shell/Prompts.h"

#include <optional>

namespace settings {
class clsSettings;
}

namespace records {

// The settings that change what the record requires, read once per save so
// the rules can be checked without a database.
struct RecordOptions {
    bool noPostCharge = false;          // ClinicalOperationWithNoPostCharge
    bool dontRequirePhicCode = false;
    bool dontRequireAnes = false;
    bool dontRequireAnesthesia = false;
    bool dontRequireCirc = false;
    bool dontRequireScrub = false;
    bool requireAntibiotic = false;
    bool disableTimeOrder = false;      // ORDisableDateTimeOperation
    bool showAnesthesiaDone = false;
    bool showSpecimen = false;
    bool requireOperativeDiagnosis = false;
    bool requireCategory = false;       // RequireChartCategory
    bool requireCaseNumber = false;     // OREnableCaseNumberEntry (memorandum only)
    bool countsFreeEntry = false;
    bool assistantNurses = false;
    bool completeIncomplete = false;
    bool lateralBoxes = false;
    bool siteChecks = false;            // the site chart's own, shorter checks

    static RecordOptions FromSettings(const settings::clsSettings& s);
};

// The chart's tabs a failed check switches to.
enum class ChartTab { Procedure, Crew, Times, Diagnosis, Anesthesia, Counts };

struct RuleFailure {
    QString message;
    shell::PromptIcon icon = shell::PromptIcon::Critical;
    ChartTab tab = ChartTab::Procedure;
};

// The checks before a save, in the order the station has always run them
// (the site chart's own list with siteChecks); the first that fails is
// returned. Nothing is written before they pass.
std::optional<RuleFailure> CheckBeforeSave(const OperationRecord& record, const RecordOptions& options);

// Beyond the station's strict checks, which a setting can switch off: phases
// that run backwards (closing before cutting) are never a real operation, so
// they are refused whatever the settings, naming the two phases.
std::optional<QString> CheckPhaseOrder(const OperationRecord& record, bool showAnesthesiaDone);

QString PhaseName(Phase phase);

// Lengths in minutes, -1 where a phase is not recorded.
struct Durations {
    int anesthesia = -1; // anaesthesia start to anaesthesia done (or patient out)
    int operation = -1;  // cutting to closing
    int room = -1;       // patient in to patient out
};
Durations DurationsOf(const OperationRecord& record, bool showAnesthesiaDone);
// "1 hr 25 min", "45 min", "" for an unknown length.
QString DurationText(int minutes);

// The circulating nurse signs only when every count adds up or the reason
// it does not is written down.
std::optional<QString> CheckCountsForSignOff(const OperationRecord& record);

} // namespace records
