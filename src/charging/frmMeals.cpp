#include "charging/frmMeals.h"

#include "shell/Prompts.h"
#include "shell/StationLook.h"
#include "shell/fields/NumberField.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace charging {

frmMeals::frmMeals(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMeals"));
    setWindowTitle(QStringLiteral("Doctor's Meal"));
    auto* root = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    txtAmount = new QLineEdit(this);
    txtAmount->setObjectName(QStringLiteral("txtAmount"));
    shell::MakeNumberField(txtAmount, 0, 100000, 2);
    txtRemarks = new QLineEdit(this);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setMaxLength(100);
    form->addRow(QStringLiteral("Meal Amount"), txtAmount);
    form->addRow(QStringLiteral("Remarks"), txtRemarks);
    root->addLayout(form);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    root->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}));
    connect(cmdOK, &QPushButton::clicked, this, &frmMeals::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMeals::cmdOK_Click()
{
    if (!shell::CheckNumberFields({{QStringLiteral("Meal Amount"), txtAmount}}))
        return;
    QString amount = txtAmount->text().trimmed();
    amount.remove(QLatin1Char(','));
    MealAmount = db::Decimal::parse(amount.isEmpty() ? QStringLiteral("0") : amount).value_or(db::Decimal());
    MealRemarks = txtRemarks->text().trimmed();
    accept();
}

} // namespace charging
