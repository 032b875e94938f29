#include "shell/fields/NumberField.h"

#include "shell/Prompts.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace shell {

namespace {

// Where a box keeps its range, for the message that names it.
const char* const kMinimum = "orstationNumberMinimum";
const char* const kMaximum = "orstationNumberMaximum";
const char* const kPair = "orstationNumberPair";

QString number(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

std::optional<double> read(QString text, double minimum, double maximum, int decimals)
{
    text = text.trimmed();
    text.remove(QLatin1Char(','));
    if (text.isEmpty())
        return std::nullopt;
    QDoubleValidator check(minimum, maximum, decimals);
    check.setNotation(QDoubleValidator::StandardNotation);
    check.setLocale(QLocale::c());
    int position = 0;
    if (check.validate(text, position) != QValidator::Acceptable)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

bool pairAcceptable(const QLineEdit* box)
{
    const QStringList halves = box->text().trimmed().split(QLatin1Char('/'));
    if (halves.size() != 2)
        return false;
    const double minimum = box->property(kMinimum).toDouble();
    const double maximum = box->property(kMaximum).toDouble();
    return read(halves[0], minimum, maximum, 0) && read(halves[1], minimum, maximum, 0);
}

} // namespace

void MakeNumberField(QLineEdit* box, double minimum, double maximum, int decimals)
{
    auto* validator = new QDoubleValidator(minimum, maximum, decimals, box);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    box->setValidator(validator);
    box->setProperty(kMinimum, minimum);
    box->setProperty(kMaximum, maximum);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void MakeNumberPairField(QLineEdit* box, double minimum, double maximum)
{
    const int digits = QString::number(static_cast<qlonglong>(maximum)).size();
    const QString part = QStringLiteral("\\d{0,%1}").arg(digits);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(part + QStringLiteral("(/") + part + QStringLiteral(")?")), box));
    box->setProperty(kMinimum, minimum);
    box->setProperty(kMaximum, maximum);
    box->setProperty(kPair, true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

std::optional<double> NumberFieldValue(const QLineEdit* box)
{
    if (box->property(kPair).toBool())
        return std::nullopt;
    if (auto* validator = qobject_cast<const QDoubleValidator*>(box->validator()))
        return read(box->text(), validator->bottom(), validator->top(), validator->decimals());
    return read(box->text(), -1e300, 1e300, 15);
}

bool NumberFieldAcceptable(const QLineEdit* box)
{
    if (box->text().trimmed().isEmpty())
        return true;
    if (box->property(kPair).toBool())
        return pairAcceptable(box);
    return NumberFieldValue(box).has_value();
}

QString NumberFieldProblem(const QLineEdit* box, const QString& caption)
{
    if (NumberFieldAcceptable(box))
        return QString();
    const QString from = number(box->property(kMinimum).toDouble());
    const QString to = number(box->property(kMaximum).toDouble());
    if (box->property(kPair).toBool())
        return caption + QStringLiteral(" must be written as two numbers such as 120/80, each from ") + from +
               QStringLiteral(" to ") + to + QLatin1Char('.');
    return caption + QStringLiteral(" must be a number from ") + from + QStringLiteral(" to ") + to + QLatin1Char('.');
}

bool CheckNumberFields(const std::vector<std::pair<QString, const QLineEdit*>>& boxes)
{
    for (const auto& [caption, box] : boxes) {
        const QString problem = NumberFieldProblem(box, caption);
        if (problem.isEmpty())
            continue;
        Notify(problem, PromptIcon::Exclamation);
        auto* editable = const_cast<QLineEdit*>(box);
        editable->setFocus();
        editable->selectAll();
        return false;
    }
    return true;
}

} // namespace shell
