// The station patient list's filters: the kind of patient, the three search
// boxes, the admission dates, the station procedures, and the empty list.

#include "patients/PatientListSupport.h"
#include "patients/frmSearch.h"
#include "shell/fields/PeriodCheck.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using patients::frmSearch;

class PatientListFilterTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        // Two still in; one discharged last night; one discharged long ago; one billed while still in.
        addPerson(QStringLiteral("9000001"), QStringLiteral("ZZTEST"), QStringLiteral("ANNA"), QStringLiteral("CRUZ"));
        addAdmission(QStringLiteral("9100001"), QStringLiteral("9000001"), {now.addDays(-3)});
        addPerson(QStringLiteral("9000002"), QStringLiteral("ZZTEST"), QStringLiteral("BRUNO"), QStringLiteral("DIAZ"));
        addAdmission(QStringLiteral("9100002"), QStringLiteral("9000002"), {now.addDays(-5)});
        addPerson(QStringLiteral("9000006"), QStringLiteral("ZZTEST"), QStringLiteral("EMIL"), QStringLiteral("GO"));
        addAdmission(QStringLiteral("9100005"), QStringLiteral("9000006"),
                     {now.addDays(-10), QDateTime(now.date().addDays(-1), QTime(20, 0))});
        addPerson(QStringLiteral("9000003"), QStringLiteral("ZZTESTER"), QStringLiteral("CARLO"), QStringLiteral("EBRO"));
        addAdmission(QStringLiteral("9100003"), QStringLiteral("9000003"),
                     {QDateTime(QDate(2020, 1, 15), QTime(10, 0)), QDateTime(QDate(2020, 1, 20), QTime(10, 0)),
                      QDateTime(QDate(2020, 1, 20), QTime(12, 0))});
        addAdmission(QStringLiteral("9100004"), QStringLiteral("9000003"), {now.addDays(-1), {}, now.addSecs(-600)});
        // Visits: an out-patient today, an ER patient today, a revoked visit, a visit closed last month.
        addPerson(QStringLiteral("9000005"), QStringLiteral("ZZTEST"), QStringLiteral("DINA"), QStringLiteral("FLORES"));
        addVisit(QStringLiteral("9500001B"), QStringLiteral("9000005"), now.addSecs(-3600));
        addVisit(QStringLiteral("9500002B"), QStringLiteral("9000005"), now.addSecs(-7200), QStringLiteral("ER999001"), QStringLiteral("E"));
        addVisit(QStringLiteral("9500003B"), QStringLiteral("9000005"), now.addSecs(-5400), QString(), QStringLiteral("R"));
        addVisit(QStringLiteral("9500004B"), QStringLiteral("9000005"), now.addDays(-30));
        run(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET DCRDATE = %1 WHERE IDNUM = '9500004B'").arg(stamp(now.addDays(-30).addSecs(3600))));
    }

    void search(frmSearch& list, int kind, const QString& last, const QString& first = QString(), const QString& number = QString())
    {
        list.optPatientType[static_cast<size_t>(kind)]->click();
        const QString texts[] = {last, first, number};
        for (int i = 0; i < 3; ++i) {
            list.txtSearch[static_cast<size_t>(i)]->clear();
            test::keyClicks(list.txtSearch[static_cast<size_t>(i)], texts[i]);
        }
        list.Command1->click();
    }
};

TEST_F(PatientListFilterTest, EachKindListsItsOwnPatientsStillInTheHospital)
{
    frmSearch list;
    search(list, 0, QStringLiteral("ZZTEST"));
    EXPECT_EQ(app::PatientType, QStringLiteral("I"));
    EXPECT_EQ(listed(list.MSHFlexList), (QStringList{"9100001", "9100002", "9100004"}))
        << "in-patients by name; the patients discharged last night and in 2020 are not listed";

    search(list, 1, QStringLiteral("ZZTEST"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9500001B"}) << "no ER visit, no revoked visit, no visit closed last month";
    // The same patient's visit closed last month is there when its day is asked for.
    list.dtpStartDate->setDate(now.date().addDays(-30));
    list.dtpEndDate->setDate(now.date().addDays(-30));
    list.cmdAdmDate->click();
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9500004B"});
    list.cmdAdmDate->click();

    search(list, 2, QStringLiteral("ZZTEST"));
    EXPECT_EQ(app::PatientType, QStringLiteral("O"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9500002B"});

    // Without a search text the whole house is listed, our patients among the demo's.
    search(list, 0, QString());
    const QStringList all = listed(list.MSHFlexList);
    EXPECT_GT(all.size(), 50);
    EXPECT_TRUE(all.contains(QStringLiteral("9100001")));
    EXPECT_FALSE(all.contains(QStringLiteral("9100003")));
}

TEST_F(PatientListFilterTest, SearchBoxesNarrowByLastNameFirstNameAndNumber)
{
    frmSearch list;
    // Typed in lower case: the boxes keep capitals. The last name is a prefix.
    search(list, 0, QStringLiteral("zztester"));
    EXPECT_EQ(list.txtSearch[0]->text(), QStringLiteral("ZZTESTER"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100004"});

    search(list, 0, QStringLiteral("ZZTEST"), QStringLiteral("BRU"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100002"});

    search(list, 0, QString(), QString(), QStringLiteral("9000001"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100001"}) << "by hospital number";
    search(list, 0, QString(), QString(), QStringLiteral("9100002"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100002"}) << "by admission number";
    search(list, 1, QString(), QString(), QStringLiteral("9500001B"));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9500001B"});

    // A quote in a name is a name, not part of the statement: the demo's O'BRIENs are found.
    search(list, 0, QStringLiteral("O'BRIEN"));
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    const patients::PatientListModel* model = list.listModel();
    ASSERT_GT(model->recordCount(), 0);
    for (int row = 0; row < model->recordCount(); ++row)
        EXPECT_TRUE(model->text(row, patients::PatientListModel::PatientName).startsWith(QStringLiteral("O'BRIEN, ")));

    // Refresh forgets the search.
    list.Command2->click();
    EXPECT_TRUE(list.txtSearch[0]->text().isEmpty());
    EXPECT_GT(listed(list.MSHFlexList).size(), 50);
}

TEST_F(PatientListFilterTest, AdmissionDatesListEveryStayAdmittedOnThoseDays)
{
    frmSearch list;
    list.dtpStartDate->setDate(QDate(2020, 1, 15));
    list.dtpEndDate->setDate(QDate(2020, 1, 15));
    EXPECT_FALSE(list.dtpStartDate->isEnabled());
    list.cmdAdmDate->click();
    EXPECT_TRUE(list.dtpStartDate->isEnabled());
    EXPECT_TRUE(list.ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList_by_AdmDate 'A','','','','01/15/2020','01/15/2020'")));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100003"}) << "the discharged stay of 2020, and nothing else that day";

    // The range takes both ends whole.
    list.dtpStartDate->setDate(now.date().addDays(-5));
    list.dtpEndDate->setDate(now.date().addDays(-3));
    test::keyClicks(list.txtSearch[0], QStringLiteral("ZZTEST"));
    list.Command1->click();
    EXPECT_EQ(listed(list.MSHFlexList), (QStringList{"9100001", "9100002"}));

    list.cmdAdmDate->click();
    EXPECT_FALSE(list.dtpStartDate->isEnabled());
    EXPECT_EQ(listed(list.MSHFlexList), (QStringList{"9100001", "9100002", "9100004"}));
}

TEST_F(PatientListFilterTest, StationsOR1AndOR2UseTheirOwnProceduresAndOtherStationsTheGeneralOne)
{
    // Anna is booked into room 1 (given to no station: the main operating
    // room's); Bruno into room 9, given to the delivery room complex (OR2);
    // the ER patient had a request sent from OR2.
    run(QStringLiteral("UPDATE SCHEDULE..tbORRoom SET ORStationID = 'OR2' WHERE RoomID = 9"));
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, RoomID, StartTime, RecordStatus) "
                       "VALUES ('9100001', '9000001', 1, %1, 'C')").arg(stamp(now.addDays(1))));
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, RoomID, StartTime, RecordStatus) "
                       "VALUES ('9100002', '9000002', 9, %1, 'C')").arg(stamp(now.addDays(1))));
    // A revoked booking does not make the patient the station's.
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, HospNum, RoomID, StartTime, RecordStatus) "
                       "VALUES ('9100004', '9000003', 9, %1, 'R')").arg(stamp(now.addDays(1))));
    run(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (IDNum, StationID, RecordStatus) VALUES ('9500002B', 'OR2', '')"));
    setStations(true);

    frmSearch list;
    test::keyClicks(list.txtSearch[0], QStringLiteral("ZZTEST"));
    const auto show = [&](const QString& id, const QString& name) {
        app::ORStationID = id;
        app::ORStationName = name;
        list.Reload_Station();
    };

    show(QStringLiteral("OR1"), QStringLiteral("MAIN OPERATING ROOM"));
    EXPECT_TRUE(list.ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList_by_OR1Station 'A','ZZTEST','','', 'OR1'")));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100001"});
    EXPECT_TRUE(list.lblORStation->text().contains(QStringLiteral("MAIN OPERATING ROOM")));

    show(QStringLiteral("OR2"), QStringLiteral("DELIVERY ROOM COMPLEX"));
    EXPECT_TRUE(list.ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList_by_OR2Station ")));
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100002"});
    list.optPatientType[2]->click();
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9500002B"}) << "a request from the station counts";
    list.optPatientType[0]->click();

    // Any other station sees the whole house.
    for (const char* other : {"29", "ICU", "OR3"}) {
        show(QLatin1String(other), QStringLiteral("OTHER"));
        EXPECT_TRUE(list.ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList 'A'"))) << other;
        EXPECT_EQ(listed(list.MSHFlexList), (QStringList{"9100001", "9100002", "9100004"})) << other;
    }

    // With stations switched off, OR1 is no different from any station.
    setStations(false);
    show(QStringLiteral("OR1"), QStringLiteral("MAIN OPERATING ROOM"));
    EXPECT_TRUE(list.ListStatement().startsWith(QStringLiteral("STATION..sp_Get_OR_PatientList 'A'")));
    EXPECT_EQ(listed(list.MSHFlexList).size(), 3);
}

TEST_F(PatientListFilterTest, AnEmptyResultKeepsTwoGridRowsAndCountsThem)
{
    frmSearch list;
    list.show();
    test::keyClicks(list.txtSearch[0], QStringLiteral("NOSUCHPATIENTNAME"));
    test::keyClick(list.txtSearch[0], Qt::Key_Return);
    EXPECT_EQ(list.MSHFlexList->Rows(), 2) << "the heading and one blank row";
    EXPECT_EQ(list.listModel()->rowCount(), 1);
    EXPECT_EQ(list.listModel()->text(0, patients::PatientListModel::HospitalNumber), QString());
    EXPECT_EQ(list.lblRecNum->text(), QStringLiteral("1  out of  1"));
    auto* empty = list.MSHFlexList->findChild<QLabel*>(QStringLiteral("lblEmptyList"));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->text(), QStringLiteral("No records found."));

    // With rows, the counter follows the current row.
    list.Command2->click();
    EXPECT_FALSE(empty->isVisible());
    const int rows = list.listModel()->recordCount();
    EXPECT_EQ(list.lblRecNum->text(), QStringLiteral("1  out of  %1").arg(rows));
    list.MSHFlexList->setFocus();
    test::keyClick(list.MSHFlexList, Qt::Key_Down);
    test::keyClick(list.MSHFlexList, Qt::Key_Down);
    EXPECT_EQ(list.lblRecNum->text(), QStringLiteral("3  out of  %1").arg(rows));
    EXPECT_EQ(list.MSHFlexList->Rows(), rows + 1);
}

} // namespace

namespace {

TEST_F(PatientListFilterTest, AdmissionDatesTypedOverTheSelectionAreTakenWholeAndInOrder)
{
    frmSearch list;
    list.cmdAdmDate->click();
    const auto typeOver = [](QDateEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    };
    // The boxes are the station's date fields (their typing rules are tested
    // with the fields): dates typed over the selection are taken whole.
    typeOver(list.dtpStartDate, QStringLiteral("01152020"));
    typeOver(list.dtpEndDate, QStringLiteral("01/15/2020"));
    EXPECT_EQ(list.dtpStartDate->date(), QDate(2020, 1, 15));
    EXPECT_EQ(list.dtpEndDate->date(), QDate(2020, 1, 15));
    list.Command1->click();
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100003"});

    // A range that ends before it starts is refused and the list stays as it was.
    typeOver(list.dtpStartDate, QStringLiteral("01/16/2020"));
    prompts.clear();
    list.Command1->click();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: ") + shell::PeriodOrderMessage()});
    EXPECT_EQ(listed(list.MSHFlexList), QStringList{"9100003"});
}

} // namespace
