#include "NursingChartSupport.h"

#include "chart/nursing/VitalSignTrend.h"
#include "chart/nursing/VitalSignsPage.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTimeEdit>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>

namespace {

using chart::nursing::VitalSignsPage;

class VitalSigns : public test::NursingChartFixture {
protected:
    void SetUp() override
    {
        NursingChartFixture::SetUp();
        // A stay charted by NURSE1 and by colleagues.
        patient = scalar(QStringLiteral("SELECT TOP 1 V.IDNUM FROM STATION..tbNurseVitalSigns V WHERE V.NInitial = 'NURSE1' "
                                        "AND EXISTS (SELECT 1 FROM STATION..tbNurseVitalSigns O WHERE O.IDNUM = V.IDNUM "
                                        "AND O.NInitial <> 'NURSE1') ORDER BY V.IDNUM"));
        ASSERT_FALSE(patient.isEmpty()) << "the demo hospital keeps vital signs by several nurses";
        page = std::make_unique<VitalSignsPage>();
        page->loadPatient(stay(patient));
    }

    int readingsOf(const QString& where = QString())
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseVitalSigns WHERE IDNUM = '%1'%2").arg(patient, where));
    }
    void type(const QStringList& values)
    {
        QLineEdit* boxes[] = {page->txtBloodPressure[0], page->txtBloodPressure[1], page->txtTemperature,
                              page->txtPulserate,        page->txtRespiratoryrate,  page->txtO2Sat};
        for (int i = 0; i < 6; ++i) {
            boxes[i]->setText(values.value(i));
            emit boxes[i]->textEdited(values.value(i));
        }
    }
    // Chooses the first reading in the grid taken by `encoder` (or by anyone else when `others`).
    QString choose(const QString& encoder, bool others = false)
    {
        const auto& rows = page->readings();
        for (size_t i = 0; i < rows.size(); ++i) {
            if ((rows[i].encoder == encoder) != others) {
                page->mshflexVitalSigns->selectRow(static_cast<int>(i));
                return rows[i].transNum;
            }
        }
        ADD_FAILURE() << "no reading of " << qPrintable(encoder);
        return {};
    }
    QString column(const QString& transNum, const QString& name)
    {
        return scalar(QStringLiteral("SELECT %1 FROM STATION..tbNurseVitalSigns WHERE TransNum = %2").arg(name, transNum));
    }

    QString patient;
    std::unique_ptr<VitalSignsPage> page;
};

TEST_F(VitalSigns, NewReadingIsSignedMarkedDoneAndShownInGridAndTrend)
{
    const int before = readingsOf();
    page->dtpVSDate->setDate(QDate(2026, 12, 1));
    page->dtpVSTime->setTime(QTime(15, 30));
    page->cmbProfile->setCurrentText(QStringLiteral("Every 4 hours"));
    type({"118", "76", "37.2", "84", "18", "98"});
    EXPECT_TRUE(page->hasUnsavedChanges());
    prompts.answer(true);
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    page->cmdSaveVitalSign->click();

    ASSERT_EQ(readingsOf(), before + 1) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    const QString last = scalar(QStringLiteral("SELECT MAX(TransNum) FROM STATION..tbNurseVitalSigns WHERE IDNUM = '%1'").arg(patient));
    EXPECT_EQ(column(last, QStringLiteral("BP + '|' + TEMPERATURE + '|' + PULSERATE + '|' + RESPRATE + '|' + O2Sat")),
              QStringLiteral("118/76|37.2|84|18|98"));
    // Signed by the nurse who validated, not by the one logged in.
    EXPECT_EQ(column(last, QStringLiteral("NInitial + '|' + Protocol + '|' + Status")), QStringLiteral("CHARGE1|Every 4 hours|DONE"));
    EXPECT_EQ(column(last, QStringLiteral("CONVERT(varchar(10), TRANSDATE, 101) + ' ' + CONVERT(varchar(8), TRANSDATE, 108)")),
              QStringLiteral("12/01/2026 15:30:00"));
    EXPECT_EQ(prompts.texts().first(), QStringLiteral("Confirmation: Are you sure you want to SAVE VITAL SIGNS?"));
    EXPECT_TRUE(page->txtBloodPressure[0]->text().isEmpty());
    EXPECT_FALSE(page->hasUnsavedChanges());

    // The grid and the trend show the same readings, the new one among them.
    ASSERT_EQ(page->mshflexVitalSigns->rowCount(), before + 1);
    EXPECT_EQ(page->trend->series(QStringLiteral("Systolic"))->count(), before + 1);
    EXPECT_EQ(page->trend->series(QStringLiteral("O2 Saturation"))->count(), before + 1);
    bool plotted = false;
    const QDateTime taken(QDate(2026, 12, 1), QTime(15, 30));
    for (const QPointF& p : page->trend->series(QStringLiteral("Temperature"))->points())
        plotted = plotted || (qFuzzyCompare(p.y(), 37.2) && qint64(p.x()) == taken.toMSecsSinceEpoch());
    EXPECT_TRUE(plotted);
}

TEST_F(VitalSigns, UnsignedOrUnconfirmedSaveKeepsTheTyping)
{
    const int before = readingsOf();
    type({"118", "76", "37.2"});
    prompts.answer(false); // not sure after all
    page->cmdSaveVitalSign->click();
    prompts.answer(true);
    leaveUnsigned();
    prompts.answer(false); // "Unable to continue this transaction. ": do not try again
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(readingsOf(), before);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Unable to continue this transaction. "));
    EXPECT_EQ(page->txtBloodPressure[0]->text(), QStringLiteral("118"));
    EXPECT_EQ(page->txtTemperature->text(), QStringLiteral("37.2"));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(VitalSigns, EnterAsksAboutUnusualValuesAndNoClearsTheBox)
{
    type({"320", "301", "42.1"});
    prompts.answer(false);
    QTest::keyClick(page->txtBloodPressure[1], Qt::Key_Return);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Is this entry correct?"));
    EXPECT_TRUE(page->txtBloodPressure[1]->text().isEmpty());

    page->txtBloodPressure[1]->setText(QStringLiteral("90"));
    page->txtBloodPressure[0]->setText(QStringLiteral("80"));
    QTest::keyClick(page->txtBloodPressure[1], Qt::Key_Return);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Warning"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Invalid entry."));

    // Confirmed at Enter, a value is not asked about again at the save.
    prompts.answer(true);
    QTest::keyClick(page->txtTemperature, Qt::Key_Return);
    page->txtO2Sat->setText(QStringLiteral("101"));
    QTest::keyClick(page->txtO2Sat, Qt::Key_Return);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please enter valid Oxygen Saturation Value Range 0 - 100."));
    EXPECT_TRUE(page->txtO2Sat->text().isEmpty());
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(VitalSigns, SaveAsksWhatEnterWouldHaveAskedAndRefusesSystolicBelowDiastolic)
{
    const int before = readingsOf();
    type({"120", "80", "27.9"});
    prompts.answer(false); // the temperature is not right
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Temperature value is unusual, is this entry correct?"));
    EXPECT_TRUE(page->txtTemperature->text().isEmpty());

    type({"70", "80", "37"});
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Invalid entry."));
    EXPECT_EQ(readingsOf(), before);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(VitalSigns, StationLimitsForSystolicAndDiastolic)
{
    setSetting(QStringLiteral("SystolicMax"), QStringLiteral("180"));
    setSetting(QStringLiteral("DiastolicMin"), QStringLiteral("60"));
    const int before = readingsOf();
    type({"181", "90", "37"});
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please verify the Systolic. It must be equal or lesser than 180."));
    type({"150", "59", "37"});
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please verify the Diastolic. It must be equal or greater than 60."));
    EXPECT_EQ(readingsOf(), before);

    type({"180", "60", "37"});
    prompts.answer(true);
    signAs();
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(readingsOf(), before + 1);
}

TEST_F(VitalSigns, OnlyTheEncoderEditsOrDeletes)
{
    const int before = readingsOf();
    const QString theirs = choose(QStringLiteral("NURSE1"), true);
    const QString encoder = column(theirs, QStringLiteral("NInitial"));
    const QString stored = column(theirs, QStringLiteral("BP + TEMPERATURE"));
    page->cmdEditVitalSigns->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sorry, only Mr./Ms. ") + encoder + QStringLiteral(" may edit this patient's vital signs."));
    EXPECT_FALSE(page->editing());
    page->cmdDeleteVitalSign->click();
    EXPECT_EQ(prompts.last().text,
              QStringLiteral("Sorry, only Mr./Ms. ") + encoder + QStringLiteral(" may delete this patient's vital signs."));
    EXPECT_EQ(readingsOf(), before);
    EXPECT_EQ(column(theirs, QStringLiteral("BP + TEMPERATURE")), stored);
    EXPECT_EQ(logRows(patient, QStringLiteral("DELETE VITAL SIGNS: ")), 0);
}

TEST_F(VitalSigns, EditOwnReadingRewritesItAndLogsTheUpdate)
{
    const QString mine = choose(QStringLiteral("NURSE1"));
    const int before = readingsOf();
    page->cmdEditVitalSigns->click();
    ASSERT_TRUE(page->editing());
    EXPECT_EQ(page->txtBloodPressure[0]->text() + QLatin1Char('/') + page->txtBloodPressure[1]->text(),
              column(mine, QStringLiteral("BP")));
    page->txtTemperature->setText(QStringLiteral("38.4"));
    emit page->txtTemperature->textEdited(QStringLiteral("38.4"));
    page->cmbProfile->setCurrentText(QStringLiteral("Every Hour"));
    prompts.answer(true);
    signAs();
    page->cmdSaveVitalSign->click();

    EXPECT_EQ(readingsOf(), before);
    EXPECT_EQ(column(mine, QStringLiteral("TEMPERATURE + '|' + Protocol + '|' + NInitial")), QStringLiteral("38.4|Every Hour|NURSE1"));
    EXPECT_EQ(logRows(patient, QStringLiteral("UPDATE VITAL SIGNS: ")), 1);
    EXPECT_FALSE(page->editing());
}

TEST_F(VitalSigns, FailedUpdateRollsBackAndKeepsTheTyping)
{
    const QString mine = choose(QStringLiteral("NURSE1"));
    const QString stored = column(mine, QStringLiteral("TEMPERATURE"));
    page->cmdEditVitalSigns->click();
    page->txtTemperature->setText(QStringLiteral("39.9"));
    // The log row cannot be written: the update must not stay without it.
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    prompts.answer(true);
    signAs();
    page->cmdSaveVitalSign->click();
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(column(mine, QStringLiteral("TEMPERATURE")), stored);
    EXPECT_EQ(page->txtTemperature->text(), QStringLiteral("39.9"));
    EXPECT_TRUE(page->editing());
}

TEST_F(VitalSigns, DeleteOwnReadingShowsItsDetailsAndLogsIt)
{
    const QString mine = choose(QStringLiteral("NURSE1"));
    const QString bp = column(mine, QStringLiteral("BP"));
    const int before = readingsOf();
    prompts.answer(false);
    page->cmdDeleteVitalSign->click();
    EXPECT_EQ(readingsOf(), before);
    const QStringList shown = prompts.texts();
    ASSERT_GE(shown.size(), 2);
    EXPECT_TRUE(shown[shown.size() - 2].contains(QStringLiteral("Details of the vital signs you are about to delete: ")));
    EXPECT_TRUE(shown[shown.size() - 2].contains(QStringLiteral("Blood Pressure: ") + bp));
    EXPECT_EQ(shown.last(), QStringLiteral("Confirmation: Are you sure to delete this patient's vital signs? Click Yes to  "
                                           "permanently delete this record."));

    prompts.answer(true);
    page->cmdDeleteVitalSign->click();
    EXPECT_EQ(readingsOf(), before - 1);
    EXPECT_EQ(readingsOf(QStringLiteral(" AND TransNum = ") + mine), 0);
    EXPECT_EQ(logRows(patient, QStringLiteral("DELETE VITAL SIGNS: ")), 1);
    EXPECT_EQ(page->mshflexVitalSigns->rowCount(), before - 1);
}

TEST_F(VitalSigns, CancellingAnEditAsksFirst)
{
    choose(QStringLiteral("NURSE1"));
    page->cmdEditVitalSigns->click();
    ASSERT_TRUE(page->editing());
    prompts.answer(false);
    page->cmdCancelEdit->click();
    EXPECT_TRUE(page->editing());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Are you sure you want to cancel editing this patient's vital signs?"));
    prompts.answer(true);
    page->cmdCancelEdit->click();
    EXPECT_FALSE(page->editing());
    EXPECT_TRUE(page->txtBloodPressure[0]->text().isEmpty());
}

} // namespace
