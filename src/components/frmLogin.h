#pragma once

#include "components/ConnectionChoice.h"
#include "components/LogInThrottle.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace components {

// The log-in dialog: who is logging in, and which database to work on.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    // What one try came to: no refusal when the user is logged in; else the
    // text to show, and whether the account itself was refused (a failed
    // log-in, which counts towards the wait) rather than, say, the database
    // being out of reach.
    struct Outcome {
        QString refusal;
        bool failedLogIn = false;
    };
    using Attempt = std::function<Outcome(const ConnectionChoice&, const QString& userId, const QString& password)>;

    // clock: the throttle's clock (tests); the steady clock when empty.
    frmLogin(const ConnectionChoice& initial, Attempt attempt, QWidget* parent = nullptr, LogInThrottle::Clock clock = {});

    // The text shown while the dialog makes the user wait.
    static QString WaitText(int seconds);

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
    // Counts down the wait after too many failed log-ins, once a second.
    QTimer* tmrWait;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();
    // Shows the seconds left and lets the user try again when the wait is over.
    void tmrWait_Timer();

private:
    void showConnectionKind();
    void showMessage(const QString& text);

    Attempt attempt_;
    LogInThrottle throttle_;
    QWidget* embeddedPage_;
    QWidget* serverPage_;
};

} // namespace components
