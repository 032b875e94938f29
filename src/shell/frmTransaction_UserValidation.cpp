#include "shell/frmTransaction_UserValidation.h"

#include "shell/StationLook.h"
#include "settings/HospitalInfo.h"
#include "shell/DepartmentAccess.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/frmCMRemarks.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

// The reason typed, its line breaks dropped: what is left must be real text.
QString reasonWithoutLineBreaks(const QString& remarks)
{
    QString reason = remarks;
    reason.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return reason.trimmed();
}

// The reason as it is stored: one line.
QString reasonOnOneLine(const QString& remarks)
{
    QString reason = remarks;
    reason.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return reason.trimmed();
}

} // namespace

frmTransaction_UserValidation::frmTransaction_UserValidation(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTransaction_UserValidation"));
    setWindowTitle(QStringLiteral("User Validation"));
    setFixedWidth(380);

    txtUserID = new QLineEdit(this);
    txtUserID->setObjectName(QStringLiteral("txtUserID"));
    txtUserID->setPlaceholderText(QStringLiteral("Your user ID"));
    txtAccessCode = new QLineEdit(this);
    txtAccessCode->setObjectName(QStringLiteral("txtAccessCode"));
    txtAccessCode->setEchoMode(QLineEdit::Password);
    txtAccessCode->setPlaceholderText(QStringLiteral("Your password"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("User ID:"), txtUserID);
    form->addRow(QStringLiteral("Access Code:"), txtAccessCode);

    // The reason for a cancellation, with the standard remarks to pick from.
    fraRemarks = new QWidget(this);
    fraRemarks->setObjectName(QStringLiteral("fraRemarks"));
    auto* reasonLabel = new QLabel(QStringLiteral("Reason for cancellation:"), fraRemarks);
    Command1 = new QPushButton(QStringLiteral("Standard &Remarks..."), fraRemarks);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    txtRemarks = new QPlainTextEdit(fraRemarks);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setTabChangesFocus(true);
    auto* reasonHeader = new QHBoxLayout;
    reasonHeader->addWidget(reasonLabel);
    reasonHeader->addStretch();
    reasonHeader->addWidget(Command1);
    auto* reasonLayout = new QVBoxLayout(fraRemarks);
    reasonLayout->setContentsMargins(0, 0, 0, 0);
    reasonLayout->setSpacing(6);
    reasonLayout->addLayout(reasonHeader);
    reasonLayout->addWidget(txtRemarks, 1);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    QHBoxLayout* buttons = StationLook::ButtonRow({cmdOk});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(form);
    layout->addWidget(fraRemarks, 1);
    layout->addLayout(buttons);

    setTabOrder(txtUserID, txtAccessCode);
    setTabOrder(txtAccessCode, txtRemarks);
    setTabOrder(txtRemarks, Command1);
    setTabOrder(Command1, cmdOk);

    txtUserID->installEventFilter(this);
    txtAccessCode->installEventFilter(this);
    connect(cmdOk, &QPushButton::clicked, this, &frmTransaction_UserValidation::cmdOk_Click);
    connect(Command1, &QPushButton::clicked, this, &frmTransaction_UserValidation::Command1_Click);
}

void frmTransaction_UserValidation::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void frmTransaction_UserValidation::Form_Load()
{
    app::ValidatedUserID.clear();
    app::ValidatedUserName.clear();
    fraRemarks->setVisible(isCancellation());
    const int twips = isCancellation() ? CancellationHeightTwips : PostingHeightTwips;
    setFixedHeight(twips / TwipsPerPixel);
    txtUserID->setFocus();
}

bool frmTransaction_UserValidation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == txtUserID && enter) {
        focusNextChild();
        return true;
    }
    if (watched == txtAccessCode && enter) {
        cmdOk_Click();
        return true;
    }
    if (watched == txtAccessCode && key == Qt::Key_Escape) {
        // Escape in the password box only closes the window.
        done(QDialog::Rejected);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTransaction_UserValidation::reject()
{
    app::ValidatedUserID.clear();
    QDialog::reject();
}

void frmTransaction_UserValidation::cmdOk_Click()
{
    const std::optional<components::AccountHolder> account = CheckDepartmentAccess(txtUserID->text(), txtAccessCode->text());
    if (!account) {
        Notify(UnauthorizedUserMessage(), PromptIcon::Information);
        app::ValidatedUserID.clear();
        done(QDialog::Rejected);
        return;
    }
    app::ValidatedUserName = SignatureName(*account);
    app::ValidatedUserID = txtUserID->text().trimmed();
    if (isCancellation()) {
        if (app::Hospital().IsAllowEntryOfReasonForCancellation && reasonWithoutLineBreaks(txtRemarks->toPlainText()).isEmpty()) {
            Notify(QStringLiteral("Please enter reason of cancellation."), PromptIcon::Critical);
            txtRemarks->setFocus();
            return;
        }
        app::ValidationRemarks = reasonOnOneLine(txtRemarks->toPlainText());
    }
    accept();
}

void frmTransaction_UserValidation::Command1_Click()
{
    frmCMRemarks::PickInto(*txtRemarks, this);
}

} // namespace shell
