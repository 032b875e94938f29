#pragma once

#include "reports/Report.h"

#include <QFont>
#include <QHash>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include <memory>

namespace reports {

// One piece of layout: HTML with mustache tags, as written in its section.
struct BandText {
    QString html;
    int line = 0; // where the section starts in the file, for messages
    bool isEmpty() const { return html.trimmed().isEmpty(); }
};

struct ReportQuery {
    QString name;
    QString sql;
    int line = 0;
};

struct ReportSubreport {
    QString name;
    QString path; // resolved against the folder of the report file
};

// A report file as written: its settings, parameters, queries and layout
// sections (see Reports/README.md for the format). Immutable once read, so
// that a report and its copies can share it.
class ReportDefinition {
public:
    // Reads and checks a report file; throws ReportError naming the file and
    // the line when it is missing or malformed.
    static std::shared_ptr<const ReportDefinition> Load(const QString& path);
    static std::shared_ptr<const ReportDefinition> Parse(const QString& path, const QString& text);

    QString path;
    QString title;

    QPageSize paper = QPageSize(QPageSize::Letter);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsPoints{36, 36, 36, 36}; // left, top, right, bottom
    QFont font;
    QString styleSheet;

    QList<ReportParameter> parameters;
    QList<ReportQuery> queries;
    QList<ReportSubreport> subreports;
    QString detailQuery;       // the query whose rows the Detail section repeats
    QStringList groupFields;   // outermost first
    QStringList sumFields;
    bool newPagePerGroup = false;
    QHash<QString, QString> formats;     // lower-case field or parameter name -> format
    QList<QPair<QString, QString>> captions; // exported columns: field, caption

    BandText pageHeader;
    BandText reportHeader;
    BandText columnHeader;
    QList<BandText> groupHeaders; // one per group level
    BandText detail;
    QList<BandText> groupFooters;
    BandText reportFooter;
    BandText pageFooter;

    // The paper in points with the orientation applied.
    QSizeF pageSizePoints() const;
    // The format declared for a field or parameter, "" when none.
    QString formatOf(const QString& name) const { return formats.value(name.toLower()); }
    const ReportQuery* query(const QString& name) const;
};

} // namespace reports
