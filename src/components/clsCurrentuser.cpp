#include "components/clsCurrentuser.h"

#include "components/AccountCheck.h"
#include "components/frmConfirmPassword.h"
#include "components/frmLogin.h"
#include "db/DbError.h"
#include "shell/Prompts.h"
#include "shell/StartupHelpers.h"

#include <QHash>
#include <QSettings>

namespace components {

namespace {

// The attributes of a connection string ("KEY=value;KEY={value};"), keys in
// capitals. A braced value may hold ";" and writes "}" as "}}".
QHash<QString, QString> connectionAttributes(const QString& text)
{
    QHash<QString, QString> out;
    int i = 0;
    while (i < text.size()) {
        const int eq = text.indexOf(QLatin1Char('='), i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed().toUpper();
        QString value;
        int next = eq + 1;
        if (next < text.size() && text.at(next) == QLatin1Char('{')) {
            ++next;
            while (next < text.size()) {
                if (text.at(next) == QLatin1Char('}')) {
                    if (next + 1 < text.size() && text.at(next + 1) == QLatin1Char('}')) {
                        value += QLatin1Char('}');
                        next += 2;
                        continue;
                    }
                    ++next;
                    break;
                }
                value += text.at(next++);
            }
            const int semi = text.indexOf(QLatin1Char(';'), next);
            next = semi < 0 ? text.size() : semi + 1;
        } else {
            const int semi = text.indexOf(QLatin1Char(';'), next);
            value = text.mid(next, (semi < 0 ? text.size() : semi) - next);
            next = semi < 0 ? text.size() : semi + 1;
        }
        out.insert(key, value);
        i = next;
    }
    return out;
}

// "tcp:host,1433" or "host,1433" names the host alone.
QString hostOf(QString server)
{
    if (server.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        server = server.mid(4);
    return server.section(QLatin1Char(','), 0, 0).trimmed();
}

} // namespace

clsCurrentuser::clsCurrentuser() = default;
clsCurrentuser::~clsCurrentuser() = default;

QString clsCurrentuser::refusedText()
{
    return QStringLiteral("The user ID or password is incorrect, or the user may not work in this department.");
}

bool clsCurrentuser::logIn(std::unique_ptr<db::Connection> connection, const QString& userId, const QString& password)
{
    if (!connection)
        return false;
    const std::optional<AccountHolder> holder = CheckUserDepartmentAccess(*connection, userId, password, PasswordDeptCode);
    if (!holder)
        return false;
    accept(std::move(connection), *holder);
    return true;
}

QString clsCurrentuser::FailedLogInRemark(const QString& userId)
{
    return QStringLiteral("Failed Log In: User ID: ") + userId.trimmed();
}

QString clsCurrentuser::tryLogIn(const ConnectionChoice& choice, const QString& userId, const QString& password, bool* refused)
{
    if (refused)
        *refused = false;
    if (userId.trimmed().isEmpty())
        return QStringLiteral("Please enter your user ID.");
    if (!pending_ || !pendingChoice_ || !pendingChoice_->sameAs(choice)) {
        pending_.reset();
        pendingChoice_.reset();
        try {
            pending_ = choice.open();
        } catch (const db::DbError& e) {
            return QStringLiteral("Cannot open the database: %1").arg(e.message());
        }
        pendingChoice_ = choice;
    }
    std::optional<AccountHolder> holder;
    try {
        holder = CheckUserDepartmentAccess(*pending_, userId, password, PasswordDeptCode);
    } catch (const db::DbError& e) {
        // A connection that fails the check is not trusted for the next try.
        pending_.reset();
        pendingChoice_.reset();
        return QStringLiteral("The user account could not be checked: %1").arg(e.message());
    }
    if (!holder) {
        if (refused)
            *refused = true;
        // The station log is where a supervisor looks for someone guessing;
        // the ID and remark are cut to what their columns hold.
        const QString tried = userId.trimmed();
        try {
            shell::WriteStationLog(*pending_, tried.left(20), FailedLogInRemark(tried).left(1000), tried.left(20), LogStationID);
        } catch (const db::DbError& e) {
            return refusedText() + QStringLiteral("\n\nThe failed log-in could not be recorded: ") + e.message();
        }
        return refusedText();
    }
    pendingChoice_.reset();
    accept(std::move(pending_), *holder);
    return QString();
}

void clsCurrentuser::accept(std::unique_ptr<db::Connection> connection, const AccountHolder& holder)
{
    const QHash<QString, QString> attributes = connectionAttributes(connection->connectionString());
    EmployeeCode = holder.userId;
    EmployeeName = holder.employeeName();
    Initial = holder.initial;
    if (attributes.value(QStringLiteral("PROVIDER")).compare(QLatin1String("Embedded"), Qt::CaseInsensitive) == 0) {
        // The embedded database has no server log-in: the person is the user.
        servername = QStringLiteral("EMBEDDED");
        Database = attributes.value(QStringLiteral("DATA SOURCE"));
        UserID = holder.userId;
        ServerPassword.clear();
    } else {
        servername = hostOf(attributes.value(QStringLiteral("SERVER")));
        Database = attributes.value(QStringLiteral("DATABASE"));
        UserID = attributes.value(QStringLiteral("UID"));
        ServerPassword = attributes.value(QStringLiteral("PWD"));
    }
    connection_ = std::move(connection);
    KELVANECLASSES.attach(connection_.get());
}

void clsCurrentuser::showmain()
{
    std::unique_ptr<QSettings> settings = WorkstationSettings();
    frmLogin dialog(ConnectionChoice::load(*settings),
                    [this](const ConnectionChoice& choice, const QString& userId, const QString& password) {
                        frmLogin::Outcome outcome;
                        outcome.refusal = tryLogIn(choice, userId, password, &outcome.failedLogIn);
                        return outcome;
                    },
                    hwndParentForm);
    const int result = shell::Prompts::current().exec(dialog);
    cancelled_ = result != QDialog::Accepted && !Connected();
    // A refused try may have left a database open; nobody needs it now.
    pending_.reset();
    pendingChoice_.reset();
    if (result == QDialog::Accepted && Connected())
        dialog.choice().save(*settings);
}

bool clsCurrentuser::checkusersettings()
{
    if (!Connected())
        return false;
    frmConfirmPassword dialog(EmployeeCode, hwndParentForm);
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted)
        return false;
    try {
        const std::optional<AccountHolder> holder =
            CheckUserDepartmentAccess(*connection_, EmployeeCode, dialog.txtPassword->text(), PasswordDeptCode);
        return holder.has_value();
    } catch (const db::DbError& e) {
        shell::Prompts::current().message(QStringLiteral("The password could not be checked: %1").arg(e.message()),
                                          QStringLiteral("Warning"), shell::PromptIcon::Critical);
        return false;
    }
}

} // namespace components
