#include "reports/DatePrompt.h"
#include "shell/OptionButtons.h"
#include "shell/fields/DateField.h"

#include "reports/ReportPeriod.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reports {

DatePrompt::DatePrompt(const QString& objectName, const QString& heading, QWidget* parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Report"));
    setMinimumWidth(340);

    heading_ = new QLabel(heading, this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    heading_->setWordWrap(true);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    heading_->setFont(headingFont);

    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setHorizontalSpacing(12);
    form_->setVerticalSpacing(8);

    QHBoxLayout* buttons = shell::CreateOptionButtons(this, cmdOption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(heading_);
    layout->addLayout(form_);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(cmdOption[0], &QPushButton::clicked, this, [this] { cmdOption_Click(0); });
    connect(cmdOption[1], &QPushButton::clicked, this, [this] { cmdOption_Click(1); });
}

QDateEdit* DatePrompt::addDatePicker(const QString& objectName, const QString& label)
{
    // The station's date box: a date typed over the selection is read whole,
    // and an impossible one is refused.
    QDateEdit* picker = shell::NewDateField(this, objectName);
    // A period prompt may look as far ahead as its report allows (frmReport narrows it to today).
    picker->setMaximumDate(ReportPeriod::LatestDate(true));
    picker->setMinimumWidth(150);
    form_->addRow(label, picker);
    return picker;
}

void DatePrompt::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        app::ClearReportPeriod();
        Form_Load();
    }
    QDialog::showEvent(event);
}

void DatePrompt::cmdOption_Click(int index)
{
    if (index == 0) {
        if (confirm())
            accept();
        return;
    }
    app::ClearReportPeriod();
    reject();
}

} // namespace reports
