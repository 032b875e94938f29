#pragma once

#include <QVariantList>
#include <QWidget>
#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace shell {

// What the nurse-log report is run with.
struct UserLogsReport {
    QString file;  // under the program folder
    QString title;
    // Company, address, start date, end date, then the transaction code and
    // "" (by transaction) or "V" and the employee code (by user).
    QVariantList parameters;
};

// The log of what the station's users did, by kind of transaction or by user.
class frmUserLogs : public QWidget {
    Q_OBJECT
public:
    explicit frmUserLogs(QWidget* parent = nullptr);

    // The log code of a transaction caption (any case); "" for none.
    static QString TransactionCode(const QString& caption);

    // Checks the choices and gives the report to run; empty (after telling
    // the user what is missing) when a choice is missing.
    std::optional<UserLogsReport> prepareReport();

    QPushButton* lblSearch;   // by transaction
    QPushButton* lblViewUser; // by user
    QComboBox* cboTransactions;
    QDateEdit* dtpStartDate;
    QDateEdit* dtpEndDate;
    QLineEdit* txtEmployee;
    QPushButton* cmdSelectUser;
    QDateEdit* dtpStartUser;
    QDateEdit* dtpEndUser;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

signals:
    // The report is ready to be printed by the report engine.
    void reportRequested(const shell::UserLogsReport& report);

private:
    void lblSearch_Click();
    void lblViewUser_Click();
    void cmdSelectUser_Click();
    void cmdPrint_Click();
    bool byUser() const;

    QStackedWidget* pages_;
    QLabel* lblEmployeeName;
};

} // namespace shell
