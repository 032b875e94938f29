#include "records/OperationRecordRules.h"

#include "settings/clsSettings.h"

namespace records {

RecordOptions RecordOptions::FromSettings(const settings::clsSettings& s)
{
    RecordOptions o;
    o.noPostCharge = s.ClinicalOperationWithNoPostCharge();
    o.dontRequirePhicCode = s.DontRequirePHICCOde();
    o.dontRequireAnes = s.DontRequireAnes();
    o.dontRequireAnesthesia = s.DontRequireAnesthesia();
    o.dontRequireCirc = s.DontRequireCirc();
    o.dontRequireScrub = s.DontRequireScrub();
    o.requireAntibiotic = s.RequireAntibioticGiven();
    o.disableTimeOrder = s.ORDisableDateTimeOperation();
    o.showAnesthesiaDone = s.ShowAnesthesiaDone();
    o.showSpecimen = s.ShowSpecimen();
    o.requireOperativeDiagnosis = s.RequireOperativeDiagnosis();
    o.requireCategory = s.RequireChartCategory();
    o.requireCaseNumber = s.OREnableCaseNumberEntry();
    o.countsFreeEntry = s.OREnableCountsFreeEntry();
    o.assistantNurses = s.EnableORPrcAsstNurse();
    o.completeIncomplete = s.ShowCompleteInc();
    o.lateralBoxes = s.EnableLateralCheckBox();
    return o;
}

namespace {

bool Blank(const OperationRecord& r, const char* column)
{
    return r.value(QString::fromLatin1(column)).trimmed().isEmpty();
}

RuleFailure Missing(const char* text, ChartTab tab)
{
    return RuleFailure{QString::fromLatin1(text), shell::PromptIcon::Critical, tab};
}

RuleFailure Order(const char* text)
{
    return RuleFailure{QString::fromLatin1(text), shell::PromptIcon::Information, ChartTab::Times};
}

// The station's own time rules: each phase strictly after the one before.
std::optional<RuleFailure> CheckStrictTimes(const OperationRecord& r, bool showAnesthesiaDone)
{
    struct Step {
        Phase later;
        Phase earlier;
        const char* message;
    };
    std::vector<Step> steps{
        {Phase::Anesthesia, Phase::PatientIn, "Anesthesia time must not be the same or earlier than Patient Time In."},
        {Phase::Cutting, Phase::Anesthesia, "Cutting time must not be the same or earlier than Anesthesia Time."},
        {Phase::Closing, Phase::Cutting, "Closing time must not be the same or earlier than Cutting Time."}};
    if (showAnesthesiaDone) {
        steps.push_back({Phase::AnesthesiaDone, Phase::Closing,
                         "Anesthesia Done Time must not be the same or earlier than Closing Time."});
        steps.push_back({Phase::PatientOut, Phase::AnesthesiaDone,
                         "Patient Time Out must not be the same or earlier than Anesthesia Done Time."});
    } else {
        steps.push_back({Phase::PatientOut, Phase::Closing, "Patient Time Out must not be the same or earlier than Closing Time."});
    }
    for (const Step& s : steps)
        if (r.phase(s.later) <= r.phase(s.earlier))
            return Order(s.message);
    return std::nullopt;
}

} // namespace

std::optional<RuleFailure> CheckSiteChart(const OperationRecord& r)
{
    struct Check {
        std::initializer_list<const char*> anyOf;
        const char* message;
        ChartTab tab;
    };
    const Check checks[] = {
        {{"SurgeonID1"}, "Please enter correct Doctor/Surgeon Code.", ChartTab::Crew},
        {{"AnestheID"}, "Please enter correct Anesthesiologist Code.", ChartTab::Crew},
        {{"Anesthesia"}, "Please enter correct Type of Anesthesia.", ChartTab::Crew},
        {{"Procedures"}, "Please enter correct Procedure Code.", ChartTab::Procedure},
        {{"CnurseID1", "CnurseID2", "CNOthers"}, "Please enter Circulating Nurse.", ChartTab::Crew},
        {{"SnurseID1", "SnurseID2", "SNOthers"}, "Please enter Scrub Nurse.", ChartTab::Crew},
        {{"RoomName"}, "Please enter Operating Room Number.", ChartTab::Procedure}};
    for (const Check& c : checks) {
        bool filled = false;
        for (const char* column : c.anyOf)
            filled = filled || !Blank(r, column);
        if (!filled)
            return Missing(c.message, c.tab);
    }
    if (auto reversed = CheckPhaseOrder(r, false))
        return RuleFailure{*reversed, shell::PromptIcon::Information, ChartTab::Times};
    return std::nullopt;
}

std::optional<RuleFailure> CheckBeforeSave(const OperationRecord& r, const RecordOptions& o)
{
    if (o.siteChecks)
        return CheckSiteChart(r);
    if (o.requireCaseNumber && Blank(r, "CaseNumber"))
        return Missing("Please enter Case Number.", ChartTab::Procedure);
    if (o.noPostCharge && Blank(r, "Procedures"))
        return Missing("Please provide operation procedure.", ChartTab::Procedure);
    if (!o.dontRequirePhicCode && Blank(r, "PHICCODE"))
        return Missing("Can't save blank PHIC Code and RVS. Please enter RVS.", ChartTab::Procedure);
    if (Blank(r, "SurgeonID1") && Blank(r, "SurgeonID2") && Blank(r, "SurgeonID3"))
        return Missing("Please provide the surgeons.", ChartTab::Crew);
    if (!o.dontRequireAnes && Blank(r, "AnestheID"))
        return Missing("Please provide the anesthesiologists.", ChartTab::Crew);
    if (!o.dontRequireAnesthesia && Blank(r, "Anesthesia"))
        return Missing("Please provide anesthesia type.", ChartTab::Crew);
    if (Blank(r, "Procedures"))
        return Missing("Please provide operation procedure.", ChartTab::Procedure);
    if (!o.dontRequireCirc && Blank(r, "CnurseID1") && Blank(r, "CnurseID2") && Blank(r, "CNOthers"))
        return Missing("Please provide circulating nurses.", ChartTab::Crew);
    if (!o.dontRequireScrub && Blank(r, "SnurseID1") && Blank(r, "SnurseID2") && Blank(r, "SNOthers"))
        return Missing("Please provide scrub nurses.", ChartTab::Crew);
    if (Blank(r, "RoomName"))
        return Missing("Please provide OR room.", ChartTab::Procedure);
    if (o.requireAntibiotic && Blank(r, "ProphyLaxis"))
        return Missing("Please provide Antibiotic Prophylaxis Given.", ChartTab::Anesthesia);
    if (!o.disableTimeOrder) {
        if (auto failure = CheckStrictTimes(r, o.showAnesthesiaDone))
            return failure;
    }
    if (r.phase(Phase::PatientIn).date() > r.phase(Phase::PatientOut).date())
        return Order("Operation Date must not be later than Date Out.");
    if (auto reversed = CheckPhaseOrder(r, o.showAnesthesiaDone))
        return RuleFailure{*reversed, shell::PromptIcon::Information, ChartTab::Times};
    // The specimen times mean something only when a specimen was taken; an
    // operation without one is not made to invent them.
    if (o.showSpecimen && !(Blank(r, "SpecimenText") && Blank(r, "Specimen2"))) {
        if (r.specimenOut <= r.specimenIn)
            return Order("Specimen out time must not be the same or earlier than Specimen in Time.");
        if (r.specimenIn.date() < r.phase(Phase::PatientIn).date())
            return Order("Specimen In Date must not be later than Date In.");
    }
    if (o.requireOperativeDiagnosis) {
        if (Blank(r, "prod"))
            return Missing("Please provide Prep-Operative Diagnosis.", ChartTab::Diagnosis);
        if (Blank(r, "psod"))
            return Missing("Please provide Post-Operative Diagnosis.", ChartTab::Diagnosis);
    }
    if (o.requireCategory && Blank(r, "Category"))
        return Missing("Please select category of procedure.", ChartTab::Procedure);
    return std::nullopt;
}

QString PhaseName(Phase phase)
{
    switch (phase) {
    case Phase::PatientIn:
        return QStringLiteral("patient in");
    case Phase::Anesthesia:
        return QStringLiteral("anaesthesia start");
    case Phase::Cutting:
        return QStringLiteral("cutting");
    case Phase::Closing:
        return QStringLiteral("closing");
    case Phase::AnesthesiaDone:
        return QStringLiteral("anaesthesia done");
    case Phase::PatientOut:
        return QStringLiteral("patient out");
    }
    return {};
}

std::optional<QString> CheckPhaseOrder(const OperationRecord& r, bool showAnesthesiaDone)
{
    std::vector<Phase> order{Phase::PatientIn, Phase::Anesthesia, Phase::Cutting, Phase::Closing};
    if (showAnesthesiaDone)
        order.push_back(Phase::AnesthesiaDone);
    order.push_back(Phase::PatientOut);
    for (size_t i = 1; i < order.size(); ++i) {
        const QDateTime earlier = r.phase(order[i - 1]);
        const QDateTime later = r.phase(order[i]);
        if (earlier.isValid() && later.isValid() && later < earlier)
            return QStringLiteral("The time of %1 (%2) is earlier than the time of %3 (%4). The phases must follow each "
                                  "other: patient in, anaesthesia, cutting, closing, patient out.")
                .arg(PhaseName(order[i]), later.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")), PhaseName(order[i - 1]),
                     earlier.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")));
    }
    return std::nullopt;
}

namespace {

int Minutes(const QDateTime& from, const QDateTime& to)
{
    if (!from.isValid() || !to.isValid() || to < from)
        return -1;
    return static_cast<int>(from.secsTo(to) / 60);
}

} // namespace

Durations DurationsOf(const OperationRecord& r, bool showAnesthesiaDone)
{
    Durations d;
    const QDateTime anesthesiaEnd = showAnesthesiaDone && r.phase(Phase::AnesthesiaDone).isValid()
                                        ? r.phase(Phase::AnesthesiaDone)
                                        : r.phase(Phase::PatientOut);
    d.anesthesia = Minutes(r.phase(Phase::Anesthesia), anesthesiaEnd);
    d.operation = Minutes(r.phase(Phase::Cutting), r.phase(Phase::Closing));
    d.room = Minutes(r.phase(Phase::PatientIn), r.phase(Phase::PatientOut));
    return d;
}

QString DurationText(int minutes)
{
    if (minutes < 0)
        return {};
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 hr %2 min").arg(minutes / 60).arg(minutes % 60);
}

std::optional<QString> CheckCountsForSignOff(const OperationRecord& r)
{
    if (!r.hasCountMismatch() || !r.countMismatchReason.trimmed().isEmpty())
        return std::nullopt;
    QStringList items;
    for (const ItemCount& c : r.counts)
        if (c.mismatch())
            items << QStringLiteral("%1: %2 expected, %3 counted").arg(c.item).arg(c.expected()).arg(c.final);
    return QStringLiteral("The final count does not agree:\n") + items.join(QLatin1Char('\n'))
           + QStringLiteral("\n\nRecount, or enter the reason on the Counts tab before signing as circulating nurse.");
}

} // namespace records
