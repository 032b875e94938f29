#include "components/KeyPress.h"

#include <QChar>

namespace components {

int KeyPress::AllUppers(int& key) const
{
    // Only characters of the basic plane have a one-code capital to turn into.
    if (key > 0 && key <= 0xFFFF)
        key = QChar(static_cast<char16_t>(key)).toUpper().unicode();
    return key;
}

bool KeyPress::IsNumber(int& key) const
{
    const bool control = key >= 0 && key < 0x20; // backspace, tab, enter, escape, ctrl+c/v/x/z
    const bool allowed = control || (key >= '0' && key <= '9') || key == '.';
    if (!allowed)
        key = 0;
    return allowed;
}

} // namespace components
