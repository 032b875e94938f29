#pragma once

#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace components {

// The person behind an account that the hospital lets work in a department.
struct AccountHolder {
    QString userId;
    QString lastName;
    QString firstName;
    QString middleName;
    QString initial;

    // "LAST, FIRST MIDDLE", the way logs and records name an employee.
    QString employeeName() const;
};

// The account check of the hospital's user accounts: the user must exist, the
// password must match, and the user must be allowed to work in `departmentId`.
// User ID and password are trimmed; the password travels only in its scrambled
// form. Empty when refused. Database errors propagate (DbError): the log-in
// shows them, transaction validation treats them as a refusal.
std::optional<AccountHolder> CheckUserDepartmentAccess(db::Connection& connection, const QString& userId,
                                                       const QString& password, const QString& departmentId);

} // namespace components
