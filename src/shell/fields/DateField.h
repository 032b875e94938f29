#pragma once

#include <QDate>
#include <QString>
#include <QTime>

class QDateEdit;
class QDateTimeEdit;
class QTimeEdit;
class QWidget;

namespace shell {

// The station's date and time boxes. They cannot hold a date or time that
// does not exist, keep the "mm/dd/yyyy" and "hh:mm AM/PM" forms the server
// is sent, and open a calendar for dates. Every window makes its date and
// time boxes here, so the typing rules are the same everywhere:
// - typing over the selected text (or from its start) enters a whole value:
//   "12/05/2026", "12052026", "1/5/2026", "08:30 PM", "2030", "0830P";
// - a date is taken as soon as its year is complete, a time on Enter, Tab or
//   leaving the box; an impossible or out-of-range value ("13/45/2026",
//   "25:99") is refused and the box keeps what it held before;
// - Escape while typing gives the previous value back.
// The same rules hold after the display format is changed (month or year
// pickers): the typed parts follow the format's sections.
QDateEdit* NewDateField(QWidget* parent, const QString& objectName, const QDate& value = QDate());
QTimeEdit* NewTimeField(QWidget* parent, const QString& objectName, const QTime& value = QTime());

// A date or time box that may also be empty (a value not known yet, such as
// the scheduled time of an operation). It starts empty; Delete or Backspace
// over the whole text empties it again.
QDateEdit* NewOptionalDateField(QWidget* parent, const QString& objectName);
QTimeEdit* NewOptionalTimeField(QWidget* parent, const QString& objectName);
bool FieldMayBeEmpty(const QDateTimeEdit* box);
bool FieldIsEmpty(const QDateTimeEdit* box);
void ClearField(QDateTimeEdit* box);

// The texts the server is sent: "12/05/2026" and "08:30:00 AM" ("" for an
// empty optional box).
QString DateFieldText(const QDateEdit* box);
QString TimeFieldText(const QTimeEdit* box);

// Stored texts read back into a box. The forms the station writes and the
// usual variants ("12/5/2026", "2026-12-05"; "08:30 AM", "8:30:00 PM",
// "20:30") are read; an empty text empties an optional box. False (and the
// box unchanged) for a text that is not a real date or time.
bool SetDateFieldText(QDateEdit* box, const QString& text);
bool SetTimeFieldText(QTimeEdit* box, const QString& text);

// Earliest and latest dates a box accepts.
QDate EarliestFieldDate();
QDate LatestFieldDate();

} // namespace shell
