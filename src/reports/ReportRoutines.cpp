#include "reports/Report.h"

#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ShippedFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace reports {

namespace {

struct ReportState {
    std::shared_ptr<Report> report; // the global report object
    Report* subreport = nullptr;
    bool lastOpenFailed = false;
    QString folder;
    db::Connection* connection = nullptr;
    ViewerFactory viewer;
    DirectPrinter printer;
};

ReportState& state()
{
    static ReportState s;
    return s;
}

void tell(const QString& text)
{
    shell::Notify(text, shell::PromptIcon::Critical);
}

// Prints on the computer's default printer without asking.
void printOnDefaultPrinter(Report& report)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw ReportError(QStringLiteral("The report %1 was not printed: this computer has no default printer.").arg(report.title()).toStdString());
    QPrinter printer(info, QPrinter::HighResolution);
    report.printTo(printer);
}

// The entry of a folder whose name matches ignoring case; "" when none.
QString entryIgnoringCase(const QDir& folder, const QString& name)
{
    if (QFileInfo::exists(folder.filePath(name)))
        return name;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}

// The existing path under a folder whose every part matches ignoring case;
// "" when there is none.
QString matchIgnoringCase(const QString& base, const QString& relative)
{
    QDir folder(base);
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString entry = entryIgnoringCase(folder, parts[i]);
        if (entry.isEmpty())
            return QString();
        if (i + 1 == parts.size())
            return QDir::cleanPath(folder.filePath(entry));
        if (!folder.cd(entry))
            return QString();
    }
    return QString();
}

} // namespace

Report* CurrentReport()
{
    return state().report.get();
}

Report* CurrentSubreport()
{
    return state().report ? state().subreport : nullptr;
}

db::Connection* ReportConnection()
{
    return state().connection ? state().connection : app::SQLConnection();
}

void SetReportConnection(db::Connection* connection)
{
    state().connection = connection;
}

QString ProgramFolder()
{
    return state().folder.isEmpty() ? shell::ShippedFilesFolder() : state().folder;
}

void SetProgramFolder(const QString& folder)
{
    state().folder = folder;
}

QString ResolveReportPath(const QString& path)
{
    QString wanted = path.trimmed();
    wanted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString relative = wanted;
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    // "\Reports\X.RPT" is the program's way of naming a file under its own
    // folder; a path that exists from the root stands on its own.
    if (QFileInfo(wanted).isAbsolute()) {
        if (QFileInfo::exists(wanted))
            return QDir::cleanPath(wanted);
        if (const QString found = matchIgnoringCase(QDir::rootPath(), relative); !found.isEmpty())
            return found;
    }
    if (const QString found = matchIgnoringCase(ProgramFolder(), relative); !found.isEmpty())
        return found;
    return QDir::cleanPath(QDir(ProgramFolder()).filePath(relative));
}

bool OpenReport(const QString& path, const QVariantList& values)
{
    ReportState& s = state();
    s.report.reset();
    s.subreport = nullptr;
    s.lastOpenFailed = true;
    try {
        std::shared_ptr<Report> report = Report::load(ResolveReportPath(path));
        report->setParameters(values);
        s.report = std::move(report);
    } catch (const ReportError& e) {
        tell(e.message());
        return false;
    }
    s.lastOpenFailed = false;
    return true;
}

void CloseReport()
{
    state().report.reset();
    state().subreport = nullptr;
    state().lastOpenFailed = false;
}

bool OpenSubreport(const QString& name, const QVariantList& values)
{
    ReportState& s = state();
    s.subreport = nullptr;
    if (!s.report) {
        if (!s.lastOpenFailed)
            tell(QStringLiteral("The sub-report %1 cannot be opened: no report is open.").arg(name));
        return false;
    }
    Report* sub = s.report->subreport(name);
    if (!sub) {
        tell(QStringLiteral("The report file %1 has no sub-report named %2.").arg(QDir::toNativeSeparators(s.report->path()), name));
        return false;
    }
    sub->setParameters(values);
    s.subreport = sub;
    return true;
}

void SetViewerFactory(ViewerFactory factory)
{
    state().viewer = std::move(factory);
}

void SetDirectPrinter(DirectPrinter printer)
{
    state().printer = std::move(printer);
}

bool ShowReport(bool showGroupTree, const QString& title, bool directPrint, bool medicationSheet, bool disablePrintExport)
{
    ReportState& s = state();
    if (!s.report) {
        // A file that could not be opened was already reported.
        if (!s.lastOpenFailed)
            tell(QStringLiteral("There is no report to show: no report file was opened."));
        return false;
    }
    std::shared_ptr<Report> report = s.report;
    try {
        report->render();
        if (directPrint) {
            if (s.printer)
                s.printer(*report);
            else
                printOnDefaultPrinter(*report);
            // Printed at once, the report is done with.
            s.report.reset();
            s.subreport = nullptr;
            return true;
        }
    } catch (const ReportError& e) {
        tell(e.message());
        return false;
    }
    if (!s.viewer) {
        tell(QStringLiteral("The report %1 cannot be shown: the report viewer is not available.").arg(report->title()));
        return false;
    }
    ViewerRequest request;
    request.report = report;
    request.showGroupTree = showGroupTree;
    request.title = title;
    request.directPrint = directPrint;
    request.disablePrintExport = disablePrintExport;
    request.medicationSheet = medicationSheet;
    s.viewer(request);
    return true;
}

} // namespace reports
