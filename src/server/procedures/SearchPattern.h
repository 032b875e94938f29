#pragma once

#include "db/SqlText.h"

#include <QString>

namespace server {

// A quoted LIKE pattern that matches what starts with the typed text (its
// blanks around trimmed), the text taken literally.
inline QString PrefixPattern(const QString& text)
{
    return db::LikeStartingWith(text.trimmed());
}

} // namespace server
