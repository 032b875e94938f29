#include "shell/fields/TypedDateEntry.h"

#include "shell/fields/DateField.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

#include <optional>
#include <vector>

namespace shell {

namespace {

// The parts of a display format in the order they are shown.
enum class Part { Month, Day, Year, Hour, Minute, Second, AmPm };
struct Section {
    Part part;
    int width; // digits when typed in full
};

std::vector<Section> sectionsOf(const QString& format)
{
    std::vector<Section> sections;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n] == c)
            ++n;
        switch (c.unicode()) {
        case 'M': if (n <= 2) sections.push_back({Part::Month, 2}); break;
        case 'd': if (n <= 2) sections.push_back({Part::Day, 2}); break;
        case 'y': sections.push_back({Part::Year, n == 2 ? 2 : 4}); break;
        case 'h': case 'H': sections.push_back({Part::Hour, 2}); break;
        case 'm': sections.push_back({Part::Minute, 2}); break;
        case 's': sections.push_back({Part::Second, 2}); break;
        case 'A': case 'a':
            sections.push_back({Part::AmPm, 0});
            if (i + n < format.size() && (format[i + n] == QLatin1Char('P') || format[i + n] == QLatin1Char('p')))
                ++n;
            break;
        case '\'': // quoted text in a format is shown, never typed
            while (i + n < format.size() && format[i + n] != QLatin1Char('\''))
                ++n;
            ++n;
            break;
        default: break;
        }
        i += n;
    }
    return sections;
}

// The parts typed as digits, in order; `amPm` tells whether the format also
// has an AM/PM marker, which is typed as a letter.
std::vector<Section> numericSectionsOf(const QString& format, bool& amPm)
{
    std::vector<Section> numeric;
    for (const Section& s : sectionsOf(format)) {
        if (s.part == Part::AmPm)
            amPm = true;
        else
            numeric.push_back(s);
    }
    return numeric;
}


// A whole value typed over a date or time box. Qt's own editing works one
// section at a time: keys typed over a selected date land in whichever
// section the cursor happens to be in, so "12/05/2026" typed over a selection
// became 12/05/0000, and "13/45/2026" left a month of 12 and a year of 5202.
// While a nurse types from the start of the box, the keys are collected here
// and read as one value in the box's format; the box itself only ever holds
// a value that exists.
class TypedEntry : public QObject {
public:
    explicit TypedEntry(QDateTimeEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::ShortcutOverride:
            // A shortcut (Alt+O, Ctrl+S) acts on the box's value: what was typed is taken first.
            if (typing_ && (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
                finish();
            return false;
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::Hide:
            if (typing_)
                finish();
            return false;
        default:
            return false;
        }
    }

private:
    // The box's own text line, not one inside its calendar pop-up.
    QLineEdit* edit() const { return box_->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly); }

    bool hasTime() const
    {
        for (const Section& s : sectionsOf(box_->displayFormat()))
            if (s.part == Part::Hour)
                return true;
        return false;
    }

    bool typedFromStart() const
    {
        const QLineEdit* line = edit();
        if (!line)
            return false;
        if (FieldMayBeEmpty(box_) && FieldIsEmpty(box_))
            return true;
        if (line->hasSelectedText())
            return line->selectionStart() == 0;
        return line->cursorPosition() == 0;
    }

    static bool isEntryCharacter(QChar c)
    {
        return c.isDigit() || c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(':') ||
               c == QLatin1Char(' ') || c.toUpper() == QLatin1Char('A') || c.toUpper() == QLatin1Char('P') ||
               c.toUpper() == QLatin1Char('M');
    }

    bool keyPress(QKeyEvent* key)
    {
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (typing_)
                finish();
            // Tab leaves the box as it leaves every other box of the form: the
            // parts of a date are typed, not tabbed through. The box lets focus
            // go only from its last part (first part going back).
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            box_->setCurrentSectionIndex(back ? 0 : box_->sectionCount() - 1);
            return false;
        }
        const QString text = key->text();
        if (!typing_) {
            if (swallowM_) {
                swallowM_ = false;
                if (text.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0)
                    return true; // the "M" of "PM" after the entry was taken
            }
            const bool erase = key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace;
            if (erase && FieldMayBeEmpty(box_) && edit() && edit()->selectedText() == edit()->text()) {
                ClearField(box_);
                return true;
            }
            if (text.size() == 1 && text[0].isDigit() && typedFromStart()) {
                begin();
                append(text[0]);
                return true;
            }
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Escape:
            restore();
            return true;
        case Qt::Key_Backspace:
            buffer_.chop(1);
            show();
            return true;
        case Qt::Key_Delete:
            buffer_.clear();
            show();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            finish();
            return false;
        default:
            break;
        }
        if (text.size() == 1 && isEntryCharacter(text[0])) {
            append(text[0]);
            return true;
        }
        return true; // anything else cannot be part of a date or time
    }

    void begin()
    {
        typing_ = true;
        buffer_.clear();
        previous_ = box_->dateTime();
        wasEmpty_ = FieldMayBeEmpty(box_) && FieldIsEmpty(box_);
        tracking_ = box_->keyboardTracking();
        // Half-typed text must not be read as a value on the way.
        box_->setKeyboardTracking(false);
    }

    void append(QChar c)
    {
        if (buffer_.size() >= 16) {
            QApplication::beep();
            return;
        }
        buffer_ += c.toUpper();
        show();
        if (!complete())
            return;
        const bool time = hasTime();
        finish();
        // "08:30 P" was taken at the "P"; the "M" that follows belongs to it.
        swallowM_ = time;
    }

    void show()
    {
        if (QLineEdit* line = edit()) {
            line->setText(buffer_);
            line->setCursorPosition(static_cast<int>(buffer_.size()));
        }
    }

    // Digit groups and letters of the buffer.
    struct Pieces {
        QStringList groups;
        QString letters;
    };
    Pieces pieces() const
    {
        Pieces p;
        QString group;
        for (const QChar c : buffer_) {
            if (c.isDigit()) {
                group += c;
                continue;
            }
            if (!group.isEmpty())
                p.groups << group;
            group.clear();
            if (c.isLetter())
                p.letters += c;
        }
        if (!group.isEmpty())
            p.groups << group;
        return p;
    }

    // A date is taken as soon as its last part is typed in full; a time with
    // AM/PM once its A or P is typed, otherwise when its last part is full.
    bool complete() const
    {
        bool amPm = false;
        const std::vector<Section> numeric = numericSectionsOf(box_->displayFormat(), amPm);
        if (numeric.empty())
            return false;
        const Pieces p = pieces();
        if (amPm)
            return !p.letters.isEmpty() && !p.groups.isEmpty();
        int total = 0;
        for (const Section& s : numeric)
            total += s.width;
        if (p.groups.size() == 1 && numeric.size() > 1)
            return p.groups[0].size() >= total;
        return p.groups.size() == static_cast<qsizetype>(numeric.size()) && p.groups.last().size() >= numeric.back().width;
    }

    // The typed value, or nothing when it is not a real date or time in the
    // box's range. `final`: the nurse has finished typing, so short forms
    // (two-digit years, "830") are read too.
    std::optional<QDateTime> value(bool final) const
    {
        bool amPm = false;
        const std::vector<Section> numeric = numericSectionsOf(box_->displayFormat(), amPm);
        const Pieces p = pieces();
        if (numeric.empty() || p.groups.isEmpty())
            return std::nullopt;
        QStringList parts = p.groups;
        if (parts.size() == 1 && numeric.size() > 1) {
            // All digits in one run: cut it by the sections' widths.
            std::vector<int> widths;
            int total = 0;
            for (const Section& s : numeric) {
                widths.push_back(s.width);
                total += s.width;
            }
            const int length = static_cast<int>(parts[0].size());
            if (length != total && final) {
                if (numeric.back().part == Part::Year && length == total - 2)
                    widths.back() = 2; // "120526"
                else if (numeric.front().part == Part::Hour && length == total - 1)
                    widths.front() = 1; // "830"
            }
            int sum = 0;
            for (int w : widths)
                sum += w;
            if (sum != length)
                return std::nullopt;
            QStringList cut;
            int at = 0;
            for (int w : widths) {
                cut << parts[0].mid(at, w);
                at += w;
            }
            parts = cut;
        }
        if (parts.size() != static_cast<qsizetype>(numeric.size()))
            return std::nullopt;

        const QDateTime before = previous_;
        int year = before.date().year(), month = before.date().month(), day = before.date().day();
        int hour = before.time().hour(), minute = before.time().minute(), second = 0;
        bool dayTyped = false;
        for (std::size_t i = 0; i < numeric.size(); ++i) {
            const QString& digits = parts[static_cast<qsizetype>(i)];
            const int n = digits.toInt();
            switch (numeric[i].part) {
            case Part::Year:
                if (digits.size() == 4)
                    year = n;
                else if (digits.size() == 2 && (final || numeric[i].width == 2))
                    year = 2000 + n;
                else
                    return std::nullopt;
                break;
            case Part::Month:
                if (digits.size() > 2)
                    return std::nullopt;
                month = n;
                break;
            case Part::Day:
                if (digits.size() > 2)
                    return std::nullopt;
                day = n;
                dayTyped = true;
                break;
            case Part::Hour:
                if (digits.size() > 2)
                    return std::nullopt;
                hour = n;
                break;
            case Part::Minute:
                if (digits.size() != 2)
                    return std::nullopt;
                minute = n;
                break;
            case Part::Second:
                if (digits.size() != 2)
                    return std::nullopt;
                second = n;
                break;
            case Part::AmPm:
                break;
            }
        }
        if (!p.letters.isEmpty()) {
            const QString l = p.letters;
            if (!amPm || !(l == QLatin1String("A") || l == QLatin1String("AM") || l == QLatin1String("P") || l == QLatin1String("PM")))
                return std::nullopt;
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (l.startsWith(QLatin1Char('P')) ? 12 : 0);
        }
        if (month < 1 || month > 12)
            return std::nullopt;
        // A month or year picker keeps the day it had, as far as the month has it.
        if (!dayTyped)
            day = std::min(day, QDate(year, month, 1).daysInMonth());
        const QDate date(year, month, day);
        const QTime time(hour, minute, second);
        if (!date.isValid() || !time.isValid())
            return std::nullopt;
        QDateTime result(before.date(), before.time());
        const QDateTimeEdit::Sections shown = box_->displayedSections();
        if (shown & QDateTimeEdit::DateSections_Mask) {
            // An optional box's minimum stands for "empty": typed dates start a day later.
            const QDate earliest = FieldMayBeEmpty(box_) ? box_->minimumDate().addDays(1) : box_->minimumDate();
            if (date < earliest || date > box_->maximumDate())
                return std::nullopt;
            result.setDate(date);
        }
        if (shown & QDateTimeEdit::TimeSections_Mask) {
            if (time < box_->minimumTime() || time > box_->maximumTime())
                return std::nullopt;
            result.setTime(time == QTime(0, 0) && FieldMayBeEmpty(box_) ? QTime(0, 0, 0, 1) : time);
        }
        return result;
    }

    void finish()
    {
        typing_ = false;
        if (buffer_.isEmpty() && FieldMayBeEmpty(box_)) {
            box_->setKeyboardTracking(tracking_);
            ClearField(box_);
            return;
        }
        const std::optional<QDateTime> typed = value(true);
        if (!typed) {
            // An impossible date is refused: the box shows what it held.
            QApplication::beep();
            restore();
            return;
        }
        box_->setKeyboardTracking(tracking_);
        box_->setDateTime(*typed);
        box_->selectAll();
    }

    void restore()
    {
        typing_ = false;
        box_->setKeyboardTracking(tracking_);
        if (wasEmpty_)
            ClearField(box_);
        else
            box_->setDateTime(previous_);
        box_->selectAll();
    }

    QDateTimeEdit* box_;
    bool typing_ = false;
    bool tracking_ = true;
    bool wasEmpty_ = false;
    bool swallowM_ = false;
    QString buffer_;
    QDateTime previous_;
};

} // namespace

void AcceptWholeTypedEntries(QDateTimeEdit* box)
{
    new TypedEntry(box);
}

} // namespace shell
