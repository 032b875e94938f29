#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace components {

// The listings the code search offers, by the numbers callers pass.
enum class Listing {
    Doctors = 1,
    Diets = 6,
    Services = 9,
    LaboratoryExams = 18,
    OtherRevenue = 21,
    Dosages = 30, // our own number: the dosage table of the build file
    // Not offered by number: the item list of one stock location, opened
    // through the item list component.
    StockItems = 1000,
};

// How one listing is read and shown.
struct ListingDef {
    Listing listing;
    QString title;       // the look-up window's caption
    QString codeColumn;  // the column whose value becomes ResultCode
    struct Column {
        QString field;
        QString header;
        bool money = false;
    };
    QList<Column> columns; // shown in the grid, in order
};

// The definition of a listing number; empty for a number the station does not use.
std::optional<ListingDef> FindListing(int number);

// What restricts a listing besides the typed text.
struct ListingFilter {
    QString otherSectionID; // other revenue: only this section (all sections when empty)
    bool affiliatedOnly = false; // doctors: only those affiliated with the hospital
    QString exactCode;      // only the row with this code (a direct look-up)
    QString location;       // stock items: the inventory location listed
    QString containing;     // stock items: code or name containing this text (all when empty)
};

// The item list of a stock location: code, name, stock on hand and price.
ListingDef StockItemListing();

// The statement that reads a listing's active rows, ordered by name.
QString ListingQuery(const ListingDef& def, const ListingFilter& filter);

} // namespace components
