#pragma once

#include "chart/requests/OrderRow.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace chart::requests {

// The details of one exam before it joins the orders list: STAT or routine
// (preset from the exam and the server's clock), remarks, reason, specimen,
// requesting doctor, the physical therapist's physiatrist and, where the
// station asks for them, the schedule and the laboratory's patient classes.
// Enter writes the details into `row`; nothing is stored on the server.
class frmRemarks : public QDialog {
    Q_OBJECT
public:
    explicit frmRemarks(QWidget* parent = nullptr);

    QString ExamID;
    QString DeptID;
    QString IdNum;
    // The row being detailed: filled by the caller, completed by cmdEnter.
    OrderRow row;

    // Sets the dialog up for ExamID and DeptID: labels, specimens, the STAT
    // preset. False (after telling the nurse) when a read failed.
    bool Form_Load();
    // The STAT preset of the exam at the server's clock.
    void DefaultStatOption();
    void cmdEnter_Click();

    std::array<QRadioButton*, 2> optStat{}; // 0 routine, 1 STAT
    QCheckBox* chkAMPickUp;
    QLabel* lblDepartment;
    QLabel* lblExam;
    QLineEdit* txtRemarks;
    QLineEdit* txtReason;
    QLineEdit* txtRequestingDoctor;
    QLabel* lblDoctorName;
    QGroupBox* fraPhysiatrist;
    QLineEdit* txtPhysiatrist;
    QLabel* lblSpecimens;
    QListWidget* lstSpecimen;
    QCheckBox* chkPortable;
    QLabel* lblDateSched;
    QDateTimeEdit* dtpDateSched;
    QComboBox* cboTransplant;
    QComboBox* cboDialysis;
    QCheckBox* chkToInclude;
    QPushButton* cmdEnter;
    QPushButton* cmdCancel;

private:
    QFormLayout* form_ = nullptr;
    void chkAMPickUp_Click();
    // The doctor of a code as "LAST, First"; "" when there is no such doctor.
    static QString doctorName(const QString& code);
    bool laboratory() const;
    bool requiresReason() const;
    bool siteIs(const char* site) const;
};

} // namespace chart::requests
