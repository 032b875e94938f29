#include "server/tsql/Parser.h"

#include "db/DbError.h"

namespace server::tsql {

namespace {

// How deep a statement may nest before it is refused, as the server refuses
// it: a bound on the parser's, the emitter's and the tree's recursion alike.
// Each nested expression, NOT, sign, statement or link of an operator chain
// counts one level; queries nest at most 32 deep, as on the server.
constexpr int kMaxDepth = 500;
constexpr int kMaxQueryDepth = 32;

[[noreturn]] void tooDeep()
{
    throw db::DbError(QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or break it up into smaller queries."));
}

class Parser {
public:
    Parser(const LexResult& lexed, const QString& source) : t_(lexed.tokens), source_(source) {}

    std::vector<StatementPtr> batch()
    {
        std::vector<StatementPtr> out;
        for (;;) {
            while (isSymbol(";"))
                ++p_;
            if (peek().kind == TokenKind::End)
                break;
            out.push_back(statement(out.empty()));
        }
        return out;
    }

private:
    // ---- tokens -------------------------------------------------------------
    const Token& peek(int ahead = 0) const
    {
        const size_t i = std::min(p_ + ahead, t_.size() - 1);
        return t_[i];
    }
    const Token& next() { return t_[p_ < t_.size() - 1 ? p_++ : p_]; }

    bool isWord(const char* w, int ahead = 0) const
    {
        const Token& t = peek(ahead);
        return t.kind == TokenKind::Word && !t.quoted && t.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* s, int ahead = 0) const
    {
        const Token& t = peek(ahead);
        return t.kind == TokenKind::Symbol && t.text == QLatin1String(s);
    }
    bool acceptWord(const char* w)
    {
        if (!isWord(w))
            return false;
        ++p_;
        return true;
    }
    bool acceptSymbol(const char* s)
    {
        if (!isSymbol(s))
            return false;
        ++p_;
        return true;
    }
    [[noreturn]] void fail() const
    {
        const Token& t = peek();
        if (t.kind == TokenKind::End)
            throw db::DbError(QStringLiteral("Incorrect syntax near the end of the statement: '%1'.").arg(source_.right(40).trimmed()));
        QString near = source_.mid(t.offset, 40).trimmed();
        throw db::DbError(QStringLiteral("Incorrect syntax near '%1'.").arg(near));
    }
    void expectWord(const char* w)
    {
        if (!acceptWord(w))
            fail();
    }
    void expectSymbol(const char* s)
    {
        if (!acceptSymbol(s))
            fail();
    }
    QString word()
    {
        if (peek().kind != TokenKind::Word)
            fail();
        return next().text;
    }
    bool atStatementEnd() const
    {
        const Token& t = peek();
        if (t.kind == TokenKind::End || isSymbol(";"))
            return true;
        return t.kind == TokenKind::Word && !t.quoted && startsStatement(t.text);
    }
    static bool startsStatement(const QString& w)
    {
        static const char* words[] = {"SELECT", "INSERT", "UPDATE", "DELETE", "IF", "ELSE", "BEGIN", "END",
                                      "USE", "EXEC", "EXECUTE", "CREATE", "ALTER", "DROP", "TRUNCATE", "DECLARE", "SET"};
        for (const char* s : words)
            if (w.compare(QLatin1String(s), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    // A dotted name: parts may be empty ("DB..table").
    Name dottedName()
    {
        Name parts;
        if (peek().kind != TokenKind::Word)
            fail();
        parts << next().text;
        while (isSymbol(".")) {
            if (isSymbol("*", 1))
                return parts; // "alias.*": the caller reads the star
            ++p_;
            if (isSymbol(".")) {
                parts << QString();
                continue;
            }
            if (peek().kind != TokenKind::Word)
                fail();
            parts << next().text;
        }
        return parts;
    }

    // ---- statements ---------------------------------------------------------
    StatementPtr statement(bool firstInBatch)
    {
        Level level(depth_);
        const Token& t = peek();
        if (t.kind == TokenKind::Symbol && t.text == QLatin1String("(") )
            return selectStatement();
        if (t.kind != TokenKind::Word)
            fail();
        if (isWord("SELECT"))
            return selectStatement();
        if (isWord("INSERT"))
            return insertStatement();
        if (isWord("UPDATE"))
            return updateStatement();
        if (isWord("DELETE"))
            return deleteStatement();
        if (isWord("IF"))
            return ifStatement();
        if (isWord("BEGIN"))
            return block();
        if (isWord("USE")) {
            ++p_;
            auto s = std::make_unique<Statement>(Statement::Kind::Use);
            s->name = word();
            return s;
        }
        if (isWord("SET"))
            return setOption();
        if (isWord("CREATE"))
            return createStatement();
        if (isWord("ALTER"))
            return alterStatement();
        if (isWord("DROP")) {
            ++p_;
            expectWord("TABLE");
            auto s = std::make_unique<Statement>(Statement::Kind::DropTable);
            s->table = dottedName();
            return s;
        }
        if (isWord("TRUNCATE")) {
            ++p_;
            expectWord("TABLE");
            auto s = std::make_unique<Statement>(Statement::Kind::Truncate);
            s->table = dottedName();
            return s;
        }
        if (isWord("EXEC") || isWord("EXECUTE")) {
            ++p_;
            return execStatement();
        }
        if (!t.quoted && IsReservedWord(t.text))
            fail();
        // A procedure name alone starts a call, as the first statement of a batch may.
        Q_UNUSED(firstInBatch);
        return execStatement();
    }

    // SET <option>[, <option>...] ON|OFF. The embedded database keeps the
    // server's defaults; the statement is accepted so that batches written for
    // the server run, and it resets @@ROWCOUNT as there.
    StatementPtr setOption()
    {
        expectWord("SET");
        static const char* options[] = {"NOCOUNT", "ANSI_NULLS", "ANSI_PADDING", "ANSI_WARNINGS", "ARITHABORT",
                                        "QUOTED_IDENTIFIER", "XACT_ABORT", "CONCAT_NULL_YIELDS_NULL"};
        auto s = std::make_unique<Statement>(Statement::Kind::SetOption);
        do {
            if (peek().kind != TokenKind::Word || peek().quoted)
                fail();
            bool known = false;
            for (const char* o : options)
                known = known || isWord(o);
            if (!known)
                fail();
            s->name += next().text.toUpper() + QLatin1Char(' ');
        } while (acceptSymbol(","));
        if (!acceptWord("ON") && !acceptWord("OFF"))
            fail();
        return s;
    }

    StatementPtr execStatement()
    {
        auto s = std::make_unique<Statement>(Statement::Kind::Exec);
        s->procedure = dottedName();
        if (atStatementEnd())
            return s;
        for (;;) {
            QString name;
            if (peek().kind == TokenKind::Variable && isSymbol("=", 1)) {
                name = next().text;
                ++p_;
            }
            if (isWord("DEFAULT")) {
                ++p_;
                s->arguments.emplace_back(name, nullptr);
            } else {
                s->arguments.emplace_back(name, expression());
            }
            acceptWord("OUTPUT");
            if (!acceptSymbol(","))
                break;
        }
        return s;
    }

    StatementPtr selectStatement()
    {
        auto s = std::make_unique<Statement>(Statement::Kind::Select);
        s->select = selectWithUnions();
        return s;
    }

    StatementPtr insertStatement()
    {
        expectWord("INSERT");
        acceptWord("INTO");
        auto s = std::make_unique<Statement>(Statement::Kind::Insert);
        s->table = dottedName();
        if (isSymbol("(") && !isWord("SELECT", 1)) {
            ++p_;
            do {
                s->columns << word();
            } while (acceptSymbol(","));
            expectSymbol(")");
        }
        if (acceptWord("VALUES")) {
            do {
                expectSymbol("(");
                std::vector<ExprPtr> row;
                do {
                    row.push_back(expression());
                } while (acceptSymbol(","));
                expectSymbol(")");
                s->rows.push_back(std::move(row));
            } while (acceptSymbol(","));
        } else if (isWord("SELECT") || isSymbol("(")) {
            s->select = selectWithUnions();
        } else if (acceptWord("DEFAULT")) {
            expectWord("VALUES");
        } else {
            fail();
        }
        return s;
    }

    StatementPtr updateStatement()
    {
        expectWord("UPDATE");
        auto s = std::make_unique<Statement>(Statement::Kind::Update);
        s->table = dottedName();
        tableHints();
        expectWord("SET");
        do {
            Name target = dottedName();
            expectSymbol("=");
            s->sets.emplace_back(target, expression());
        } while (acceptSymbol(","));
        if (acceptWord("FROM"))
            s->from = fromClause();
        if (acceptWord("WHERE"))
            s->where = expression();
        return s;
    }

    StatementPtr deleteStatement()
    {
        expectWord("DELETE");
        acceptWord("FROM");
        auto s = std::make_unique<Statement>(Statement::Kind::Delete);
        s->table = dottedName();
        tableHints();
        if (peek().kind == TokenKind::Word && !IsReservedWord(peek().text) && !atStatementEnd())
            s->alias = word();
        if (acceptWord("FROM"))
            s->from = fromClause();
        if (acceptWord("WHERE"))
            s->where = expression();
        return s;
    }

    StatementPtr ifStatement()
    {
        expectWord("IF");
        auto s = std::make_unique<Statement>(Statement::Kind::If);
        s->condition = expression();
        s->thenBranch = statement(false);
        while (isSymbol(";"))
            ++p_;
        if (acceptWord("ELSE"))
            s->elseBranch = statement(false);
        return s;
    }

    StatementPtr block()
    {
        expectWord("BEGIN");
        if (isWord("TRAN") || isWord("TRANSACTION"))
            fail(); // transactions belong to the connection, not to the batch text
        auto s = std::make_unique<Statement>(Statement::Kind::Block);
        for (;;) {
            while (isSymbol(";"))
                ++p_;
            if (acceptWord("END"))
                break;
            if (peek().kind == TokenKind::End)
                fail();
            s->body.push_back(statement(false));
        }
        return s;
    }

    StatementPtr createStatement()
    {
        expectWord("CREATE");
        if (acceptWord("TABLE")) {
            auto s = std::make_unique<Statement>(Statement::Kind::CreateTable);
            s->table = dottedName();
            expectSymbol("(");
            do {
                if (isWord("PRIMARY") || isWord("CONSTRAINT")) {
                    if (acceptWord("CONSTRAINT"))
                        word();
                    expectWord("PRIMARY");
                    expectWord("KEY");
                    acceptWord("CLUSTERED") || acceptWord("NONCLUSTERED");
                    expectSymbol("(");
                    do {
                        s->primaryKey << word();
                        acceptWord("ASC") || acceptWord("DESC");
                    } while (acceptSymbol(","));
                    expectSymbol(")");
                } else {
                    s->columnDefs.push_back(columnDef());
                }
            } while (acceptSymbol(","));
            expectSymbol(")");
            return s;
        }
        auto s = std::make_unique<Statement>(Statement::Kind::CreateIndex);
        s->unique = acceptWord("UNIQUE");
        acceptWord("CLUSTERED") || acceptWord("NONCLUSTERED");
        expectWord("INDEX");
        s->name = word();
        expectWord("ON");
        s->table = dottedName();
        expectSymbol("(");
        do {
            s->columns << word();
            acceptWord("ASC") || acceptWord("DESC");
        } while (acceptSymbol(","));
        expectSymbol(")");
        return s;
    }

    StatementPtr alterStatement()
    {
        expectWord("ALTER");
        expectWord("TABLE");
        auto s = std::make_unique<Statement>(Statement::Kind::AlterAdd);
        s->table = dottedName();
        expectWord("ADD");
        do {
            s->columnDefs.push_back(columnDef());
        } while (acceptSymbol(","));
        return s;
    }

    ColumnDef columnDef()
    {
        ColumnDef c;
        c.name = word();
        typeName(&c.baseType, &c.length, &c.type, nullptr);
        for (;;) {
            if (acceptWord("IDENTITY")) {
                c.identity = true;
                if (acceptSymbol("(")) {
                    expression();
                    expectSymbol(",");
                    expression();
                    expectSymbol(")");
                }
            } else if (acceptWord("NOT")) {
                expectWord("NULL");
                c.notNull = true;
            } else if (acceptWord("NULL")) {
            } else if (acceptWord("PRIMARY")) {
                expectWord("KEY");
                acceptWord("CLUSTERED") || acceptWord("NONCLUSTERED");
                c.primaryKey = true;
            } else if (acceptWord("CONSTRAINT")) {
                word();
            } else if (acceptWord("DEFAULT")) {
                c.defaultValue = unary();
            } else {
                break;
            }
        }
        return c;
    }

    void typeName(QString* base, int* length, QString* written, int* scale)
    {
        const int start = peek().offset;
        *base = word().toLower();
        *length = -1;
        if (scale)
            *scale = -1;
        if (acceptSymbol("(")) {
            if (acceptWord("MAX")) {
                *length = -1;
            } else {
                if (peek().kind != TokenKind::Number)
                    fail();
                *length = next().text.toInt();
                if (acceptSymbol(",")) {
                    if (peek().kind != TokenKind::Number)
                        fail();
                    const int second = next().text.toInt();
                    if (scale)
                        *scale = second;
                }
            }
            expectSymbol(")");
        }
        if (written) {
            const Token& last = t_[p_ - 1];
            *written = source_.mid(start, last.offset + last.text.size() - start);
        }
    }

    void tableHints()
    {
        if (isWord("WITH") && isSymbol("(", 1)) {
            ++p_;
            ++p_;
            while (!isSymbol(")") && peek().kind != TokenKind::End)
                ++p_;
            expectSymbol(")");
        }
    }

    // ---- select -------------------------------------------------------------
    SelectPtr selectWithUnions()
    {
        Level level(depth_);
        Level query(queryDepth_, kMaxQueryDepth);
        SelectPtr first = selectCore();
        while (isWord("UNION") || isWord("EXCEPT") || isWord("INTERSECT")) {
            QString op = next().text.toUpper();
            if (acceptWord("ALL"))
                op += QStringLiteral(" ALL");
            first->compound.emplace_back(op, selectCore());
        }
        if (acceptWord("ORDER")) {
            expectWord("BY");
            first->orderBy = orderList();
        }
        return first;
    }

    SelectPtr selectCore()
    {
        if (acceptSymbol("(")) {
            SelectPtr inner = selectWithUnions();
            expectSymbol(")");
            return inner;
        }
        expectWord("SELECT");
        auto s = std::make_unique<Select>();
        if (acceptWord("DISTINCT"))
            s->distinct = true;
        else
            acceptWord("ALL");
        if (acceptWord("TOP")) {
            if (acceptSymbol("(")) {
                s->top = expression();
                expectSymbol(")");
            } else {
                if (peek().kind != TokenKind::Number)
                    fail();
                s->top = std::make_unique<Expr>(Expr::Kind::Number);
                s->top->text = next().text;
            }
            if (isWord("PERCENT"))
                fail();
        }
        do {
            s->items.push_back(selectItem());
        } while (acceptSymbol(","));
        if (isWord("INTO"))
            fail();
        if (acceptWord("FROM"))
            s->from = fromClause();
        if (acceptWord("WHERE"))
            s->where = expression();
        if (acceptWord("GROUP")) {
            expectWord("BY");
            do {
                s->groupBy.push_back(expression());
            } while (acceptSymbol(","));
        }
        if (acceptWord("HAVING"))
            s->having = expression();
        return s;
    }

    SelectItem selectItem()
    {
        SelectItem item;
        item.expr = expression();
        if (acceptWord("AS")) {
            const Token& t = next();
            if (t.kind != TokenKind::Word && t.kind != TokenKind::String)
                fail();
            item.alias = t.text;
            item.hasAlias = true;
        } else if (peek().kind == TokenKind::Word && (peek().quoted || !IsReservedWord(peek().text))) {
            item.alias = next().text;
            item.hasAlias = true;
        }
        return item;
    }

    std::vector<OrderItem> orderList()
    {
        std::vector<OrderItem> out;
        do {
            OrderItem o;
            o.expr = expression();
            if (acceptWord("DESC"))
                o.descending = true;
            else
                acceptWord("ASC");
            out.push_back(std::move(o));
        } while (acceptSymbol(","));
        return out;
    }

    std::vector<FromItem> fromClause()
    {
        std::vector<FromItem> out;
        do {
            FromItem item;
            item.first = tableRef();
            for (;;) {
                QString type;
                if (acceptWord("JOIN"))
                    type = QStringLiteral("JOIN");
                else if (isWord("INNER") && isWord("JOIN", 1)) {
                    p_ += 2;
                    type = QStringLiteral("JOIN");
                } else if (isWord("LEFT") || isWord("RIGHT") || isWord("FULL")) {
                    type = next().text.toUpper();
                    acceptWord("OUTER");
                    expectWord("JOIN");
                    type += QStringLiteral(" JOIN");
                } else if (isWord("CROSS")) {
                    ++p_;
                    expectWord("JOIN");
                    type = QStringLiteral("CROSS JOIN");
                } else {
                    break;
                }
                Join j;
                j.type = type;
                j.table = tableRef();
                if (type != QLatin1String("CROSS JOIN")) {
                    expectWord("ON");
                    j.on = expression();
                }
                item.joins.push_back(std::move(j));
            }
            out.push_back(std::move(item));
        } while (acceptSymbol(","));
        return out;
    }

    TableRef tableRef()
    {
        TableRef r;
        if (acceptSymbol("(")) {
            r.derived = selectWithUnions();
            expectSymbol(")");
        } else {
            r.name = dottedName();
        }
        tableHints();
        if (acceptWord("AS")) {
            r.alias = word();
        } else if (peek().kind == TokenKind::Word && (peek().quoted || !IsReservedWord(peek().text))) {
            r.alias = next().text;
        }
        tableHints();
        return r;
    }

    // ---- expressions ----------------------------------------------------------
    ExprPtr expression()
    {
        Level level(depth_);
        return orExpr();
    }

    static ExprPtr make(Expr::Kind k) { return std::make_unique<Expr>(k); }

    static ExprPtr binary(Expr::Kind k, const QString& op, ExprPtr a, ExprPtr b)
    {
        auto e = make(k);
        e->op = op;
        e->args.push_back(std::move(a));
        e->args.push_back(std::move(b));
        return e;
    }

    ExprPtr orExpr()
    {
        ExprPtr left = andExpr();
        int links = 0;
        while (acceptWord("OR")) {
            chainLink(&links);
            left = binary(Expr::Kind::Binary, QStringLiteral("OR"), std::move(left), andExpr());
        }
        depth_ -= links;
        return left;
    }

    ExprPtr andExpr()
    {
        ExprPtr left = notExpr();
        int links = 0;
        while (acceptWord("AND")) {
            chainLink(&links);
            left = binary(Expr::Kind::Binary, QStringLiteral("AND"), std::move(left), notExpr());
        }
        depth_ -= links;
        return left;
    }

    ExprPtr notExpr()
    {
        if (acceptWord("NOT")) {
            Level level(depth_);
            auto e = make(Expr::Kind::Unary);
            e->op = QStringLiteral("NOT");
            e->args.push_back(notExpr());
            return e;
        }
        return predicate();
    }

    ExprPtr predicate()
    {
        if (isWord("EXISTS")) {
            ++p_;
            expectSymbol("(");
            auto e = make(Expr::Kind::Exists);
            e->select = selectWithUnions();
            expectSymbol(")");
            return e;
        }
        ExprPtr left = additive();
        int links = 0;
        struct Unwind {
            int& depth;
            int& links;
            ~Unwind() { depth -= links; }
        } unwind{depth_, links};
        for (;;) {
            chainLink(&links);
            const Token& t = peek();
            if (t.kind == TokenKind::Symbol &&
                (t.text == QLatin1String("=") || t.text == QLatin1String("<>") || t.text == QLatin1String("!=") ||
                 t.text == QLatin1String("<") || t.text == QLatin1String(">") || t.text == QLatin1String("<=") ||
                 t.text == QLatin1String(">=") || t.text == QLatin1String("!<") || t.text == QLatin1String("!>"))) {
                QString op = next().text;
                if (op == QLatin1String("!="))
                    op = QStringLiteral("<>");
                else if (op == QLatin1String("!<"))
                    op = QStringLiteral(">=");
                else if (op == QLatin1String("!>"))
                    op = QStringLiteral("<=");
                left = binary(Expr::Kind::Compare, op, std::move(left), additive());
                continue;
            }
            bool negated = false;
            if (isWord("NOT") && (isWord("LIKE", 1) || isWord("IN", 1) || isWord("BETWEEN", 1))) {
                ++p_;
                negated = true;
            }
            if (acceptWord("LIKE")) {
                auto e = binary(Expr::Kind::Like, QStringLiteral("LIKE"), std::move(left), additive());
                if (acceptWord("ESCAPE"))
                    e->args.push_back(additive());
                e->negated = negated;
                left = std::move(e);
                continue;
            }
            if (acceptWord("BETWEEN")) {
                auto e = make(Expr::Kind::Between);
                e->args.push_back(std::move(left));
                e->args.push_back(additive());
                expectWord("AND");
                e->args.push_back(additive());
                e->negated = negated;
                left = std::move(e);
                continue;
            }
            if (acceptWord("IN")) {
                expectSymbol("(");
                ExprPtr e;
                if (isWord("SELECT")) {
                    e = make(Expr::Kind::InSelect);
                    e->args.push_back(std::move(left));
                    e->select = selectWithUnions();
                } else {
                    e = make(Expr::Kind::InList);
                    e->args.push_back(std::move(left));
                    do {
                        e->args.push_back(expression());
                    } while (acceptSymbol(","));
                }
                expectSymbol(")");
                e->negated = negated;
                left = std::move(e);
                continue;
            }
            if (negated)
                fail();
            if (acceptWord("IS")) {
                auto e = make(Expr::Kind::IsNull);
                e->negated = acceptWord("NOT");
                expectWord("NULL");
                e->args.push_back(std::move(left));
                left = std::move(e);
                continue;
            }
            return left;
        }
    }

    ExprPtr additive()
    {
        ExprPtr left = multiplicative();
        int links = 0;
        while (isSymbol("+") || isSymbol("-") || isSymbol("&") || isSymbol("|") || isSymbol("^")) {
            chainLink(&links);
            const QString op = next().text;
            left = binary(Expr::Kind::Binary, op, std::move(left), multiplicative());
        }
        depth_ -= links;
        return left;
    }

    ExprPtr multiplicative()
    {
        ExprPtr left = unary();
        int links = 0;
        while (isSymbol("*") || isSymbol("/") || isSymbol("%")) {
            chainLink(&links);
            const QString op = next().text;
            left = binary(Expr::Kind::Binary, op, std::move(left), unary());
        }
        depth_ -= links;
        return left;
    }

    ExprPtr unary()
    {
        if (isSymbol("-") || isSymbol("+") || isSymbol("~")) {
            const QString op = next().text;
            if (op == QLatin1String("-") && peek().kind == TokenKind::Number) {
                auto n = make(Expr::Kind::Number);
                n->text = QStringLiteral("-") + next().text;
                return n;
            }
            Level level(depth_);
            auto e = make(Expr::Kind::Unary);
            e->op = op;
            e->args.push_back(unary());
            return e;
        }
        return primary();
    }

    ExprPtr primary()
    {
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::String: {
            auto e = make(t.literal >= 0 ? Expr::Kind::Literal : Expr::Kind::Text);
            e->literal = t.literal;
            e->text = t.text;
            ++p_;
            return e;
        }
        case TokenKind::Number: {
            auto e = make(Expr::Kind::Number);
            e->text = t.text;
            ++p_;
            return e;
        }
        case TokenKind::Variable: {
            auto e = make(Expr::Kind::Variable);
            e->text = t.text;
            ++p_;
            if (isSymbol("(")) { // @@IDENTITY has no arguments; nothing else takes them
                fail();
            }
            return e;
        }
        case TokenKind::Symbol:
            if (t.text == QLatin1String("(")) {
                ++p_;
                if (isWord("SELECT")) {
                    auto e = make(Expr::Kind::Subquery);
                    e->select = selectWithUnions();
                    expectSymbol(")");
                    return e;
                }
                auto e = make(Expr::Kind::Paren);
                e->args.push_back(expression());
                expectSymbol(")");
                return e;
            }
            if (t.text == QLatin1String("*")) {
                ++p_;
                return make(Expr::Kind::Star);
            }
            fail();
        case TokenKind::Word:
            break;
        case TokenKind::End:
            fail();
        }

        if (!t.quoted) {
            if (isWord("NULL")) {
                ++p_;
                return make(Expr::Kind::Null);
            }
            if (isWord("CASE"))
                return caseExpr();
            if ((isWord("CAST") || isWord("CONVERT") || isWord("TRY_CONVERT")) && isSymbol("(", 1))
                return convertExpr();
            if (IsReservedWord(t.text) && !isSymbol("(", 1))
                fail();
        }
        Name name = dottedName();
        if (isSymbol(".") && isSymbol("*", 1)) {
            p_ += 2;
            auto e = make(Expr::Kind::Star);
            e->name = name;
            return e;
        }
        if (acceptSymbol("(")) {
            auto e = make(Expr::Kind::Function);
            e->name = name;
            if (!isSymbol(")")) {
                if (acceptWord("DISTINCT"))
                    e->distinct = true;
                do {
                    e->args.push_back(expression());
                } while (acceptSymbol(","));
            }
            expectSymbol(")");
            return e;
        }
        auto e = make(Expr::Kind::Column);
        e->name = name;
        return e;
    }

    ExprPtr caseExpr()
    {
        expectWord("CASE");
        auto e = make(Expr::Kind::Case);
        if (!isWord("WHEN")) {
            e->caseOperand = true;
            e->args.push_back(expression());
        }
        while (acceptWord("WHEN")) {
            e->args.push_back(expression());
            expectWord("THEN");
            e->args.push_back(expression());
        }
        if (acceptWord("ELSE")) {
            e->caseElse = true;
            e->args.push_back(expression());
        }
        expectWord("END");
        return e;
    }

    ExprPtr convertExpr()
    {
        const bool isCast = isWord("CAST");
        ++p_;
        expectSymbol("(");
        auto e = make(Expr::Kind::Convert);
        if (isCast) {
            e->args.push_back(expression());
            expectWord("AS");
            typeName(&e->text, &e->typeLength, nullptr, &e->typeScale);
        } else {
            typeName(&e->text, &e->typeLength, nullptr, &e->typeScale);
            expectSymbol(",");
            e->args.push_back(expression());
            if (acceptSymbol(","))
                e->args.push_back(expression());
        }
        expectSymbol(")");
        return e;
    }

    // One level deeper for as long as it lives.
    class Level {
    public:
        explicit Level(int& depth, int limit = kMaxDepth) : depth_(depth)
        {
            if (++depth_ > limit)
                tooDeep();
        }
        ~Level() { --depth_; }
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;

    private:
        int& depth_;
    };

    // A link of a left-deep operator chain: the tree grows one level with it.
    void chainLink(int* links)
    {
        ++*links;
        if (++depth_ > kMaxDepth)
            tooDeep();
    }

    const std::vector<Token>& t_;
    const QString& source_;
    size_t p_ = 0;
    int depth_ = 0;
    int queryDepth_ = 0;
};

} // namespace

std::vector<StatementPtr> ParseBatch(const LexResult& lexed, const QString& sourceText)
{
    Parser parser(lexed, sourceText);
    return parser.batch();
}

} // namespace server::tsql
