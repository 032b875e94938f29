#include "db/routines/TextAndValues.h"

#include "db/Field.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

namespace routines {

QString NullToText(const QVariant& value)
{
    return value.isNull() ? QStringLiteral(" ") : value.toString();
}

QString NullToText(const db::Field& field)
{
    return field.isNull() ? QStringLiteral(" ") : field.text();
}

bool IsWholeNumberText(const QString& text)
{
    if (app::ProgramSettings && app::ProgramSettings->AllowDecimalQty())
        return true;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

NameParts SplitNameParts(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return NameParts{text.trimmed(), QString()};
    return NameParts{text.left(comma).trimmed(), text.mid(comma + 1).trimmed()};
}

} // namespace routines
