#include "shell/frmSupervisorAccessCode.h"
#include "shell/OptionButtons.h"

#include "db/DbError.h"
#include "db/routines/UserRights.h"
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

frmSupervisorAccessCode::frmSupervisorAccessCode(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSupervisorAccessCode"));
    setWindowTitle(QStringLiteral("Supervisor Access Code"));
    setMinimumWidth(400);

    auto* heading = new QLabel(QStringLiteral("This action needs a supervisor's approval."), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    txtUserID = new QLineEdit(this);
    txtUserID->setObjectName(QStringLiteral("txtUserID"));
    txtUserID->setPlaceholderText(QStringLiteral("Supervisor's user ID"));
    txtAccessCode = new QLineEdit(this);
    txtAccessCode->setObjectName(QStringLiteral("txtAccessCode"));
    txtAccessCode->setEchoMode(QLineEdit::Password);
    txtAccessCode->setPlaceholderText(QStringLiteral("Supervisor's password"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("Supervisor ID:"), txtUserID);
    form->addRow(QStringLiteral("Access Code:"), txtAccessCode);

    auto* remarksLabel = new QLabel(QStringLiteral("Remarks:"), this);
    Command1 = new QPushButton(QStringLiteral("Standard &Remarks..."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    txtRemarks = new QPlainTextEdit(this);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setTabChangesFocus(true);
    txtRemarks->setFixedHeight(72);
    auto* remarksHeader = new QHBoxLayout;
    remarksHeader->addWidget(remarksLabel);
    remarksHeader->addStretch();
    remarksHeader->addWidget(Command1);

    QHBoxLayout* buttons = shell::CreateOptionButtons(this, cmdOption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(remarksHeader);
    layout->addWidget(txtRemarks);
    layout->addLayout(buttons);

    txtUserID->installEventFilter(this);
    txtAccessCode->installEventFilter(this);
    connect(cmdOption[0], &QPushButton::clicked, this, [this] { cmdOption_Click(0); });
    connect(cmdOption[1], &QPushButton::clicked, this, [this] { cmdOption_Click(1); });
    connect(Command1, &QPushButton::clicked, this, &frmSupervisorAccessCode::Command1_Click);
}

void frmSupervisorAccessCode::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void frmSupervisorAccessCode::Form_Load()
{
    app::SupervisorID.clear();
    app::ValidationRemarks.clear();
    txtUserID->setFocus();
}

bool frmSupervisorAccessCode::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == txtUserID)
                focusNextChild();
            else
                cmdOption_Click(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSupervisorAccessCode::cmdOption_Click(int index)
{
    if (index == 0) {
        acceptSupervisor();
        return;
    }
    app::SupervisorID.clear();
    app::ValidationRemarks.clear();
    reject();
}

void frmSupervisorAccessCode::acceptSupervisor()
{
    if (!CheckDepartmentAccess(txtUserID->text(), txtAccessCode->text())) {
        Notify(UnauthorizedUserMessage(), PromptIcon::Information);
        app::SupervisorID.clear();
        reject();
        return;
    }
    // The supervisory right is the typed account's: looked up for the user
    // logged in at the workstation (as the older program did), a staff nurse
    // could never get an approval, and at a supervisor's workstation any
    // colleague's password would pass as a supervisor's.
    bool supervisor = false;
    try {
        supervisor = routines::HasUserRight(OperatingRoomDepartment, txtUserID->text().trimmed());
        if (!supervisor)
            Notify(QStringLiteral("Sorry, you don't have supervisory rights."));
    } catch (const db::DbError& e) {
        Notify(e.message(), PromptIcon::Critical);
    }
    if (!supervisor) {
        app::SupervisorID.clear();
        reject();
        return;
    }
    app::SupervisorID = txtUserID->text().trimmed();
    app::ValidationRemarks = QStringLiteral("Allowed ");
    accept();
}

void frmSupervisorAccessCode::Command1_Click()
{
    frmCMRemarks::PickInto(*txtRemarks, this);
}

} // namespace shell
