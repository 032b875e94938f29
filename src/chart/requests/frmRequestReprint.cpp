#include "chart/requests/frmRequestReprint.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/UserValidation.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::requests {

namespace {

QTableWidget* grid(const char* name, const QStringList& headers)
{
    auto* g = new QTableWidget(0, headers.size());
    g->setObjectName(QLatin1String(name));
    g->setHorizontalHeaderLabels(headers);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void put(QTableWidget* g, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        g->setItem(row, c, new QTableWidgetItem(cells.at(c)));
}

} // namespace

frmRequestReprint::frmRequestReprint(const ChartPatient& patient, QWidget* parent) : QDialog(parent), patient_(patient)
{
    setObjectName(QStringLiteral("frmRequestReprint"));
    mshPerTransaction = grid("mshPerTransaction", {QStringLiteral("#"), QStringLiteral("Date/Time Requested"),
                                                    QStringLiteral("Requesting Nurse"), QStringLiteral("No. of Items")});
    mshDetailed = grid("mshDetailed", {QStringLiteral("#"), QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Frequency"),
                                       QStringLiteral("Quantity"), QStringLiteral("Remarks")});
    mshDetailed->setColumnWidth(2, 260);
    cmdPrint = new QPushButton(QStringLiteral("&Reprint"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("&Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mshPerTransaction, 2);
    layout->addWidget(mshDetailed, 3);
    layout->addLayout(shell::StationLook::ButtonRow({cmdPrint, cmdClose}));
    resize(820, 480);
    connect(mshPerTransaction, &QTableWidget::currentCellChanged, this, [this](int row) { mshPerTransaction_Click(row); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (cmdPrint_Click())
            accept();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmRequestReprint::FormTitle(const QString& revenueId)
{
    return revenueId.trimmed().compare(QLatin1String("CS"), Qt::CaseInsensitive) == 0 ? QStringLiteral("CENTRAL SUPPLIES REQUEST FORM")
                                                                                      : QStringLiteral("PHARMACY REQUEST FORM");
}

bool frmRequestReprint::Form_Load()
{
    setWindowTitle(FormTitle(RevenueID));
    mshPerTransaction->setRowCount(0);
    mshDetailed->setRowCount(0);
    transactions_.clear();
    items_.clear();
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        for (db::Recordset rs = c.open(QStringLiteral("STATION..GetRequestByRevenueID ") + db::Quote(patient_.idNum) + QLatin1Char(',')
                                       + db::Quote(RevenueID));
             !rs.eof(); rs.moveNext()) {
            const QString request = rs.text(QStringLiteral("RequestNum")).trimmed();
            items_.push_back(Item{request, rs.text(QStringLiteral("Code")).trimmed(), rs.text(QStringLiteral("Description")).trimmed(),
                                  rs.text(QStringLiteral("Frequency")).trimmed(), rs.text(QStringLiteral("Quantity")).trimmed(),
                                  rs.text(QStringLiteral("Remarks")).trimmed()});
            if (!transactions_.empty() && transactions_.back() == request) {
                QTableWidgetItem* count = mshPerTransaction->item(mshPerTransaction->rowCount() - 1, 3);
                count->setText(QString::number(count->text().toInt() + 1));
                continue;
            }
            transactions_.push_back(request);
            const int row = mshPerTransaction->rowCount();
            mshPerTransaction->insertRow(row);
            put(mshPerTransaction, row, {QString::number(row + 1),
                                         rs.field(QStringLiteral("RequestDate")).toDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP")),
                                         rs.text(QStringLiteral("RequestedBy")).trimmed(), QStringLiteral("1")});
        }
        mshPerTransaction->setCurrentCell(-1, -1);
    });
}

void frmRequestReprint::mshPerTransaction_Click(int row)
{
    mshDetailed->setRowCount(0);
    if (row < 0 || row >= static_cast<int>(transactions_.size()))
        return;
    for (const Item& item : items_) {
        if (item.requestNum != transactions_[static_cast<size_t>(row)])
            continue;
        const int at = mshDetailed->rowCount();
        mshDetailed->insertRow(at);
        put(mshDetailed, at, {QString::number(at + 1), item.code, item.description, item.frequency, item.quantity, item.remarks});
    }
}

bool frmRequestReprint::cmdPrint_Click()
{
    const int row = mshPerTransaction->currentRow();
    if (row < 0 || row >= static_cast<int>(transactions_.size())) {
        shell::Notify(QStringLiteral("Please select request transaction to reprint."));
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Request form was not reprinted! ") + QStringLiteral("\r\n")
                                    + QStringLiteral("Do you want to reprint the request form?")))
        return false;
    const QString title = FormTitle(RevenueID);
    if (!reports::OpenReport(QStringLiteral("\\Reports\\PHCSRequest.RPT"),
                             {patient_.idNum, RevenueID.trimmed().toUpper(), transactions_[static_cast<size_t>(row)], title}))
        return false;
    return reports::ShowReport(false, title);
}

} // namespace chart::requests
