#include "NursingChartSupport.h"

#include "chart/nursing/NursingPanels.h"
#include "chart/nursing/NursingProfilePage.h"
#include "chart/nursing/NurseNotesPage.h"
#include "chart/nursing/VitalSignsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

using chart::nursing::NursingProfilePage;

class NursingProfile : public test::NursingChartFixture {
protected:
    void SetUp() override
    {
        NursingChartFixture::SetUp();
        // An open admission without a profile yet.
        patient = scalar(QStringLiteral("SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P WHERE P.DCRDATE IS NULL AND NOT EXISTS "
                                        "(SELECT 1 FROM STATION..tbNurseProfile F WHERE F.IDNum = P.IDNUM) ORDER BY P.IDNUM"));
        ASSERT_FALSE(patient.isEmpty());
    }
    std::unique_ptr<NursingProfilePage> open()
    {
        auto page = std::make_unique<NursingProfilePage>();
        page->loadPatient(stay(patient));
        return page;
    }
    QCheckBox* box(NursingProfilePage& page, const char* column)
    {
        return page.findChild<QCheckBox*>(QStringLiteral("chk") + QLatin1String(column));
    }

    QString patient;
};

TEST_F(NursingProfile, SavedProfileReadsBackWhole)
{
    auto page = open();
    EXPECT_FALSE(page->hasUnsavedChanges());
    page->cboAllergy[0]->setCurrentText(QStringLiteral("PEN"));
    page->cboAllergy[2]->setCurrentText(QStringLiteral("latex"));
    page->txtOtherAllergies->setText(QStringLiteral("Rashes after the patient's last antibiotic"));
    box(*page, "M1")->setChecked(true);
    box(*page, "F7")->setChecked(true);
    box(*page, "PSH3")->setChecked(true);
    page->txtExam[0]->setText(QStringLiteral("Pale, warm"));
    page->txtExam[9]->setText(QStringLiteral("Surgical scar, right lower quadrant"));
    page->txtBriefHistory->setPlainText(QStringLiteral("Two days of abdominal pain."));
    page->txtPhysicalExamination->setPlainText(QStringLiteral("Direct tenderness at McBurney's point."));
    page->txtAdmDiagnosis->setPlainText(QStringLiteral("ACUTE APPENDICITIS"));
    page->txtChiefComplaint->setPlainText(QStringLiteral("Abdominal pain"));
    EXPECT_TRUE(page->hasUnsavedChanges());
    prompts.answer(true);
    signAs();
    ASSERT_TRUE(page->cmdSaveProfile_Click()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompts.texts().first(), QStringLiteral("Confirmation: Are you sure you want to update the Patient Profile?"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Patient Profile Successfully Updated."));
    EXPECT_FALSE(page->hasUnsavedChanges());

    auto again = open();
    EXPECT_EQ(again->cboAllergy[0]->currentText(), QStringLiteral("PEN"));
    EXPECT_EQ(again->cboAllergy[1]->currentText(), QString());
    EXPECT_EQ(again->cboAllergy[2]->currentText(), QStringLiteral("LATEX"));
    EXPECT_EQ(again->txtOtherAllergies->text(), QStringLiteral("Rashes after the patient's last antibiotic"));
    for (const auto& b : NursingProfilePage::Boxes()) {
        const QString column = QLatin1String(b.column);
        EXPECT_EQ(box(*again, b.column)->isChecked(), column == "M1" || column == "F7" || column == "PSH3") << b.column;
    }
    EXPECT_EQ(again->txtExam[0]->text(), QStringLiteral("Pale, warm"));
    EXPECT_EQ(again->txtExam[9]->text(), QStringLiteral("Surgical scar, right lower quadrant"));
    EXPECT_EQ(again->txtBriefHistory->toPlainText(), QStringLiteral("Two days of abdominal pain."));
    EXPECT_EQ(again->txtPhysicalExamination->toPlainText(), QStringLiteral("Direct tenderness at McBurney's point."));
    EXPECT_EQ(again->txtAdmDiagnosis->toPlainText(), QStringLiteral("ACUTE APPENDICITIS"));
    EXPECT_EQ(again->txtChiefComplaint->toPlainText(), QStringLiteral("Abdominal pain"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT UserID FROM STATION..tbNurseProfile WHERE IDNum = '%1'").arg(patient)), QStringLiteral("NURSE1"));

    // Unticking is saved too.
    box(*again, "M1")->setChecked(false);
    prompts.answer(true);
    signAs();
    ASSERT_TRUE(again->cmdSaveProfile_Click());
    EXPECT_FALSE(box(*open(), "M1")->isChecked());
}

TEST_F(NursingProfile, FailedSaveWritesNothingAndKeepsTheTyping)
{
    auto page = open();
    const QString hospNum = stay(patient).hospNum;
    const QString allergies = QStringLiteral("SELECT ISNULL(AllergyID1, '') + '|' + ISNULL(Others, '') FROM PATIENT_DATA..tbMasterAllergies "
                                             "WHERE Hospnum = '%1'").arg(hospNum);
    const QString storedAllergies = scalar(allergies);
    page->cboAllergy[0]->setCurrentText(QStringLiteral("SULFA"));
    page->txtOtherAllergies->setText(QStringLiteral("NOT KEPT EITHER"));
    page->txtAdmDiagnosis->setPlainText(QStringLiteral("SHOULD NOT BE KEPT"));
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseProfile"));
    prompts.answer(true);
    signAs();
    EXPECT_FALSE(page->cmdSaveProfile_Click());
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(scalar(allergies), storedAllergies);
    EXPECT_NE(scalar(QStringLiteral("SELECT ISNULL(ADMDiagnosis, '') FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '%1'").arg(patient)),
              QStringLiteral("SHOULD NOT BE KEPT"));
    EXPECT_EQ(page->cboAllergy[0]->currentText(), QStringLiteral("SULFA"));
    EXPECT_TRUE(page->hasUnsavedChanges());
}

// The three pages are registered for the chart and fit a 1366x768 screen,
// with room left for the chart's own banner and tabs.
TEST_F(NursingProfile, PagesAreRegisteredAndFitTheSmallestScreen)
{
    chart::ForgetChartPanels();
    chart::RegisterNursingPanels();
    QStringList titles;
    for (const chart::RegisteredChartPanel& registered : chart::RegisteredChartPanels()) {
        QWidget frame;
        auto* layout = new QVBoxLayout(&frame);
        chart::ChartPanel* page = registered.factory(&frame);
        layout->addWidget(page);
        page->loadPatient(stay(patient));
        titles << page->pageTitle();
        frame.resize(1366, 768);
        frame.show();
        const QSize least = page->minimumSizeHint();
        EXPECT_LE(least.width(), 1366 - 40) << qPrintable(page->pageTitle());
        EXPECT_LE(least.height(), 768 - 260) << qPrintable(page->pageTitle());
        EXPECT_NE(dynamic_cast<shell::UnsavedWork*>(page), nullptr);
    }
    chart::ForgetChartPanels();
    EXPECT_EQ(titles, (QStringList{"Vital Signs", "Nurses' Notes", "Nursing Profile"}));
}

} // namespace
