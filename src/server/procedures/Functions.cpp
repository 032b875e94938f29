#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "server/EmbeddedBackend.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

QDateTime dateOf(const QVariant& v)
{
    if (v.isNull())
        return QDateTime();
    return db::ParseDateText(v.toString(), Qt::UTC);
}

// Age as the laboratory prints it: days under a month, months under a year, else years.
QVariant labComputeAge(const QVariantList& args, EmbeddedBackend&)
{
    const QDateTime birth = dateOf(args.value(0));
    const QDateTime reference = dateOf(args.value(1));
    if (!birth.isValid() || !reference.isValid())
        return QVariant();
    const QDate b = birth.date();
    const QDate r = reference.date();
    int months = (r.year() - b.year()) * 12 + (r.month() - b.month());
    if (r.day() < b.day())
        --months;
    if (months < 1)
        return QStringLiteral("%1D").arg(qMax<qint64>(0, b.daysTo(r)));
    if (months < 12)
        return QStringLiteral("%1M").arg(months);
    return QString::number(months / 12);
}

// The hospital number a patient had before the records were merged; "" when none.
QVariant oldHospNum(const QVariantList& args, EmbeddedBackend& backend)
{
    const db::ResultSets sets = backend.run(
        QStringLiteral("SELECT ISNULL(OldHospNum, '') AS OldHospNum FROM PATIENT_DATA..tbMaster WHERE HospNum = %1").arg(db::Quote(args.value(0).toString())),
        nullptr);
    if (sets.empty() || sets.front().rows.empty())
        return QString();
    return sets.front().rows.front().value(0);
}

// An exam has a fixed rate when every room class pays the same price for it.
QVariant isExamFixedRate(const QVariantList& args, EmbeddedBackend& backend)
{
    const QString exam = args.value(0).toString().trimmed();
    const QString department = args.value(1).toString().trimmed().toUpper();
    QString table, key;
    if (department == QLatin1String("LB")) {
        table = QStringLiteral("BUILD_FILE..tbCoLabExam");
        key = QStringLiteral("LabExamID");
    } else if (department == QLatin1String("XR")) {
        table = QStringLiteral("BUILD_FILE..tbCoXrayExam");
        key = QStringLiteral("XrayExamID");
    } else if (department == QLatin1String("US")) {
        table = QStringLiteral("BUILD_FILE..tbCoUltraExam");
        key = QStringLiteral("UltraExamID");
    } else {
        return QStringLiteral("N");
    }
    const db::ResultSets sets = backend.run(
        QStringLiteral("SELECT RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH FROM %1 WHERE %2 = %3").arg(table, key, db::Quote(exam)),
        nullptr);
    if (sets.empty() || sets.front().rows.empty())
        return QStringLiteral("N");
    const QVariantList& row = sets.front().rows.front();
    for (const QVariant& rate : row)
        if (rate.toDouble() != row.front().toDouble())
            return QStringLiteral("N");
    return QStringLiteral("Y");
}

} // namespace

void RegisterFunctions(ProcedureRegistry& registry)
{
    registry.add(FunctionDef{QStringLiteral("STATION"), QStringLiteral("fn_LabComputeAge"), 2, labComputeAge});
    registry.add(FunctionDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("fn_GetOldHospNum"), 1, oldHospNum});
    registry.add(FunctionDef{QStringLiteral("BUILD_FILE"), QStringLiteral("fn_isExamFixedRate"), 2, isExamFixedRate});
}

} // namespace server
