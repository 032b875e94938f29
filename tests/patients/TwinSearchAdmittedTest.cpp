// The second list of admitted patients: in-patients or out-patients by last
// name, selection through the station list's rule, its own failure text.

#include "patients/PatientListSupport.h"
#include "patients/frmSearchAdmitted.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using patients::frmSearchAdmitted;
using Kind = test::ScriptedPrompts::Shown::Kind;

class TwinSearchAdmittedTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral("ANNA"), QStringLiteral("CRUZ"));
        addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), {now.addDays(-2)});
        addPerson(QStringLiteral("9000002"), QStringLiteral("ZZTESTING"), QStringLiteral("BRUNO"), QStringLiteral("DIAZ"));
        addAdmission(QStringLiteral("9100002"), QStringLiteral("9000002"), {now.addDays(-1)});
        addPerson(QStringLiteral("9000003"), QStringLiteral("ZZOTHER"), QStringLiteral("CARLA"), QStringLiteral("REYES"));
        addAdmission(QStringLiteral("9100003"), QStringLiteral("9000003"), {now.addDays(-1)});
        addVisit(QStringLiteral("9500001B"), QStringLiteral("9000001"), now.addSecs(-3600));
    }

    void search(frmSearchAdmitted& list, int kind, const QString& text)
    {
        list.optPatientType[static_cast<size_t>(kind)]->click();
        list.txtSearch->clear();
        test::keyClicks(list.txtSearch, text);
        test::keyClick(list.txtSearch, Qt::Key_Return);
    }
};

TEST_F(TwinSearchAdmittedTest, ListsInPatientsOrOutPatientsByLastName)
{
    frmSearchAdmitted list;
    list.show();
    EXPECT_GT(list.listModel()->recordCount(), 50) << "the whole in-patient list on opening";

    search(list, 0, QStringLiteral("zztest"));
    EXPECT_EQ(list.txtSearch->text(), QStringLiteral("ZZTEST")) << "typed in capitals";
    EXPECT_EQ(list.ListStatement(), QStringLiteral("STATION..sp_Get_OR_PatientList 'A','ZZTEST'"));
    EXPECT_EQ(listed(list.MSHFlexList), (QStringList{QStringLiteral("9100001"), QStringLiteral("9100002")}));
    EXPECT_EQ(list.lblRecNum->text(), QStringLiteral("1  out of  2"));

    search(list, 1, QStringLiteral("ZZTEST"));
    EXPECT_EQ(list.ListStatement(), QStringLiteral("STATION..sp_Get_OR_PatientList 'O','ZZTEST'"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{QStringLiteral("9500001B")});

    // A name with an apostrophe is sent whole and finds nobody.
    search(list, 0, QStringLiteral("O'ZZTEST"));
    EXPECT_EQ(list.ListStatement(), QStringLiteral("STATION..sp_Get_OR_PatientList 'A','O''ZZTEST'"));
    EXPECT_TRUE(listed(list.MSHFlexList).isEmpty());
    EXPECT_EQ(list.MSHFlexList->Rows(), 2);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinSearchAdmittedTest, ClickingSelectsTheInPatientOrTheOutPatient)
{
    frmSearchAdmitted list;
    list.show();
    search(list, 0, QStringLiteral("ZZTEST"));
    clickRow(list.MSHFlexList, rowOf(list.MSHFlexList, QStringLiteral("9100002")));
    // The globals follow the station list's rule (tested with that list).
    EXPECT_EQ(app::IdNum, QStringLiteral("9100002"));
    EXPECT_EQ(app::PatientType, QStringLiteral("I"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTESTING, BRUNO DIAZ"));
    EXPECT_EQ(app::SelectedRow, 2);

    search(list, 1, QStringLiteral("ZZTEST"));
    EXPECT_TRUE(app::IdNum.isEmpty()) << "a new list leaves no patient's numbers behind";
    clickRow(list.MSHFlexList, 0);
    EXPECT_EQ(app::IdNum, QStringLiteral("9500001B"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(app::RoomID, QStringLiteral("OPD"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinSearchAdmittedTest, APatientWhoFailsValidationIsReportedInItsOwnWords)
{
    frmSearchAdmitted list;
    list.show();
    search(list, 0, QStringLiteral("ZZTEST"));
    clickRow(list.MSHFlexList, 0);
    ASSERT_EQ(app::IdNum, QStringLiteral("9100001"));

    // The admission goes away while the list still shows it.
    run(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatient WHERE IDNUM = '9100002'"));
    clickRow(list.MSHFlexList, 1);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().kind, Kind::Message);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Notification"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("No Records Found."));
    EXPECT_TRUE(app::IdNum.isEmpty());
    EXPECT_TRUE(app::HospNum.isEmpty());
    EXPECT_TRUE(app::PatientName.isEmpty()) << "nothing of the patient clicked before stays selected";
    EXPECT_TRUE(app::RoomID.isEmpty());
}

} // namespace
