#include "shell/RightsMaintenance.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/UserRights.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/frmUserRights.h"

namespace shell {

namespace {

QString currentEmployee()
{
    return app::CurrentUser ? app::CurrentUser->EmployeeCode.trimmed() : QString();
}

QString shownRights(const QString& rights)
{
    return rights.isEmpty() ? QStringLiteral("(none)") : rights;
}

} // namespace

QString RightsMaintenance::SupervisorRight()
{
    return QStringLiteral("29");
}

bool RightsMaintenance::IsSupervisor(const QString& employeeCode)
{
    // An empty code would make the check read the logged-in user: ask for someone.
    return !employeeCode.trimmed().isEmpty() && routines::HasUserRight(SupervisorRight(), employeeCode.trimmed());
}

QString RightsMaintenance::NotSupervisorText()
{
    return QStringLiteral("Sorry, only a supervisor may change user rights.");
}

QString RightsMaintenance::OwnRightsText()
{
    return QStringLiteral("Sorry, you cannot change your own rights. Please ask another supervisor.");
}

void RightsMaintenance::OpenRightsWindow(QWidget* parent)
{
    if (!IsSupervisor(currentEmployee())) {
        Notify(NotSupervisorText(), PromptIcon::Exclamation);
        return;
    }
    if (app::CurrentUser->checkusersettings()) {
        frmUserRights rights(parent);
        Prompts::current().exec(rights);
        return;
    }
    Prompts::current().message(QStringLiteral("Invalid Password"), QStringLiteral("Notification"), PromptIcon::Critical);
    app::CurrentUser->checkusersettings();
}

bool RightsMaintenance::IsOwn(const QString& employeeCode)
{
    return employeeCode.trimmed().compare(currentEmployee(), Qt::CaseInsensitive) == 0;
}

bool RightsMaintenance::MayChange(const QString& employeeCode)
{
    // Asked again at every save: the supervisor right may have been taken
    // away since the window opened.
    if (!IsSupervisor(currentEmployee())) {
        Notify(NotSupervisorText(), PromptIcon::Exclamation);
        return false;
    }
    if (IsOwn(employeeCode)) {
        Notify(OwnRightsText(), PromptIcon::Exclamation);
        return false;
    }
    return true;
}

QString RightsMaintenance::ChangeRemark(const QString& employeeCode, const QString& changedBy, const QString& before,
                                        const QString& after)
{
    return QStringLiteral("User Rights of %1 changed by %2 from %3 to %4")
        .arg(employeeCode, changedBy, shownRights(before), shownRights(after));
}

bool RightsMaintenance::Save(const QString& employeeCode, const QString& rightsText)
{
    const QString employee = employeeCode.trimmed();
    if (employee.isEmpty() || !MayChange(employee))
        return false;
    const QString changedBy = currentEmployee();
    return SaveTransaction::Run([&](db::Connection& c) {
        db::Recordset stored =
            c.open(QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = ") + db::Quote(employee));
        const QString before = stored.eof() ? QString() : stored.text(QStringLiteral("EmployeeRights"));
        c.execute(QStringLiteral("STATION..spNurse_SaveUserRights ") + db::Quote(employee) + QLatin1Char(',') +
                  db::Quote(rightsText) + QLatin1Char(',') + db::Quote(changedBy));
        if (before != rightsText)
            WriteStationLog(employee, ChangeRemark(employee, changedBy, before, rightsText), changedBy, app::StationCode);
    });
}

} // namespace shell
