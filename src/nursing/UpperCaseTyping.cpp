#include "nursing/UpperCaseTyping.h"

#include "components/KeyPress.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace nursing {

void UpperCaseTyping::watchAll(QObject* form)
{
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

void UpperCaseTyping::installOn(QLineEdit* box)
{
    box->installEventFilter(this);
}

bool UpperCaseTyping::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && !box->isReadOnly() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() == 1 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            int code = typed.at(0).unicode();
            const int original = code;
            components::KeyPress().AllUppers(code);
            if (code != original) {
                box->insert(QString(QChar(code)));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace nursing
