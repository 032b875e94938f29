#pragma once

#include "app_support/AppFixture.h"
#include "scheduling/BookingRules.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace test {

// A booking world: the demo hospital, an active room, a far-off free day, a
// surgeon, an anesthesiologist and an admitted patient to book.
class BookingFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        loadSettings();
        room = scalar(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom WHERE ISNULL(Status, 'Y') = 'Y' ORDER BY RoomID"));
        roomId = scalar(QStringLiteral("SELECT TOP 1 RoomID FROM SCHEDULE..tbORRoom WHERE RoomName = '%1'").arg(room));
        otherRoom = scalar(QStringLiteral("SELECT TOP 1 RoomName FROM SCHEDULE..tbORRoom WHERE ISNULL(Status, 'Y') = 'Y' "
                                          "AND RoomID <> %1 ORDER BY RoomID").arg(roomId));
        surgeon = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor ORDER BY DoctorID"));
        anesthesiologist = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctor WHERE DoctorID <> '%1' "
                                                 "ORDER BY DoctorID DESC").arg(surgeon));
        db::Recordset rs = conn().open(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PATIENT_DATA..tbPatient "
                                                      "WHERE DCRDATE IS NULL ORDER BY IDNUM"));
        idNum = rs.text(QStringLiteral("IDNUM"));
        hospNum = rs.text(QStringLiteral("HospNum"));
        day = QDate::currentDate().addDays(200);
    }

    // A station setting row changed and the settings read again.
    void setSetting(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = '%1'").arg(field));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('%1', '%2')").arg(field, value));
        programSettings->LoadParameters();
    }
    int entriesOn(const QString& roomName)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..tbORScheduleDetails S JOIN SCHEDULE..tbORRoom R ON R.RoomID = S.RoomID "
                                    "WHERE R.RoomName = '%1' AND S.StartTime >= '%2' AND S.StartTime < '%3'")
                         .arg(roomName, day.toString(Qt::ISODate), day.addDays(1).toString(Qt::ISODate)));
    }
    int logsLike(const QString& start)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE '%1%'").arg(start));
    }

    // A confirmed entry put straight into the table, as another station left it.
    QString existing(const QString& roomName, const QTime& start, int minutes)
    {
        conn().execute(QStringLiteral("INSERT INTO SCHEDULE..tbORScheduleDetails (RoomID, ScheduleDate, StartTime, Length, "
                                      "Description, RecordStatus) SELECT RoomID, '%2', '%2', %3, 'EXISTING', 'C' "
                                      "FROM SCHEDULE..tbORRoom WHERE RoomName = '%1'")
                           .arg(roomName, QDateTime(day, start).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                           .arg(minutes));
        return scalar(QStringLiteral("SELECT MAX(TransNum) FROM SCHEDULE..tbORScheduleDetails"));
    }

    scheduling::Booking booking(const QTime& start, const QTime& end)
    {
        scheduling::Booking b;
        b.idNum = idNum;
        b.hospNum = hospNum;
        b.patientName = QStringLiteral("DELA CRUZ, JUAN");
        b.roomName = room;
        b.date = day;
        b.start = start;
        b.end = end;
        b.procedureCode = QStringLiteral("OR001");
        b.procedureDesc = QStringLiteral("APPENDECTOMY");
        b.surgeonId = surgeon;
        b.surgeonName = QStringLiteral("SURGEON, A");
        b.anesthesiologistId = anesthesiologist;
        b.anesthesiologistName = QStringLiteral("ANESTH, B");
        return b;
    }

    // The next validation dialog is signed by NURSE1; `meanwhile` runs first,
    // as another station would while this user is signing.
    void sign(std::function<void()> meanwhile = {})
    {
        prompts.onDialog([meanwhile](QDialog& d) {
            if (meanwhile)
                meanwhile();
            d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(QStringLiteral("NURSE1"));
            d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(QStringLiteral("nurse1"));
            d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
    }

    QString room, roomId, otherRoom, surgeon, anesthesiologist, idNum, hospNum;
    QDate day;
};

} // namespace test
