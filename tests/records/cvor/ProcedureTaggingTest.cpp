// Tagging operating-room items as procedures and the operating room's own
// procedures, driven through the window as the staff use it.
#include "../RecordTestSupport.h"

#include "db/Connection.h"
#include "records/cvor/ProcedureTagging.h"
#include "records/cvor/frmListProcedures.h"
#include "records/cvor/frmSpecificDiagnosis.h"
#include "records/cvor/frmTagORProcedures.h"
#include "shell/Globals.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>

using records::ProcedureTagging;
using records::frmTagORProcedures;

namespace {

class ProcedureTaggingTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        form = new frmTagORProcedures;
    }
    void TearDown() override
    {
        delete form;
        AppFixture::TearDown();
    }

    QString value(const QString& sql) { return conn().open(sql).field(0).text(); }
    int count(const QString& sql) { return conn().open(sql).field(0).toInt(); }
    int logs() { return count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbBuildLogUserUpdate")); }

    // Types a procedure code and presses Enter, as the staff look one up.
    void lookUp(const QString& code)
    {
        form->txtProcCode->setText(code);
        emit form->txtProcCode->returnPressed();
    }

    frmTagORProcedures* form = nullptr;
};

} // namespace

TEST_F(ProcedureTaggingTest, TaggingSetsPrcAndUntaggingLeavesAnEmptyTextNotNull)
{
    const QString code = value(QStringLiteral("SELECT TOP 1 OtherRevenueID FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' "
                                              "AND SectionID = 'PRC' ORDER BY OtherRevenueID"));
    ASSERT_FALSE(code.isEmpty());
    const QString emptyNotNull = QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND "
                                                "OtherRevenueID = '%1' AND SectionID IS NOT NULL AND SectionID = ''").arg(code);

    EXPECT_TRUE(ProcedureTagging::Tag(code, QStringLiteral("ANY"), false));
    EXPECT_EQ(prompts.last().text, "Item successfully untagged as a procedure.");
    EXPECT_EQ(count(emptyNotNull), 1);

    EXPECT_TRUE(ProcedureTagging::Tag(code, QStringLiteral("ANY"), true));
    EXPECT_EQ(prompts.last().text, "Item successfully tagged as a procedure.");
    EXPECT_EQ(value(QStringLiteral("SELECT SectionID FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND "
                                   "OtherRevenueID = '%1'").arg(code)),
              "PRC");

    // Without an item chosen nothing is written.
    prompts.clear();
    form->txtCode->setText(code);
    form->chkProcedure->setChecked(false);
    form->cmdTag->click();
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Please select item to update."});
    EXPECT_EQ(value(QStringLiteral("SELECT SectionID FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND "
                                   "OtherRevenueID = '%1'").arg(code)),
              "PRC");
}

TEST_F(ProcedureTaggingTest, ANewProcedureIsCreatedWithItsRateAndLogged)
{
    prompts.answer(true); // "Procedure unable to locate, is this a new procedure?"
    lookUp(QStringLiteral("CV77"));
    EXPECT_EQ(prompts.last().text, "Procedure unable to locate, is this a new procedure?");
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Question);
    EXPECT_EQ(form->cmdSave->text(), "Create New");
    EXPECT_EQ(form->cmdCancel->text(), "Cancel");

    form->txtProcDesc->setText(QStringLiteral("AORTIC ROOT REPLACEMENT"));
    form->txtRate->setText(QStringLiteral("185000.50"));
    prompts.clear();
    prompts.answer(true);
    form->cmdSave->click();
    EXPECT_EQ(prompts.texts(),
              (QStringList{"Confirmation: Are you sure you want to save new/edited operation procedure details?",
                           "Notification: New procedure saved and entered by '" + app::CurrentUser->EmployeeName.trimmed() + "'.",
                           "Notification: PLEASE CONTACT IT STAFF AND OTHER CONCERNED IF THERE WERE CHANGES. Thank you. "}));

    db::Recordset item = conn().open(QStringLiteral("SELECT OtherRevenue, SectionID, RateA, RateC FROM BUILD_FILE..TbCoOtherRevenue "
                                                    "WHERE OtherSectionID = 'OR' AND OtherRevenueID = 'CV77'"));
    ASSERT_FALSE(item.eof());
    EXPECT_EQ(item.text("OtherRevenue"), "AORTIC ROOT REPLACEMENT");
    EXPECT_EQ(item.text("SectionID"), "PRC");
    EXPECT_EQ(item.field("RateA").toMoney().toString(), "185000.5000");
    EXPECT_EQ(value(QStringLiteral("SELECT ItemName FROM BUILD_FILE..tbCoORProcedures WHERE ItemID = 'CV77'")), "AORTIC ROOT REPLACEMENT");
    db::Recordset log = conn().open(QStringLiteral("SELECT LogText, Module, UserID FROM BUILD_FILE..tbBuildLogUserUpdate"));
    ASSERT_FALSE(log.eof());
    EXPECT_EQ(log.text("LogText"), "CREATED NEW PROCEDURE: CV77");
    EXPECT_EQ(log.text("Module"), "OR");
    EXPECT_EQ(log.text("UserID"), "NURSE1");
    EXPECT_TRUE(form->txtProcCode->text().isEmpty()) << "the form is ready for the next procedure";
}

TEST_F(ProcedureTaggingTest, AnEditShowsTheStoredProcedureAndLogsOldAndNewText)
{
    const QString code = value(QStringLiteral("SELECT TOP 1 ItemID FROM BUILD_FILE..tbCoORProcedures ORDER BY ItemID"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, SectionID, "
                                  "RateA) VALUES ('OR', '%1', 'CABG, TWO GRAFTS', 'PRC', 150000)").arg(code));
    lookUp(code);
    EXPECT_TRUE(prompts.shown().empty()) << "a known code asks nothing";
    EXPECT_EQ(form->txtProcDesc->text(), "CABG, TWO GRAFTS");
    EXPECT_EQ(form->txtRate->text(), "150000.00");
    EXPECT_EQ(form->cmdSave->text(), "Update");

    form->txtProcDesc->setText(QStringLiteral("CABG, THREE GRAFTS"));
    form->txtRate->setText(QStringLiteral("175000"));
    prompts.answer(true);
    form->cmdSave->click();
    EXPECT_EQ(value(QStringLiteral("SELECT LogText FROM BUILD_FILE..tbBuildLogUserUpdate")),
              "EDITED PROCEDURE FROM: CABG, TWO GRAFTS (150000.00) TO CABG, THREE GRAFTS (175000.00)");
    EXPECT_EQ(value(QStringLiteral("SELECT RateA FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND OtherRevenueID = '%1'")
                        .arg(code)),
              "175000");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures WHERE ItemID = '%1'").arg(code)), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT ItemName FROM BUILD_FILE..tbCoORProcedures WHERE ItemID = '%1'").arg(code)),
              "CABG, THREE GRAFTS");
}

TEST_F(ProcedureTaggingTest, ChecksComeBeforeTheQuestionAndADeclinedSaveWritesNothing)
{
    const int procedures = count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures"));
    prompts.answer(true);
    lookUp(QStringLiteral("CV78"));
    prompts.clear();

    form->cmdSave->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, "Warning");
    EXPECT_EQ(prompts.last().text, "Either field must not be empty!");

    form->txtProcDesc->setText(QStringLiteral("VSD CLOSURE"));
    for (const char* rate : {"12a00", "abc", "-500", "1e5", ""}) {
        prompts.clear();
        form->txtRate->setText(QLatin1String(rate));
        form->cmdSave->click();
        ASSERT_EQ(prompts.shown().size(), 1u) << rate;
        EXPECT_EQ(prompts.last().kind, test::ScriptedPrompts::Shown::Kind::Message) << rate;
        EXPECT_EQ(prompts.last().text, "Enter numeric values only for RATE.") << rate;
    }

    prompts.clear();
    form->txtRate->setText(QStringLiteral("90000"));
    prompts.answer(false);
    form->cmdSave->click();
    EXPECT_EQ(prompts.last().text, "User Cancelled.");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures")), procedures);
    EXPECT_EQ(logs(), 0);
    EXPECT_EQ(form->txtProcDesc->text(), "VSD CLOSURE") << "the typing is kept";
}

TEST_F(ProcedureTaggingTest, AProcedureIsNeverSavedWithoutItsLog)
{
    // The log cannot be written: the item and the list stay as they were.
    conn().execute(QStringLiteral("DROP TABLE BUILD_FILE..tbBuildLogUserUpdate"));
    prompts.answer(true);
    EXPECT_FALSE(ProcedureTagging::SaveProcedure(QStringLiteral("CV79"), QStringLiteral("PERICARDIECTOMY"), QStringLiteral("80000"),
                                                 std::nullopt));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures WHERE ItemID = 'CV79'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherRevenueID = 'CV79'")), 0);
}

TEST_F(ProcedureTaggingTest, TheProcedureListPicksACodeForEditing)
{
    const QString name = value(QStringLiteral("SELECT TOP 1 ItemName FROM BUILD_FILE..tbCoORProcedures ORDER BY ItemName"));
    records::frmListProcedures list;
    list.search(QString());
    EXPECT_EQ(list.rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures")));
    EXPECT_EQ(list.windowTitle(), "PROCEDURES");
    list.search(name.left(6).toLower());
    ASSERT_GE(list.rowCount(), 1);
    EXPECT_LT(list.rowCount(), count(QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoORProcedures")));

    // Through the window: the code chosen is looked up as if typed (not an
    // operating-room item yet, so it asks whether it is new).
    prompts.onDialog([](QDialog& d) { static_cast<records::frmListProcedures&>(d).cmdOK->click(); });
    prompts.answer(false);
    form->cmdList->click();
    EXPECT_EQ(prompts.last().text, "Procedure unable to locate, is this a new procedure?");
    EXPECT_TRUE(form->txtProcCode->text().isEmpty()) << "No: the entry is dropped";
}

TEST_F(ProcedureTaggingTest, TheFinalDiagnosisIsTypedInCapitalsAndRequired)
{
    records::frmSpecificDiagnosis dialog;
    dialog.show();
    dialog.txtDiagnosis->setFocus();
    QTest::keyClicks(dialog.txtDiagnosis, QStringLiteral("triple vessel cad; s/p cabg"));
    EXPECT_EQ(dialog.Diagnosis(), "TRIPLE VESSEL CAD; S/P CABG");
    EXPECT_EQ(dialog.SplitDiagnosis(), (QStringList{"TRIPLE VESSEL CAD", "S/P CABG"}));

    dialog.SetDiagnosis(QStringLiteral("   "));
    dialog.cmdOK->click();
    EXPECT_EQ(prompts.last().text, "Please provide description of final diagnosis.");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.isVisible());
}
