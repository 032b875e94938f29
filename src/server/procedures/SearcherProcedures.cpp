#include "db/SqlText.h"
#include "server/procedures/Procedure.h"
#include "server/procedures/ProcedureGroups.h"

namespace server {

namespace {

// The kinds of admission in use whose code is the text or whose name starts
// with it, by name; every kind in use for an empty text. The name comes first
// and the code second, as the station's look-up grid shows them.
void searchAdmissionType(ProcContext& ctx)
{
    const QString text = ctx.text("@SearchString").trimmed();
    ctx.addResult(ctx.open(QStringLiteral("SELECT AdmissionType, AdmissionTypeID FROM BUILD_FILE..tbCoAdmissionType "
                                          "WHERE ISNULL(Status, 'A') = 'A' "
                                          "AND (AdmissionTypeID = %1 OR AdmissionType LIKE %2) "
                                          "ORDER BY AdmissionType")
                               .arg(db::Quote(text), db::LikeStartingWith(text))));
}

} // namespace

void RegisterSearcherProcedures(ProcedureRegistry& registry)
{
    registry.add(ProcedureDef{QStringLiteral("PATIENT_DATA"), QStringLiteral("sp_Adm_SearchAdmissionType"),
                              {ProcParam{QStringLiteral("@SearchString"), QStringLiteral("varchar"), true, QString()}},
                              searchAdmissionType});
}

} // namespace server
