#include "reports/Report.h"

#include "reports/ReportDefinition.h"
#include "reports/ReportLayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace reports {

namespace {

// A report that names itself among its sub-reports would never end.
constexpr int kMaxSubreportDepth = 4;

QString file(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

std::unique_ptr<Report> Report::load(const QString& path)
{
    return std::unique_ptr<Report>(new Report(ReportDefinition::Load(path), 0));
}

Report::Report(std::shared_ptr<const ReportDefinition> definition, int depth)
    : definition_(std::move(definition)), parameters_(definition_->parameters)
{
    for (const ReportSubreport& sub : definition_->subreports) {
        if (depth >= kMaxSubreportDepth)
            throw ReportError(QStringLiteral("The report file %1 nests its sub-reports too deeply (does %2 name itself?).")
                                  .arg(file(definition_->path), file(sub.path))
                                  .toStdString());
        subreports_.push_back(std::unique_ptr<Report>(new Report(ReportDefinition::Load(ResolveReportPath(sub.path)), depth + 1)));
    }
}

Report::~Report() = default;

QString Report::path() const
{
    return definition_->path;
}

QString Report::title() const
{
    return definition_->title;
}

const QList<ReportParameter>& Report::parameters() const
{
    return parameters_;
}

int Report::parameterCount() const
{
    return static_cast<int>(parameters_.size());
}

int Report::parameterIndex(const QString& name) const
{
    for (int i = 0; i < parameters_.size(); ++i)
        if (parameters_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Report::setParameter(int index, const QVariant& value)
{
    if (index < 0 || index >= parameters_.size())
        return;
    parameters_[index].value = value;
    ++changes_;
    rendered_.reset();
}

quint64 Report::changesWithSubreports() const
{
    quint64 total = changes_;
    for (const auto& sub : subreports_)
        total += sub->changesWithSubreports();
    return total;
}

void Report::setParameters(const QVariantList& values)
{
    for (int i = 0; i < values.size() && i < parameters_.size(); ++i)
        setParameter(i, values[i]);
}

QStringList Report::subreportNames() const
{
    QStringList names;
    for (const ReportSubreport& sub : definition_->subreports)
        names << sub.name;
    return names;
}

Report* Report::subreport(const QString& name)
{
    for (std::size_t i = 0; i < subreports_.size(); ++i)
        if (definition_->subreports[static_cast<int>(i)].name.compare(name, Qt::CaseInsensitive) == 0)
            return subreports_[i].get();
    return nullptr;
}

QString Report::subreportHtml(int index)
{
    // A sub-report's parameter left empty takes the value of the main
    // report's parameter of the same name.
    Report& sub = *subreports_[index];
    const QList<ReportParameter> own = sub.parameters_;
    for (ReportParameter& p : sub.parameters_) {
        const int mine = parameterIndex(p.name);
        if ((p.value.isNull() || p.value.toString().isEmpty()) && mine >= 0)
            p.value = parameters_[mine].value;
    }
    sub.rendered_.reset();
    QString html;
    try {
        html = sub.html();
    } catch (...) {
        sub.parameters_ = own;
        sub.rendered_.reset();
        throw;
    }
    sub.parameters_ = own;
    sub.rendered_.reset();
    // Only the body goes into the main report's section.
    const int start = html.indexOf(QLatin1String("<body>"));
    const int end = html.lastIndexOf(QLatin1String("</body>"));
    return start >= 0 && end > start ? html.mid(start + 6, end - start - 6) : html;
}

void Report::render()
{
    rendered_.reset();
    QList<QPair<QString, QString>> subreportHtml;
    for (std::size_t i = 0; i < subreports_.size(); ++i)
        subreportHtml.append({definition_->subreports[static_cast<int>(i)].name, this->subreportHtml(static_cast<int>(i))});
    rendered_ = std::make_unique<RenderedReport>(*definition_, parameters_, subreportHtml, ReportConnection());
    renderedAt_ = changesWithSubreports();
}

bool Report::isRendered() const
{
    return rendered_ != nullptr;
}

RenderedReport& Report::rendered()
{
    if (!rendered_ || renderedAt_ != changesWithSubreports())
        render();
    return *rendered_;
}

int Report::pageCount()
{
    return rendered().pageCount();
}

QSizeF Report::pageSizePoints() const
{
    return definition_->pageSizePoints();
}

void Report::paintPage(QPainter& painter, int page, double dotsPerInch)
{
    rendered().paintPage(painter, page, dotsPerInch);
}

void Report::printTo(QPrinter& printer, int fromPage, int toPage)
{
    RenderedReport& pages = rendered();
    printer.setDocName(title());
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(definition_->paper, definition_->orientation, QMarginsF(0, 0, 0, 0)));
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? qMin(toPage, pages.pageCount()) - 1 : pages.pageCount() - 1;
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("The report %1 could not be printed: the printer %2 did not start.")
                              .arg(title(), printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName())
                              .toStdString());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        pages.paintPage(painter, page, printer.resolution());
    }
    painter.end();
}

namespace {

void writePdf(Report& report, const QPageLayout& layout, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setResolution(1200);
    writer.setTitle(report.title());
    writer.setCreator(QStringLiteral("Operating Room Station"));
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    const int pages = report.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        report.paintPage(painter, page, writer.resolution());
    }
    painter.end();
}

} // namespace

void Report::exportPdf(const QString& path)
{
    rendered(); // query errors before the file is created
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ReportError(QStringLiteral("The PDF file %1 could not be written: %2").arg(file(path), out.errorString()).toStdString());
    writePdf(*this, QPageLayout(definition_->paper, definition_->orientation, QMarginsF()), out);
    out.close();
    if (out.error() != QFileDevice::NoError)
        throw ReportError(QStringLiteral("The PDF file %1 could not be written: %2").arg(file(path), out.errorString()).toStdString());
}

QByteArray Report::toPdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writePdf(*this, QPageLayout(definition_->paper, definition_->orientation, QMarginsF()), buffer);
    return buffer.data();
}

QList<ReportGroup> Report::groupTree()
{
    return rendered().groupTree();
}

QStringList Report::columns()
{
    return rendered().columns();
}

QList<QStringList> Report::rows()
{
    return rendered().rows();
}

QString Report::html()
{
    return rendered().html();
}

std::unique_ptr<QTextDocument> Report::toDocument()
{
    return BandDocument::FlowingDocument(rendered().html(true), rendered().style());
}

namespace {

// The text of a frame's blocks and tables in reading order: a paragraph is a
// line, a table row is a line of its cells' texts.
void collectLines(const QTextFrame* frame, QStringList& lines)
{
    for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            auto* table = qobject_cast<QTextTable*>(child);
            if (!table) {
                collectLines(child, lines);
                continue;
            }
            for (int row = 0; row < table->rows(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    if (cell.row() != row || cell.column() != column)
                        continue; // the rest of a spanned cell
                    QStringList inner;
                    for (QTextFrame::iterator c = cell.begin(); !c.atEnd(); ++c) {
                        if (c.currentFrame()) {
                            QStringList nested;
                            collectLines(c.currentFrame(), nested);
                            inner << nested;
                        } else if (c.currentBlock().isValid()) {
                            inner << c.currentBlock().text().simplified();
                        }
                    }
                    const QString text = inner.join(QLatin1Char(' ')).simplified();
                    if (!text.isEmpty())
                        cells << text;
                }
                // A caption ("Patient:") sits beside its value; other cells keep apart.
                QString line;
                for (const QString& cell : cells)
                    line += (line.isEmpty() ? QString() : line.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral("  ")) + cell;
                if (!line.isEmpty())
                    lines << line;
            }
        } else if (it.currentBlock().isValid()) {
            // A <br> inside a paragraph starts a line of its own.
            for (const QString& part : it.currentBlock().text().split(QChar::LineSeparator))
                if (!part.simplified().isEmpty())
                    lines << part.simplified();
        }
    }
}

} // namespace

QStringList Report::headingLines()
{
    RenderedReport& report = rendered();
    QStringList lines;
    for (const QString& html : {report.pageHeadingHtml(), report.reportHeadingHtml()}) {
        if (html.trimmed().isEmpty())
            continue;
        const std::unique_ptr<QTextDocument> document = BandDocument::FlowingDocument(html, report.style());
        collectLines(document->rootFrame(), lines);
    }
    return lines;
}

} // namespace reports
