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
#include <optional>
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
    // Every section but the page header and footer, one after the other;
    // with the heading, the page header as the first page prints it goes first.
    QString html(bool withPageHeading = false) const;
    // The page header as the first page prints it ("" when the report has none).
    QString pageHeadingHtml() const;
    // The report header, filled ("" when none).
    QString reportHeadingHtml() const;
    const BandStyle& style() const { return style_; }

private:
    // A layout section: its template, and the quick way to lay it out when
    // it is a one-row table.
    struct Band {
        ReportTemplate html;
        std::unique_ptr<TableRowBand> quick;
        bool isEmpty() const { return html.isEmpty() || html.text().trimmed().isEmpty(); }
    };
    // One filled section, laid out.
    struct Piece {
        double height = 0;
        std::shared_ptr<BandDocument> document;
        const TableRowBand* quick = nullptr;
        int quickRow = -1; // in quickRows_
    };
    enum class Kind { ReportHeader, GroupHeader, Detail, GroupFooter, ReportFooter };
    struct Item {
        Kind kind;
        int index = 0; // detail row or group
        Piece piece;
    };
    struct Placement {
        int item = -1; // -1 for the column header, -2 - g for group g's heading repeated
        double y = 0;
    };
    struct Page {
        std::vector<Placement> placements;
    };

    void prepareBand(Band& band, const QString& html);
    std::optional<Piece> fill(const Band& band, std::initializer_list<const TemplateData*> scopes);
    void paintPiece(QPainter& painter, const Piece& piece, double x, double y) const;

    void buildGlobals(const QList<ReportParameter>& parameters, const QList<QPair<QString, QString>>& subreportHtml);
    TemplateData rowScope(int row) const;
    void buildGroupScopes();
    void buildItems();
    void paginate();
    void buildGroupTree();
    const Piece* continuedHeader(int group);
    double bodyTop(int page) const;
    double bodyBottom(int page) const;
    TemplateData pageScope(int page, int pageCount) const;
    void paintPageBand(QPainter& painter, const Band& band, int page, bool atBottom);
    QString formatSum(const QString& field, double sum) const;

    const ReportDefinition& definition_;
    ReportData data_;
    BandStyle style_;
    QSizeF pageSize_;   // layout dots
    QMarginsF margins_; // layout dots

    Band pageHeader_, reportHeader_, columnHeader_, detail_, reportFooter_, pageFooter_;
    std::vector<Band> groupHeaders_, groupFooters_;

    TemplateData globals_;
    std::vector<TemplateData> groupScopes_;
    std::vector<std::vector<int>> groupsStarting_; // per row, outer first
    std::vector<std::vector<int>> groupsEnding_;   // per row, inner first
    std::vector<std::vector<int>> groupOfRow_;     // per level, per row: its group
    std::vector<int> rowGroupFirst_;               // per row, the first row of its innermost group
    std::vector<int> sumColumns_;

    std::vector<Item> items_;
    std::vector<TableRowBand::Row> quickRows_;
    std::optional<Piece> columnHeaderPiece_;
    std::map<int, std::optional<Piece>> continuedHeaders_;
    double headerHeight_[2] = {0, 0}; // first page, other pages
    double footerHeight_[2] = {0, 0};
    std::vector<Page> pages_;
    QList<ReportGroup> groupTree_;
    QHash<QString, std::shared_ptr<BandDocument>> pageDocuments_;
};

} // namespace reports
