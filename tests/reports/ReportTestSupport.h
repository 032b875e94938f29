#pragma once

#include "app_support/AppFixture.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

namespace test {

// A logged-in station with its own program folder: report files written by
// the test go to <folder>/Reports, where OpenReport looks for them.
class ReportFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a report file under the program folder; returns its path.
    QString writeReport(const QString& name, const QString& text);
    // A station log row.
    void addLog(const QString& idnum, const QDateTime& when, const QString& remarks, const QString& user);
    // The text of a PDF (or of pages first..last, 1-based), as pdftotext reads it.
    static QString pdfText(const QString& pdf, int firstPage = 0, int lastPage = 0);
    // The Reports folder of the source tree (the files shipped with the program).
    static QString shippedReports();
    QString path(const QString& name) const { return folder.filePath(name); }
    // Opens a report file by the name the program uses ("\\Reports\\<file>")
    // with its parameters, writes its PDF under the folder and gives the PDF's
    // text; a report that cannot open or render is a failure of the test and
    // gives "".
    QString renderReport(const QString& file, const QVariantList& values);

    QTemporaryDir folder;
};

} // namespace test
