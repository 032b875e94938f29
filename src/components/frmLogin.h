#pragma once

#include "components/ConnectionChoice.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace components {

// The log-in dialog: who is logging in, and which database to work on.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    // One try: "" when the user is logged in, else the text to show.
    using Attempt = std::function<QString(const ConnectionChoice&, const QString& userId, const QString& password)>;

    frmLogin(const ConnectionChoice& initial, Attempt attempt, QWidget* parent = nullptr);

    // The connection as the dialog holds it now (with the typed server password).
    ConnectionChoice choice() const;

    QLineEdit* txtUserID;
    QLineEdit* txtPassword;
    QRadioButton* optEmbedded;
    QRadioButton* optSqlServer;
    QLineEdit* txtDatabaseFile;
    QPushButton* cmdBrowse;
    QLineEdit* txtServer;
    QSpinBox* spnPort;
    QLineEdit* txtDatabase;
    QComboBox* cboDriver;
    QLineEdit* txtServerUser;
    QLineEdit* txtServerPassword;
    QLabel* lblMessage;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();

private:
    void showConnectionKind();
    void showMessage(const QString& text);

    Attempt attempt_;
    QWidget* embeddedPage_;
    QWidget* serverPage_;
};

} // namespace components
