#pragma once

#include "app_support/AppFixture.h"

#include "chart/ChartPanel.h"
#include "chart/requests/OrderRow.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace test {

// An open admission of the demo hospital that every request check lets
// through: not billed, not cleared, no discharge notice, no cash basis, a
// credit line far above its bill; NURSE1 may request (1) and revoke (2).
class RequestsFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        connectComponents();
        loadSettings();
        const db::Recordset rs = conn().open(QStringLiteral(
            "SELECT TOP 1 P.IDNUM, P.HospNum, M.Lastname + ', ' + M.Firstname AS Name, P.RoomID FROM PATIENT_DATA..tbPatient P "
            "JOIN PATIENT_DATA..tbmaster M ON M.HospNum = P.HospNum WHERE P.DCRDATE IS NULL AND P.BillingDate IS NULL "
            "AND P.RoomID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM STATION..TBNURSEDISCHARGENOTICE N WHERE N.IDNUM = P.IDNUM) "
            "AND NOT EXISTS (SELECT 1 FROM STATION..tbNurseDepartmentClearance C WHERE C.IdNum = P.IDNUM) ORDER BY P.IDNUM"));
        ASSERT_FALSE(rs.eof());
        patient.idNum = rs.text(QStringLiteral("IDNUM")).trimmed();
        patient.hospNum = rs.text(QStringLiteral("HospNum")).trimmed();
        patient.name = rs.text(QStringLiteral("Name")).trimmed();
        patient.roomId = rs.text(QStringLiteral("RoomID")).trimmed();
        patient.roomClassId = QStringLiteral("A");
        patient.admittingDiagnosis = QStringLiteral("ACUTE APPENDICITIS");
        app::IdNum = patient.idNum;
        app::HospNum = patient.hospNum;
        app::PatientType = QStringLiteral("I");
        app::PatientName = patient.name;
        if (count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbpatient2 WHERE IDNum = ") + q(patient.idNum)) == 0)
            exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbpatient2 (IDNum) VALUES (%1)").arg(q(patient.idNum)));
        exec(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 0, CreditLine = 10000000 WHERE IDNum = ") + q(patient.idNum));
        // Prices at the first rate class, as the tests write them.
        exec(QStringLiteral("UPDATE BUILD_FILE..tbCoRoom SET RoomClassID = 'A' WHERE RoomID = ") + q(patient.roomId));
        reports::SetProgramFolder(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../..")));
        exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|2|10|' WHERE EmployeeID = 'NURSE1'"));
        app::Hospital() = settings::HospitalInfo{};
        app::Nursing() = settings::NursingSettings{};
    }

    static QString q(const QString& text) { return db::Quote(text); }
    void exec(const QString& sql) { conn().execute(sql); }
    QString scalar(const QString& sql)
    {
        const db::Recordset rs = conn().open(sql);
        return rs.eof() ? QString() : rs.field(0).text().trimmed();
    }
    int count(const QString& sql) { return scalar(sql).toInt(); }
    db::Decimal money(const QString& sql)
    {
        const db::Recordset rs = conn().open(sql);
        return rs.eof() ? db::Decimal() : rs.field(0).toMoney();
    }

    void setting(const QString& field, const QString& value)
    {
        exec(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ") + q(field));
        exec(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES (%1, %2)").arg(q(field), q(value)));
        programSettings->LoadParameters();
    }

    // The next validation dialog is signed by the user.
    void signAs(const QString& user = QStringLiteral("NURSE1"), const QString& password = QStringLiteral("nurse1"))
    {
        prompts.onDialog([=](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(user);
            d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(password);
            d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
    }

    // A row as the entry windows make it.
    static chart::requests::OrderRow row(const QString& department, const QString& code, const QString& name, const char* amount,
                                         const QString& stat = QStringLiteral("N"))
    {
        chart::requests::OrderRow r;
        r.department = department;
        r.code = code;
        r.description = name;
        r.amount = *db::Decimal::parse(QString::fromLatin1(amount));
        r.unitPrice = r.amount;
        r.stat = stat;
        r.doctorId = QStringLiteral("D001");
        if (department == QLatin1String("LB"))
            r.specimen = QStringLiteral("BLD");
        return r;
    }

    // A sent request of the patient, written as a department left it.
    QString sentRequest(const QString& department, const QString& item, const QString& status, const QString& station)
    {
        const QString number = QStringLiteral("T") + QString::number(++sent_);
        exec(QStringLiteral("INSERT INTO STATION..tbNurseCommunicationFile (RequestNum, IDNum, RevenueID, ItemID, Description, Quantity, "
                            "Amount, RequestDate, UserID, StationID, RecordStatus, ProcessBy, ProcessDate, RevokeBy, RevokeDate) "
                            "VALUES (%1, %2, %3, %4, %4, 1, 100, '2026-01-02 08:00:00', 'NURSE1', %5, %6, %7, %8, %9, %10)")
                 .arg(q(number), q(patient.idNum), q(department), q(item), q(station), q(status),
                      status == QLatin1String("X") ? QStringLiteral("'LABTECH'") : QStringLiteral("NULL"),
                      status == QLatin1String("X") ? QStringLiteral("'2026-01-02 10:30:00'") : QStringLiteral("NULL"),
                      status == QLatin1String("R") ? QStringLiteral("'NURSE2'") : QStringLiteral("NULL"))
                 .arg(status == QLatin1String("R") ? QStringLiteral("'2026-01-02 09:15:00'") : QStringLiteral("NULL")));
        exec(QStringLiteral("INSERT INTO STATION..tbNurseLogBook (RequestNum, IDNUM, RevenueID, ITEMID, Amount, RECORDSTATUS) "
                            "VALUES (%1, %2, %3, %4, 100, %5)")
                 .arg(q(number), q(patient.idNum), q(department), q(item), q(status)));
        return number;
    }

    chart::ChartPatient patient;

private:
    int sent_ = 0;
};

} // namespace test
