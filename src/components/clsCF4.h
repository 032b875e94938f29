#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace components {

// The case-rate form 4 entry object of the shared classes. The station fills
// these members before it opens the entry; the entry window itself comes with
// the case-rate forms.
class clsCF4 {
public:
    QString IdNum;
    QString StationID;
    QString Title;
    bool ShowPrint = false;
    QString HospitalName;
    QString HospitalAddress;
    QString ReportPath;
    QString EmployeeCode;

    db::Connection* connection = nullptr; // handed over by initwithdb

    // Whether the claim form of the visit IdNum can be made before the
    // patient leaves: a visit the national insurance covers needs its chief
    // complaint, history of the present illness and diagnosis on record, and
    // the form is signed by EmployeeCode. Tells the user what is missing
    // (through the prompts) and returns false then; true for a visit the
    // insurance does not cover. Throws db::DbError when the records cannot be read.
    bool ValidateRequirements();
};

} // namespace components
