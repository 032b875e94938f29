#pragma once

#include "scheduling/BookingRules.h"

#include <QDateTime>
#include <QFrame>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace scheduling {

// The panel that books a patient still to be admitted: the hospital-number
// look-up, the room, date and times, the class and the team. The schedule
// book and the confirmed-schedules window both show it; each owner says
// which message a bad ending time gets and what happens after a save
// (`saved`) or on Close (`closeRequested`). The booking itself goes through
// OperationBooking::BookToBeAdmitted.
class AdmissionPanel : public QFrame {
    Q_OBJECT
public:
    AdmissionPanel(QWidget* parent, const QString& title, const QString& timeMessage);

    // Empties the panel for a new booking starting at the hour after `now`.
    void Clear(const QDateTime& now);
    // The rooms offered (an empty first choice keeps "no room" possible).
    void SetRooms(const QStringList& rooms);
    void SetPatientClasses(const QStringList& classes);
    // Room, date, start and end chosen elsewhere (the board's drag).
    void SetSlot(const QString& roomName, const QDateTime& start, const QTime& end);
    // Fills the panel from one confirmed entry read with mode '10' of the
    // confirmed-schedules list. False when it could not be read or is gone
    // (the user was told).
    bool LoadEntry(const QString& transNum);

    Booking booking() const;
    // Checks and stores the booking; `now` is the server's time.
    bool Save(const QDateTime& now);
    // Finds the typed hospital number in the master file.
    void Command1_Click();

    QLineEdit* txtHospNum = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* txtAdmitted_0 = nullptr; // patient name
    QLineEdit* txtAdmitted_1 = nullptr; // procedure code
    QLineEdit* txtAdmitted_2 = nullptr; // procedure
    QLineEdit* txtAdmitted_3 = nullptr; // surgeon code
    QLineEdit* txtAdmitted_4 = nullptr; // surgeon
    QLineEdit* txtAdmitted_5 = nullptr; // anesthesiologist code
    QLineEdit* txtAdmitted_6 = nullptr; // anesthesiologist
    QRadioButton* optSex_0 = nullptr;
    QRadioButton* optSex_1 = nullptr;
    QLineEdit* txtAge = nullptr;
    QComboBox* cboAdmitted = nullptr;
    QDateEdit* dtpAdmitted = nullptr;
    QTimeEdit* cboStartTime_0 = nullptr;
    QTimeEdit* cboStartTime_1 = nullptr;
    QLabel* lblSchedule_35 = nullptr; // length in minutes
    QComboBox* cboPatientClass = nullptr;
    QPushButton* cmdAdmittedOption_0 = nullptr;
    QPushButton* cmdAdmittedOption_1 = nullptr;

signals:
    void saved();
    // The panel's Save and Close buttons: the owner decides what follows.
    void saveRequested();
    void closeRequested();
    // A look-up filled a box (typing is seen by the owner's edit tracker).
    void lookedUp();

private:
    void updateLength();
    void setSex(const QString& sex);
    void lookUpDoctor(QLineEdit* code, QLineEdit* name);
    void lookUpProcedure(QLineEdit* code, QLineEdit* desc);

    QString timeMessage_;
    QString hospNum_;
};

} // namespace scheduling
