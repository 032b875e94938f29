#pragma once

#include "chart/ChartPanel.h"

#include <QDateTime>
#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace chart::requests {

// A laboratory request form printed again from the stored requests: the
// nurse ticks the exams, signs, and the form rows are rebuilt from the
// requests (never changing them) and printed. The two windows differ only in
// where the list comes from, its columns and the report file.
class LabFormReprint : public QDialog {
    Q_OBJECT
public:
    // Fills the list; false (after telling the nurse) when it could not be read.
    bool Form_Load();
    // Ticks or clears a row of the list.
    void setTicked(int row, bool ticked);
    // Prints the ticked exams; false when nothing was printed.
    bool cmdPrint_Click();

    QString PxName;
    QString SetIDNum;
    QLabel* lblCaption;
    QTableWidget* mshflexLabList;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

protected:
    struct Variant {
        const char* objectName;
        QStringList headers;
        QString listProcedure; // called with the patient
        QStringList fields;    // the procedure's fields shown, column by column after the tick
        QString report;
    };
    LabFormReprint(const ChartPatient& patient, Variant variant, QWidget* parent);

private:
    ChartPatient patient_;
    Variant variant_;
    struct Listed {
        QString section, code, specimen, stat, requestNum, transplant, dialysis;
        QDateTime requested;
    };
    std::vector<Listed> listed_;
};

class frmReprintLabForm : public LabFormReprint {
    Q_OBJECT
public:
    explicit frmReprintLabForm(const ChartPatient& patient, QWidget* parent = nullptr);
};

// The site variant: the charged exams, with their slips and both nurses.
class frmReprintLabFormQORV : public LabFormReprint {
    Q_OBJECT
public:
    explicit frmReprintLabFormQORV(const ChartPatient& patient, QWidget* parent = nullptr);
};

} // namespace chart::requests
