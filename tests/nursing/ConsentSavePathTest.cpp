// What the four consents do when the database fails them: a save or a delete
// that cannot finish leaves the stored consent as it was, says so once and
// keeps the typing; a form that could not read the patient's consent never
// writes over it. And what counts as unsaved typing.
#include "ConsentTestSupport.h"

#include "db/Recordset.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = test::ScriptedPrompts::Shown::Kind;

class ConsentSavePath : public test::ConsentFixture {
protected:
    void fillRequired()
    {
        type("txtSurgeon", QStringLiteral("SANTOS, JUAN"));
        type("txtOperation", QStringLiteral("APPENDECTOMY"));
    }
    // The critical messages shown (a failure told to the user).
    std::vector<test::ScriptedPrompts::Shown> failures() const
    {
        std::vector<test::ScriptedPrompts::Shown> out;
        for (const auto& shown : prompts.shown())
            if (shown.kind == Kind::Message && shown.icon == shell::PromptIcon::Critical)
                out.push_back(shown);
        return out;
    }
    bool buttonEnabled(int index) const { return form->cmdButton[index]->isEnabled(); }
};

// The four consents share one save and one delete (only their statements
// differ), so one consent stands for the others here. Witnesses made unique,
// and one taken by another stay: a save typing that witness deletes the
// patient's consent and then has its insert refused.
TEST_F(ConsentSavePath, AnInsertRefusedAfterTheDeleteKeepsTheStoredConsentAndTheTyping)
{
    const QString table = QStringLiteral("STATION..tbSurgicalAuthorization");
    select(stayWithConsent(table));
    conn().execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET Witness = 'W ' + IDNum"));
    conn().execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (IDNum, Witness) VALUES ('ZZBLOCK', 'TAKEN WITNESS')"));
    conn().execute(QStringLiteral("CREATE UNIQUE INDEX UX_TestWitness ON ") + table + QStringLiteral(" (Witness)"));
    const QString before = storedRow(table, patient);
    ASSERT_FALSE(before.isEmpty());

    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    fillRequired();
    box("txtWitness")->clear();
    QTest::keyClicks(box("txtWitness"), QStringLiteral("taken witness"));
    signAs();
    click(0);

    ASSERT_EQ(failures().size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical) << "the failure is the last word";
    EXPECT_EQ(storedRow(table, patient), before) << "the old consent is back whole";
    EXPECT_TRUE(viewers.empty()) << "nothing printed";
    ASSERT_TRUE(form) << "the form stays open";
    EXPECT_EQ(box("txtWitness")->text(), "TAKEN WITNESS");
    EXPECT_EQ(box("txtOperation")->text(), "APPENDECTOMY");
    EXPECT_TRUE(form->hasUnsavedChanges());

    // With another witness the same typing saves.
    box("txtWitness")->setText(QStringLiteral("FREE WITNESS"));
    signAs();
    click(0);
    EXPECT_EQ(failures().size(), 1u);
    EXPECT_TRUE(storedRow(table, patient).contains(QStringLiteral("=FREE WITNESS")));
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(viewers.size(), 1u);
}

TEST_F(ConsentSavePath, ADeleteWhoseLogCannotBeWrittenKeepsTheConsentAndTheForm)
{
    const QString table = QStringLiteral("STATION..tbSterilizationConsent");
    select(stayWithConsent(table));
    ASSERT_TRUE(open("mnuSterilizationConsent"));
    const QString before = storedRow(table, patient);
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    prompts.clear();
    prompts.answer(true);
    signAs();
    click(2);
    ASSERT_EQ(failures().size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical) << "no \"deleted\" message after it";
    EXPECT_EQ(storedRow(table, patient), before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form) << "the form stays open";
    EXPECT_TRUE(prompts.allUsed());
}

// The special consent stores the minor's age: when the age cannot be read,
// the form would otherwise write an empty one over the stored consent.
TEST_F(ConsentSavePath, AnAgeThatCannotBeReadRefusesSavingAndDeleting)
{
    const QString table = QStringLiteral("STATION..tbSpecialTreatmentConsent");
    select(stayWithConsent(table));
    conn().execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET MinorAge = '9 years' WHERE IDNum = ") + db::Quote(patient));
    const QString before = storedRow(table, patient);
    conn().execute(QStringLiteral("DROP TABLE PATIENT_DATA..tbPatient"));

    ASSERT_TRUE(open("mnuSpecialTreatment"));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, "Notification");
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(form->savingRefused());
    EXPECT_FALSE(buttonEnabled(0));
    EXPECT_FALSE(buttonEnabled(2));
    EXPECT_TRUE(buttonEnabled(1)) << "closing is always possible";
    EXPECT_FALSE(form->hasUnsavedChanges());

    // Asked to save on close: refused before anyone signs, nothing written.
    QTest::keyClicks(box("txtWitness"), QStringLiteral("x"));
    prompts.clear();
    EXPECT_FALSE(form->saveUnsavedChanges());
    ASSERT_EQ(prompts.shown().size(), 1u) << "no signature asked";
    EXPECT_EQ(prompts.last().kind, Kind::Message);
    EXPECT_EQ(storedRow(table, patient), before);
    EXPECT_TRUE(viewers.empty());
}

TEST_F(ConsentSavePath, APatientThatCannotBeReadIsToldOnceAndRefusesSaving)
{
    select(stayWithoutConsent());
    conn().execute(QStringLiteral("DROP TABLE PATIENT_DATA..tbMaster"));
    ASSERT_TRUE(open("mnuConsentTreatment"));
    ASSERT_EQ(prompts.shown().size(), 1u) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(box("txtPx")->text(), app::PatientName);
    EXPECT_FALSE(buttonEnabled(0));
    EXPECT_FALSE(buttonEnabled(2));
}

TEST_F(ConsentSavePath, TypingIsUnsavedLoadingIsNotAndASaveClearsIt)
{
    select(stayWithConsent(QStringLiteral("STATION..tbSurgicalAuthorization")));
    ASSERT_TRUE(open("mnuSurgicalTreatment"));
    EXPECT_FALSE(box("txtSurgeon")->text().isEmpty()) << "the stored consent was loaded";
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(form->unsavedWorkTitle(), "Authorization for Surgical Treatment");

    QTest::keyClicks(box("txtRelation"), QStringLiteral("aunt"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    signAs();
    EXPECT_TRUE(form->saveUnsavedChanges());
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_TRUE(storedRow(QStringLiteral("STATION..tbSurgicalAuthorization"), patient).contains(QStringLiteral("Relation=AUNT")));
    EXPECT_TRUE(viewers.empty()) << "saving on close does not print";

    form->dtpDate->setDate(form->dtpDate->date().addDays(-1));
    EXPECT_TRUE(form->hasUnsavedChanges()) << "a date picked counts as typing";

    // A save refused by its checks keeps the changes unsaved.
    box("txtSurgeon")->clear();
    EXPECT_FALSE(form->saveUnsavedChanges());
    EXPECT_TRUE(form->hasUnsavedChanges());
}

// Each box holds no more than its column: a fault in a column's name would
// leave the box unlimited and the server to refuse the save on site.
TEST_F(ConsentSavePath, EachBoxTakesItsColumnsLength)
{
    struct Limit {
        const char* item;
        const char* box;
        int length;
    };
    const Limit limits[] = {
        {"mnuSurgicalTreatment", "txtSurgeon", 100},   {"mnuSurgicalTreatment", "txtOperation", 255},
        {"mnuSurgicalTreatment", "txtException", 500}, {"mnuSurgicalTreatment", "txtRelation", 50},
        {"mnuConsentTreatment", "txtReason", 500},     {"mnuSpecialTreatment", "txtSurgeon", 100},
        {"mnuSpecialTreatment", "txtOperation", 255},  {"mnuSpecialTreatment", "txtMinor", 10},
        {"mnuSterilizationConsent", "txtSpouse", 100}, {"mnuSterilizationConsent", "txtAuthorized", 100},
    };
    select(stayWithoutConsent());
    for (const Limit& limit : limits) {
        delete form.data();
        ASSERT_TRUE(open(limit.item));
        EXPECT_EQ(box(limit.box)->maxLength(), limit.length) << limit.item << " " << limit.box;
    }
    QTest::keyClicks(box("txtSpouse"), QString(120, QLatin1Char('a')));
    EXPECT_EQ(box("txtSpouse")->text(), QString(100, QLatin1Char('A')));
}

} // namespace
