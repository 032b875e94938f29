#include "components/frmCodeSearch.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace components {

namespace {

constexpr int RowIndexRole = Qt::UserRole + 1;

} // namespace

frmCodeSearch::frmCodeSearch(const ListingDef& listing, QList<QVariantMap> rows, const QString& searchText, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows))
{
    setObjectName(QStringLiteral("frmCodeSearch"));
    setWindowTitle(listing.title);
    setModal(true);

    txtSearch = new QLineEdit;
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Type a code or part of a name"));
    txtSearch->setClearButtonEnabled(true);

    model_ = new QStandardItemModel(this);
    QStringList headers;
    for (const ListingDef::Column& c : listing.columns)
        headers << c.header;
    model_->setHorizontalHeaderLabels(headers);
    const QLocale locale;
    for (int r = 0; r < rows_.size(); ++r) {
        QList<QStandardItem*> cells;
        for (const ListingDef::Column& c : listing.columns) {
            const QVariant value = rows_[r].value(c.field);
            auto* cell = new QStandardItem(c.money ? locale.toString(value.toDouble(), 'f', 2) : value.toString().trimmed());
            if (c.money)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setEditable(false);
            cells << cell;
        }
        cells.front()->setData(r, RowIndexRole);
        model_->appendRow(cells);
    }
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(model_);
    filter_->setFilterKeyColumn(-1);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    grdListing = new QTableView;
    grdListing->setObjectName(QStringLiteral("grdListing"));
    grdListing->setModel(filter_);
    grdListing->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdListing->setSelectionMode(QAbstractItemView::SingleSelection);
    grdListing->setAlternatingRowColors(true);
    grdListing->setShowGrid(false);
    grdListing->verticalHeader()->hide();
    grdListing->verticalHeader()->setDefaultSectionSize(grdListing->fontMetrics().height() + 8);
    // The name takes the room; codes, sections and prices keep to their width.
    QHeaderView* header = grdListing->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (listing.columns.size() > 1)
        header->setSectionResizeMode(1, QHeaderView::Stretch);

    lblCount = new QLabel;
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setStyleSheet(QStringLiteral("color: palette(dark);"));
    cmdSelect = new QPushButton(QStringLiteral("&Select"));
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblCount, 1);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(txtSearch);
    layout->addWidget(grdListing, 1);
    layout->addLayout(bottom);
    resize(640, 440);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmCodeSearch::applyFilter);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmCodeSearch::cmdSelect_Click);
    connect(grdListing, &QTableView::doubleClicked, this, &frmCodeSearch::cmdSelect_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmCodeSearch::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtSearch->installEventFilter(this);

    txtSearch->setText(searchText.trimmed());
    applyFilter(txtSearch->text());
    txtSearch->setFocus();
}

int frmCodeSearch::visibleRows() const
{
    return filter_->rowCount();
}

void frmCodeSearch::applyFilter(const QString& text)
{
    filter_->setFilterFixedString(text.trimmed());
    const int count = filter_->rowCount();
    lblCount->setText(count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count));
    if (count > 0)
        grdListing->selectRow(0);
    cmdSelect->setEnabled(count > 0);
}

void frmCodeSearch::cmdSelect_Click()
{
    const QModelIndex current = grdListing->currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex first = filter_->mapToSource(filter_->index(current.row(), 0));
    chosen_ = rows_.value(model_->data(first, RowIndexRole).toInt());
    accept();
}

bool frmCodeSearch::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down in the search box move through the grid, so the hands stay on the keys.
    if (watched == txtSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(grdListing, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace components
