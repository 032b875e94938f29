#include "components/frmLogin.h"

#include "shell/Prompts.h"
#include "shell/StationLook.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace components {

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmLogin::frmLogin(const ConnectionChoice& initial, Attempt attempt, QWidget* parent, LogInThrottle::Clock clock)
    : QDialog(parent), attempt_(std::move(attempt)), throttle_(std::move(clock))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Log In"));
    setModal(true);

    auto* title = new QLabel(QStringLiteral("Operating Room Station"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* subtitle = new QLabel(QStringLiteral("Log in with your hospital user ID and password."));
    subtitle->setStyleSheet(QStringLiteral("color: palette(dark);"));

    txtUserID = named(new QLineEdit, "txtUserID");
    txtUserID->setMaxLength(20);
    txtUserID->setMinimumWidth(300);
    txtPassword = named(new QLineEdit, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    auto* account = new QFormLayout;
    account->addRow(QStringLiteral("&User ID"), txtUserID);
    account->addRow(QStringLiteral("&Password"), txtPassword);

    optEmbedded = named(new QRadioButton(QStringLiteral("&Embedded database")), "optEmbedded");
    optSqlServer = named(new QRadioButton(QStringLiteral("SQL &Server")), "optSqlServer");
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optEmbedded);
    kinds->addWidget(optSqlServer);
    kinds->addStretch();

    txtDatabaseFile = named(new QLineEdit, "txtDatabaseFile");
    txtDatabaseFile->setMinimumWidth(300);
    cmdBrowse = named(new QPushButton(QStringLiteral("&Browse...")), "cmdBrowse");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtDatabaseFile, 1);
    fileRow->addWidget(cmdBrowse);
    embeddedPage_ = new QWidget;
    auto* embeddedForm = new QFormLayout(embeddedPage_);
    embeddedForm->setContentsMargins(0, 0, 0, 0);
    embeddedForm->addRow(QStringLiteral("File"), fileRow);

    txtServer = named(new QLineEdit, "txtServer");
    txtServer->setPlaceholderText(QStringLiteral("host name or address"));
    spnPort = named(new QSpinBox, "spnPort");
    spnPort->setRange(0, 65535);
    spnPort->setSpecialValueText(QStringLiteral("driver's default"));
    txtDatabase = named(new QLineEdit, "txtDatabase");
    txtDatabase->setPlaceholderText(QStringLiteral("the log-in's default"));
    cboDriver = named(new QComboBox, "cboDriver");
    cboDriver->addItem(QStringLiteral("FreeTDS"), static_cast<int>(db::ServerLogin::Driver::FreeTds));
    cboDriver->addItem(QStringLiteral("ODBC Driver 17 for SQL Server"), static_cast<int>(db::ServerLogin::Driver::VendorOdbc17));
    cboDriver->addItem(QStringLiteral("ODBC Driver 18 for SQL Server"), static_cast<int>(db::ServerLogin::Driver::VendorOdbc18));
    txtServerUser = named(new QLineEdit, "txtServerUser");
    txtServerPassword = named(new QLineEdit, "txtServerPassword");
    txtServerPassword->setEchoMode(QLineEdit::Password);
    serverPage_ = new QWidget;
    auto* serverForm = new QFormLayout(serverPage_);
    serverForm->setContentsMargins(0, 0, 0, 0);
    serverForm->addRow(QStringLiteral("Server"), txtServer);
    serverForm->addRow(QStringLiteral("Port"), spnPort);
    serverForm->addRow(QStringLiteral("Database"), txtDatabase);
    serverForm->addRow(QStringLiteral("Driver"), cboDriver);
    serverForm->addRow(QStringLiteral("Log-in"), txtServerUser);
    serverForm->addRow(QStringLiteral("Log-in password"), txtServerPassword);

    // Only the fields of the chosen kind are shown, so the dialog stays compact.
    auto* connectionBox = named(new QGroupBox(QStringLiteral("Database")), "grpConnection");
    auto* connectionLayout = new QVBoxLayout(connectionBox);
    connectionLayout->addLayout(kinds);
    connectionLayout->addWidget(embeddedPage_);
    connectionLayout->addWidget(serverPage_);

    lblMessage = named(new QLabel, "lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet(QStringLiteral("color: #b3261e; font-weight: 600;"));
    lblMessage->hide();

    cmdOK = named(new QPushButton(QStringLiteral("Log In")), "cmdOK");
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), "cmdCancel");
    QHBoxLayout* buttons = shell::StationLook::ButtonRow({cmdOK, cmdCancel});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(shell::StationLook::Medium);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addLayout(account);
    layout->addWidget(connectionBox);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);

    // The workstation's last choice.
    (initial.kind == ConnectionChoice::Kind::SqlServer ? optSqlServer : optEmbedded)->setChecked(true);
    txtDatabaseFile->setText(initial.databaseFile);
    txtServer->setText(initial.server.server);
    spnPort->setValue(initial.server.port);
    txtDatabase->setText(initial.server.database);
    cboDriver->setCurrentIndex(qMax(0, cboDriver->findData(static_cast<int>(initial.server.driver))));
    txtServerUser->setText(initial.server.user);
    showConnectionKind();

    tmrWait = new QTimer(this);
    tmrWait->setObjectName(QStringLiteral("tmrWait"));
    tmrWait->setInterval(1000);
    connect(tmrWait, &QTimer::timeout, this, &frmLogin::tmrWait_Timer);

    connect(optEmbedded, &QRadioButton::toggled, this, [this] { showConnectionKind(); });
    connect(txtUserID, &QLineEdit::returnPressed, txtPassword, qOverload<>(&QWidget::setFocus));
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmLogin::cmdBrowse_Click);
    txtUserID->setFocus();
}

ConnectionChoice frmLogin::choice() const
{
    ConnectionChoice choice;
    choice.kind = optSqlServer->isChecked() ? ConnectionChoice::Kind::SqlServer : ConnectionChoice::Kind::Embedded;
    choice.databaseFile = txtDatabaseFile->text().trimmed();
    choice.server.server = txtServer->text().trimmed();
    choice.server.port = spnPort->value();
    choice.server.database = txtDatabase->text().trimmed();
    choice.server.driver = static_cast<db::ServerLogin::Driver>(cboDriver->currentData().toInt());
    choice.server.user = txtServerUser->text().trimmed();
    choice.server.password = txtServerPassword->text();
    return choice;
}

void frmLogin::showConnectionKind()
{
    const bool server = optSqlServer->isChecked();
    embeddedPage_->setVisible(!server);
    serverPage_->setVisible(server);
    adjustSize();
}

void frmLogin::showMessage(const QString& text)
{
    lblMessage->setText(text);
    lblMessage->setVisible(!text.isEmpty());
}

QString frmLogin::WaitText(int seconds)
{
    return QStringLiteral("Too many failed log-ins. Please wait %1 seconds before trying again.").arg(seconds);
}

void frmLogin::cmdOK_Click()
{
    if (throttle_.secondsToWait() > 0) {
        tmrWait_Timer();
        return;
    }
    showMessage(QString());
    Outcome outcome;
    {
        // Opening a server can take the log-in timeout; show that work is going on.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        setEnabled(false);
        outcome = attempt_(choice(), txtUserID->text(), txtPassword->text());
        setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    if (outcome.refusal.isEmpty()) {
        throttle_.succeeded();
        accept();
        return;
    }
    txtPassword->clear();
    (txtUserID->text().trimmed().isEmpty() ? txtUserID : txtPassword)->setFocus();
    if (outcome.failedLogIn) {
        throttle_.failed();
        if (throttle_.secondsToWait() > 0) {
            // The refusal stays readable above the count-down.
            showMessage(outcome.refusal + QLatin1Char('\n') + WaitText(throttle_.secondsToWait()));
            cmdOK->setEnabled(false);
            tmrWait->start();
            return;
        }
    }
    showMessage(outcome.refusal);
}

void frmLogin::tmrWait_Timer()
{
    const int seconds = throttle_.secondsToWait();
    if (seconds > 0) {
        cmdOK->setEnabled(false);
        showMessage(WaitText(seconds));
        if (!tmrWait->isActive())
            tmrWait->start();
        return;
    }
    tmrWait->stop();
    cmdOK->setEnabled(true);
    showMessage(QString());
    txtPassword->setFocus();
}

void frmLogin::cmdCancel_Click()
{
    reject();
}

void frmLogin::cmdBrowse_Click()
{
    const QString path = shell::Prompts::current().chooseFile(QStringLiteral("Embedded database"),
                                                              QStringLiteral("Database files (*.db);;All files (*)"), false);
    if (!path.isEmpty())
        txtDatabaseFile->setText(path);
}

} // namespace components
