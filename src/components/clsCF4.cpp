#include "components/clsCF4.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Prompts.h"

#include <QStringList>

namespace components {

bool clsCF4::ValidateRequirements()
{
    if (!connection || IdNum.trimmed().isEmpty())
        return false;
    const db::Recordset member = connection->open(QStringLiteral("STATION..CheckIfValidPHICPatient ") + db::Quote(IdNum.trimmed()));
    if (member.eof())
        return true; // no claim form for a visit the insurance does not cover

    QStringList missing;
    if (EmployeeCode.trimmed().isEmpty())
        missing << QStringLiteral("the employee code of the user signing the form");
    const db::Recordset history = connection->open(
        QStringLiteral("SELECT ISNULL(ChiefComplaints, ChiefComplaint) AS Complaint, BriefHistory, Findings, Diagnosis1 "
                       "FROM PATIENT_DATA..tbOutpatientHistory WHERE IDNum = ") + db::Quote(IdNum.trimmed()));
    const auto blank = [&](const char* column) { return history.eof() || history.text(QLatin1String(column)).trimmed().isEmpty(); };
    if (blank("Complaint"))
        missing << QStringLiteral("the chief complaint");
    if (blank("BriefHistory"))
        missing << QStringLiteral("the history of the present illness");
    if (blank("Findings") && blank("Diagnosis1"))
        missing << QStringLiteral("the diagnosis");
    if (missing.isEmpty())
        return true;
    shell::Notify(QStringLiteral("The CF4 of this patient is incomplete: %1 %2 missing.")
                      .arg(missing.join(QStringLiteral(", ")), missing.size() == 1 ? QStringLiteral("is") : QStringLiteral("are")),
                  shell::PromptIcon::Critical);
    return false;
}

} // namespace components
