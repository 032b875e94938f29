#include "server/tsql/Catalog.h"

#include "db/DbError.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace server::tsql {

const ColumnInfo* TableInfo::column(const QString& columnName) const
{
    for (const ColumnInfo& c : columns)
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const QStringList& Catalog::databases()
{
    static const QStringList names = {
        QStringLiteral("STATION"),  QStringLiteral("PATIENT_DATA"), QStringLiteral("BUILD_FILE"),
        QStringLiteral("SCHEDULE"), QStringLiteral("INVENTORY"),    QStringLiteral("BILLING"),
        QStringLiteral("MEDICARE"), QStringLiteral("LABORATORY"),   QStringLiteral("RADIOLOGY"),
        QStringLiteral("PASSWORD"), QStringLiteral("CAPD"),         QStringLiteral("DOCTORS")};
    return names;
}

bool Catalog::isDatabase(const QString& name)
{
    return databases().contains(name.toUpper());
}

QString Catalog::sqliteTableName(const QString& database, const QString& table)
{
    return database.toUpper() + QStringLiteral("__") + table;
}

ValueType Catalog::typeOf(const QString& declaredType)
{
    const QString t = declaredType.toLower();
    if (t.contains(QLatin1String("date")) || t.contains(QLatin1String("time")))
        return ValueType::DateTime;
    if (t.contains(QLatin1String("char")) || t.contains(QLatin1String("text")))
        return ValueType::Text;
    if (t.contains(QLatin1String("int")) || t.contains(QLatin1String("bit")) || t.contains(QLatin1String("money")) ||
        t.contains(QLatin1String("dec")) || t.contains(QLatin1String("numeric")) || t.contains(QLatin1String("float")) ||
        t.contains(QLatin1String("real")))
        return ValueType::Number;
    return ValueType::Unknown;
}

namespace {

struct TypeParts {
    QString base;      // lower case
    int n = -1;        // the first number in parentheses
    int m = -1;        // the second
    bool max = false;  // (max)
    bool ok = false;
};

TypeParts partsOf(const QString& declaredType)
{
    static const QRegularExpression sized(QStringLiteral(R"(^\s*(\w+)\s*(?:\(\s*(\d+|max)\s*(?:,\s*(\d+)\s*)?\))?)"));
    const QRegularExpressionMatch match = sized.match(declaredType.toLower());
    TypeParts p;
    if (!match.hasMatch())
        return p;
    p.ok = true;
    p.base = match.captured(1);
    p.max = match.captured(2) == QLatin1String("max");
    p.n = match.captured(2).isEmpty() || p.max ? -1 : match.captured(2).toInt();
    p.m = match.captured(3).isEmpty() ? -1 : match.captured(3).toInt();
    return p;
}

} // namespace

NumberType Catalog::numberOf(const QString& declaredType)
{
    const TypeParts p = partsOf(declaredType);
    NumberType t;
    if (!p.ok)
        return t;
    const QString& b = p.base;
    if (b == QLatin1String("int") || b == QLatin1String("integer") || b == QLatin1String("smallint") ||
        b == QLatin1String("tinyint") || b == QLatin1String("bit"))
        t = {NumberKind::Int, 10, 0};
    else if (b == QLatin1String("bigint"))
        t = {NumberKind::BigInt, 19, 0};
    else if (b == QLatin1String("money"))
        t = {NumberKind::Money, 19, 4};
    else if (b == QLatin1String("smallmoney"))
        t = {NumberKind::Money, 10, 4};
    else if (b == QLatin1String("decimal") || b == QLatin1String("numeric") || b == QLatin1String("dec"))
        t = {NumberKind::Decimal, p.n < 0 ? 18 : p.n, p.m < 0 ? 0 : p.m};
    else if (b == QLatin1String("float") || b == QLatin1String("real") || b == QLatin1String("double"))
        t = {NumberKind::Float, 15, 0};
    return t;
}

int Catalog::charLengthOf(const QString& declaredType)
{
    const TypeParts p = partsOf(declaredType);
    if (!p.ok || p.max)
        return -1;
    if (p.base == QLatin1String("varchar") || p.base == QLatin1String("char") || p.base == QLatin1String("nvarchar") ||
        p.base == QLatin1String("nchar"))
        return p.n < 0 ? 1 : p.n;
    return -1;
}

int Catalog::byteLengthOf(const QString& declaredType)
{
    const TypeParts parts = partsOf(declaredType);
    if (!parts.ok)
        return 0;
    const QString& base = parts.base;
    const int n = parts.n;
    if (parts.max && (base.contains(QLatin1String("char")) || base.contains(QLatin1String("binary"))))
        return -1; // (max) columns answer -1, as the server does
    if (base == QLatin1String("varchar") || base == QLatin1String("char") || base == QLatin1String("binary") || base == QLatin1String("varbinary"))
        return n < 0 ? 1 : n;
    if (base == QLatin1String("nvarchar") || base == QLatin1String("nchar"))
        return n < 0 ? 2 : 2 * n;
    if (base == QLatin1String("text") || base == QLatin1String("ntext") || base == QLatin1String("image"))
        return 16;
    if (base == QLatin1String("bigint") || base == QLatin1String("datetime") || base == QLatin1String("money") || base == QLatin1String("float"))
        return 8;
    if (base == QLatin1String("int") || base == QLatin1String("integer") || base == QLatin1String("smalldatetime") ||
        base == QLatin1String("real") || base == QLatin1String("smallmoney"))
        return 4;
    if (base == QLatin1String("smallint"))
        return 2;
    if (base == QLatin1String("tinyint") || base == QLatin1String("bit"))
        return 1;
    if (base == QLatin1String("decimal") || base == QLatin1String("numeric")) {
        const int precision = n < 0 ? 18 : n;
        return precision <= 9 ? 5 : precision <= 19 ? 9 : precision <= 28 ? 13 : 17;
    }
    if (base == QLatin1String("date"))
        return 3;
    return 0;
}

void Catalog::load(sqlite3* handle)
{
    tables_.clear();
    sqlite3_stmt* list = nullptr;
    if (sqlite3_prepare_v2(handle, "SELECT name, sql FROM sqlite_master WHERE type = 'table'", -1, &list, nullptr) != SQLITE_OK)
        throw db::DbError(QString::fromUtf8(sqlite3_errmsg(handle)));
    std::vector<std::pair<QString, QString>> names;
    while (sqlite3_step(list) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0)));
        const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 1)));
        if (name.contains(QLatin1String("__")))
            names.emplace_back(name, sql);
    }
    sqlite3_finalize(list);

    for (const auto& [name, sql] : names) {
        TableInfo info;
        const int split = name.indexOf(QLatin1String("__"));
        info.database = name.left(split);
        info.name = name.mid(split + 2);
        info.sqliteName = name;
        const bool autoIncrement = sql.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
        sqlite3_stmt* columns = nullptr;
        const QByteArray pragma = "PRAGMA table_info(\"" + name.toUtf8() + "\")";
        if (sqlite3_prepare_v2(handle, pragma.constData(), -1, &columns, nullptr) != SQLITE_OK)
            throw db::DbError(QString::fromUtf8(sqlite3_errmsg(handle)));
        while (sqlite3_step(columns) == SQLITE_ROW) {
            ColumnInfo c;
            c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(columns, 1)));
            c.declaredType = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(columns, 2)));
            c.type = typeOf(c.declaredType);
            c.byteLength = byteLengthOf(c.declaredType);
            c.number = numberOf(c.declaredType);
            c.charLength = c.type == ValueType::Text ? charLengthOf(c.declaredType) : -1;
            c.identity = autoIncrement && sqlite3_column_int(columns, 5) == 1;
            if (c.identity) {
                c.byteLength = 4;
                c.number = {NumberKind::Int, 10, 0};
            }
            info.columns.push_back(c);
        }
        sqlite3_finalize(columns);
        tables_.insert(name.toUpper(), std::move(info));
    }
    loaded_ = true;
}

const TableInfo* Catalog::table(const QString& database, const QString& tableName) const
{
    auto it = tables_.constFind(sqliteTableName(database, tableName).toUpper());
    return it == tables_.constEnd() ? nullptr : &it.value();
}

} // namespace server::tsql
