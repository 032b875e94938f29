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
