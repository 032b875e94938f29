#pragma once

#include <QString>
#include <QStringList>

namespace nursing {

// The nursing forms keep a control array in one column: every entry in index
// order, each written as ":;" followed by the entry ("1"/"0" for a check box,
// "Y"/"N" for an option, or the typed text). Reading replaces ":;" by "~" and
// splits on "~", so neither may stand inside an entry: such text is refused
// before saving (see Unpackable) rather than silently changed.
namespace PackedText {

inline const QString Separator = QStringLiteral(":;");

QString Pack(const QStringList& entries);

// The first `count` entries of a packed value; entries missing from a short
// value come back empty.
QStringList Unpack(const QString& packed, int count);

// Check boxes and options as their packed letters, and back.
QString Flag(bool on, const QString& yes = QStringLiteral("1"), const QString& no = QStringLiteral("0"));

// True when the text can be packed and read back unchanged.
bool IsPackable(const QString& text);

// The message shown when a typed text holds one of the two separators.
QString UnpackableMessage(const QString& fieldCaption);

} // namespace PackedText

} // namespace nursing
