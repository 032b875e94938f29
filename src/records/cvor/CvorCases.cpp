#include "records/cvor/CvorCases.h"

#include "db/Connection.h"
#include "db/DateText.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"

namespace records {

const std::array<CvorCrewMember, 10>& CvorCrewMembers()
{
    static const std::array<CvorCrewMember, 10> members{{
        {"Surgeon", "Surgeon:", true},
        {"AsstSurgeon", "Assistant surgeon:", true},
        {"Anesthesiologist", "Anesthesiologist:", true},
        {"AssocAnest", "Associate anesthesiologist:", true},
        {"Intensivist", "Intensivist:", true},
        {"Perfutionist", "Perfusionist:", true},
        {"ScrubNurse1", "Scrub nurse:", false},
        {"ScrubNurse2", "Scrub nurse:", false},
        {"Circulator1", "Circulating nurse:", false},
        {"Circulator2", "Circulating nurse:", false},
    }};
    return members;
}

namespace {

QString SearchLetter(CvorCases::SearchType type)
{
    switch (type) {
    case CvorCases::SearchType::HospitalNumber: return QStringLiteral("A");
    case CvorCases::SearchType::AdmissionNumber: return QStringLiteral("B");
    case CvorCases::SearchType::LastName: return QStringLiteral("C");
    case CvorCases::SearchType::None: break;
    }
    return QString();
}

// The case keys as the server's crew procedures take them.
QString CaseKeys(const CvorCase& c)
{
    return QStringLiteral("%1,%2,%3").arg(db::Quote(c.idNum), db::Quote(c.refNum), db::Quote(c.itemId));
}

} // namespace

std::vector<CvorCase> CvorCases::Search(SearchType type, const QString& key)
{
    std::vector<CvorCase> cases;
    if (type == SearchType::None) {
        shell::Notify(QStringLiteral("Please select search type."), shell::PromptIcon::Exclamation);
        return cases;
    }
    if (key.trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please enter search key."), shell::PromptIcon::Exclamation);
        return cases;
    }
    if (!shell::SaveTransaction::Load([&](db::Connection& connection) {
            db::Recordset rs = connection.open(QStringLiteral("STATION..SearchCVORCases %1,%2")
                                                   .arg(db::Quote(SearchLetter(type)), db::Quote(key.trimmed())));
            for (; !rs.eof(); rs.moveNext())
                cases.push_back(CvorCase{rs.text(QStringLiteral("PatientName")).trimmed(), rs.text(QStringLiteral("HospNum")),
                                         rs.text(QStringLiteral("IDNum")), rs.field(QStringLiteral("TransDate")).toDateTime(),
                                         rs.text(QStringLiteral("Procedure")), rs.text(QStringLiteral("RefNum")),
                                         rs.text(QStringLiteral("ItemID"))});
        }))
        return {};
    if (cases.empty())
        shell::Notify(QStringLiteral("No record found."));
    return cases;
}

CvorCrew CvorCases::LoadCrew(db::Connection& connection, const CvorCase& c)
{
    CvorCrew crew;
    db::Recordset rs = connection.open(QStringLiteral("STATION..LoadCVORInfo ") + CaseKeys(c));
    if (rs.eof())
        return crew;
    for (size_t i = 0; i < crew.size(); ++i)
        crew[i] = rs.text(QLatin1String(CvorCrewMembers()[i].column)).trimmed();
    return crew;
}

QString CvorCases::CrewName(db::Connection& connection, const CvorCrewMember& member, const QString& code)
{
    if (code.trimmed().isEmpty())
        return QString();
    const QString sql = member.doctor
                            ? QStringLiteral("SELECT LastName + ', ' + FirstName AS Name FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = %1")
                            : QStringLiteral("SELECT lastname + ', ' + firstname AS Name FROM PASSWORD..tbpasswordmain WHERE EmployeeID = %1");
    db::Recordset rs = connection.open(sql.arg(db::Quote(code.trimmed())));
    return rs.eof() ? QString() : rs.text(QStringLiteral("Name")).trimmed();
}

bool CvorCases::SaveCrew(const CvorCase& c, const CvorCrew& crew)
{
    if (!shell::ValidateTransaction(QStringLiteral("CVOR info will not be updated! \r\nAre you sure you want to update CVOR info?")))
        return false;
    const QString user = app::ValidatedUserID;
    QStringList values;
    for (const QString& code : crew)
        values << db::Quote(code.trimmed());
    const QString when = c.transDate.isValid() ? db::Quote(c.transDate.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")))
                                               : db::Quote(QString());
    if (!shell::SaveTransaction::Run([&](db::Connection& connection) {
            connection.execute(QStringLiteral("Station..UpdateCVORInfo %1,%2,%3,%4")
                                   .arg(CaseKeys(c), when, values.join(QLatin1Char(',')), db::Quote(user)));
            shell::WriteStationLog(connection, c.idNum, QStringLiteral("Modified CVOR Info"), user,
                                   app::StationCode.isEmpty() ? QStringLiteral("OR") : app::StationCode);
        }))
        return false;
    shell::Notify(QStringLiteral("You have successfully updated CVOR info."));
    return true;
}

} // namespace records
