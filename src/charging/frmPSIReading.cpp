#include "charging/frmPSIReading.h"

#include "charging/EntryDialogLayout.h"
#include "shell/Prompts.h"
#include "shell/fields/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace charging {

frmPSIReading::frmPSIReading(QWidget* parent)
    : QDialog(parent)
{
    lblItem = new QLabel(this);
    lblItem->setObjectName(QStringLiteral("lblItem"));
    EntryDialogLayout layout = EntryDialogLayout::Build(this, QStringLiteral("frmPSIReading"), QStringLiteral("PSI Reading"), lblItem);
    txtReading1 = layout.addNumberRow(QStringLiteral("Start reading"), QStringLiteral("txtReading1"), 0, 5000, 2);
    txtReading2 = layout.addNumberRow(QStringLiteral("End reading"), QStringLiteral("txtReading2"), 0, 5000, 2);
    cboUnit = new QComboBox(this);
    cboUnit->setObjectName(QStringLiteral("cboUnit"));
    cboUnit->addItems({QStringLiteral("PSI"), QStringLiteral("LPM")});
    layout.form->addRow(QStringLiteral("Unit"), cboUnit);
    cmdOK = layout.cmdOK;
    cmdCancel = layout.cmdCancel;
    connect(cmdOK, &QPushButton::clicked, this, &frmPSIReading::cmdOK_Click);
}

void frmPSIReading::Form_Load(const QString& itemId, const QString& description)
{
    lblItem->setText(itemId + QStringLiteral(" - ") + description);
}

void frmPSIReading::cmdOK_Click()
{
    if (!shell::CheckNumberFields({{QStringLiteral("Start reading"), txtReading1}, {QStringLiteral("End reading"), txtReading2}}))
        return;
    const std::optional<db::Decimal> start = BoxAmount(txtReading1);
    const std::optional<db::Decimal> end = BoxAmount(txtReading2);
    // A cylinder's gauge only falls while it is used: the start must read more.
    if (!start || !end || !(*end < *start)) {
        shell::Notify(QStringLiteral("The start reading must be greater than the end reading."));
        return;
    }
    Reading1 = txtReading1->text().trimmed();
    Reading2 = txtReading2->text().trimmed();
    Unit = cboUnit->currentText();
    Quantity = *db::Decimal::subtract(*start, *end);
    accept();
}

} // namespace charging
