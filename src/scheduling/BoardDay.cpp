#include "scheduling/BoardDay.h"

#include "db/Connection.h"
#include "db/SqlText.h"

#include <QHash>
#include <functional>
#include <QLocale>

namespace scheduling {

namespace {

QString DayArgument(const QDate& day)
{
    // The schedule book passes its date as "mm/dd/yyyy " (with the blank).
    return db::Quote(day.toString(QStringLiteral("MM/dd/yyyy ")));
}

QHash<QString, QString> RoomNumbers(db::Connection& c)
{
    QHash<QString, QString> ids;
    for (db::Recordset rs = c.open(QStringLiteral("SELECT RoomID, RoomName FROM SCHEDULE..tbORRoom")); !rs.eof(); rs.moveNext())
        ids.insert(rs.text(QStringLiteral("RoomName")).trimmed().toUpper(), rs.text(QStringLiteral("RoomID")).trimmed());
    return ids;
}

void AddBlocks(db::Recordset rs, const std::function<int(const db::Recordset&)>& columnOf, const QDateTime& now,
               BoardContents& contents)
{
    for (; !rs.eof(); rs.moveNext()) {
        const int column = columnOf(rs);
        if (column < 0)
            continue;
        BoardBlock block;
        block.transNum = rs.text(QStringLiteral("TransNum")).trimmed();
        block.column = column;
        block.start = rs.field(QStringLiteral("StartTime")).toDateTime();
        block.length = rs.field(QStringLiteral("Length")).toInt();
        block.description = rs.text(QStringLiteral("Description"));
        block.patientName = rs.text(QStringLiteral("PatientName"));
        block.surgeon = rs.text(QStringLiteral("Surgeon"));
        if (block.surgeon == QLatin1String(","))
            block.surgeon.clear();
        block.category = rs.text(QStringLiteral("CategoryName"));
        block.recordStatus = rs.text(QStringLiteral("RecordStatus")).trimmed();
        block.status = StatusAt(block.recordStatus, block.start, block.end(), now);
        if (block.status != BlockStatus::Requested)
            ++contents.confirmedCount;
        contents.blocks.push_back(std::move(block));
    }
}

} // namespace

BoardParameters BoardParameters::Load(db::Connection& connection)
{
    BoardParameters parameters;
    db::Recordset rs = connection.open(QStringLiteral("Select * from SCHEDULE..tbORApplication"));
    if (rs.eof())
        return parameters;
    const QDateTime start = rs.field(QStringLiteral("StartTime")).toDateTime();
    if (start.isValid())
        parameters.dayStart = start.time();
    if (rs.field(QStringLiteral("DayLength")).toInt() > 0)
        parameters.dayHours = rs.field(QStringLiteral("DayLength")).toInt();
    if (rs.field(QStringLiteral("ScheduleIncrement")).toInt() > 0)
        parameters.increment = rs.field(QStringLiteral("ScheduleIncrement")).toInt();
    return parameters;
}

BoardContents LoadBoardDay(db::Connection& c, const QDate& day, const QDateTime& now)
{
    BoardContents contents;
    const QHash<QString, QString> ids = RoomNumbers(c);
    QHash<QString, int> columnOfRoom;
    for (db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext()) {
        const QString name = rs.text(QStringLiteral("Room Name")).trimmed();
        columnOfRoom.insert(name.toUpper(), static_cast<int>(contents.columns.size()));
        contents.columns.push_back(BoardColumn{ids.value(name.toUpper()), name, day, name});
    }
    AddBlocks(c.open(QStringLiteral("SCHEDULE..sp_Get_ORSCHEDULE ") + DayArgument(day) + QStringLiteral(",'Y'")),
              [&](const db::Recordset& rs) { return columnOfRoom.value(rs.text(QStringLiteral("RoomName")).trimmed().toUpper(), -1); },
              now, contents);
    return contents;
}

BoardContents LoadBoardWeek(db::Connection& c, const QString& roomName, const QDate& day, const QDateTime& now)
{
    BoardContents contents;
    const auto [monday, sunday] = WeekOf(day);
    const QString roomId = RoomNumbers(c).value(roomName.trimmed().toUpper());
    const QLocale english(QLocale::English);
    for (QDate d = monday; d <= sunday; d = d.addDays(1))
        contents.columns.push_back(BoardColumn{roomId, roomName.trimmed(), d, english.toString(d, QStringLiteral("ddd MM/dd"))});
    if (roomId.isEmpty())
        return contents;
    AddBlocks(c.open(QStringLiteral("SCHEDULE..sp_Get_ORSCHEDULE ") + DayArgument(monday) + QStringLiteral(",'Y',")
                     + DayArgument(sunday) + QLatin1Char(',') + db::Quote(roomId)),
              [&](const db::Recordset& rs) {
                  return static_cast<int>(monday.daysTo(rs.field(QStringLiteral("StartTime")).toDateTime().date()));
              },
              now, contents);
    return contents;
}

} // namespace scheduling
