#include "charging/frmRequestingDoctor.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace charging {

frmRequestingDoctor::frmRequestingDoctor(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRequestingDoctor"));
    setWindowTitle(QStringLiteral("Requesting Doctor"));
    auto* root = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* codeRow = new QHBoxLayout;
    txtDoctorCode = new QLineEdit(this);
    txtDoctorCode->setObjectName(QStringLiteral("txtDoctorCode"));
    txtDoctorCode->setMaxLength(15);
    cmdSearch = new QPushButton(QStringLiteral("..."), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setAutoDefault(false);
    codeRow->addWidget(txtDoctorCode, 1);
    codeRow->addWidget(cmdSearch);
    lblDoctorName = new QLabel(this);
    lblDoctorName->setObjectName(QStringLiteral("lblDoctorName"));
    lblDoctorName->setMinimumWidth(260);
    form->addRow(QStringLiteral("Doctor Code"), codeRow);
    form->addRow(QStringLiteral("Name"), lblDoctorName);
    root->addLayout(form);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    root->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}, false));
    connect(txtDoctorCode, &QLineEdit::returnPressed, this, &frmRequestingDoctor::txtDoctorCode_Enter);
    connect(cmdSearch, &QPushButton::clicked, this, &frmRequestingDoctor::cmdSearch_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmRequestingDoctor::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmRequestingDoctor::lookUp(const QString& text, bool withList)
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        return false;
    bool found = false;
    shell::SaveTransaction::Load([&](db::Connection&) {
        search->SearchMode = withList;
        found = search->SearchListing(text, 1);
        search->SearchMode = true;
    });
    if (found) {
        DoctorCode = search->DoctorRecord.ResultCode.trimmed();
        DoctorName = search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search->DoctorRecord.FirstName.trimmed();
        txtDoctorCode->setText(DoctorCode);
        lblDoctorName->setText(DoctorName);
    }
    return found;
}

void frmRequestingDoctor::txtDoctorCode_Enter()
{
    const QString code = txtDoctorCode->text().trimmed();
    if (code.isEmpty() || !lookUp(code, false))
        lookUp(code, true);
}

void frmRequestingDoctor::cmdSearch_Click()
{
    lookUp(txtDoctorCode->text().trimmed(), true);
}

void frmRequestingDoctor::cmdOK_Click()
{
    const QString code = txtDoctorCode->text().trimmed();
    if (code.isEmpty()) {
        DoctorCode.clear();
        DoctorName.clear();
    } else if (code.compare(DoctorCode, Qt::CaseInsensitive) != 0 && !lookUp(code, false)) {
        shell::Notify(QStringLiteral("Doctor code does not exist."));
        return;
    }
    accept();
}

} // namespace charging
