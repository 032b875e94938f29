#pragma once

#include <optional>

class QLineEdit;

namespace shell {

// Turns a text box into a number box: only digits (and a point when
// `decimals` > 0) between `minimum` and `maximum` can be typed; the
// thousands separators a user types are ignored when the value is read.
void MakeNumberField(QLineEdit* box, double minimum, double maximum, int decimals = 0);

// The box's value: nothing when it is empty, or when what it holds is not a
// number in its range (the caller then refuses the save with its message).
std::optional<double> NumberFieldValue(const QLineEdit* box);

// True when the box is empty or holds an acceptable number.
bool NumberFieldAcceptable(const QLineEdit* box);

} // namespace shell
