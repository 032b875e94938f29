#pragma once

#include <QString>

namespace db {

// Encloses a value in single quotes and doubles every apostrophe inside it, so
// that no text a user types can change the shape of a statement. Every text
// value that enters a statement goes through here.
QString Quote(const QString& value);

// Typed text inside a LIKE pattern, taken literally: its own "%", "_" and "["
// are bracketed so that they match only themselves. Not quoted.
QString LikeLiteral(const QString& typed);
// A quoted LIKE pattern matching what starts with the typed text.
QString LikeStartingWith(const QString& typed);
// A quoted LIKE pattern matching what holds the typed text anywhere.
QString LikeContaining(const QString& typed);

class Decimal;

// A number for a statement: numbers go unquoted.
QString SqlNumber(double value);
QString SqlNumber(const Decimal& value);
QString SqlNumber(qlonglong value);
inline QString SqlNumber(int value) { return SqlNumber(static_cast<qlonglong>(value)); }

} // namespace db
