#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The item list of the stock departments (ShowList comes with the first
// window that opens it). DrugsORCSR picks between the pharmacy's items and
// those of the central supply.
class clsListDrugs : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjListDrugs.clsListDrugs";
    virtual QString progId() const { return QString::fromLatin1(ProgID); }

    bool InitConnection(db::Connection* connection) { return connectTo(connection); }

    bool DrugsORCSR = false;
};

// The same list grouped by generic name, used where the hospital lists drugs
// by generic (GenericName and ClassificationName come with its first caller).
class clsListGeneric : public clsListDrugs {
public:
    static constexpr const char* ProgID = "prjListDrugsByGeneric.clsListGeneric";
    QString progId() const override { return QString::fromLatin1(ProgID); }
};

} // namespace components
