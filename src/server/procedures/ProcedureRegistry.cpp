#include "server/procedures/Procedure.h"

#include "db/DbError.h"
#include "server/EmbeddedBackend.h"

namespace server {

ProcedureRegistry& ProcedureRegistry::instance()
{
    static ProcedureRegistry registry;
    return registry;
}

void ProcedureRegistry::add(ProcedureDef def)
{
    for (ProcedureDef& existing : procedures_) {
        if (existing.database.compare(def.database, Qt::CaseInsensitive) == 0 && existing.name.compare(def.name, Qt::CaseInsensitive) == 0) {
            existing = std::move(def);
            return;
        }
    }
    procedures_.push_back(std::move(def));
}

void ProcedureRegistry::add(FunctionDef def)
{
    for (FunctionDef& existing : functions_) {
        if (existing.database.compare(def.database, Qt::CaseInsensitive) == 0 && existing.name.compare(def.name, Qt::CaseInsensitive) == 0) {
            existing = std::move(def);
            return;
        }
    }
    functions_.push_back(std::move(def));
}

const ProcedureDef* ProcedureRegistry::findProcedure(const QString& database, const QString& name) const
{
    for (const ProcedureDef& p : procedures_)
        if (p.database.compare(database, Qt::CaseInsensitive) == 0 && p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

const FunctionDef* ProcedureRegistry::findFunction(const QString& database, const QString& name) const
{
    for (const FunctionDef& f : functions_)
        if (f.database.compare(database, Qt::CaseInsensitive) == 0 && f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

ProcContext::ProcContext(EmbeddedBackend& backend, const std::vector<ProcParam>& params, QVariantList args)
    : backend_(&backend), params_(&params), args_(std::move(args))
{
}

QVariant ProcContext::arg(const QString& name) const
{
    const QString wanted = name.startsWith(QLatin1Char('@')) ? name : QLatin1Char('@') + name;
    for (size_t i = 0; i < params_->size(); ++i)
        if ((*params_)[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
            return args_.value(static_cast<int>(i));
    throw db::DbError(QStringLiteral("The procedure has no parameter %1.").arg(wanted));
}

QString ProcContext::text(const QString& name) const
{
    const QVariant v = arg(name);
    return v.isNull() ? QString() : v.toString();
}

double ProcContext::number(const QString& name) const
{
    const QVariant v = arg(name);
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

db::Recordset ProcContext::open(const QString& tsql)
{
    return db::Recordset(backend_->run(tsql, nullptr));
}

void ProcContext::execute(const QString& tsql, qlonglong* recordsAffected)
{
    backend_->run(tsql, recordsAffected);
}

QDateTime ProcContext::now() const
{
    return backend_->now();
}

QString ProcContext::hostName() const
{
    return backend_->hostName();
}

void ProcContext::addResult(db::ResultSet set)
{
    results_.push_back(std::move(set));
}

void ProcContext::addResult(const db::Recordset& rows)
{
    results_.push_back(rows.current());
}

} // namespace server
