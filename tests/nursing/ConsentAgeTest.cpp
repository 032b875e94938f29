// The minor's age of the consents: the rule on the age function's text, and
// the batch that reads it for in-patients and out-patients.
#include "ConsentTestSupport.h"

#include "db/Recordset.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QLineEdit>

using nursing::ConsentForm;

namespace {

TEST(MinorAgeText, DaysMonthsMinorsYearsAndAdults)
{
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("12D")), "12 days");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("7M")), "7 months");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("16")), "16 years");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("17")), "17 years");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("18")), "");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("45")), "");
    EXPECT_EQ(ConsentForm::MinorAgeText(QString()), "");
}

TEST(MinorAgeText, OnlyDaysReplaceWhatTheBoxHolds)
{
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("3D"), QStringLiteral("9 years")), "3 days");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("7M"), QStringLiteral("9 years")), "9 years");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("16"), QStringLiteral("9 years")), "9 years");
    EXPECT_EQ(ConsentForm::MinorAgeText(QStringLiteral("45"), QStringLiteral("9 years")), "9 years");
}

TEST(AgeStatement, OutPatientsByTheLastLetterOfTheirNumber)
{
    const QString out = ConsentForm::AgeStatement(QStringLiteral("000123B"), QStringLiteral("STATION..tbSurgicalAuthorization"),
                                                  QStringLiteral("DateSigned"));
    EXPECT_TRUE(out.contains(QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbOUTpatient P ON P.IdNum = '000123B' ")));
    EXPECT_FALSE(out.contains(QStringLiteral("tbpatient P")));
    const QString in = ConsentForm::AgeStatement(QStringLiteral("B00123"), QStringLiteral("STATION..tbSpecialTreatmentConsent"),
                                                 QStringLiteral("Transdate"));
    EXPECT_TRUE(in.contains(QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbpatient P ON P.IdNum = 'B00123' ")));
    EXPECT_TRUE(in.contains(QStringLiteral("A.Transdate")));
    EXPECT_TRUE(in.contains(QStringLiteral("LEFT OUTER JOIN STATION..tbSpecialTreatmentConsent A")));
}

class ConsentAge : public test::ConsentFixture {
protected:
    QDate serverToday()
    {
        return conn().open(QStringLiteral("SELECT getdate() AS Now")).field(QStringLiteral("Now")).toDateTime().date();
    }
    QString minorShownFor(const char* item)
    {
        delete form.data();
        if (!open(item))
            return QStringLiteral("<not opened>");
        return box("txtMinor")->text();
    }
};

TEST_F(ConsentAge, TodaysAgeWhenThereIsNoConsent)
{
    select(stayWithoutConsent());
    const QDate today = serverToday();
    setBirthDate(patient, today.addDays(-12));
    EXPECT_EQ(minorShownFor("mnuSurgicalTreatment"), "12 days");
    setBirthDate(patient, today.addMonths(-7).addDays(-3));
    EXPECT_EQ(minorShownFor("mnuSurgicalTreatment"), "7 months");
    setBirthDate(patient, today.addYears(-16).addDays(-40));
    EXPECT_EQ(minorShownFor("mnuConsentTreatment"), "16 years");
    EXPECT_EQ(minorShownFor("mnuSpecialTreatment"), "16 years");
    setBirthDate(patient, today.addYears(-45));
    EXPECT_EQ(minorShownFor("mnuSurgicalTreatment"), "");
}

TEST_F(ConsentAge, TheAgeAtTheSigningDateWhenAnAuthorizationExists)
{
    select(stayWithoutConsent());
    // Signed when the patient was ten; an adult now.
    setBirthDate(patient, QDate(2000, 6, 1));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbSurgicalAuthorization (IDNum, Surgeon, DateSigned) VALUES(%1, 'X', '06/15/2010')")
                       .arg(db::Quote(patient)));
    EXPECT_EQ(minorShownFor("mnuSurgicalTreatment"), "10 years");
    // The regular consent reads the surgical authorization's date too.
    EXPECT_EQ(minorShownFor("mnuConsentTreatment"), "10 years");
    // The special consent has its own row: none yet, so today's age.
    EXPECT_EQ(minorShownFor("mnuSpecialTreatment"), "");
}

TEST_F(ConsentAge, OutPatientsAreReadFromTheirVisits)
{
    select(outPatientVisit());
    setBirthDate(patient, serverToday().addMonths(-5).addDays(-2));
    EXPECT_EQ(minorShownFor("mnuSurgicalTreatment"), "5 months");
}

} // namespace
