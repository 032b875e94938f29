#include "server/demo/DemoRates.h"

#include "server/demo/BatchInsert.h"

#include <cmath>

namespace server::demo {

namespace {

const char kClasses[] = "ABCDEFGHI";

double factor(QChar rateClass)
{
    switch (rateClass.toLatin1()) {
    case 'B': return 1.10;
    case 'C': return 1.20;
    case 'D': return 1.30;
    case 'E': return 1.45;
    case 'F': return 0.90;
    case 'G': return 1.50;
    case 'H': return 1.05;
    case 'I': return 1.75;
    default: return 1.00;
    }
}

} // namespace

QStringList RateColumns(bool withClassI)
{
    QStringList columns;
    const int count = withClassI ? 9 : 8;
    for (int i = 0; i < count; ++i)
        columns << QStringLiteral("Rate") + QLatin1Char(kClasses[i]);
    return columns;
}

double RateFor(double classA, QChar rateClass)
{
    const double exact = classA * factor(rateClass);
    // Small unit prices (oxygen per PSI, per piece) keep their centavos.
    if (classA < 100)
        return std::round(exact * 100.0) / 100.0;
    return std::round(exact / 5.0) * 5.0;
}

QStringList RateLiterals(double classA, bool withClassI)
{
    QStringList literals;
    const int count = withClassI ? 9 : 8;
    for (int i = 0; i < count; ++i)
        literals << Num(RateFor(classA, QLatin1Char(kClasses[i])));
    return literals;
}

} // namespace server::demo
