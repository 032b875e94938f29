#pragma once

#include <QChar>
#include <QStringList>

namespace server::demo {

// The price columns of every price list, one per rate class.
QStringList RateColumns(bool withClassI);

// The price of a service in each rate class, from its class A price: the
// private rooms pay more, special (class F) patients less, class I (foreign
// and ER patients at some sites) the most. Rounded to five pesos, small
// unit prices to the centavo.
double RateFor(double classA, QChar rateClass);

// The literals of RateA.. for a class A price.
QStringList RateLiterals(double classA, bool withClassI);

} // namespace server::demo
