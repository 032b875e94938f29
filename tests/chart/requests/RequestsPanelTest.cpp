// The chart's requests page as the nurse uses it: picking exams from the
// department lists, sending them, seeing where they stand and revoking one.
#include "RequestsFixture.h"

#include "chart/requests/DepartmentLists.h"
#include "chart/requests/OrdersModel.h"
#include "chart/requests/RequestsPanel.h"
#include "chart/requests/frmRemarks.h"
#include "reports/Report.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

namespace {

using namespace chart::requests;

class RequestsPanelTest : public test::RequestsFixture {
protected:
    void SetUp() override
    {
        RequestsFixture::SetUp();
        reports::SetViewerFactory([](const reports::ViewerRequest&) {});
        doctor = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
        panel.loadPatient(patient);
    }
    void TearDown() override
    {
        reports::SetViewerFactory({});
        RequestsFixture::TearDown();
    }
    // Clicks the list row of the exam; the details dialog is filled and entered.
    void pick(QListWidget* list, const QString& code, bool stat = false)
    {
        for (int i = 0; i < list->count(); ++i) {
            if (ParseListRow(list->item(i)->text()).code != code)
                continue;
            list->setCurrentRow(i);
            prompts.onDialog([this, stat](QDialog& d) {
                auto& details = static_cast<frmRemarks&>(d);
                details.txtRequestingDoctor->setText(doctor);
                if (details.lstSpecimen->count() > 0)
                    details.lstSpecimen->setCurrentRow(0);
                details.optStat[stat ? 1 : 0]->setChecked(true);
                details.cmdEnter_Click();
            });
            panel.lstList_Click(list);
            return;
        }
        ADD_FAILURE() << "no list row for " << qPrintable(code);
    }
    int rowOf(const QString& item)
    {
        for (int r = 0; r < panel.mshflexProcessed->rowCount(); ++r)
            if (panel.mshflexProcessed->item(r, 4)->text() == item)
                return r;
        return -1;
    }

    RequestsPanel panel;
    QString doctor;
};

TEST_F(RequestsPanelTest, ListRowsKeepTheirFixedColumns)
{
    const ListedExam exam{QStringLiteral("COMPLETE BLOOD COUNT"), QStringLiteral("LB"), QStringLiteral("HE"), QStringLiteral("L001")};
    const QString text = ListRowText(exam);
    EXPECT_EQ(text.mid(50, 2), QStringLiteral("LB"));
    EXPECT_EQ(text.mid(55, 4), QStringLiteral("L001"));
    const ListedExam back = ParseListRow(text);
    EXPECT_EQ(back.name, exam.name);
    EXPECT_EQ(back.section, exam.section);
    EXPECT_GT(panel.lstListLaboratory->count(), 0);
    EXPECT_GT(panel.lstListOthers->count(), 0);
}

TEST_F(RequestsPanelTest, PickSendSeeAndRevoke)
{
    EXPECT_FALSE(panel.hasUnsavedChanges());
    pick(panel.lstListLaboratory, QStringLiteral("L001"), true);
    pick(panel.lstListXray, QStringLiteral("X001"));
    ASSERT_EQ(panel.orders().rowCount(), 2) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(panel.orders().rows().at(0).stat, QStringLiteral("Y"));
    EXPECT_EQ(panel.orders().rows().at(1).amount, *db::Decimal::parse(u"350"));
    EXPECT_TRUE(panel.hasUnsavedChanges());

    // The same exam twice is refused before the details are asked.
    for (int i = 0; i < panel.lstListXray->count(); ++i)
        if (ParseListRow(panel.lstListXray->item(i)->text()).code == QLatin1String("X001"))
            panel.lstListXray->setCurrentRow(i);
    panel.lstList_Click(panel.lstListXray);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Examination is already in the Orders List."));
    EXPECT_EQ(panel.orders().rowCount(), 2);

    prompts.answer(true);
    ASSERT_TRUE(panel.saveUnsavedChanges()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_FALSE(panel.hasUnsavedChanges());
    const int row = rowOf(QStringLiteral("X001"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(panel.mshflexProcessed->item(row, 2)->text(), QStringLiteral("XR"));
    EXPECT_TRUE(panel.mshflexProcessed->item(row, 7)->text().isEmpty()) << "pending";

    panel.mshflexProcessed->setCurrentCell(row, 0);
    prompts.answer(true);
    signAs();
    panel.cmdRevoke_Click();
    const int after = rowOf(QStringLiteral("X001"));
    ASSERT_GE(after, 0);
    EXPECT_EQ(panel.mshflexProcessed->item(after, 7)->text(), QStringLiteral("REVOKED: NURSE1"));
}

TEST_F(RequestsPanelTest, RestrictedLaboratoryExamsStayOffACashBasisAccount)
{
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 1, OkeyLab = 1 WHERE IDNum = ") + q(patient.idNum));
    exec(QStringLiteral("UPDATE STATION..LaboratoryExams SET Common = 'Y' WHERE ItemID = 'L025'"));
    panel.loadPatient(patient);
    // The permission lets the laboratory in, but not a restricted exam.
    for (int i = 0; i < panel.lstListLaboratory->count(); ++i)
        if (ParseListRow(panel.lstListLaboratory->item(i)->text()).code == QLatin1String("L025"))
            panel.lstListLaboratory->setCurrentRow(i);
    panel.lstList_Click(panel.lstListLaboratory);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Item/Exam is restricted for Cash Basis Patients! "));
    EXPECT_TRUE(panel.orders().isEmpty());
}

} // namespace
