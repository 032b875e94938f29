#include "chart/nursing/VitalSignRules.h"

#include <gtest/gtest.h>

namespace {

using chart::nursing::VitalSignCheck;
using chart::nursing::VitalSignEntry;
using chart::nursing::VitalSignRules;
using Verdict = VitalSignCheck::Verdict;

struct RangeCase {
    const char* what;
    VitalSignCheck check;
    Verdict expected;
};

// Every range at its edges: the last value that passes silently and the first that does not.
TEST(VitalSignRules, RangesAtTheirEdges)
{
    const RangeCase cases[] = {
        {"diastolic 300", VitalSignRules::Diastolic("310", "300"), Verdict::Accept},
        {"diastolic 301", VitalSignRules::Diastolic("310", "301"), Verdict::Ask},
        {"systolic equal to diastolic", VitalSignRules::Diastolic("90", "90"), Verdict::Accept},
        {"systolic below diastolic", VitalSignRules::Diastolic("80", "90"), Verdict::Refuse},
        {"diastolic alone", VitalSignRules::Diastolic("", "80"), Verdict::Accept},
        {"temperature 28.0", VitalSignRules::Temperature("28.0"), Verdict::Accept},
        {"temperature 42.0", VitalSignRules::Temperature("42.0"), Verdict::Accept},
        {"temperature 27.9", VitalSignRules::Temperature("27.9"), Verdict::Ask},
        {"temperature 42.1", VitalSignRules::Temperature("42.1"), Verdict::Ask},
        {"pulse 200", VitalSignRules::Pulse("200"), Verdict::Accept},
        {"pulse 201", VitalSignRules::Pulse("201"), Verdict::Ask},
        {"respiration 200", VitalSignRules::Respiration("200"), Verdict::Accept},
        {"respiration 201", VitalSignRules::Respiration("201"), Verdict::Ask},
        {"oxygen 100", VitalSignRules::Oxygen("100"), Verdict::Accept},
        {"oxygen 100.1", VitalSignRules::Oxygen("100.1"), Verdict::Refuse},
        {"oxygen 0", VitalSignRules::Oxygen("0"), Verdict::Accept},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(c.check.verdict, c.expected) << c.what;
}

TEST(VitalSignRules, QuestionsAndRefusalsInTheWardsWords)
{
    EXPECT_EQ(VitalSignRules::Diastolic("310", "301").text, QStringLiteral("Is this entry correct?"));
    const VitalSignCheck lower = VitalSignRules::Diastolic("80", "90");
    EXPECT_EQ(lower.text, QStringLiteral("Invalid entry."));
    EXPECT_EQ(lower.title, QStringLiteral("Warning"));
    EXPECT_EQ(VitalSignRules::Temperature("43").text, QStringLiteral("Temperature value is unusual, is this entry correct?"));
    EXPECT_EQ(VitalSignRules::Pulse("250").text, QStringLiteral("Pulse rate  value is unusual, is this entry correct?"));
    EXPECT_EQ(VitalSignRules::Respiration("250").text, QStringLiteral("Respiratory rate value is unusual,is this entry correct?"));
    const VitalSignCheck oxygen = VitalSignRules::Oxygen("101");
    EXPECT_EQ(oxygen.text, QStringLiteral("Please enter valid Oxygen Saturation Value Range 0 - 100."));
    EXPECT_TRUE(oxygen.clearsBox);
}

TEST(VitalSignRules, SaveRefusesIncompleteOrOutOfLimitReadings)
{
    const auto refusal = [](VitalSignEntry e, int systolicMax = 300, int diastolicMin = 50) {
        return VitalSignRules::SaveRefusal(e, systolicMax, diastolicMin);
    };
    EXPECT_EQ(refusal({"", "80", "37"}), QStringLiteral("Please enter blood pressure."));
    EXPECT_EQ(refusal({"120", "", "37"}), QStringLiteral("Please enter blood pressure."));
    EXPECT_EQ(refusal({"120", "80", " "}), QStringLiteral("Please enter body temperature."));
    EXPECT_EQ(VitalSignRules::SaveRefusal({"120", "80", ""}, 300, 50, false), QString());
    EXPECT_EQ(refusal({"120", "80", "37", "8.0.1"}), QStringLiteral("Invalid entry."));
    EXPECT_EQ(refusal({"120/", "80", "37"}), QStringLiteral("Invalid entry."));
    // The station's limits: equal passes, one beyond is refused and names the limit.
    EXPECT_EQ(refusal({"180", "80", "37"}, 180), QString());
    EXPECT_EQ(refusal({"181", "80", "37"}, 180), QStringLiteral("Please verify the Systolic. It must be equal or lesser than 180."));
    EXPECT_EQ(refusal({"120", "60", "37"}, 300, 60), QString());
    EXPECT_EQ(refusal({"120", "59", "37"}, 300, 60), QStringLiteral("Please verify the Diastolic. It must be equal or greater than 60."));
    EXPECT_EQ(VitalSignRules::BloodPressure({" 120", "80 "}), QStringLiteral("120/80"));
}

} // namespace
