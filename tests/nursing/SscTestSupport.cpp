#include "SscTestSupport.h"

#include "db/SqlText.h"
#include "nursing/SurgicalSafetyMenu.h"
#include "reports/Report.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace test {

void SscFixture::SetUp()
{
    AppFixture::SetUp();
    // tests/nursing/SscTestSupport.cpp -> the source tree, whose Reports folder is shipped.
    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../..")));
    reports::SetViewerFactory([this](const reports::ViewerRequest& request) { viewerTitles << request.title; });
}

void SscFixture::TearDown()
{
    delete form.data();
    reports::SetViewerFactory(nullptr);
    reports::SetProgramFolder(QString());
    AppFixture::TearDown();
}

void SscFixture::selectPatient(bool withChecklist)
{
    const db::Recordset rs = conn().open(
        QStringLiteral("SELECT TOP 1 P.IDNUM, P.HospNum, M.Lastname + ', ' + M.Firstname AS PatientName "
                       "FROM PATIENT_DATA..tbPatient P INNER JOIN PATIENT_DATA..tbmaster M ON M.HospNum = P.HospNum "
                       "WHERE P.IDNUM %1 IN (SELECT IDNum FROM STATION..tbORSSC) ORDER BY P.IDNUM")
            .arg(withChecklist ? QString() : QStringLiteral("NOT")));
    ASSERT_FALSE(rs.eof());
    app::IdNum = rs.text(QStringLiteral("IDNUM"));
    app::HospNum = rs.text(QStringLiteral("HospNum"));
    app::PatientName = rs.text(QStringLiteral("PatientName"));
    app::PatientType = QStringLiteral("I");
}

nursing::frmSSC* SscFixture::open()
{
    form = nursing::NewSurgicalSafetyChecklist();
    if (form)
        form->show();
    return form;
}

int SscFixture::rowsFor(const QString& idNum)
{
    return conn()
        .open(QStringLiteral("SELECT COUNT(*) AS N FROM STATION..tbORSSC WHERE IDNum = ") + db::Quote(idNum))
        .field(0)
        .toInt();
}

QString SscFixture::column(const QString& name)
{
    const db::Recordset rs =
        conn().open(QStringLiteral("SELECT %1 FROM STATION..tbORSSC WHERE IDNum = ").arg(name) + db::Quote(app::IdNum));
    return rs.eof() ? QStringLiteral("<no row>") : rs.field(0).text();
}

void SscFixture::click(int index)
{
    form->Command1[index]->click();
}

} // namespace test
