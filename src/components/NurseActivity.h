#pragma once

#include <QString>

namespace db {
class Connection;
class Recordset;
}

namespace components {

// The nurse-activity components: pending requests, results and confinement
// results of the station's patients. They are created for the hospital's
// middle-tier server (MTSServerName) and told when the station closes.
// Their look-ups (GetRequests, GetResults, GetConfinementResults) come with
// the alert windows.
class NurseActivity {
public:
    explicit NurseActivity(QString serverName) : serverName_(std::move(serverName)) {}
    virtual ~NurseActivity() = default;
    virtual QString progId() const = 0;

    const QString& serverName() const { return serverName_; }

    // The station is closing: nothing more is asked of the component.
    void Class_Terminate() { terminated_ = true; }
    bool terminated() const { return terminated_; }

private:
    QString serverName_;
    bool terminated_ = false;
};

class clsRequest : public NurseActivity {
public:
    static constexpr const char* ProgID = "Nurse_activity.clsRequest";
    using NurseActivity::NurseActivity;
    QString progId() const override { return QString::fromLatin1(ProgID); }

    // The patient's requests of one kind. Mode "2": every request sent to an
    // ancillary department with where it stands (columns "ITEM DESCRIPTION",
    // "QTY", "DEPT", "REQUEST DATE/TIME", "Code", "REQUESTED BY", "PROCESS
    // DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY", "REMARKS",
    // then the hidden "RequestNum" and "RecordStatus"), newest first. A mode
    // the component does not know fails with db::DbError.
    db::Recordset GetRequests(db::Connection& connection, const QString& idNum, const QString& mode) const;
};

class clsResults : public NurseActivity {
public:
    static constexpr const char* ProgID = "Nurse_activity.clsResults";
    using NurseActivity::NurseActivity;
    QString progId() const override { return QString::fromLatin1(ProgID); }

    // The released readings of one imaging section for the stay: mode "1"
    // x-ray, "2" ultrasound, "3" CT scan. Columns as the chart's interpretation
    // grids ("Trans. No", "Exam. Name", "Trans. Date", "Result Date", the
    // radiologist's "DR. Lastname", "DR. Firstname", "DR. Middlename",
    // "Interpretation"), newest result first. An unknown mode reads nothing.
    // Throws db::DbError when the read fails.
    static db::Recordset GetResults(db::Connection& connection, const QString& idNum, const QString& mode);
};

class clsConfinement : public NurseActivity {
public:
    static constexpr const char* ProgID = "Nurse_activity.clsConfinement";
    using NurseActivity::NurseActivity;
    QString progId() const override { return QString::fromLatin1(ProgID); }
};

class clsConfinementResults : public NurseActivity {
public:
    static constexpr const char* ProgID = "Nurse_activity.clsConfinementResults";
    using NurseActivity::NurseActivity;
    QString progId() const override { return QString::fromLatin1(ProgID); }
};

} // namespace components
