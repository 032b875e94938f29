#include "ConsentTestSupport.h"

#include "db/Recordset.h"
#include "db/SqlText.h"
#include "nursing/ConsentMenu.h"
#include "shell/Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace test {

void ConsentFixture::SetUp()
{
    AppFixture::SetUp();
    // tests/nursing/ConsentTestSupport.cpp -> the source tree, whose Reports folder ships with the program.
    reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../..")));
    reports::SetViewerFactory([this](const reports::ViewerRequest& request) { viewers.push_back(request); });
    app::ServerDate = QDateTime(QDate(2026, 12, 5), QTime(8, 15));
}

void ConsentFixture::TearDown()
{
    delete form.data();
    reports::SetViewerFactory(nullptr);
    reports::SetProgramFolder(QString());
    viewers.clear();
    AppFixture::TearDown();
}

void ConsentFixture::select(const QString& idNum)
{
    const QString table = idNum.endsWith(QLatin1Char('B')) ? QStringLiteral("PATIENT_DATA..tbOutPatient")
                                                          : QStringLiteral("PATIENT_DATA..tbPatient");
    const db::Recordset row = conn().open(
        QStringLiteral("SELECT P.HospNum, M.Lastname + ', ' + M.Firstname AS Name FROM %1 P "
                       "JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum WHERE P.IDNUM = %2")
            .arg(table, db::Quote(idNum)));
    ASSERT_FALSE(row.eof()) << "no stay " << qPrintable(idNum);
    app::IdNum = idNum;
    app::HospNum = row.text(QStringLiteral("HospNum"));
    app::PatientName = row.text(QStringLiteral("Name"));
    app::PatientAddress = QStringLiteral("12 RIZAL ST., BRGY. SAN ROQUE, MARIKINA");
    patient = idNum;
}

QString ConsentFixture::stayWithConsent(const QString& table)
{
    const db::Recordset row = conn().open(QStringLiteral("SELECT TOP 1 IDNum FROM %1 ORDER BY IDNum").arg(table));
    EXPECT_FALSE(row.eof()) << "the demo hospital has no row in " << qPrintable(table);
    return row.eof() ? QString() : row.text(QStringLiteral("IDNum"));
}

QString ConsentFixture::stayWithoutConsent()
{
    const db::Recordset row = conn().open(QStringLiteral(
        "SELECT TOP 1 P.IDNUM FROM PATIENT_DATA..tbPatient P "
        "WHERE P.IDNUM NOT IN (SELECT IDNum FROM STATION..tbSurgicalAuthorization) "
        "AND P.IDNUM NOT IN (SELECT IDNum FROM STATION..tbConsentTreatment) "
        "AND P.IDNUM NOT IN (SELECT IDnum FROM STATION..tbSpecialTreatmentConsent) "
        "AND P.IDNUM NOT IN (SELECT IDnum FROM STATION..tbSterilizationConsent) ORDER BY P.IDNUM"));
    EXPECT_FALSE(row.eof());
    return row.eof() ? QString() : row.text(QStringLiteral("IDNUM"));
}

QString ConsentFixture::outPatientVisit()
{
    const db::Recordset row = conn().open(
        QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbOutPatient WHERE IDNUM LIKE '%B' ORDER BY IDNUM"));
    EXPECT_FALSE(row.eof()) << "the demo hospital has no out-patient visit";
    return row.eof() ? QString() : row.text(QStringLiteral("IDNUM"));
}

nursing::ConsentForm* ConsentFixture::open(const char* menuItem)
{
    form = nursing::OpenConsentForm(QLatin1String(menuItem));
    return form.data();
}

QLineEdit* ConsentFixture::box(const char* name) const
{
    QLineEdit* found = form ? form->findChild<QLineEdit*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(found, nullptr) << "no box " << name;
    return found;
}

void ConsentFixture::type(const char* boxName, const QString& text)
{
    if (QLineEdit* edit = box(boxName))
        edit->setText(text);
}

void ConsentFixture::click(int button)
{
    ASSERT_TRUE(form);
    auto* target = form->findChild<QPushButton*>(QStringLiteral("cmdButton_%1").arg(button));
    ASSERT_NE(target, nullptr);
    target->click();
}

void ConsentFixture::closeDialog()
{
    prompts.onDialog([](QDialog& d) { d.close(); });
}

int ConsentFixture::rowCount(const QString& table, const QString& idNum)
{
    return conn()
        .open(QStringLiteral("SELECT COUNT(*) AS N FROM %1 WHERE IDNum = %2").arg(table, db::Quote(idNum)))
        .field(QStringLiteral("N"))
        .toInt();
}

QString ConsentFixture::storedRow(const QString& table, const QString& idNum)
{
    const db::Recordset row = conn().open(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE IDNum = ") + db::Quote(idNum));
    QStringList columns;
    for (int i = 0; !row.eof() && i < row.fieldCount(); ++i)
        columns << row.fieldName(i) + QLatin1Char('=') + row.field(i).text();
    return columns.join(QLatin1Char('\n'));
}

void ConsentFixture::setBirthDate(const QString& idNum, const QDate& birth)
{
    const QString table = idNum.endsWith(QLatin1Char('B')) ? QStringLiteral("PATIENT_DATA..tbOutPatient")
                                                          : QStringLiteral("PATIENT_DATA..tbPatient");
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET BirthDate = %1 WHERE HOSPNUM = "
                                  "(SELECT HospNum FROM %2 WHERE IDNUM = %3)")
                       .arg(db::Quote(birth.toString(QStringLiteral("MM/dd/yyyy"))), table, db::Quote(idNum)));
}

} // namespace test
