// The patient index: a patient found by hospital number or by name, the
// particulars, admissions and visits, operations and posted procedures;
// selection; the guideline; the toolbar's "Operation" button.

#include "patients/PatientListSupport.h"
#include "patients/PatientSelection.h"
#include "patients/RecordTable.h"
#include "patients/frmPatientIndex.h"
#include "shell/PictureMdiArea.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>

namespace {

using patients::frmPatientIndex;

class TwinPatientIndexTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral("ANNA"), QStringLiteral("CRUZ"));
        run(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET Sex = 'F', BirthDate = '1980-03-15', BloodType = 'O+' "
                           "WHERE HOSPNUM = '9000001'"));
        addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), {now.addDays(-10), now.addDays(-5)});
        addVisit(QStringLiteral("9500001B"), QStringLiteral("9000001"), now.addSecs(-3600));
        addPerson(QStringLiteral("9000002"), QStringLiteral("ZZTEST"), QStringLiteral("BRUNO"), QStringLiteral("DIAZ"));
        addAdmission(QStringLiteral("9100002"), QStringLiteral("9000002"), {now.addDays(-1)});

        run(QStringLiteral("INSERT INTO STATION..tbORMasterFile (IDNUM, HospNum, PatientType, ProcedureID, Procedures, RoomName, "
                           "SurgeonID1, AnestheID, OperationDate) VALUES ('9100001', '9000001', 'I', 'P001', 'APPENDECTOMY', "
                           "'OR 1', '1006', '1015', %1)")
                .arg(stamp(now.addDays(-9))));
        // An appendectomy, the room fee (a charge, not a procedure), a hernia
        // repair taken back, and a circumcision on the later visit.
        charge("tbBillDailyBill", "9100001", "ZZ1", "P001", "APPENDECTOMY", "D", now.addDays(-9));
        charge("tbBillDailyBill", "9100001", "ZZ1", "R001", "OR ROOM FEE, FIRST HOUR", "D", now.addDays(-9));
        charge("tbBillDailyBill", "9100001", "ZZ2", "P005", "HERNIORRHAPHY, INGUINAL", "D", now.addDays(-8));
        charge("tbBillDailyBill", "9100001", "ZZ2", "P005", "HERNIORRHAPHY, INGUINAL", "C", now.addDays(-8));
        charge("tbBillOPDailyOut", "9500001B", "ZZ3", "P042", "CIRCUMCISION", "D", now.addSecs(-1800));
    }

    void charge(const char* table, const char* idNum, const char* refNum, const char* code, const char* name,
                const char* type, const QDateTime& when)
    {
        run(QStringLiteral("INSERT INTO BILLING..%1 (IDNum, HospNum, RefNum, ItemID, RevenueID, Description, TransDate, Quantity, "
                           "Amount, TransType, DoctorID) VALUES (%2, '9000001', %3, %4, 'OR', %5, %6, 1, 1500, %7, '1006')")
                .arg(QLatin1String(table), q(QLatin1String(idNum)), q(QLatin1String(refNum)), q(QLatin1String(code)),
                     q(QLatin1String(name)), stamp(when), q(QLatin1String(type))));
    }

    static void enter(frmPatientIndex& index, const QString& text)
    {
        index.txtHospNum->clear();
        test::keyClicks(index.txtHospNum, text);
        test::keyClick(index.txtHospNum, Qt::Key_Return);
    }

    static QStringList column(const patients::RecordTable* table, const QString& field)
    {
        QStringList out;
        for (int row = 0; row < table->rowCount(); ++row)
            out << table->text(row, field);
        return out;
    }
};

TEST_F(TwinPatientIndexTest, AHospitalNumberShowsThePatientAndTheRecords)
{
    frmPatientIndex index;
    index.show();
    enter(index, QStringLiteral("9000001"));

    EXPECT_EQ(index.lblPatientName->text(), QStringLiteral("ZZTEST, ANNA CRUZ"));
    EXPECT_EQ(index.lblSex->text(), QStringLiteral("FEMALE"));
    EXPECT_EQ(index.lblBirthDate->text(), QStringLiteral("03/15/1980"));
    EXPECT_EQ(index.lblBloodType->text(), QStringLiteral("O+"));
    EXPECT_EQ(index.lblHouseStreet->text(), QStringLiteral("12 RIZAL ST."));
    EXPECT_EQ(index.lblBarangay->text(), QStringLiteral("SAN JOSE"));
    EXPECT_EQ(index.lblTown->text(), QStringLiteral("ANGELES CITY"));
    EXPECT_EQ(index.lblProvince->text(), QStringLiteral("PAMPANGA"));

    // Latest stay first.
    EXPECT_EQ(listed(index.MSHFlexList), (QStringList{QStringLiteral("9500001B"), QStringLiteral("9100001")}));
    EXPECT_EQ(column(index.grdOperations, QStringLiteral("Procedure")), QStringList{QStringLiteral("APPENDECTOMY")});
    EXPECT_EQ(column(index.grdOperations, QStringLiteral("RoomName")), QStringList{QStringLiteral("OR 1")});
    EXPECT_FALSE(index.grdOperations->text(0, QStringLiteral("Surgeon")).trimmed().isEmpty());
    // Procedures only, not taken back, over the admission and the visit.
    EXPECT_EQ(column(index.grdPostedProcedures, QStringLiteral("Code")), (QStringList{QStringLiteral("P042"), QStringLiteral("P001")}));
    EXPECT_EQ(column(index.grdPostedProcedures, QStringLiteral("IdNum")),
              (QStringList{QStringLiteral("9500001B"), QStringLiteral("9100001")}));
    EXPECT_EQ(index.tabRecords->tabText(0), QStringLiteral("Clinical Operations (1)"));
    EXPECT_EQ(index.tabRecords->tabText(1), QStringLiteral("Posted Procedures (2)"));

    // Opening an operation record or a CF4 entry is not possible from here yet.
    EXPECT_FALSE(index.cmdOperationRecord->isEnabled());
    EXPECT_FALSE(index.cmdCF4->isEnabled());
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinPatientIndexTest, ANameListsThePatientsSoNamedAndTheRecordsFollowTheRow)
{
    frmPatientIndex index;
    index.show();
    enter(index, QStringLiteral("zztest, anna"));
    EXPECT_EQ(listed(index.MSHFlexList), (QStringList{QStringLiteral("9500001B"), QStringLiteral("9100001")}));
    EXPECT_EQ(index.lblPatientName->text(), QStringLiteral("ZZTEST, ANNA CRUZ"));

    enter(index, QStringLiteral("ZZTEST"));
    EXPECT_EQ(listed(index.MSHFlexList),
              (QStringList{QStringLiteral("9500001B"), QStringLiteral("9100001"), QStringLiteral("9100002")}));
    EXPECT_EQ(index.shownHospNum(), QStringLiteral("9000001"));
    index.MSHFlexList->setCurrentRow(2);
    EXPECT_EQ(index.shownHospNum(), QStringLiteral("9000002"));
    EXPECT_EQ(index.lblPatientName->text(), QStringLiteral("ZZTEST, BRUNO DIAZ"));
    EXPECT_EQ(index.grdOperations->rowCount(), 0);
    EXPECT_EQ(index.tabRecords->tabText(1), QStringLiteral("Posted Procedures (0)"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    // Nobody of that name, and a number nobody has.
    for (const QString& text : {QStringLiteral("ZZNOBODY, X"), QStringLiteral("123")}) {
        SCOPED_TRACE(qPrintable(text));
        prompts.clear();
        enter(index, text);
        EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: No records found.")});
        EXPECT_TRUE(listed(index.MSHFlexList).isEmpty());
        EXPECT_TRUE(index.lblPatientName->text().isEmpty());
        EXPECT_EQ(index.grdPostedProcedures->rowCount(), 0);
    }
}

TEST_F(TwinPatientIndexTest, TheGuidelineShowsWhileTheBoxHasTheFocus)
{
    frmPatientIndex index;
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(index.txtHospNum, &in);
    EXPECT_EQ(index.lblGuideline->text(),
              QStringLiteral("Guideline: Enter hospital # or type in the name of the patient (Lastname, FirstName, MiddleName) "
                             "then press enter to continue..."));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(index.txtHospNum, &out);
    EXPECT_TRUE(index.lblGuideline->text().isEmpty());
}

TEST_F(TwinPatientIndexTest, ClickingAStaySelectsItAsAnInPatientOrAnOutPatient)
{
    frmPatientIndex index;
    index.show();
    enter(index, QStringLiteral("9000001"));
    clickRow(index.MSHFlexList, 0);
    EXPECT_EQ(app::IdNum, QStringLiteral("9500001B"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(app::RoomID, QStringLiteral("OPD"));
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, ANNA CRUZ"));

    clickRow(index.MSHFlexList, 1);
    EXPECT_EQ(app::IdNum, QStringLiteral("9100001"));
    EXPECT_EQ(app::PatientType, QStringLiteral("I"));
    EXPECT_EQ(app::RoomID, QStringLiteral("201"));
    EXPECT_EQ(app::SelectedRow, 2);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(TwinPatientIndexTest, TheToolbarOpensItOnTheSelectedPatientForThoseWithTheRight)
{
    auto window = std::make_unique<shell::mdiORMenu>();
    window->show();
    patients::PatientSelection selection;
    ASSERT_TRUE(selection.Select(QStringLiteral("9000002"), QStringLiteral("9100002"), QStringLiteral("I"), 1));
    QAction* operation = window->findChild<QAction*>(QStringLiteral("Toolbar1_Operation"));
    ASSERT_NE(operation, nullptr);
    EXPECT_TRUE(operation->isEnabled());

    operation->trigger();
    auto* index = qobject_cast<frmPatientIndex*>(window->mdiArea->activeSubWindow() ? window->mdiArea->activeSubWindow()->widget()
                                                                                      : nullptr);
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->txtHospNum->text(), QStringLiteral("9000002"));
    EXPECT_EQ(index->lblPatientName->text(), QStringLiteral("ZZTEST, BRUNO DIAZ"));
    EXPECT_EQ(listed(index->MSHFlexList), QStringList{QStringLiteral("9100002")});
    EXPECT_EQ(app::IdNum, QStringLiteral("9100002")) << "opening the index leaves the selected patient selected";
    EXPECT_EQ(app::PatientName, QStringLiteral("ZZTEST, BRUNO DIAZ"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));

    // Without right 25 the button refuses.
    run(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|3|10|11|36|' WHERE EmployeeID = 'NURSE1'"));
    const qsizetype open = window->mdiArea->subWindowList().size();
    operation->trigger();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, you don't have access right on Clinical Operation.")});
    EXPECT_EQ(window->mdiArea->subWindowList().size(), open);
}

} // namespace
