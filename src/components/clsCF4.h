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
};

} // namespace components
