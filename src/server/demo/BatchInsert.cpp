#include "server/demo/BatchInsert.h"

#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"

namespace server::demo {

QString Text(const QString& value)
{
    return db::Quote(value);
}

QString Num(double value)
{
    // Money and rates keep two decimals, so sums come out as the cashier expects.
    return QString::number(value, 'f', 2);
}

QString Int(qlonglong value)
{
    return db::SqlNumber(value);
}

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString Null()
{
    return QStringLiteral("NULL");
}

QString Stamp(const QDateTime& value)
{
    if (!value.isValid())
        return Null();
    return db::Quote(db::StoredDateText(value));
}

QString Day(const QDate& value)
{
    return Stamp(At(value, QTime(0, 0)));
}

BatchInsert::BatchInsert(db::Connection& connection, const QString& table, const QStringList& columns,
                         int rowsPerStatement)
    : connection_(connection)
    , table_(table)
    , head_(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QLatin1Char(','))))
    , columnCount_(columns.size())
    , rowsPerStatement_(rowsPerStatement > 0 ? rowsPerStatement : 1)
{
}

void BatchInsert::add(std::initializer_list<QString> literals)
{
    append(literals.begin(), literals.end(), static_cast<qsizetype>(literals.size()));
}

void BatchInsert::add(const QStringList& literals)
{
    append(literals.constData(), literals.constData() + literals.size(), literals.size());
}

void BatchInsert::append(const QString* begin, const QString* end, qsizetype count)
{
    if (count != columnCount_)
        throw db::DbError(QStringLiteral("Demo row for \"%1\" has %2 values for %3 columns.")
                              .arg(table_)
                              .arg(count)
                              .arg(columnCount_));
    if (pendingRows_ == 0)
        startStatement();
    else
        pending_ += QLatin1Char(',');
    pending_ += QLatin1Char('(');
    for (const QString* it = begin; it != end; ++it) {
        if (it != begin)
            pending_ += QLatin1Char(',');
        pending_ += *it;
    }
    pending_ += QLatin1Char(')');
    if (++pendingRows_ >= rowsPerStatement_)
        flush();
}

void BatchInsert::startStatement()
{
    pending_.clear();
    pending_ += head_;
}

void BatchInsert::flush()
{
    if (pendingRows_ == 0)
        return;
    connection_.execute(pending_);
    written_ += pendingRows_;
    pendingRows_ = 0;
    pending_.clear();
}

} // namespace server::demo
