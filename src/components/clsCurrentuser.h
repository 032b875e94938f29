#pragma once

#include "components/ConnectionChoice.h"
#include "components/KelvaneClasses.h"
#include "db/Connection.h"

#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace components {

struct AccountHolder;

// The current user: the log-in dialog, the shared connection and who is
// logged in.
class clsCurrentuser {
public:
    clsCurrentuser();
    ~clsCurrentuser();
    clsCurrentuser(const clsCurrentuser&) = delete;
    clsCurrentuser& operator=(const clsCurrentuser&) = delete;

    QString PasswordDeptCode = QStringLiteral("29");
    // The station written into the station log of a failed log-in.
    QString LogStationID = QStringLiteral("OR");
    QWidget* hwndParentForm = nullptr;

    // Shows the log-in dialog modally; on success opens the connection. The
    // dialog offers the workstation's last connection choice; a refused
    // log-in stays in the dialog for another try, Cancel leaves Connected() false.
    void showmain();
    bool Connected() const { return connection_ != nullptr; }
    // True when the user left the log-in dialog with Cancel or Escape: the
    // program then ends without a word.
    bool LogInCancelled() const { return cancelled_; }
    db::Connection* SQLConnection() const { return connection_.get(); }

    // Asks the user to type the password again; true when it matches.
    bool checkusersettings();

    QString EmployeeCode;   // the user ID, written into logs and records
    QString EmployeeName;   // "LAST, FIRST MIDDLE"
    QString Initial;
    QString UserID;         // the database log-in (the user ID on the embedded database)
    QString servername;     // the SQL Server's host, or "EMBEDDED"
    QString Database;       // the SQL Server database, or the embedded file
    QString ServerPassword; // the SQL Server log-in's password ("" when embedded)

    // The shared classes of the hospital system (the case-rate form object).
    KelvaneClasses KELVANECLASSES;

    // For start-up without the dialog (tests, benchmarks): takes an open
    // connection and checks the user as the dialog would. False when refused.
    bool logIn(std::unique_ptr<db::Connection> connection, const QString& userId, const QString& password);

    // One try of the log-in dialog: opens the chosen database (reusing the one
    // opened by the previous try when the choice is unchanged) and checks the
    // account. "" when logged in, else the text the dialog shows. A refused
    // account is written to the station log with the user ID tried and the
    // workstation (refused set true).
    QString tryLogIn(const ConnectionChoice& choice, const QString& userId, const QString& password, bool* refused = nullptr);

    // The station log's remark for a failed log-in.
    static QString FailedLogInRemark(const QString& userId);

    // The refusal shown in the log-in dialog.
    static QString refusedText();

private:
    void accept(std::unique_ptr<db::Connection> connection, const AccountHolder& holder);

    std::unique_ptr<db::Connection> connection_;
    // The database opened by a refused try, kept for the next try.
    std::unique_ptr<db::Connection> pending_;
    std::optional<ConnectionChoice> pendingChoice_;
    bool cancelled_ = false;
};

} // namespace components
