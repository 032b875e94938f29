#pragma once

// What the pre-operative documents' window tests share: a selected demo
// patient, the signature in the validation dialog, and the report viewer
// replaced by a recorder.
#include "app_support/AppFixture.h"
#include "reports/Report.h"
#include "shell/Globals.h"
#include "shell/fields/ColumnLength.h"

#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QRegularExpression>

#include <ostream>
#include <vector>

// Texts in failure messages as text, not as code units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace test {

class NursingWindowFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        shell::ForgetColumnLengths();
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../..")));
        reports::SetViewerFactory([this](const reports::ViewerRequest& request) { viewed.push_back(request); });
    }
    void TearDown() override
    {
        reports::SetViewerFactory(nullptr);
        reports::SetProgramFolder(QString());
        AppFixture::TearDown();
    }

    // Selects the in-patient as the patient list would.
    void selectPatient(const QString& idNum)
    {
        db::Recordset rs = conn().open(QStringLiteral("SELECT P.IDNUM, P.HospNum, P.RoomID, M.Lastname + ', ' + M.Firstname AS PName "
                                                      "FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M "
                                                      "ON M.HospNum = P.HospNum WHERE P.IDNUM = '") + idNum + QStringLiteral("'"));
        ASSERT_FALSE(rs.eof()) << qPrintable(idNum);
        app::IdNum = rs.text(QStringLiteral("IDNUM"));
        app::HospNum = rs.text(QStringLiteral("HospNum"));
        app::RoomID = rs.text(QStringLiteral("RoomID"));
        app::PatientName = rs.text(QStringLiteral("PName"));
        app::PatientType = QStringLiteral("I");
    }
    // An in-patient still in the hospital that `table` has no row for.
    QString patientWithout(const QString& table)
    {
        db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P WHERE P.DCRDATE IS NULL "
                                                      "AND NOT EXISTS (SELECT 1 FROM ") + table +
                                       QStringLiteral(" T WHERE T.IDNum = P.IDNUM) ORDER BY P.IDNUM"));
        return rs.eof() ? QString() : rs.text(QStringLiteral("IDNUM"));
    }

    // The table as an older server may still have it: `table` is rebuilt
    // from `create` (its columns a subset of today's), keeping its rows, so
    // that a statement naming a missing column fails the way the server says.
    void rebuildTable(const QString& table, const QString& create, const QStringList& columns)
    {
        const QString keep = QStringLiteral("STATION..tbRebuildKeep");
        QString keepCreate = create;
        keepCreate.replace(table, keep, Qt::CaseInsensitive);
        keepCreate.replace(QRegularExpression(QStringLiteral(",\\s*PRIMARY KEY \\([^)]*\\)")), QString());
        conn().execute(keepCreate);
        conn().execute(QStringLiteral("INSERT INTO ") + keep + QStringLiteral(" SELECT ") + columns.join(QStringLiteral(", ")) +
                       QStringLiteral(" FROM ") + table);
        conn().execute(QStringLiteral("DROP TABLE ") + table);
        conn().execute(create);
        conn().execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" SELECT * FROM ") + keep);
        conn().execute(QStringLiteral("DROP TABLE ") + keep);
    }

    std::vector<reports::ViewerRequest> viewed;
};

template <typename T>
T* child(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << qPrintable(name);
    return found;
}

} // namespace test
