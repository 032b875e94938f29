#include "charging/PostedChargesList.h"

#include "charging/ChargePricing.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

namespace {

db::Decimal DecimalOf(const db::Recordset& rs, const char* name)
{
    return rs.field(QLatin1String(name)).toDecimal().value_or(db::Decimal());
}

enum Column { Tick, Dept, Item, Description, Qty, Amount, Slip, Standing, ColumnCount };

} // namespace

QList<PostedCharge> ReadPostedCharges(const QString& hospNum, const QString& idNum, const QString& stationId)
{
    QList<PostedCharge> out;
    db::Recordset rs = app::SQLConnection()->open(QStringLiteral("STATION..List_All_ORCharges ") + db::Quote(hospNum)
                                                  + QLatin1Char(',') + db::Quote(idNum) + QLatin1Char(',')
                                                  + db::Quote(stationId));
    while (!rs.eof()) {
        PostedCharge line;
        line.departmentCode = rs.text(QStringLiteral("RevenueID")).trimmed();
        line.itemId = rs.text(QStringLiteral("ItemID")).trimmed();
        line.description = rs.text(QStringLiteral("Description")).trimmed();
        line.slip = rs.text(QStringLiteral("RefNum")).trimmed();
        line.packageId = rs.text(QStringLiteral("PackageID")).trimmed();
        line.location = rs.text(QStringLiteral("LocationID")).trimmed();
        line.quantity = DecimalOf(rs, "Quantity");
        line.amount = DecimalOf(rs, "Amount");
        line.standingQuantity = DecimalOf(rs, "StandingQty");
        line.standingAmount = DecimalOf(rs, "StandingAmount");
        out << line;
        rs.moveNext();
    }
    return out;
}

PostedChargesList::PostedChargesList(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    MSHFlexList = new QTableWidget(0, ColumnCount, this);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    // The posted list as billing reads it, and beyond the original the part
    // of each line that still stands after reversals.
    MSHFlexList->setHorizontalHeaderLabels({QStringLiteral("  "), QStringLiteral("Dept. "), QStringLiteral("Item. #"),
                                            QStringLiteral(" Item   Description    "), QStringLiteral("QTY"),
                                            QStringLiteral("Amount "), QStringLiteral("ChargeSlip #"),
                                            QStringLiteral("Standing")});
    MSHFlexList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexList->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSHFlexList->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexList->verticalHeader()->hide();
    // Compact rows: a long bill shows more lines at a glance.
    MSHFlexList->verticalHeader()->setDefaultSectionSize(MSHFlexList->fontMetrics().height() + 8);
    MSHFlexList->horizontalHeader()->setSectionResizeMode(Description, QHeaderView::Stretch);
    MSHFlexList->setColumnWidth(Tick, 26);
    layout->addWidget(MSHFlexList, 1);
    lblGross = new QLabel(this);
    lblGross->setObjectName(QStringLiteral("lblGross"));
    lblGross->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont strong = lblGross->font();
    strong.setBold(true);
    lblGross->setFont(strong);
    layout->addWidget(lblGross);
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit lineChosen(row); });
    showLines({}, false);
}

void PostedChargesList::showLines(const QList<PostedCharge>& lines, bool ticks)
{
    lines_ = lines;
    ticks_ = ticks;
    MSHFlexList->setUpdatesEnabled(false);
    MSHFlexList->clearContents();
    MSHFlexList->setRowCount(lines.size());
    MSHFlexList->setColumnHidden(Tick, !ticks);
    auto cell = [](const QString& text, bool right = false) {
        auto* item = new QTableWidgetItem(text);
        if (right)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return item;
    };
    for (int row = 0; row < lines.size(); ++row) {
        const PostedCharge& line = lines.at(row);
        auto* tickItem = new QTableWidgetItem;
        if (ticks) {
            tickItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            tickItem->setCheckState(Qt::Unchecked);
        }
        MSHFlexList->setItem(row, Tick, tickItem);
        MSHFlexList->setItem(row, Dept, cell(line.departmentCode));
        MSHFlexList->setItem(row, Item, cell(line.itemId));
        MSHFlexList->setItem(row, Description, cell(line.description));
        MSHFlexList->setItem(row, Qty, cell(QuantityText(line.quantity), true));
        MSHFlexList->setItem(row, Amount, cell(GroupedMoneyText(line.amount), true));
        MSHFlexList->setItem(row, Slip, cell(line.slip));
        MSHFlexList->setItem(row, Standing, cell(GroupedMoneyText(line.standingAmount), true));
    }
    MSHFlexList->setUpdatesEnabled(true);
    lblGross->setText(QStringLiteral("Gross Amount: Php ") + GroupedMoneyText(gross()));
}

const PostedCharge* PostedChargesList::current() const
{
    const int row = MSHFlexList->currentRow();
    return row >= 0 && row < lines_.size() ? &lines_.at(row) : nullptr;
}

QList<PostedCharge> PostedChargesList::ticked() const
{
    QList<PostedCharge> out;
    if (!ticks_)
        return out;
    for (int row = 0; row < lines_.size(); ++row)
        if (MSHFlexList->item(row, Tick)->checkState() == Qt::Checked)
            out << lines_.at(row);
    return out;
}

void PostedChargesList::tick(int row, bool on)
{
    if (ticks_ && row >= 0 && row < lines_.size())
        MSHFlexList->item(row, Tick)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

db::Decimal PostedChargesList::gross() const
{
    db::Decimal sum;
    for (const PostedCharge& line : lines_)
        sum = db::Decimal::add(sum, line.standingAmount).value_or(sum);
    return sum;
}

} // namespace charging
