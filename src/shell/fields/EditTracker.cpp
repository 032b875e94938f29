#include "shell/fields/EditTracker.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace shell {

EditTracker::EditTracker(QObject* parent) : QObject(parent) {}

void EditTracker::watch(QWidget* form)
{
    for (QWidget* box : form->findChildren<QWidget*>())
        watchBox(box);
}

void EditTracker::watchBox(QWidget* box)
{
    // Only what a user edits counts: text typed, dates picked, boxes ticked.
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        // Line edits inside date boxes and combo boxes report through their owner.
        if (qobject_cast<QAbstractSpinBox*>(line->parentWidget()) || qobject_cast<QComboBox*>(line->parentWidget()))
            return;
        connect(line, &QLineEdit::textEdited, this, &EditTracker::changed, Qt::UniqueConnection);
    } else if (auto* text = qobject_cast<QTextEdit*>(box)) {
        connect(text, &QTextEdit::textChanged, this, &EditTracker::changed, Qt::UniqueConnection);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        connect(plain, &QPlainTextEdit::textChanged, this, &EditTracker::changed, Qt::UniqueConnection);
    } else if (auto* dateTime = qobject_cast<QDateTimeEdit*>(box)) {
        connect(dateTime, &QDateTimeEdit::dateTimeChanged, this, &EditTracker::changed, Qt::UniqueConnection);
    } else if (auto* combo = qobject_cast<QComboBox*>(box)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &EditTracker::changed, Qt::UniqueConnection);
        if (combo->isEditable())
            connect(combo, &QComboBox::editTextChanged, this, &EditTracker::changed, Qt::UniqueConnection);
    } else if (auto* button = qobject_cast<QAbstractButton*>(box)) {
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, &EditTracker::changed, Qt::UniqueConnection);
    }
}

void EditTracker::changed()
{
    if (!paused_)
        modified_ = true;
}

} // namespace shell
