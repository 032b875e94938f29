#pragma once

#include <QDate>
#include <QString>
#include <QTime>

class QDateEdit;
class QTimeEdit;
class QWidget;

namespace shell {

// The station's date and time boxes. They cannot hold a date or time that
// does not exist, keep the "mm/dd/yyyy" and "hh:mm AM/PM" forms the server
// is sent, and open a calendar for dates. Every window makes its date and
// time boxes here, so the typing rules are the same everywhere.
QDateEdit* NewDateField(QWidget* parent, const QString& objectName, const QDate& value = QDate());
QTimeEdit* NewTimeField(QWidget* parent, const QString& objectName, const QTime& value = QTime());

// The texts the server is sent: "12/05/2026" and "08:30:00 AM".
QString DateFieldText(const QDateEdit* box);
QString TimeFieldText(const QTimeEdit* box);

// Earliest and latest dates a box accepts.
QDate EarliestFieldDate();
QDate LatestFieldDate();

} // namespace shell
