#include "scheduling/BoardLayout.h"

#include <QSize>

#include <algorithm>

namespace scheduling {

BlockStatus StatusAt(const QString& recordStatus, const QDateTime& start, const QDateTime& end, const QDateTime& now)
{
    if (recordStatus.trimmed().compare(QLatin1String("C"), Qt::CaseInsensitive) != 0)
        return BlockStatus::Requested;
    if (now >= end)
        return BlockStatus::Done;
    if (now >= start)
        return BlockStatus::InProgress;
    return BlockStatus::Confirmed;
}

void BoardLayout::setParameters(const QTime& dayStart, int dayHours, int increment)
{
    // A damaged parameters row must not leave a board of no slots or of
    // thousands: fall back to the usual day.
    dayStart_ = dayStart.isValid() ? QTime(dayStart.hour(), dayStart.minute()) : QTime(7, 0);
    dayHours_ = dayHours >= 1 && dayHours <= 24 ? dayHours : 12;
    increment_ = increment >= 5 && increment <= 60 ? increment : 30;
}

void BoardLayout::fitWidth(int width)
{
    const int count = std::max<int>(1, static_cast<int>(columns_.size()));
    columnWidth_ = std::max(kMinColumnWidth, (width - kGutter) / count);
}

int BoardLayout::slotCount() const
{
    return (dayHours_ * 60 + increment_ - 1) / increment_;
}

QSize BoardLayout::size() const
{
    return QSize(kGutter + columnWidth_ * static_cast<int>(columns_.size()), kHeader + slotCount() * kSlotHeight);
}

QDateTime BoardLayout::dayStartOf(int column) const
{
    return QDateTime(columns_[static_cast<size_t>(column)].date, dayStart_);
}

QRect BoardLayout::columnRect(int column) const
{
    return QRect(kGutter + column * columnWidth_, kHeader, columnWidth_, slotCount() * kSlotHeight);
}

QRect BoardLayout::slotRect(const BoardSlot& slot) const
{
    const std::optional<int> y = yOf(slot.column, slot.start);
    if (!y)
        return QRect();
    return QRect(kGutter + slot.column * columnWidth_, *y, columnWidth_, kSlotHeight);
}

std::optional<int> BoardLayout::yOf(int column, const QDateTime& moment) const
{
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return std::nullopt;
    const qint64 minutes = dayStartOf(column).secsTo(moment) / 60;
    if (minutes < 0 || minutes > qint64(dayHours_) * 60)
        return std::nullopt;
    return kHeader + static_cast<int>(minutes * kSlotHeight / increment_);
}

QRect BoardLayout::blockRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(blocks_.size()))
        return QRect();
    const BoardBlock& block = blocks_[static_cast<size_t>(index)];
    if (block.column < 0 || block.column >= static_cast<int>(columns_.size()))
        return QRect();
    // Clip to the day shown: an entry that starts before the first slot or
    // runs past the last still shows the part that lies inside.
    const QDateTime first = dayStartOf(block.column);
    const QDateTime last = first.addSecs(qint64(dayHours_) * 3600);
    const QDateTime from = std::max(block.start, first);
    const QDateTime to = std::min(block.end(), last);
    if (from >= last || to <= first)
        return QRect();
    const int top = kHeader + static_cast<int>(first.secsTo(from) / 60 * kSlotHeight / increment_);
    // A block of no length still shows as a thin bar so that it can be clicked.
    const int height = std::max(6, static_cast<int>(from.secsTo(to) / 60 * kSlotHeight / increment_));
    return QRect(kGutter + block.column * columnWidth_ + 3, top, columnWidth_ - 6, height);
}

std::optional<BoardSlot> BoardLayout::slotAt(const QPoint& point) const
{
    if (point.x() < kGutter || point.y() < kHeader)
        return std::nullopt;
    const int column = (point.x() - kGutter) / columnWidth_;
    const int slot = (point.y() - kHeader) / kSlotHeight;
    if (column >= static_cast<int>(columns_.size()) || slot >= slotCount())
        return std::nullopt;
    return BoardSlot{column, dayStartOf(column).addSecs(qint64(slot) * increment_ * 60)};
}

int BoardLayout::blockAt(const QPoint& point) const
{
    for (int i = static_cast<int>(blocks_.size()) - 1; i >= 0; --i)
        if (blockRect(i).contains(point))
            return i;
    return -1;
}

bool BoardLayout::isFree(int column, const QDateTime& start, int minutes, const QString& exclude) const
{
    const QDateTime end = start.addSecs(qint64(std::max(minutes, 0)) * 60);
    const BoardColumn& target = columns_[static_cast<size_t>(column)];
    for (const BoardBlock& block : blocks_) {
        if (block.status == BlockStatus::Requested)
            continue;
        if (!exclude.isEmpty() && block.transNum == exclude)
            continue;
        const BoardColumn& other = columns_[static_cast<size_t>(block.column)];
        if (other.roomId != target.roomId)
            continue;
        if (start < block.end() && block.start < end)
            return false;
    }
    return true;
}

std::optional<BoardSlot> BoardLayout::dropTarget(int block, const QPoint& point, int grabOffsetY) const
{
    if (block < 0 || block >= static_cast<int>(blocks_.size()))
        return std::nullopt;
    // Round the block's new top to the nearest slot, then keep it in the day.
    const int top = point.y() - grabOffsetY;
    int slot = (top - kHeader + kSlotHeight / 2) / kSlotHeight;
    if (top < kHeader)
        slot = 0;
    slot = std::clamp(slot, 0, slotCount() - 1);
    if (point.x() < kGutter)
        return std::nullopt;
    const int column = (point.x() - kGutter) / columnWidth_;
    if (column >= static_cast<int>(columns_.size()))
        return std::nullopt;
    return BoardSlot{column, dayStartOf(column).addSecs(qint64(slot) * increment_ * 60)};
}

std::optional<std::pair<BoardSlot, int>> BoardLayout::dragSpan(const QPoint& from, const QPoint& to) const
{
    const std::optional<BoardSlot> first = slotAt(from);
    if (!first)
        return std::nullopt;
    // The end follows the pointer down the starting column only.
    const QPoint inColumn(from.x(), std::clamp(to.y(), kHeader, kHeader + slotCount() * kSlotHeight - 1));
    const std::optional<BoardSlot> second = slotAt(inColumn);
    if (!second)
        return std::nullopt;
    const QDateTime start = std::min(first->start, second->start);
    const QDateTime lastSlot = std::max(first->start, second->start);
    const int minutes = static_cast<int>(start.secsTo(lastSlot) / 60) + increment_;
    return std::make_pair(BoardSlot{first->column, start}, minutes);
}

std::pair<QDate, QDate> WeekOf(const QDate& day)
{
    const QDate monday = day.addDays(1 - day.dayOfWeek());
    return {monday, monday.addDays(6)};
}

} // namespace scheduling
