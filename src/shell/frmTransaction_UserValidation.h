#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace shell {

// Signs a transaction: the person doing it types a user ID and password of
// the operating-room department, and in cancellation mode the reason. The
// result is left in app::ValidatedUserID, ValidatedUserName and
// ValidationRemarks for the calling window to read.
class frmTransaction_UserValidation : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int PostOrCancel READ PostOrCancel WRITE setPostOrCancel)
public:
    // Window heights in twips, as laid out for the two modes.
    static constexpr int CancellationHeightTwips = 4155;
    static constexpr int PostingHeightTwips = 2505;
    static constexpr int TwipsPerPixel = 15;

    explicit frmTransaction_UserValidation(QWidget* parent = nullptr);

    // 1 = cancellation mode (the reason is asked too); anything else posts.
    int PostOrCancel() const { return postOrCancel_; }
    void setPostOrCancel(int mode) { postOrCancel_ = mode; }

    QLineEdit* txtUserID;
    QLineEdit* txtAccessCode;
    QPlainTextEdit* txtRemarks;
    QPushButton* cmdOk;
    QPushButton* Command1;

    // Escape, or closing the window, leaves no validated user.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOk_Click();
    void Command1_Click();
    bool isCancellation() const { return postOrCancel_ == 1; }

    int postOrCancel_ = 0;
    bool loaded_ = false;
    QWidget* fraRemarks;
};

} // namespace shell
