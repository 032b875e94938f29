#include "components/AccountCheck.h"

#include "components/PersonName.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/modEncryption.h"

namespace components {

namespace {

// The initials when the account row does not carry them: first letters of the
// first, middle and last names.
QString initialsOf(const AccountHolder& holder)
{
    return holder.firstName.trimmed().left(1) + holder.middleName.trimmed().left(1) + holder.lastName.trimmed().left(1);
}

} // namespace

QString AccountHolder::employeeName() const
{
    return FullName(lastName, firstName, middleName);
}

std::optional<AccountHolder> CheckUserDepartmentAccess(db::Connection& connection, const QString& userId,
                                                       const QString& password, const QString& departmentId)
{
    const QString id = userId.trimmed();
    const QString scrambled = modEncryption::Encrypt(QStringLiteral("E"), modEncryption::PasswordKey, password.trimmed());
    db::Recordset rs = connection.open(QStringLiteral("Station..sp_Check_User_Department_Access ") + db::Quote(id) +
                                       QLatin1Char(',') + db::Quote(scrambled) + QLatin1Char(',') +
                                       db::Quote(departmentId.trimmed()));
    if (rs.eof())
        return std::nullopt;
    AccountHolder holder;
    holder.userId = id;
    holder.lastName = rs.text(QStringLiteral("LastName")).trimmed();
    holder.firstName = rs.text(QStringLiteral("FirstName")).trimmed();
    holder.middleName = rs.text(QStringLiteral("MiddleName")).trimmed();
    if (rs.hasField(QStringLiteral("Initial")))
        holder.initial = rs.text(QStringLiteral("Initial")).trimmed();
    if (holder.initial.isEmpty())
        holder.initial = initialsOf(holder);
    return holder;
}

} // namespace components
