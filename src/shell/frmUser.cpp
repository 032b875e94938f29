#include "shell/frmUser.h"

#include "shell/UserSearchPanel.h"
#include "shell/StationLook.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

frmUser::frmUser(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUser"));
    setWindowTitle(QStringLiteral("Select User"));
    resize(560, 420);

    searchPanel = new UserSearchPanel(this);
    grdUsers = searchPanel->grdUsers;

    cmdOk = new QPushButton(QStringLiteral("&Select"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter belongs to the user search (and a double click picks): no default button.
    QHBoxLayout* buttons = StationLook::ButtonRow({cmdOk, cmdCancel}, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(StationLook::Large, StationLook::Large, StationLook::Large, StationLook::Large);
    layout->setSpacing(StationLook::Medium);
    layout->addWidget(searchPanel, 1);
    layout->addLayout(buttons);

    connect(searchPanel, &UserSearchPanel::userChosen, this, [this](const QString& code) { cmdOk->setEnabled(!code.isEmpty()); });
    connect(searchPanel, &UserSearchPanel::userActivated, this, &frmUser::cmdOk_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmUser::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    searchPanel->search();
}

void frmUser::cmdOk_Click()
{
    if (searchPanel->selectedCode().isEmpty())
        return;
    employeeCode_ = searchPanel->selectedCode();
    employeeName_ = searchPanel->selectedName();
    accept();
}

} // namespace shell
