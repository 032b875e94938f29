#include "components/NurseActivity.h"

#include "db/Connection.h"
#include "db/SqlText.h"

namespace components {

db::Recordset clsResults::GetResults(db::Connection& connection, const QString& idNum, const QString& mode)
{
    QString section;
    if (mode.trimmed() == QLatin1String("1"))
        section = QStringLiteral("XR");
    else if (mode.trimmed() == QLatin1String("2"))
        section = QStringLiteral("US");
    else if (mode.trimmed() == QLatin1String("3"))
        section = QStringLiteral("CT");
    else
        return db::Recordset();
    return connection.open(
        QStringLiteral("SELECT R.TransNum AS [Trans. No], R.ExamName AS [Exam. Name], R.TransDate AS [Trans. Date], "
                       "R.ResultDate AS [Result Date], ISNULL(D.LastName, '') AS [DR. Lastname], "
                       "ISNULL(D.FirstName, '') AS [DR. Firstname], ISNULL(D.MiddleName, '') AS [DR. Middlename], "
                       "R.Interpretation AS Interpretation, R.RequestNum AS RequestNum, R.FileNum AS FileNum, "
                       "R.SectionID AS SectionID "
                       "FROM RADIOLOGY..tbImagingResult R LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = R.RadiologistID "
                       "WHERE R.IdNum = ")
        + db::Quote(idNum.trimmed()) + QStringLiteral(" AND R.SectionID = ") + db::Quote(section)
        + QStringLiteral(" AND R.Status = 'R' ORDER BY R.ResultDate DESC, R.TransNum DESC"));
}

} // namespace components
