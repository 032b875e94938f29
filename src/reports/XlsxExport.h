#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace reports {

// Writes a report's detail rows as a spreadsheet (.xlsx): one sheet, the
// report's heading lines on top (hospital, title, patient, as printed; the
// first in bold), a blank row, the column captions as a bold header row with
// a filter, then one row per detail row. Amounts and counts go in as numbers (keeping the thousands
// separator and decimals they were printed with) so that they can be summed;
// codes with leading zeros and dates stay text as printed.
class XlsxExport {
public:
    // A printed value read as a number, with the cell format that shows it
    // the way it was printed ("" for the general format).
    struct Number {
        double value = 0;
        QString format;
    };
    static std::optional<Number> ParseNumber(const QString& printed);

    // The file actually written for a chosen name: the workbook is in the
    // .xlsx format, so a name ending in ".xls" (or without a suffix) gets
    // ".xlsx", which spreadsheet programs open without a format warning.
    static QString FileName(const QString& chosen);

    // A valid sheet name from a report title (at most 31 characters, none of
    // the characters a sheet name cannot hold).
    static QString SheetName(const QString& title);

    // Writes the workbook; throws ReportError with the reason when the file
    // cannot be written.
    static void Write(const QString& path, const QString& title, const QStringList& columns,
                      const QList<QStringList>& rows, const QStringList& heading = {});
};

} // namespace reports
