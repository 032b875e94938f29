#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace components {

// Asks the logged-in user to type the password again before a sensitive window opens.
class frmConfirmPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmConfirmPassword(const QString& userId, QWidget* parent = nullptr);

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace components
