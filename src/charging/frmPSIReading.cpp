#include "charging/frmPSIReading.h"

#include "shell/Prompts.h"
#include "shell/StationLook.h"
#include "shell/fields/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace charging {

frmPSIReading::frmPSIReading(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPSIReading"));
    setWindowTitle(QStringLiteral("PSI Reading"));
    auto* root = new QVBoxLayout(this);
    lblItem = new QLabel(this);
    lblItem->setObjectName(QStringLiteral("lblItem"));
    root->addWidget(lblItem);
    auto* form = new QFormLayout;
    txtReading1 = new QLineEdit(this);
    txtReading1->setObjectName(QStringLiteral("txtReading1"));
    shell::MakeNumberField(txtReading1, 0, 5000, 2);
    txtReading2 = new QLineEdit(this);
    txtReading2->setObjectName(QStringLiteral("txtReading2"));
    shell::MakeNumberField(txtReading2, 0, 5000, 2);
    cboUnit = new QComboBox(this);
    cboUnit->setObjectName(QStringLiteral("cboUnit"));
    cboUnit->addItems({QStringLiteral("PSI"), QStringLiteral("LPM")});
    form->addRow(QStringLiteral("Start reading"), txtReading1);
    form->addRow(QStringLiteral("End reading"), txtReading2);
    form->addRow(QStringLiteral("Unit"), cboUnit);
    root->addLayout(form);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    root->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}));
    connect(cmdOK, &QPushButton::clicked, this, &frmPSIReading::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPSIReading::Form_Load(const QString& itemId, const QString& description)
{
    lblItem->setText(itemId + QStringLiteral(" - ") + description);
}

void frmPSIReading::cmdOK_Click()
{
    if (!shell::CheckNumberFields({{QStringLiteral("Start reading"), txtReading1}, {QStringLiteral("End reading"), txtReading2}}))
        return;
    auto value = [](const QLineEdit* box) {
        QString text = box->text().trimmed();
        text.remove(QLatin1Char(','));
        return db::Decimal::parse(text);
    };
    const std::optional<db::Decimal> start = value(txtReading1);
    const std::optional<db::Decimal> end = value(txtReading2);
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
