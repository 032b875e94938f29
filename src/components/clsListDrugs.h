#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The item list of the stock departments. DrugsORCSR picks between the
// pharmacy's items and those of the central supply.
class clsListDrugs : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjListDrugs.clsListDrugs";
    virtual QString progId() const { return QString::fromLatin1(ProgID); }

    bool InitConnection(db::Connection* connection) { return connectTo(connection); }

    bool DrugsORCSR = false;

    // Lists the active items of an inventory location (name, stock on hand
    // and price), narrowed to those whose code or name holds `searchText`,
    // in the look-up window; the code the user picked, or an empty text when
    // the window was cancelled. Throws db::DbError when the list cannot be read.
    QString ShowList(const QString& location, const QString& searchText = QString());
};

// The same list grouped by generic name, used where the hospital lists drugs
// by generic (GenericName and ClassificationName come with its first caller).
class clsListGeneric : public clsListDrugs {
public:
    static constexpr const char* ProgID = "prjListDrugsByGeneric.clsListGeneric";
    QString progId() const override { return QString::fromLatin1(ProgID); }
};

} // namespace components
