#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

class QTextDocument;

namespace reports {

// Writes a laid-out report as a Rich Text file that word processors open:
// its paragraphs with their alignment, fonts, sizes, bold, italic,
// underline and colours, and its tables as real tables (column widths,
// borders, spanned cells, shading). Pictures are left out.
class RtfExport {
public:
    // The RTF text of a document; pagePoints (the report's paper in points)
    // sets the paper size, Letter when empty.
    static QByteArray ToRtf(const QTextDocument& document, const QSizeF& pagePoints = QSizeF());
    // Writes it to a file; throws ReportError with the reason when it cannot.
    static void Write(const QString& path, const QTextDocument& document, const QSizeF& pagePoints = QSizeF());
    // A name for the file written: ".rtf" is added when the chosen name has no suffix.
    static QString FileName(const QString& chosen);
};

} // namespace reports
