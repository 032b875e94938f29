#pragma once

// The world of the chart's tests: the demo hospital, the patient-search
// component connected, a main window whose work area the chart opens in, and
// helpers to select a demo patient as the patient list does.

#include "app_support/AppFixture.h"
#include "chart/ChartPanel.h"
#include "chart/final/frmFinal.h"
#include "db/SqlText.h"
#include "patients/PatientSelection.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/mdiORMenu.h"

#include <QCoreApplication>

#include <memory>

namespace test {

class ChartFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings();
        app::ServerDate = conn().open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime();
        window = std::make_unique<shell::mdiORMenu>();
        window->resize(1366, 768);
        window->show();
        QCoreApplication::processEvents();
        // Each test registers the pages it needs, not the ones the station does.
        chart::ForgetChartPanels();
    }
    void TearDown() override
    {
        window.reset();
        chart::ForgetChartPanels();
        AppFixture::TearDown();
    }

    // Selects the stay as the patient list does; false when it cannot be read.
    bool select(const QString& idNum)
    {
        const db::Recordset rs = conn().open(
            QStringLiteral("SELECT HospNum, 'I' AS Kind FROM PATIENT_DATA..tbPatient WHERE IDNUM = %1 UNION ALL "
                           "SELECT HospNum, 'O' AS Kind FROM PATIENT_DATA..tbOutPatient WHERE IDNUM = %1")
                .arg(db::Quote(idNum)));
        if (rs.eof())
            return false;
        patients::SelectedPatient patient;
        if (!patients::PatientSelection::Read(rs.text(QStringLiteral("HospNum")), idNum, rs.text(QStringLiteral("Kind")), patient))
            return false;
        patients::PatientSelection::Apply(patient);
        return true;
    }

    // A stay of the demo hospital that is still open: an admission, or a visit ("...B").
    QString openStay(bool outPatient)
    {
        return conn()
            .open(outPatient ? QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbOutPatient WHERE DCRDATE IS NULL "
                                              "AND ISNULL(RECORDSTATUS, '') <> 'R' AND IDNUM LIKE '%B' ORDER BY IDNUM")
                             : QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL ORDER BY IDNUM"))
            .text(QStringLiteral("IDNUM"))
            .trimmed();
    }

    // The stay with the most readings of the department's imaging section or ancillary department.
    QString stayWithResults(const QString& department)
    {
        const bool imaging = QStringList{QStringLiteral("XR"), QStringLiteral("US"), QStringLiteral("CT"), QStringLiteral("MR"),
                                         QStringLiteral("WC"), QStringLiteral("NU")}
                                 .contains(department);
        const QString sql = imaging ? QStringLiteral("SELECT TOP 1 IdNum FROM RADIOLOGY..tbImagingResult WHERE SectionID = %1 "
                                                     "GROUP BY IdNum ORDER BY COUNT(*) DESC, IdNum")
                                    : QStringLiteral("SELECT TOP 1 IdNum FROM STATION..tbAncillaryResult WHERE DepartmentID = %1 "
                                                     "GROUP BY IdNum ORDER BY COUNT(*) DESC, IdNum");
        return conn().open(sql.arg(db::Quote(department))).text(QStringLiteral("IdNum")).trimmed();
    }

    shell::ChildWindows& children() { return *window->children; }

    std::unique_ptr<shell::mdiORMenu> window;
};

} // namespace test
