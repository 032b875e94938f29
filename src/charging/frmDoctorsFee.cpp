#include "charging/frmDoctorsFee.h"

#include "charging/ChargePricing.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

frmDoctorsFee::frmDoctorsFee(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDoctorsFee"));
    auto* root = new QVBoxLayout(this);
    grdFees = new QTableWidget(0, 2, this);
    grdFees->setObjectName(QStringLiteral("grdFees"));
    grdFees->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Amount")});
    grdFees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFees->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFees->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFees->verticalHeader()->hide();
    grdFees->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    root->addWidget(grdFees, 1);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    root->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}));
    resize(460, 300);
    connect(cmdOK, &QPushButton::clicked, this, &frmDoctorsFee::cmdOK_Click);
    connect(grdFees, &QTableWidget::cellDoubleClicked, this, &frmDoctorsFee::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmDoctorsFee::Form_Load(const QString& doctorId, const QString& doctorName)
{
    setWindowTitle(QStringLiteral("List of Professional Fees of ") + doctorName);
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("Select Description,Amount from BUILD_FILE..tbCoDoctorBill Where DoctorID =")
                                  + db::Quote(doctorId) + QStringLiteral(" and Status = 1  and Amount >0 Order By Description"));
        grdFees->setRowCount(0);
        while (!rs.eof()) {
            const int row = grdFees->rowCount();
            grdFees->insertRow(row);
            grdFees->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("Description")).trimmed()));
            auto* amount = new QTableWidgetItem(MoneyText(rs.field(QStringLiteral("Amount")).toMoney()));
            amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdFees->setItem(row, 1, amount);
            rs.moveNext();
        }
        if (grdFees->rowCount() > 0)
            grdFees->selectRow(0);
    });
}

void frmDoctorsFee::cmdOK_Click()
{
    const int row = grdFees->currentRow();
    if (row < 0)
        return;
    SelectedDescription = grdFees->item(row, 0)->text();
    SelectedDoctorFee = db::Decimal::parse(grdFees->item(row, 1)->text()).value_or(db::Decimal());
    accept();
}

} // namespace charging
