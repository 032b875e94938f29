#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace shell {

// A supervisor signs off an action (price edits, revocations). The result is
// left in app::SupervisorID, with app::ValidationRemarks = "Allowed " when
// the supervisor was accepted.
class frmSupervisorAccessCode : public QDialog {
    Q_OBJECT
public:
    explicit frmSupervisorAccessCode(QWidget* parent = nullptr);

    QLineEdit* txtUserID;
    QLineEdit* txtAccessCode;
    QPlainTextEdit* txtRemarks;
    QPushButton* Command1;
    QPushButton* cmdOption[2]; // 0 accepts, 1 cancels

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOption_Click(int index);
    void acceptSupervisor();
    void Command1_Click();

    bool loaded_ = false;
};

} // namespace shell
