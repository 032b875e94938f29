// What the regular, special-treatment and sterilization consents do
// differently from the surgical authorization.
#include "ConsentTestSupport.h"

#include "db/Recordset.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QDateEdit>
#include <QLineEdit>

namespace {

const QString kTreatment = QStringLiteral("STATION..tbConsentTreatment");
const QString kSpecial = QStringLiteral("STATION..tbSpecialTreatmentConsent");
const QString kSterilization = QStringLiteral("STATION..tbSterilizationConsent");

class ConsentFamily : public test::ConsentFixture {
protected:
    db::Recordset stored(const QString& table)
    {
        return conn().open(QStringLiteral("SELECT * FROM %1 WHERE IDNum = %2").arg(table, db::Quote(patient)));
    }
    QStringList printed() const
    {
        QStringList values;
        for (const reports::ReportParameter& p : viewers.back().report->parameters())
            values << p.value.toString();
        return values;
    }
    bool hasBox(const char* name) const { return form->findChild<QLineEdit*>(QLatin1String(name)) != nullptr; }
};

TEST_F(ConsentFamily, TreatmentNeedsNothingTypedAndPrintsThePatientsNumbers)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuConsentTreatment"));
    EXPECT_FALSE(hasBox("txtSurgeon"));
    EXPECT_FALSE(hasBox("txtOperation"));
    type("txtWitness", QStringLiteral("ANA REYES"));
    type("txtRepresentative", QStringLiteral("PEDRO CRUZ"));
    type("txtRelation", QStringLiteral("FATHER"));
    form->dtpDate->setDate(QDate(2026, 12, 3));
    signAs();
    click(0);
    const db::Recordset row = stored(kTreatment);
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.text(QStringLiteral("Witness")), "ANA REYES");
    EXPECT_EQ(row.text(QStringLiteral("Relation")), "FATHER");
    EXPECT_EQ(row.field(QStringLiteral("DateSigned")).toDateTime().date(), QDate(2026, 12, 3));
    EXPECT_EQ(row.text(QStringLiteral("UserID")), "NURSE1");
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].title, "Consent for Treatment");
    const QStringList values = printed();
    ASSERT_EQ(values.size(), 10);
    EXPECT_EQ(values[1], "ANA REYES");
    EXPECT_EQ(values[5], "PEDRO CRUZ");
    EXPECT_EQ(values.mid(7), (QStringList{app::HospNum, patient, form->Sex}));
    EXPECT_FALSE(form->Sex.isEmpty());
}

TEST_F(ConsentFamily, TreatmentLoadsItsRow)
{
    select(stayWithConsent(kTreatment));
    ASSERT_TRUE(open("mnuConsentTreatment"));
    EXPECT_EQ(box("txtWitness")->text(), stored(kTreatment).text(QStringLiteral("Witness")));
}

TEST_F(ConsentFamily, SpecialTreatmentStoresDoctorProcedureAndMinorAge)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSpecialTreatment"));
    EXPECT_EQ(form->dtpDate, nullptr);
    click(0);
    type("txtSurgeon", QStringLiteral("SANTOS, JUAN"));
    click(0);
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Notification: Please provide name of surgeon."),
                                            QStringLiteral("Notification: Please provide procedure details.")}));
    type("txtOperation", QStringLiteral("CHEMOTHERAPY"));
    type("txtMinor", QStringLiteral("9 years"));
    type("txtWitness", QStringLiteral("JOHN D'ANGELO"));
    signAs();
    click(0);
    const db::Recordset row = stored(kSpecial);
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.text(QStringLiteral("Doctor")), "SANTOS, JUAN");
    EXPECT_EQ(row.text(QStringLiteral("Procedure")), "CHEMOTHERAPY");
    EXPECT_EQ(row.text(QStringLiteral("MinorAge")), "9 years");
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].title, "Consent for Special Treatment");
    EXPECT_EQ(printed(), (QStringList{app::PatientName, QStringLiteral("SANTOS, JUAN"), QStringLiteral("CHEMOTHERAPY"),
                                      QStringLiteral("JOHN D'ANGELO"), QStringLiteral("9 years"), QString(), QString(), QString()}));

    delete form.data();
    ASSERT_TRUE(open("mnuSpecialTreatment"));
    EXPECT_EQ(box("txtSurgeon")->text(), "SANTOS, JUAN");
    EXPECT_EQ(box("txtOperation")->text(), "CHEMOTHERAPY");
    EXPECT_EQ(box("txtWitness")->text(), "JOHN D'ANGELO");
}

TEST_F(ConsentFamily, SterilizationAsksForTheProcedureAndPrintsTheAddress)
{
    select(stayWithoutConsent());
    ASSERT_TRUE(open("mnuSterilizationConsent"));
    EXPECT_FALSE(hasBox("txtMinor"));
    EXPECT_FALSE(hasBox("txtSurgeon"));
    type("txtSpouse", QStringLiteral("JOSE RIZAL"));
    click(0);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please specify name of procedure.")});
    type("txtOperation", QStringLiteral("BILATERAL TUBAL LIGATION"));
    type("txtAuthorized", QStringLiteral("SANTOS, JUAN"));
    type("txtWitness", QStringLiteral("ANA REYES"));
    signAs();
    click(0);
    const db::Recordset row = stored(kSterilization);
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.text(QStringLiteral("Procedure")), "BILATERAL TUBAL LIGATION");
    EXPECT_EQ(row.text(QStringLiteral("Authorized")), "SANTOS, JUAN");
    EXPECT_EQ(row.text(QStringLiteral("ConsentingSpouse")), "JOSE RIZAL");
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(printed(), (QStringList{app::PatientName, QStringLiteral("BILATERAL TUBAL LIGATION"), QStringLiteral("JOSE RIZAL"),
                                      QStringLiteral("SANTOS, JUAN"), QStringLiteral("ANA REYES"), app::PatientAddress}));
}

TEST_F(ConsentFamily, EachDeleteLogsItsOwnRemark)
{
    struct Case {
        const char* item;
        QString table;
        QString remark;
        QString told;
    };
    const Case cases[] = {
        {"mnuConsentTreatment", kTreatment, QStringLiteral("Deleted Treatment Consent"),
         QStringLiteral("Consent for treatment record was deleted.")},
        {"mnuSpecialTreatment", kSpecial, QStringLiteral("Deleted Special Treatment Consent"),
         QStringLiteral("Consent for Special Treatment record deleted.")},
        {"mnuSterilizationConsent", kSterilization, QStringLiteral("Deleted Sterilization Consent"),
         QStringLiteral("Consent for Sterilization Procedure record deleted.")},
    };
    for (const Case& c : cases) {
        select(stayWithConsent(c.table));
        prompts.clear();
        ASSERT_TRUE(open(c.item));
        prompts.answer(true);
        signAs();
        click(2);
        ASSERT_EQ(prompts.texts().size(), 2) << c.item;
        EXPECT_EQ(prompts.texts().first(), QStringLiteral("Confirmation: Are you sure you want to delete consent record for this patient?"))
            << c.item;
        EXPECT_EQ(prompts.last().text, c.told);
        EXPECT_EQ(rowCount(c.table, patient), 0) << c.item;
        EXPECT_EQ(conn().open(QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs WHERE Idnum = %1").arg(db::Quote(patient)))
                      .text(QStringLiteral("Remarks")),
                  c.remark);
    }
}

} // namespace
