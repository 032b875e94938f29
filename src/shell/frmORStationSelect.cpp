#include "shell/frmORStationSelect.h"

#include "db/Connection.h"
#include "shell/Globals.h"
#include "shell/ProgramVersion.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shell {

namespace {

// Grid widths were laid out in twips (15 to a pixel on the station's screens).
int twips(int value)
{
    return value / 15;
}

} // namespace

frmORStationSelect::frmORStationSelect(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmORStationSelect"));
    setWindowTitle(QStringLiteral("KELVANE ER MODULE ") + ProgramVersionText());
    setAttribute(Qt::WA_DeleteOnClose);

    lblHint_ = new QLabel(tr("Double-click the station you are working at."), this);
    lblHint_->setObjectName(QStringLiteral("lblHint"));

    mshStations = new QTableWidget(0, 3, this);
    mshStations->setObjectName(QStringLiteral("mshStations"));
    mshStations->setHorizontalHeaderLabels({QString(), QStringLiteral("StationID"), QStringLiteral("Station")});
    mshStations->verticalHeader()->hide();
    mshStations->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshStations->setSelectionMode(QAbstractItemView::SingleSelection);
    mshStations->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshStations->setAlternatingRowColors(true);
    mshStations->horizontalHeader()->setStretchLastSection(true);
    mshStations->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mshStations->setColumnWidth(0, twips(0));
    mshStations->setColumnHidden(0, true);
    mshStations->setColumnWidth(1, twips(1000));
    mshStations->setColumnWidth(2, twips(3000));
    connect(mshStations, &QTableWidget::cellDoubleClicked, this, [this] { mshStations_DblClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(lblHint_);
    layout->addWidget(mshStations, 1);
    resize(440, 300);

    Form_Load();
}

void frmORStationSelect::Form_Load()
{
    db::Recordset rs = app::SQLConnection()->open(
        QStringLiteral("SELECT StationID, Station FROM BUILD_FILE..TBCOSTATION WHERE DepartmentCode = '17'"));
    mshStations->setRowCount(0);
    for (; !rs.eof(); rs.moveNext()) {
        const int row = mshStations->rowCount();
        mshStations->insertRow(row);
        mshStations->setItem(row, 0, new QTableWidgetItem());
        mshStations->setItem(row, 1, new QTableWidgetItem(rs.text(QStringLiteral("StationID"))));
        mshStations->setItem(row, 2, new QTableWidgetItem(rs.text(QStringLiteral("Station"))));
    }
}

void frmORStationSelect::mshStations_DblClick()
{
    const int row = mshStations->currentRow();
    if (row < 0)
        return;
    auto cell = [&](int column) {
        const QTableWidgetItem* item = mshStations->item(row, column);
        return item ? item->text().trimmed() : QString();
    };
    app::ORStationID = cell(1);
    app::ORStationName = cell(2);
    emit stationChosen(app::ORStationID, app::ORStationName);
    // Inside the main window the frame closes with the form.
    close();
}

} // namespace shell
