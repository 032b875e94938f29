#pragma once

#include "app_support/AppFixture.h"
#include "scheduling/ScheduleChanges.h"

#include <QDateTime>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace test {

// The schedule's world: the demo hospital, NURSE1 logged in, and two rooms
// of the tests' own (kRoom active, kClosedRoom inactive) with nothing booked,
// on a day nothing else is booked, so each test sees only its own entries.
class ScheduleFixture : public AppFixture {
protected:
    static constexpr int kRoom = 77;
    static constexpr int kClosedRoom = 78;

    void SetUp() override;

    // The test day at hh:mm.
    QDateTime at(int hour, int minute = 0) const { return QDateTime(day, QTime(hour, minute)); }
    scheduling::RoomSlot slot(int fromHour, int fromMinute, int toHour, int toMinute, int room = kRoom) const
    {
        return {QString::number(room), at(fromHour, fromMinute), at(toHour, toMinute)};
    }

    // An entry in the room from `start` for `length` minutes (a null length
    // when negative) with the status given ("C" confirmed, "" a pending
    // request); returns its TransNum.
    QString addEntry(int room, const QDateTime& start, int length, const QString& status = QStringLiteral("C"));

    // The station log lines written since the test began, oldest first.
    QStringList logLines();

    // The next validation dialog is signed by NURSE1 (with a reason when asked for one).
    void sign(const QString& reason = QString());

    QDate day;
    QString idNum; // an admitted demo patient
    int firstLog = 0;
};

} // namespace test
