#include "server/tsql/Lexer.h"

#include "db/DbError.h"

#include <QSet>

namespace server::tsql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('$') || c == QLatin1Char('@');
}

QString excerpt(const QString& text, int from)
{
    return text.mid(from, 60);
}

// Names and aliases end up in the translated text, where control characters
// have no business (and where two of them mark parameters): refuse them.
bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

db::DbError controlCharacterIn(QChar c, const QString& written)
{
    return db::DbError(QStringLiteral("Invalid character 0x%1 in the name or alias '%2'.")
                           .arg(QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')), written.left(60)));
}

} // namespace

bool IsReservedWord(const QString& word)
{
    static const QSet<QString> reserved = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"), QStringLiteral("GROUP"),
        QStringLiteral("ORDER"), QStringLiteral("HAVING"), QStringLiteral("UNION"), QStringLiteral("JOIN"),
        QStringLiteral("INNER"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("FULL"),
        QStringLiteral("CROSS"), QStringLiteral("OUTER"), QStringLiteral("ON"), QStringLiteral("AND"),
        QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
        QStringLiteral("DELETE"), QStringLiteral("SET"), QStringLiteral("VALUES"), QStringLiteral("INTO"),
        QStringLiteral("AS"), QStringLiteral("IF"), QStringLiteral("ELSE"), QStringLiteral("BEGIN"),
        QStringLiteral("END"), QStringLiteral("USE"), QStringLiteral("EXEC"), QStringLiteral("EXECUTE"),
        QStringLiteral("IS"), QStringLiteral("IN"), QStringLiteral("LIKE"), QStringLiteral("BETWEEN"),
        QStringLiteral("CASE"), QStringLiteral("WHEN"), QStringLiteral("THEN"), QStringLiteral("EXISTS"),
        QStringLiteral("DISTINCT"), QStringLiteral("TOP"), QStringLiteral("BY"), QStringLiteral("ALTER"),
        QStringLiteral("CREATE"), QStringLiteral("DROP"), QStringLiteral("TABLE"), QStringLiteral("NULL"),
        QStringLiteral("DECLARE"), QStringLiteral("WITH"), QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"),
        QStringLiteral("TRUNCATE"), QStringLiteral("RETURN"), QStringLiteral("GO"), QStringLiteral("ASC"),
        QStringLiteral("DESC"), QStringLiteral("ESCAPE"), QStringLiteral("COLLATE")};
    return reserved.contains(word.toUpper());
}

LexResult Lex(const QString& text, LexDetail detail)
{
    const bool keepTokens = detail == LexDetail::Tokens;
    LexResult out;
    if (keepTokens)
        out.tokens.reserve(text.size() / 4 + 4);
    out.key.reserve(text.size());
    const int n = text.size();
    int i = 0;
    bool previousIsAs = false;

    auto push = [&](Token& t, QStringView keyText) {
        if (!out.key.isEmpty())
            out.key += QLatin1Char(' ');
        out.key += keyText;
        if (keepTokens)
            out.tokens.push_back(std::move(t));
    };

    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && text.at(i + 1) == QLatin1Char('-')) {
            while (i < n && text.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && text.at(i + 1) == QLatin1Char('*')) {
            // The server nests block comments: "/* a /* b */ c */" is one comment.
            int depth = 0;
            int j = i;
            while (j < n) {
                if (text.at(j) == QLatin1Char('/') && j + 1 < n && text.at(j + 1) == QLatin1Char('*')) {
                    ++depth;
                    j += 2;
                } else if (text.at(j) == QLatin1Char('*') && j + 1 < n && text.at(j + 1) == QLatin1Char('/')) {
                    j += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++j;
                }
            }
            if (depth > 0)
                throw db::DbError(QStringLiteral("Missing end comment mark '*/'."));
            i = j;
            continue;
        }

        Token t;
        t.offset = i;
        const bool wasAs = previousIsAs;
        previousIsAs = false;

        const bool national = (c == QLatin1Char('N') || c == QLatin1Char('n')) && i + 1 < n && text.at(i + 1) == QLatin1Char('\'');
        if (c == QLatin1Char('\'') || national) {
            int j = i + (national ? 2 : 1);
            QString value;
            for (;;) {
                if (j >= n)
                    throw db::DbError(QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(excerpt(text, i + 1)));
                const QChar d = text.at(j);
                if (d == QLatin1Char('\'')) {
                    if (j + 1 < n && text.at(j + 1) == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                value += d;
                ++j;
            }
            t.kind = TokenKind::String;
            t.text = value;
            i = j;
            if (wasAs) {
                // A column alias written as a string is part of the statement's shape.
                for (int k = 0; k < value.size(); ++k)
                    if (isControl(value.at(k)))
                        throw controlCharacterIn(value.at(k), value.left(k));
                QString quoted = value;
                quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
                push(t, QLatin1Char('\'') + quoted + QLatin1Char('\''));
            } else {
                t.literal = out.literals.size();
                out.literals << value;
                push(t, QStringLiteral("?"));
            }
            continue;
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('"')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('"');
            int j = i + 1;
            QString value;
            for (;;) {
                if (j >= n)
                    throw db::DbError(QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(excerpt(text, i + 1)));
                const QChar d = text.at(j);
                if (d == close) {
                    if (j + 1 < n && text.at(j + 1) == close) {
                        value += close;
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                if (isControl(d))
                    throw controlCharacterIn(d, value);
                value += d;
                ++j;
            }
            t.kind = TokenKind::Word;
            t.text = value;
            t.quoted = true;
            i = j;
            push(t, QLatin1Char('[') + value + QLatin1Char(']'));
            continue;
        }
        if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && text.at(i + 1).isDigit())) {
            int j = i;
            while (j < n && (text.at(j).isDigit() || text.at(j) == QLatin1Char('.')))
                ++j;
            if (j < n && (text.at(j) == QLatin1Char('e') || text.at(j) == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (text.at(k) == QLatin1Char('+') || text.at(k) == QLatin1Char('-')))
                    ++k;
                if (k < n && text.at(k).isDigit()) {
                    j = k;
                    while (j < n && text.at(j).isDigit())
                        ++j;
                }
            }
            const QStringView number = QStringView(text).mid(i, j - i);
            t.kind = TokenKind::Number;
            if (keepTokens)
                t.text = number.toString();
            i = j;
            push(t, number);
            continue;
        }
        if (c == QLatin1Char('@')) {
            int j = i + 1;
            while (j < n && (isWordChar(text.at(j))))
                ++j;
            const QStringView variable = QStringView(text).mid(i, j - i);
            t.kind = TokenKind::Variable;
            if (keepTokens)
                t.text = variable.toString();
            i = j;
            push(t, variable);
            continue;
        }
        if (isWordStart(c)) {
            int j = i + 1;
            while (j < n && isWordChar(text.at(j)))
                ++j;
            const QStringView word = QStringView(text).mid(i, j - i);
            t.kind = TokenKind::Word;
            if (keepTokens)
                t.text = word.toString();
            i = j;
            previousIsAs = word.compare(QLatin1String("AS"), Qt::CaseInsensitive) == 0;
            push(t, word);
            continue;
        }
        // Symbols, the two-character ones first.
        static const char* twoChar[] = {"<>", "!=", "<=", ">=", "!<", "!>"};
        QStringView sym;
        if (i + 1 < n) {
            const QStringView two = QStringView(text).mid(i, 2);
            for (const char* s : twoChar)
                if (two == QLatin1String(s))
                    sym = two;
        }
        if (sym.isEmpty()) {
            if (QLatin1String("(),.;+-*/%=<>~&|^").contains(c))
                sym = QStringView(text).mid(i, 1);
            else
                throw db::DbError(QStringLiteral("Incorrect syntax near '%1'.").arg(excerpt(text, i)));
        }
        t.kind = TokenKind::Symbol;
        if (keepTokens)
            t.text = sym.toString();
        i += sym.size();
        push(t, sym);
    }
    if (keepTokens) {
        Token end;
        end.kind = TokenKind::End;
        end.offset = n;
        out.tokens.push_back(end);
    }
    return out;
}

} // namespace server::tsql
