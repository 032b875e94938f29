#pragma once

#include "server/demo/DemoRandom.h"

#include <QString>

namespace server::demo {

// A person's name as the hospital files keep it, upper case like the registration desk types it.
struct PersonName {
    QString last;
    QString first;
    QString middle;
    QChar sex; // 'M' or 'F'
};

PersonName RandomPerson(DemoRandom& random);
PersonName RandomPerson(DemoRandom& random, QChar sex);

// Street, barangay, town and province of an invented address in the hospital's catchment area.
struct Address {
    QString street;
    QString barangay;
    QString town;
    QString province;
    QString complete() const;
};

Address RandomAddress(DemoRandom& random);

} // namespace server::demo
