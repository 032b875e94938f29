#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QWidget>

#include <functional>

namespace scheduling {

// Names a control after its documented name and hands it back.
template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Enter in a box runs its look-up; other keys are typed in capitals.
class LookUpKeys : public QObject {
public:
    LookUpKeys(QLineEdit* box, std::function<void()> lookUp)
        : QObject(box)
        , lookUp_(std::move(lookUp))
    {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
            if (text != text.toUpper()) {
                const int at = box->cursorPosition();
                box->setText(text.toUpper());
                box->setCursorPosition(at);
            }
        });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                lookUp_();
                return true;
            }
        }
        return false;
    }

private:
    std::function<void()> lookUp_;
};

} // namespace scheduling
