#include "components/clsListDrugs.h"

#include "components/CodeListings.h"
#include "components/frmCodeSearch.h"
#include "shell/Prompts.h"

#include <QApplication>

namespace components {

QString clsListDrugs::ShowList(const QString& location, const QString& searchText)
{
    if (!connection())
        return QString();
    const ListingDef def = StockItemListing();
    ListingFilter filter;
    filter.location = location;
    filter.containing = searchText;
    QList<QVariantMap> rows;
    for (db::Recordset rs = connection()->open(ListingQuery(def, filter)); !rs.eof(); rs.moveNext()) {
        QVariantMap row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row.insert(rs.fieldName(i), rs.field(i).value());
        rows << row;
    }
    // The database already narrowed the rows; the window starts with all of
    // them and narrows further as the user types.
    frmCodeSearch dialog(def, rows, QString(), QApplication::activeWindow());
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted || !dialog.chosen())
        return QString();
    return dialog.chosen()->value(def.codeColumn).toString().trimmed();
}

} // namespace components
