#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace shell {

class UserSearchPanel;

// Picks an operating-room user.
class frmUser : public QDialog {
    Q_OBJECT
public:
    explicit frmUser(QWidget* parent = nullptr);

    // The user picked; "" until one is.
    QString employeeCode() const { return employeeCode_; }
    QString employeeName() const { return employeeName_; }

    UserSearchPanel* searchPanel;
    QTableWidget* grdUsers; // the panel's grid
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

private:
    void cmdOk_Click();

    QString employeeCode_;
    QString employeeName_;
};

} // namespace shell
