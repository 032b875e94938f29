#include "charging/EntryDialogLayout.h"

#include "shell/StationLook.h"
#include "shell/fields/NumberField.h"

#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace charging {

EntryDialogLayout EntryDialogLayout::Build(QDialog* dialog, const QString& objectName, const QString& title, QWidget* caption)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    auto* root = new QVBoxLayout(dialog);
    if (caption)
        root->addWidget(caption);
    EntryDialogLayout layout;
    layout.dialog = dialog;
    layout.form = new QFormLayout;
    root->addLayout(layout.form);
    layout.cmdOK = new QPushButton(QStringLiteral("OK"), dialog);
    layout.cmdOK->setObjectName(QStringLiteral("cmdOK"));
    layout.cmdCancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    layout.cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    root->addLayout(shell::StationLook::ButtonRow({layout.cmdOK, layout.cmdCancel}));
    QObject::connect(layout.cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return layout;
}

QLineEdit* EntryDialogLayout::addNumberRow(const QString& label, const QString& objectName, double minimum, double maximum,
                                           int decimals)
{
    auto* box = new QLineEdit(dialog);
    box->setObjectName(objectName);
    shell::MakeNumberField(box, minimum, maximum, decimals);
    form->addRow(label, box);
    return box;
}

std::optional<db::Decimal> BoxAmount(const QLineEdit* box)
{
    QString text = box->text().trimmed();
    text.remove(QLatin1Char(','));
    return db::Decimal::parse(text);
}

} // namespace charging
