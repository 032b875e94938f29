#pragma once

#include "chart/ChartPanel.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace chart::labheart {

// Prints the patient's laboratory values over a period: the tabular form
// or one of the two historical forms, for every exam or one exam chosen
// from the laboratory's exam list.
class frmSelectLabExam : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectLabExam(QWidget* parent = nullptr);

    // The heading of the printed forms.
    QString HospNo;
    QString PName;
    QString Sex;
    QString Age;
    QString Doctor;
    QString BloodType;
    QString StartDate; // "mm/dd/yyyy"
    QString EndDate;

    // Fills the members from the chart's patient and the stay: sex, age,
    // attending doctor, blood type, and the stay's first and last day.
    void setPatient(const ChartPatient& patient);

    QRadioButton* optAllExams;
    QRadioButton* optOneExam;
    QLineEdit* txtExamCode;
    QLabel* lblExamName;
    QPushButton* cmdSearchExam;
    QRadioButton* optTabular;
    QRadioButton* optHistorical1;
    QRadioButton* optHistorical2;
    QDateEdit* dtpStartDate;
    QDateEdit* dtpEndDate;
    QPushButton* cmdPrint;
    QPushButton* cmdCancel;

    void cmdSearchExam_Click();
    void cmdPrint_Click();

    // The report file the chosen form prints with.
    QString chosenReport() const;
};

} // namespace chart::labheart
