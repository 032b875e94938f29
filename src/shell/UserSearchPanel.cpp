#include "shell/UserSearchPanel.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shell {

UserSearchPanel::UserSearchPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("UserSearchPanel"));

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Employee code or name"));
    txtSearch->setClearButtonEnabled(true);
    optSearchBy[0] = new QRadioButton(QStringLiteral("Code"), this);
    optSearchBy[0]->setObjectName(QStringLiteral("optSearchBy_0"));
    optSearchBy[1] = new QRadioButton(QStringLiteral("Name"), this);
    optSearchBy[1]->setObjectName(QStringLiteral("optSearchBy_1"));
    optSearchBy[1]->setChecked(true);
    cmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setAutoDefault(false);

    grdUsers = new QTableWidget(0, 3, this);
    grdUsers->setObjectName(QStringLiteral("grdUsers"));
    grdUsers->setHorizontalHeaderLabels({QStringLiteral("Employee Code"), QStringLiteral("Employee Name"), QStringLiteral("Position ")});
    grdUsers->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    grdUsers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdUsers->setAlternatingRowColors(true);
    grdUsers->setWordWrap(false);
    grdUsers->verticalHeader()->hide();
    grdUsers->verticalHeader()->setDefaultSectionSize(grdUsers->fontMetrics().height() + 10);
    grdUsers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdUsers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdUsers->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(8);
    bar->addWidget(txtSearch, 1);
    bar->addWidget(optSearchBy[0]);
    bar->addWidget(optSearchBy[1]);
    bar->addWidget(cmdSearch);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(bar);
    layout->addWidget(grdUsers, 1);

    connect(cmdSearch, &QPushButton::clicked, this, &UserSearchPanel::search);
    connect(txtSearch, &QLineEdit::returnPressed, this, &UserSearchPanel::search);
    connect(grdUsers, &QTableWidget::currentCellChanged, this, [this] {
        const QString code = selectedCode();
        if (code == lastChosen_)
            return;
        lastChosen_ = code;
        emit userChosen(code);
    });
    connect(grdUsers, &QTableWidget::cellActivated, this, [this] {
        if (!selectedCode().isEmpty())
            emit userActivated(selectedCode());
    });
}

QString UserSearchPanel::mode() const
{
    return optSearchBy[0]->isChecked() ? ByCode : ByName;
}

void UserSearchPanel::search()
{
    grdUsers->setRowCount(0);
    try {
        db::Recordset rs = app::SQLConnection()->open(QStringLiteral("STATION..spNurse_SearchNurseUsers ") +
                                                      db::Quote(txtSearch->text().trimmed()) + QLatin1Char(',') +
                                                      db::Quote(mode()));
        for (; !rs.eof(); rs.moveNext()) {
            const int row = grdUsers->rowCount();
            grdUsers->insertRow(row);
            grdUsers->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("EmployeeCode"))));
            grdUsers->setItem(row, 1, new QTableWidgetItem(rs.text(QStringLiteral("EmployeeName"))));
            grdUsers->setItem(row, 2, new QTableWidgetItem(rs.text(QStringLiteral("Position"))));
        }
    } catch (const db::DbError& e) {
        Notify(e.message(), PromptIcon::Critical);
    }
    if (grdUsers->rowCount() > 0)
        grdUsers->setCurrentCell(0, 0);
    else if (!lastChosen_.isEmpty()) {
        lastChosen_.clear();
        emit userChosen(QString());
    }
}

QString UserSearchPanel::selectedCode() const
{
    const int row = grdUsers->currentRow();
    return row >= 0 && grdUsers->item(row, 0) ? grdUsers->item(row, 0)->text() : QString();
}

QString UserSearchPanel::selectedName() const
{
    const int row = grdUsers->currentRow();
    return row >= 0 && grdUsers->item(row, 1) ? grdUsers->item(row, 1)->text() : QString();
}

} // namespace shell
