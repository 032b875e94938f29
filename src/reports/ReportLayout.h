#pragma once

#include "reports/BandDocument.h"
#include "reports/Report.h"
#include "reports/ReportData.h"
#include "reports/ReportTemplate.h"
#include "reports/TableRowBand.h"

#include <QHash>
#include <QMarginsF>

#include <map>
#include <memory>
#include <vector>

namespace db {
class Connection;
}

namespace reports {

class ReportDefinition;

// A report run and laid out: its data, every section filled, and the
// sections placed on pages. Page headers and footers are filled when a page
// is painted, once the number of pages is known.
class RenderedReport {
public:
    // Runs the queries and lays out the pages; throws ReportError.
    RenderedReport(const ReportDefinition& definition, const QList<ReportParameter>& parameters,
                   const QList<QPair<QString, QString>>& subreportHtml, db::Connection* connection);
    ~RenderedReport();

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Paints a page; one painter unit is 1/dotsPerInch inch.
    void paintPage(QPainter& painter, int page, double dotsPerInch);

    QList<ReportGroup> groupTree() const { return groupTree_; }
    QStringList columns() const;
    QList<QStringList> rows() const;
    // Every section but the page header and footer, one after the other.
    QString html() const;
    const BandStyle& style() const { return style_; }

private:
    enum class Kind { ReportHeader, GroupHeader, Detail, GroupFooter, ReportFooter };
    struct Item {
        Kind kind;
        int index = 0; // detail row or group
        double height = 0;
        std::shared_ptr<BandDocument> document; // null for a quick table row
        int quickRow = -1;
    };
    struct Placement {
        int item = -1; // -1 for the column header, -2 - g for group g's heading repeated
        double y = 0;
    };
    struct Page {
        std::vector<Placement> placements;
    };

    void buildGlobals(const QList<ReportParameter>& parameters, const QList<QPair<QString, QString>>& subreportHtml);
    TemplateData rowScope(int row) const;
    void buildGroupScopes();
    void buildItems();
    void paginate();
    std::shared_ptr<BandDocument> continuedHeader(int group);
    double bodyTop(int page) const;
    double bodyBottom(int page) const;
    TemplateData pageScope(int page, int pageCount) const;
    std::shared_ptr<BandDocument> pageBand(const ReportTemplate& band, int page, int pageCount);
    std::shared_ptr<BandDocument> document(const ReportTemplate& band, std::initializer_list<const TemplateData*> scopes) const;
    void paintItem(QPainter& painter, const Item& item, double x, double y) const;
    QString formatSum(const QString& field, double sum) const;

    const ReportDefinition& definition_;
    ReportData data_;
    BandStyle style_;
    QSizeF pageSize_;   // layout dots
    QMarginsF margins_; // layout dots

    ReportTemplate pageHeader_, reportHeader_, columnHeader_, detail_, reportFooter_, pageFooter_;
    std::vector<ReportTemplate> groupHeaders_, groupFooters_;
    std::unique_ptr<TableRowBand> quickDetail_;

    TemplateData globals_;
    std::vector<TemplateData> groupScopes_;
    std::vector<std::vector<int>> groupsStarting_; // per row, outer first
    std::vector<std::vector<int>> groupsEnding_;   // per row, inner first
    std::vector<std::vector<int>> groupOfRow_; // per level, per row: its group
    std::map<int, std::shared_ptr<BandDocument>> continuedHeaders_;
    std::vector<int> rowGroupFirst_; // per row, the first row of its innermost group
    std::vector<int> detailColumns_;
    std::vector<int> sumColumns_;

    std::vector<Item> items_;
    std::vector<TableRowBand::Row> quickRows_;
    std::shared_ptr<BandDocument> columnHeaderDocument_;
    double headerHeight_[2] = {0, 0}; // first page, other pages
    double footerHeight_[2] = {0, 0};
    std::vector<Page> pages_;
    QList<ReportGroup> groupTree_;
    QHash<QString, std::shared_ptr<BandDocument>> pageBands_;
};

} // namespace reports
