// How the checklist window stores its thirty checks and its three pauses,
// and the two report files printing them.
#include "SscTestSupport.h"

#include "db/SqlText.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTextDocument>
#include <QTimeEdit>

namespace {

using test::SscFixture;

class SscPacking : public SscFixture {
protected:
    void SetUp() override
    {
        SscFixture::SetUp();
        selectPatient(false);
        ASSERT_NE(open(), nullptr);
        form->txtPx[1]->setText(QStringLiteral("THYROIDECTOMY"));
    }
    void save()
    {
        signAs();
        click(1);
        ASSERT_EQ(rowsFor(app::IdNum), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    }
    void reopen()
    {
        delete form.data();
        ASSERT_NE(open(), nullptr);
    }
    QList<int> ticked() const
    {
        QList<int> boxes;
        for (int k = 0; k < 30; ++k)
            if (form->Check1[k]->isChecked())
                boxes << k;
        return boxes;
    }
};

TEST_F(SscPacking, TheFirstAndLastBoxesRoundTrip)
{
    form->Check1[0]->setChecked(true);
    form->Check1[29]->setChecked(true);
    save();
    const QString stored = column(QStringLiteral("ChkBoxes"));
    QString expected = QStringLiteral(":;1");
    for (int k = 1; k < 29; ++k)
        expected += QStringLiteral(":;0");
    expected += QStringLiteral(":;1");
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(stored.size(), 90);

    reopen();
    EXPECT_EQ(ticked(), (QList<int>{0, 29}));
}

TEST_F(SscPacking, AShortStoredValueTicksOnlyTheBoxesItNames)
{
    save();
    conn().execute(QStringLiteral("UPDATE STATION..tbORSSC SET ChkBoxes = ':;1:;0:;1:;x' WHERE IDNum = ") + db::Quote(app::IdNum));
    for (QCheckBox* box : form->Check1)
        box->setChecked(true);
    reopen();
    EXPECT_EQ(ticked(), (QList<int>{0, 2}));
}

TEST_F(SscPacking, ThePausesAreStoredWithTheTimeOutOnTheSignInDate)
{
    // One check of each pause, so that each pause took place.
    for (int k : {0, 13, 23})
        form->Check1[k]->setChecked(true);
    form->dtpDateSignIn->setDate(QDate(2026, 2, 27));
    form->dtpTimeSignIn->setTime(QTime(23, 40, 5));
    form->dtpTimeOut->setTime(QTime(23, 55, 0));
    form->dtpDateSignOut->setDate(QDate(2026, 2, 28));
    form->dtpTimeSignOut->setTime(QTime(1, 10, 30));
    save();
    const db::Recordset row = conn().open(QStringLiteral("SELECT SignIn, TimeOut, SignOut FROM STATION..tbORSSC WHERE IDNum = ") +
                                          db::Quote(app::IdNum));
    EXPECT_EQ(row.field(QStringLiteral("SignIn")).toDateTime(), QDateTime(QDate(2026, 2, 27), QTime(23, 40, 5)));
    EXPECT_EQ(row.field(QStringLiteral("TimeOut")).toDateTime(), QDateTime(QDate(2026, 2, 27), QTime(23, 55, 0)));
    EXPECT_EQ(row.field(QStringLiteral("SignOut")).toDateTime(), QDateTime(QDate(2026, 2, 28), QTime(1, 10, 30)));

    reopen();
    EXPECT_EQ(form->dtpDateSignIn->text(), QStringLiteral("02/27/2026"));
    EXPECT_EQ(form->dtpTimeSignIn->text(), QStringLiteral("11:40 PM"));
    EXPECT_EQ(form->dtpTimeSignIn->time(), QTime(23, 40, 5));
    EXPECT_EQ(form->dtpTimeOut->text(), QStringLiteral("11:55 PM"));
    EXPECT_EQ(form->dtpDateSignOut->text(), QStringLiteral("02/28/2026"));
}

// Both printed forms run on the demo hospital and carry the patient and the ticks.
TEST_F(SscPacking, TheReportFilesPrintThePatientAndTheTicks)
{
    form->Check1[0]->setChecked(true);
    form->txtPx[6]->setText(QStringLiteral("DR. O'HARA"));
    save();
    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\SurgicalSafety.rpt"), {app::IdNum}))
        << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    const QString filled = reports::CurrentReport()->toDocument()->toPlainText();
    EXPECT_TRUE(filled.contains(QStringLiteral("THYROIDECTOMY")));
    EXPECT_TRUE(filled.contains(QStringLiteral("DR. O'HARA")));
    EXPECT_TRUE(filled.contains(app::HospNum));
    EXPECT_EQ(filled.count(QChar(0x2612)), 1);
    EXPECT_EQ(filled.count(QChar(0x2610)), 29);

    ASSERT_TRUE(reports::OpenReport(QStringLiteral("\\Reports\\WHOSurgicalSafety.rpt"),
                                    {app::IdNum, app::HospNum, app::PatientName, QStringLiteral("301"), QStringLiteral("03/01/2026")}));
    const QString blank = reports::CurrentReport()->toDocument()->toPlainText();
    EXPECT_TRUE(blank.contains(app::PatientName.toUpper()));
    EXPECT_EQ(blank.count(QChar(0x2610)), 30);
    EXPECT_EQ(blank.count(QChar(0x2612)), 0);
}

} // namespace
