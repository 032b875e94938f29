#pragma once

#include <QString>

namespace shell {

// A form that can hold typing not yet saved. The window framework asks it
// before the form closes, before the selected patient changes and at exit:
// "Save changes to <title>?" with Save / Discard / Cancel. A form implements
// this beside QWidget; the framework finds it with dynamic_cast.
class UnsavedWork {
public:
    virtual ~UnsavedWork() = default;

    // True when something was typed since the form was loaded or last saved.
    virtual bool hasUnsavedChanges() const = 0;
    // Saves through the form's own save (validation, user check, one
    // transaction). False when the save was refused or failed: the form then
    // stays open with everything typed.
    virtual bool saveUnsavedChanges() = 0;
    // What the question names ("Fluid Intake and Output Sheet").
    virtual QString unsavedWorkTitle() const = 0;
};

} // namespace shell
