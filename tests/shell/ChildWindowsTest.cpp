// The main window's window framework: frames that come and go with their
// forms, the Window menu in step, one form per patient, forms too big for the
// work area scrolling in their frames, the unsaved-work question on close and
// at exit, and the standard shortcuts.

#include "app_support/AppFixture.h"
#include "app_support/NoteForm.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/PictureMdiArea.h"
#include "shell/mdiORMenu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

using shell::ChildWindows;
using shell::SaveChoice;
using test::NoteForm;

class ChildWindowsTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->resize(1366, 768);
        window->show();
        QCoreApplication::processEvents();
        windows = window->children;
    }
    void TearDown() override
    {
        window.reset();
        AppFixture::TearDown();
    }

    NoteForm* note(const QString& title, ChildWindows::Instances instances = ChildWindows::Instances::Many)
    {
        auto* form = new NoteForm(&saved, title);
        QMdiSubWindow* frame = windows->open(form, instances);
        return static_cast<NoteForm*>(ChildWindows::formOf(frame));
    }
    // What the Window menu lists, without the "&n " numbers.
    QStringList windowMenu() const
    {
        emit window->mnuWindow->aboutToShow();
        QStringList listed;
        for (QAction* action : window->mnuWindow->actions())
            if (action->objectName() == QLatin1String("mnuWindowList"))
                listed << action->text().section(QLatin1Char(' '), 1);
        return listed;
    }
    // The form's shortcut for the key, as Qt's shortcut map would fire it.
    static bool press(QWidget* form, const QKeySequence& key)
    {
        for (QShortcut* shortcut : form->findChildren<QShortcut*>()) {
            if (shortcut->key() == key && shortcut->context() == Qt::WidgetWithChildrenShortcut) {
                emit shortcut->activated();
                return true;
            }
        }
        return false;
    }
    static void deleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    qsizetype framesInArea() const { return window->mdiArea->subWindowList().size(); }

    std::unique_ptr<shell::mdiORMenu> window;
    ChildWindows* windows = nullptr;
    QStringList saved;
};

TEST_F(ChildWindowsTest, OpeningMaximisingAndClosingLeavesNoFrameBehind)
{
    NoteForm* a = note(QStringLiteral("First"));
    QPointer<QMdiSubWindow> frameA = ChildWindows::frameOf(a);
    ASSERT_NE(frameA, nullptr);
    frameA->showMaximized();

    // The next window opens at its own size, framed, above the maximised one.
    NoteForm* b = note(QStringLiteral("Second"));
    QPointer<QMdiSubWindow> frameB = ChildWindows::frameOf(b);
    EXPECT_FALSE(frameB->isMaximized());
    EXPECT_TRUE(frameA->isMaximized()) << "the maximised window keeps its state";
    EXPECT_EQ(window->mdiArea->activeSubWindow(), frameB.data());
    EXPECT_LE(frameB->width(), b->sizeHint().width() + 40) << "opened at its natural size, not stretched";
    NoteForm* c = note(QStringLiteral("Third"));
    QPointer<QMdiSubWindow> frameC = ChildWindows::frameOf(c);
    EXPECT_NE(frameC->pos(), frameB->pos()) << "cascaded";
    EXPECT_EQ(windowMenu(), (QStringList{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")}));

    // The form's own Close button takes its frame with it.
    QPointer<NoteForm> watchB = b;
    b->cmdClose->click();
    deleteClosed();
    EXPECT_TRUE(frameB.isNull());
    EXPECT_TRUE(watchB.isNull());
    EXPECT_EQ(windowMenu(), (QStringList{QStringLiteral("First"), QStringLiteral("Third")}));

    // Closing the frame takes its form.
    QPointer<NoteForm> watchA = a;
    frameA->close();
    deleteClosed();
    EXPECT_TRUE(frameA.isNull());
    EXPECT_TRUE(watchA.isNull());
    // A window opened after all that is still framed and not maximised.
    NoteForm* d = note(QStringLiteral("Fourth"));
    EXPECT_FALSE(ChildWindows::frameOf(d)->isMaximized());
    EXPECT_EQ(windowMenu(), (QStringList{QStringLiteral("Third"), QStringLiteral("Fourth")}));
    EXPECT_EQ(framesInArea(), 2);

    // Ctrl+W closes the active window the same way; no frame's system menu
    // (in the menu bar while maximised) claims the key as well.
    frameC->showMaximized();
    for (QAction* action : window->findChildren<QAction*>())
        EXPECT_FALSE(action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) << qPrintable(action->text());
    frameC->showNormal();
    EXPECT_TRUE(press(d, QKeySequence(Qt::CTRL | Qt::Key_W)));
    deleteClosed();
    EXPECT_EQ(windowMenu(), QStringList{QStringLiteral("Third")});
    EXPECT_EQ(framesInArea(), 1);
}

TEST_F(ChildWindowsTest, ClosingAWindowBringsBackTheOneUsedBeforeIt)
{
    NoteForm* a = note(QStringLiteral("First"));
    note(QStringLiteral("Second"));
    NoteForm* c = note(QStringLiteral("Third"));
    window->mdiArea->setActiveSubWindow(ChildWindows::frameOf(a));
    a->cmdClose->click();
    deleteClosed();
    EXPECT_EQ(ChildWindows::formOf(window->mdiArea->activeSubWindow()), c);
}

TEST_F(ChildWindowsTest, MaximiseAllIsTheNursesChoiceAndUndone)
{
    note(QStringLiteral("First"));
    window->WindowMaximiseAll->setChecked(true);
    EXPECT_TRUE(window->mdiArea->activeSubWindow()->isMaximized());
    NoteForm* b = note(QStringLiteral("Second"));
    EXPECT_TRUE(ChildWindows::frameOf(b)->isMaximized()) << "with Maximise All, new windows open maximised";

    window->WindowMaximiseAll->setChecked(false);
    for (QMdiSubWindow* frame : windows->frames())
        EXPECT_FALSE(frame->isMaximized());
    NoteForm* c = note(QStringLiteral("Third"));
    EXPECT_FALSE(ChildWindows::frameOf(c)->isMaximized());
}

TEST_F(ChildWindowsTest, AFormAlreadyOpenForThePatientComesToTheFront)
{
    app::IdNum = QStringLiteral("100001");
    NoteForm* first = note(QStringLiteral("Note"), ChildWindows::Instances::OnePerPatient);
    note(QStringLiteral("Other"));
    QPointer<QWidget> second = new NoteForm(&saved);
    QMdiSubWindow* frame = windows->open(second, ChildWindows::Instances::OnePerPatient);
    deleteClosed();
    EXPECT_TRUE(second.isNull()) << "the second form for the same patient is dropped";
    EXPECT_EQ(ChildWindows::formOf(frame), first);
    EXPECT_EQ(window->mdiArea->activeSubWindow(), frame);
    EXPECT_EQ(framesInArea(), 2);

    // Another patient gets a form of his own.
    app::IdNum = QStringLiteral("100002");
    NoteForm* third = note(QStringLiteral("Note"), ChildWindows::Instances::OnePerPatient);
    EXPECT_NE(third, first);
    EXPECT_EQ(framesInArea(), 3);
    EXPECT_TRUE(windows->bringToFront(QStringLiteral("frmNote"), QStringLiteral("100001")));
    EXPECT_EQ(ChildWindows::formOf(window->mdiArea->activeSubWindow()), first);

    // Single windows by name: the user logs open once.
    window->mnuUserLogs->trigger();
    window->mnuUserLogs->trigger();
    int logs = 0;
    for (QMdiSubWindow* f : windows->frames())
        logs += ChildWindows::formOf(f)->objectName() == QLatin1String("frmUserLogs");
    EXPECT_EQ(logs, 1);
}

TEST_F(ChildWindowsTest, AFormTallerThanTheWorkAreaScrollsInsideItsFrame)
{
    auto* tall = new QWidget;
    tall->setObjectName(QStringLiteral("frmTall"));
    tall->setWindowTitle(QStringLiteral("Tall"));
    auto* layout = new QVBoxLayout(tall);
    for (int i = 0; i < 40; ++i) {
        auto* line = new QLabel(QStringLiteral("Line %1").arg(i), tall);
        line->setMinimumHeight(30);
        layout->addWidget(line);
    }
    QMdiSubWindow* frame = windows->open(tall);
    const QSize room = window->mdiArea->viewport()->size();
    EXPECT_LE(frame->height(), room.height());
    EXPECT_LE(frame->width(), room.width());
    EXPECT_GE(frame->y(), 0);
    auto* scroll = qobject_cast<QScrollArea*>(frame->widget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget(), tall);
    EXPECT_EQ(ChildWindows::formOf(frame), tall);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tall"));
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible() || scroll->verticalScrollBar()->maximum() > 0);
    tall->setWindowTitle(QStringLiteral("Taller"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Taller")) << "the frame follows the form's caption";

    // Closing the scrolled form still takes its frame.
    QPointer<QMdiSubWindow> watch = frame;
    tall->close();
    deleteClosed();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(ChildWindowsTest, ClosingAFormWithUnsavedTypingAsksFirst)
{
    NoteForm* form = note(QStringLiteral("Fluid Sheet"));
    QPointer<QMdiSubWindow> frame = ChildWindows::frameOf(form);
    form->txtNote->setText(QStringLiteral("500 ml"));

    // Cancel keeps the window and the typing.
    prompts.answerSave(SaveChoice::Cancel);
    frame->close();
    deleteClosed();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(form->txtNote->text(), QStringLiteral("500 ml"));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Save changes to Fluid Sheet?")});

    // A save that fails keeps it open too.
    form->refuseSave = true;
    prompts.answerSave(SaveChoice::Save);
    form->cmdClose->click();
    deleteClosed();
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(saved.isEmpty());

    // Save saves, then closes.
    form->refuseSave = false;
    prompts.answerSave(SaveChoice::Save);
    form->cmdClose->click();
    deleteClosed();
    EXPECT_TRUE(frame.isNull());
    EXPECT_EQ(saved, QStringList{QStringLiteral("500 ml")});

    // Discard closes without saving; a form with nothing typed closes without a question.
    NoteForm* other = note(QStringLiteral("Consent"));
    other->txtNote->setText(QStringLiteral("lost"));
    prompts.answerSave(SaveChoice::Discard);
    ChildWindows::frameOf(other)->close();
    NoteForm* clean = note(QStringLiteral("Clean"));
    prompts.clear();
    clean->cmdClose->click();
    deleteClosed();
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(saved, QStringList{QStringLiteral("500 ml")});
    EXPECT_EQ(framesInArea(), 0);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChildWindowsTest, ExitAsksForEveryFormWithUnsavedTyping)
{
    NoteForm* first = note(QStringLiteral("First"));
    NoteForm* second = note(QStringLiteral("Second"));
    note(QStringLiteral("Untouched"));
    first->txtNote->setText(QStringLiteral("one"));
    second->txtNote->setText(QStringLiteral("two"));

    // Save the first, cancel at the second: the station keeps running with the second.
    prompts.answerSave(SaveChoice::Save);
    prompts.answerSave(SaveChoice::Cancel);
    EXPECT_FALSE(window->close());
    deleteClosed();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(saved, QStringList{QStringLiteral("one")});
    EXPECT_EQ(windowMenu(), (QStringList{QStringLiteral("Second"), QStringLiteral("Untouched")}));
    EXPECT_EQ(second->txtNote->text(), QStringLiteral("two"));

    // Discard lets it go, and nothing is asked twice while the windows close.
    prompts.answerSave(SaveChoice::Discard);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(saved, QStringList{QStringLiteral("one")});
    EXPECT_EQ(prompts.texts(), (QStringList{QStringLiteral("Confirmation: Save changes to First?"),
                                           QStringLiteral("Confirmation: Save changes to Second?"),
                                           QStringLiteral("Confirmation: Save changes to Second?")}));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChildWindowsTest, SaveFindPrintAndCloseKeysPressTheFormsButtons)
{
    NoteForm* form = note(QStringLiteral("Keys"));
    // The captions stay; the keys show in the tool tips.
    EXPECT_EQ(form->cmdSave->text(), QStringLiteral("&Save"));
    EXPECT_EQ(form->cmdSave->toolTip(), QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));
    form->txtNote->setText(QStringLiteral("typed"));

    EXPECT_TRUE(press(form, QKeySequence(Qt::CTRL | Qt::Key_S)));
    EXPECT_EQ(saved, QStringList{QStringLiteral("typed")});
    EXPECT_TRUE(press(form, QKeySequence(Qt::CTRL | Qt::Key_P)));
    EXPECT_EQ(form->prints, 1);
    // A disabled button is not pressed by its key.
    form->cmdPrint->setEnabled(false);
    EXPECT_TRUE(press(form, QKeySequence(Qt::CTRL | Qt::Key_P)));
    EXPECT_EQ(form->prints, 1);
    EXPECT_FALSE(press(form, QKeySequence(Qt::CTRL | Qt::Key_F))) << "no Search button, no Find key";

    QPointer<QMdiSubWindow> frame = ChildWindows::frameOf(form);
    EXPECT_TRUE(press(form, QKeySequence(Qt::Key_Escape)));
    deleteClosed();
    EXPECT_TRUE(frame.isNull()) << "Escape pressed Close";

    // A form with a Save button per row gets no Ctrl+S: the key would have to guess.
    auto* rows = new NoteForm(&saved, QStringLiteral("Rows"));
    auto* second = new QPushButton(QStringLiteral("Save"), rows);
    rows->layout()->addWidget(second);
    windows->open(rows);
    EXPECT_FALSE(press(rows, QKeySequence(Qt::CTRL | Qt::Key_S)));
    EXPECT_TRUE(press(rows, QKeySequence(Qt::CTRL | Qt::Key_P)));
    frame = ChildWindows::frameOf(rows);
    EXPECT_TRUE(press(rows, QKeySequence(Qt::Key_Escape)));
    deleteClosed();
    EXPECT_TRUE(frame.isNull()) << "Escape pressed Close";
    EXPECT_TRUE(prompts.shown().empty());
}

} // namespace
