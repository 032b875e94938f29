#pragma once

#include <QDate>
#include <QDateTime>
#include <QRect>
#include <QString>
#include <QTime>

#include <optional>
#include <utility>
#include <vector>

namespace scheduling {

// How far an entry has come, for its colour on the board.
enum class BlockStatus { Requested, Confirmed, InProgress, Done };

// A confirmed entry is in progress between its start and end and done after
// its end; a request stays a request whatever the time.
BlockStatus StatusAt(const QString& recordStatus, const QDateTime& start, const QDateTime& end, const QDateTime& now);

// One column of the board: a room on a day. The day view has one per active
// room on the chosen date; a room's week view has one per day.
struct BoardColumn {
    QString roomId;
    QString roomName;
    QDate date;
    QString caption;
};

// One entry drawn as a block.
struct BoardBlock {
    QString transNum;
    int column = -1;
    QDateTime start;
    int length = 0; // minutes
    QString description;
    QString patientName;
    QString surgeon;
    QString category;
    QString recordStatus;
    BlockStatus status = BlockStatus::Confirmed;

    QDateTime end() const { return start.addSecs(qint64(length) * 60); }
};

// A place on the board: a column and the start of a time slot in it.
struct BoardSlot {
    int column = -1;
    QDateTime start;
    bool operator==(const BoardSlot& other) const { return column == other.column && start == other.start; }
};

// The board's geometry without any widget: where each slot and block lies,
// what lies under a point, and whether a block may be put somewhere. The
// widget draws and drags with it; tests drive it directly.
class BoardLayout {
public:
    static constexpr int kGutter = 64;      // time labels on the left
    static constexpr int kHeader = 34;      // column captions on top
    static constexpr int kSlotHeight = 24;
    static constexpr int kMinColumnWidth = 120;

    void setParameters(const QTime& dayStart, int dayHours, int increment);
    void setColumns(std::vector<BoardColumn> columns) { columns_ = std::move(columns); }
    void setBlocks(std::vector<BoardBlock> blocks) { blocks_ = std::move(blocks); }
    // Columns share the width given, never narrower than kMinColumnWidth.
    void fitWidth(int width);

    const std::vector<BoardColumn>& columns() const { return columns_; }
    const std::vector<BoardBlock>& blocks() const { return blocks_; }
    QTime dayStart() const { return dayStart_; }
    int dayHours() const { return dayHours_; }
    int increment() const { return increment_; }
    int columnWidth() const { return columnWidth_; }
    int slotCount() const;
    QSize size() const;

    QRect columnRect(int column) const;
    QRect slotRect(const BoardSlot& slot) const;
    // Where a block is drawn; empty when it lies outside the day shown.
    QRect blockRect(int index) const;
    // The y of a moment in a column's day; nullopt outside the day shown.
    std::optional<int> yOf(int column, const QDateTime& moment) const;

    // The slot under a point; nullopt over the captions, the time labels or
    // past the last slot.
    std::optional<BoardSlot> slotAt(const QPoint& point) const;
    // The block under a point (the last drawn when blocks overlap); -1 for none.
    int blockAt(const QPoint& point) const;

    // Whether `minutes` from `start` in a column overlap no confirmed entry
    // (requests hold no room), the entry `exclude` aside. Back-to-back is free.
    bool isFree(int column, const QDateTime& start, int minutes, const QString& exclude = QString()) const;
    // Where a dragged block lands: its top follows the pointer less the
    // distance at which it was grabbed, on a whole slot within the day.
    std::optional<BoardSlot> dropTarget(int block, const QPoint& point, int grabOffsetY) const;
    // The booking a drag over empty slots marks: from the earlier slot to
    // the end of the later one, in the column where it started.
    std::optional<std::pair<BoardSlot, int>> dragSpan(const QPoint& from, const QPoint& to) const;

private:
    QDateTime dayStartOf(int column) const;

    QTime dayStart_ = QTime(7, 0);
    int dayHours_ = 12;
    int increment_ = 30;
    int columnWidth_ = kMinColumnWidth;
    std::vector<BoardColumn> columns_;
    std::vector<BoardBlock> blocks_;
};

// The Monday-to-Sunday week that holds `day`.
std::pair<QDate, QDate> WeekOf(const QDate& day);

} // namespace scheduling
