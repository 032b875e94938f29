#include "charging/frmListPackage.h"

#include "charging/ChargePricing.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

namespace {

QTableWidget* makeGrid(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* grid = new QTableWidget(0, headers.size(), parent);
    grid->setObjectName(QLatin1String(name));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

} // namespace

frmListPackage::frmListPackage(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmListPackage"));
    setWindowTitle(QStringLiteral("List of Packages"));
    auto* root = new QVBoxLayout(this);
    auto* panes = new QHBoxLayout;
    grdPackages = makeGrid(this, "grdPackages", {QStringLiteral("Code"), QStringLiteral("Description")});
    grdItems = makeGrid(this, "grdItems",
                        {QString(), QStringLiteral("Dept."), QStringLiteral("Item Code"), QStringLiteral("Description"),
                         QStringLiteral("Qty"), QStringLiteral("Amount")});
    grdItems->setColumnWidth(0, 26);
    panes->addWidget(grdPackages, 2);
    panes->addWidget(grdItems, 3);
    root->addLayout(panes, 1);
    lblGross = new QLabel(QStringLiteral("Gross: 0.00"), this);
    lblGross->setObjectName(QStringLiteral("lblGross"));
    lblGross->setAlignment(Qt::AlignRight);
    root->addWidget(lblGross);
    cmdCheckAll = new QPushButton(QStringLiteral("Check all"), this);
    cmdCheckAll->setObjectName(QStringLiteral("cmdCheckAll"));
    cmdUncheckAll = new QPushButton(QStringLiteral("Uncheck all"), this);
    cmdUncheckAll->setObjectName(QStringLiteral("cmdUncheckAll"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCheckAll);
    buttons->addWidget(cmdUncheckAll);
    buttons->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}), 1);
    root->addLayout(buttons);
    resize(760, 420);

    connect(grdPackages, &QTableWidget::cellClicked, this, [this](int row, int) { choosePackage(row); });
    connect(grdItems, &QTableWidget::itemChanged, this, [this] { updateGross(); });
    connect(cmdCheckAll, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(cmdUncheckAll, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(cmdOK, &QPushButton::clicked, this, &frmListPackage::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmListPackage::Form_Load()
{
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("STATION..sp_Get_AdmPackages 7"));
        grdPackages->setRowCount(0);
        while (!rs.eof()) {
            const int row = grdPackages->rowCount();
            grdPackages->insertRow(row);
            grdPackages->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("Code")).trimmed()));
            grdPackages->setItem(row, 1, new QTableWidgetItem(rs.text(QStringLiteral("Description")).trimmed()));
            rs.moveNext();
        }
    });
}

bool frmListPackage::itemsMayBeUnticked() const
{
    const settings::clsSettings* s = app::ProgramSettings;
    return !s || (!s->NoPackageItemExclude() && !s->DontAllowINCPackage());
}

void frmListPackage::choosePackage(int row)
{
    if (row < 0 || row >= grdPackages->rowCount())
        return;
    const QString package = grdPackages->item(row, 0)->text();
    QList<ChargeLine> items;
    QStringList withoutStock;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(
            QStringLiteral("Select P.RevenueID,P.SummaryCode,P.ItemID,P.Quantity,Isnull(P.Amount,0) As Amount,P.LocationID,"
                           "P.PackageID, Isnull(M.ItemName, P.ItemID) As ItemName, Isnull(L.OnHand, 0) As OnHand, "
                           "Isnull(V.InventoryType, '') As InventoryType "
                           "From Build_File..tbCoPackageItems P "
                           "Left Join INVENTORY..tbInvMaster M On M.ItemID = P.ItemID "
                           "Left Join INVENTORY..tbInvItemLocation L On L.ItemID = P.ItemID And L.LocationID = P.LocationID "
                           "Left Join INVENTORY..tbInvLocation V On V.LocationID = P.LocationID "
                           "Where P.PackageID = ")
            + db::Quote(package) + QStringLiteral(" and NOT Isnull(P.LocationID,'') = '' Order By P.ItemID"));
        while (!rs.eof()) {
            ChargeLine line;
            line.departmentCode = rs.text(QStringLiteral("RevenueID")).trimmed();
            line.itemId = rs.text(QStringLiteral("ItemID")).trimmed();
            line.description = rs.text(QStringLiteral("ItemName")).trimmed();
            line.quantity = rs.field(QStringLiteral("Quantity")).toDecimal().value_or(db::Decimal::fromInteger(1));
            line.amount = rs.field(QStringLiteral("Amount")).toMoney();
            line.unitPrice = line.quantity.isZero()
                                 ? line.amount
                                 : db::Decimal::divide(line.amount, line.quantity, 2).value_or(line.amount);
            line.location = rs.text(QStringLiteral("LocationID")).trimmed();
            line.stockDepartment = rs.text(QStringLiteral("InventoryType")).trimmed().compare(QLatin1String("C"),
                                                                                                Qt::CaseInsensitive) == 0
                                       ? QStringLiteral("CS")
                                       : QStringLiteral("PH");
            line.packageId = package;
            if (rs.number(QStringLiteral("OnHand")) <= 0)
                withoutStock << line.description;
            else
                items << line;
            rs.moveNext();
        }
    });
    if (!read)
        return;
    for (const QString& name : withoutStock)
        shell::Notify(QStringLiteral("There is no stock left for ") + name
                      + QStringLiteral(". The item will not be included in the request."));
    packageId_ = package;
    items_ = items;
    const QSignalBlocker quiet(grdItems);
    grdItems->setRowCount(items.size());
    for (int r = 0; r < items.size(); ++r) {
        const ChargeLine& line = items.at(r);
        auto* tick = new QTableWidgetItem;
        tick->setFlags(itemsMayBeUnticked() ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsEnabled);
        tick->setCheckState(Qt::Checked);
        grdItems->setItem(r, 0, tick);
        grdItems->setItem(r, 1, new QTableWidgetItem(line.departmentCode));
        grdItems->setItem(r, 2, new QTableWidgetItem(line.itemId));
        grdItems->setItem(r, 3, new QTableWidgetItem(line.description));
        grdItems->setItem(r, 4, new QTableWidgetItem(QuantityText(line.quantity)));
        const bool hidePrice = app::ProgramSettings && app::ProgramSettings->HidePackageItemPrice();
        grdItems->setItem(r, 5, new QTableWidgetItem(hidePrice ? QString() : MoneyText(line.amount)));
    }
    updateGross();
}

void frmListPackage::checkAll(bool on)
{
    if (packageId_.isEmpty()) {
        shell::Notify(QStringLiteral("Please select package from the left pane."));
        return;
    }
    if (!on && !itemsMayBeUnticked())
        return;
    const QSignalBlocker quiet(grdItems);
    for (int r = 0; r < grdItems->rowCount(); ++r)
        grdItems->item(r, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    updateGross();
}

void frmListPackage::updateGross()
{
    db::Decimal gross;
    for (int r = 0; r < items_.size() && r < grdItems->rowCount(); ++r)
        if (grdItems->item(r, 0) && grdItems->item(r, 0)->checkState() == Qt::Checked)
            gross = db::Decimal::add(gross, items_.at(r).amount).value_or(gross);
    lblGross->setText(QStringLiteral("Gross: ") + GroupedMoneyText(gross));
}

void frmListPackage::cmdOK_Click()
{
    PackageChoice choice;
    choice.packageId = packageId_;
    for (int r = 0; r < items_.size(); ++r)
        (grdItems->item(r, 0)->checkState() == Qt::Checked ? choice.ticked : choice.unticked) << items_.at(r);
    if (choice.ticked.isEmpty()) {
        shell::Notify(QStringLiteral("Please select package items."));
        return;
    }
    bool samePackage = false, otherPackage = false, nonPackage = false;
    for (const ChargeLine& line : SourceLines) {
        if (line.packageId.isEmpty())
            nonPackage = true;
        else if (line.packageId == packageId_)
            samePackage = true;
        else
            otherPackage = true;
    }
    if (app::ProgramSettings && app::ProgramSettings->DontMixPackages()) {
        if (nonPackage) {
            shell::Notify(QStringLiteral("Please don't mix non-package and package items."));
            return;
        }
        if (otherPackage) {
            shell::Notify(QStringLiteral("Please don't mix two or more packages in a single chargeslip."));
            return;
        }
    }
    if (samePackage) {
        shell::Notify(QStringLiteral("Package was previously added to the list of charges."));
        return;
    }
    Choice = choice;
    accept();
}

} // namespace charging
