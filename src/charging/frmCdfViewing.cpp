#include "charging/frmCdfViewing.h"

#include "charging/ChargePricing.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

namespace {

QString depositsOf(const QString& idNum)
{
    return QStringLiteral(" FROM BILLING..tbBillDeposit WHERE IDNum = ") + db::Quote(idNum.trimmed())
           + QStringLiteral(" AND ISNULL(Status, 'A') <> 'C'");
}

} // namespace

QList<DepositLine> ReadDeposits(db::Connection& c, const QString& idNum)
{
    QList<DepositLine> lines;
    db::Recordset rs = c.open(QStringLiteral("SELECT ORNumber, DepositDate, Amount, Remarks") + depositsOf(idNum)
                              + QStringLiteral(" ORDER BY DepositDate, ORNumber"));
    for (; !rs.eof(); rs.moveNext()) {
        DepositLine line;
        line.orNumber = rs.text(QStringLiteral("ORNumber")).trimmed();
        line.date = rs.field(QStringLiteral("DepositDate")).value().toDateTime();
        line.amount = rs.field(QStringLiteral("Amount")).toMoney();
        line.remarks = rs.text(QStringLiteral("Remarks")).trimmed();
        lines << line;
    }
    return lines;
}

bool HasDeposits(db::Connection& c, const QString& idNum)
{
    return !idNum.trimmed().isEmpty() && !c.open(QStringLiteral("SELECT TOP 1 1") + depositsOf(idNum)).eof();
}

frmCdfViewing::frmCdfViewing(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCdfViewing"));
    setWindowTitle(QStringLiteral("CDF Viewing"));
    auto* root = new QVBoxLayout(this);
    auto* head = new QFormLayout;
    txtPatient = new QLineEdit(this);
    txtPatient->setObjectName(QStringLiteral("txtPatient"));
    txtId = new QLineEdit(this);
    txtId->setObjectName(QStringLiteral("txtId"));
    for (QLineEdit* box : {txtPatient, txtId})
        box->setReadOnly(true);
    head->addRow(QStringLiteral("Patient"), txtPatient);
    head->addRow(QStringLiteral("Admission No."), txtId);
    root->addLayout(head);

    grdDeposits = new QTableWidget(0, 4, this);
    grdDeposits->setObjectName(QStringLiteral("grdDeposits"));
    grdDeposits->setHorizontalHeaderLabels(
        {QStringLiteral("O.R. Number"), QStringLiteral("Date"), QStringLiteral("Amount"), QStringLiteral("Remarks")});
    grdDeposits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDeposits->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDeposits->verticalHeader()->hide();
    grdDeposits->horizontalHeader()->setStretchLastSection(true);
    grdDeposits->setMinimumSize(520, 200);
    root->addWidget(grdDeposits, 1);

    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    root->addWidget(lblTotal);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    root->addLayout(shell::StationLook::ButtonRow({cmdClose}));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

bool frmCdfViewing::Form_Load(const QString& idNum, const QString& patientName)
{
    txtPatient->setText(patientName);
    txtId->setText(idNum);
    QList<DepositLine> lines;
    db::Decimal total;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            lines = ReadDeposits(c, idNum);
            for (const DepositLine& line : lines) {
                const std::optional<db::Decimal> sum = db::Decimal::add(total, line.amount);
                if (!sum)
                    throw db::DbError(QStringLiteral("Arithmetic overflow error converting expression to data type money."));
                total = *sum;
            }
        }))
        return false;
    grdDeposits->setRowCount(int(lines.size()));
    total_ = total;
    for (int r = 0; r < lines.size(); ++r) {
        const DepositLine& line = lines.at(r);
        auto* amount = new QTableWidgetItem(GroupedMoneyText(line.amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdDeposits->setItem(r, 0, new QTableWidgetItem(line.orNumber));
        grdDeposits->setItem(r, 1, new QTableWidgetItem(line.date.toString(QStringLiteral("MM/dd/yyyy hh:mm AP"))));
        grdDeposits->setItem(r, 2, amount);
        grdDeposits->setItem(r, 3, new QTableWidgetItem(line.remarks));
    }
    grdDeposits->resizeColumnsToContents();
    lblTotal->setText(QStringLiteral("Total Deposit: Php ") + GroupedMoneyText(total_));
    return true;
}

} // namespace charging
