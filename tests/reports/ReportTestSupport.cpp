#include "reports/ReportTestSupport.h"

#include "reports/Report.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace test {

QString ReportFixture::renderReport(const QString& file, const QVariantList& values)
{
    if (!reports::OpenReport(QStringLiteral("\\Reports\\") + file, values)) {
        ADD_FAILURE() << "could not open " << qPrintable(file) << ": " << qPrintable(prompts.texts().join(QLatin1Char('\n')));
        return QString();
    }
    const QString pdf = path(QString(file).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".pdf"));
    try {
        reports::CurrentReport()->exportPdf(pdf);
    } catch (const reports::ReportError& e) {
        ADD_FAILURE() << qPrintable(e.message());
        return QString();
    }
    return pdfText(pdf);
}

void ReportFixture::SetUp()
{
    AppFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Reports")));
    reports::SetProgramFolder(folder.path());
    settings::LoadHospitalInfo();
}

void ReportFixture::TearDown()
{
    reports::CloseReport();
    reports::SetProgramFolder(QString());
    reports::SetViewerFactory({});
    reports::SetDirectPrinter({});
    AppFixture::TearDown();
}

QString ReportFixture::writeReport(const QString& name, const QString& text)
{
    const QString file = folder.filePath(QStringLiteral("Reports/") + name);
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(file);
    out.write(text.toUtf8());
    return file;
}

void ReportFixture::addLog(const QString& idnum, const QDateTime& when, const QString& remarks, const QString& user)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Transdate, Remarks, UserID, Hostname, StationID) "
                                  "VALUES (%1, %2, %3, %4, 'OR-WS-01', 'OR')")
                       .arg(db::Quote(idnum), db::Quote(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))), db::Quote(remarks),
                            db::Quote(user)));
}

QString ReportFixture::pdfText(const QString& pdf, int firstPage, int lastPage)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (firstPage > 0)
        arguments << QStringLiteral("-f") << QString::number(firstPage);
    if (lastPage > 0)
        arguments << QStringLiteral("-l") << QString::number(lastPage);
    arguments << pdf << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils, installed by tools/setup.sh) could not read " << qPrintable(pdf) << ": "
                      << qPrintable(process.errorString()) << " " << process.readAllStandardError().constData();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString ReportFixture::shippedReports()
{
    // tests/reports/ReportTestSupport.cpp -> <source>/Reports
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../Reports"));
}

} // namespace test
