#include "patients/clsSearcher.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "patients/frmSearcher.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QApplication>

namespace patients {

namespace {

const QString kInvalidCode = QStringLiteral("Invalid code.");

} // namespace

bool clsSearcher::SearchAdmissionType(QString& code)
{
    return search({QStringLiteral("Patient_Data..sp_Adm_SearchAdmissionType ") + db::Quote(code),
                   QStringLiteral("AdmissionTypeID"), QStringLiteral("AdmissionType"), kInvalidCode,
                   QStringLiteral("Admission Types"), QStringLiteral("Patient_Data..sp_Adm_SearchAdmissionType '##'"),
                   AdmissionType},
                  code);
}

bool clsSearcher::SearchVessel(QString& code)
{
    return search({QStringLiteral("SELECT vesselcode,vesselname FROM BUILD_FILE..tbCoVessel WHERE vesselname like  ")
                       + db::LikeStartingWith(code),
                   QStringLiteral("vesselcode"), QStringLiteral("vesselname"), kInvalidCode, QStringLiteral("Vessels"),
                   QStringLiteral("SELECT vesselname,vesselcode FROM BUILD_FILE..tbCoVessel "
                                  "WHERE vesselname like  '##' + '%'ORDER BY vesselcode"),
                   Vessel},
                  code);
}

bool clsSearcher::SearchHospital(QString& code)
{
    return search({QStringLiteral("SELECT HospitalID,HospitalName FROM BUILD_FILE..tbcoHospital where HospitalName like  ")
                       + db::LikeStartingWith(code),
                   QStringLiteral("HospitalID"), QStringLiteral("HospitalName"), QStringLiteral("No record found."),
                   QStringLiteral("Hospitals"),
                   QStringLiteral("SELECT HospitalName,HospitalID FROM BUILD_FILE..tbcoHospital "
                                  "WHERE HospitalName like '##' + '%' ORDER BY HospitalName"),
                   Hospital},
                  code);
}

bool clsSearcher::SearchMembership(QString& code)
{
    return search({QStringLiteral("SELECT PHICDescription,PHICCode FROM MEDICARE..tbAdmPHICTable WHERE Status = 1 and PHICCode = ")
                       + db::Quote(code),
                   QStringLiteral("PHICCode"), QStringLiteral("PHICDescription"), kInvalidCode,
                   QStringLiteral("PHIC Membership"),
                   QStringLiteral("SELECT PHICDescription,PHICCode FROM MEDICARE..tbAdmPHICTable "
                                  "WHERE Status = 1 and PHICDescription like '%' + '##' + '%' ORDER BY PHICDescription"),
                   Membership},
                  code);
}

bool clsSearcher::SearchORProcedure(QString& code)
{
    // The look-up accepts a code of any section: the "or" on the code stands
    // outside the operating-room conditions.
    const QString pattern = db::LikeStartingWith(code);
    return search({QStringLiteral("Select OtherRevenue, OtherRevenueID  From Build_File..TbCoOtherRevenue "
                                  "Where OtherSectionID = 'OR' and (SectionID is not null and SectionID <> '') "
                                  "and (OtherRevenue like  %1)  or OtherRevenueID like %1 ")
                       .arg(pattern),
                   QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue"), kInvalidCode,
                   QStringLiteral("OR Procedures"),
                   QStringLiteral("SELECT OtherRevenue, OtherRevenueID FROM Build_File..TbCoOtherRevenue "
                                  "Where OtherSectionID = 'OR' and (SectionID is not null and SectionID <> '') "
                                  "and OtherRevenue like  '##' + '%'ORDER BY OtherRevenue"),
                   ORProcedure},
                  code);
}

bool clsSearcher::search(const Lookup& lookup, QString& code)
{
    Code.clear();
    Description.clear();
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("No connection to the hospital database."));

    db::Recordset rows = connection->open(lookup.exactSql);
    const int count = rows.recordCount();
    if (count == 1) {
        Code = rows.text(lookup.codeColumn);
        Description = rows.text(lookup.nameColumn);
        code = Code;
        return true;
    }
    if (count == 0) {
        shell::Notify(lookup.notFound, shell::PromptIcon::Critical);
        return false;
    }

    frmSearcher dialog(QApplication::activeWindow());
    dialog.SearchCaption = lookup.caption;
    dialog.Query = lookup.dialogQuery;
    dialog.Criteria = code;
    dialog.FunctionType = lookup.functionType;
    shell::Prompts::current().exec(dialog);
    if (!dialog.Valid)
        return false;
    Code = dialog.Code;
    Description = dialog.Description;
    code = Code;
    return true;
}

} // namespace patients
