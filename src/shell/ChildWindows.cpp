#include "shell/ChildWindows.h"

#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/UnsavedWork.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>

#include <algorithm>
#include <map>

namespace shell {

// The frame of one working window. It remembers what it was opened for (the
// window's name and patient), whether its unsaved work was already settled,
// and asks about that work before it lets itself be closed.
class ChildFrame : public QMdiSubWindow {
public:
    ChildFrame(ChildWindows* owner, QWidget* form, QString name, QString patient, ChildWindows::Instances instances)
        : owner_(owner), form_(form), name_(std::move(name)), patient_(std::move(patient)), instances_(instances)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

    QWidget* form() const { return form_; }
    const QString& name() const { return name_; }
    const QString& patient() const { return patient_; }
    ChildWindows::Instances instances() const { return instances_; }
    bool closing() const { return closing_; }
    // The unsaved work was answered (saved or discarded): close without asking.
    void markSettled() { settled_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (closing_) {
            QMdiSubWindow::closeEvent(event);
            return;
        }
        if (!settled_ && owner_ && !owner_->settle(this)) {
            event->ignore();
            return;
        }
        settled_ = true;
        closing_ = true;
        QMdiSubWindow::closeEvent(event);
        if (!event->isAccepted()) {
            // The form refused to go: it stays, and will be asked again next time.
            closing_ = false;
            settled_ = false;
            return;
        }
        if (owner_)
            owner_->frameClosing(this);
    }

private:
    QPointer<ChildWindows> owner_;
    QPointer<QWidget> form_;
    QString name_;
    QString patient_;
    ChildWindows::Instances instances_;
    bool settled_ = false;
    bool closing_ = false;
};

namespace {

// The newest main window's framework last: tests build and drop main windows in turn.
QList<QPointer<ChildWindows>>& registry()
{
    static QList<QPointer<ChildWindows>> all;
    return all;
}

// Each window opens this far below and right of the one before; after eight
// steps the cascade starts again at the top.
constexpr int kCascadeStep = 26;
constexpr int kCascadeSteps = 8;

bool samePatient(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

ChildWindows::ChildWindows(QMdiArea* area) : QObject(area), area_(area)
{
    setObjectName(QStringLiteral("ChildWindows"));
    // Qt maximises every window activated after a maximised one; a nurse who
    // maximised a report expects the next form at its own size.
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    // Closing a window brings back the one used before it, not the next one opened.
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    registry().append(this);
}

ChildWindows::~ChildWindows()
{
    registry().removeAll(this);
}

ChildWindows* ChildWindows::main()
{
    QList<QPointer<ChildWindows>>& all = registry();
    all.removeAll(nullptr);
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if (*it && (*it)->area_)
            return *it;
    // A main window of another make (a tool's) gets its work area framed too.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(top); window && window->isVisible())
            if (auto* area = qobject_cast<QMdiArea*>(window->centralWidget()))
                return new ChildWindows(area);
    return nullptr;
}

// ---- opening ----------------------------------------------------------------------------

QMdiSubWindow* ChildWindows::open(QWidget* form, Instances instances)
{
    const QString name = form->objectName();
    const QString patient = instances == Instances::OnePerPatient ? app::IdNum.trimmed() : QString();
    if (instances != Instances::Many) {
        if (QMdiSubWindow* already = find(name, patient)) {
            form->deleteLater();
            bringToFront(name, patient);
            return already;
        }
    }

    auto* frame = new ChildFrame(this, form, name, patient, instances);
    frame->setWindowIcon(area_->window()->windowIcon());
    // A maximised frame puts its system menu into the menu bar, and with it a
    // Close key that would clash with each form's own Ctrl+W: the form's wins.
    if (QMenu* system = frame->systemMenu())
        for (QAction* action : system->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcuts({});
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->installEventFilter(this);
    ApplyStandardShortcuts(form);
    connect(frame, &QObject::destroyed, this, &ChildWindows::framesChanged);
    place(frame, form);
    emit framesChanged();
    return frame;
}

QSize ChildWindows::available() const
{
    if (area_->isVisible() && area_->viewport()->width() > 0)
        return area_->viewport()->size();
    // Not shown yet: the screen less the main window's bars is the best guess.
    const QScreen* screen = area_->screen() ? area_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableSize() - QSize(0, 160) : QSize(1280, 600);
}

void ChildWindows::place(ChildFrame* frame, QWidget* form)
{
    const QSize room = available();
    if (QLayout* layout = form->layout())
        layout->activate();
    QSize natural = form->sizeHint().isValid() ? form->sizeHint() : form->size();
    // A form that chose its own size asked for that much room.
    if (form->testAttribute(Qt::WA_Resized))
        natural = natural.expandedTo(form->size());
    QSize least = form->minimumSizeHint().isValid() ? form->minimumSizeHint() : QSize(0, 0);
    least = least.expandedTo(form->minimumSize());
    natural = natural.expandedTo(least);

    area_->addSubWindow(frame);
    const QMargins m = frame->contentsMargins();
    const QSize decoration(m.left() + m.right(), m.top() + m.bottom());

    QSize content = natural;
    if (least.width() + decoration.width() > room.width() || least.height() + decoration.height() > room.height()) {
        // Too big to fit at any size: the form scrolls inside its frame.
        auto* scroll = new QScrollArea;
        scroll->setObjectName(form->objectName() + QStringLiteral("_Scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(form);
        frame->setWidget(scroll);
        frame->setWindowTitle(form->windowTitle());
        const int bar = frame->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
        if (least.height() + decoration.height() > room.height())
            content.rwidth() += bar;
        if (least.width() + decoration.width() > room.width())
            content.rheight() += bar;
    } else {
        frame->setWidget(form);
    }
    frame->resize((content + decoration).boundedTo(room));

    const int step = kCascadeStep * (static_cast<int>(frames().size() - 1) % kCascadeSteps);
    const int x = std::max(0, std::min(8 + step, room.width() - frame->width()));
    const int y = std::max(0, std::min(8 + step, room.height() - frame->height()));
    frame->move(x, y);
    form->show();
    if (maximiseAll_)
        frame->showMaximized();
    else
        frame->show();
    area_->setActiveSubWindow(frame);
}

QMdiSubWindow* ChildWindows::find(const QString& name, const QString& patient) const
{
    for (QMdiSubWindow* frame : frames()) {
        auto* child = static_cast<ChildFrame*>(frame);
        if (child->instances() == Instances::Many || child->name() != name)
            continue;
        if (child->instances() == Instances::One || samePatient(child->patient(), patient))
            return frame;
    }
    return nullptr;
}

bool ChildWindows::bringToFront(const QString& name, const QString& patient)
{
    QMdiSubWindow* frame = find(name, patient);
    if (!frame)
        return false;
    if (frame->isMinimized())
        frame->showNormal();
    area_->setActiveSubWindow(frame);
    frame->raise();
    return true;
}

QList<QMdiSubWindow*> ChildWindows::frames() const
{
    QList<QMdiSubWindow*> out;
    if (!area_)
        return out;
    for (QMdiSubWindow* frame : area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = dynamic_cast<ChildFrame*>(frame);
        if (child && !child->closing() && child->form())
            out << frame;
    }
    return out;
}

QWidget* ChildWindows::formOf(const QMdiSubWindow* frame)
{
    if (auto* child = dynamic_cast<const ChildFrame*>(frame))
        return child->form();
    return frame ? frame->widget() : nullptr;
}

QMdiSubWindow* ChildWindows::frameOf(const QWidget* form)
{
    for (QWidget* up = form ? form->parentWidget() : nullptr; up; up = up->parentWidget())
        if (auto* child = dynamic_cast<ChildFrame*>(up))
            return child->form() == form ? child : nullptr;
    return nullptr;
}

QString ChildWindows::patientOf(const QMdiSubWindow* frame)
{
    auto* child = dynamic_cast<const ChildFrame*>(frame);
    return child ? child->patient() : QString();
}

void ChildWindows::frameClosing(ChildFrame*)
{
    emit framesChanged();
}

bool ChildWindows::eventFilter(QObject* watched, QEvent* event)
{
    auto* form = qobject_cast<QWidget*>(watched);
    if (!form)
        return false;
    auto* frame = static_cast<ChildFrame*>(frameOf(form));
    if (!frame)
        return false;
    if (event->type() == QEvent::WindowTitleChange && frame->widget() != form) {
        frame->setWindowTitle(form->windowTitle());
    } else if (event->type() == QEvent::Close && !frame->closing()) {
        // The form closes itself (its Close button, Escape): the frame goes with it.
        if (!settle(frame)) {
            event->ignore();
            return true;
        }
        frame->markSettled();
        frame->close();
    }
    return false;
}

// ---- unsaved work ---------------------------------------------------------------------

bool ChildWindows::settle(QMdiSubWindow* frame)
{
    auto* work = dynamic_cast<UnsavedWork*>(formOf(frame));
    if (!work || !work->hasUnsavedChanges())
        return true;
    // The nurse sees the form the question is about.
    if (frame->isMinimized())
        frame->showNormal();
    area_->setActiveSubWindow(frame);
    const SaveChoice choice = Prompts::current().askSave(
        QStringLiteral("Save changes to %1?").arg(work->unsavedWorkTitle()), QStringLiteral("Confirmation"));
    switch (choice) {
    case SaveChoice::Save: return work->saveUnsavedChanges();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: break;
    }
    return false;
}

bool ChildWindows::settleForPatient(const QString& idNum, bool* asked)
{
    for (QMdiSubWindow* frame : frames()) {
        const QString patient = patientOf(frame);
        if (patient.isEmpty() || samePatient(patient, idNum))
            continue;
        auto* work = dynamic_cast<UnsavedWork*>(formOf(frame));
        if (!work || !work->hasUnsavedChanges())
            continue;
        if (asked)
            *asked = true;
        if (!settle(frame))
            return false;
        static_cast<ChildFrame*>(frame)->markSettled();
        frame->close();
    }
    return true;
}

bool ChildWindows::settleAll()
{
    for (QMdiSubWindow* frame : frames()) {
        auto* work = dynamic_cast<UnsavedWork*>(formOf(frame));
        if (!work || !work->hasUnsavedChanges())
            continue;
        if (!settle(frame))
            return false;
        static_cast<ChildFrame*>(frame)->markSettled();
        frame->close();
    }
    return true;
}

bool ChildWindows::SettleForPatientChange(const QString& idNum, bool* asked)
{
    ChildWindows* windows = main();
    return windows ? windows->settleForPatient(idNum, asked) : true;
}

// ---- the Window menu ------------------------------------------------------------------

void ChildWindows::setMaximiseAll(bool on)
{
    maximiseAll_ = on;
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !on);
    if (on) {
        if (QMdiSubWindow* active = area_->activeSubWindow())
            active->showMaximized();
        return;
    }
    for (QMdiSubWindow* frame : frames())
        if (frame->isMaximized())
            frame->showNormal();
}

void ChildWindows::cascade()
{
    setMaximiseAll(false);
    area_->cascadeSubWindows();
}

void ChildWindows::tile()
{
    setMaximiseAll(false);
    area_->tileSubWindows();
}

// ---- shortcuts ----------------------------------------------------------------------

namespace {

enum class ButtonRole { None, Save, Print, Close, Find };

ButtonRole RoleOf(const QAbstractButton* button)
{
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed().toLower();
    const QString name = button->objectName().toLower();
    if (caption == QLatin1String("save") || name == QLatin1String("cmdsave"))
        return ButtonRole::Save;
    if (caption == QLatin1String("print") || name == QLatin1String("cmdprint"))
        return ButtonRole::Print;
    if (caption == QLatin1String("close") || caption == QLatin1String("exit") || name == QLatin1String("cmdclose")
        || name == QLatin1String("cmdexit"))
        return ButtonRole::Close;
    if (caption == QLatin1String("search") || caption == QLatin1String("find") || name == QLatin1String("cmdsearch")
        || name == QLatin1String("cmdfind"))
        return ButtonRole::Find;
    return ButtonRole::None;
}

QKeySequence KeyOf(ButtonRole role)
{
    switch (role) {
    case ButtonRole::Save: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case ButtonRole::Print: return QKeySequence(Qt::CTRL | Qt::Key_P);
    case ButtonRole::Close: return QKeySequence(Qt::Key_Escape);
    case ButtonRole::Find: return QKeySequence(Qt::CTRL | Qt::Key_F);
    case ButtonRole::None: break;
    }
    return {};
}

} // namespace

void ApplyStandardShortcuts(QWidget* form)
{
    if (form->property("standardShortcuts").toBool())
        return;
    form->setProperty("standardShortcuts", true);
    std::map<ButtonRole, QList<QAbstractButton*>> byRole;
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
        if (const ButtonRole role = RoleOf(button); role != ButtonRole::None)
            byRole[role] << button;
    for (const auto& [role, buttons] : byRole) {
        // Several Save buttons (one per shift, say): the key could only guess
        // which one is meant, so none gets it.
        if (buttons.size() != 1)
            continue;
        QAbstractButton* button = buttons.front();
        const QKeySequence key = KeyOf(role);
        auto* shortcut = new QShortcut(key, form);
        shortcut->setObjectName(QStringLiteral("shortcut_") + button->objectName());
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
        const QString hint = key.toString(QKeySequence::NativeText);
        button->setToolTip(button->toolTip().isEmpty() ? hint : button->toolTip() + QStringLiteral(" (") + hint + QLatin1Char(')'));
    }
    // Ctrl+W closes any working window, with or without a Close button.
    auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), form);
    closeKey->setObjectName(QStringLiteral("shortcut_CloseWindow"));
    closeKey->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(closeKey, &QShortcut::activated, form, [form] { form->close(); });
}

} // namespace shell
