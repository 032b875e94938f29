#include "charging/frmMeals.h"

#include "charging/EntryDialogLayout.h"
#include "shell/fields/NumberField.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace charging {

frmMeals::frmMeals(QWidget* parent)
    : QDialog(parent)
{
    EntryDialogLayout layout = EntryDialogLayout::Build(this, QStringLiteral("frmMeals"), QStringLiteral("Doctor's Meal"));
    txtAmount = layout.addNumberRow(QStringLiteral("Meal Amount"), QStringLiteral("txtAmount"), 0, 100000, 2);
    txtRemarks = new QLineEdit(this);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setMaxLength(100);
    layout.form->addRow(QStringLiteral("Remarks"), txtRemarks);
    cmdOK = layout.cmdOK;
    cmdCancel = layout.cmdCancel;
    connect(cmdOK, &QPushButton::clicked, this, &frmMeals::cmdOK_Click);
}

void frmMeals::cmdOK_Click()
{
    if (!shell::CheckNumberFields({{QStringLiteral("Meal Amount"), txtAmount}}))
        return;
    // An empty box is no meal charged: zero.
    MealAmount = BoxAmount(txtAmount).value_or(db::Decimal());
    MealRemarks = txtRemarks->text().trimmed();
    accept();
}

} // namespace charging
