#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"
#include "shell/modEncryption.h"

namespace server::demo {

namespace {

// The catalogue of rights the rights window offers. Codes are kept two
// characters wide, as the window reads the last two characters of each entry.
const std::pair<const char*, const char*> kRights[] = {
    {"1", "REQUEST EXAMS, MEDICINES AND SUPPLIES"},
    {"2", "REVOKE REQUESTS"},
    {"3", "POST CHARGES"},
    {"4", "DISCHARGE PATIENT"},
    {"5", "TRANSFER ROOM OF PATIENT"},
    {"6", "SEND CLEARANCE / DISCHARGE ORDER, POST NEW DIET"},
    {"9", "ASSESSMENT ENTRY"},
    {"10", "VIEW RESULTS"},
    {"11", "UPDATE PATIENT PROFILE"},
    {"13", "RECEIVABLE UPDATE"},
    {"18", "DETAILED INCOME REPORT"},
    {"19", "VIEW STATEMENT OF ACCOUNT"},
    {"20", "CHARGE SLIP SETTING"},
    {"21", "SUMMARY INCOME REPORT"},
    {"22", "REVOKE CHARGES AND ASSESSMENTS"},
    {"25", "CLINICAL OPERATION"},
    {"29", "SUPERVISOR"},
    {"36", "SAVE CLINICAL OPERATION"},
    {"37", "RESET CLINICAL OPERATION"},
    {"38", "REVOKE PACKAGES"},
};

QString initials(const PersonName& name)
{
    return QString(name.first.left(1)) + name.middle.left(1) + name.last.left(1);
}

} // namespace

void WriteUsers(const DemoContext& context)
{
    db::Connection& connection = context.connection;
    InTransaction(connection, [&] {
        BatchInsert catalogue(connection, QStringLiteral("STATION..tbNurseUserSettings"),
                              {QStringLiteral("ItemID"), QStringLiteral("Description"), QStringLiteral("Status")});
        for (const auto& [code, description] : kRights)
            catalogue.add({Text(QString::fromLatin1(code).leftJustified(2, QLatin1Char(' '))),
                           Text(QString::fromLatin1(description)), Text(QStringLiteral("A"))});
        catalogue.flush();

        BatchInsert accounts(connection, QStringLiteral("PASSWORD..tbpasswordmain"),
                             {QStringLiteral("EmployeeID"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                              QStringLiteral("middlename"), QStringLiteral("Initial"), QStringLiteral("Position"),
                              QStringLiteral("Password"), QStringLiteral("DoctorID")});
        BatchInsert departments(connection, QStringLiteral("PASSWORD..tbPasswordMaster"),
                                {QStringLiteral("EmployeeID"), QStringLiteral("DepartmentID"), QStringLiteral("TransDate")});
        BatchInsert rights(connection, QStringLiteral("STATION..tbNurseUserRights"),
                           {QStringLiteral("EmployeeID"), QStringLiteral("EmployeeRights"),
                            QStringLiteral("ORStationID"), QStringLiteral("UserID"), QStringLiteral("TransDate")});
        for (const UserPlan& user : context.catalog.users) {
            // Accounts keep only the scrambled password, as the log-in compares it.
            accounts.add({Text(user.id), Text(user.name.last), Text(user.name.first), Text(user.name.middle),
                          Text(initials(user.name)), Text(user.position),
                          Text(modEncryption::Encrypt(QStringLiteral("E"), modEncryption::PasswordKey, user.password)),
                          user.doctorId.isEmpty() ? Null() : Text(user.doctorId)});
            departments.add({Text(user.id), Text(user.department), Stamp(context.catalog.setUpTime())});
            if (user.department == QLatin1String("29"))
                rights.add({Text(user.id), Text(user.rights),
                            user.stationId.isEmpty() ? Null() : Text(user.stationId), Text(QStringLiteral("SUPERVISOR")),
                            Stamp(context.catalog.setUpTime())});
        }
        accounts.flush();
        departments.flush();
        rights.flush();
    });
}

} // namespace server::demo
