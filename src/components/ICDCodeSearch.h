#pragma once

namespace db {
class Connection;
}

namespace components {

// The ICD-10 diagnosis look-up; the station hands it the shared connection
// (its look-up dialog comes with the first window that codes diagnoses).
class ICDCodeSearch {
public:
    static constexpr const char* ProgID = "ICD10.ICDCodeSearch";

    db::Connection* ActiveConnection = nullptr;
};

} // namespace components
