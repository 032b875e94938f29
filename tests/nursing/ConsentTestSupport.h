#pragma once

#include "app_support/AppFixture.h"
#include "nursing/ConsentForm.h"
#include "reports/Report.h"

#include <QPointer>
#include <QString>
#include <vector>

class QLineEdit;

namespace test {

// A logged-in station printing to a recording viewer, with a patient to
// select and the consent forms to open on that patient.
class ConsentFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the stay the selected patient (as the patient list does).
    void select(const QString& idNum);
    // A demo stay with a row in `table`, and an open in-patient stay with no
    // consent of any kind.
    QString stayWithConsent(const QString& table);
    QString stayWithoutConsent();
    // An out-patient visit (its ID ends in "B").
    QString outPatientVisit();

    // Opens the form of a menu item on the selected patient; the form is
    // deleted at the end of the test unless it closed itself.
    nursing::ConsentForm* open(const char* menuItem);
    QLineEdit* box(const char* name) const;
    void type(const char* boxName, const QString& text);
    void click(int button);

    // The next validation dialog is closed (signing is the fixture's signAs).
    void closeDialog();

    int rowCount(const QString& table, const QString& idNum);
    // Every column of the stay's row as "name=value" lines; "" without a row.
    QString storedRow(const QString& table, const QString& idNum);
    // The patient's birth date on the master file.
    void setBirthDate(const QString& idNum, const QDate& birth);

    QPointer<nursing::ConsentForm> form;
    std::vector<reports::ViewerRequest> viewers;
    QString patient; // the selected stay's ID
};

} // namespace test
