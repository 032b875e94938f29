#include "reports/ReportLayout.h"

#include "components/clsCurrentuser.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportValues.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDir>
#include <QPainter>
#include <QRegularExpression>

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

    const QSizeF points = definition.pageSizePoints();
    pageSize_ = points * kPointsToDots;
    margins_ = definition.marginsPoints * kPointsToDots;
    style_.font = definition.font;
    style_.styleSheet = definition.styleSheet;
    style_.width = pageSize_.width() - margins_.left() - margins_.right();
    if (style_.width < kLayoutDpi / 2 || pageSize_.height() - margins_.top() - margins_.bottom() < kLayoutDpi / 2)
        throw ReportError(QStringLiteral("The report file %1 leaves too little room inside its margins.").arg(file(definition)).toStdString());

    using Output = ReportTemplate::Output;
    pageHeader_ = ReportTemplate(definition.pageHeader.html, Output::Html);
    reportHeader_ = ReportTemplate(definition.reportHeader.html, Output::Html);
    columnHeader_ = ReportTemplate(definition.columnHeader.html, Output::Html);
    detail_ = ReportTemplate(definition.detail.html, Output::Html);
    reportFooter_ = ReportTemplate(definition.reportFooter.html, Output::Html);
    pageFooter_ = ReportTemplate(definition.pageFooter.html, Output::Html);
    for (const BandText& band : definition.groupHeaders)
        groupHeaders_.emplace_back(band.html, Output::Html);
    for (const BandText& band : definition.groupFooters)
        groupFooters_.emplace_back(band.html, Output::Html);
    if (!definition.detail.isEmpty())
        quickDetail_ = TableRowBand::TryCreate(definition.detail.html, style_);

    buildGlobals(parameters, subreportHtml);
    buildGroupScopes();
    buildItems();
    paginate();
}

RenderedReport::~RenderedReport() = default;

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
    for (const ReportParameter& p : parameters)
        Set(globals_, p.name, ReportValues::DisplayParameter(p, definition_.formatOf(p.name)));

    const QueryRows* detail = data_.detail();
    Set(globals_, QStringLiteral("RecordCount"), QString::number(data_.rowCount()));
    Set(globals_, QStringLiteral("HasRecords"), data_.rowCount() > 0);

    if (detail) {
        for (int c = 0; c < detail->columns.size(); ++c)
            detailColumns_.push_back(c);
        for (const QString& field : definition_.sumFields) {
            const int c = detail->column(field);
            if (c < 0)
                throw ReportError(QStringLiteral("The report %1 sums %2, but its query %3 has no such column (it has %4).")
                                      .arg(file(definition_), field, detail->name, detail->columns.join(QStringLiteral(", ")))
                                      .toStdString());
            sumColumns_.push_back(c);
        }
    } else if (!definition_.sumFields.isEmpty()) {
        throw ReportError(QStringLiteral("The report %1 sums %2, but has no detail query.").arg(file(definition_), definition_.sumFields.join(QStringLiteral(", "))).toStdString());
    }
    TemplateData sums = Object();
    for (std::size_t i = 0; i < sumColumns_.size(); ++i) {
        double total = 0;
        for (const QVariantList& row : detail->rows)
            total += ReportValues::ParseNumber(row[sumColumns_[i]]).value_or(0);
        Set(sums, definition_.sumFields[static_cast<int>(i)], formatSum(definition_.sumFields[static_cast<int>(i)], total));
    }
    Set(globals_, QStringLiteral("Sum"), std::move(sums));

    // Every query's rows as a list, for sections that repeat them with
    // {{#Name}}...{{/Name}}; the detail query's only when a section does so
    // (it may be long).
    QString allLayout;
    for (const ReportTemplate* t : {&pageHeader_, &reportHeader_, &columnHeader_, &detail_, &reportFooter_, &pageFooter_})
        allLayout += t->text();
    for (const ReportTemplate& t : groupHeaders_)
        allLayout += t.text();
    for (const ReportTemplate& t : groupFooters_)
        allLayout += t.text();
    allLayout = allLayout.toLower();
    for (std::size_t q = 0; q < data_.queries.size(); ++q) {
        const QueryRows& rows = data_.queries[q];
        if (static_cast<int>(q) == data_.detailIndex && !allLayout.contains(QLatin1String("{{#") + rows.name.toLower())
            && !allLayout.contains(QLatin1String("{{# ") + rows.name.toLower()))
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
    for (int c : detailColumns_)
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
    groupsStarting_.assign(rowCount, {});
    groupsEnding_.assign(rowCount, {});
    const QueryRows* rows = data_.detail();
    // Rows are numbered again in each innermost group.
    const int innermost = static_cast<int>(definition_.groupFields.size()) - 1;
    if (!data_.groups.empty()) {
        rowGroupFirst_.assign(rowCount, 0);
        for (const RowGroup& g : data_.groups)
            if (g.level == innermost)
                for (int r = g.first; r <= g.last; ++r)
                    rowGroupFirst_[r] = g.first;
    }
    groupOfRow_.assign(definition_.groupFields.size(), std::vector<int>(rowCount, -1));
    for (std::size_t i = 0; i < data_.groups.size(); ++i) {
        const RowGroup& g = data_.groups[i];
        for (int r = g.first; r <= g.last; ++r)
            groupOfRow_[g.level][r] = static_cast<int>(i);
        groupsStarting_[g.first].push_back(static_cast<int>(i));
        groupsEnding_[g.last].insert(groupsEnding_[g.last].begin(), static_cast<int>(i));

        TemplateData scope = rowScope(g.first);
        const QString field = definition_.groupFields[g.level];
        const int column = rows->column(field);
        Set(scope, QStringLiteral("GroupValue"), ReportValues::Display(rows->rows[g.first].value(column), definition_.formatOf(field)));
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

std::shared_ptr<BandDocument> RenderedReport::document(const ReportTemplate& band, std::initializer_list<const TemplateData*> scopes) const
{
    if (band.isEmpty() || band.text().trimmed().isEmpty())
        return nullptr;
    return std::make_shared<BandDocument>(band.render(scopes), style_);
}

void RenderedReport::buildItems()
{
    auto add = [this](Kind kind, int index, std::shared_ptr<BandDocument> document) {
        if (!document)
            return;
        Item item{kind, index, document->height(), std::move(document), -1};
        items_.push_back(std::move(item));
    };
    add(Kind::ReportHeader, 0, document(reportHeader_, {&globals_}));
    const int rowCount = data_.rowCount();
    if (quickDetail_)
        quickRows_.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        for (int g : groupsStarting_[r])
            add(Kind::GroupHeader, g, document(groupHeaders_[data_.groups[g].level], {&globals_, &groupScopes_[g]}));
        if (!detail_.isEmpty()) {
            const TemplateData scope = rowScope(r);
            if (quickDetail_) {
                quickRows_.push_back(quickDetail_->fill({&globals_, &scope}));
                items_.push_back({Kind::Detail, r, quickDetail_->height(quickRows_.back()), nullptr, static_cast<int>(quickRows_.size()) - 1});
            } else {
                add(Kind::Detail, r, document(detail_, {&globals_, &scope}));
            }
        }
        for (int g : groupsEnding_[r])
            add(Kind::GroupFooter, g, document(groupFooters_[data_.groups[g].level], {&globals_, &groupScopes_[g]}));
    }
    add(Kind::ReportFooter, 0, document(reportFooter_, {&globals_}));
    columnHeaderDocument_ = document(columnHeader_, {&globals_});

    // Page headers and footers are measured as the first page and as any
    // other page would fill them.
    for (int i = 0; i < 2; ++i) {
        const TemplateData page = pageScope(i, 999);
        if (auto header = document(pageHeader_, {&globals_, &page}))
            headerHeight_[i] = header->height();
        if (auto footer = document(pageFooter_, {&globals_, &page}))
            footerHeight_[i] = footer->height();
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

std::shared_ptr<BandDocument> RenderedReport::continuedHeader(int group)
{
    auto found = continuedHeaders_.find(group);
    if (found != continuedHeaders_.end())
        return found->second;
    TemplateData continued = values::Object();
    values::Set(continued, QStringLiteral("Continued"), true);
    auto document = this->document(groupHeaders_[data_.groups[group].level], {&globals_, &groupScopes_[group], &continued});
    continuedHeaders_.emplace(group, document);
    return document;
}

void RenderedReport::paginate()
{
    pages_.push_back({});
    double y = bodyTop(0);
    bool columnHeaderShown = false;
    bool pageHasItems = false;
    bool firstGroupSeen = false;
    const double columnHeaderHeight = columnHeaderDocument_ ? columnHeaderDocument_->height() : 0;
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
        double keep = item.height;
        if (item.kind == Kind::GroupHeader)
            for (std::size_t j = i + 1; j < items_.size(); ++j) {
                keep += items_[j].height;
                if (items_[j].kind != Kind::GroupHeader)
                    break;
            }
        auto needed = [&]() { return keep + (inDetail && !columnHeaderShown ? columnHeaderHeight : 0); };
        if (pageHasItems && y + needed() > bodyBottom(static_cast<int>(pages_.size()) - 1) + 0.5) {
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
        if (inDetail && !columnHeaderShown && columnHeaderDocument_) {
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
                if (auto document = continuedHeader(g)) {
                    pages_.back().placements.push_back({-2 - g, y});
                    y += document->height();
                }
            }
        }
        pages_.back().placements.push_back({static_cast<int>(i), y});
        y += item.height;
        pageHasItems = true;
    }
    // The group tree: where each outermost group's heading went.
    for (std::size_t p = 0; p < pages_.size(); ++p)
        for (const Placement& placement : pages_[p].placements)
            if (placement.item >= 0 && items_[placement.item].kind == Kind::GroupHeader) {
                const RowGroup& g = data_.groups[items_[placement.item].index];
                if (g.level == 0)
                    groupTree_.append({ReportValues::Display(data_.detail()->rows[g.first].value(data_.detail()->column(definition_.groupFields.first())),
                                                             definition_.formatOf(definition_.groupFields.first())),
                                       static_cast<int>(p)});
            }
    // Groups without a heading section are found by their first row.
    if (groupTree_.isEmpty() && !data_.groups.empty() && data_.detail()) {
        QHash<int, int> rowPage;
        for (std::size_t p = 0; p < pages_.size(); ++p)
            for (const Placement& placement : pages_[p].placements)
                if (placement.item >= 0 && items_[placement.item].kind == Kind::Detail)
                    rowPage.insert(items_[placement.item].index, static_cast<int>(p));
        const int column = data_.detail()->column(definition_.groupFields.first());
        for (const RowGroup& g : data_.groups)
            if (g.level == 0)
                groupTree_.append({ReportValues::Display(data_.detail()->rows[g.first].value(column), definition_.formatOf(definition_.groupFields.first())),
                                   rowPage.value(g.first)});
    }
}

std::shared_ptr<BandDocument> RenderedReport::pageBand(const ReportTemplate& band, int page, int pageCount)
{
    const TemplateData scope = pageScope(page, pageCount);
    if (band.isEmpty() || band.text().trimmed().isEmpty())
        return nullptr;
    const QString html = band.render({&globals_, &scope});
    auto found = pageBands_.constFind(html);
    if (found != pageBands_.constEnd())
        return *found;
    auto document = std::make_shared<BandDocument>(html, style_);
    pageBands_.insert(html, document);
    return document;
}

void RenderedReport::paintItem(QPainter& painter, const Item& item, double x, double y) const
{
    if (item.document)
        item.document->paint(painter, x, y);
    else if (item.quickRow >= 0)
        quickDetail_->paint(painter, x, y, quickRows_[item.quickRow]);
}

void RenderedReport::paintPage(QPainter& painter, int page, double dotsPerInch)
{
    if (page < 0 || page >= pageCount())
        return;
    painter.save();
    painter.scale(dotsPerInch / kLayoutDpi, dotsPerInch / kLayoutDpi);
    painter.setClipRect(QRectF(QPointF(0, 0), pageSize_));
    const double x = margins_.left();
    if (auto header = pageBand(pageHeader_, page, pageCount()))
        header->paint(painter, x, margins_.top());
    painter.save();
    painter.setClipRect(QRectF(x, bodyTop(page), style_.width, bodyBottom(page) - bodyTop(page)), Qt::IntersectClip);
    for (const Placement& placement : pages_[page].placements) {
        if (placement.item == -1)
            columnHeaderDocument_->paint(painter, x, placement.y);
        else if (placement.item < -1)
            continuedHeaders_.at(-2 - placement.item)->paint(painter, x, placement.y);
        else
            paintItem(painter, items_[placement.item], x, placement.y);
    }
    painter.restore();
    if (auto footer = pageBand(pageFooter_, page, pageCount()))
        footer->paint(painter, x, pageSize_.height() - margins_.bottom() - footer->height());
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
    std::vector<int> columns;
    QStringList names;
    if (definition_.captions.isEmpty()) {
        names = detail->columns;
    } else {
        for (const auto& [field, caption] : definition_.captions)
            names << field;
    }
    for (const QString& name : names)
        columns.push_back(detail->column(name));
    table.reserve(static_cast<int>(detail->rows.size()));
    for (std::size_t r = 0; r < detail->rows.size(); ++r) {
        QStringList line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] >= 0)
                line << ReportValues::Display(detail->rows[r].value(columns[c]), definition_.formatOf(names[static_cast<int>(c)]));
            else if (names[static_cast<int>(c)].compare(QLatin1String("RowNumber"), Qt::CaseInsensitive) == 0)
                line << QString::number(r + 1);
            else
                line << QString();
        }
        table << line;
    }
    return table;
}

QString RenderedReport::html() const
{
    QString body;
    auto add = [&](const ReportTemplate& band, std::initializer_list<const TemplateData*> scopes) {
        if (!band.isEmpty())
            body += band.render(scopes) + QLatin1Char('\n');
    };
    add(reportHeader_, {&globals_});
    if (data_.rowCount() > 0 || !data_.groups.empty())
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
