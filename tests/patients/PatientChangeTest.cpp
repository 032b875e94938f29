// Changing the selected patient in the main window: the forms holding unsaved
// typing for the patient before are asked first (Cancel keeps the old patient),
// and the patient list's banner always shows what the globals hold.

#include "app_support/NoteForm.h"
#include "patients/PatientListSupport.h"
#include "patients/frmSearch.h"
#include "shell/ChildWindows.h"
#include "shell/mdiORMenu.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

using shell::ChildWindows;
using shell::SaveChoice;

class PatientChangeTest : public test::PatientListFixture {
protected:
    void SetUp() override
    {
        PatientListFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->resize(1366, 768);
        window->show();
        window->showPatientList();
        list = window->children->formsOf<patients::frmSearch>().value(0);
        ASSERT_NE(list, nullptr);
        ASSERT_GE(list->listModel()->recordCount(), 2);
    }
    void TearDown() override
    {
        window.reset();
        PatientListFixture::TearDown();
    }

    QString idAt(int row) const
    {
        return list->listModel()->text(row, patients::PatientListModel::AdmissionNumber).trimmed();
    }
    // A form for the selected patient, with something typed into it.
    test::NoteForm* typedNote(const QString& text)
    {
        auto* form = new test::NoteForm(&saved, QStringLiteral("Fluid Intake and Output Sheet"));
        window->children->open(form, ChildWindows::Instances::OnePerPatient);
        form->txtNote->setText(text);
        return form;
    }

    std::unique_ptr<shell::mdiORMenu> window;
    patients::frmSearch* list = nullptr;
    QStringList saved;
};

TEST_F(PatientChangeTest, UnsavedTypingForThePatientBeforeIsSettledFirst)
{
    clickRow(list->MSHFlexList, 0);
    ASSERT_EQ(app::IdNum, idAt(0)) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    ASSERT_FALSE(app::PatientName.isEmpty());
    const QString first = app::PatientName;
    QPointer<test::NoteForm> form = typedNote(QStringLiteral("IV 1 L"));
    // A form of the same patient with nothing typed stays open, unasked.
    QPointer<QWidget> clean = new test::NoteForm(&saved, QStringLiteral("Clean"));
    clean->setObjectName(QStringLiteral("frmClean"));
    window->children->open(clean, ChildWindows::Instances::OnePerPatient);

    // Cancel: the old patient stays selected, in the globals, the banner and the grid.
    prompts.answerSave(SaveChoice::Cancel);
    clickRow(list->MSHFlexList, 1);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Save changes to Fluid Intake and Output Sheet?")});
    EXPECT_EQ(app::IdNum, idAt(0));
    EXPECT_EQ(app::PatientName, first);
    EXPECT_TRUE(list->lblPatient->text().contains(first.toHtmlEscaped()));
    EXPECT_EQ(list->MSHFlexList->Row(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->MSHFlexList->Row(), 1);
    const QModelIndexList highlighted = list->MSHFlexList->selectionModel()->selectedRows();
    ASSERT_EQ(highlighted.size(), 1);
    EXPECT_EQ(highlighted.front().row(), 0) << "the highlight stays on the selected patient";
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->txtNote->text(), QStringLiteral("IV 1 L"));

    // Save: the typing is saved, its form closes, and the next patient is selected.
    prompts.answerSave(SaveChoice::Save);
    clickRow(list->MSHFlexList, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(saved, QStringList{QStringLiteral("IV 1 L")});
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(clean.isNull()) << "a form with nothing typed is left alone";
    EXPECT_EQ(app::IdNum, idAt(1));
    EXPECT_TRUE(list->lblPatient->text().contains(app::PatientName.toHtmlEscaped()));

    // Discard: the typing is lost and the form closes.
    QPointer<test::NoteForm> second = typedNote(QStringLiteral("lost"));
    prompts.answerSave(SaveChoice::Discard);
    clickRow(list->MSHFlexList, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(saved, QStringList{QStringLiteral("IV 1 L")});
    EXPECT_EQ(app::IdNum, idAt(0));
    EXPECT_TRUE(prompts.allUsed());

    // Clicking the selected patient again asks nothing about that patient's own forms.
    typedNote(QStringLiteral("same patient"));
    prompts.clear();
    clickRow(list->MSHFlexList, 0);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(PatientChangeTest, APressWhoseReleaseTheQuestionTookStillSelects)
{
    clickRow(list->MSHFlexList, 0);
    typedNote(QStringLiteral("IV 1 L"));
    // The real question is modal: the mouse release goes to it, not to the grid.
    prompts.answerSave(SaveChoice::Discard);
    const QRect cell = list->MSHFlexList->visualRect(list->listModel()->index(1, patients::PatientListModel::PatientName));
    test::sendMouse(list->MSHFlexList->viewport(), QEvent::MouseButtonPress, cell.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(app::IdNum, idAt(1));
    EXPECT_FALSE(app::PatientName.isEmpty()) << "the row the nurse pressed is selected";
    EXPECT_TRUE(list->lblPatient->text().contains(app::PatientName.toHtmlEscaped()));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(PatientChangeTest, BannerAndGlobalsChangeTogether)
{
    clickRow(list->MSHFlexList, 1);
    ASSERT_EQ(app::IdNum, idAt(1));
    const QString selected = app::PatientName;
    EXPECT_TRUE(list->lblPatient->text().contains(selected.toHtmlEscaped()));
    EXPECT_TRUE(list->lblPatient->text().contains(app::IdNum));

    // Reloading for another station leaves no patient, in the globals and on the banner.
    app::ORStationID = QStringLiteral("OR1");
    list->Reload_Station();
    EXPECT_TRUE(app::IdNum.isEmpty());
    EXPECT_TRUE(app::HospNum.isEmpty());
    EXPECT_TRUE(app::PatientName.isEmpty());
    EXPECT_FALSE(list->lblPatient->text().contains(selected.toHtmlEscaped())) << qPrintable(list->lblPatient->text());
    EXPECT_TRUE(list->lblPatient->text().contains(QStringLiteral("No patient selected")));

    // The arrow keys move the numbers only; the banner never shows another patient's name.
    clickRow(list->MSHFlexList, 0);
    ASSERT_FALSE(app::PatientName.isEmpty());
    test::keyClick(list->MSHFlexList, Qt::Key_Down);
    EXPECT_EQ(app::IdNum, idAt(1));
    EXPECT_TRUE(app::PatientName.isEmpty());
    EXPECT_TRUE(list->lblPatient->text().contains(QStringLiteral("No patient selected")));
}

} // namespace
