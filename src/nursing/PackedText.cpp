#include "nursing/PackedText.h"

namespace nursing::PackedText {

QString Pack(const QStringList& entries)
{
    QString out;
    for (const QString& entry : entries)
        out += Separator + entry;
    return out;
}

QStringList Unpack(const QString& packed, int count)
{
    QString text = packed;
    text.replace(Separator, QStringLiteral("~"));
    const QStringList parts = text.split(QLatin1Char('~'));
    // parts[0] is the empty text before the first separator.
    QStringList out;
    out.reserve(count);
    for (int k = 1; k <= count; ++k)
        out << parts.value(k);
    return out;
}

QString Flag(bool on, const QString& yes, const QString& no)
{
    return on ? yes : no;
}

bool IsPackable(const QString& text)
{
    return !text.contains(Separator) && !text.contains(QLatin1Char('~'));
}

QString UnpackableMessage(const QString& fieldCaption)
{
    return QStringLiteral("%1 cannot contain \":;\" or \"~\". Please remove them and save again.").arg(fieldCaption);
}

} // namespace nursing::PackedText
