#include "chart/requests/frmPrintRequestForm.h"

#include "chart/requests/Departments.h"
#include "chart/requests/SendRequests.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/UserValidation.h"

namespace chart::requests {

frmPrintRequestForm::frmPrintRequestForm(const ChartPatient& patient, QObject* parent) : QObject(parent), patient_(patient)
{
    setObjectName(QStringLiteral("frmPrintRequestForm"));
}

bool frmPrintRequestForm::Print()
{
    bool any = false;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            any = !c.open(QStringLiteral("STATION..sp_Nurse_Get_LaboratoryExamPosted ") + db::Quote(patient_.idNum)).eof();
        }))
        return false;
    if (!any) {
        shell::Notify(QStringLiteral("No laboratory exams was selected."));
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Laboratory request form was not printed! ") + QStringLiteral("\r\n")
                                    + QStringLiteral("Do you want to print the laboratory request form?")))
        return false;
    const QString user = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    bool stat = false;
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            c.execute(QStringLiteral("LABORATORY..Lab_CleanUp_tbLabRequestForm ") + db::Quote(user));
            const QString now = RequestTimeText(c.open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime());
            for (db::Recordset rs = c.open(QStringLiteral("STATION..sp_Nurse_Get_LaboratoryExamPosted ") + db::Quote(patient_.idNum)); !rs.eof();
                 rs.moveNext()) {
                stat = stat || rs.text(QStringLiteral("Stat")).trimmed() == QLatin1String("Y");
                QStringList values{QStringLiteral("NS"), user, patient_.idNum, rs.text(QStringLiteral("SECTION")), rs.text(QStringLiteral("CODE")),
                                   rs.text(QStringLiteral("SPECIMEN")), rs.text(QStringLiteral("Stat")), rs.text(QStringLiteral("REQUESTNUM")),
                                   RequestTimeText(rs.field(QStringLiteral("Requestdate")).toDateTime()),
                                   TransplantLabel(rs.text(QStringLiteral("TRANSPLANT"))), DialysisLabel(rs.text(QStringLiteral("DIALYSIS"))), now,
                                   app::ValidatedUserID};
                for (QString& v : values)
                    v = db::Quote(v.trimmed());
                c.execute(QStringLiteral("LABORATORY..Lab_SaveRequestForm ") + values.join(QLatin1Char(',')));
            }
        }))
        return false;
    PrintLabRequestForm(QStringLiteral("\\Reports\\LabRequestForm_Reprint.RPT"), QStringLiteral("REPRINT LABORATORY REQUEST FORM"), patient_, stat);
    return true;
}

} // namespace chart::requests
