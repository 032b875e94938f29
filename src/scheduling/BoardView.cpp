#include "scheduling/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace scheduling {

namespace {

const QString kOccupied = QStringLiteral("An operation is already scheduled in this room at that time.");

QString TimeLabel(const QTime& time)
{
    return time.toString(QStringLiteral("h:mm AP"));
}

} // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent)
    , now_(QDateTime::currentDateTime())
{
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh();
}

void BoardView::refresh()
{
    setFixedSize(layout_.size());
    update();
}

void BoardView::setNow(const QDateTime& now)
{
    now_ = now;
    update();
}

void BoardView::fitToWidth(int width)
{
    layout_.fitWidth(width);
    refresh();
}

QColor BoardView::ColourOf(BlockStatus status)
{
    switch (status) {
    case BlockStatus::Requested: return QColor(0xf6, 0xd5, 0x8e);
    case BlockStatus::Confirmed: return QColor(0x9c, 0xc3, 0xe6);
    case BlockStatus::InProgress: return QColor(0x9f, 0xd8, 0x9f);
    case BlockStatus::Done: return QColor(0xc8, 0xc8, 0xc8);
    }
    return Qt::white;
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int columns = static_cast<int>(layout_.columns().size());
    const int slotTotal = layout_.slotCount();

    // Time labels and the slot lines; hours drawn darker than slotTotal.
    p.setFont(font());
    for (int s = 0; s <= slotTotal; ++s) {
        const int y = BoardLayout::kHeader + s * BoardLayout::kSlotHeight;
        const QTime at = layout_.dayStart().addSecs(s * layout_.increment() * 60);
        const bool hour = at.minute() == 0;
        p.setPen(hour ? QColor(0xa0, 0xa0, 0xa0) : QColor(0xe2, 0xe2, 0xe2));
        p.drawLine(BoardLayout::kGutter, y, width(), y);
        if (s < slotTotal && (hour || layout_.increment() >= 30)) {
            p.setPen(Qt::black);
            p.drawText(QRect(2, y, BoardLayout::kGutter - 6, BoardLayout::kSlotHeight), Qt::AlignRight | Qt::AlignVCenter,
                       TimeLabel(at));
        }
    }
    // Column captions and separators.
    p.fillRect(QRect(0, 0, width(), BoardLayout::kHeader), QColor(0xe8, 0xec, 0xf0));
    for (int c = 0; c < columns; ++c) {
        const QRect column = layout_.columnRect(c);
        p.setPen(QColor(0x90, 0x90, 0x90));
        p.drawLine(column.left(), 0, column.left(), height());
        p.setPen(Qt::black);
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(QRect(column.left() + 2, 0, column.width() - 4, BoardLayout::kHeader), Qt::AlignCenter | Qt::TextWordWrap,
                   layout_.columns()[static_cast<size_t>(c)].caption);
        p.setFont(font());
    }

    // The entries.
    for (int i = 0; i < static_cast<int>(layout_.blocks().size()); ++i) {
        QRect r = layout_.blockRect(i);
        if (r.isEmpty())
            continue;
        const BoardBlock& block = layout_.blocks()[static_cast<size_t>(i)];
        const bool dragged = drag_ == Drag::MoveBlock && moved_ && i == dragBlock_;
        p.setPen(QColor(0x50, 0x50, 0x50));
        QColor fill = ColourOf(block.status);
        if (dragged)
            fill.setAlpha(90);
        p.setBrush(fill);
        p.drawRoundedRect(r, 3, 3);
        p.setPen(Qt::black);
        const QString text = block.start.time().toString(QStringLiteral("h:mm AP")) + QStringLiteral(" - ")
                             + block.end().time().toString(QStringLiteral("h:mm AP")) + QLatin1Char(' ') + block.description
                             + (block.patientName.isEmpty() ? QString() : QStringLiteral("\n") + block.patientName)
                             + (block.surgeon.isEmpty() ? QString() : QStringLiteral("\n") + block.surgeon);
        p.drawText(r.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }

    // What a drag would do: the block's new place, or the new booking's span.
    p.setBrush(Qt::NoBrush);
    if (drag_ == Drag::MoveBlock && moved_) {
        if (const auto target = layout_.dropTarget(dragBlock_, pointer_, grabOffsetY_)) {
            const BoardBlock& block = layout_.blocks()[static_cast<size_t>(dragBlock_)];
            const QRect first = layout_.slotRect(*target);
            const int height = std::max(6, block.length * BoardLayout::kSlotHeight / layout_.increment());
            const bool free = layout_.isFree(target->column, target->start, block.length, block.transNum);
            p.setPen(QPen(free ? QColor(0x20, 0x60, 0xc0) : QColor(0xc0, 0x20, 0x20), 2, Qt::DashLine));
            p.drawRect(first.left() + 3, first.top(), first.width() - 6, height);
        }
    } else if (drag_ == Drag::NewBooking && moved_) {
        if (const auto span = layout_.dragSpan(pressedAt_, pointer_)) {
            const QRect first = layout_.slotRect(span->first);
            const int height = span->second * BoardLayout::kSlotHeight / layout_.increment();
            p.setPen(QPen(QColor(0x20, 0x60, 0xc0), 2, Qt::DashLine));
            p.drawRect(first.left() + 3, first.top(), first.width() - 6, height);
        }
    }

    // The current time, across the columns of today.
    p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 2));
    for (int c = 0; c < columns; ++c)
        if (layout_.columns()[static_cast<size_t>(c)].date == now_.date())
            if (const auto y = layout_.yOf(c, now_)) {
                const QRect column = layout_.columnRect(c);
                p.drawLine(column.left(), *y, column.right(), *y);
            }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_ = pointer_ = event->position().toPoint();
    moved_ = false;
    dragBlock_ = layout_.blockAt(pressedAt_);
    if (dragBlock_ >= 0) {
        drag_ = Drag::MoveBlock;
        grabOffsetY_ = pressedAt_.y() - layout_.blockRect(dragBlock_).top();
    } else {
        drag_ = layout_.slotAt(pressedAt_) ? Drag::NewBooking : Drag::None;
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_ == Drag::None)
        return;
    pointer_ = event->position().toPoint();
    if ((pointer_ - pressedAt_).manhattanLength() >= 4)
        moved_ = true;
    update();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None)
        return;
    pointer_ = event->position().toPoint();
    const Drag drag = drag_;
    drag_ = Drag::None;
    update();
    if (drag == Drag::MoveBlock) {
        if (!moved_) {
            emit blockClicked(dragBlock_);
            return;
        }
        const BoardBlock block = layout_.blocks()[static_cast<size_t>(dragBlock_)];
        // Only a confirmed booking still to come can be moved; a request is
        // confirmed through the requests window, and the past stays as it was.
        if (block.status != BlockStatus::Confirmed)
            return;
        const auto target = layout_.dropTarget(dragBlock_, pointer_, grabOffsetY_);
        if (!target || (target->start == block.start && layout_.columns()[static_cast<size_t>(target->column)].roomId
                                                             == layout_.columns()[static_cast<size_t>(block.column)].roomId))
            return;
        if (!layout_.isFree(target->column, target->start, block.length, block.transNum)) {
            emit moveRefused(kOccupied);
            return;
        }
        emit moveRequested(block.transNum, layout_.columns()[static_cast<size_t>(target->column)].roomName, target->start);
        return;
    }
    // A plain click on an empty slot books nothing: only a drag marks a span.
    const auto span = moved_ ? layout_.dragSpan(pressedAt_, pointer_) : std::nullopt;
    if (!span)
        return;
    if (!layout_.isFree(span->first.column, span->first.start, span->second)) {
        emit moveRefused(kOccupied);
        return;
    }
    emit bookRequested(layout_.columns()[static_cast<size_t>(span->first.column)].roomName, span->first.start, span->second);
}

} // namespace scheduling
