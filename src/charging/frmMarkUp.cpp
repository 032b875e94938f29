#include "charging/frmMarkUp.h"

#include "db/Connection.h"
#include "shell/Globals.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

frmMarkUp::frmMarkUp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMarkUp"));
    setWindowTitle(QStringLiteral("Mark-Up"));
    auto* root = new QVBoxLayout(this);
    chkMarkup = new QCheckBox(QStringLiteral("Apply mark-up"), this);
    chkMarkup->setObjectName(QStringLiteral("chkMarkup"));
    root->addWidget(chkMarkup);
    mshFlexMarkUp = new QTableWidget(0, 3, this);
    mshFlexMarkUp->setObjectName(QStringLiteral("mshFlexMarkUp"));
    mshFlexMarkUp->setHorizontalHeaderLabels({QStringLiteral("Mark-Up Type"), QStringLiteral("MarkUp"), QStringLiteral("Operation")});
    mshFlexMarkUp->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshFlexMarkUp->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexMarkUp->setSelectionMode(QAbstractItemView::SingleSelection);
    mshFlexMarkUp->verticalHeader()->hide();
    mshFlexMarkUp->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mshFlexMarkUp->setEnabled(false);
    root->addWidget(mshFlexMarkUp, 1);
    auto* day = new QHBoxLayout;
    chkHoliday = new QCheckBox(QStringLiteral("Holiday"), this);
    chkHoliday->setObjectName(QStringLiteral("chkHoliday"));
    opt30[0] = new QRadioButton(QStringLiteral("Regular day"), this);
    opt30[1] = new QRadioButton(QStringLiteral("Sunday / Holiday"), this);
    for (int i = 0; i < 2; ++i) {
        opt30[i]->setObjectName(QStringLiteral("opt30_%1").arg(i));
        day->addWidget(opt30[i]);
    }
    opt30[0]->setChecked(true);
    day->addWidget(chkHoliday);
    day->addStretch(1);
    root->addLayout(day);
    cmdOption[0] = new QPushButton(QStringLiteral("OK"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("Cancel"), this);
    for (int i = 0; i < 2; ++i) {
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption_%1").arg(i));
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    root->addLayout(shell::StationLook::ButtonRow({cmdOption[0], cmdOption[1]}));
    connect(chkMarkup, &QCheckBox::toggled, mshFlexMarkUp, &QWidget::setEnabled);
    connect(chkHoliday, &QCheckBox::toggled, this, [this](bool on) { opt30[on ? 1 : 0]->setChecked(true); });
    resize(420, 300);
}

bool frmMarkUp::Form_Load(bool newerRules, const QDate& today)
{
    newer_ = newerRules;
    const QDate date = today.isValid() ? today : shell::ReadServerDate().date();
    // A Sunday is charged as a holiday unless the nurse says otherwise.
    if (QLocale(QLocale::English).dayName(date.dayOfWeek()).toUpper() == QLatin1String("SUNDAY"))
        chkHoliday->setChecked(true);
    mshFlexMarkUp->setColumnHidden(2, !newerRules);
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(newerRules ? QStringLiteral("Select Description As [Mark-Up Type],MarkUp, Operation From "
                                                              "StaTion..tbORMarkUp Where Status = 'A'")
                                             : QStringLiteral("Select MarkupName As [Mark-Up Type],MarkUp From Station..tbMarkUp"));
        mshFlexMarkUp->setRowCount(0);
        while (!rs.eof()) {
            const int row = mshFlexMarkUp->rowCount();
            mshFlexMarkUp->insertRow(row);
            mshFlexMarkUp->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("Mark-Up Type")).trimmed()));
            const db::Decimal value = rs.field(QStringLiteral("MarkUp")).toDecimal().value_or(db::Decimal());
            mshFlexMarkUp->setItem(row, 1, new QTableWidgetItem(value.toString()));
            mshFlexMarkUp->setItem(row, 2, new QTableWidgetItem(newerRules ? rs.text(QStringLiteral("Operation")).trimmed()
                                                                           : QString()));
            rs.moveNext();
        }
        if (mshFlexMarkUp->rowCount() > 0)
            mshFlexMarkUp->selectRow(0);
    });
}

void frmMarkUp::cmdOption_Click(int index)
{
    Choice = MarkUpChoice();
    if (index != 0) {
        reject();
        return;
    }
    const int row = mshFlexMarkUp->currentRow();
    if (chkMarkup->isChecked() && row >= 0) {
        Choice.value = db::Decimal::parse(mshFlexMarkUp->item(row, 1)->text()).value_or(db::Decimal());
        if (newer_) {
            const QString operation = mshFlexMarkUp->item(row, 2)->text();
            if (operation == QLatin1String("*"))
                Choice.operation = MarkUpChoice::Operation::Multiply;
            else if (operation == QLatin1String("+"))
                Choice.operation = MarkUpChoice::Operation::Add;
            else
                Choice = MarkUpChoice();
        }
    }
    accept();
}

} // namespace charging
