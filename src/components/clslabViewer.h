#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace components {

// The laboratory's result viewer, one of the shared classes that come with the
// current user. The chart fills the members, then calls Show_Results, which
// opens the laboratory's result form: the chosen request's results, or every
// released request of the stay when no request is given.
class clslabViewer {
public:
    // An installation whose viewer predates PrintedByStation gives a viewer
    // without that member (the station then says so and shows the results).
    explicit clslabViewer(bool withPrintedByStation = true) : withPrintedByStation_(withPrintedByStation) {}

    QString CSNumber;
    QString RequestNum;
    bool AutoPrint = false; // true: straight to the chosen request's form
    int ViewMode = 0;
    db::Connection* SQLConnection = nullptr;
    QString HospitalNumber;
    QString IdNumber;
    QString RoomNumber;
    QString PatientName;
    QString Status;
    QString EmployeeCode;
    QString UserID;
    QString StationID;
    bool isNurse = false;
    bool DisablePrintButton = false;

    bool hasPrintedByStation() const { return withPrintedByStation_; }
    // The station printed on the form's foot; ignored by a viewer without the member.
    void setPrintedByStation(const QString& station)
    {
        if (withPrintedByStation_)
            printedByStation_ = station;
    }
    const QString& PrintedByStation() const { return printedByStation_; }

    // The form the viewer prints.
    static QString ResultForm() { return QStringLiteral("\\Reports\\LabResultForm.rpt"); }

    // Opens the result form in the report viewer. False (told through the
    // prompts) when there is no connection or the form cannot be shown.
    bool Show_Results();

private:
    bool withPrintedByStation_;
    QString printedByStation_;
};

} // namespace components
