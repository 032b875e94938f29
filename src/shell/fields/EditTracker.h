#pragma once

#include <QObject>

class QWidget;

namespace shell {

// Notices typing in every input box under a form (text, date, time, number,
// check and option boxes, combo boxes), so the form can tell the window
// framework that it holds unsaved changes. A form calls watch() once its
// boxes exist, and markSaved() after it loads or saves.
class EditTracker : public QObject {
    Q_OBJECT

public:
    explicit EditTracker(QObject* parent = nullptr);

    // Watches every input box that is a child of `form` now.
    void watch(QWidget* form);
    // Watches one more box (made after watch()).
    void watchBox(QWidget* box);

    bool modified() const { return modified_; }
    void markSaved() { modified_ = false; }
    void markModified() { modified_ = true; }

    // While paused (loading a stored record), changes are not typing.
    void pause() { paused_ = true; }
    void resume() { paused_ = false; }

private:
    void changed();

    bool modified_ = false;
    bool paused_ = false;
};

} // namespace shell
