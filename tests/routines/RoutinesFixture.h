#pragma once

#include "app_support/AppFixture.h"
// The fixture owns the components by unique_ptr: its destructor needs the full type.
#include "components/ComponentSet.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>

namespace test {

// The shared routines' world: a demo hospital with NURSE1 logged in, and
// helpers that write the rows a test needs, every value through db::Quote.
class RoutinesFixture : public AppFixture {
protected:
    // The server's day and time (the routines compare against the server's clock).
    QDateTime serverNow();
    QDate serverToday() { return serverNow().date(); }

    // A person, an admission (with its second table row) and a visit.
    void addPerson(const QString& hospNum, const QDate& birthDate, const QString& nationality = QStringLiteral("FILIPINO"));
    void addAdmission(const QString& idNum, const QString& hospNum, const QString& roomId = QString(),
                      const QString& accountNum = QString());
    void addVisit(const QString& idNum, const QString& hospNum, const QString& accountNum = QString(),
                  const QString& erNum = QString());

    // Runs a statement, the values already quoted.
    void run(const QString& sql);
    static QString q(const QString& value);
    static QString stamp(const QDateTime& value);

    // The selected patient's type, as the patient list sets it.
    void selectInPatient() { setPatientType(QStringLiteral("I")); }
    void selectOutPatient() { setPatientType(QStringLiteral("O")); }


private:
    static void setPatientType(const QString& type);
};

} // namespace test
