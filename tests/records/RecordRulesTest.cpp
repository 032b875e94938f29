#include "RecordTestSupport.h"

#include <functional>

using records::Phase;
using records::RecordOptions;

namespace {

struct RuleCase {
    const char* expected;
    std::function<void(records::OperationRecord&, RecordOptions&)> change;
    shell::PromptIcon icon = shell::PromptIcon::Critical;
};

void Clear(records::OperationRecord& r, std::initializer_list<const char*> columns)
{
    for (const char* c : columns)
        r.set(QString::fromLatin1(c), QString());
}

void Shift(records::OperationRecord& r, Phase p, int minutes)
{
    r.setPhase(p, r.phase(p).addSecs(minutes * 60));
}

} // namespace

TEST(RecordRules, EachCheckRefusesWithItsMessageInTheStationsOrder)
{
    const auto info = shell::PromptIcon::Information;
    const std::vector<RuleCase> cases{
        {"Please enter Case Number.", [](auto& r, auto& o) { o.requireCaseNumber = true; Clear(r, {"CaseNumber", "Procedures"}); }},
        {"Please provide operation procedure.", [](auto& r, auto& o) { o.noPostCharge = true; Clear(r, {"Procedures", "PHICCODE"}); }},
        {"Can't save blank PHIC Code and RVS. Please enter RVS.", [](auto& r, auto&) { Clear(r, {"PHICCODE", "SurgeonID1"}); }},
        {"Please provide the surgeons.", [](auto& r, auto&) { Clear(r, {"SurgeonID1", "SurgeonID2", "SurgeonID3", "AnestheID"}); }},
        {"Please provide the anesthesiologists.", [](auto& r, auto&) { Clear(r, {"AnestheID", "Anesthesia"}); }},
        {"Please provide anesthesia type.", [](auto& r, auto&) { Clear(r, {"Anesthesia", "Procedures"}); }},
        {"Please provide operation procedure.", [](auto& r, auto&) { Clear(r, {"Procedures", "CnurseID1"}); }},
        {"Please provide circulating nurses.", [](auto& r, auto&) { Clear(r, {"CnurseID1", "CnurseID2", "CNOthers", "RoomName"}); }},
        {"Please provide scrub nurses.", [](auto& r, auto&) { Clear(r, {"SnurseID1", "SnurseID2", "SNOthers", "RoomName"}); }},
        {"Please provide OR room.", [](auto& r, auto& o) { o.requireAntibiotic = true; Clear(r, {"RoomName", "ProphyLaxis"}); }},
        {"Please provide Antibiotic Prophylaxis Given.", [](auto& r, auto& o) { o.requireAntibiotic = true; Clear(r, {"ProphyLaxis"}); }},
        {"Anesthesia time must not be the same or earlier than Patient Time In.",
         [](auto& r, auto&) { r.setPhase(Phase::Anesthesia, r.phase(Phase::PatientIn)); }, info},
        {"Cutting time must not be the same or earlier than Anesthesia Time.",
         [](auto& r, auto&) { r.setPhase(Phase::Cutting, r.phase(Phase::Anesthesia)); }, info},
        {"Closing time must not be the same or earlier than Cutting Time.",
         [](auto& r, auto&) { r.setPhase(Phase::Closing, r.phase(Phase::Cutting)); }, info},
        {"Anesthesia Done Time must not be the same or earlier than Closing Time.",
         [](auto& r, auto&) { r.setPhase(Phase::AnesthesiaDone, r.phase(Phase::Closing)); }, info},
        {"Patient Time Out must not be the same or earlier than Anesthesia Done Time.",
         [](auto& r, auto&) { r.setPhase(Phase::PatientOut, r.phase(Phase::AnesthesiaDone)); }, info},
        {"Patient Time Out must not be the same or earlier than Closing Time.",
         [](auto& r, auto& o) { o.showAnesthesiaDone = false; r.setPhase(Phase::PatientOut, r.phase(Phase::Closing)); }, info},
        {"Operation Date must not be later than Date Out.",
         [](auto& r, auto& o) { o.disableTimeOrder = true; r.setPhase(Phase::PatientOut, r.phase(Phase::PatientIn).addDays(-1)); }, info},
        {"Specimen out time must not be the same or earlier than Specimen in Time.",
         [](auto& r, auto&) { r.specimenOut = r.specimenIn; }, info},
        {"Specimen In Date must not be later than Date In.",
         [](auto& r, auto&) { r.specimenIn = r.phase(Phase::PatientIn).addDays(-1); }, info},
        {"Please provide Prep-Operative Diagnosis.", [](auto& r, auto& o) { o.requireOperativeDiagnosis = true; Clear(r, {"prod", "psod"}); }},
        {"Please provide Post-Operative Diagnosis.", [](auto& r, auto& o) { o.requireOperativeDiagnosis = true; Clear(r, {"psod", "Category"}); o.requireCategory = true; }},
        {"Please select category of procedure.", [](auto& r, auto& o) { o.requireCategory = true; Clear(r, {"Category"}); }},
    };
    for (const RuleCase& c : cases) {
        records::OperationRecord r = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
        RecordOptions o = test::AllFieldsShown();
        c.change(r, o);
        const auto failure = records::CheckBeforeSave(r, o);
        ASSERT_TRUE(failure.has_value()) << c.expected;
        EXPECT_EQ(failure->message, QString::fromLatin1(c.expected));
        EXPECT_EQ(failure->icon, c.icon) << c.expected;
    }
    const records::OperationRecord complete = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    EXPECT_FALSE(records::CheckBeforeSave(complete, test::AllFieldsShown()).has_value());
}

TEST(RecordRules, SettingsWaiveTheirRequirements)
{
    records::OperationRecord r = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    Clear(r, {"PHICCODE", "AnestheID", "Anesthesia", "CnurseID1", "CnurseID2", "CNOthers", "SnurseID1", "SnurseID2", "SNOthers"});
    RecordOptions o = test::AllFieldsShown();
    o.dontRequirePhicCode = o.dontRequireAnes = o.dontRequireAnesthesia = o.dontRequireCirc = o.dontRequireScrub = true;
    EXPECT_FALSE(records::CheckBeforeSave(r, o).has_value());
    // Without a specimen its times are not checked.
    Clear(r, {"SpecimenText", "Specimen2"});
    r.specimenOut = r.specimenIn;
    EXPECT_FALSE(records::CheckBeforeSave(r, o).has_value());
    // One named nurse in either field, or the free text, is enough.
    r.set(QStringLiteral("CNOthers"), QStringLiteral("TRAINEE"));
    r.set(QStringLiteral("SnurseID2"), QStringLiteral("E0102"));
    o.dontRequireCirc = o.dontRequireScrub = false;
    EXPECT_FALSE(records::CheckBeforeSave(r, o).has_value());
}

TEST(RecordRules, PhasesFollowEachOtherToTheMinute)
{
    records::OperationRecord r = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    RecordOptions o = test::AllFieldsShown();
    r.setPhase(Phase::Cutting, r.phase(Phase::Anesthesia));
    EXPECT_TRUE(records::CheckBeforeSave(r, o).has_value()) << "cutting at the anaesthesia minute";
    Shift(r, Phase::Cutting, 1);
    EXPECT_FALSE(records::CheckBeforeSave(r, o).has_value()) << "one minute later";

    // The station's strict rules may be switched off: equal times then pass,
    // but a phase before the one it follows is still refused, by name.
    o.disableTimeOrder = true;
    r.setPhase(Phase::Cutting, r.phase(Phase::Anesthesia));
    EXPECT_FALSE(records::CheckBeforeSave(r, o).has_value());
    r.setPhase(Phase::Closing, r.phase(Phase::Cutting).addSecs(-5 * 60));
    const auto failure = records::CheckBeforeSave(r, o);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->message.startsWith(QStringLiteral("The time of closing (11/30/2026 11:45 PM) is earlier than the "
                                                           "time of cutting (11/30/2026 11:50 PM).")))
        << qPrintable(failure->message);
    EXPECT_EQ(failure->tab, records::ChartTab::Times);
    // Anaesthesia done is one of the phases only where the chart shows it.
    records::OperationRecord done = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    done.setPhase(Phase::AnesthesiaDone, done.phase(Phase::PatientIn).addSecs(-60));
    EXPECT_TRUE(records::CheckPhaseOrder(done, true).has_value());
    EXPECT_FALSE(records::CheckPhaseOrder(done, false).has_value());
}

TEST(RecordRules, DurationsOfAnaesthesiaOperationAndRoom)
{
    records::OperationRecord r = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    const auto d = records::DurationsOf(r, true);
    EXPECT_EQ(d.operation, 90);   // 00:15 to 01:45, across midnight
    EXPECT_EQ(d.anesthesia, 130); // 23:50 to 02:00
    EXPECT_EQ(d.room, 150);
    EXPECT_EQ(records::DurationsOf(r, false).anesthesia, 140) << "without the done time, anaesthesia ends when the patient leaves";
    EXPECT_EQ(records::DurationText(d.room), "2 hr 30 min");
    EXPECT_EQ(records::DurationText(45), "45 min");
    r.setPhase(Phase::Closing, QDateTime());
    EXPECT_EQ(records::DurationsOf(r, true).operation, -1);
    EXPECT_EQ(records::DurationText(-1), "");
}

TEST(RecordRules, CountsMustAgreeOrCarryAReason)
{
    records::OperationRecord r = test::FilledRecord(QStringLiteral("H1"), QStringLiteral("A1"));
    EXPECT_FALSE(records::CheckCountsForSignOff(r).has_value());
    r.counts[2].final = r.counts[2].expected() - 1; // one abdominal pack missing
    const auto refusal = records::CheckCountsForSignOff(r);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->contains(QStringLiteral("ABDOMINAL PACK: 14 expected, 13 counted"))) << qPrintable(*refusal);
    r.countMismatchReason = QStringLiteral("   ");
    EXPECT_TRUE(records::CheckCountsForSignOff(r).has_value()) << "blanks are no reason";
    r.countMismatchReason = QStringLiteral("X-RAY TAKEN, PACK NOT IN PATIENT");
    EXPECT_FALSE(records::CheckCountsForSignOff(r).has_value());
}

TEST(RecordRules, CategoryAndLateralityCodes)
{
    EXPECT_EQ(records::CategoryCode(QStringLiteral("Open Heart")), "4");
    EXPECT_EQ(records::CategoryCaption(QStringLiteral("5")), "NSVD");
    EXPECT_EQ(records::CategoryCaptions(true, true), (QStringList{"Minor", "Major", "NSVD"}));
    EXPECT_EQ(records::LateralityCode(true, true, false), "B");
    EXPECT_EQ(records::LateralityCode(false, true, false), "R");
    EXPECT_EQ(records::LateralityCode(false, false, false), "");
}
