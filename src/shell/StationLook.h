#pragma once

#include <QPalette>

#include <initializer_list>

class QApplication;
class QHBoxLayout;
class QPushButton;
class QTabWidget;

namespace shell {

// The look every window of the station shares: one style (Fusion, the same
// on every desktop), one calm palette, and one spacing scale, so that the
// windows written by different hands still look like one program. Set once
// at start-up (and by the window tests, so that sizes measured there are the
// sizes the nurse sees).
namespace StationLook {

// The spacing scale, in pixels: between a label and its box, between the
// controls of a row, between groups, and around a window's content.
constexpr int Tight = 4;
constexpr int Small = 8;
constexpr int Medium = 12;
constexpr int Large = 16;

QPalette Palette();
// Fusion, the palette, and the tool tips in the same colours.
void Apply();

// A dialog's buttons in the station's order: right-aligned, the button that
// does the dialog's work first, then the one that closes or cancels it.
// The first button becomes the default (Enter) unless `withDefault` is false
// (dialogs whose search box already answers Enter).
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool withDefault = true);

// Every tab of a crowded tab strip stays in sight: the longest captions are
// shortened with an ellipsis, only as far as the width needs (the whole
// caption shows as the tab's tip), instead of scrolling the first tabs out
// of view. Call it once the tabs are added; later calls do nothing.
void KeepTabsInSight(QTabWidget* tabs);

} // namespace StationLook

} // namespace shell
