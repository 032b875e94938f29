#pragma once

#include "scheduling/BoardLayout.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <vector>

namespace db {
class Connection;
}

namespace scheduling {

// The day view's parameters row: first slot, hours shown, minutes per slot.
struct BoardParameters {
    QTime dayStart = QTime(7, 0);
    int dayHours = 12;
    int increment = 30;

    static BoardParameters Load(db::Connection& connection);
};

// What the board shows: its columns and the entries placed in them.
struct BoardContents {
    std::vector<BoardColumn> columns;
    std::vector<BoardBlock> blocks;
    int confirmedCount = 0; // the day's confirmed operations ("No operation scheduled" when none)
};

// The day: one column per active room in display order, the day's confirmed
// operations and the stations' pending requests that name a room.
BoardContents LoadBoardDay(db::Connection& connection, const QDate& day, const QDateTime& now);
// One room's week (Monday to Sunday around `day`): one column per day.
BoardContents LoadBoardWeek(db::Connection& connection, const QString& roomName, const QDate& day, const QDateTime& now);

} // namespace scheduling
