#pragma once

#include <QString>

namespace components {

// "LAST, FIRST MIDDLE" from the parts, each trimmed; "" when there is no name
// at all (an unknown doctor code), and no dangling comma or blank.
inline QString FullName(const QString& last, const QString& first, const QString& middle)
{
    const QString given = (first.trimmed() + QLatin1Char(' ') + middle.trimmed()).trimmed();
    if (last.trimmed().isEmpty())
        return given;
    return given.isEmpty() ? last.trimmed() : last.trimmed() + QStringLiteral(", ") + given;
}

} // namespace components
