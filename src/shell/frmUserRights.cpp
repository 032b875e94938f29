#include "shell/frmUserRights.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/RightsMaintenance.h"
#include "shell/StationLook.h"
#include "shell/UserSearchPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

// Each catalogue entry ends with its two-character item code.
QString entryCode(const QListWidgetItem* item)
{
    return item->text().right(2).trimmed();
}

void showError(const db::DbError& e)
{
    Notify(e.message(), PromptIcon::Critical);
}

} // namespace

frmUserRights::frmUserRights(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUserRights"));
    setWindowTitle(QStringLiteral("User Rights"));
    // Wide enough for whole names beside the longest right, within a 1366-pixel screen.
    resize(1140, 560);

    auto* usersBox = new QGroupBox(QStringLiteral("Users"), this);
    searchPanel = new UserSearchPanel(usersBox);
    grdUsers = searchPanel->grdUsers;
    auto* usersLayout = new QVBoxLayout(usersBox);
    usersLayout->addWidget(searchPanel);

    auto* rightsBox = new QGroupBox(QStringLiteral("Rights"), this);
    lblUser = new QLabel(QStringLiteral("Choose a user on the left."), rightsBox);
    lblUser->setObjectName(QStringLiteral("lblUser"));
    QFont userFont = lblUser->font();
    userFont.setBold(true);
    lblUser->setFont(userFont);
    lstRights = new QListWidget(rightsBox);
    lstRights->setObjectName(QStringLiteral("lstRights"));
    lstRights->setAlternatingRowColors(true);
    chkSelectAll = new QCheckBox(QStringLiteral("Select &all"), rightsBox);
    chkSelectAll->setObjectName(QStringLiteral("chkSelectAll"));
    auto* rightsLayout = new QVBoxLayout(rightsBox);
    rightsLayout->setSpacing(StationLook::Small);
    rightsLayout->addWidget(lblUser);
    rightsLayout->addWidget(lstRights, 1);
    rightsLayout->addWidget(chkSelectAll);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setEnabled(false);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* panes = new QHBoxLayout;
    panes->setSpacing(StationLook::Medium);
    panes->addWidget(usersBox, 1);
    panes->addWidget(rightsBox, 1);
    // Enter belongs to the user search: no default button.
    QHBoxLayout* buttons = StationLook::ButtonRow({cmdSave, cmdClose}, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(StationLook::Large, StationLook::Large, StationLook::Large, StationLook::Large);
    layout->setSpacing(StationLook::Medium);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    connect(searchPanel, &UserSearchPanel::userChosen, this, &frmUserRights::grdUsers_Choose);
    connect(chkSelectAll, &QCheckBox::clicked, this, &frmUserRights::chkSelectAll_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmUserRights::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    loadCatalogue();
    searchPanel->search();
}

void frmUserRights::loadCatalogue()
{
    try {
        db::Recordset rs = app::SQLConnection()->open(
            QStringLiteral("Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'"));
        for (; !rs.eof(); rs.moveNext()) {
            // The code is kept two characters wide at the end of the entry.
            const QString code = rs.text(QStringLiteral("ItemID")).leftJustified(2, QLatin1Char(' '), true);
            auto* item = new QListWidgetItem(rs.text(QStringLiteral("Description")) + QStringLiteral("   ") + code, lstRights);
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setCheckState(Qt::Unchecked);
        }
    } catch (const db::DbError& e) {
        showError(e);
    }
}

void frmUserRights::grdUsers_Choose(const QString& employeeCode)
{
    employeeCode_ = employeeCode;
    // One's own rights are shown as they are, never changed here.
    const bool own = !employeeCode.isEmpty() && RightsMaintenance::IsOwn(employeeCode);
    cmdSave->setEnabled(!employeeCode.isEmpty() && !own);
    lstRights->setEnabled(!own);
    chkSelectAll->setEnabled(!own);
    chkSelectAll->setChecked(false);
    QString heading = employeeCode.isEmpty() ? QStringLiteral("Choose a user on the left.")
                                             : employeeCode + QStringLiteral(" - ") + searchPanel->selectedName();
    if (own)
        heading += QStringLiteral("\nYour own rights cannot be changed here.");
    lblUser->setText(heading);
    QStringList codes;
    if (!employeeCode.isEmpty()) {
        try {
            db::Recordset rs = app::SQLConnection()->open(
                QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = ") + db::Quote(employeeCode));
            if (!rs.eof())
                for (const QString& code : rs.text(QStringLiteral("EmployeeRights")).split(QLatin1Char('|')))
                    codes << code.trimmed();
        } catch (const db::DbError& e) {
            showError(e);
        }
    }
    for (int i = 0; i < lstRights->count(); ++i) {
        QListWidgetItem* item = lstRights->item(i);
        item->setCheckState(codes.contains(entryCode(item)) ? Qt::Checked : Qt::Unchecked);
    }
}

void frmUserRights::chkSelectAll_Click(bool checked)
{
    for (int i = 0; i < lstRights->count(); ++i)
        lstRights->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QString frmUserRights::tickedRightsText() const
{
    QString rights;
    for (int i = 0; i < lstRights->count(); ++i)
        if (lstRights->item(i)->checkState() == Qt::Checked)
            rights += entryCode(lstRights->item(i)) + QLatin1Char('|');
    return rights;
}

void frmUserRights::cmdSave_Click()
{
    if (employeeCode_.isEmpty())
        return;
    if (RightsMaintenance::Save(employeeCode_, tickedRightsText()))
        Notify(QStringLiteral("User rights successfully updated."), PromptIcon::Information);
}

} // namespace shell
