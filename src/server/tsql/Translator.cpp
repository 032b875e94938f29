#include "server/tsql/Translator.h"

#include "server/tsql/Parser.h"

namespace server::tsql {

ProgramPtr Translator::translate(const LexResult& lexed, const QString& text, const QString& currentDatabase)
{
    QString key = currentDatabase;
    key += QChar(0x1f);
    key += lexed.key;
    auto it = cache_.constFind(key);
    if (it != cache_.constEnd())
        return it.value();

    // A statement seen for the first time is lexed again in full for the parser;
    // the ones seen before never pay for their tokens.
    const LexResult full = lexed.tokens.empty() ? Lex(text) : LexResult();
    const std::vector<StatementPtr> statements = ParseBatch(lexed.tokens.empty() ? full : lexed, text);
    ProgramPtr program = BuildProgram(statements, catalog_, currentDatabase, lexed.literals);
    if (program->cacheable)
        cache_.insert(key, program);
    return program;
}

} // namespace server::tsql
