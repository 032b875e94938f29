#include "components/frmConfirmPassword.h"

#include "shell/StationLook.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace components {

frmConfirmPassword::frmConfirmPassword(const QString& userId, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmConfirmPassword"));
    setWindowTitle(QStringLiteral("Confirm Password"));
    setModal(true);

    auto* prompt = new QLabel(QStringLiteral("Please type the password of %1 again to continue.").arg(userId));
    prompt->setWordWrap(true);
    txtPassword = new QLineEdit;
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Password"), txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    QHBoxLayout* buttons = shell::StationLook::ButtonRow({cmdOK, cmdCancel});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(shell::StationLook::Medium);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtPassword->setFocus();
}

} // namespace components
