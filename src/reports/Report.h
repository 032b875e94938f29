#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>

class QPainter;
class QPrinter;
class QTextDocument;

namespace db {
class Connection;
}

namespace reports {

// A report file that cannot be read or run: missing, malformed, or a data
// query the server refused. what() names the file and says what is wrong, in
// words a hospital's IT staff can act on.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    QString message() const { return QString::fromUtf8(what()); }
};

enum class ParameterType { Text, Date, Number, Boolean };

// One parameter of a report, in the order the report file declares them:
// OpenReport's value array fills them by position.
struct ReportParameter {
    QString name;
    ParameterType type = ParameterType::Text;
    QString prompt;
    QVariant value; // the file's default until a value is given
};

// One line of the viewer's group tree: a group's heading and the page
// (0-based) it starts on.
struct ReportGroup {
    QString label;
    int page = 0;
};

class ReportDefinition;
class RenderedReport;

// An opened report file. Parameters are set by position; render() runs the
// data queries on the shared connection (app::SQLConnection()) and lays out
// the pages. Every output (pages, print, PDF, table, HTML) renders on demand,
// so callers may skip render(); a parameter change discards the pages.
class Report {
public:
    // Reads a report file; throws ReportError naming the file when it is
    // missing or malformed.
    static std::unique_ptr<Report> load(const QString& path);
    ~Report();

    QString path() const;
    QString title() const;

    // ---- parameters --------------------------------------------------------
    const QList<ReportParameter>& parameters() const;
    int parameterCount() const;
    // The index of a parameter (case-insensitive name), -1 when none.
    int parameterIndex(const QString& name) const;
    // Sets the current value of the i-th parameter; an index out of range is ignored.
    void setParameter(int index, const QVariant& value);
    // Fills the parameters in order from the array, stopping at its end: an
    // empty array leaves every parameter as it was.
    void setParameters(const QVariantList& values);

    // ---- sub-reports -------------------------------------------------------
    QStringList subreportNames() const;
    // The named sub-report (case-insensitive), null when the file has none by
    // that name. Owned by this report; its parameters are its own.
    Report* subreport(const QString& name);

    // ---- rendering ---------------------------------------------------------
    // Runs the queries and lays out the pages. Throws ReportError (naming
    // the file and the query) when a query fails.
    void render();
    bool isRendered() const;
    int pageCount();
    // The paper size in points (1/72 inch), orientation applied.
    QSizeF pageSizePoints() const;
    // Paints one page (0-based) with the painter's origin at the page's top
    // left corner, scaled so that one unit is `dotsPerInch`-th of an inch
    // (for a widget at 100%: its logical dpi; for a printer: its resolution).
    void paintPage(QPainter& painter, int page, double dotsPerInch);

    // Prints every page (or pages from..to, 1-based, inclusive when given) on
    // a printer already set up; sets its paper and margins from the report.
    void printTo(QPrinter& printer, int fromPage = 0, int toPage = 0);
    // Writes the pages as a PDF file; throws ReportError when it cannot be written.
    void exportPdf(const QString& path);
    QByteArray toPdf();

    // The viewer's group tree: one entry per group of the outermost level,
    // with the page it starts on; empty when the report has no groups.
    QList<ReportGroup> groupTree();

    // ---- data for the exports ------------------------------------------------
    // The detail rows as a table (the report's detail query, its columns'
    // captions and their values formatted as printed).
    QStringList columns();
    QList<QStringList> rows();
    // The whole report as one flowing HTML document (heading, body and
    // closing section, without page header and footer) for a rich-text export.
    QString html();
    // The same as a document, owned by the caller (for QTextDocumentWriter or
    // an RTF writer walking its blocks), the page heading of the first page
    // in front, as the printed page has it.
    std::unique_ptr<QTextDocument> toDocument();
    // The heading above the rows as lines of text (the page header as the
    // first page prints it, then the report header), for the spreadsheet:
    // a row of a heading table is one line, its cells joined.
    QStringList headingLines();

private:
    Report(std::shared_ptr<const ReportDefinition> definition, int depth);
    RenderedReport& rendered();
    QString subreportHtml(int index);

    std::shared_ptr<const ReportDefinition> definition_;
    QList<ReportParameter> parameters_;
    std::vector<std::unique_ptr<Report>> subreports_;
    std::unique_ptr<RenderedReport> rendered_;
    // Parameter changes of this report and its sub-reports: the pages are
    // laid out again when they changed since.
    quint64 changes_ = 0;
    quint64 renderedAt_ = 0;
    quint64 changesWithSubreports() const;
};

// ---- the report routines every window calls ------------------------------------

// The global report object: the report opened last by OpenReport, null before
// the first one or when the last open failed.
Report* CurrentReport();
// The sub-report opened last by OpenSubreport (belongs to CurrentReport()).
Report* CurrentSubreport();

// The connection reports read their data from: the shared connection
// (app::SQLConnection()) unless a tool set another (null restores it).
db::Connection* ReportConnection();
void SetReportConnection(db::Connection* connection);

// Where report files are looked for: the program's shipped-files folder
// (shell::ShippedFilesFolder) unless a test or tool set another.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
// The file a program path like "\Reports\NurseLogs.RPT" names under the
// program folder; names are matched ignoring case, as the program spells
// extensions both ".RPT" and ".rpt". Absolute paths are used as they are.
QString ResolveReportPath(const QString& path);

// Opens the report file into the global report object (replacing the one
// before) and fills its parameters by position from the array (an empty array
// leaves them untouched). A missing or malformed file is reported through
// the prompts service ("Notification") naming the file; then returns false
// and the global report is empty.
bool OpenReport(const QString& path, const QVariantList& values = {});
// Releases the global report object (the viewers keep theirs).
void CloseReport();
// Opens the named sub-report of the global report and fills its parameters
// the same way. Returns false (after a message) when there is no such sub-report.
bool OpenSubreport(const QString& name, const QVariantList& values = {});

// How the viewer windows show a report. The viewer windows install the
// factory; the engine never depends on them.
struct ViewerRequest {
    // Shared with the global report object, so that the window keeps its
    // report when the next OpenReport replaces the global one.
    std::shared_ptr<Report> report;
    bool showGroupTree = false;
    QString title;
    bool directPrint = false;
    bool disablePrintExport = false;
    bool medicationSheet = false; // the medication-sheet viewer, shown modally
};
using ViewerFactory = std::function<void(const ViewerRequest&)>;
void SetViewerFactory(ViewerFactory factory);

// Prints the global report at once on the default printer (directPrint), or
// hands it to the viewer: the medication-sheet viewer (modal) or the report
// viewer. Rendering or printing errors are reported through the prompts
// service. Returns false when nothing was shown or printed.
bool ShowReport(bool showGroupTree, const QString& title, bool directPrint = false,
                bool medicationSheet = false, bool disablePrintExport = false);

// Direct printing: by default the system's default printer. Tests and the
// command-line tool redirect it (e.g. to a PDF file).
using DirectPrinter = std::function<void(Report&)>;
void SetDirectPrinter(DirectPrinter printer);

} // namespace reports
