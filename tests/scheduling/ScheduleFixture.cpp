#include "scheduling/ScheduleFixture.h"

#include "db/SqlText.h"
#include "db/DateText.h"

#include <QPlainTextEdit>

namespace test {

void ScheduleFixture::SetUp()
{
    AppFixture::SetUp();
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORRoom (RoomID, RoomName, SortOrder, RevenueID, Status) VALUES (%1, 'TEST ROOM', 0, 'OR', 'Y')")
            .arg(kRoom));
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORRoom (RoomID, RoomName, SortOrder, RevenueID, Status) VALUES (%1, 'CLOSED ROOM', 0, 'OR', 'X')")
            .arg(kClosedRoom));
    // Past the demo's bookings, which reach four days ahead.
    day = QDate::currentDate().addDays(60);
    idNum = scalar(QStringLiteral("SELECT TOP 1 IDNUM FROM PATIENT_DATA..tbPatient WHERE DCRDATE IS NULL ORDER BY IDNUM"));
    firstLog = count(QStringLiteral("SELECT ISNULL(MAX(LogID), 0) FROM STATION..tbStationLogs"));
}

QString ScheduleFixture::addEntry(int room, const QDateTime& start, int length, const QString& status)
{
    run(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (IDNUM, PatientName, RoomID, ScheduleDate, StartTime, Length, "
                       "Description, DoctorID1, RecordStatus, RequestStationID) VALUES (%1, 'TEST, PATIENT', %2, %3, %3, %4, "
                       "'TEST OPERATION', 'D001', %5, 'WARD')")
            .arg(db::Quote(idNum), QString::number(room), db::Quote(db::StoredDateText(start)),
                 length < 0 ? QStringLiteral("NULL") : QString::number(length),
                 status.isEmpty() ? QStringLiteral("NULL") : db::Quote(status)));
    return scalar(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails"));
}

QStringList ScheduleFixture::logLines()
{
    QStringList lines;
    for (db::Recordset rs = conn().open(QStringLiteral("SELECT Remarks, UserID FROM STATION..tbStationLogs WHERE LogID > %1 ORDER BY LogID")
                                            .arg(firstLog));
         !rs.eof(); rs.moveNext())
        lines << rs.text(QStringLiteral("UserID")) + QStringLiteral(": ") + rs.text(QStringLiteral("Remarks"));
    return lines;
}

void ScheduleFixture::sign(const QString& reason)
{
    prompts.onDialog([reason](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("NURSE1"));
        d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("nurse1"));
        if (auto* remarks = d.findChild<QPlainTextEdit*>(QStringLiteral("txtRemarks")))
            remarks->setPlainText(reason);
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
}

} // namespace test
