#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace scheduling {

// One operation as the booking panels and the board gather it.
struct Booking {
    // The patient: an admission (request panel) or, for a patient still to
    // be admitted, the hospital number found by the patient look-up.
    QString idNum;
    QString hospNum;
    QString patientName;
    QString sex; // "M", "F" or ""
    QString age;
    QString patientClass;

    QString roomName;
    QDate date;
    QTime start;
    QTime end;

    QString procedureCode;
    QString procedureDesc;
    QString surgeonId;
    QString surgeonName;
    QString anesthesiologistId;
    QString anesthesiologistName;
    QString assistant1;
    QString assistant2;
    QString assistant3;
    QString scrubNurse;       // employee codes
    QString circulatingNurse;
    QString scrubNurseName;   // as the summary shows them
    QString circulatingNurseName;

    QDateTime startsAt() const { return QDateTime(date, start); }
    QDateTime endsAt() const { return QDateTime(date, end); }
};

// The rules of booking a confirmed operation straight into a room: the
// panels' checks and messages in their order, the room-conflict test, the
// user's signature, and one save in the room (ScheduleChanges::WriteInRoom)
// that repeats the conflict test under the room's lock together with the
// insert and the station log, so that two stations booking the same slot at
// the same moment leave one booking.
//
// Each function tells the user what went wrong itself and returns false;
// true means the booking is stored.
class OperationBooking {
public:
    // Request panel: the station's selected patient (idNum and hospNum set).
    static bool BookForPatient(const Booking& booking);
    // Admission panel: a registered patient still to be admitted; `now` is
    // the server's time (the start must lie after it). Each window that
    // shows the panel words its own message for an end not after the start.
    static bool BookToBeAdmitted(const Booking& booking, const QDateTime& now, const QString& timeMessage = ScheduleBookTimeMessage());
    // The schedule book's message for an end not after the start.
    static QString ScheduleBookTimeMessage();
    // The board: an entry dragged to another room or time, its length kept.
    static bool MoveBooking(const QString& transNum, const QString& roomName, const QDateTime& newStart);

    // Minutes from start to end; zero or less when the end is not after the start.
    static int LengthMinutes(const QTime& start, const QTime& end);
    // The end a new start suggests: one hour later, two at the site that
    // books long lists ("ZV").
    static QTime DefaultEnd(const QTime& start);
    // The next whole hour after `now` (the default start of a new booking).
    static QTime NextWholeHour(const QDateTime& now);
    // The room's number from its name through the server; "" when no room.
    static QString RoomIdOf(const QString& roomName);
    // Whole years between a birth date and a day, as the panels show age.
    static QString AgeInYears(const QDate& birth, const QDate& day);
    // The summary kept with a booking from the request panel.
    static QString Summary(const Booking& booking, const QString& gender, const QString& age);
};

} // namespace scheduling
