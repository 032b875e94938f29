// The code search: each listing reads its own code table, the look-up window
// narrows and picks, and the record of the listing holds the picked row.
#include "app_support/AppFixture.h"
#include "components/clsCodeSearch.h"
#include "components/frmCodeSearch.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using components::clsCodeSearch;

class CodeSearchTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        search.Connection = &conn();
        search.Initialize_Classes();
        conn().execute(QStringLiteral(
            "INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, Specialty, Status) "
            "VALUES ('9001', 'O''HARA', 'ZENAIDA', 'QUINTO', 'UROLOGY', 'A')"));
        conn().execute(QStringLiteral(
            "INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, Specialty, Status) "
            "VALUES ('9002', 'O''HARA', 'YOLANDA', 'PEREZ', 'UROLOGY', 'I')"));
    }

    // The texts of one grid column as the window shows them now.
    static QStringList column(QDialog& d, int col)
    {
        QAbstractItemModel* model = d.findChild<QTableView*>(QStringLiteral("grdListing"))->model();
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, col).data().toString();
        return out;
    }

    static void narrow(QDialog& d, const QString& text)
    {
        d.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(text);
    }

    static void select(QDialog& d)
    {
        d.findChild<QPushButton*>(QStringLiteral("cmdSelect"))->click();
    }

    clsCodeSearch search;
};

TEST_F(CodeSearchTest, PicksADoctorFromTheActiveDoctorsMatchingTheText)
{
    QStringList shownCodes;
    prompts.onDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("List of Doctors"));
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->text(), QStringLiteral("o'hara"));
        shownCodes = column(d, 0);
        select(d);
    });
    ASSERT_TRUE(search.SearchListing(QStringLiteral("o'hara"), 1));
    // The inactive namesake is not offered.
    EXPECT_EQ(shownCodes, QStringList{QStringLiteral("9001")});
    EXPECT_EQ(search.DoctorRecord.ResultCode, QStringLiteral("9001"));
    EXPECT_EQ(search.DoctorRecord.LastName, QStringLiteral("O'HARA"));
    EXPECT_EQ(search.DoctorRecord.FirstName, QStringLiteral("ZENAIDA"));
    EXPECT_EQ(search.DoctorRecord.MiddleName, QStringLiteral("QUINTO"));
}

TEST_F(CodeSearchTest, CancelledOrEmptyLookUpKeepsThePreviousRecord)
{
    search.SearchMode = false;
    ASSERT_TRUE(search.SearchListing(QStringLiteral("9001"), 1));
    search.SearchMode = true;

    prompts.onDialog([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click(); });
    EXPECT_FALSE(search.SearchListing(QString(), 1));
    prompts.onDialog([](QDialog& d) {
        narrow(d, QStringLiteral("NO SUCH DOCTOR ANYWHERE"));
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("cmdSelect"))->isEnabled());
        select(d);
        d.reject();
    });
    EXPECT_FALSE(search.SearchListing(QString(), 1));
    EXPECT_EQ(search.DoctorRecord.ResultCode, QStringLiteral("9001"));

    search.Initialize_Classes();
    EXPECT_TRUE(search.DoctorRecord.ResultCode.isEmpty());
}

TEST_F(CodeSearchTest, AffiliatedOnlyLeavesVisitingDoctorsOut)
{
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoDoctor SET Affiliated = 0 WHERE DoctorID = '9001'"));
    auto offered = [&] {
        QStringList codes;
        prompts.onDialog([&](QDialog& d) {
            codes = column(d, 0);
            d.reject();
        });
        search.SearchListing(QString(), 1);
        return codes;
    };
    const QStringList all = offered();
    search.AffiliatedOnly = true;
    const QStringList affiliated = offered();
    EXPECT_TRUE(all.contains(QStringLiteral("9001")));
    EXPECT_FALSE(affiliated.contains(QStringLiteral("9001")));
    EXPECT_EQ(affiliated.size(), all.size() - 1);
}

TEST_F(CodeSearchTest, OtherRevenueIsRestrictedToTheSection)
{
    const int operatingRoomItems = conn()
                                       .open(QStringLiteral("SELECT COUNT(*) AS N FROM BUILD_FILE..TbCoOtherRevenue "
                                                            "WHERE OtherSectionID = 'OR' AND Status = 'A'"))
                                       .field(QStringLiteral("N"))
                                       .toInt();
    const QString elsewhere = conn()
                                  .open(QStringLiteral("SELECT TOP 1 OtherRevenueID FROM BUILD_FILE..TbCoOtherRevenue "
                                                       "WHERE OtherSectionID = 'HS'"))
                                  .text(QStringLiteral("OtherRevenueID"));
    db::Recordset item = conn().open(QStringLiteral("SELECT TOP 1 OtherRevenueID, OtherRevenue, RateA, RateC FROM "
                                                    "BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' "
                                                    "AND RateA <> RateC ORDER BY OtherRevenueID DESC"));
    ASSERT_FALSE(item.eof());
    const QString code = item.text(QStringLiteral("OtherRevenueID"));

    search.OtherSectionID = QStringLiteral("OR");
    prompts.onDialog([&](QDialog& d) {
        EXPECT_EQ(column(d, 2), QStringList(operatingRoomItems, QStringLiteral("OR")));
        narrow(d, elsewhere);
        EXPECT_TRUE(column(d, 0).isEmpty()) << "an item of another section is offered";
        narrow(d, code);
        ASSERT_EQ(column(d, 0), QStringList{code});
        select(d);
    });
    ASSERT_TRUE(search.SearchListing(QString(), 21));
    const components::codes::OtherRevenueRecord& r = search.OtherRevenueRecord;
    EXPECT_EQ(r.ResultCode, code);
    EXPECT_EQ(r.OtherRevenue, item.text(QStringLiteral("OtherRevenue")));
    EXPECT_DOUBLE_EQ(r.RateA, item.number(QStringLiteral("RateA")));
    EXPECT_DOUBLE_EQ(r.rate(QStringLiteral("C")), item.number(QStringLiteral("RateC")));
    EXPECT_DOUBLE_EQ(r.rate(QString()), r.RateA);
}

TEST_F(CodeSearchTest, LaboratoryExamCarriesItsSectionAndRates)
{
    db::Recordset exam = conn().open(QStringLiteral("SELECT TOP 1 LabExamID, LabExam, LabSectionID, RateA, RateH "
                                                    "FROM BUILD_FILE..tbcoLabExam ORDER BY LabExamID"));
    const QString code = exam.text(QStringLiteral("LabExamID"));
    prompts.onDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("List of Laboratory Exams"));
        ASSERT_FALSE(column(d, 0).isEmpty());
        EXPECT_TRUE(column(d, 0).contains(code));
        narrow(d, code);
        select(d);
    });
    ASSERT_TRUE(search.SearchListing(code, 18));
    EXPECT_EQ(search.LabExamRecord.ResultCode, code);
    EXPECT_EQ(search.LabExamRecord.LabExam, exam.text(QStringLiteral("LabExam")));
    EXPECT_EQ(search.LabExamRecord.LabSectionID, exam.text(QStringLiteral("LabSectionID")));
    EXPECT_DOUBLE_EQ(search.LabExamRecord.RateH, exam.number(QStringLiteral("RateH")));
}

TEST_F(CodeSearchTest, DirectLookUpTakesTheCodeWithoutAWindow)
{
    search.SearchMode = false;
    ASSERT_TRUE(search.SearchListing(QStringLiteral(" sur "), 9));
    EXPECT_EQ(search.ServiceRecord.ResultCode, QStringLiteral("SUR"));
    EXPECT_EQ(search.ServiceRecord.Service, QStringLiteral("SURGERY"));
    EXPECT_FALSE(search.SearchListing(QStringLiteral("NOPE"), 9));
    EXPECT_FALSE(search.SearchListing(QStringLiteral("9002"), 1)); // inactive

    const QString diet = conn().open(QStringLiteral("SELECT TOP 1 DietID, Diet FROM BUILD_FILE..tbCoDiet")).text(QStringLiteral("DietID"));
    ASSERT_TRUE(search.SearchListing(diet, 6));
    EXPECT_EQ(search.DietRecord.ResultCode, diet);
    EXPECT_FALSE(search.DietRecord.Diet.isEmpty());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(CodeSearchTest, UnknownListingOrMissingConnectionFindsNothing)
{
    EXPECT_FALSE(search.SearchListing(QStringLiteral("X"), 2));
    clsCodeSearch unconnected;
    EXPECT_FALSE(unconnected.SearchListing(QStringLiteral("X"), 1));
    EXPECT_TRUE(prompts.shown().empty());
}

} // namespace
