#include "scheduling/frmStaff.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace scheduling {

frmStaff::frmStaff(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStaff"));
    setWindowTitle(QStringLiteral("Staff"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(shell::StationLook::Small);
    auto* searchRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Name:"), this);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    label->setBuddy(txtSearch);
    searchRow->addWidget(label);
    searchRow->addWidget(txtSearch, 1);
    layout->addLayout(searchRow);

    grdStaff = new QTableWidget(0, 3, this);
    grdStaff->setObjectName(QStringLiteral("grdStaff"));
    grdStaff->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Position")});
    grdStaff->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdStaff->setSelectionMode(QAbstractItemView::SingleSelection);
    grdStaff->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdStaff->verticalHeader()->hide();
    grdStaff->horizontalHeader()->setStretchLastSection(true);
    grdStaff->setColumnWidth(0, 90);
    grdStaff->setColumnWidth(1, 220);
    layout->addWidget(grdStaff, 1);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}, false));
    resize(520, 420);

    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString& text) { LoadStaff(text); });
    connect(grdStaff, &QTableWidget::cellDoubleClicked, this, [this] { cmdOK_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmStaff::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmStaff::LoadStaff(const QString& search)
{
    grdStaff->setRowCount(0);
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        QString sql = QStringLiteral("SELECT EmployeeID, LTRIM(RTRIM(ISNULL(lastname, ''))) + ', ' + LTRIM(RTRIM(ISNULL(firstname, ''))) "
                                     "AS Name, ISNULL(Position, '') AS Position FROM PASSWORD..tbpasswordmain "
                                     "WHERE ISNULL(Status, 'A') = 'A' ");
        if (!search.trimmed().isEmpty())
            sql += QStringLiteral("AND (lastname LIKE %1 OR firstname LIKE %1) ").arg(db::LikeStartingWith(search.trimmed()));
        sql += QStringLiteral("ORDER BY lastname, firstname");
        for (db::Recordset rs = c.open(sql); !rs.eof(); rs.moveNext()) {
            const int row = grdStaff->rowCount();
            grdStaff->insertRow(row);
            grdStaff->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("EmployeeID"))));
            grdStaff->setItem(row, 1, new QTableWidgetItem(rs.text(QStringLiteral("Name"))));
            grdStaff->setItem(row, 2, new QTableWidgetItem(rs.text(QStringLiteral("Position"))));
        }
    });
}

void frmStaff::cmdOK_Click()
{
    const int row = grdStaff->currentRow();
    if (row < 0) {
        shell::Notify(QStringLiteral("Please select a name from the list."));
        return;
    }
    PickedID = grdStaff->item(row, 0)->text().trimmed();
    PickedName = grdStaff->item(row, 1)->text().trimmed();
    accept();
}

bool frmStaff::Pick(QString& id, QString& name, QWidget* parent)
{
    frmStaff picker(parent);
    if (!picker.LoadStaff(QString()))
        return false;
    if (shell::Prompts::current().exec(picker) != QDialog::Accepted)
        return false;
    id = picker.PickedID;
    name = picker.PickedName;
    return true;
}

} // namespace scheduling
