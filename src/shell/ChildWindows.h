#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace shell {

class ChildFrame;

// The working windows of the main window's work area. Every window opens
// through here, so that each one gets the same frame, size, place, shortcuts
// and close handling:
// - a framed sub-window at the form's natural size, never larger than the work
//   area (a form taller or wider than the area scrolls inside its frame),
//   cascaded below and right of the one before;
// - a new window never takes over another's maximised state, unless the user
//   chose "Maximise All" on the Window menu;
// - closing the form closes and deletes its frame, and closing the frame asks
//   about unsaved work first (UnsavedWork);
// - a form already open for the same patient (or a single-instance window) is
//   brought to the front instead of opened twice.
class ChildWindows : public QObject {
    Q_OBJECT

public:
    // How many of one window (by its objectName) may be open.
    enum class Instances {
        Many,          // report viewers: one per report run
        OnePerPatient, // the patient forms: one per window and selected patient (app::IdNum)
        One,           // the patient list, the station choice, the user logs
    };

    explicit ChildWindows(QMdiArea* area);
    ~ChildWindows() override;

    // The work area's windows of the newest main window; null without one
    // (tools and tests that show a window on its own).
    static ChildWindows* main();

    // Opens the form in a frame and brings it to the front. When a window of
    // the same name (and patient) is already open, that one comes to the
    // front, the new form is deleted and the open one's frame is returned.
    QMdiSubWindow* open(QWidget* form, Instances instances = Instances::Many);
    // Brings the open window of that name (and patient, for OnePerPatient
    // windows) to the front; false when none is open.
    bool bringToFront(const QString& name, const QString& patient = QString());
    QMdiSubWindow* find(const QString& name, const QString& patient = QString()) const;

    // The live frames in the order they were opened (closing ones excluded).
    QList<QMdiSubWindow*> frames() const;
    // The form shown in a frame (inside its scroll area when it scrolls).
    static QWidget* formOf(const QMdiSubWindow* frame);
    // The frame a form is shown in; null when it is not a child window.
    static QMdiSubWindow* frameOf(const QWidget* form);
    // The selected patient a patient form was opened for; "" for the others.
    static QString patientOf(const QMdiSubWindow* frame);
    // The forms of one class that are open.
    template <class Form>
    QList<Form*> formsOf() const
    {
        QList<Form*> out;
        for (QMdiSubWindow* frame : frames())
            if (auto* form = qobject_cast<Form*>(formOf(frame)))
                out << form;
        return out;
    }

    // ---- unsaved work --------------------------------------------------------------
    // Asks about the frame's unsaved work: true when it may close (saved,
    // discarded or nothing to save); false for Cancel or a failed save.
    bool settle(QMdiSubWindow* frame);
    // Before another patient is selected: every form holding unsaved work for
    // a patient other than `idNum` is asked; Save and Discard close it. False
    // when the user cancelled (or a save failed): the old patient stays.
    // `asked` (optional) tells whether a question was shown.
    bool settleForPatient(const QString& idNum, bool* asked = nullptr);
    // At exit: every form holding unsaved work is asked and closed. False
    // when the user cancelled: the program keeps running.
    bool settleAll();
    // The same for the newest main window's work area; true without one.
    static bool SettleForPatientChange(const QString& idNum, bool* asked = nullptr);

    // ---- the Window menu --------------------------------------------------------------
    bool maximiseAll() const { return maximiseAll_; }
    // Maximises every window, and every window opened after, or restores them.
    void setMaximiseAll(bool on);
    void cascade();
    void tile();

signals:
    // A window was opened or closed.
    void framesChanged();

private:
    friend class ChildFrame;
    QSize available() const;
    void place(ChildFrame* frame, QWidget* form);
    void frameClosing(ChildFrame* frame);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QMdiArea> area_;
    bool maximiseAll_ = false;
};

// Gives the buttons of a form the usual shortcuts, found by caption or
// objectName: Save (Ctrl+S), Print (Ctrl+P), Close (Escape), Search or Find
// (Ctrl+F); a role with several buttons gets no key. Captions stay as they
// are; the key goes into the tool tip. Ctrl+W closes the form.
// Applied by the framework when a form opens; once per form.
void ApplyStandardShortcuts(QWidget* form);

} // namespace shell
