// The request entry: the STAT preset at the server's clock, the entry grid's
// cell rules (duplicates, quantity limits, profiles, STAT letters), the
// details dialog's refusals and OK's reason rule.
#include "RequestsFixture.h"

#include "chart/requests/OrdersModel.h"
#include "chart/requests/frmRemarks.h"
#include "chart/requests/frmRequest.h"
#include "components/clsCurrentuser.h"
#include "server/EmbeddedServer.h"
#include "support/TestDatabase.h"

#include <QListWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace {

using chart::requests::OrdersModel;
using chart::requests::frmRemarks;
using chart::requests::frmRequest;

class RequestEntryTest : public test::RequestsFixture {
protected:
    void SetUp() override
    {
        RequestsFixture::SetUp();
        exec(QStringLiteral("DELETE FROM STATION..tbNurseCommunicationFile WHERE IDNum = ") + q(patient.idNum));
    }

    // The details dialog of the next accepted code: a doctor and Enter.
    void detailsAccepted(const QString& doctor = QStringLiteral("D001"))
    {
        prompts.onDialog([doctor](QDialog& d) {
            auto& details = static_cast<frmRemarks&>(d);
            details.txtRequestingDoctor->setText(doctor);
            if (details.lstSpecimen->count() > 0)
                details.lstSpecimen->setCurrentRow(0);
            details.cmdEnter_Click();
        });
    }
    QString doctor()
    {
        return scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
    }
};

// The preset of one exam at a server clock.
class StatPresetTest : public test::RequestsFixture {
protected:
    QDateTime serverNow;
    std::unique_ptr<components::clsCurrentuser> clockUser;

    void SetUp() override
    {
        RequestsFixture::SetUp();
        serverNow = QDateTime::currentDateTime();
        server::EmbeddedOptions options;
        options.clock = [this] { return serverNow; };
        clockUser = std::make_unique<components::clsCurrentuser>();
        ASSERT_TRUE(clockUser->logIn(test::FreshDatabase(test::Fixture::Demo, options), QStringLiteral("NURSE1"), QStringLiteral("nurse1")));
        app::CurrentUser = clockUser.get();
        app::SQLConnection()->execute(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = '' WHERE LabExamID = 'L007'"));
        app::SQLConnection()->execute(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = 'Y' WHERE LabExamID = 'L001'"));
        app::SQLConnection()->execute(QStringLiteral("UPDATE BUILD_FILE..tbcoLabExam SET Stat = 'N' WHERE LabExamID = 'L010'"));
    }
    void TearDown() override
    {
        app::CurrentUser = user.get();
        RequestsFixture::TearDown();
    }
    // "STAT" or "routine", with the options the nurse may change to.
    QString preset(const QString& exam, const QDateTime& at)
    {
        serverNow = at;
        frmRemarks details;
        details.ExamID = exam;
        details.DeptID = QStringLiteral("LB");
        EXPECT_TRUE(details.Form_Load());
        QString text = details.optStat[1]->isChecked() ? QStringLiteral("STAT") : QStringLiteral("routine");
        if (!details.optStat[0]->isEnabled())
            text += QStringLiteral(" only");
        if (!details.optStat[1]->isEnabled())
            text += QStringLiteral(", no STAT");
        return text;
    }
};

TEST_F(StatPresetTest, FivePmAndSaturdayFollowTheServerClock)
{
    const QDate friday(2026, 12, 4);
    const QDate saturday(2026, 12, 5);
    EXPECT_EQ(preset(QStringLiteral("L007"), QDateTime(friday, QTime(16, 59, 59))), QStringLiteral("routine"));
    EXPECT_EQ(preset(QStringLiteral("L007"), QDateTime(friday, QTime(17, 0, 0))), QStringLiteral("routine"));
    EXPECT_EQ(preset(QStringLiteral("L007"), QDateTime(friday, QTime(17, 0, 1))), QStringLiteral("STAT"));
    EXPECT_EQ(preset(QStringLiteral("L007"), QDateTime(saturday, QTime(8, 0, 0))), QStringLiteral("STAT"));
    // An exam that is always or never STAT ignores both.
    EXPECT_EQ(preset(QStringLiteral("L001"), QDateTime(friday, QTime(9, 0, 0))), QStringLiteral("STAT only"));
    EXPECT_EQ(preset(QStringLiteral("L010"), QDateTime(saturday, QTime(18, 0, 0))), QStringLiteral("routine, no STAT"));
}

TEST_F(StatPresetTest, AmPickUpHoldsRoutineAndGivesThePresetBack)
{
    serverNow = QDateTime(QDate(2026, 12, 4), QTime(18, 0, 0));
    frmRemarks details;
    details.ExamID = QStringLiteral("L007");
    details.DeptID = QStringLiteral("LB");
    ASSERT_TRUE(details.Form_Load());
    ASSERT_TRUE(details.optStat[1]->isChecked());
    details.chkAMPickUp->setChecked(true);
    EXPECT_TRUE(details.optStat[0]->isChecked());
    EXPECT_FALSE(details.optStat[1]->isEnabled());
    details.chkAMPickUp->setChecked(false);
    EXPECT_TRUE(details.optStat[1]->isEnabled());
    EXPECT_TRUE(details.optStat[1]->isChecked()) << "after five the preset is STAT again";
}

TEST_F(RequestEntryTest, DuplicatesInTheGridOrTheOrdersListAreRefusedAndTheRowCleared)
{
    OrdersModel orders;
    orders.append(row(QStringLiteral("XR"), QStringLiteral("X002"), QStringLiteral("CHEST PA AND LATERAL"), "550.00"));
    frmRequest entry(patient, orders);
    entry.setDepartment(QStringLiteral("XR"));
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("Xray Request Entry"));
    detailsAccepted(doctor());
    ASSERT_TRUE(entry.EnterCell(0, frmRequest::ColCode, QStringLiteral("x001"))) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(entry.entryRows().at(0).description, QStringLiteral("CHEST PA"));
    EXPECT_EQ(entry.entryRows().at(0).amount, *db::Decimal::parse(u"350"));

    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColCode, QStringLiteral("X001")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't request the same examination."));
    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColCode, QStringLiteral("X002")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Examination is already in the Orders List."));
    EXPECT_TRUE(entry.entryRows().at(1).code.isEmpty());

    // A pending request of the same exam waits at the department.
    sentRequest(QStringLiteral("XR"), QStringLiteral("X003"), QString(), app::ORStationID);
    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColCode, QStringLiteral("X003")));
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("This examination/item has a pending request.")));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(RequestEntryTest, QuantityLimitsFollowTheExamsOpenQuantity)
{
    OrdersModel orders;
    exec(QStringLiteral("UPDATE BUILD_FILE..tbCoXrayExam SET Isprocedure = 1, Openquantity = 1, MaxQty = NULL WHERE XrayexamID = 'X004'"));
    frmRequest entry(patient, orders);
    entry.setDepartment(QStringLiteral("XR"));
    detailsAccepted(doctor());
    ASSERT_TRUE(entry.EnterCell(0, frmRequest::ColCode, QStringLiteral("X001")));
    EXPECT_FALSE(entry.EnterCell(0, frmRequest::ColQty, QStringLiteral("2")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("You can only enter one(1) as quantity for this procedure."));
    detailsAccepted(doctor());
    ASSERT_TRUE(entry.EnterCell(1, frmRequest::ColCode, QStringLiteral("X010"))); // portable x-ray: up to 5
    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColQty, QStringLiteral("6")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Quantity should be > 0 and <= 5."));
    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColQty, QStringLiteral("0")));
    ASSERT_TRUE(entry.EnterCell(1, frmRequest::ColQty, QStringLiteral("3")));
    EXPECT_EQ(entry.entryRows().at(1).amount, *db::Decimal::parse(u"2700")); // 3 x 900
    // Open quantity without a maximum still means one.
    detailsAccepted(doctor());
    ASSERT_TRUE(entry.EnterCell(2, frmRequest::ColCode, QStringLiteral("X004")));
    EXPECT_FALSE(entry.EnterCell(2, frmRequest::ColQty, QStringLiteral("2")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("You can only enter one(1) as quantity for this procedure."));

    EXPECT_FALSE(entry.EnterCell(1, frmRequest::ColStat, QStringLiteral("X")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter Y (STAT) or N (Routine)."));
    EXPECT_TRUE(entry.EnterCell(1, frmRequest::ColStat, QStringLiteral("y")));
    EXPECT_EQ(entry.entryRows().at(1).stat, QStringLiteral("Y"));
    EXPECT_TRUE(entry.EnterCell(1, frmRequest::ColRemarks, QStringLiteral("left\r\nside, patient's bed")));
    EXPECT_EQ(entry.entryRows().at(1).remarks, QStringLiteral("LEFT  SIDE, PATIENTS BED"));
}

TEST_F(RequestEntryTest, ProfilesAndTheirExamsExcludeEachOther)
{
    const db::Recordset profile = conn().open(QStringLiteral("SELECT TOP 1 P.ProfileID, P.ExamID, E.LabExam AS ExamName, F.LabExam AS ProfileName "
                                                             "FROM BUILD_FILE..tbCoLabProfile P JOIN BUILD_FILE..tbcoLabExam E ON E.LabExamID = P.ExamID "
                                                             "JOIN BUILD_FILE..tbcoLabExam F ON F.LabExamID = P.ProfileID ORDER BY P.ProfileID, P.ExamID"));
    ASSERT_FALSE(profile.eof()) << "the demo has laboratory profiles";
    const QString profileId = profile.text(QStringLiteral("ProfileID")).trimmed();
    const QString examId = profile.text(QStringLiteral("ExamID")).trimmed();
    OrdersModel orders;
    orders.append(row(QStringLiteral("LB"), examId, profile.text(QStringLiteral("ExamName")).trimmed(), "100.00"));
    frmRequest entry(patient, orders);
    entry.setDepartment(QStringLiteral("LB"));
    EXPECT_FALSE(entry.EnterCell(0, frmRequest::ColCode, profileId));
    EXPECT_EQ(prompts.last().text, QStringLiteral("The Exam ") + profile.text(QStringLiteral("ExamName")).trimmed()
                                       + QStringLiteral(" in the ORDER LIST is included in this Profile(")
                                       + profile.text(QStringLiteral("ProfileName")).trimmed() + QStringLiteral(")"));

    OrdersModel empty;
    frmRequest second(patient, empty);
    second.setDepartment(QStringLiteral("LB"));
    detailsAccepted(doctor());
    ASSERT_TRUE(second.EnterCell(0, frmRequest::ColCode, profileId)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_GT(second.mshflexProfileList->rowCount(), 0);
    EXPECT_FALSE(second.EnterCell(1, frmRequest::ColCode, examId));
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("This Exam ")));
}

TEST_F(RequestEntryTest, DetailsRefuseUntilComplete)
{
    frmRemarks details;
    details.ExamID = QStringLiteral("X001");
    details.DeptID = QStringLiteral("XR");
    ASSERT_TRUE(details.Form_Load());
    details.cmdEnter_Click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter name of requesting Doctor."));
    details.txtRequestingDoctor->setText(QStringLiteral("NO SUCH"));
    details.cmdEnter_Click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Doctor code does not exist."));
    app::Hospital().blnRequireRadioReason = true;
    details.txtRequestingDoctor->setText(doctor());
    details.cmdEnter_Click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter reason of procedure."));
    details.txtReason->setText(QStringLiteral("R/O PNEUMONIA"));
    details.optStat[1]->setChecked(true);
    details.cmdEnter_Click();
    EXPECT_EQ(details.result(), QDialog::Accepted);
    EXPECT_EQ(details.row.stat, QStringLiteral("Y"));
    EXPECT_EQ(details.row.reason, QStringLiteral("R/O PNEUMONIA"));
    EXPECT_EQ(details.row.doctorId, doctor());

    frmRemarks lab;
    lab.ExamID = QStringLiteral("L001");
    lab.DeptID = QStringLiteral("LB");
    ASSERT_TRUE(lab.Form_Load());
    if (lab.lstSpecimen->count() > 1) {
        lab.txtRequestingDoctor->setText(doctor());
        lab.cmdEnter_Click();
        EXPECT_EQ(prompts.last().text, QStringLiteral("Please select specimen."));
    }
}

TEST_F(RequestEntryTest, OkAsksTheRadiologyReasonAndDeleteAsksFirst)
{
    OrdersModel orders;
    frmRequest entry(patient, orders);
    entry.setDepartment(QStringLiteral("US"));
    entry.cmdOption_Click(2);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Row cannot be deleted because there are no entries yet."));
    detailsAccepted(doctor());
    ASSERT_TRUE(entry.EnterCell(0, frmRequest::ColCode, QStringLiteral("U001")));
    app::Hospital().clientname = QStringLiteral("TALB");
    entry.cmdOption_Click(0);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter reason of procedure: WHOLE ABDOMEN ULTRASOUND  ."));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(entry.acceptedRows().empty());
    ASSERT_TRUE(entry.EnterCell(0, frmRequest::ColReason, QStringLiteral("RUQ PAIN")));
    entry.cmdOption_Click(0);
    ASSERT_EQ(entry.acceptedRows().size(), 1u);
    EXPECT_EQ(entry.acceptedRows().front().reason, QStringLiteral("RUQ PAIN"));

    prompts.answer(false);
    entry.cmdOption_Click(2);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure to delete the request?"));
    EXPECT_EQ(entry.entryRows().front().code, QStringLiteral("U001"));
}

} // namespace
