#include "db/Connection.h"

#include "db/DbError.h"
#include "db/SqlText.h"

namespace db {

Connection::Connection(std::unique_ptr<Backend> backend) : backend_(std::move(backend))
{
    backend_->setCommandTimeout(commandTimeout_);
}

Connection::~Connection()
{
    if (level_ > 0) {
        try {
            backend_->rollbackTransaction();
        } catch (const DbError&) {
            // The connection is going away; the server rolls back an open transaction itself.
        }
    }
}

void Connection::execute(const QString& sql, qlonglong* recordsAffected)
{
    backend_->run(sql, recordsAffected);
}

Recordset Connection::open(const QString& sql)
{
    return Recordset(backend_->run(sql, nullptr));
}

Recordset Connection::callProcedure(const QString& name, const std::vector<ProcedureParameter>& parameters)
{
    return Recordset(backend_->callProcedure(name, parameters));
}

UpdatableRecordset Connection::openForUpdate(const QString& table)
{
    return UpdatableRecordset(*this, table, open(QStringLiteral("SELECT * FROM ") + table));
}

void Connection::beginTrans()
{
    if (level_ == 0)
        backend_->beginTransaction();
    ++level_;
}

void Connection::commitTrans()
{
    if (level_ == 0)
        throw DbError(QStringLiteral("No transaction is active."));
    if (level_ == 1)
        backend_->commitTransaction();
    --level_;
}

void Connection::rollbackTrans()
{
    if (level_ == 0)
        throw DbError(QStringLiteral("No transaction is active."));
    level_ = 0;
    backend_->rollbackTransaction();
}

void Connection::lockForWrite(const QString& resource)
{
    if (level_ == 0)
        throw DbError(QStringLiteral("A lock can only be taken inside a transaction."));
    backend_->lockResource(resource);
}

void Connection::setCommandTimeout(int seconds)
{
    commandTimeout_ = seconds;
    backend_->setCommandTimeout(seconds);
}

QString SqlLiteral(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return SqlNumber(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return SqlNumber(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return Quote(Field(value).text());
    }
}

UpdatableRecordset::UpdatableRecordset(Connection& connection, QString table, Recordset rows)
    : connection_(&connection), table_(std::move(table)), rows_(std::move(rows))
{
}

Field UpdatableRecordset::field(const QString& name) const
{
    for (int k = 0; k < changedNames_.size(); ++k)
        if (changedNames_[k].compare(name, Qt::CaseInsensitive) == 0)
            return Field(changedValues_[k]);
    return rows_.field(name);
}

void UpdatableRecordset::setValue(const QString& name, const QVariant& value)
{
    if (!rows_.hasField(name))
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal: %1").arg(name));
    for (int k = 0; k < changedNames_.size(); ++k) {
        if (changedNames_[k].compare(name, Qt::CaseInsensitive) == 0) {
            changedValues_[k] = value;
            return;
        }
    }
    changedNames_ << name;
    changedValues_ << value;
}

void UpdatableRecordset::update()
{
    if (changedNames_.isEmpty())
        return;
    if (rows_.eof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record."));

    QStringList sets;
    for (int k = 0; k < changedNames_.size(); ++k)
        sets << changedNames_[k] + QStringLiteral(" = ") + SqlLiteral(changedValues_[k]);

    // Guard on every value read, so that a row moved by another writer is not overwritten.
    QStringList guards;
    for (int i = 0; i < rows_.fieldCount(); ++i) {
        const Field f = rows_.field(i);
        const QString name = rows_.fieldName(i);
        if (f.isNull())
            guards << name + QStringLiteral(" IS NULL");
        else
            guards << name + QStringLiteral(" = ") + SqlLiteral(f.value());
    }

    qlonglong affected = 0;
    connection_->execute(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                             .arg(table_, sets.join(QStringLiteral(", ")), guards.join(QStringLiteral(" AND "))),
                         &affected);
    if (affected == 0)
        throw ConcurrencyError(QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read."));

    // The row now holds the written values: a second update guards on them.
    ResultSet set = rows_.current();
    QVariantList& row = set.rows[rows_.absolutePosition()];
    for (int k = 0; k < changedNames_.size(); ++k)
        for (int i = 0; i < set.columns.size(); ++i)
            if (set.columns[i].compare(changedNames_[k], Qt::CaseInsensitive) == 0) {
                row[i] = changedValues_[k];
                break;
            }
    const int position = rows_.absolutePosition();
    rows_ = Recordset(ResultSets{set});
    while (rows_.absolutePosition() < position)
        rows_.moveNext();
    changedNames_.clear();
    changedValues_.clear();
}

} // namespace db
