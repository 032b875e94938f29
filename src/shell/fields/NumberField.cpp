#include "shell/fields/NumberField.h"

#include <QDoubleValidator>
#include <QLineEdit>

namespace shell {

void MakeNumberField(QLineEdit* box, double minimum, double maximum, int decimals)
{
    auto* validator = new QDoubleValidator(minimum, maximum, decimals, box);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    box->setValidator(validator);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

std::optional<double> NumberFieldValue(const QLineEdit* box)
{
    QString text = box->text().trimmed();
    text.remove(QLatin1Char(','));
    if (text.isEmpty())
        return std::nullopt;
    if (const QValidator* validator = box->validator()) {
        int position = 0;
        if (validator->validate(text, position) != QValidator::Acceptable)
            return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool NumberFieldAcceptable(const QLineEdit* box)
{
    return box->text().trimmed().isEmpty() || NumberFieldValue(box).has_value();
}

} // namespace shell
