#include "shell/frmUserLogs.h"

#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/frmUser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace shell {

namespace {

struct LoggedTransaction {
    const char* caption;
    const char* code;
};

const LoggedTransaction kTransactions[] = {
    {"CANCEL REQUEST", "A"},
    {"CHANGE DIET", "B"},
    {"CHANGE HEIGHT AND WEIGHT", "C"},
    {"EDIT PATIENT PROFILE", "D"},
    {"REVOKE DISCHARGE ORDER", "E"},
    {"SEND REQUEST", "F"},
    {"BUILD FILE OR ROOM", "I"},
    {"CLINICAL OPERATION", "J"},
    {"OR SCHEDULE OPERATION", "K"},
};

QDateEdit* dateBox(const char* name, QWidget* parent)
{
    auto* box = new QDateEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setCalendarPopup(true);
    box->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    box->setDate(app::ServerDate.isValid() ? app::ServerDate.date() : QDate::currentDate());
    return box;
}

QPushButton* modeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setMinimumHeight(30);
    return button;
}

} // namespace

frmUserLogs::frmUserLogs(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmUserLogs"));
    setWindowTitle(QStringLiteral("User Logs"));
    resize(460, 250);

    lblSearch = modeButton("lblSearch", QStringLiteral("By Transaction"), this);
    lblViewUser = modeButton("lblViewUser", QStringLiteral("By User"), this);
    auto* modes = new QButtonGroup(this);
    modes->setExclusive(true);
    modes->addButton(lblSearch);
    modes->addButton(lblViewUser);
    auto* modeBar = new QHBoxLayout;
    modeBar->setSpacing(0);
    modeBar->addWidget(lblSearch);
    modeBar->addWidget(lblViewUser);

    // By transaction.
    auto* transactionPage = new QWidget(this);
    cboTransactions = new QComboBox(transactionPage);
    cboTransactions->setObjectName(QStringLiteral("cboTransactions"));
    for (const LoggedTransaction& t : kTransactions)
        cboTransactions->addItem(QString::fromLatin1(t.caption));
    cboTransactions->setPlaceholderText(QStringLiteral("Select a transaction"));
    cboTransactions->setCurrentIndex(-1);
    dtpStartDate = dateBox("dtpStartDate", transactionPage);
    dtpEndDate = dateBox("dtpEndDate", transactionPage);
    auto* transactionForm = new QFormLayout(transactionPage);
    transactionForm->setContentsMargins(0, 0, 0, 0);
    transactionForm->setVerticalSpacing(10);
    transactionForm->addRow(QStringLiteral("Transaction:"), cboTransactions);
    transactionForm->addRow(QStringLiteral("From:"), dtpStartDate);
    transactionForm->addRow(QStringLiteral("To:"), dtpEndDate);

    // By user.
    auto* userPage = new QWidget(this);
    txtEmployee = new QLineEdit(userPage);
    txtEmployee->setObjectName(QStringLiteral("txtEmployee"));
    txtEmployee->setReadOnly(true);
    txtEmployee->setPlaceholderText(QStringLiteral("Employee code"));
    cmdSelectUser = new QPushButton(QStringLiteral("&Find..."), userPage);
    cmdSelectUser->setObjectName(QStringLiteral("cmdSelectUser"));
    cmdSelectUser->setAutoDefault(false);
    lblEmployeeName = new QLabel(userPage);
    lblEmployeeName->setObjectName(QStringLiteral("lblEmployeeName"));
    auto* employeeRow = new QHBoxLayout;
    employeeRow->addWidget(txtEmployee, 1);
    employeeRow->addWidget(cmdSelectUser);
    dtpStartUser = dateBox("dtpStartUser", userPage);
    dtpEndUser = dateBox("dtpEndUser", userPage);
    auto* userForm = new QFormLayout(userPage);
    userForm->setContentsMargins(0, 0, 0, 0);
    userForm->setVerticalSpacing(10);
    userForm->addRow(QStringLiteral("Employee:"), employeeRow);
    userForm->addRow(QString(), lblEmployeeName);
    userForm->addRow(QStringLiteral("From:"), dtpStartUser);
    userForm->addRow(QStringLiteral("To:"), dtpEndUser);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(transactionPage);
    pages_->addWidget(userPage);

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(14);
    layout->addLayout(modeBar);
    layout->addWidget(pages_);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(lblSearch, &QPushButton::clicked, this, &frmUserLogs::lblSearch_Click);
    connect(lblViewUser, &QPushButton::clicked, this, &frmUserLogs::lblViewUser_Click);
    connect(cmdSelectUser, &QPushButton::clicked, this, &frmUserLogs::cmdSelectUser_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmUserLogs::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    lblSearch->setChecked(true);
}

QString frmUserLogs::TransactionCode(const QString& caption)
{
    const QString wanted = caption.toUpper();
    for (const LoggedTransaction& t : kTransactions)
        if (wanted == QLatin1String(t.caption))
            return QString::fromLatin1(t.code);
    return QString();
}

bool frmUserLogs::byUser() const
{
    return pages_->currentIndex() == 1;
}

void frmUserLogs::lblSearch_Click()
{
    lblSearch->setChecked(true);
    pages_->setCurrentIndex(0);
}

void frmUserLogs::lblViewUser_Click()
{
    lblViewUser->setChecked(true);
    pages_->setCurrentIndex(1);
}

void frmUserLogs::cmdSelectUser_Click()
{
    frmUser picker(this);
    if (Prompts::current().exec(picker) != QDialog::Accepted)
        return;
    txtEmployee->setText(picker.employeeCode());
    lblEmployeeName->setText(picker.employeeName());
}

std::optional<UserLogsReport> frmUserLogs::prepareReport()
{
    UserLogsReport report{QStringLiteral("\\Reports\\NurseLogs.RPT"), QStringLiteral("Nurse Log"),
                          {app::Hospital().Company, app::Hospital().Address1}};
    if (byUser()) {
        const QString employee = txtEmployee->text().trimmed();
        if (employee.isEmpty()) {
            Notify(QStringLiteral("Please select employee."));
            return std::nullopt;
        }
        report.parameters << dtpStartUser->date() << dtpEndUser->date() << QStringLiteral("V") << employee;
        return report;
    }
    const QString code = TransactionCode(cboTransactions->currentText());
    if (code.isEmpty()) {
        Notify(QStringLiteral("Please select transaction type."));
        return std::nullopt;
    }
    report.parameters << dtpStartDate->date() << dtpEndDate->date() << code << QString();
    return report;
}

void frmUserLogs::cmdPrint_Click()
{
    if (const std::optional<UserLogsReport> report = prepareReport())
        emit reportRequested(*report);
}

} // namespace shell
