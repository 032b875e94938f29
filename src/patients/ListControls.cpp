#include "patients/ListControls.h"

#include <QLabel>
#include <QLineEdit>

namespace patients {

QLabel* SmallCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: palette(dark);"));
    return label;
}

QLabel* ValueLabel(const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(60);
    return label;
}

void TypeInCapitals(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& typed) {
        const QString upper = typed.toUpper();
        if (upper != typed) {
            const int at = box->cursorPosition();
            box->setText(upper);
            box->setCursorPosition(at);
        }
    });
}

} // namespace patients
