#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace patients {

// Small pieces the patient look-up windows share, so that they look alike.

// A caption over or beside a box: slightly smaller, in the palette's dark tone.
QLabel* SmallCaption(const QString& text, QWidget* parent);
// A value shown beside its caption: bold, selectable, elided by the layout.
QLabel* ValueLabel(const char* objectName, QWidget* parent);
// Names and numbers are kept in capitals as they are typed.
void TypeInCapitals(QLineEdit* box);

} // namespace patients
