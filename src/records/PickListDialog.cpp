#include "records/PickListDialog.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace records {

PickListDialog::PickListDialog(const QString& objectName, const QString& title, const QStringList& headers, Reader reader,
                               QWidget* parent)
    : QDialog(parent)
    , reader_(std::move(reader))
{
    setObjectName(objectName);
    setWindowTitle(title);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    grdList = new QTableWidget(0, headers.size(), this);
    grdList->setObjectName(QStringLiteral("grdList"));
    grdList->setHorizontalHeaderLabels(headers);
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->horizontalHeader()->setStretchLastSection(true);
    grdList->verticalHeader()->hide();
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(shell::StationLook::Small);
    layout->addWidget(new QLabel(QStringLiteral("Search:"), this));
    layout->addWidget(txtSearch);
    layout->addWidget(grdList, 1);
    layout->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}, false));
    resize(640, 420);

    connect(txtSearch, &QLineEdit::returnPressed, this, [this] {
        if (grdList->rowCount() > 0 && grdList->currentRow() >= 0)
            take();
        else
            search(txtSearch->text());
    });
    connect(txtSearch, &QLineEdit::textEdited, this, &PickListDialog::search);
    connect(grdList, &QTableWidget::cellDoubleClicked, this, [this] { take(); });
    connect(cmdOK, &QPushButton::clicked, this, &PickListDialog::take);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PickListDialog::search(const QString& text)
{
    if (txtSearch->text() != text)
        txtSearch->setText(text);
    try {
        rows_ = reader_(text.trimmed());
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
        rows_.clear();
    }
    grdList->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        for (int c = 0; c < grdList->columnCount(); ++c)
            grdList->setItem(r, c, new QTableWidgetItem(rows_[r].value(c)));
    grdList->resizeColumnsToContents();
    if (!rows_.empty())
        grdList->selectRow(0);
}

int PickListDialog::rowCount() const
{
    return grdList->rowCount();
}

void PickListDialog::take()
{
    const int row = grdList->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    picked_ = rows_[row];
    accept();
}

namespace {

PickListDialog::Rows Read(const QString& sql, int columns)
{
    PickListDialog::Rows rows;
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return rows;
    db::Recordset rs = connection->open(sql);
    for (; !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << rs.field(c).text();
        rows.push_back(row);
    }
    return rows;
}

} // namespace

frmPHICRVS::frmPHICRVS(QWidget* parent)
    : PickListDialog(QStringLiteral("frmPHICRVS"), QStringLiteral("Relative Value Scale"),
                     {QStringLiteral("RUV Code (PHIC)"), QStringLiteral("RUV Description"), QStringLiteral("RUV Points")},
                     [](const QString& search) {
                         return Read(QStringLiteral("SELECT TOP 200 node_key, description, Unit FROM MEDICARE..tbmedrvs "
                                                    "WHERE node_key LIKE %1 OR description LIKE %2 ORDER BY node_key")
                                         .arg(db::LikeStartingWith(search), db::LikeContaining(search)),
                                     3);
                     },
                     parent)
{
}

std::optional<RvsChoice> ShowRVSList(const QString& search, QWidget* parent)
{
    frmPHICRVS dialog(parent);
    dialog.search(search);
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted || dialog.RVSCode().isEmpty())
        return std::nullopt;
    return RvsChoice{dialog.RVSCode(), dialog.RVSDescription(), dialog.RVSPoints()};
}

std::optional<StaffChoice> PickStaff(const QString& search, QWidget* parent)
{
    PickListDialog dialog(QStringLiteral("frmStaffPicker"), QStringLiteral("Operating Room Staff"),
                          {QStringLiteral("Employee ID"), QStringLiteral("Name"), QStringLiteral("Position")},
                          [](const QString& text) {
                              return Read(QStringLiteral("SELECT M.EmployeeID, M.lastname + ', ' + M.firstname AS Name, M.Position "
                                                         "FROM PASSWORD..tbpasswordmain M INNER JOIN PASSWORD..tbPasswordMaster D "
                                                         "ON D.EmployeeID = M.EmployeeID WHERE D.DepartmentID = '29' AND "
                                                         "(M.EmployeeID LIKE %1 OR M.lastname LIKE %1) ORDER BY M.lastname, M.firstname")
                                              .arg(db::LikeStartingWith(text)),
                                          3);
                          },
                          parent);
    dialog.search(search);
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted || dialog.picked().isEmpty())
        return std::nullopt;
    return StaffChoice{dialog.picked().value(0), dialog.picked().value(1)};
}

} // namespace records
