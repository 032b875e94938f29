#pragma once

// The world of the patient-list tests: the demo hospital with a few patients
// of our own (surname "ZZTEST..." so that no demo patient matches them), the
// patient-search component connected, the program settings loaded, and
// helpers to read and drive the list's grid.

#include "app_support/AppFixture.h"

#include "components/ComponentSet.h"
#include "db/SqlText.h"
#include "patients/ClinicalChartLink.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListModel.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <QDateTime>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

namespace test {

// Mouse and keys as the user gives them, sent to the widget.
inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void mouseClick(QWidget* target, const QPoint& at)
{
    sendMouse(target, QEvent::MouseButtonPress, at);
    sendMouse(target, QEvent::MouseButtonRelease, at);
}

inline void mouseDClick(QWidget* target, const QPoint& at)
{
    mouseClick(target, at);
    sendMouse(target, QEvent::MouseButtonDblClick, at);
    sendMouse(target, QEvent::MouseButtonRelease, at);
}

inline void keyClick(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

inline void keyClicks(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        keyClick(target, c.toUpper().unicode(), QString(c));
}

class PatientListFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings();
        setStations(false);
        now = conn().open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime();
        app::ServerDate = now;
    }

    void TearDown() override
    {
        patients::SetChartOpener({});
        AppFixture::TearDown();
    }

    static QString q(const QString& value) { return db::Quote(value); }
    static QString stamp(const QDateTime& value)
    {
        return value.isValid() ? q(value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QStringLiteral("NULL");
    }

    // The station setting as the hospital would keep it, then loaded.
    void setStations(bool on)
    {
        run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'OREnableWithStations'"));
        run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, Description) VALUES ('OREnableWithStations', '%1', '')")
                .arg(on ? 1 : 0));
        programSettings->LoadParameters();
    }

    void addPerson(const QString& hospNum, const QString& last, const QString& first, const QString& middle)
    {
        run(QStringLiteral("INSERT INTO PATIENT_DATA..tbmaster (HOSPNUM, Lastname, Firstname, Middlename, HouseStreet, Barangay, Town, Province) "
                           "VALUES (%1, %2, %3, %4, '12 RIZAL ST.', 'SAN JOSE', 'ANGELES CITY', 'PAMPANGA')")
                .arg(q(hospNum), q(last), q(first), q(middle)));
    }

    struct Stay {
        QDateTime admitted;
        QDateTime discharged;
        QDateTime billed;
        QString room = QStringLiteral("201");
        QString account; // "" for the patient's own
        bool cashBasis = false;
        QString precaution = QStringLiteral("1");
    };

    void addAdmission(const QString& idNum, const QString& hospNum, const Stay& s)
    {
        run(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNUM, HospNum, AdmDate, DCRDATE, BillingDate, RoomID, RoomRate, "
                           "ACCOUNTNUM, AttendingDr1, PrecautionID) VALUES (%1, %2, %3, %4, %5, %6, 900, %7, NULL, %8)")
                .arg(q(idNum), q(hospNum), stamp(s.admitted), stamp(s.discharged), stamp(s.billed), q(s.room),
                     s.account.isEmpty() ? QStringLiteral("NULL") : q(s.account), q(s.precaution)));
        run(QStringLiteral("INSERT INTO PATIENT_DATA..tbpatient2 (IDNum, CashBasis) VALUES (%1, %2)").arg(q(idNum)).arg(s.cashBasis ? 1 : 0));
    }

    // An out-patient visit, or an emergency visit when erNum is given.
    void addVisit(const QString& idNum, const QString& hospNum, const QDateTime& admitted, const QString& erNum = QString(),
                  const QString& status = QString(), const QString& account = QString())
    {
        run(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatient (IDNUM, HospNum, ERNum, ACCOUNTNUM, OPDStatus, AdmDate, "
                           "StationID, PrecautionID, RECORDSTATUS) VALUES (%1, %2, %3, %4, %5, %6, %7, '1', %5)")
                .arg(q(idNum), q(hospNum), erNum.isEmpty() ? QStringLiteral("NULL") : q(erNum),
                     account.isEmpty() ? QStringLiteral("NULL") : q(account), q(status), stamp(admitted),
                     q(erNum.isEmpty() ? QStringLiteral("OPD") : QStringLiteral("ER"))));
    }

    // The admission numbers listed, in order (the blank row of an empty list gives none).
    static QStringList listed(const patients::PatientGrid* grid)
    {
        QStringList out;
        const patients::PatientListModel* model = grid->listModel();
        for (int row = 0; row < model->recordCount(); ++row)
            out << model->text(row, patients::PatientListModel::AdmissionNumber);
        return out;
    }

    static int rowOf(const patients::PatientGrid* grid, const QString& idNum)
    {
        const patients::PatientListModel* model = grid->listModel();
        for (int row = 0; row < model->recordCount(); ++row)
            if (model->text(row, patients::PatientListModel::AdmissionNumber) == idNum)
                return row;
        return -1;
    }

    // Clicks the row as the user would, on its name cell.
    static void clickRow(patients::PatientGrid* grid, int row)
    {
        grid->scrollTo(grid->listModel()->index(row, patients::PatientListModel::PatientName));
        const QRect cell = grid->visualRect(grid->listModel()->index(row, patients::PatientListModel::PatientName));
        mouseClick(grid->viewport(), cell.center());
    }

    QDateTime now;
};

} // namespace test
