#pragma once

#include "server/tsql/Ast.h"
#include "server/tsql/Catalog.h"
#include "server/tsql/Lexer.h"
#include "server/tsql/Program.h"

#include <QHash>

namespace server::tsql {

// Turns T-SQL batches into SQLite programs with SQL Server's meaning, and
// keeps each translation by statement shape and current database.
class Translator {
public:
    explicit Translator(Catalog& catalog) : catalog_(catalog) {}

    // `lexed` may be a key-only lexing of `text` (LexDetail::KeyOnly).
    ProgramPtr translate(const LexResult& lexed, const QString& text, const QString& currentDatabase);
    void clear() { cache_.clear(); }
    int cachedCount() const { return cache_.size(); }

private:
    Catalog& catalog_;
    QHash<QString, ProgramPtr> cache_;
};

// Builds one program from parsed statements (no cache). `literals` are needed
// only where SQLite takes no parameters (table definitions).
ProgramPtr BuildProgram(const std::vector<StatementPtr>& statements, const Catalog& catalog,
                        const QString& currentDatabase, const QStringList& literals);

} // namespace server::tsql
