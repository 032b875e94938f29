#include "reports/ReportLayout.h"

#include "components/clsCurrentuser.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportValues.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace reports {

namespace {

constexpr double kPointsToDots = kLayoutDpi / 72.0;

QString file(const ReportDefinition& d)
{
    return QDir::toNativeSeparators(d.path);
}

} // namespace

RenderedReport::RenderedReport(const ReportDefinition& definition, const QList<ReportParameter>& parameters,
                               const QList<QPair<QString, QString>>& subreportHtml, db::Connection* connection)
    : definition_(definition)
{
    data_ = ReportData::Run(definition, parameters, connection);

    pageSize_ = definition.pageSizePoints() * kPointsToDots;
    margins_ = definition.marginsPoints * kPointsToDots;
    style_.font = definition.font;
    style_.styleSheet = definition.styleSheet;
    style_.width = pageSize_.width() - margins_.left() - margins_.right();
    if (style_.width < kLayoutDpi / 2 || pageSize_.height() - margins_.top() - margins_.bottom() < kLayoutDpi / 2)
        throw ReportError(QStringLiteral("The report file %1 leaves too little room inside its margins.").arg(file(definition)).toStdString());

    prepareBand(pageHeader_, definition.pageHeader.html);
    prepareBand(reportHeader_, definition.reportHeader.html);
    prepareBand(columnHeader_, definition.columnHeader.html);
    prepareBand(detail_, definition.detail.html);
    prepareBand(reportFooter_, definition.reportFooter.html);
    prepareBand(pageFooter_, definition.pageFooter.html);
    groupHeaders_.resize(definition.groupHeaders.size());
    groupFooters_.resize(definition.groupFooters.size());
    for (std::size_t i = 0; i < groupHeaders_.size(); ++i)
        prepareBand(groupHeaders_[i], definition.groupHeaders[static_cast<int>(i)].html);
    for (std::size_t i = 0; i < groupFooters_.size(); ++i)
        prepareBand(groupFooters_[i], definition.groupFooters[static_cast<int>(i)].html);

    buildGlobals(parameters, subreportHtml);
    buildGroupScopes();
    buildItems();
    paginate();
    buildGroupTree();
}

RenderedReport::~RenderedReport() = default;

void RenderedReport::prepareBand(Band& band, const QString& html)
{
    band.html = ReportTemplate(html, ReportTemplate::Output::Html);
    if (!band.isEmpty())
        band.quick = TableRowBand::TryCreate(html, style_);
}

std::optional<RenderedReport::Piece> RenderedReport::fill(const Band& band, std::initializer_list<const TemplateData*> scopes)
{
    if (band.isEmpty())
        return std::nullopt;
    Piece piece;
    if (band.quick) {
        quickRows_.push_back(band.quick->fill(scopes));
        piece.quick = band.quick.get();
        piece.quickRow = static_cast<int>(quickRows_.size()) - 1;
        piece.height = band.quick->height(quickRows_.back());
    } else {
        piece.document = std::make_shared<BandDocument>(band.html.render(scopes), style_);
        piece.height = piece.document->height();
    }
    return piece;
}

void RenderedReport::paintPiece(QPainter& painter, const Piece& piece, double x, double y) const
{
    if (piece.document)
        piece.document->paint(painter, x, y);
    else if (piece.quick)
        piece.quick->paint(painter, x, y, quickRows_[piece.quickRow]);
}

QString RenderedReport::formatSum(const QString& field, double sum) const
{
    return ReportValues::Display(sum, definition_.formatOf(field));
}

void RenderedReport::buildGlobals(const QList<ReportParameter>& parameters, const QList<QPair<QString, QString>>& subreportHtml)
{
    using namespace values;
    globals_ = Object();
    Set(globals_, QStringLiteral("Company"), app::Hospital().Company);
    Set(globals_, QStringLiteral("Address1"), app::Hospital().Address1);
    Set(globals_, QStringLiteral("Title"), definition_.title);
    Set(globals_, QStringLiteral("PrintedOn"), QDateTime::currentDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP")));
    Set(globals_, QStringLiteral("PrintedBy"), app::CurrentUser ? app::CurrentUser->EmployeeName : QString());
    Set(globals_, QStringLiteral("PrintedByID"), app::CurrentUser ? app::CurrentUser->EmployeeCode : QString());
    Set(globals_, QStringLiteral("Continued"), false);
    for (const ReportParameter& p : parameters)
        Set(globals_, p.name, ReportValues::DisplayParameter(p, definition_.formatOf(p.name)));

    const QueryRows* detail = data_.detail();
    Set(globals_, QStringLiteral("RecordCount"), QString::number(data_.rowCount()));
    Set(globals_, QStringLiteral("HasRecords"), data_.rowCount() > 0);

    if (!detail && !definition_.sumFields.isEmpty())
        throw ReportError(QStringLiteral("The report %1 sums %2, but has no detail query.").arg(file(definition_), definition_.sumFields.join(QStringLiteral(", "))).toStdString());
    TemplateData sums = Object();
    for (const QString& field : definition_.sumFields) {
        const int c = detail->column(field);
        if (c < 0)
            throw ReportError(QStringLiteral("The report %1 sums %2, but its query %3 has no such column (it has %4).")
                                  .arg(file(definition_), field, detail->name, detail->columns.join(QStringLiteral(", ")))
                                  .toStdString());
        sumColumns_.push_back(c);
        double total = 0;
        for (const QVariantList& row : detail->rows)
            total += ReportValues::ParseNumber(row[c]).value_or(0);
        Set(sums, field, formatSum(field, total));
    }
    Set(globals_, QStringLiteral("Sum"), std::move(sums));

    // Every query's rows as a list, for sections that repeat them with
    // {{#Name}}...{{/Name}}; the detail query's only when a section does so
    // (it may be long).
    QString allLayout;
    for (const Band* band : {&pageHeader_, &reportHeader_, &columnHeader_, &detail_, &reportFooter_, &pageFooter_})
        allLayout += band->html.text();
    for (const Band& band : groupHeaders_)
        allLayout += band.html.text();
    for (const Band& band : groupFooters_)
        allLayout += band.html.text();
    allLayout = allLayout.toLower().remove(QLatin1Char(' '));
    for (std::size_t q = 0; q < data_.queries.size(); ++q) {
        const QueryRows& rows = data_.queries[q];
        if (static_cast<int>(q) == data_.detailIndex && !allLayout.contains(QLatin1String("{{#") + rows.name.toLower()))
            continue;
        TemplateData list = List();
        for (const QVariantList& row : rows.rows) {
            TemplateData item = Object();
            for (int c = 0; c < rows.columns.size(); ++c)
                Set(item, rows.columns[c], ReportValues::Display(row.value(c), definition_.formatOf(rows.columns[c])));
            Append(list, std::move(item));
        }
        Set(globals_, rows.name, std::move(list));
    }

    TemplateData subreports = Object();
    for (const auto& [name, html] : subreportHtml)
        Set(subreports, name, html);
    Set(globals_, QStringLiteral("Subreport"), std::move(subreports));
}

TemplateData RenderedReport::rowScope(int row) const
{
    using namespace values;
    const QueryRows& rows = *data_.detail();
    const QVariantList& values = rows.rows[row];
    TemplateData scope = Object();
    for (int c = 0; c < rows.columns.size(); ++c)
        Set(scope, rows.columns[c], ReportValues::Display(values.value(c), definition_.formatOf(rows.columns[c])));
    Set(scope, QStringLiteral("RowNumber"), QString::number(row + 1));
    const int groupFirst = rowGroupFirst_.empty() ? 0 : rowGroupFirst_[row];
    Set(scope, QStringLiteral("GroupRowNumber"), QString::number(row - groupFirst + 1));
    return scope;
}

void RenderedReport::buildGroupScopes()
{
    using namespace values;
    const int rowCount = data_.rowCount();
    const QueryRows* rows = data_.detail();
    groupsStarting_.assign(rowCount, {});
    groupsEnding_.assign(rowCount, {});
    groupOfRow_.assign(definition_.groupFields.size(), std::vector<int>(rowCount, -1));
    // Rows are numbered again in each innermost group.
    const int innermost = static_cast<int>(definition_.groupFields.size()) - 1;
    if (!data_.groups.empty())
        rowGroupFirst_.assign(rowCount, 0);
    for (std::size_t i = 0; i < data_.groups.size(); ++i) {
        const RowGroup& g = data_.groups[i];
        for (int r = g.first; r <= g.last; ++r) {
            groupOfRow_[g.level][r] = static_cast<int>(i);
            if (g.level == innermost)
                rowGroupFirst_[r] = g.first;
        }
        groupsStarting_[g.first].push_back(static_cast<int>(i));
        groupsEnding_[g.last].insert(groupsEnding_[g.last].begin(), static_cast<int>(i));
    }
    for (const RowGroup& g : data_.groups) {
        TemplateData scope = rowScope(g.first);
        const QString field = definition_.groupFields[g.level];
        Set(scope, QStringLiteral("GroupValue"), ReportValues::Display(rows->rows[g.first].value(rows->column(field)), definition_.formatOf(field)));
        Set(scope, QStringLiteral("GroupCount"), QString::number(g.last - g.first + 1));
        Set(scope, QStringLiteral("GroupNumber"), QString::number(g.number));
        TemplateData sums = Object();
        for (std::size_t s = 0; s < sumColumns_.size(); ++s) {
            double total = 0;
            for (int r = g.first; r <= g.last; ++r)
                total += ReportValues::ParseNumber(rows->rows[r][sumColumns_[s]]).value_or(0);
            Set(sums, definition_.sumFields[static_cast<int>(s)], formatSum(definition_.sumFields[static_cast<int>(s)], total));
        }
        Set(scope, QStringLiteral("GroupSum"), std::move(sums));
        groupScopes_.push_back(std::move(scope));
    }
}

void RenderedReport::buildItems()
{
    auto add = [this](Kind kind, int index, std::optional<Piece> piece) {
        if (piece)
            items_.push_back({kind, index, std::move(*piece)});
    };
    add(Kind::ReportHeader, 0, fill(reportHeader_, {&globals_}));
    const int rowCount = data_.rowCount();
    quickRows_.reserve(detail_.quick ? rowCount + 16 : 16);
    for (int r = 0; r < rowCount; ++r) {
        for (int g : groupsStarting_[r])
            add(Kind::GroupHeader, g, fill(groupHeaders_[data_.groups[g].level], {&globals_, &groupScopes_[g]}));
        if (!detail_.isEmpty()) {
            const TemplateData scope = rowScope(r);
            add(Kind::Detail, r, fill(detail_, {&globals_, &scope}));
        }
        for (int g : groupsEnding_[r])
            add(Kind::GroupFooter, g, fill(groupFooters_[data_.groups[g].level], {&globals_, &groupScopes_[g]}));
    }
    add(Kind::ReportFooter, 0, fill(reportFooter_, {&globals_}));
    columnHeaderPiece_ = fill(columnHeader_, {&globals_});

    // Page headers and footers are measured as the first page and as any
    // other page would fill them; they are filled again when painted.
    for (int i = 0; i < 2; ++i) {
        const TemplateData page = pageScope(i, 999);
        if (pageHeader_.quick)
            headerHeight_[i] = pageHeader_.quick->height(pageHeader_.quick->fill({&globals_, &page}));
        else if (!pageHeader_.isEmpty())
            headerHeight_[i] = BandDocument(pageHeader_.html.render({&globals_, &page}), style_).height();
        if (pageFooter_.quick)
            footerHeight_[i] = pageFooter_.quick->height(pageFooter_.quick->fill({&globals_, &page}));
        else if (!pageFooter_.isEmpty())
            footerHeight_[i] = BandDocument(pageFooter_.html.render({&globals_, &page}), style_).height();
    }
}

TemplateData RenderedReport::pageScope(int page, int pageCount) const
{
    using namespace values;
    TemplateData scope = Object();
    Set(scope, QStringLiteral("Page"), QString::number(page + 1));
    Set(scope, QStringLiteral("PageCount"), QString::number(pageCount));
    Set(scope, QStringLiteral("FirstPage"), page == 0);
    Set(scope, QStringLiteral("LastPage"), page == pageCount - 1);
    return scope;
}

double RenderedReport::bodyTop(int page) const
{
    return margins_.top() + headerHeight_[page == 0 ? 0 : 1];
}

double RenderedReport::bodyBottom(int page) const
{
    return pageSize_.height() - margins_.bottom() - footerHeight_[page == 0 ? 0 : 1];
}

const RenderedReport::Piece* RenderedReport::continuedHeader(int group)
{
    auto found = continuedHeaders_.find(group);
    if (found == continuedHeaders_.end()) {
        TemplateData continued = values::Object();
        values::Set(continued, QStringLiteral("Continued"), true);
        found = continuedHeaders_.emplace(group, fill(groupHeaders_[data_.groups[group].level], {&globals_, &groupScopes_[group], &continued})).first;
    }
    return found->second ? &*found->second : nullptr;
}

void RenderedReport::paginate()
{
    pages_.push_back({});
    double y = bodyTop(0);
    bool columnHeaderShown = false;
    bool pageHasItems = false;
    bool firstGroupSeen = false;
    const double columnHeaderHeight = columnHeaderPiece_ ? columnHeaderPiece_->height : 0;
    auto newPage = [&]() {
        pages_.push_back({});
        y = bodyTop(static_cast<int>(pages_.size()) - 1);
        columnHeaderShown = false;
        pageHasItems = false;
    };
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        const bool inDetail = item.kind == Kind::GroupHeader || item.kind == Kind::Detail || item.kind == Kind::GroupFooter;
        if (item.kind == Kind::GroupHeader && data_.groups[item.index].level == 0) {
            if (definition_.newPagePerGroup && firstGroupSeen && pageHasItems)
                newPage();
            firstGroupSeen = true;
        }
        // A group heading stays with the first row under it.
        double keep = item.piece.height;
        if (item.kind == Kind::GroupHeader)
            for (std::size_t j = i + 1; j < items_.size(); ++j) {
                keep += items_[j].piece.height;
                if (items_[j].kind != Kind::GroupHeader)
                    break;
            }
        const double needed = keep + (inDetail && !columnHeaderShown ? columnHeaderHeight : 0);
        if (pageHasItems && y + needed > bodyBottom(static_cast<int>(pages_.size()) - 1) + 0.5) {
            // A group's closing line takes its last row (and a heading right
            // above that row) along to the next page rather than stand alone.
            std::vector<Placement>& placed = pages_.back().placements;
            if (item.kind == Kind::GroupFooter && placed.size() >= 2 && placed.back().item >= 0
                && items_[placed.back().item].kind == Kind::Detail) {
                std::size_t first = placed.size() - 1;
                while (first > 0 && placed[first - 1].item >= 0 && items_[placed[first - 1].item].kind == Kind::GroupHeader)
                    --first;
                const bool othersStay = std::any_of(placed.begin(), placed.begin() + static_cast<std::ptrdiff_t>(first),
                                                    [](const Placement& p) { return p.item >= 0; });
                if (othersStay) {
                    const std::size_t restart = static_cast<std::size_t>(placed[first].item);
                    placed.erase(placed.begin() + static_cast<std::ptrdiff_t>(first), placed.end());
                    newPage();
                    i = restart - 1;
                    continue;
                }
            }
            newPage();
        }
        if (inDetail && !columnHeaderShown && columnHeaderPiece_) {
            pages_.back().placements.push_back({-1, y});
            y += columnHeaderHeight;
            columnHeaderShown = true;
        }
        // A page that starts inside a group repeats the group's heading,
        // with {{#Continued}} true.
        if (!pageHasItems && pages_.size() > 1 && (item.kind == Kind::Detail || item.kind == Kind::GroupFooter)) {
            const int row = item.kind == Kind::Detail ? item.index : data_.groups[item.index].first;
            const int innermost = item.kind == Kind::Detail ? static_cast<int>(groupHeaders_.size()) - 1 : data_.groups[item.index].level;
            for (int level = 0; level <= innermost; ++level) {
                const int g = groupOfRow_[level][row];
                if (const Piece* heading = continuedHeader(g)) {
                    pages_.back().placements.push_back({-2 - g, y});
                    y += heading->height;
                }
            }
        }
        pages_.back().placements.push_back({static_cast<int>(i), y});
        y += item.piece.height;
        pageHasItems = true;
    }
}

void RenderedReport::buildGroupTree()
{
    const QueryRows* rows = data_.detail();
    if (!rows || data_.groups.empty())
        return;
    const QString field = definition_.groupFields.first();
    const int column = rows->column(field);
    // Where each outermost group starts: its heading, else its first row.
    std::vector<int> startPage(data_.groups.size(), -1);
    for (std::size_t p = 0; p < pages_.size(); ++p)
        for (const Placement& placement : pages_[p].placements) {
            if (placement.item < 0)
                continue;
            const Item& item = items_[placement.item];
            int g = -1;
            if (item.kind == Kind::GroupHeader)
                g = item.index;
            else if (item.kind == Kind::Detail)
                g = groupOfRow_[0][item.index];
            if (g >= 0 && startPage[g] < 0)
                startPage[g] = static_cast<int>(p);
        }
    for (std::size_t g = 0; g < data_.groups.size(); ++g)
        if (data_.groups[g].level == 0)
            groupTree_.append({ReportValues::Display(rows->rows[data_.groups[g].first].value(column), definition_.formatOf(field)),
                               qMax(0, startPage[g])});
}

void RenderedReport::paintPageBand(QPainter& painter, const Band& band, int page, bool atBottom)
{
    if (band.isEmpty())
        return;
    const TemplateData scope = pageScope(page, pageCount());
    const double x = margins_.left();
    if (band.quick) {
        const TableRowBand::Row row = band.quick->fill({&globals_, &scope});
        const double height = band.quick->height(row);
        band.quick->paint(painter, x, atBottom ? pageSize_.height() - margins_.bottom() - height : margins_.top(), row);
        return;
    }
    const QString html = band.html.render({&globals_, &scope});
    std::shared_ptr<BandDocument>& document = pageDocuments_[html];
    if (!document)
        document = std::make_shared<BandDocument>(html, style_);
    document->paint(painter, x, atBottom ? pageSize_.height() - margins_.bottom() - document->height() : margins_.top());
}

void RenderedReport::paintPage(QPainter& painter, int page, double dotsPerInch)
{
    if (page < 0 || page >= pageCount())
        return;
    painter.save();
    painter.scale(dotsPerInch / kLayoutDpi, dotsPerInch / kLayoutDpi);
    painter.setClipRect(QRectF(QPointF(0, 0), pageSize_));
    paintPageBand(painter, pageHeader_, page, false);
    painter.save();
    const double x = margins_.left();
    painter.setClipRect(QRectF(x, bodyTop(page), style_.width, bodyBottom(page) - bodyTop(page)), Qt::IntersectClip);
    for (const Placement& placement : pages_[page].placements) {
        if (placement.item == -1)
            paintPiece(painter, *columnHeaderPiece_, x, placement.y);
        else if (placement.item < -1)
            paintPiece(painter, *continuedHeaders_.at(-2 - placement.item), x, placement.y);
        else
            paintPiece(painter, items_[placement.item].piece, x, placement.y);
    }
    painter.restore();
    paintPageBand(painter, pageFooter_, page, true);
    painter.restore();
}

QStringList RenderedReport::columns() const
{
    const QueryRows* detail = data_.detail();
    if (!detail)
        return {};
    if (definition_.captions.isEmpty())
        return detail->columns;
    QStringList captions;
    for (const auto& [field, caption] : definition_.captions)
        captions << caption;
    return captions;
}

QList<QStringList> RenderedReport::rows() const
{
    QList<QStringList> table;
    const QueryRows* detail = data_.detail();
    if (!detail)
        return table;
    // The exported columns: the captioned fields in their order, else all.
    QStringList names;
    if (definition_.captions.isEmpty()) {
        names = detail->columns;
    } else {
        for (const auto& [field, caption] : definition_.captions)
            names << field;
    }
    std::vector<int> columns;
    for (const QString& name : names)
        columns.push_back(detail->column(name));
    table.reserve(static_cast<int>(detail->rows.size()));
    for (std::size_t r = 0; r < detail->rows.size(); ++r) {
        QStringList line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QString& name = names[static_cast<int>(c)];
            if (columns[c] >= 0)
                line << ReportValues::Display(detail->rows[r].value(columns[c]), definition_.formatOf(name));
            else if (name.compare(QLatin1String("RowNumber"), Qt::CaseInsensitive) == 0)
                line << QString::number(r + 1);
            else if (name.compare(QLatin1String("GroupRowNumber"), Qt::CaseInsensitive) == 0)
                line << QString::number(static_cast<int>(r) - (rowGroupFirst_.empty() ? 0 : rowGroupFirst_[r]) + 1);
            else
                line << QString();
        }
        table << line;
    }
    return table;
}

QString RenderedReport::pageHeadingHtml() const
{
    if (pageHeader_.isEmpty())
        return QString();
    const TemplateData page = pageScope(0, std::max(1, pageCount()));
    return pageHeader_.html.render({&globals_, &page});
}

QString RenderedReport::reportHeadingHtml() const
{
    return reportHeader_.isEmpty() ? QString() : reportHeader_.html.render({&globals_});
}

QString RenderedReport::html(bool withPageHeading) const
{
    // An export carries the heading the printed page carries: hospital,
    // title, patient.
    QString body = withPageHeading && !pageHeader_.isEmpty() ? pageHeadingHtml() + QLatin1Char('\n') : QString();
    auto add = [&](const Band& band, std::initializer_list<const TemplateData*> scopes) {
        if (!band.isEmpty())
            body += band.html.render(scopes) + QLatin1Char('\n');
    };
    add(reportHeader_, {&globals_});
    if (data_.rowCount() > 0)
        add(columnHeader_, {&globals_});
    for (int r = 0; r < data_.rowCount(); ++r) {
        for (int g : groupsStarting_[r])
            add(groupHeaders_[data_.groups[g].level], {&globals_, &groupScopes_[g]});
        const TemplateData scope = rowScope(r);
        add(detail_, {&globals_, &scope});
        for (int g : groupsEnding_[r])
            add(groupFooters_[data_.groups[g].level], {&globals_, &groupScopes_[g]});
    }
    add(reportFooter_, {&globals_});
    QString css = definition_.styleSheet;
    css.replace(QLatin1String("</"), QLatin1String("<\\/"));
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title><style>%2</style></head><body>\n%3</body></html>")
        .arg(definition_.title.toHtmlEscaped(), css, body);
}

} // namespace reports
