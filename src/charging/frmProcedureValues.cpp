#include "charging/frmProcedureValues.h"

#include "db/Connection.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace charging {

frmProcedureValues::frmProcedureValues(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProcedureValues"));
    setWindowTitle(QStringLiteral("RUV Codes"));
    auto* root = new QVBoxLayout(this);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Procedure or code"));
    root->addWidget(txtSearch);
    grdList = new QTableWidget(0, 3, this);
    grdList->setObjectName(QStringLiteral("grdList"));
    grdList->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Procedure"), QStringLiteral("RUV Code")});
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->verticalHeader()->hide();
    grdList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    root->addWidget(grdList, 1);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    root->addLayout(shell::StationLook::ButtonRow({cmdClose}, false));
    resize(620, 420);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmProcedureValues::txtSearch_Change);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

bool frmProcedureValues::Form_Load()
{
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("Select OtherRevenueID, OtherRevenue, isnull(RVSCode,'') AS RVSCode "
                                                 "From BUILD_FILE..TbCoOtherRevenue Where OtherSectionID = 'OR' "
                                                 "And isnull(Status,'A') = 'A' Order By OtherRevenue"));
        grdList->setRowCount(0);
        while (!rs.eof()) {
            const int row = grdList->rowCount();
            grdList->insertRow(row);
            grdList->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("OtherRevenueID")).trimmed()));
            grdList->setItem(row, 1, new QTableWidgetItem(rs.text(QStringLiteral("OtherRevenue")).trimmed()));
            grdList->setItem(row, 2, new QTableWidgetItem(rs.text(QStringLiteral("RVSCode")).trimmed()));
            rs.moveNext();
        }
    });
}

void frmProcedureValues::txtSearch_Change()
{
    const QString text = txtSearch->text().trimmed();
    for (int row = 0; row < grdList->rowCount(); ++row) {
        bool match = text.isEmpty();
        for (int column = 0; column < 3 && !match; ++column)
            match = grdList->item(row, column)->text().contains(text, Qt::CaseInsensitive);
        grdList->setRowHidden(row, !match);
    }
}

} // namespace charging
