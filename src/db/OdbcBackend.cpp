#include "db/OdbcBackend.h"

#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"

#include <QAtomicInt>
#include <QFile>
#include <QLibrary>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sql.h>
#include <sqlext.h>

namespace db {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("odbc-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The driver's own words when it gave any, so that users and IT staff see the
// message they know from the server; Qt's summary otherwise.
QString messageOf(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText() : text;
}

// Date-times leave the database layer as "yyyy-MM-dd HH:mm:ss.zzz" text,
// the same on every backend.
QVariant fromServer(const QVariant& value)
{
    if (value.isNull())
        return value;
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return StoredDateText(value.toDateTime());
    case QMetaType::QDate:
        return StoredDateText(QDateTime(value.toDate(), QTime(0, 0)));
    case QMetaType::QTime:
        return StoredDateText(QDateTime(QDate(1900, 1, 1), value.toTime()));
    default:
        return value;
    }
}

QVariant toServer(const ProcedureParameter& parameter)
{
    const QVariant& value = parameter.value;
    switch (parameter.type) {
    case ProcedureParameter::Type::Text:
        return value.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value.toString());
    case ProcedureParameter::Type::Integer: {
        if (value.isNull())
            return QVariant(QMetaType::fromType<int>());
        const qlonglong number = value.toLongLong();
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(static_cast<int>(number));
        return QVariant(number);
    }
    case ProcedureParameter::Type::Money:
        return value.isNull() ? QVariant(QMetaType::fromType<double>()) : QVariant(value.toDouble());
    case ProcedureParameter::Type::DateTime: {
        if (value.isNull())
            return QVariant(QMetaType::fromType<QDateTime>());
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        const QDateTime parsed = ParseDateText(value.toString());
        // A text the program cannot read goes as text, for the server to judge.
        return parsed.isValid() ? QVariant(parsed) : QVariant(value.toString());
    }
    }
    return value;
}

// Reads every result set of an executed statement, result sets without
// columns counting as writes.
ResultSets readAll(QSqlQuery& query, qlonglong* recordsAffected)
{
    ResultSets sets;
    do {
        if (query.isSelect()) {
            ResultSet set;
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                set.columns << record.fieldName(i);
            while (query.next()) {
                QVariantList row;
                row.reserve(record.count());
                for (int i = 0; i < record.count(); ++i)
                    row << fromServer(query.value(i));
                set.rows.push_back(std::move(row));
            }
            if (query.lastError().isValid())
                throw DbError(messageOf(query.lastError()));
            sets.push_back(std::move(set));
        } else if (recordsAffected != nullptr) {
            const int affected = query.numRowsAffected();
            if (affected >= 0)
                *recordsAffected = affected;
        }
    } while (query.nextResult());
    // An error in a later statement of a batch surfaces when its result is asked for.
    if (query.lastError().isValid())
        throw DbError(messageOf(query.lastError()));
    return sets;
}

using SetConnectAttr = SQLRETURN (*)(SQLHDBC, SQLINTEGER, SQLPOINTER, SQLINTEGER);

// Resolved from the driver manager Qt's ODBC plugin has already loaded, so the
// call reaches the same manager that owns the connection handle.
SetConnectAttr setConnectAttr()
{
    static const auto function = reinterpret_cast<SetConnectAttr>(QLibrary::resolve(QStringLiteral("odbc"), 2, "SQLSetConnectAttr"));
    return function;
}

} // namespace

OdbcBackend::OdbcBackend(const QString& connectionString, const QString& connectOptions)
    : connectionName_(nextConnectionName()), connectionString_(connectionString)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
        if (!database.isValid()) {
            QSqlDatabase::removeDatabase(connectionName_);
            throw DbError(QStringLiteral("Qt's ODBC driver (QODBC) is not installed."));
        }
        database.setDatabaseName(connectionString);
        database.setConnectOptions(connectOptions);
        if (database.open())
            return;
        const QString message = messageOf(database.lastError());
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw DbError(message);
    }
}

OdbcBackend::~OdbcBackend()
{
    {
        QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

ResultSets OdbcBackend::run(const QString& sql, qlonglong* recordsAffected)
{
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw DbError(messageOf(query.lastError()));
    return readAll(query, recordsAffected);
}

ResultSets OdbcBackend::callProcedure(const QString& name, const std::vector<ProcedureParameter>& parameters)
{
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.prepare(OdbcCallText(name, static_cast<int>(parameters.size()))))
        throw DbError(messageOf(query.lastError()));
    for (const ProcedureParameter& parameter : parameters)
        query.addBindValue(toServer(parameter));
    if (!query.exec())
        throw DbError(messageOf(query.lastError()));
    return readAll(query, nullptr);
}

void OdbcBackend::beginTransaction()
{
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    if (!database.transaction())
        throw DbError(messageOf(database.lastError()));
}

void OdbcBackend::lockResource(const QString& resource)
{
    // A negative result means the lock was not granted (timeout, deadlock
    // victim): the caller's check must not go on without it.
    const ResultSets sets = run(QStringLiteral("DECLARE @r int; EXEC @r = sp_getapplock @Resource = %1, @LockMode = 'Exclusive', "
                                               "@LockOwner = 'Transaction'; SELECT @r AS Granted")
                                    .arg(Quote(resource)),
                                nullptr);
    if (sets.empty() || sets.front().rows.empty() || sets.front().rows.front().value(0).toInt() < 0)
        throw DbError(QStringLiteral("The lock on %1 was not granted.").arg(resource));
}

void OdbcBackend::commitTransaction()
{
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    if (!database.commit())
        throw DbError(messageOf(database.lastError()));
}

void OdbcBackend::rollbackTransaction()
{
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    if (!database.rollback())
        throw DbError(messageOf(database.lastError()));
}

void OdbcBackend::setCommandTimeout(int seconds)
{
    // Qt opens a new statement for every query and offers no hook before it
    // runs, so the timeout goes on the connection as the default for new
    // statements. Drivers that do not take it there keep the server's limits.
    const SetConnectAttr set = setConnectAttr();
    const QVariant handle = QSqlDatabase::database(connectionName_, false).driver()->handle();
    if (set == nullptr || !handle.isValid() || qstrcmp(handle.typeName(), "SQLHANDLE") != 0)
        return;
    const SQLHDBC connection = *static_cast<const SQLHDBC*>(handle.data());
    if (connection != nullptr)
        set(connection, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(std::max(seconds, 0))), 0);
}

QString OdbcCallText(const QString& procedure, int parameterCount)
{
    if (parameterCount == 0)
        return QStringLiteral("{call %1}").arg(procedure);
    QStringList markers;
    for (int i = 0; i < parameterCount; ++i)
        markers << QStringLiteral("?");
    return QStringLiteral("{call %1(%2)}").arg(procedure, markers.join(QLatin1Char(',')));
}

std::unique_ptr<Connection> OpenSqlServer(const ServerLogin& login)
{
    try {
        return std::make_unique<Connection>(std::make_unique<OdbcBackend>(login.connectionString(), login.connectOptions()));
    } catch (const DbError& error) {
        // The driver manager could not find FreeTDS by name: load it by path.
        const bool unregistered = error.message().contains(QLatin1String("Can't open lib"))
            || error.message().contains(QLatin1String("Data source name not found"));
        if (login.driver != ServerLogin::Driver::FreeTds || !login.driverLibrary.isEmpty() || !unregistered
            || !QFile::exists(DefaultFreeTdsLibrary()))
            throw;
        ServerLogin byPath = login;
        byPath.driverLibrary = DefaultFreeTdsLibrary();
        return std::make_unique<Connection>(std::make_unique<OdbcBackend>(byPath.connectionString(), byPath.connectOptions()));
    }
}

} // namespace db
