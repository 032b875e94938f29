#pragma once

#include <QString>
#include <QVariant>

namespace db {
class Field;
}

namespace routines {

// " " (one blank) for a null value, else the value as text. Grids and labels
// show the blank so that an empty cell still takes the row's height.
QString NullToText(const QVariant& value);
QString NullToText(const db::Field& field);

// A quantity typed by the user: only the digits 0-9 (an empty text passes),
// unless the program settings allow decimal quantities, when any text passes.
bool IsWholeNumberText(const QString& text);

// "LAST, FIRST" split at the first comma into trimmed parts; without a comma
// the whole (trimmed) text is the last name and the first name is "".
struct NameParts {
    QString lastName;
    QString firstName;
};
NameParts SplitNameParts(const QString& text);

} // namespace routines
