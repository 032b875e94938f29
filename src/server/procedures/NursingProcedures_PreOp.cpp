#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

#include <QStringList>

namespace server {

namespace {

ProcParam text(const QString& name)
{
    return ProcParam{QLatin1Char('@') + name, QStringLiteral("varchar"), false, {}};
}

// A nursing document keeps one row per patient ID: saving replaces the row
// with the values sent, signed by the user and stamped with the server time.
struct DocumentTable {
    QString table;
    QStringList columns; // in the order of the procedure's arguments, after the ID
};

void replaceDocument(ProcContext& ctx, const DocumentTable& document)
{
    const QString id = db::Quote(ctx.text(QStringLiteral("@IdNum")));
    QStringList values = {id};
    for (const QString& column : document.columns)
        values << db::Quote(ctx.text(QLatin1Char('@') + column));
    values << db::Quote(ctx.text(QStringLiteral("@UserID")));
    ctx.execute(QStringLiteral("DELETE FROM %1 WHERE IDNum = %2").arg(document.table, id));
    ctx.execute(QStringLiteral("INSERT INTO %1 (IDNum, %2, UserID, TransDate) VALUES (%3, GETDATE())")
                    .arg(document.table, document.columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

std::vector<ProcParam> parametersOf(const DocumentTable& document)
{
    std::vector<ProcParam> params = {text(QStringLiteral("IdNum"))};
    for (const QString& column : document.columns)
        params.push_back(text(column));
    params.push_back(text(QStringLiteral("UserID")));
    return params;
}

void addDocumentProcedure(ProcedureRegistry& registry, const QString& name, const DocumentTable& document)
{
    registry.add(ProcedureDef{QStringLiteral("STATION"), name, parametersOf(document),
                              [document](ProcContext& ctx) { replaceDocument(ctx, document); }});
}

} // namespace

void RegisterNursingPreOpProcedures(ProcedureRegistry& registry)
{
    addDocumentProcedure(registry, QStringLiteral("Nurse_SavePreOp"),
                         {QStringLiteral("STATION..tbNursePreOp"),
                          {QStringLiteral("Surgeon"), QStringLiteral("Anesthesiologist"), QStringLiteral("TimeSched"),
                           QStringLiteral("DateSched"), QStringLiteral("Operation"), QStringLiteral("Spiritual"),
                           QStringLiteral("ByWhom"), QStringLiteral("YesNo"), QStringLiteral("Remarks"), QStringLiteral("Medicine"),
                           QStringLiteral("Dose"), QStringLiteral("Time"), QStringLiteral("Signs")}});
    addDocumentProcedure(registry, QStringLiteral("Nurse_PreAnes"),
                         {QStringLiteral("STATION..tbNursePreAnesthetic"),
                          {QStringLiteral("Surgeon"), QStringLiteral("Anesthesiologist"), QStringLiteral("TimeSched"),
                           QStringLiteral("DateSched"), QStringLiteral("Operation"), QStringLiteral("PreOperative"),
                           QStringLiteral("YesNo"), QStringLiteral("Remarks"), QStringLiteral("OtherBoxes")}});
}

} // namespace server
