#pragma once

#include "reports/BandDocument.h"
#include "reports/ReportTemplate.h"

#include <QBrush>
#include <QHash>
#include <QRectF>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QTextOption>

#include <initializer_list>
#include <memory>
#include <vector>

namespace reports {

// The quick way to lay out detail rows written as a one-row HTML table:
// the table is laid out once, with its tags as text, to learn where every
// cell, border and paragraph goes; each row then only fills in the cell
// texts and draws them. A long report lays out thousands of rows, and a
// whole document per row would be far too slow.
class TableRowBand {
public:
    // Null when the section is not a single table of one row whose cells
    // hold only text (pictures, nested tables, tags inside attributes or
    // tags spanning formatted runs): such sections are laid out as documents.
    static std::unique_ptr<TableRowBand> TryCreate(const QString& html, const BandStyle& style);

    // One filled row: the text of every paragraph of every cell.
    struct Row {
        std::vector<QString> texts;
        float growth = 0; // how much taller than the section as written (or shorter)
    };
    Row fill(std::initializer_list<const TemplateData*> scopes) const;
    double height(const Row& row) const { return height_ + row.growth; }
    void paint(QPainter& painter, double x, double y, const Row& row) const;

private:
    struct Fragment {
        ReportTemplate text;
        QTextCharFormat format;
    };
    struct Block {
        std::vector<Fragment> fragments;
        QFont font;
        QTextOption option;
        QPointF origin;   // where the paragraph's first line starts, as written
        double width = 0; // the line width
        double height = 0; // as written
        int cell = 0;
    };
    struct Side {
        double width = 0;
        QBrush brush;
    };
    struct Cell {
        QRectF outer; // padding box as written, as tall as the row
        double natural = 0; // the height its own text needs, as written
        int verticalAlignment = 0;
        QBrush background;
        Side top, right, bottom, left;
        std::vector<int> blocks;
    };

    // A paragraph's filled text laid out at its width.
    struct LaidOut {
        std::shared_ptr<QTextLayout> layout;
        double height = 0;
    };

    TableRowBand() = default;
    // The layout of block b for the texts of its runs (cached).
    const LaidOut& laidOut(std::size_t b, const QString* texts) const;
    // Lays out a paragraph's lines at its width; returns their height.
    double layoutBlock(const Block& block, QTextLayout& layout) const;

    std::vector<Block> blocks_;
    std::vector<Cell> cells_;
    double height_ = 0;      // the section's height as written
    double rowBottom_ = 0;   // the bottom of the cells as written
    double rowHeight_ = 0;   // the cells' height as written
    double gridWidth_ = 0;   // the table's border, 0 for none
    QBrush gridBrush_;
    int gridStyle_ = 0; // QTextFrameFormat::BorderStyle
    mutable std::vector<QHash<QString, LaidOut>> cache_; // per block
};

} // namespace reports
