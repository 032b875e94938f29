#pragma once

#include "db/Connection.h"

#include <QString>
#include <memory>

class QWidget;

namespace components {

// The current user: the log-in dialog, the shared connection and who is
// logged in.
class clsCurrentuser {
public:
    clsCurrentuser();
    ~clsCurrentuser();

    QString PasswordDeptCode;           // "29"
    QWidget* hwndParentForm = nullptr;

    // Shows the log-in dialog modally; on success opens the connection.
    void showmain();
    bool Connected() const { return connection_ != nullptr; }
    db::Connection* SQLConnection() const { return connection_.get(); }

    // Asks the user to type the password again; true when it matches.
    bool checkusersettings();

    QString EmployeeCode;
    QString EmployeeName;
    QString Initial;
    QString UserID;
    QString servername;
    QString Database;
    QString ServerPassword;

    // For start-up without the dialog (tests, benchmarks): takes an open
    // connection and checks the user as the dialog would. False when refused.
    bool logIn(std::unique_ptr<db::Connection> connection, const QString& userId, const QString& password);

private:
    std::unique_ptr<db::Connection> connection_;
};

} // namespace components
