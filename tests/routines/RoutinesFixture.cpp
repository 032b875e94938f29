#include "routines/RoutinesFixture.h"

#include "components/ComponentSet.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

namespace test {

QDateTime RoutinesFixture::serverNow()
{
    return conn().open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime();
}

QString RoutinesFixture::q(const QString& value)
{
    return db::Quote(value);
}

QString RoutinesFixture::stamp(const QDateTime& value)
{
    return value.isValid() ? db::Quote(value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QStringLiteral("NULL");
}

void RoutinesFixture::run(const QString& sql)
{
    conn().execute(sql);
}

void RoutinesFixture::addPerson(const QString& hospNum, const QDate& birthDate, const QString& nationality)
{
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbmaster (HOSPNUM, Lastname, Firstname, Middlename, BirthDate, Nationality) "
                       "VALUES (%1, 'DELA CRUZ', 'JUAN', 'SANTOS', %2, %3)")
            .arg(q(hospNum), stamp(birthDate.startOfDay()), q(nationality)));
}

void RoutinesFixture::addAdmission(const QString& idNum, const QString& hospNum, const QString& roomId, const QString& accountNum)
{
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNUM, HospNum, AdmDate, RoomID, ACCOUNTNUM) VALUES (%1, %2, %3, %4, %5)")
            .arg(q(idNum), q(hospNum), stamp(serverNow().addDays(-2)), roomId.isEmpty() ? QStringLiteral("NULL") : q(roomId),
                 accountNum.isEmpty() ? QStringLiteral("NULL") : q(accountNum)));
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbpatient2 (IDNum, PatientClass) VALUES (%1, 'P')").arg(q(idNum)));
}

void RoutinesFixture::addVisit(const QString& idNum, const QString& hospNum, const QString& accountNum, const QString& erNum)
{
    run(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatient (IDNUM, HospNum, AdmDate, ACCOUNTNUM, ERNum, OPDStatus, PatientType, RECORDSTATUS) "
                       "VALUES (%1, %2, %3, %4, %5, 'E', 'S', '')")
            .arg(q(idNum), q(hospNum), stamp(serverNow().addSecs(-3600)), accountNum.isEmpty() ? QStringLiteral("NULL") : q(accountNum),
                 erNum.isEmpty() ? QStringLiteral("NULL") : q(erNum)));
}

void RoutinesFixture::setPatientType(const QString& type)
{
    app::PatientType = type;
}


} // namespace test
