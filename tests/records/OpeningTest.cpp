#include "RecordTestSupport.h"

#include "db/Connection.h"
#include "patients/OperationRecordLink.h"
#include "patients/RecordTable.h"
#include "patients/frmPatientIndex.h"
#include "shell/Globals.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

class OpeningTheRecord : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings().LoadParameters();
    }
    void TearDown() override
    {
        patients::SetOperationRecordOpener({});
        AppFixture::TearDown();
    }
};

} // namespace

TEST_F(OpeningTheRecord, ThePatientIndexOpensTheChosenOperationForItsPatient)
{
    const db::Recordset latest =
        conn().open(QStringLiteral("SELECT TOP 1 HospNum FROM STATION..tbORMasterFile ORDER BY OperatingNum DESC"));
    const QString hospNum = latest.text(QStringLiteral("HospNum"));
    const db::Recordset first = conn().open(QStringLiteral("Station..Get_ClinicalOperations '%1'").arg(hospNum));
    ASSERT_FALSE(first.eof());

    {
        patients::frmPatientIndex index;
        index.txtHospNum->setText(hospNum);
        ASSERT_TRUE(index.txtHospNum_Validate());
        EXPECT_FALSE(index.cmdOperationRecord->isEnabled()) << "nothing to open it with yet";
    }
    std::vector<patients::OperationChoice> opened;
    patients::SetOperationRecordOpener([&](const patients::OperationChoice& choice) { opened.push_back(choice); });
    patients::frmPatientIndex index;
    index.txtHospNum->setText(hospNum);
    ASSERT_TRUE(index.txtHospNum_Validate());
    ASSERT_TRUE(index.cmdOperationRecord->isEnabled());
    index.grdOperations->selectRow(0);
    index.cmdOperationRecord->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].operatingNum, first.text(QStringLiteral("OperatingNum")));
    EXPECT_EQ(opened[0].procedureId, first.text(QStringLiteral("ProcedureID")));
    EXPECT_EQ(app::IdNum, first.text(QStringLiteral("IdNum"))) << "the operation's admission is selected first";
    EXPECT_EQ(app::HospNum, hospNum);
}

TEST_F(OpeningTheRecord, APostedProcedureOpensItsKeptRecordOrStartsANewOne)
{
    const db::Recordset kept = conn().open(QStringLiteral(
        "SELECT TOP 1 O.HospNum, O.IDNUM, O.REFNUM, O.OperatingNum, O.ProcedureID FROM STATION..tbORMasterFile O "
        "INNER JOIN BUILD_FILE..TbCoOtherRevenue R ON R.OtherSectionID = 'OR' AND R.OtherRevenueID = O.ProcedureID "
        "WHERE ISNULL(R.SectionID, '') <> '' AND O.PatientType = 'I' ORDER BY O.OperatingNum DESC"));
    ASSERT_FALSE(kept.eof());
    const QString hospNum = kept.text(QStringLiteral("HospNum"));
    const QString idNum = kept.text(QStringLiteral("IDNUM"));
    const QString procedure = kept.text(QStringLiteral("ProcedureID"));
    // The kept record's charge, and a second charge of the same procedure nobody has kept a record for yet.
    for (const QString& ref : {kept.text(QStringLiteral("REFNUM")), QStringLiteral("ZZNEW01")})
        conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (HospNum, IDNum, RefNum, ItemID, RevenueID, TransType, "
                                      "TransDate, Description, Quantity, Amount) VALUES ('%1', '%2', '%3', '%4', 'OR', 'D', "
                                      "'2026-12-06 08:00', 'PROCEDURE', 1, 1000)")
                           .arg(hospNum, idNum, ref, procedure));

    std::vector<patients::OperationChoice> opened;
    patients::SetOperationRecordOpener([&](const patients::OperationChoice& choice) { opened.push_back(choice); });
    patients::frmPatientIndex index;
    index.txtHospNum->setText(hospNum);
    ASSERT_TRUE(index.txtHospNum_Validate());
    index.tabRecords->setCurrentIndex(1);
    ASSERT_TRUE(index.cmdOperationRecord->isEnabled());
    for (int row = 0; row < index.grdPostedProcedures->rowCount(); ++row) {
        index.grdPostedProcedures->selectRow(row);
        index.cmdOperationRecord->click();
    }
    auto openedFor = [&](const QString& ref) {
        const auto it = std::find_if(opened.begin(), opened.end(), [&](const auto& c) { return c.refNum == ref; });
        return it == opened.end() ? QStringLiteral("not opened") : it->operatingNum;
    };
    EXPECT_EQ(openedFor(kept.text(QStringLiteral("REFNUM"))), kept.text(QStringLiteral("OperatingNum")));
    EXPECT_EQ(openedFor(QStringLiteral("ZZNEW01")), QStringLiteral("0")) << "a charge without a record starts one";
    EXPECT_EQ(app::IdNum, idNum);
}
