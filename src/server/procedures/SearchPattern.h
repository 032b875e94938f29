#pragma once

#include "db/SqlText.h"

#include <QString>

namespace server {

// A quoted LIKE pattern that matches what starts with the typed text, the
// text taken literally: its own "%", "_" and "[" match only themselves.
inline QString PrefixPattern(const QString& text)
{
    QString escaped = text.trimmed();
    escaped.replace(QLatin1Char('['), QStringLiteral("[[]"))
        .replace(QLatin1Char('%'), QStringLiteral("[%]"))
        .replace(QLatin1Char('_'), QStringLiteral("[_]"));
    return db::Quote(escaped + QLatin1Char('%'));
}

} // namespace server
