#include "records/cvor/frmTagORProcedures.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "records/cvor/frmListProcedures.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace records {

namespace {

constexpr int kOtherRevenueListing = 21;

QLineEdit* Box(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmTagORProcedures::frmTagORProcedures(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTagORProcedures"));
    setWindowTitle(QStringLiteral("Tag Procedures"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(shell::StationLook::Large, shell::StationLook::Medium, shell::StationLook::Large,
                             shell::StationLook::Medium);
    root->setSpacing(shell::StationLook::Medium);

    auto* tagging = new QGroupBox(QStringLiteral("Tag OR Item as Procedure"), this);
    auto* tagForm = new QFormLayout(tagging);
    txtCode = Box(tagging, "txtCode");
    shell::LimitToColumn(txtCode, QStringLiteral("BUILD_FILE..TbCoOtherRevenue"), QStringLiteral("OtherRevenueID"));
    cmdSearch = Button(tagging, "cmdSearch", QStringLiteral("..."));
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(txtCode, 1);
    codeRow->addWidget(cmdSearch);
    txtDescription = Box(tagging, "txtDescription");
    txtDescription->setReadOnly(true);
    txtDescription->setMinimumWidth(360);
    chkProcedure = new QCheckBox(QStringLiteral("Procedure"), tagging);
    chkProcedure->setObjectName(QStringLiteral("chkProcedure"));
    cmdTag = Button(tagging, "cmdTag", QStringLiteral("&Update"));
    tagForm->addRow(QStringLiteral("Item code:"), codeRow);
    tagForm->addRow(QStringLiteral("Description:"), txtDescription);
    tagForm->addRow(QString(), chkProcedure);
    tagForm->addRow(shell::StationLook::ButtonRow({cmdTag}, false));
    root->addWidget(tagging);

    auto* editing = new QGroupBox(QStringLiteral("Create / Edit OR Procedure"), this);
    auto* editForm = new QFormLayout(editing);
    txtProcCode = Box(editing, "txtProcCode");
    shell::LimitToColumn(txtProcCode, QStringLiteral("BUILD_FILE..tbCoORProcedures"), QStringLiteral("ItemID"));
    cmdList = Button(editing, "cmdList", QStringLiteral("&List"));
    auto* procRow = new QHBoxLayout;
    procRow->addWidget(txtProcCode, 1);
    procRow->addWidget(cmdList);
    txtProcDesc = Box(editing, "txtProcDesc");
    shell::LimitToColumn(txtProcDesc, QStringLiteral("BUILD_FILE..tbCoORProcedures"), QStringLiteral("ItemName"));
    txtRate = Box(editing, "txtRate");
    txtRate->setMaxLength(20);
    cmdSave = Button(editing, "cmdSave", QStringLiteral("&Save"));
    cmdCancel = Button(editing, "cmdCancel", QStringLiteral("Cancel"));
    editForm->addRow(QStringLiteral("Procedure code:"), procRow);
    editForm->addRow(QStringLiteral("Description:"), txtProcDesc);
    editForm->addRow(QStringLiteral("Rate:"), txtRate);
    editForm->addRow(shell::StationLook::ButtonRow({cmdSave, cmdCancel}, false));
    root->addWidget(editing);

    cmdClose = Button(this, "cmdClose", QStringLiteral("&Close"));
    root->addLayout(shell::StationLook::ButtonRow({cmdClose}, false));
    root->addStretch(1);

    connect(cmdSearch, &QPushButton::clicked, this, &frmTagORProcedures::cmdSearch_Click);
    connect(txtCode, &QLineEdit::returnPressed, this, &frmTagORProcedures::cmdSearch_Click);
    connect(cmdTag, &QPushButton::clicked, this, &frmTagORProcedures::cmdTag_Click);
    connect(txtProcCode, &QLineEdit::returnPressed, this, &frmTagORProcedures::txtProcCode_KeyPress);
    connect(cmdList, &QPushButton::clicked, this, &frmTagORProcedures::cmdList_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmTagORProcedures::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTagORProcedures::cmdCancel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // A description belongs to the code it was looked up for.
    connect(txtCode, &QLineEdit::textEdited, this, [this] { txtDescription->clear(); });
}

void frmTagORProcedures::cmdSearch_Click()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search) {
        shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
        return;
    }
    try {
        search->OtherSectionID = QStringLiteral("OR");
        const bool picked = search->SearchListing(txtCode->text().trimmed(), kOtherRevenueListing);
        search->OtherSectionID.clear();
        if (!picked)
            return;
        txtCode->setText(search->OtherRevenueRecord.ResultCode.trimmed());
        txtDescription->setText(search->OtherRevenueRecord.OtherRevenue.trimmed());
        if (db::Connection* connection = app::SQLConnection())
            if (const auto item = ProcedureTagging::Find(*connection, txtCode->text()))
                chkProcedure->setChecked(item->tagged);
    } catch (const db::DbError& error) {
        search->OtherSectionID.clear();
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

void frmTagORProcedures::cmdTag_Click()
{
    ProcedureTagging::Tag(txtCode->text(), txtDescription->text(), chkProcedure->isChecked());
}

void frmTagORProcedures::txtProcCode_KeyPress()
{
    const QString code = txtProcCode->text().trimmed();
    if (code.isEmpty())
        return;
    std::optional<OrProcedure> found;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) { found = ProcedureTagging::Find(c, code); }))
        return;
    if (found) {
        editing_ = found;
        txtProcCode->setText(found->code);
        txtProcDesc->setText(found->description.trimmed());
        const std::optional<db::Decimal> shown = found->rate.withScale(2);
        txtRate->setText(shown ? shown->toString() : found->rate.toString());
        cmdSave->setText(QStringLiteral("Update"));
        cmdCancel->setText(QStringLiteral("Cancel"));
        return;
    }
    editing_.reset();
    if (shell::Prompts::current().ask(QStringLiteral("Procedure unable to locate, is this a new procedure?"),
                                      QStringLiteral("Confirmation"), shell::PromptIcon::Question)) {
        txtProcDesc->clear();
        txtRate->clear();
        cmdSave->setText(QStringLiteral("Create New"));
        cmdCancel->setText(QStringLiteral("Cancel"));
        txtProcDesc->setFocus();
    } else {
        clearProcedure();
    }
}

void frmTagORProcedures::cmdList_Click()
{
    frmListProcedures list(this);
    list.search(QString());
    if (shell::Prompts::current().exec(list) != QDialog::Accepted || list.ProcedureCode().isEmpty())
        return;
    txtProcCode->setText(list.ProcedureCode());
    txtProcCode_KeyPress();
}

void frmTagORProcedures::cmdSave_Click()
{
    // An edit keeps the code it was read under: the log names what changed.
    if (editing_ && editing_->code.compare(txtProcCode->text().trimmed(), Qt::CaseInsensitive) != 0)
        editing_.reset();
    // A code typed without Enter may still name an existing procedure: its
    // save is then an edit, and logged as one.
    if (!editing_ && !txtProcCode->text().trimmed().isEmpty()
        && !shell::SaveTransaction::Load([&](db::Connection& c) { editing_ = ProcedureTagging::Find(c, txtProcCode->text()); }))
        return;
    if (ProcedureTagging::SaveProcedure(txtProcCode->text(), txtProcDesc->text(), txtRate->text(), editing_))
        clearProcedure();
}

void frmTagORProcedures::cmdCancel_Click()
{
    clearProcedure();
}

void frmTagORProcedures::clearProcedure()
{
    editing_.reset();
    txtProcCode->clear();
    txtProcDesc->clear();
    txtRate->clear();
    cmdSave->setText(QStringLiteral("&Save"));
    cmdCancel->setText(QStringLiteral("Cancel"));
    txtProcCode->setFocus();
}

} // namespace records
