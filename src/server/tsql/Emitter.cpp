#include "server/tsql/Emitter.h"

#include "db/DbError.h"

#include <climits>

namespace server::tsql {

namespace {

constexpr int Decimal38 = 38;

[[noreturn]] void unsupported(const QString& what)
{
    throw db::DbError(QStringLiteral("The embedded database does not support '%1'.").arg(what));
}

QString writtenName(const Name& name)
{
    return name.join(QLatin1Char('.'));
}

bool isTextual(ValueType t)
{
    return t == ValueType::Text || t == ValueType::Unknown;
}

QString collated(const Emitted& e)
{
    return e.sql + QStringLiteral(" COLLATE TSQL");
}

// Text made by an expression (a function, a literal, a concatenation, CASE)
// carries no collation of its own in SQLite; where the value is grouped,
// made distinct, united, sorted or compared it takes the server's.
QString withServerCollation(const Emitted& e)
{
    return (!e.isColumn && isTextual(e.type) && e.number.kind == NumberKind::None) ? collated(e) : e.sql;
}

bool isIntegral(NumberKind k)
{
    return k == NumberKind::Int || k == NumberKind::BigInt;
}

// The type the server gives a numeric literal: 12 is an int, 12.50 a
// decimal(4,2), 1e3 a float.
NumberType literalNumber(const QString& text)
{
    if (text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return {NumberKind::Float, 15, 0};
    QString digits = text;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0) {
        // An integer constant meets a decimal as decimal(digits, 0).
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        const int length = qMax(1, static_cast<int>(digits.size()));
        if (ok && v >= INT_MIN && v <= INT_MAX)
            return {NumberKind::Int, length, 0};
        return {NumberKind::BigInt, qMin(length, 19), 0};
    }
    QString whole = digits.left(point);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    const int scale = static_cast<int>(digits.size() - point - 1);
    return {NumberKind::Decimal, qMax(1, static_cast<int>(whole.size()) + scale), scale};
}

// An integer or money operand seen as the decimal it converts to.
NumberType asDecimal(const NumberType& t)
{
    switch (t.kind) {
    case NumberKind::Int: return {NumberKind::Decimal, t.precision > 0 ? t.precision : 10, 0};
    case NumberKind::BigInt: return {NumberKind::Decimal, t.precision > 0 ? t.precision : 19, 0};
    case NumberKind::Money: return {NumberKind::Decimal, 19, 4};
    default: return t;
    }
}

// The type of a op b, by the server's rules for precedence, precision and scale.
NumberType combine(QChar op, const NumberType& a, const NumberType& b)
{
    if (a.kind == NumberKind::None || b.kind == NumberKind::None)
        return {};
    if (a.kind == NumberKind::Float || b.kind == NumberKind::Float)
        return {NumberKind::Float, 15, 0};
    if (a.kind == NumberKind::Int && b.kind == NumberKind::Int)
        return {NumberKind::Int, 10, 0};
    if (isIntegral(a.kind) && isIntegral(b.kind))
        return {NumberKind::BigInt, 19, 0};
    const bool moneyOnly = (a.kind == NumberKind::Money || isIntegral(a.kind)) && (b.kind == NumberKind::Money || isIntegral(b.kind));
    if (moneyOnly && op != QLatin1Char('%'))
        return {NumberKind::Money, 19, 4};
    const NumberType x = asDecimal(a), y = asDecimal(b);
    int p = 0, s = 0;
    if (op == QLatin1Char('+') || op == QLatin1Char('-')) {
        s = qMax(x.scale, y.scale);
        p = s + qMax(x.precision - x.scale, y.precision - y.scale) + 1;
    } else if (op == QLatin1Char('*')) {
        p = x.precision + y.precision + 1;
        s = x.scale + y.scale;
    } else if (op == QLatin1Char('/')) {
        s = qMax(6, x.scale + y.precision + 1);
        p = x.precision - x.scale + y.scale + s;
    } else {
        s = qMax(x.scale, y.scale);
        p = qMin(x.precision - x.scale, y.precision - y.scale) + s;
    }
    if (p > Decimal38) {
        // Past 38 digits the server keeps the whole part and gives up places.
        const int whole = p - s;
        s = (op == QLatin1Char('*') || op == QLatin1Char('/')) ? qMax(qMin(s, 6), Decimal38 - whole) : qMax(0, Decimal38 - whole);
        p = Decimal38;
    }
    return {NumberKind::Decimal, p, qBound(0, s, Decimal38)};
}

// The wider of two types a CASE or COALESCE can hand back.
NumberType wider(const NumberType& a, const NumberType& b)
{
    if (a.kind == NumberKind::None)
        return b;
    if (b.kind == NumberKind::None)
        return a;
    if (a.kind != b.kind)
        return static_cast<int>(a.kind) > static_cast<int>(b.kind) ? a : b;
    const int s = qMax(a.scale, b.scale);
    return {a.kind, qMin(Decimal38, s + qMax(a.precision - a.scale, b.precision - b.scale)), s};
}

// The date part names DATEADD, DATEDIFF and DATEPART accept, in their short form.
QString datePart(const Expr& e)
{
    if (e.kind != Expr::Kind::Column || e.name.size() != 1)
        throw db::DbError(QStringLiteral("Invalid parameter 1 specified for date function."));
    const QString p = e.name.first().toLower();
    static const QHash<QString, QString> parts = {
        {QStringLiteral("year"), QStringLiteral("yy")},   {QStringLiteral("yy"), QStringLiteral("yy")},
        {QStringLiteral("yyyy"), QStringLiteral("yy")},   {QStringLiteral("quarter"), QStringLiteral("qq")},
        {QStringLiteral("qq"), QStringLiteral("qq")},     {QStringLiteral("q"), QStringLiteral("qq")},
        {QStringLiteral("month"), QStringLiteral("mm")},  {QStringLiteral("mm"), QStringLiteral("mm")},
        {QStringLiteral("m"), QStringLiteral("mm")},      {QStringLiteral("dayofyear"), QStringLiteral("dy")},
        {QStringLiteral("dy"), QStringLiteral("dy")},     {QStringLiteral("y"), QStringLiteral("dy")},
        {QStringLiteral("day"), QStringLiteral("dd")},    {QStringLiteral("dd"), QStringLiteral("dd")},
        {QStringLiteral("d"), QStringLiteral("dd")},      {QStringLiteral("week"), QStringLiteral("wk")},
        {QStringLiteral("wk"), QStringLiteral("wk")},     {QStringLiteral("ww"), QStringLiteral("wk")},
        {QStringLiteral("weekday"), QStringLiteral("dw")}, {QStringLiteral("dw"), QStringLiteral("dw")},
        {QStringLiteral("hour"), QStringLiteral("hh")},   {QStringLiteral("hh"), QStringLiteral("hh")},
        {QStringLiteral("minute"), QStringLiteral("mi")}, {QStringLiteral("mi"), QStringLiteral("mi")},
        {QStringLiteral("n"), QStringLiteral("mi")},      {QStringLiteral("second"), QStringLiteral("ss")},
        {QStringLiteral("ss"), QStringLiteral("ss")},     {QStringLiteral("s"), QStringLiteral("ss")},
        {QStringLiteral("millisecond"), QStringLiteral("ms")}, {QStringLiteral("ms"), QStringLiteral("ms")}};
    auto it = parts.constFind(p);
    if (it == parts.constEnd())
        throw db::DbError(QStringLiteral("'%1' is not a recognized datepart option.").arg(e.name.first()));
    return QLatin1Char('\'') + it.value() + QLatin1Char('\'');
}

} // namespace

QString ParameterMarker(int literal)
{
    return QChar(0x01) + QString::number(literal) + QChar(0x02);
}

QString PlaceParameters(const QString& marked, std::vector<int>* order)
{
    // SQLite numbers plain "?" parameters in the order they stand in the text,
    // cheaply; numbered ones cost it a search each.
    QString out;
    out.reserve(marked.size());
    for (int i = 0; i < marked.size(); ++i) {
        if (marked.at(i) != QChar(0x01)) {
            out += marked.at(i);
            continue;
        }
        const int end = marked.indexOf(QChar(0x02), i);
        if (end < 0)
            throw db::DbError(QStringLiteral("Invalid control character in the statement."));
        order->push_back(marked.mid(i + 1, end - i - 1).toInt());
        out += QLatin1Char('?');
        i = end;
    }
    return out;
}

QString Emitter::quoteName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString Emitter::literalText(int index) const
{
    QString v = literals_.value(index);
    // Written into the text itself, a marker character would read as a parameter.
    if (v.contains(QChar(0x01)) || v.contains(QChar(0x02)))
        throw db::DbError(QStringLiteral("Invalid control character in a constant."));
    v.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

QString Emitter::storeAs(const Emitted& value, ValueType columnType)
{
    if (columnType == ValueType::DateTime && value.type != ValueType::DateTime && value.sql != QLatin1String("NULL"))
        return QStringLiteral("tsql_dt(") + value.sql + QLatin1Char(')');
    return value.sql;
}

QString Emitter::storeAs(const Emitted& value, const ColumnInfo& column, const TableInfo& table)
{
    if (value.sql == QLatin1String("NULL"))
        return value.sql;
    if (column.type == ValueType::DateTime)
        return storeAs(value, ValueType::DateTime);
    const NumberType& target = column.number;
    const NumberType& given = value.number;
    if (target.exact()) {
        // An amount keeps the column's places, rounded as the server rounds.
        const bool fits = isIntegral(given.kind) ? given.precision - given.scale <= target.precision - target.scale
                                                 : given.exact() && given.scale <= target.scale &&
                                                       given.precision - given.scale <= target.precision - target.scale;
        if (fits)
            return value.sql;
        return QStringLiteral("tsql_dec(") + value.sql + QStringLiteral(", %1, %2)").arg(target.scale).arg(target.precision);
    }
    if (isIntegral(target.kind) && (given.exact() || given.kind == NumberKind::Float))
        return QStringLiteral("tsql_int(") + value.sql + QStringLiteral(", %1)").arg(target.kind == NumberKind::BigInt ? 64 : 32);
    if (column.type == ValueType::Text && column.charLength > 0) {
        if (value.type == ValueType::Number && given.kind != NumberKind::None && value.sql.size() <= column.charLength)
            return value.sql;
        QString where = table.database + QStringLiteral(".dbo.") + table.name;
        where.replace(QLatin1Char('\''), QStringLiteral("''"));
        QString name = column.name;
        name.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QStringLiteral("tsql_fit(") + value.sql + QStringLiteral(", %1, '%2', '%3')").arg(column.charLength).arg(where, name);
    }
    return value.sql;
}

const TableInfo& Emitter::resolveTable(const Name& name) const
{
    QString database = database_;
    QString table;
    if (name.size() == 1) {
        table = name[0];
    } else if (name.size() == 2) {
        table = name[1]; // schema.table
    } else if (name.size() == 3) {
        if (!name[0].isEmpty())
            database = name[0];
        table = name[2];
    } else {
        throw db::DbError(QStringLiteral("Invalid object name '%1'.").arg(writtenName(name)));
    }
    const TableInfo* info = Catalog::isDatabase(database) ? catalog_.table(database, table) : nullptr;
    if (!info)
        throw db::DbError(QStringLiteral("Invalid object name '%1'.").arg(writtenName(name)));
    return *info;
}

QString Emitter::tableRef(const TableRef& ref, Scope& scope)
{
    if (ref.derived) {
        auto columns = std::make_shared<ItemColumns>();
        const QString inner = select(*ref.derived, &scope, columns.get());
        scope.entries.push_back({ref.alias.toUpper(), nullptr, columns->empty() ? nullptr : columns});
        return QLatin1Char('(') + inner + QStringLiteral(") AS ") + quoteName(ref.alias);
    }
    // The procedures' declared parameters, as the current database lists them.
    if (ref.name.size() == 2 && ref.name[0].compare(QLatin1String("information_schema"), Qt::CaseInsensitive) == 0) {
        if (ref.name[1].compare(QLatin1String("parameters"), Qt::CaseInsensitive) != 0)
            throw db::DbError(QStringLiteral("Invalid object name '%1'.").arg(writtenName(ref.name)));
        const QString alias = ref.alias.isEmpty() ? QStringLiteral("parameters") : ref.alias;
        scope.entries.push_back({alias.toUpper(), nullptr, nullptr});
        return QStringLiteral("(SELECT * FROM temp.tsql_parameters WHERE SPECIFIC_CATALOG = '%1') AS %2")
            .arg(database_.toUpper(), quoteName(alias));
    }
    const TableInfo& info = resolveTable(ref.name);
    const QString alias = ref.alias.isEmpty() ? ref.name.last() : ref.alias;
    scope.entries.push_back({alias.toUpper(), &info, nullptr});
    return quoteName(info.sqliteName) + QStringLiteral(" AS ") + quoteName(alias);
}

QString Emitter::fromClause(const std::vector<FromItem>& from, Scope& scope)
{
    // Every table of the clause is visible in every ON condition after it.
    QStringList items;
    for (const FromItem& item : from) {
        QString text = tableRef(item.first, scope);
        for (const Join& j : item.joins) {
            text += QLatin1Char(' ') + j.type + QLatin1Char(' ') + tableRef(j.table, scope);
            if (j.on)
                text += QStringLiteral(" ON ") + expr(*j.on, scope).sql;
        }
        items << text;
    }
    return items.join(QStringLiteral(", "));
}

QString Emitter::select(const Select& s, const Scope* parent, ItemColumns* items, const ItemWrapper* store)
{
    if (s.compound.empty())
        return selectCore(s, parent, true, items, store);

    // TOP belongs to its own member; ORDER BY to the whole compound.
    auto member = [&](const Select& m, ItemColumns* columns) {
        if (m.top)
            return QStringLiteral("SELECT * FROM (") + selectCore(m, parent, true, columns, store) + QLatin1Char(')');
        return selectCore(m, parent, false, columns, store);
    };
    ItemColumns first;
    QString text = member(s, &first);
    for (const auto& [op, next] : s.compound) {
        // The united column takes the widest number of its members.
        ItemColumns other;
        text += QLatin1Char(' ') + op + QLatin1Char(' ') + member(*next, &other);
        if (other.size() == first.size())
            for (size_t i = 0; i < first.size(); ++i)
                first[i].number = wider(first[i].number, other[i].number);
        else
            first.clear();
    }
    if (items)
        *items = first;
    if (!s.orderBy.empty()) {
        Scope scope;
        scope.parent = parent;
        QStringList terms;
        for (const OrderItem& o : s.orderBy) {
            Emitted e;
            if (o.expr->kind == Expr::Kind::Column)
                e.sql = quoteName(o.expr->name.last());
            else
                e = expr(*o.expr, scope);
            terms << e.sql + (o.descending ? QStringLiteral(" DESC") : QString());
        }
        text += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    }
    return text;
}

bool Emitter::starColumns(const Expr& star, const Scope& scope, ItemColumns* out) const
{
    const QString qualifier = star.name.isEmpty() ? QString() : star.name.last().toUpper();
    bool found = false;
    for (const Scope::Entry& entry : scope.entries) {
        if (!qualifier.isEmpty() && entry.alias != qualifier)
            continue;
        found = true;
        if (entry.table) {
            for (const ColumnInfo& c : entry.table->columns)
                out->push_back({c.name, c.type, c.number});
        } else if (entry.derived) {
            out->insert(out->end(), entry.derived->begin(), entry.derived->end());
        } else {
            return false;
        }
    }
    return found;
}

QString Emitter::selectCore(const Select& s, const Scope* parent, bool withOrderAndLimit, ItemColumns* columns, const ItemWrapper* store)
{
    Scope scope;
    scope.parent = parent;
    QString from;
    if (!s.from.empty())
        from = fromClause(s.from, scope);

    QStringList items;
    ItemColumns seen;
    bool known = true;
    const bool hasStar = std::any_of(s.items.begin(), s.items.end(), [](const SelectItem& i) { return i.expr->kind == Expr::Kind::Star; });
    for (size_t index = 0; index < s.items.size(); ++index) {
        const SelectItem& item = s.items[index];
        const Emitted e = expr(*item.expr, scope);
        QString value = (store && !hasStar) ? (*store)(index, e) : withServerCollation(e);
        if (store && !hasStar && value == e.sql)
            value = withServerCollation(e);
        QString name;
        if (item.hasAlias) {
            name = item.alias;
            items << value + QStringLiteral(" AS ") + quoteName(item.alias);
            scope.itemAliases.insert(item.alias.toUpper(), e.type);
        } else if (item.expr->kind == Expr::Kind::Column) {
            name = item.expr->name.last();
            items << value + QStringLiteral(" AS ") + quoteName(item.expr->name.last());
        } else if (item.expr->kind == Expr::Kind::Star) {
            items << e.sql;
            known = known && starColumns(*item.expr, scope, &seen);
            continue;
        } else {
            items << value + QStringLiteral(" AS \"\""); // an unnamed column, as the server leaves it
        }
        seen.push_back({name, e.type, e.number});
    }
    if (columns && known)
        *columns = std::move(seen);

    QString text = QStringLiteral("SELECT ");
    if (s.distinct)
        text += QStringLiteral("DISTINCT ");
    text += items.join(QStringLiteral(", "));
    if (!from.isEmpty())
        text += QStringLiteral(" FROM ") + from;
    if (s.where)
        text += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
    if (!s.groupBy.empty()) {
        QStringList terms;
        for (const ExprPtr& g : s.groupBy)
            terms << withServerCollation(expr(*g, scope));
        text += QStringLiteral(" GROUP BY ") + terms.join(QStringLiteral(", "));
    }
    if (s.having)
        text += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
    // Set last: the clauses above may hold queries of their own.
    if (!withOrderAndLimit)
        return text;
    if (!s.orderBy.empty()) {
        QStringList terms;
        for (const OrderItem& o : s.orderBy) {
            Emitted e;
            const bool aliasRef = o.expr->kind == Expr::Kind::Column && o.expr->name.size() == 1 &&
                                  scope.itemAliases.contains(o.expr->name.first().toUpper());
            if (aliasRef) {
                e.sql = quoteName(o.expr->name.first());
                e.type = scope.itemAliases.value(o.expr->name.first().toUpper());
            } else {
                e = expr(*o.expr, scope);
            }
            // Text sorts as the server's collation does, whatever produced it.
            QString term = (!e.isColumn && isTextual(e.type) && o.expr->kind != Expr::Kind::Number) ? collated(e) : e.sql;
            terms << term + (o.descending ? QStringLiteral(" DESC") : QString());
        }
        text += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    }
    if (s.top)
        text += QStringLiteral(" LIMIT ") + expr(*s.top, scope).sql;
    return text;
}

Emitted Emitter::column(const Expr& e, const Scope& scope)
{
    const Name& n = e.name;
    const QString columnName = n.last();
    // Bare words the server reads as values.
    if (n.size() == 1) {
        const QString upper = columnName.toUpper();
        if (upper == QLatin1String("CURRENT_TIMESTAMP"))
            return {QStringLiteral("tsql_getdate()"), ValueType::DateTime, false};
    }
    QString qualifier;
    if (n.size() >= 2)
        qualifier = n[n.size() - 2]; // alias, table, or the table of DB..T.col

    auto derivedColumn = [&](const Scope::Entry& entry) -> const ItemColumn* {
        if (!entry.derived)
            return nullptr;
        for (const ItemColumn& c : *entry.derived)
            if (!c.name.isEmpty() && c.name.compare(columnName, Qt::CaseInsensitive) == 0)
                return &c;
        return nullptr;
    };
    for (const Scope* s = &scope; s; s = s->parent) {
        for (const Scope::Entry& entry : s->entries) {
            if (!qualifier.isEmpty()) {
                if (entry.alias != qualifier.toUpper())
                    continue;
                Emitted out{quoteName(qualifier) + QLatin1Char('.') + quoteName(columnName), ValueType::Unknown, true, {}};
                if (entry.table) {
                    const ColumnInfo* c = entry.table->column(columnName);
                    if (!c)
                        throw db::DbError(QStringLiteral("Invalid column name '%1'.").arg(columnName));
                    out.type = c->type;
                    out.number = c->number;
                } else if (const ItemColumn* d = derivedColumn(entry)) {
                    out.type = d->type;
                    out.number = d->number;
                }
                return out;
            }
            if (entry.table) {
                if (const ColumnInfo* c = entry.table->column(columnName))
                    return {quoteName(columnName), c->type, true, c->number};
            } else if (const ItemColumn* d = derivedColumn(entry)) {
                return {quoteName(columnName), d->type, true, d->number};
            }
        }
    }
    if (!qualifier.isEmpty())
        throw db::DbError(QStringLiteral("The multi-part identifier \"%1\" could not be bound.").arg(writtenName(n)));
    // A column of a derived table, or a select-list alias: SQLite finds it.
    return {quoteName(columnName), ValueType::Unknown, true};
}

Emitted Emitter::compare(const QString& op, const Expr& a, const Expr& b, const Scope& scope)
{
    Emitted left = expr(a, scope);
    Emitted right = expr(b, scope);
    // A date written as text meets a date-time: read the text as a date-time.
    if (left.type == ValueType::DateTime && right.type != ValueType::DateTime)
        right.sql = QStringLiteral("tsql_dt(") + right.sql + QLatin1Char(')');
    else if (right.type == ValueType::DateTime && left.type != ValueType::DateTime)
        left.sql = QStringLiteral("tsql_dt(") + left.sql + QLatin1Char(')');
    QString l = left.sql;
    const bool textual = isTextual(left.type) && isTextual(right.type);
    if (!left.isColumn && !right.isColumn && textual)
        l = collated(left);
    return {l + QLatin1Char(' ') + op + QLatin1Char(' ') + right.sql, ValueType::Number, false};
}

namespace {

// + - * / % between two numbers, with the server's result type: int
// arithmetic that leaves 32 bits fails, exact decimals stay exact, a zero
// divisor fails. Values of a type not known here are judged as they come.
Emitted numeric(QChar op, const Emitted& a, const Emitted& b)
{
    const NumberType t = combine(op, a.number, b.number);
    const bool anyExact = a.number.exact() || b.number.exact();
    auto call = [&](const char* fn, const QString& extra = QString()) {
        return Emitted{QLatin1String(fn) + QLatin1Char('(') + a.sql + QStringLiteral(", ") + b.sql + extra + QLatin1Char(')'),
                       ValueType::Number, false, t};
    };
    const QString scale = QStringLiteral(", %1").arg(t.exact() ? t.scale : -1);
    if (op == QLatin1Char('/')) {
        if (isIntegral(t.kind))
            return call("tsql_idiv");
        if (t.kind == NumberKind::Float)
            return call("tsql_fdiv");
        return call("tsql_ddiv", scale);
    }
    if (op == QLatin1Char('%'))
        return call("tsql_mod");
    const bool integer = t.kind == NumberKind::Int;
    if (integer || t.exact() || (t.kind == NumberKind::None && anyExact)) {
        // A run a + b - c ... becomes one call: nested calls would exhaust the
        // file engine's parser long before the server's nesting limit.
        const QString step = QStringLiteral(", %1, ").arg(op == QLatin1Char('+') ? 0 : op == QLatin1Char('-') ? 1 : 2) + b.sql +
                             QStringLiteral(", %1)").arg(t.exact() ? t.scale : -1);
        constexpr int MaxSteps = 40; // SQLite takes at most 127 arguments
        Emitted out{QString(), ValueType::Number, false, t};
        out.intChain = integer;
        if (a.chainSteps > 0 && a.intChain == integer && a.chainSteps < MaxSteps) {
            out.sql = a.sql.chopped(1) + step;
            out.chainSteps = a.chainSteps + 1;
        } else {
            out.sql = (integer ? QStringLiteral("tsql_ichain(") : QStringLiteral("tsql_dchain(")) + a.sql + step;
            out.chainSteps = 1;
        }
        return out;
    }
    return {QLatin1Char('(') + a.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + b.sql + QLatin1Char(')'), ValueType::Number, false, t};
}

} // namespace

Emitted Emitter::arithmetic(const Expr& e, const Scope& scope)
{
    const Emitted a = expr(*e.args[0], scope);
    const Emitted b = expr(*e.args[1], scope);
    const QString& op = e.op;
    const bool numbers = a.type == ValueType::Number && b.type == ValueType::Number;
    if (op == QLatin1String("+")) {
        if (numbers)
            return numeric(QLatin1Char('+'), a, b);
        if (a.type == ValueType::DateTime && b.type == ValueType::Number)
            return {QStringLiteral("tsql_dateadd('dd', %1, %2)").arg(b.sql, a.sql), ValueType::DateTime, false};
        if (b.type == ValueType::DateTime && a.type == ValueType::Number)
            return {QStringLiteral("tsql_dateadd('dd', %1, %2)").arg(a.sql, b.sql), ValueType::DateTime, false};
        if (a.type == ValueType::Text && b.type == ValueType::Text)
            return {QLatin1Char('(') + a.sql + QStringLiteral(" || ") + b.sql + QLatin1Char(')'), ValueType::Text, false};
        // Decided row by row: text joins, numbers add, NULL wins.
        const ValueType t = (a.type == ValueType::Text || b.type == ValueType::Text) ? ValueType::Text : ValueType::Unknown;
        return {QStringLiteral("tsql_plus(%1, %2)").arg(a.sql, b.sql), t, false};
    }
    if (op == QLatin1String("-") && a.type == ValueType::DateTime && b.type == ValueType::Number)
        return {QStringLiteral("tsql_dateadd('dd', -(%1), %2)").arg(b.sql, a.sql), ValueType::DateTime, false};
    if (op == QLatin1String("^"))
        unsupported(QStringLiteral("^"));
    if (op == QLatin1String("-") || op == QLatin1String("*") || op == QLatin1String("/") || op == QLatin1String("%"))
        return numeric(op.at(0), a, b);
    return {QLatin1Char('(') + a.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + b.sql + QLatin1Char(')'), ValueType::Number, false,
            combine(QLatin1Char('&'), a.number, b.number)};
}

Emitted Emitter::convert(const Expr& e, const Scope& scope)
{
    const Emitted value = expr(*e.args[0], scope);
    const QString type = e.text.toLower();
    const QString style = e.args.size() > 1 ? expr(*e.args[1], scope).sql : QStringLiteral("NULL");
    if (type.contains(QLatin1String("char")) || type == QLatin1String("text") || type == QLatin1String("ntext")) {
        // A date formats by style, an amount by its places; a value of
        // unknown type is looked at when it comes.
        int source = 0;
        if (value.type == ValueType::DateTime)
            source = 1;
        else if (value.number.kind == NumberKind::Money)
            source = 3;
        else if (value.number.kind == NumberKind::Decimal)
            source = 4;
        else if (value.number.kind == NumberKind::Float)
            source = 5;
        else if (isIntegral(value.number.kind))
            source = 6;
        else if (value.type == ValueType::Unknown)
            source = 2;
        const int length = e.typeLength > 0 ? e.typeLength : 30;
        return {QStringLiteral("tsql_convert_text(") + value.sql + QStringLiteral(", %1, ").arg(length) + style +
                    QStringLiteral(", %1, %2)").arg(source).arg(value.number.scale),
                ValueType::Text, false};
    }
    if (type == QLatin1String("datetime") || type == QLatin1String("smalldatetime") || type == QLatin1String("datetime2"))
        return {QStringLiteral("tsql_dt(") + value.sql + QLatin1Char(')'), ValueType::DateTime, false};
    if (type == QLatin1String("date"))
        return {QStringLiteral("tsql_date(") + value.sql + QLatin1Char(')'), ValueType::DateTime, false};
    if (type == QLatin1String("bigint"))
        return {QStringLiteral("tsql_int(") + value.sql + QStringLiteral(", 64)"), ValueType::Number, false, {NumberKind::BigInt, 19, 0}};
    if (type == QLatin1String("bit"))
        return {QStringLiteral("tsql_int(") + value.sql + QStringLiteral(", 1)"), ValueType::Number, false, {NumberKind::Int, 1, 0}};
    if (type.contains(QLatin1String("int")))
        return {QStringLiteral("tsql_int(") + value.sql + QStringLiteral(", 32)"), ValueType::Number, false, {NumberKind::Int, 10, 0}};
    if (type == QLatin1String("money") || type == QLatin1String("smallmoney"))
        return {QStringLiteral("tsql_dec(") + value.sql + QStringLiteral(", 4, %1)").arg(type == QLatin1String("money") ? 19 : 10), ValueType::Number, false,
                {NumberKind::Money, 19, 4}};
    if (type == QLatin1String("decimal") || type == QLatin1String("numeric") || type == QLatin1String("dec")) {
        const int precision = e.typeLength > 0 ? qMin(e.typeLength, Decimal38) : 18;
        const int places = e.typeScale >= 0 ? qMin(e.typeScale, precision) : 0;
        return {QStringLiteral("tsql_dec(") + value.sql + QStringLiteral(", %1, %2)").arg(places).arg(precision), ValueType::Number, false,
                {NumberKind::Decimal, precision, places}};
    }
    if (type == QLatin1String("float") || type == QLatin1String("real"))
        return {QStringLiteral("tsql_real(") + value.sql + QLatin1Char(')'), ValueType::Number, false, {NumberKind::Float, 15, 0}};
    unsupported(QStringLiteral("CONVERT to ") + e.text);
}

Emitted Emitter::aggregate(const QString& name, const Expr& e, const Scope& scope)
{
    if (e.args.size() != 1)
        throw db::DbError(QStringLiteral("The %1 function requires 1 argument(s).").arg(e.name.last()));
    const Emitted a = expr(*e.args[0], scope);
    const QString distinct = e.distinct ? QStringLiteral("DISTINCT ") : QString();
    const NumberType& n = a.number;
    if (name == QLatin1String("SUM")) {
        // Amounts add up exactly; whole numbers and floats as SQLite adds them.
        // A sum of ints is an int on the server: past 32 bits it fails rather
        // than handing a caller a total its int column cannot hold.
        if (n.kind == NumberKind::Int)
            return {QStringLiteral("tsql_int(sum(") + distinct + a.sql + QStringLiteral("), 32)"), ValueType::Number, false, n};
        if (isIntegral(n.kind) || n.kind == NumberKind::Float)
            return {QStringLiteral("sum(") + distinct + a.sql + QLatin1Char(')'), ValueType::Number, false, n};
        const NumberType t = n.exact() ? NumberType{n.kind, Decimal38, n.scale} : NumberType{};
        return {QStringLiteral("tsql_sum(") + distinct + a.sql + QLatin1Char(')'), ValueType::Number, false, t};
    }
    // AVG: the server's average of integers is an integer, cut toward zero;
    // of money, money; of a decimal, a decimal of at least six places.
    if (isIntegral(n.kind))
        return {QStringLiteral("(sum(%1%2) / count(%1%2))").arg(distinct, a.sql), ValueType::Number, false, n};
    if (n.kind == NumberKind::Float)
        return {QStringLiteral("avg(") + distinct + a.sql + QLatin1Char(')'), ValueType::Number, false, n};
    if (n.kind == NumberKind::Money)
        return {QStringLiteral("tsql_avg_money(") + distinct + a.sql + QLatin1Char(')'), ValueType::Number, false, n};
    const NumberType t = n.exact() ? NumberType{NumberKind::Decimal, Decimal38, qMax(6, n.scale)} : NumberType{};
    return {QStringLiteral("tsql_avg(") + distinct + a.sql + QLatin1Char(')'), ValueType::Number, false, t};
}

Emitted Emitter::function(const Expr& e, const Scope& scope)
{
    const Name& n = e.name;
    const QString name = n.last().toUpper();
    auto args = [&](int from = 0) {
        QStringList out;
        for (size_t i = from; i < e.args.size(); ++i)
            out << expr(*e.args[i], scope).sql;
        return out.join(QStringLiteral(", "));
    };
    auto argCount = [&](size_t low, size_t high) {
        if (e.args.size() < low || e.args.size() > high)
            throw db::DbError(QStringLiteral("The %1 function requires %2 argument(s).").arg(n.last()).arg(low));
    };
    auto call = [&](const char* fn, ValueType t) { return Emitted{QLatin1String(fn) + QLatin1Char('(') + args() + QLatin1Char(')'), t, false}; };

    if (n.size() > 1) {
        // A user function: DB.dbo.fn(...) or dbo.fn(...) in the current database.
        QString database = n.size() >= 3 && !n[0].isEmpty() ? n[0] : database_;
        if (!Catalog::isDatabase(database))
            throw db::DbError(QStringLiteral("Cannot find either column \"%1\" or the user-defined function or aggregate \"%2\", or the name is ambiguous.")
                                  .arg(n[0], writtenName(n)));
        return {quoteName(database.toUpper() + QStringLiteral("__") + n.last()) + QLatin1Char('(') + args() + QLatin1Char(')'),
                ValueType::Unknown, false};
    }

    if (name == QLatin1String("ISNULL")) {
        argCount(2, 2);
        const Emitted a = expr(*e.args[0], scope);
        Emitted b = expr(*e.args[1], scope);
        const QString second = a.type == ValueType::DateTime ? Emitter::storeAs(b, ValueType::DateTime) : b.sql;
        return {QStringLiteral("ifnull(%1, %2)").arg(a.sql, second), a.type == ValueType::Unknown ? b.type : a.type, false,
                a.number.kind == NumberKind::None ? b.number : a.number};
    }
    // Each argument is emitted once: nested calls must not double the work.
    if (name == QLatin1String("COALESCE") || name == QLatin1String("NULLIF")) {
        if (name == QLatin1String("NULLIF"))
            argCount(2, 2);
        ValueType t = ValueType::Unknown;
        NumberType number;
        QStringList parts;
        const bool coalesce = name == QLatin1String("COALESCE");
        for (const ExprPtr& a : e.args) {
            const Emitted emitted = expr(*a, scope);
            if (t == ValueType::Unknown && (parts.isEmpty() || coalesce))
                t = emitted.type;
            if (parts.isEmpty() || coalesce)
                number = wider(number, emitted.number);
            // NULLIF's two texts are equal as the server's collation says.
            parts << (!coalesce && parts.isEmpty() ? withServerCollation(emitted) : emitted.sql);
        }
        return {name.toLower() + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')'), t, false, number};
    }
    if (name == QLatin1String("GETDATE") || name == QLatin1String("SYSDATETIME") || name == QLatin1String("CURRENT_TIMESTAMP")) {
        argCount(0, 0);
        return {QStringLiteral("tsql_getdate()"), ValueType::DateTime, false};
    }
    if (name == QLatin1String("HOST_NAME")) {
        argCount(0, 0);
        return {QStringLiteral("tsql_host_name()"), ValueType::Text, false};
    }
    if (name == QLatin1String("DB_NAME")) {
        argCount(0, 0);
        return {QLatin1Char('\'') + database_.toUpper() + QLatin1Char('\''), ValueType::Text, false};
    }
    // Identities as the server keeps them: per scope (the batch, procedure or
    // function), per session, and per table.
    if (name == QLatin1String("SCOPE_IDENTITY")) {
        argCount(0, 0);
        return {QStringLiteral("tsql_scope_identity()"), ValueType::Number, false};
    }
    if (name == QLatin1String("IDENT_CURRENT")) {
        argCount(1, 1);
        return {QStringLiteral("tsql_ident_current(%1, '%2')").arg(args(), database_.toUpper()), ValueType::Number, false};
    }
    if (name == QLatin1String("NEWID"))
        return {QStringLiteral("tsql_newid()"), ValueType::Text, false};
    if (name == QLatin1String("DATEADD")) {
        argCount(3, 3);
        return {QStringLiteral("tsql_dateadd(%1, %2, %3)").arg(datePart(*e.args[0]), expr(*e.args[1], scope).sql, expr(*e.args[2], scope).sql),
                ValueType::DateTime, false};
    }
    if (name == QLatin1String("DATEDIFF")) {
        argCount(3, 3);
        return {QStringLiteral("tsql_datediff(%1, %2, %3)").arg(datePart(*e.args[0]), expr(*e.args[1], scope).sql, expr(*e.args[2], scope).sql),
                ValueType::Number, false, {NumberKind::Int, 10, 0}};
    }
    if (name == QLatin1String("DATEPART")) {
        argCount(2, 2);
        return {QStringLiteral("tsql_datepart(%1, %2)").arg(datePart(*e.args[0]), expr(*e.args[1], scope).sql), ValueType::Number, false,
                {NumberKind::Int, 10, 0}};
    }
    if (name == QLatin1String("DATENAME")) {
        argCount(2, 2);
        return {QStringLiteral("tsql_datename(%1, %2)").arg(datePart(*e.args[0]), expr(*e.args[1], scope).sql), ValueType::Text, false};
    }
    if (name == QLatin1String("YEAR") || name == QLatin1String("MONTH") || name == QLatin1String("DAY")) {
        argCount(1, 1);
        const QString part = name == QLatin1String("YEAR") ? QStringLiteral("'yy'") : name == QLatin1String("MONTH") ? QStringLiteral("'mm'") : QStringLiteral("'dd'");
        return {QStringLiteral("tsql_datepart(%1, %2)").arg(part, expr(*e.args[0], scope).sql), ValueType::Number, false, {NumberKind::Int, 10, 0}};
    }
    if (name == QLatin1String("COL_LENGTH")) {
        argCount(2, 2);
        return {QStringLiteral("tsql_col_length(%1, '%2')").arg(args(), database_.toUpper()), ValueType::Number, false, {NumberKind::Int, 10, 0}};
    }
    if (name == QLatin1String("COUNT") || name == QLatin1String("COUNT_BIG")) {
        // COUNT(DISTINCT text) counts case variants once.
        QString inner = e.distinct && e.args.size() == 1 ? withServerCollation(expr(*e.args[0], scope)) : args();
        return {QStringLiteral("count(") + (e.distinct ? QStringLiteral("DISTINCT ") : QString()) + inner + QLatin1Char(')'), ValueType::Number, false,
                {name == QLatin1String("COUNT") ? NumberKind::Int : NumberKind::BigInt, 19, 0}};
    }
    if (name == QLatin1String("SUM") || name == QLatin1String("AVG"))
        return aggregate(name, e, scope);
    if (name == QLatin1String("MIN") || name == QLatin1String("MAX")) {
        argCount(1, 1);
        const Emitted a = expr(*e.args[0], scope);
        return {name.toLower() + QLatin1Char('(') + withServerCollation(a) + QLatin1Char(')'), a.type, false, a.number};
    }
    if (name == QLatin1String("ABS") || name == QLatin1String("ROUND")) {
        // The result keeps the type of the value: ROUND of money is money.
        if (name == QLatin1String("ABS"))
            argCount(1, 1);
        else
            argCount(2, 3);
        QStringList parts;
        NumberType t;
        for (const ExprPtr& arg : e.args) {
            const Emitted v = expr(*arg, scope);
            if (parts.isEmpty())
                t = v.number;
            parts << v.sql;
        }
        return {(name == QLatin1String("ABS") ? QStringLiteral("abs(") : QStringLiteral("tsql_round(")) + parts.join(QStringLiteral(", ")) + QLatin1Char(')'),
                ValueType::Number, false, t};
    }
    if (name == QLatin1String("CEILING") || name == QLatin1String("FLOOR")) {
        argCount(1, 1);
        const Emitted v = expr(*e.args[0], scope);
        NumberType t = v.number;
        if (t.kind == NumberKind::Decimal)
            t.scale = 0;
        return {(name == QLatin1String("CEILING") ? QStringLiteral("tsql_ceiling(") : QStringLiteral("tsql_floor(")) + v.sql + QLatin1Char(')'),
                ValueType::Number, false, t};
    }

    struct Simple {
        const char* tsql;
        const char* sqlite;
        size_t low, high;
        ValueType type;
        NumberKind number = NumberKind::None;
    };
    static const Simple simple[] = {
        {"LEN", "tsql_len", 1, 1, ValueType::Number, NumberKind::Int},
        {"DATALENGTH", "length", 1, 1, ValueType::Number, NumberKind::Int},
        {"LTRIM", "ltrim", 1, 1, ValueType::Text},
        {"RTRIM", "rtrim", 1, 1, ValueType::Text},
        {"TRIM", "trim", 1, 1, ValueType::Text},
        {"UPPER", "tsql_upper", 1, 1, ValueType::Text},
        {"LOWER", "tsql_lower", 1, 1, ValueType::Text},
        {"SUBSTRING", "tsql_substring", 3, 3, ValueType::Text},
        {"LEFT", "tsql_left", 2, 2, ValueType::Text},
        {"RIGHT", "tsql_right", 2, 2, ValueType::Text},
        {"CHARINDEX", "tsql_charindex", 2, 3, ValueType::Number, NumberKind::Int},
        {"REPLACE", "tsql_replace", 3, 3, ValueType::Text},
        {"REPLICATE", "tsql_replicate", 2, 2, ValueType::Text},
        {"SPACE", "tsql_space", 1, 1, ValueType::Text},
        {"STR", "tsql_str", 1, 3, ValueType::Text},
        {"ISNUMERIC", "tsql_isnumeric", 1, 1, ValueType::Number, NumberKind::Int},
        {"ISDATE", "tsql_isdate", 1, 1, ValueType::Number, NumberKind::Int},
    };
    for (const Simple& s : simple) {
        if (name == QLatin1String(s.tsql)) {
            argCount(s.low, s.high);
            Emitted out = call(s.sqlite, s.type);
            if (s.number != NumberKind::None)
                out.number = {s.number, 10, 0};
            return out;
        }
    }
    throw db::DbError(QStringLiteral("'%1' is not a recognized built-in function name.").arg(n.last()));
}

Emitted Emitter::expr(const Expr& e, const Scope& scope)
{
    switch (e.kind) {
    case Expr::Kind::Literal:
        if (inline_)
            return {literalText(e.literal), ValueType::Text, false};
        return {ParameterMarker(e.literal), ValueType::Text, false};
    case Expr::Kind::Text: {
        QString v = e.text;
        v.replace(QLatin1Char('\''), QStringLiteral("''"));
        return {QLatin1Char('\'') + v + QLatin1Char('\''), ValueType::Text, false};
    }
    case Expr::Kind::Number:
        return {e.text, ValueType::Number, false, literalNumber(e.text)};
    case Expr::Kind::Null:
        return {QStringLiteral("NULL"), ValueType::Unknown, false};
    case Expr::Kind::Column:
        return column(e, scope);
    case Expr::Kind::Star:
        if (e.name.isEmpty())
            return {QStringLiteral("*"), ValueType::Unknown, false};
        return {quoteName(e.name.last()) + QStringLiteral(".*"), ValueType::Unknown, false};
    case Expr::Kind::Function:
        return function(e, scope);
    case Expr::Kind::Convert:
        return convert(e, scope);
    case Expr::Kind::Variable: {
        const QString v = e.text.toUpper();
        if (v == QLatin1String("@@IDENTITY"))
            return {QStringLiteral("tsql_identity()"), ValueType::Number, false};
        if (v == QLatin1String("@@ROWCOUNT"))
            return {QStringLiteral("tsql_rowcount()"), ValueType::Number, false};
        throw db::DbError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(e.text));
    }
    case Expr::Kind::Paren: {
        Emitted inner = expr(*e.args[0], scope);
        return {QLatin1Char('(') + inner.sql + QLatin1Char(')'), inner.type, false, inner.number};
    }
    case Expr::Kind::Unary: {
        const Emitted inner = expr(*e.args[0], scope);
        if (e.op == QLatin1String("NOT"))
            return {QStringLiteral("NOT ") + inner.sql, ValueType::Number, false};
        return {e.op + inner.sql, ValueType::Number, false, inner.number};
    }
    case Expr::Kind::Binary:
        if (e.op == QLatin1String("AND") || e.op == QLatin1String("OR"))
            return {expr(*e.args[0], scope).sql + QLatin1Char(' ') + e.op + QLatin1Char(' ') + expr(*e.args[1], scope).sql,
                    ValueType::Number, false};
        return arithmetic(e, scope);
    case Expr::Kind::Compare:
        return compare(e.op, *e.args[0], *e.args[1], scope);
    case Expr::Kind::Between: {
        Emitted v = expr(*e.args[0], scope);
        Emitted low = expr(*e.args[1], scope);
        Emitted high = expr(*e.args[2], scope);
        const bool anyDate = v.type == ValueType::DateTime || low.type == ValueType::DateTime || high.type == ValueType::DateTime;
        if (anyDate) {
            v.sql = Emitter::storeAs(v, ValueType::DateTime);
            low.sql = Emitter::storeAs(low, ValueType::DateTime);
            high.sql = Emitter::storeAs(high, ValueType::DateTime);
        }
        QString left = v.sql;
        if (!v.isColumn && v.type != ValueType::Number && !anyDate)
            left = collated(v);
        return {left + (e.negated ? QStringLiteral(" NOT BETWEEN ") : QStringLiteral(" BETWEEN ")) + low.sql + QStringLiteral(" AND ") + high.sql,
                ValueType::Number, false};
    }
    case Expr::Kind::InList: {
        const Emitted v = expr(*e.args[0], scope);
        QStringList items;
        for (size_t i = 1; i < e.args.size(); ++i) {
            const Emitted item = expr(*e.args[i], scope);
            items << (v.type == ValueType::DateTime ? Emitter::storeAs(item, ValueType::DateTime) : item.sql);
        }
        const QString left = (!v.isColumn && isTextual(v.type)) ? collated(v) : v.sql;
        return {left + (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) + items.join(QStringLiteral(", ")) + QLatin1Char(')'),
                ValueType::Number, false};
    }
    case Expr::Kind::InSelect: {
        const Emitted v = expr(*e.args[0], scope);
        return {v.sql + (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) + select(*e.select, &scope) + QLatin1Char(')'),
                ValueType::Number, false};
    }
    case Expr::Kind::Like: {
        QString text = expr(*e.args[0], scope).sql + (e.negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) +
                       expr(*e.args[1], scope).sql;
        if (e.args.size() > 2)
            text += QStringLiteral(" ESCAPE ") + expr(*e.args[2], scope).sql;
        return {text, ValueType::Number, false};
    }
    case Expr::Kind::IsNull:
        return {expr(*e.args[0], scope).sql + (e.negated ? QStringLiteral(" IS NOT NULL") : QStringLiteral(" IS NULL")), ValueType::Number, false};
    case Expr::Kind::Exists:
        return {QStringLiteral("EXISTS (") + select(*e.select, &scope) + QLatin1Char(')'), ValueType::Number, false};
    case Expr::Kind::Subquery: {
        // The type of a scalar subquery is the type of its one column, noted
        // while the query was written: emitting that column a second time
        // would double the work at every level of nesting.
        ItemColumns columns;
        const QString text = select(*e.select, &scope, &columns);
        const ItemColumn first = columns.empty() ? ItemColumn{} : columns.front();
        return {QLatin1Char('(') + text + QLatin1Char(')'), first.type, false, first.number};
    }
    case Expr::Kind::Case: {
        QString text = QStringLiteral("CASE");
        size_t i = 0;
        ValueType t = ValueType::Unknown;
        NumberType number;
        Emitted operand;
        if (e.caseOperand) {
            operand = expr(*e.args[0], scope);
            text += QLatin1Char(' ') + (operand.isColumn || !isTextual(operand.type) ? operand.sql : collated(operand));
            i = 1;
        }
        const size_t end = e.args.size() - (e.caseElse ? 1 : 0);
        for (; i < end; i += 2) {
            Emitted when = expr(*e.args[i], scope);
            if (e.caseOperand && operand.type == ValueType::DateTime)
                when.sql = Emitter::storeAs(when, ValueType::DateTime);
            const Emitted then = expr(*e.args[i + 1], scope);
            if (t == ValueType::Unknown)
                t = then.type;
            number = wider(number, then.number);
            text += QStringLiteral(" WHEN ") + when.sql + QStringLiteral(" THEN ") + then.sql;
        }
        if (e.caseElse) {
            const Emitted other = expr(*e.args.back(), scope);
            if (t == ValueType::Unknown)
                t = other.type;
            number = wider(number, other.number);
            text += QStringLiteral(" ELSE ") + other.sql;
        }
        return {text + QStringLiteral(" END"), t, false, number};
    }
    }
    unsupported(QStringLiteral("expression"));
}

} // namespace server::tsql
