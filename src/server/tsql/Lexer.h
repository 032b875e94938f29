#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace server::tsql {

enum class TokenKind {
    Word,     // a name or keyword; bracketed and double-quoted names too (quoted = true)
    String,   // 'text' or N'text'; `text` holds the value with '' undone
    Number,   // 12, 3.5, 1e3
    Variable, // @name or @@name
    Symbol,   // ( ) , . ; + - * / % = <> != < > <= >= !< !>
    End
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;
    bool quoted = false; // a [bracketed] or "quoted" name
    int offset = 0;      // where it starts in the statement text
    int literal = -1;    // for a parameterised String: its index among the statement's literals
};

// Splits T-SQL text into tokens. String literals become parameters: each is
// numbered, its value collected in `literals`, and the statement's `key` shows
// it as "?", so statements that differ only in their values share one
// translation. A literal right after AS names a column and stays in the key.
struct LexResult {
    std::vector<Token> tokens;
    QStringList literals;
    QString key;
};

// How much a lexing keeps: the tokens the parser reads, or only the key and
// the literals, which is all a statement already translated needs.
enum class LexDetail { Tokens, KeyOnly };

// Throws db::DbError on text that cannot be split (an unclosed quote or bracket).
LexResult Lex(const QString& text, LexDetail detail = LexDetail::Tokens);

// True for a word that starts or structures a statement (SELECT, FROM, WHERE...),
// which can therefore not be read as an alias.
bool IsReservedWord(const QString& word);

} // namespace server::tsql
