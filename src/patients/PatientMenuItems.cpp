#include "patients/PatientMenuItems.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace patients {

QString CvorCaption(const QString& idNum, const QString& patientType)
{
    db::Connection* connection = app::SQLConnection();
    bool tagged = false;
    if (connection && !idNum.trimmed().isEmpty()) {
        const QString table = patientType == QLatin1String("I") ? QStringLiteral("Patient_data..tbPatient")
                                                                : QStringLiteral("Patient_data..tbOutpatient");
        tagged = !connection
                      ->open(QStringLiteral("SELECT 1 FROM ") + table + QStringLiteral(" WHERE IDNUM = ") + db::Quote(idNum)
                             + QStringLiteral(" AND isnull(isCVOR,0) = 1"))
                      .eof();
    }
    return tagged ? QStringLiteral("Untag as CVOR/RR Patient") : QStringLiteral("Tag as CVOR/RR Patient");
}

void RefreshPatientMenus()
{
    QAction* cvor = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if ((cvor = window->findChild<QAction*>(QStringLiteral("mnuCVOR"))))
            break;
    }
    if (!cvor)
        return;
    try {
        cvor->setText(CvorCaption(app::IdNum, app::PatientType));
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
    }
}

} // namespace patients
