#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QLineEdit;

namespace shell {

// Turns a text box into a number box: only digits (and a point when
// `decimals` > 0) can be typed, and only a value between `minimum` and
// `maximum` is acceptable; the thousands separators a user types are ignored
// when the value is read.
void MakeNumberField(QLineEdit* box, double minimum, double maximum, int decimals = 0);

// A box for a pair of numbers written "120/80" (a blood pressure): each of
// the two between `minimum` and `maximum`.
void MakeNumberPairField(QLineEdit* box, double minimum, double maximum);

// The box's value: nothing when it is empty, or when what it holds is not a
// number in its range (the caller then refuses the save with its message).
std::optional<double> NumberFieldValue(const QLineEdit* box);

// True when the box is empty or holds an acceptable number (or pair).
bool NumberFieldAcceptable(const QLineEdit* box);

// What is wrong with a number box, in words that name it: "Temperature must
// be a number from 30 to 45." An empty text when the box is empty or right.
QString NumberFieldProblem(const QLineEdit* box, const QString& caption);

// Checks the boxes in order before a save: at the first one that is wrong,
// tells the user (NumberFieldProblem, "Notification"), puts the cursor in it
// and returns false.
bool CheckNumberFields(const std::vector<std::pair<QString, const QLineEdit*>>& boxes);

} // namespace shell
