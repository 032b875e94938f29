#pragma once

#include <QPushButton>

class QHBoxLayout;
class QWidget;

namespace shell {

// The OK and Cancel pair of the program's small dialogs, the control array
// cmdOption(0) and cmdOption(1): creates both buttons and returns the row
// that holds them, right-aligned.
QHBoxLayout* CreateOptionButtons(QWidget* parent, QPushButton* (&cmdOption)[2]);

} // namespace shell
