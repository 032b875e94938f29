#pragma once

#include "server/tsql/Ast.h"
#include "server/tsql/Lexer.h"

namespace server::tsql {

// Reads the statements of a T-SQL batch. Anything outside the language the
// station uses fails with db::DbError quoting the text it stopped at.
std::vector<StatementPtr> ParseBatch(const LexResult& lexed, const QString& sourceText);

} // namespace server::tsql
