#include "records/cvor/frmListProcedures.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

namespace records {

frmListProcedures::frmListProcedures(QWidget* parent)
    : PickListDialog(QStringLiteral("frmListProcedures"), QStringLiteral("PROCEDURES"),
                     {QStringLiteral("Code"), QStringLiteral("PROCEDURES")},
                     [](const QString& search) {
                         Rows rows;
                         db::Connection* connection = app::SQLConnection();
                         if (!connection)
                             return rows;
                         QString sql = QStringLiteral("Select ItemID,ItemName From BUILD_FILE..tbCoORProcedures");
                         if (!search.isEmpty())
                             sql += QStringLiteral(" WHERE ItemID LIKE %1 OR ItemName LIKE %2")
                                        .arg(db::LikeStartingWith(search), db::LikeContaining(search));
                         db::Recordset rs = connection->open(sql + QStringLiteral(" ORDER BY ItemName"));
                         for (; !rs.eof(); rs.moveNext())
                             rows.push_back({rs.text(QStringLiteral("ItemID")), rs.text(QStringLiteral("ItemName"))});
                         return rows;
                     },
                     parent)
{
}

} // namespace records
