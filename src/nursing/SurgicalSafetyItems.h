#pragma once

#include <QString>

#include <array>

namespace nursing {

// The checklist's three pauses and the thirty checks in box order, as the
// hospital's printed form words them. Boxes [firstBox, firstBox + count) of
// a pause belong to it.
struct SafetyPause {
    const char* caption;
    const char* when;
    int firstBox;
    int count;
};

inline constexpr int SafetyCheckCount = 30;

const SafetyPause& SafetyPauseAt(int pause); // 0 sign in, 1 time out, 2 sign out
QString SafetyCheckCaption(int box);

// Two boxes that answer one question (Yes / No, Yes / Not applicable): at
// most one of them may be ticked.
struct SafetyAnswerPair {
    int yes;
    int no;
};
const std::array<SafetyAnswerPair, 5>& SafetyAnswerPairs();

} // namespace nursing
