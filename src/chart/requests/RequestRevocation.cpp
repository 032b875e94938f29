#include "chart/requests/RequestRevocation.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/RequestsAndExams.h"
#include "db/routines/UserRights.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/UserValidation.h"

namespace chart::requests {

bool RevokeRequest(const QString& requestNum, const QString& department, const QString& item)
{
    if (department.trimmed().compare(QLatin1String("LB"), Qt::CaseInsensitive) == 0 && app::ProgramSettings
        && app::ProgramSettings->DisableLBCancellation()) {
        shell::Notify(QStringLiteral("Sorry, cancellation of laboratory requests was disabled by your administrator.") + QStringLiteral("\r\n\r\n")
                          + QStringLiteral("Please notify the laboratory department to do the cancellation instead."),
                      shell::PromptIcon::Exclamation);
        return false;
    }
    bool allowed = false;
    bool revocable = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            allowed = routines::HasUserRight(QStringLiteral("2"));
            revocable = allowed && routines::CheckRequestRevocable(requestNum);
        }))
        return false;
    if (!allowed) {
        shell::Notify(QStringLiteral("Sorry, you don't have access right to revoke requests."), shell::PromptIcon::Exclamation);
        return false;
    }
    if (!revocable)
        return false;
    const QString question = QStringLiteral("Are you sure you want to revoke ") + item.trimmed() + QStringLiteral("?");
    if (!shell::Confirm(question))
        return false;
    if (!shell::ValidateTransaction(QStringLiteral("Request was not revoked! ") + QStringLiteral("\r\n") + question))
        return false;
    return shell::SaveTransaction::Run([&](db::Connection& c) {
        c.execute(QStringLiteral("STATION..sp_Nurse_Revoke_Request ") + db::Quote(requestNum.trimmed()) + QLatin1Char(',')
                  + db::Quote(app::ValidatedUserID));
    });
}

} // namespace chart::requests
