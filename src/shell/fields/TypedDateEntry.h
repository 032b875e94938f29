#pragma once

class QDateTimeEdit;

namespace shell {

// Lets a date or time box take a whole value typed over its selection (or
// from its start) and read it in the box's display format, refusing a value
// that does not exist or lies outside the box's range. The field helpers
// (DateField.h) call it for every box they make.
void AcceptWholeTypedEntries(QDateTimeEdit* box);

} // namespace shell
