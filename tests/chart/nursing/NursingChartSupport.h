#pragma once

// What the tests of the chart's nursing pages share: a demo stay opened as
// the chart opens it, the signature in the validation dialog, and a few
// read-backs of the database.
#include "app_support/AppFixture.h"
#include "chart/ChartPanel.h"
#include "shell/Globals.h"
#include "shell/fields/ColumnLength.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace test {

class NursingChartFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        shell::ForgetColumnLengths();
        loadSettings();
    }

    // The stay as the chart passes it to its pages.
    chart::ChartPatient stay(const QString& idNum)
    {
        db::Recordset rs = conn().open(QStringLiteral("SELECT P.IDNUM, P.HospNum, P.RoomID, M.Lastname + ', ' + M.Firstname AS PName "
                                                      "FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M "
                                                      "ON M.HospNum = P.HospNum WHERE P.IDNUM = '") + idNum + QStringLiteral("'"));
        EXPECT_FALSE(rs.eof()) << qPrintable(idNum);
        chart::ChartPatient patient;
        patient.idNum = rs.text(QStringLiteral("IDNUM"));
        patient.hospNum = rs.text(QStringLiteral("HospNum"));
        patient.roomId = rs.text(QStringLiteral("RoomID"));
        patient.name = rs.text(QStringLiteral("PName"));
        return patient;
    }

    QString scalar(const QString& sql)
    {
        db::Recordset rs = conn().open(sql);
        return rs.eof() ? QString() : rs.field(0).text();
    }
    int count(const QString& sql) { return scalar(sql).toInt(); }

    void signAs(const QString& user = QStringLiteral("NURSE1"), const QString& password = QStringLiteral("nurse1"))
    {
        prompts.onDialog([=](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("txtUserID"))->setText(user);
            d.findChild<QLineEdit*>(QStringLiteral("txtAccessCode"))->setText(password);
            d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
    }
    void leaveUnsigned()
    {
        prompts.onDialog([](QDialog& d) { d.reject(); });
    }

    void setSetting(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = '%1'").arg(field));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('%1', '%2')").arg(field, value));
        loadSettings().LoadParameters();
    }

    // Station-log rows of the stay whose remarks start with `lead`.
    int logRows(const QString& idNum, const QString& lead)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = '%1' AND Remarks LIKE '%2%'")
                         .arg(idNum, lead));
    }
};

} // namespace test
