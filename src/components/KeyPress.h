#pragma once

namespace components {

// Key filters of the text boxes: codes and names are typed in capitals, and
// numeric boxes take only what a number needs. Both take the key code by
// reference, as a key handler passes it, and may change it.
class KeyPress {
public:
    static constexpr const char* ProgID = "ActiveX100.KeyPress";

    // Turns a letter key into its capital (other keys are left alone) and
    // returns the resulting key code.
    int AllUppers(int& key) const;

    // True for the keys a numeric entry allows: digits, the decimal point and
    // the editing keys (backspace, tab, enter, escape and the other control
    // keys such as copy and paste). Any other key is dropped: it becomes 0.
    bool IsNumber(int& key) const;
};

} // namespace components
