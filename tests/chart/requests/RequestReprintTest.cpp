// Request-form reprints: they rebuild the form rows from the stored
// requests, never change a request, write nothing when nothing is ticked, and
// carry the title of their department.
#include "RequestsFixture.h"

#include "chart/requests/frmPrintRequestForm.h"
#include "chart/requests/frmReprintLabForm.h"
#include "chart/requests/frmRequestReprint.h"
#include "reports/Report.h"

#include <QTableWidget>

namespace {

using namespace chart::requests;

class RequestReprintTest : public test::RequestsFixture {
protected:
    void SetUp() override
    {
        RequestsFixture::SetUp();
        reports::SetViewerFactory([this](const reports::ViewerRequest& request) { shown.push_back(request.title); });
        exec(QStringLiteral("DELETE FROM LABORATORY..tbLabRequestForm"));
    }
    void TearDown() override
    {
        reports::SetViewerFactory({});
        RequestsFixture::TearDown();
    }
    int formRows() { return count(QStringLiteral("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm")); }
    QString requests()
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile")) + QLatin1Char('/')
               + scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseCommunicationFile WHERE RecordStatus = ''"));
    }
    QStringList shown;
};

TEST_F(RequestReprintTest, TheTickedLaboratoryExamsAreRebuiltAndPrinted)
{
    sentRequest(QStringLiteral("LB"), QStringLiteral("L001"), QString(), app::ORStationID);
    sentRequest(QStringLiteral("LB"), QStringLiteral("L010"), QStringLiteral("X"), app::ORStationID);
    sentRequest(QStringLiteral("LB"), QStringLiteral("L013"), QStringLiteral("R"), app::ORStationID);
    exec(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET Stat = 'Y', TransplantID = '1', DialysisID = '2' WHERE RequestNum = 'T1'"));
    frmReprintLabForm form(patient);
    ASSERT_TRUE(form.Form_Load());
    EXPECT_EQ(form.lblCaption->text(), QStringLiteral("List of Requested Laboratory Exams - ") + patient.name);
    // Revoked requests are not offered.
    const int listed = form.mshflexLabList->rowCount();
    EXPECT_GE(listed, 2);
    for (int row = 0; row < listed; ++row)
        EXPECT_NE(form.mshflexLabList->item(row, 1)->text(), QStringLiteral("L013"));

    const QString before = requests();
    EXPECT_FALSE(form.cmdPrint_Click());
    EXPECT_EQ(prompts.last().text, QStringLiteral("No laboratory exams was selected."));
    EXPECT_EQ(formRows(), 0);

    int tickedRow = -1;
    for (int row = 0; row < listed; ++row)
        if (form.mshflexLabList->item(row, 8)->text() == QLatin1String("T1"))
            tickedRow = row;
    ASSERT_GE(tickedRow, 0);
    form.setTicked(tickedRow, true);
    signAs();
    ASSERT_TRUE(form.cmdPrint_Click()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(formRows(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Transplant + '/' + Dialysis + '/' + Stat FROM LABORATORY..tbLabRequestForm")),
              QStringLiteral("Transplant/Post-Dialysis/Y"));
    EXPECT_EQ(shown, QStringList{QStringLiteral("REPRINT LABORATORY REQUEST FORM")});
    EXPECT_EQ(requests(), before) << "a reprint never changes a request";
}

TEST_F(RequestReprintTest, UnsignedReprintWritesNothing)
{
    sentRequest(QStringLiteral("LB"), QStringLiteral("L001"), QString(), app::ORStationID);
    frmReprintLabForm form(patient);
    ASSERT_TRUE(form.Form_Load());
    form.setTicked(0, true);
    prompts.onDialog([](QDialog& d) { d.reject(); });
    prompts.answer(false);
    EXPECT_FALSE(form.cmdPrint_Click());
    EXPECT_EQ(formRows(), 0);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(RequestReprintTest, ChargedExamsListAndPrintFromTheirSlips)
{
    const QString number = sentRequest(QStringLiteral("LB"), QStringLiteral("L001"), QString(), app::ORStationID);
    exec(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET ChargeSlip = 'LB00000077', ChargeDate = '2026-01-02 08:05:00' WHERE RequestNum = ") + q(number));
    frmReprintLabFormQORV form(patient);
    ASSERT_TRUE(form.Form_Load());
    ASSERT_EQ(form.mshflexLabList->rowCount(), 1);
    EXPECT_EQ(form.mshflexLabList->item(0, 3)->text(), QStringLiteral("LB00000077"));

    frmPrintRequestForm print(patient);
    signAs();
    ASSERT_TRUE(print.Print()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(formRows(), 1);
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(RequestReprintTest, PharmacyAndCentralSupplyCarryTheirOwnTitle)
{
    for (const char* dept : {"PH", "CS"}) {
        exec(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, RevenueID, ItemID, Description, Quantity, Frequency, "
                            "RequestDate, UserID, StationID, RecordStatus) VALUES ('%1-9', %2, '%1', 'I1', 'ITEM ONE', 2, 'TID', '2026-01-02 08:00', "
                            "'NURSE1', '29', ''), ('%1-9', %2, '%1', 'I2', 'ITEM TWO', 1, '', '2026-01-02 08:00', 'NURSE1', '29', '')")
                 .arg(QLatin1String(dept), q(patient.idNum)));
        frmRequestReprint form(patient);
        form.RevenueID = QLatin1String(dept);
        ASSERT_TRUE(form.Form_Load());
        EXPECT_FALSE(form.cmdPrint_Click());
        EXPECT_EQ(prompts.last().text, QStringLiteral("Please select request transaction to reprint."));
        int row = -1;
        for (int r = 0; r < form.mshPerTransaction->rowCount(); ++r)
            if (form.mshPerTransaction->item(r, 3)->text() == QLatin1String("2"))
                row = r;
        ASSERT_GE(row, 0);
        form.mshPerTransaction->setCurrentCell(row, 0);
        EXPECT_EQ(form.mshDetailed->rowCount(), 2);
        signAs();
        ASSERT_TRUE(form.cmdPrint_Click()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("PHARMACY REQUEST FORM"), QStringLiteral("CENTRAL SUPPLIES REQUEST FORM")}));
}

} // namespace
