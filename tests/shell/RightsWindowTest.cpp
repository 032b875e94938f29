#include "ValidationHelpers.h"
#include "app_support/AppFixture.h"
#include "components/clsCurrentuser.h"
#include "db/SqlText.h"
#include "db/routines/UserRights.h"
#include "shell/RightsMaintenance.h"
#include "shell/UserSearchPanel.h"
#include "shell/frmUser.h"
#include "shell/frmUserRights.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using test::control;

namespace {

class RightsWindow : public test::AppFixture {
protected:
    // Searches in a window holding the user search and returns the codes listed.
    static QStringList search(QWidget& window, const QString& text, bool byCode)
    {
        control<QRadioButton>(window, byCode ? "optSearchBy_0" : "optSearchBy_1")->setChecked(true);
        control<QLineEdit>(window, "txtSearch")->setText(text);
        control<QPushButton>(window, "cmdSearch")->click();
        auto* grid = control<QTableWidget>(window, "grdUsers");
        QStringList codes;
        for (int row = 0; row < grid->rowCount(); ++row)
            codes << grid->item(row, 0)->text();
        return codes;
    }

    static void choose(QWidget& window, const QString& employee)
    {
        ASSERT_EQ(search(window, employee, true), QStringList{employee});
    }

    static QStringList ticked(const shell::frmUserRights& window)
    {
        QStringList out;
        for (int i = 0; i < window.lstRights->count(); ++i)
            if (window.lstRights->item(i)->checkState() == Qt::Checked)
                out << window.lstRights->item(i)->text().right(2).trimmed();
        return out;
    }

    static void tick(shell::frmUserRights& window, const QString& description)
    {
        for (int i = 0; i < window.lstRights->count(); ++i)
            if (window.lstRights->item(i)->text().startsWith(description + QLatin1Char(' '))) {
                window.lstRights->item(i)->setCheckState(Qt::Checked);
                return;
            }
        ADD_FAILURE() << "no right " << qPrintable(description);
    }

    struct LogRow {
        QString idNum, remarks, userId, hostName, stationId;
    };
    QList<LogRow> rightsLog()
    {
        QList<LogRow> out;
        for (db::Recordset rs = conn().open(QStringLiteral("SELECT Idnum, Remarks, UserID, Hostname, StationID FROM STATION..tbStationLogs "
                                                          "WHERE Remarks LIKE 'User Rights%' ORDER BY LogID"));
             !rs.eof(); rs.moveNext())
            out.append({rs.text("Idnum"), rs.text("Remarks"), rs.text("UserID"), rs.text("Hostname"), rs.text("StationID")});
        return out;
    }

    QString storedRights(const QString& employee, QString* savedBy = nullptr)
    {
        db::Recordset rs = conn().open(
            QStringLiteral("SELECT EmployeeRights, UserID FROM STATION..tbNurseUserRights WHERE EmployeeID = ") + db::Quote(employee));
        if (rs.eof())
            return QStringLiteral("<no row>");
        if (savedBy)
            *savedBy = rs.text(QStringLiteral("UserID"));
        return rs.text(QStringLiteral("EmployeeRights"));
    }
};

TEST_F(RightsWindow, CatalogueOffersActiveRightsEndingWithTheirCode)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserSettings SET Status = 'I' WHERE ItemID = '38'"));
    shell::frmUserRights window;
    ASSERT_EQ(window.lstRights->count(), 19);
    for (int i = 0; i < window.lstRights->count(); ++i)
        EXPECT_NE(window.lstRights->item(i)->text().right(2).trimmed(), "38");
    EXPECT_TRUE(window.lstRights->item(0)->text().startsWith("REQUEST EXAMS, MEDICINES AND SUPPLIES "));
    EXPECT_TRUE(window.lstRights->item(0)->text().endsWith("1 "));
}

TEST_F(RightsWindow, SearchFindsDepartmentUsersByCodeOrName)
{
    shell::frmUserRights window;
    auto* grid = control<QTableWidget>(window, "grdUsers");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Position ");

    EXPECT_EQ(search(window, "SALONGA", false), QStringList{"NURSE1"});
    EXPECT_EQ(grid->item(0, 1)->text(), "SALONGA, JASMINE CRUZ");
    EXPECT_EQ(grid->item(0, 2)->text(), "STAFF NURSE");
    EXPECT_EQ(search(window, "bautista, ro", false), QStringList{"NURSE2"});
    EXPECT_TRUE(search(window, "NURSE1", false).isEmpty()) << "a code is no name";

    const QStringList generated = search(window, "E01", true);
    EXPECT_GE(generated.size(), 30);
    for (const QString& code : generated)
        EXPECT_TRUE(code.startsWith("E01")) << qPrintable(code);
    // The laboratory's technician is not a user of the operating room.
    EXPECT_TRUE(search(window, "LAB", true).isEmpty());
    EXPECT_TRUE(search(window, "PANGANIBAN", false).isEmpty());
    EXPECT_TRUE(search(window, "O'HARA", false).isEmpty());
}

TEST_F(RightsWindow, ChoosingAUserTicksWholeCodesOfTheirRights)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '10|11|29' WHERE EmployeeID = 'NURSE2'"));
    shell::frmUserRights window;
    choose(window, "CLERK1");
    EXPECT_EQ(ticked(window), (QStringList{"9", "13", "18", "19", "20", "21"}));
    choose(window, "NURSE2");
    // "1" is not ticked for "10" or "11"; the bar-less last code still shows.
    EXPECT_EQ(ticked(window), (QStringList{"10", "11", "29"}));
}

TEST_F(RightsWindow, SavedRightsReadBackAndGrant)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE2'"));
    {
        shell::frmUserRights window;
        EXPECT_TRUE(search(window, "ZZZ", false).isEmpty());
        EXPECT_FALSE(window.cmdSave->isEnabled()) << "nobody to save for";
        choose(window, "NURSE2");
        EXPECT_TRUE(window.cmdSave->isEnabled());
        EXPECT_TRUE(ticked(window).isEmpty());
        tick(window, "SUPERVISOR");
        tick(window, "ASSESSMENT ENTRY");
        window.cmdSave->click();
        EXPECT_EQ(prompts.texts(), QStringList{"Notification: User rights successfully updated."});
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Information);
    }
    QString savedBy;
    EXPECT_EQ(storedRights("NURSE2", &savedBy), "9|29|") << "list order, each code closed by a bar";
    EXPECT_EQ(savedBy, "SUPERVISOR");
    EXPECT_TRUE(routines::HasUserRight("29", "NURSE2"));

    // Saving over an existing row updates it and keeps the user's station.
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1")); // a fresh demo hospital
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '9|29|' WHERE EmployeeID = 'NURSE2'"));
    shell::frmUserRights window;
    choose(window, "NURSE2");
    EXPECT_EQ(ticked(window), (QStringList{"9", "29"}));
    window.lstRights->item(window.lstRights->count() - 1)->setCheckState(Qt::Checked); // REVOKE PACKAGES
    window.cmdSave->click();
    EXPECT_EQ(storedRights("NURSE2", &savedBy), "9|29|38|");
    EXPECT_EQ(savedBy, "SUPERVISOR");
    EXPECT_EQ(conn().open("SELECT COUNT(*) AS N FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE2'").number("N"), 1);
    EXPECT_EQ(conn().open("SELECT ORStationID FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE2'").text("ORStationID"), "OR2");
}

TEST_F(RightsWindow, SelectAllTicksAndClearsEveryRight)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    shell::frmUserRights window;
    choose(window, "NURSE1");
    auto* all = control<QCheckBox>(window, "chkSelectAll");
    all->click();
    EXPECT_EQ(ticked(window).size(), window.lstRights->count());
    window.cmdSave->click();
    EXPECT_EQ(storedRights("NURSE1"), "1|2|3|4|5|6|9|10|11|13|18|19|20|21|22|25|29|36|37|38|");
    all->click();
    EXPECT_TRUE(ticked(window).isEmpty());
    window.cmdSave->click();
    EXPECT_EQ(storedRights("NURSE1"), "");
    EXPECT_FALSE(routines::HasUserRight("1", "NURSE1"));
}

TEST_F(RightsWindow, UserPickerReturnsTheChosenUser)
{
    shell::frmUser picker;
    EXPECT_EQ(search(picker, "VILLAREAL", false), QStringList{"CHARGE1"});
    picker.cmdOk->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.employeeCode(), "CHARGE1");
    EXPECT_EQ(picker.employeeName(), "VILLAREAL, CONSUELO REYES");

    shell::frmUser nobody;
    EXPECT_TRUE(search(nobody, "ZZZ", false).isEmpty());
    EXPECT_FALSE(nobody.cmdOk->isEnabled());
}

// ---- rights are kept by supervisors, never by a user for themselves ---------------------------

TEST_F(RightsWindow, OnlyASupervisorSavesRights)
{
    // NURSE1 (no supervisor right) got the window some other way: the save is still refused.
    {
        shell::frmUserRights window;
        choose(window, "NURSE2");
        tick(window, "SUPERVISOR");
        window.cmdSave->click();
        EXPECT_EQ(prompts.texts(), QStringList{"Notification: Sorry, only a supervisor may change user rights."});
        EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Exclamation);
        EXPECT_EQ(storedRights("NURSE2"), "");
    }

    // A supervisor whose right is taken away while the window is open can no longer save.
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    prompts.clear();
    shell::frmUserRights window;
    choose(window, "NURSE2");
    tick(window, "SUPERVISOR");
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|2|' WHERE EmployeeID = 'SUPERVISOR'"));
    window.cmdSave->click();
    EXPECT_EQ(prompts.texts(), QStringList{"Notification: Sorry, only a supervisor may change user rights."});
    EXPECT_EQ(storedRights("NURSE2"), "");
    EXPECT_TRUE(rightsLog().isEmpty());
}

TEST_F(RightsWindow, NobodyChangesTheirOwnRights)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    const QString before = storedRights("SUPERVISOR");
    shell::frmUserRights window;
    choose(window, "SUPERVISOR");
    // Shown as they are, but nothing there can be changed or saved.
    EXPECT_TRUE(ticked(window).contains("29"));
    EXPECT_FALSE(window.cmdSave->isEnabled());
    EXPECT_FALSE(window.lstRights->isEnabled());
    EXPECT_FALSE(window.chkSelectAll->isEnabled());
    EXPECT_TRUE(control<QLabel>(window, "lblUser")->text().contains("Your own rights cannot be changed"));

    // The rule holds whatever the window does, however the code is spelled.
    for (const char* self : {"SUPERVISOR", " supervisor "}) {
        prompts.clear();
        EXPECT_FALSE(shell::RightsMaintenance::Save(QLatin1String(self), QString()));
        EXPECT_EQ(prompts.texts(), QStringList{"Notification: Sorry, you cannot change your own rights. Please ask another supervisor."});
    }
    EXPECT_EQ(storedRights("SUPERVISOR"), before);
    EXPECT_TRUE(rightsLog().isEmpty());

    // Another user's rights are open to the supervisor again.
    choose(window, "NURSE1");
    EXPECT_TRUE(window.cmdSave->isEnabled());
    EXPECT_TRUE(window.lstRights->isEnabled());
}

TEST_F(RightsWindow, EveryChangeIsLoggedWithWhoWhoseAndFromWhatToWhat)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseUserRights WHERE EmployeeID = 'NURSE2'"));
    shell::frmUserRights window;
    choose(window, "NURSE1");
    tick(window, "SUPERVISOR");
    window.cmdSave->click();
    choose(window, "NURSE2");
    tick(window, "ASSESSMENT ENTRY");
    window.cmdSave->click();
    // Saving what is already stored changes nothing and logs nothing.
    window.cmdSave->click();
    EXPECT_EQ(storedRights("NURSE1"), "1|3|10|11|25|29|36|");

    const QList<LogRow> log = rightsLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0].idNum, "NURSE1");
    EXPECT_EQ(log[0].userId, "SUPERVISOR");
    EXPECT_EQ(log[0].remarks, "User Rights of NURSE1 changed by SUPERVISOR from 1|3|10|11|25|36| to 1|3|10|11|25|29|36|");
    EXPECT_EQ(log[0].stationId, "OR");
    EXPECT_FALSE(log[0].hostName.isEmpty()) << "the workstation";
    EXPECT_EQ(log[1].idNum, "NURSE2");
    EXPECT_EQ(log[1].remarks, "User Rights of NURSE2 changed by SUPERVISOR from (none) to 9|");
}

TEST_F(RightsWindow, AChangeWhoseLogCannotBeWrittenIsNotKept)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    shell::frmUserRights window;
    choose(window, "NURSE1");
    tick(window, "SUPERVISOR");
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    window.cmdSave->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().title, "Notification");
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(prompts.last().text.endsWith("Please notify your IT department."));
    EXPECT_EQ(storedRights("NURSE1"), "1|3|10|11|25|36|") << "the change went with its log";
    EXPECT_TRUE(ticked(window).contains("29")) << "the ticks stay for another try";
}

TEST_F(RightsWindow, EnterInTheSearchBoxSearchesAndNeverSaves)
{
    logInAs(QStringLiteral("SUPERVISOR"), QStringLiteral("super1"));
    shell::frmUserRights window;
    window.show();
    choose(window, "NURSE1");
    tick(window, "SUPERVISOR");
    // The buttons in the station's order: the work, then Close.
    EXPECT_LT(window.cmdSave->x(), window.cmdClose->x());
    auto* box = control<QLineEdit>(window, "txtSearch");
    box->setText(QStringLiteral("NURSE2"));
    box->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    EXPECT_EQ(control<QTableWidget>(window, "grdUsers")->item(0, 0)->text(), "NURSE2");
    EXPECT_TRUE(prompts.texts().isEmpty()) << qPrintable(prompts.texts().join('\n'));
    EXPECT_EQ(storedRights("NURSE1"), "1|3|10|11|25|36|");
}

} // namespace
