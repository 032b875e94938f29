#pragma once

#include <QString>
#include <vector>

namespace server::demo {

// One drug or supply of the hospital's item master.
struct FormularyItem {
    QString itemId;
    QString name;        // as printed on slips: generic (brand) strength form
    QString genericName; // empty for supplies
    QString unit;
    QString route;       // empty for supplies
    QString antibioticClass;
    double price = 0;    // in-patient selling price
    bool medicine = true;
    bool highAlert = false;
    bool refrigerated = false;
    bool restricted = false; // not for cash-basis patients
};

// Two hundred medicines and a hundred supplies, always the same.
const std::vector<FormularyItem>& Formulary();

struct AntibioticClass {
    const char* id;
    const char* name;
};
const std::vector<AntibioticClass>& AntibioticClasses();

} // namespace server::demo
