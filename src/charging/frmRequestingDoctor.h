#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace charging {

// Who asked for the charges: the doctor's code (typed or found with the code
// search) and name. Leaving it empty posts without a requesting doctor.
class frmRequestingDoctor : public QDialog {
    Q_OBJECT
public:
    explicit frmRequestingDoctor(QWidget* parent = nullptr);

    void txtDoctorCode_Enter();
    void cmdSearch_Click();
    void cmdOK_Click();

    QString DoctorCode, DoctorName;

    QLineEdit* txtDoctorCode;
    QLabel* lblDoctorName;
    QPushButton *cmdSearch, *cmdOK, *cmdCancel;

private:
    bool lookUp(const QString& text, bool withList);
};

} // namespace charging
