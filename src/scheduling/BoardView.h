#pragma once

#include "scheduling/BoardLayout.h"

#include <QDateTime>
#include <QWidget>

namespace scheduling {

// The operating-room board: rooms (or a room's days) across, time running
// down, each entry a block coloured by its status, and a line at the current
// time. Dragging over empty slots asks for a new booking there; dragging a
// confirmed block asks to move it. The board changes nothing itself: the
// window runs the booking or the move through the booking rules and loads
// the board again, so a refused move simply snaps back.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);

    BoardLayout& layout() { return layout_; }
    const BoardLayout& layout() const { return layout_; }
    // Shows new contents (after setParameters/setColumns/setBlocks on layout()).
    void refresh();
    void setNow(const QDateTime& now);
    // Fits the columns to a width (the visible part of the scroll area).
    void fitToWidth(int width);

    static QColor ColourOf(BlockStatus status);

signals:
    void bookRequested(const QString& roomName, const QDateTime& start, int minutes);
    void moveRequested(const QString& transNum, const QString& roomName, const QDateTime& start);
    // A drop on a slot taken by another confirmed entry: the board refuses it.
    void moveRefused(const QString& message);
    void blockClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, NewBooking, MoveBlock };

    BoardLayout layout_;
    QDateTime now_;
    Drag drag_ = Drag::None;
    QPoint pressedAt_;
    QPoint pointer_;
    int dragBlock_ = -1;
    int grabOffsetY_ = 0;
    bool moved_ = false;
};

} // namespace scheduling
