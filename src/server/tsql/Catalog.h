#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;

namespace server::tsql {

enum class ValueType { Unknown, Text, Number, DateTime };

// What kind of number a value is, in the server's order of precedence: an
// operation on two kinds gives the later one. None = not known to be a number.
enum class NumberKind { None, Int, BigInt, Money, Decimal, Float };

// The number a declared type holds: its kind, and for exact decimals the
// digits in all and after the point (money is decimal(19,4)).
struct NumberType {
    NumberKind kind = NumberKind::None;
    int precision = 0;
    int scale = 0;

    bool exact() const { return kind == NumberKind::Money || kind == NumberKind::Decimal; }
};

struct ColumnInfo {
    QString name;
    QString declaredType; // as the table was created, e.g. "varchar(15)"
    ValueType type = ValueType::Unknown;
    NumberType number;
    int byteLength = 0;   // what COL_LENGTH answers
    int charLength = -1;  // the characters a char/varchar column holds; -1 for no limit or no text
    bool identity = false;
};

struct TableInfo {
    QString database;     // "STATION"
    QString name;         // "tbStationLogs"
    QString sqliteName;   // "STATION__tbStationLogs"
    std::vector<ColumnInfo> columns;

    const ColumnInfo* column(const QString& columnName) const;
};

// The twelve hospital databases held in one SQLite file. A table DB..T lives
// in SQLite as "DB__T"; this is the one place that knows the rule.
class Catalog {
public:
    static const QStringList& databases();
    static bool isDatabase(const QString& name);
    static QString sqliteTableName(const QString& database, const QString& table);

    // Reads the tables from the database file on first use after load or invalidate().
    void load(sqlite3* handle);
    void invalidate() { loaded_ = false; }
    bool loaded() const { return loaded_; }

    const TableInfo* table(const QString& database, const QString& table) const;

    // The type, with its stored width, that a declared column type maps to.
    static ValueType typeOf(const QString& declaredType);
    static int byteLengthOf(const QString& declaredType);
    static NumberType numberOf(const QString& declaredType);
    // The characters a declared char/varchar/nchar/nvarchar type holds; -1 otherwise.
    static int charLengthOf(const QString& declaredType);

private:
    bool loaded_ = false;
    QHash<QString, TableInfo> tables_; // by upper-case SQLite name
};

} // namespace server::tsql
