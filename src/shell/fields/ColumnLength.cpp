#include "shell/fields/ColumnLength.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QHash>
#include <QLineEdit>

namespace shell {

namespace {

QHash<QString, int>& Cache()
{
    static QHash<QString, int> cache;
    return cache;
}

} // namespace

int ColumnLength(const QString& table, const QString& column)
{
    const QString key = table.toUpper() + QLatin1Char('.') + column.toUpper();
    auto found = Cache().constFind(key);
    if (found != Cache().constEnd())
        return *found;
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return 0;
    db::Recordset rs = connection->open(QStringLiteral("SELECT COL_LENGTH(") + db::Quote(table) + QLatin1Char(',') +
                                        db::Quote(column) + QStringLiteral(") AS Length"));
    const int length = rs.eof() ? 0 : rs.field(QStringLiteral("Length")).toInt();
    Cache().insert(key, length);
    return length;
}

void ForgetColumnLengths()
{
    Cache().clear();
}

void LimitToColumn(QLineEdit* box, const QString& table, const QString& column)
{
    const int length = ColumnLength(table, column);
    // Columns of unlimited text (varchar(max), text) report -1 or more than a box can show.
    if (length > 0 && length < 8000)
        box->setMaxLength(length);
}

} // namespace shell
