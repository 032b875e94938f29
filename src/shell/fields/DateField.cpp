#include "shell/fields/DateField.h"

#include "shell/fields/TypedDateEntry.h"

#include <QDateEdit>
#include <QTimeEdit>

namespace shell {

namespace {

const char* const kOptional = "orstationOptionalField";

bool isOptional(const QDateTimeEdit* box)
{
    return box->property(kOptional).toBool();
}

template <typename Box>
Box* prepare(Box* box, const QString& objectName)
{
    box->setObjectName(objectName);
    // A part typed out of range goes back to what it held, never to a
    // neighbouring date the nurse did not mean.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    AcceptWholeTypedEntries(box);
    return box;
}

void makeOptional(QDateTimeEdit* box)
{
    box->setProperty(kOptional, true);
    // The box's minimum stands for "not entered"; a space keeps the special text in force.
    box->setSpecialValueText(QStringLiteral(" "));
}

} // namespace

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
    auto* box = prepare(new QDateEdit(parent), objectName);
    box->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    box->setCalendarPopup(true);
    box->setDateRange(EarliestFieldDate(), LatestFieldDate());
    box->setDate(value.isValid() ? value : QDate::currentDate());
    return box;
}

QTimeEdit* NewTimeField(QWidget* parent, const QString& objectName, const QTime& value)
{
    auto* box = prepare(new QTimeEdit(parent), objectName);
    box->setDisplayFormat(QStringLiteral("hh:mm AP"));
    box->setTime(value.isValid() ? value : QTime(0, 0));
    return box;
}

QDateEdit* NewOptionalDateField(QWidget* parent, const QString& objectName)
{
    QDateEdit* box = NewDateField(parent, objectName);
    box->setMinimumDate(EarliestFieldDate().addDays(-1));
    makeOptional(box);
    ClearField(box);
    return box;
}

QTimeEdit* NewOptionalTimeField(QWidget* parent, const QString& objectName)
{
    QTimeEdit* box = NewTimeField(parent, objectName);
    // Midnight itself is held a millisecond later, so that the minimum can mean "empty".
    box->setMinimumTime(QTime(0, 0));
    makeOptional(box);
    ClearField(box);
    return box;
}

bool FieldMayBeEmpty(const QDateTimeEdit* box)
{
    return isOptional(box);
}

bool FieldIsEmpty(const QDateTimeEdit* box)
{
    return isOptional(box) && box->dateTime() == box->minimumDateTime();
}

void ClearField(QDateTimeEdit* box)
{
    if (isOptional(box))
        box->setDateTime(box->minimumDateTime());
}

QString DateFieldText(const QDateEdit* box)
{
    if (FieldIsEmpty(box))
        return QString();
    return box->date().toString(QStringLiteral("MM/dd/yyyy"));
}

QString TimeFieldText(const QTimeEdit* box)
{
    if (FieldIsEmpty(box))
        return QString();
    return box->time().toString(QStringLiteral("hh:mm:ss AP"));
}

bool SetDateFieldText(QDateEdit* box, const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (!isOptional(box))
            return false;
        ClearField(box);
        return true;
    }
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd", "MM-dd-yyyy"}) {
        const QDate date = QDate::fromString(trimmed.left(10).trimmed(), QLatin1String(format));
        const QDate earliest = isOptional(box) ? box->minimumDate().addDays(1) : box->minimumDate();
        if (date.isValid() && date >= earliest && date <= box->maximumDate()) {
            box->setDate(date);
            return true;
        }
    }
    return false;
}

bool SetTimeFieldText(QTimeEdit* box, const QString& text)
{
    const QString trimmed = text.trimmed().toUpper();
    if (trimmed.isEmpty()) {
        if (!isOptional(box))
            return false;
        ClearField(box);
        return true;
    }
    for (const char* format : {"hh:mm AP", "h:mm AP", "hh:mm:ss AP", "h:mm:ss AP", "HH:mm", "H:mm", "HH:mm:ss"}) {
        QTime time = QTime::fromString(trimmed, QLatin1String(format));
        if (!time.isValid())
            continue;
        if (isOptional(box) && time == QTime(0, 0))
            time = QTime(0, 0, 0, 1);
        box->setTime(time);
        return true;
    }
    return false;
}

} // namespace shell
