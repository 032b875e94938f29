#pragma once

#include "components/CodeRecords.h"

#include <QString>

namespace db {
class Connection;
}

namespace components {

// The code search: looks codes up in the hospital's code tables (doctors,
// diets, services, laboratory exams, other revenue) and fills the record of
// the listing with the row the user picked.
class clsCodeSearch {
public:
    static constexpr const char* ProgID = "CodeSearchForm.clsCodeSearch";

    QString MTS_Server;
    // True: SearchListing opens the look-up window narrowed to the search text.
    // False: the search text is taken as a code and looked up directly, without
    // a window (true when that code exists).
    bool SearchMode = true;
    db::Connection* Connection = nullptr;
    QString CompanyName;
    bool AffiliatedOnly = false;  // doctors: only those affiliated with the hospital
    QString OtherSectionID;       // other revenue: only this section ("" for all)

    // Empties every record, as before the first search.
    void Initialize_Classes();

    // Looks `searchText` up in `listing` (1 doctors, 6 diets, 9 services,
    // 18 laboratory exams, 21 other revenue, 30 dosages). True when a row was picked; its
    // record then holds the row and its ResultCode. False leaves the records
    // as they were. Throws db::DbError when the code table cannot be read.
    bool SearchListing(const QString& searchText, int listing);

    codes::DoctorRecord DoctorRecord;
    codes::DietRecord DietRecord;
    codes::ServiceRecord ServiceRecord;
    codes::LabExamRecord LabExamRecord;
    codes::OtherRevenueRecord OtherRevenueRecord;
    codes::DosageRecord DosageRecord;
};

} // namespace components
