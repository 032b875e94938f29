#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

struct sqlite3;

namespace server {

namespace tsql {
class Catalog;
}

// What the server functions need from the connection they run on.
struct FunctionHost {
    std::function<QDateTime()> clock;
    QString hostName;
    const tsql::Catalog* catalog = nullptr;
    sqlite3* handle = nullptr;
};

// Registers the collation "TSQL" (case and trailing blanks ignored), a LIKE
// with the server's wildcards, and the tsql_* functions translated statements call.
void RegisterSqlFunctions(sqlite3* handle, FunctionHost* host);

// The comparison behind the TSQL collation; exposed for tests and benchmarks.
int CompareServerText(const char* a, int aLength, const char* b, int bLength);

// SQL Server's LIKE: %, _, [abc], [a-z], [^a]; case-insensitive; trailing
// blanks of the value ignored.
bool ServerLike(const QString& value, const QString& pattern, QChar escape = QChar());

} // namespace server
