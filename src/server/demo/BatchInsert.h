#pragma once

#include "db/Connection.h"
#include "server/demo/DemoTime.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace server::demo {

// Literals for the rows of a batch. Every text goes through db::Quote.
QString Text(const QString& value);
QString Num(double value);
QString Int(qlonglong value);
QString Flag(bool value);
QString Null();
// A date-time in the form the server stores ("yyyy-MM-dd HH:mm:ss.zzz"); null when invalid.
QString Stamp(const QDateTime& value);
QString Day(const QDate& value);

// Collects rows for one table and sends them as multi-row INSERT statements,
// so that a large demo database is written with few statements. Twenty-five
// rows a statement was the fastest in measurements: the embedded engine's cost
// per text value grows with the number of values in one statement.
class BatchInsert {
public:
    BatchInsert(db::Connection& connection, const QString& table, const QStringList& columns,
                int rowsPerStatement = 25);
    BatchInsert(const BatchInsert&) = delete;
    BatchInsert& operator=(const BatchInsert&) = delete;

    // One row of literals, one per column in the order given; a wrong count throws.
    void add(std::initializer_list<QString> literals);
    void add(const QStringList& literals);
    // Sends the rows still waiting. Must be called before the batch goes away.
    void flush();

    qlonglong rowsWritten() const { return written_; }

private:
    void startStatement();
    void append(const QString* begin, const QString* end, qsizetype count);

    db::Connection& connection_;
    QString table_;
    QString head_;
    qsizetype columnCount_;
    int rowsPerStatement_;
    QString pending_;
    int pendingRows_ = 0;
    qlonglong written_ = 0;
};

// Runs `work` in one transaction on the connection: all of it or none of it.
template <typename Work>
void InTransaction(db::Connection& connection, Work&& work)
{
    connection.beginTrans();
    try {
        work();
        connection.commitTrans();
    } catch (...) {
        connection.rollbackTrans();
        throw;
    }
}

} // namespace server::demo
