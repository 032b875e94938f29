#include "ResultPrinter.h"

#include "db/DateText.h"
#include "db/Field.h"

namespace orsql {

QString FieldText(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return db::StoredDateText(value.toDateTime());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

QString FormatResultSet(const db::ResultSet& set)
{
    QString text = set.columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QVariantList& row : set.rows) {
        QStringList fields;
        fields.reserve(row.size());
        // Money and decimals print with all their places, as the server prints them.
        for (qsizetype i = 0; i < row.size(); ++i) {
            const int scale = i < static_cast<qsizetype>(set.scales.size()) ? set.scales[static_cast<size_t>(i)] : -1;
            fields << (scale >= 0 && !row[i].isNull() ? db::Field(row[i], true, scale).serverText() : FieldText(row[i]));
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString FormatResultSets(const db::ResultSets& sets)
{
    QStringList blocks;
    for (const db::ResultSet& set : sets)
        blocks << FormatResultSet(set);
    return blocks.join(QLatin1Char('\n'));
}

} // namespace orsql
