#include "shell/fields/DateField.h"

#include <QDateEdit>
#include <QTimeEdit>

namespace shell {

QDate EarliestFieldDate()
{
    return QDate(1900, 1, 1);
}

QDate LatestFieldDate()
{
    return QDate(2099, 12, 31);
}

QDateEdit* NewDateField(QWidget* parent, const QString& objectName, const QDate& value)
{
    auto* box = new QDateEdit(parent);
    box->setObjectName(objectName);
    box->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    box->setCalendarPopup(true);
    box->setDateRange(EarliestFieldDate(), LatestFieldDate());
    // A section typed out of range goes back to what it held, never to a
    // neighbouring date the nurse did not mean.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    box->setDate(value.isValid() ? value : QDate::currentDate());
    return box;
}

QTimeEdit* NewTimeField(QWidget* parent, const QString& objectName, const QTime& value)
{
    auto* box = new QTimeEdit(parent);
    box->setObjectName(objectName);
    box->setDisplayFormat(QStringLiteral("hh:mm AP"));
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    box->setTime(value.isValid() ? value : QTime(0, 0));
    return box;
}

QString DateFieldText(const QDateEdit* box)
{
    return box->date().toString(QStringLiteral("MM/dd/yyyy"));
}

QString TimeFieldText(const QTimeEdit* box)
{
    return box->time().toString(QStringLiteral("hh:mm:ss AP"));
}

} // namespace shell
