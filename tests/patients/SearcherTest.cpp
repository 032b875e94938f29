// The code look-up: each search function over the demo hospital's code
// tables, with one match (taken at once), none (a message) and several (the
// look-up dialog, driven by keys and clicks).

#include "app_support/AppFixture.h"

#include "patients/clsSearcher.h"
#include "patients/frmSearcher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using Kind = test::ScriptedPrompts::Shown::Kind;
using Search = bool (patients::clsSearcher::*)(QString&);

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// The grid's rows as "description|code".
QStringList gridRows(const patients::frmSearcher& dialog)
{
    QStringList rows;
    const QAbstractItemModel* model = dialog.grdDispWindow->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 1).data().toString() + QLatin1Char('|') + model->index(row, 2).data().toString();
    return rows;
}

patients::frmSearcher& asSearcher(QDialog& dialog)
{
    auto* searcher = qobject_cast<patients::frmSearcher*>(&dialog);
    if (!searcher)
        throw std::runtime_error("the look-up dialog is not frmSearcher");
    return *searcher;
}

class SearcherTest : public test::AppFixture {
protected:
    patients::clsSearcher searcher;
};

// ---- one match: taken without a dialog ---------------------------------------------

TEST_F(SearcherTest, OneMatchIsTakenWithoutTheDialog)
{
    struct Case {
        const char* name;
        Search search;
        QString typed, code, description;
    };
    const Case cases[] = {
        {"admission type by name", &patients::clsSearcher::SearchAdmissionType, QStringLiteral("EM"),
         QStringLiteral("2"), QStringLiteral("EMERGENCY ADMISSION")},
        {"admission type by code", &patients::clsSearcher::SearchAdmissionType, QStringLiteral("9"),
         QStringLiteral("9"), QStringLiteral("SERVICE PATIENT")},
        {"vessel", &patients::clsSearcher::SearchVessel, QStringLiteral("MT"), QStringLiteral("V003"),
         QStringLiteral("MT LUZON SPIRIT")},
        {"hospital with an apostrophe", &patients::clsSearcher::SearchHospital, QStringLiteral("ST. LUKE'S"),
         QStringLiteral("H05"), QStringLiteral("ST. LUKE'S GENERAL HOSPITAL")},
        {"membership", &patients::clsSearcher::SearchMembership, QStringLiteral("EP"), QStringLiteral("EP"),
         QStringLiteral("EMPLOYED - PRIVATE")},
        {"OR procedure by name", &patients::clsSearcher::SearchORProcedure, QStringLiteral("APPEND"),
         QStringLiteral("P001"), QStringLiteral("APPENDECTOMY")},
        {"OR procedure by code", &patients::clsSearcher::SearchORProcedure, QStringLiteral("P047"),
         QStringLiteral("P047"), QStringLiteral("CORONARY ARTERY BYPASS GRAFT")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString code = c.typed;
        EXPECT_TRUE((searcher.*c.search)(code));
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(searcher.Code, c.code);
        EXPECT_EQ(searcher.Description, c.description);
    }
    EXPECT_TRUE(prompts.shown().empty()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
}

// ---- no match: a message, no dialog ---------------------------------------------------

TEST_F(SearcherTest, NoMatchShowsItsMessageAndKeepsTheCode)
{
    struct Case {
        const char* name;
        Search search;
        QString typed, message;
    };
    const QString invalid = QStringLiteral("Invalid code.");
    const Case cases[] = {
        {"unknown admission type", &patients::clsSearcher::SearchAdmissionType, QStringLiteral("ZZ"), invalid},
        {"admission type no longer in use", &patients::clsSearcher::SearchAdmissionType, QStringLiteral("8"), invalid},
        {"vessel", &patients::clsSearcher::SearchVessel, QStringLiteral("ZZ"), invalid},
        {"hospital", &patients::clsSearcher::SearchHospital, QStringLiteral("MAKATI"),
         QStringLiteral("No record found.")},
        {"membership no longer offered", &patients::clsSearcher::SearchMembership, QStringLiteral("NM"), invalid},
        {"membership by name, not code", &patients::clsSearcher::SearchMembership, QStringLiteral("EMPLOYED"), invalid},
        // An operating-room charge that is not a tagged procedure is not one.
        {"OR charge that is no procedure", &patients::clsSearcher::SearchORProcedure, QStringLiteral("ANESTHESIA"),
         invalid},
        // Typed wildcards match only themselves: no "%" or "_" lists every row.
        {"vessel typed as %", &patients::clsSearcher::SearchVessel, QStringLiteral("%"), invalid},
        {"hospital typed as _", &patients::clsSearcher::SearchHospital, QStringLiteral("_"), QStringLiteral("No record found.")},
        {"OR procedure typed as [A-Z]%", &patients::clsSearcher::SearchORProcedure, QStringLiteral("[A-Z]%"), invalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        searcher.Code = QStringLiteral("stale");
        QString code = c.typed;
        EXPECT_FALSE((searcher.*c.search)(code));
        EXPECT_EQ(code, c.typed);
        EXPECT_TRUE(searcher.Code.isEmpty());
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(prompts.last().kind, Kind::Message);
        EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
        EXPECT_EQ(prompts.last().text, c.message);
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    }
}

// ---- several matches: the dialog ---------------------------------------------------------

TEST_F(SearcherTest, SeveralMatchesOpenTheDialogOnThemAndTakeThePick)
{
    QStringList rows;
    QString caption, criteria;
    prompts.onDialog([&](QDialog& dialog) {
        patients::frmSearcher& form = asSearcher(dialog);
        caption = form.windowTitle();
        criteria = form.txtSearchStr->text();
        rows = gridRows(form);
        // The second row, picked with a double click.
        const QModelIndex second = form.grdDispWindow->model()->index(1, 1);
        form.grdDispWindow->setCurrentIndex(second);
        emit form.grdDispWindow->doubleClicked(second);
    });
    QString code = QStringLiteral("MV");
    ASSERT_TRUE(searcher.SearchVessel(code));
    EXPECT_EQ(caption, QStringLiteral("Vessels"));
    EXPECT_EQ(criteria, QStringLiteral("MV"));
    // Only the names that start with the text, by code.
    EXPECT_EQ(rows, (QStringList{QStringLiteral("MV PACIFIC DAWN|V001"), QStringLiteral("MV ORIENT STAR|V002"),
                                 QStringLiteral("MV CORAL PRINCESS|V004"), QStringLiteral("MV SEA HARVEST|V005")}));
    EXPECT_EQ(code, QStringLiteral("V002"));
    EXPECT_EQ(searcher.Code, QStringLiteral("V002"));
    EXPECT_EQ(searcher.Description, QStringLiteral("MV ORIENT STAR"));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Kind::Dialog);
    EXPECT_EQ(prompts.last().text, QStringLiteral("frmSearcher"));
}

TEST_F(SearcherTest, EachFunctionOpensItsOwnListWhenTheTextIsAmbiguous)
{
    struct Case {
        const char* name;
        Search search;
        QString typed, caption;
        QStringList rows;
    };
    const Case cases[] = {
        {"admission types", &patients::clsSearcher::SearchAdmissionType, QStringLiteral("E"),
         QStringLiteral("Admission Types"),
         {QStringLiteral("ELECTIVE SURGERY|3"), QStringLiteral("EMERGENCY ADMISSION|2")}},
        {"hospitals, every one for an empty text", &patients::clsSearcher::SearchHospital, QString(),
         QStringLiteral("Hospitals"),
         {QStringLiteral("CENTRAL LUZON HEART INSTITUTE|H03"), QStringLiteral("JOSE B. LINGAD MEMORIAL REGIONAL HOSPITAL|H01"),
          QStringLiteral("NORTHERN CHILDREN'S MEDICAL CENTER|H04"), QStringLiteral("PAMPANGA PROVINCIAL HOSPITAL|H02"),
          QStringLiteral("ST. LUKE'S GENERAL HOSPITAL|H05")}},
        // The laparoscopic tower is a charge, not a procedure.
        {"OR procedures", &patients::clsSearcher::SearchORProcedure, QStringLiteral("LAPAROSCOPIC"),
         QStringLiteral("OR Procedures"),
         {QStringLiteral("LAPAROSCOPIC APPENDECTOMY|P002"), QStringLiteral("LAPAROSCOPIC CHOLECYSTECTOMY|P004")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList rows;
        QString caption;
        prompts.onDialog([&](QDialog& dialog) {
            patients::frmSearcher& form = asSearcher(dialog);
            caption = form.windowTitle();
            rows = gridRows(form);
            form.cmdSelect->click(); // the first row is current on opening
        });
        QString code = c.typed;
        ASSERT_TRUE((searcher.*c.search)(code));
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(searcher.Description + QLatin1Char('|') + code, c.rows.front());
    }
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(SearcherTest, CancellingTheDialogKeepsTheCallersCode)
{
    prompts.onDialog([](QDialog& dialog) { asSearcher(dialog).cmdCancel->click(); });
    QString code = QStringLiteral("MV");
    EXPECT_FALSE(searcher.SearchVessel(code));
    EXPECT_EQ(code, QStringLiteral("MV"));
    EXPECT_TRUE(searcher.Code.isEmpty());
    EXPECT_TRUE(searcher.Description.isEmpty());

    // Escape cancels as well.
    prompts.onDialog([](QDialog& dialog) { pressKey(asSearcher(dialog).grdDispWindow, Qt::Key_Escape); });
    EXPECT_FALSE(searcher.SearchVessel(code));
    EXPECT_EQ(code, QStringLiteral("MV"));
    EXPECT_TRUE(prompts.allUsed());
}

// ---- the dialog's query and keys ------------------------------------------------------------

TEST_F(SearcherTest, EnterInTheSearchBoxRunsTheQueryForTheNewText)
{
    QStringList before, after;
    prompts.onDialog([&](QDialog& dialog) {
        patients::frmSearcher& form = asSearcher(dialog);
        before = gridRows(form);
        // The text goes where "##" stands, apostrophe and all.
        form.txtSearchStr->setText(QStringLiteral("NORTHERN CHILDREN'S"));
        pressKey(form.txtSearchStr, Qt::Key_Return);
        after = gridRows(form);
        EXPECT_FALSE(form.isHidden()) << "Enter in the search box must not close the dialog";
        pressKey(form.grdDispWindow, Qt::Key_Return);
    });
    QString code;
    ASSERT_TRUE(searcher.SearchHospital(code));
    EXPECT_EQ(before.size(), 5);
    EXPECT_EQ(after, QStringList{QStringLiteral("NORTHERN CHILDREN'S MEDICAL CENTER|H04")});
    EXPECT_EQ(code, QStringLiteral("H04"));
    EXPECT_TRUE(prompts.texts().isEmpty()) << "no message expected";
}

TEST_F(SearcherTest, DownMovesIntoTheGridWhereEnterPicksTheCurrentRow)
{
    prompts.onDialog([&](QDialog& dialog) {
        patients::frmSearcher& form = asSearcher(dialog);
        QApplication::setActiveWindow(&form);
        form.txtSearchStr->setFocus();
        pressKey(form.txtSearchStr, Qt::Key_Down);
        EXPECT_TRUE(form.grdDispWindow->hasFocus());
        // In the grid, Down moves to the next row and Enter takes it.
        pressKey(form.grdDispWindow, Qt::Key_Down);
        pressKey(form.grdDispWindow, Qt::Key_Return);
    });
    QString code = QStringLiteral("MV");
    ASSERT_TRUE(searcher.SearchVessel(code));
    EXPECT_EQ(code, QStringLiteral("V002"));
    EXPECT_EQ(searcher.Description, QStringLiteral("MV ORIENT STAR"));
}

TEST_F(SearcherTest, TheQueryTakesTheTextEverywhereTheMarkerStands)
{
    patients::frmSearcher form;
    form.Query = QStringLiteral("SELECT a FROM t WHERE b like '##' + '%' or c = '##'");
    EXPECT_EQ(form.statementFor(QStringLiteral("O'BRIEN")),
              QStringLiteral("SELECT a FROM t WHERE b like 'O''BRIEN' + '%' or c = 'O''BRIEN'"));

    // A query that finds nothing leaves an empty grid that cannot be picked from.
    form.Query = QStringLiteral("SELECT vesselname,vesselcode FROM BUILD_FILE..tbCoVessel WHERE vesselname like '##' + '%'");
    form.Criteria = QStringLiteral("NO SUCH SHIP");
    form.Form_Load();
    EXPECT_TRUE(gridRows(form).isEmpty());
    form.cmdSelect->click();
    EXPECT_FALSE(form.Valid);

    // A query the server refuses is reported, not swallowed.
    form.Query = QStringLiteral("SELECT nothing FROM BUILD_FILE..tbNoSuchTable WHERE x = '##'");
    form.FillGrid();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("tbNoSuchTable"), Qt::CaseInsensitive))
        << prompts.last().text.toStdString();
}

// The dialog's own search puts the typed text in place of "##": literally
// inside a LIKE pattern, with only its apostrophes doubled elsewhere.
TEST_F(SearcherTest, TheDialogTakesTypedWildcardsLiterally)
{
    patients::frmSearcher dialog;
    dialog.Query = QStringLiteral("SELECT vesselname,vesselcode FROM BUILD_FILE..tbCoVessel WHERE vesselname like  '##' + '%'ORDER BY vesselcode");
    EXPECT_EQ(dialog.statementFor(QStringLiteral("5%_O'[A]")),
              QStringLiteral("SELECT vesselname,vesselcode FROM BUILD_FILE..tbCoVessel WHERE vesselname like  '5[%][_]O''[[]A]' + '%'ORDER BY vesselcode"));
    dialog.Query = QStringLiteral("SELECT D FROM T WHERE Status = 1 and D like '%' + '##' + '%' OR C = '##'");
    EXPECT_EQ(dialog.statementFor(QStringLiteral("a_b")), QStringLiteral("SELECT D FROM T WHERE Status = 1 and D like '%' + 'a[_]b' + '%' OR C = 'a_b'"));
    dialog.Query = QStringLiteral("Patient_Data..sp_Adm_SearchAdmissionType '##'");
    EXPECT_EQ(dialog.statementFor(QStringLiteral("E%")), QStringLiteral("Patient_Data..sp_Adm_SearchAdmissionType 'E%'"));
}

} // namespace
