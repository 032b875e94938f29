#include "PreOpSupport.h"

#include "nursing/frmPreAnesthetic.h"

#include <QPushButton>

#include <memory>

namespace {

class PreAnestheticEvaluation : public test::NursingWindowFixture {};

TEST(PreAnestheticAge, DaysMonthsAndYearsAsPrinted)
{
    EXPECT_EQ(nursing::frmPreAnesthetic::AgeText(QStringLiteral("12D")), QStringLiteral("12 day(s)"));
    EXPECT_EQ(nursing::frmPreAnesthetic::AgeText(QStringLiteral("7M")), QStringLiteral("7 month(s)"));
    EXPECT_EQ(nursing::frmPreAnesthetic::AgeText(QStringLiteral("46")), QStringLiteral("46 year(s)"));
    EXPECT_EQ(nursing::frmPreAnesthetic::AgeText(QString()), QString());
}

TEST_F(PreAnestheticEvaluation, ThePrintedFormCarriesTheAgeAtAdmissionAndTheNameParts)
{
    const QString patient = patientWithout(QStringLiteral("STATION..tbNursePreAnesthetic"));
    selectPatient(patient);
    // A birthday between admission and today: the age at admission is a year less than today's.
    const QDate admitted = QDate::fromString(scalar(QStringLiteral("SELECT CONVERT(varchar(10), AdmDate, 101) FROM PATIENT_DATA..tbPatient "
                                                                   "WHERE IDNUM = '%1'").arg(patient)),
                                             QStringLiteral("MM/dd/yyyy"));
    ASSERT_TRUE(admitted.isValid());
    const QDate birth = admitted.addYears(-30).addDays(1);
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET BirthDate = '%1', Lastname = 'DE LA PAZ', Firstname = 'MARIA', "
                                  "Middlename = 'O''HARA', Sex = 'F' WHERE HospNum = '%2'")
                       .arg(birth.toString(QStringLiteral("MM/dd/yyyy")), app::HospNum));

    std::unique_ptr<nursing::frmPreAnesthetic> form(nursing::OpenPreAnestheticForSelectedPatient());
    ASSERT_TRUE(form);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(form->AgeAtAdmission, QStringLiteral("29 year(s)"));
    EXPECT_EQ(form->Sex, QStringLiteral("F"));
    form->txtPreOperative->setText(QStringLiteral("ACUTE APPENDICITIS"));
    form->txtSmall[8]->setText(QStringLiteral("8"));
    signAs();
    form->findChild<QPushButton*>(QStringLiteral("Command1_2"))->click();
    ASSERT_EQ(viewed.size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    reports::Report& report = *viewed[0].report;
    const auto parameter = [&](const char* name) {
        const int index = report.parameterIndex(QLatin1String(name));
        EXPECT_GE(index, 0) << name;
        return index < 0 ? QString() : report.parameters().at(index).value.toString();
    };
    EXPECT_EQ(parameter("Age"), QStringLiteral("29 year(s)"));
    EXPECT_EQ(parameter("Lastname"), QStringLiteral("DE LA PAZ"));
    EXPECT_EQ(parameter("Middlename"), QStringLiteral("O'HARA"));
    EXPECT_EQ(parameter("Sex"), QStringLiteral("F"));
    EXPECT_EQ(parameter("HospNo"), app::HospNum);
    EXPECT_EQ(parameter("PreOperative"), QStringLiteral("ACUTE APPENDICITIS"));
    EXPECT_EQ(parameter("Small8"), QStringLiteral("8"));
    EXPECT_EQ(parameter("Opt0"), QString());
    EXPECT_EQ(scalar(QStringLiteral("SELECT PreOperative FROM STATION..tbNursePreAnesthetic WHERE IDNum = '%1'").arg(patient)),
              QStringLiteral("ACUTE APPENDICITIS"));
}

} // namespace
