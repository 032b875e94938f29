#include "patients/PatientGrid.h"

#include "patients/PatientListModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace patients {

namespace {

// Column widths in twips, as the lists lay them out; fifteen twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kWidths[PatientListModel::ColumnCount] = {240, 960, 960, 3840, 2160, 2160, 2160, 1, 1};
// The cell's margins and grid line around its text.
constexpr int kCellPadding = 18;
// Texts up to this many characters shorter than the longest are measured too
// (a proportional font draws "WM" wider than "il").
constexpr int kLengthSlack = 3;
constexpr int kMeasuredTexts = 60;
// A pathological value must not push the rest of the list off the window.
constexpr int kMaxColumnWidth = 520;

} // namespace

PatientGrid::PatientGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("MSHFlexList"));
    model_ = new PatientListModel(this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    // The billing date, the last column shown, takes what room is left.
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < PatientListModel::ColumnCount; ++column)
        setColumnWidth(column, kWidths[column] / kTwipsPerPixel);
    horizontalHeader()->setSectionResizeMode(PatientListModel::Marker, QHeaderView::Fixed);
    // The two data columns are one twip wide: nothing of them shows.
    setColumnHidden(PatientListModel::CashBasis, true);
    setColumnHidden(PatientListModel::Precaution, true);

    emptyText_ = new QLabel(viewport());
    emptyText_->setObjectName(QStringLiteral("lblEmptyList"));
    emptyText_->setAlignment(Qt::AlignCenter);
    emptyText_->setStyleSheet(QStringLiteral("color: palette(mid); font-style: italic;"));
    emptyText_->hide();

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        model_->setCurrentRow(current.isValid() ? current.row() : -1);
        if (current.isValid())
            emit EnterCell(current.row());
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit Click(index.row());
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit DblClick(index.row());
    });
}

int PatientGrid::Rows() const
{
    return model_->rowCount() + 1;
}

int PatientGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void PatientGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    // The marker shows the current row; the row is highlighted once it is clicked.
    selectionModel()->setCurrentIndex(model_->index(row, PatientListModel::HospitalNumber), QItemSelectionModel::NoUpdate);
}

void PatientGrid::setEmptyText(const QString& text)
{
    emptyText_->setText(text);
}

void PatientGrid::listReloaded()
{
    emptyText_->setVisible(model_->recordCount() == 0 && !emptyText_->text().isEmpty());
    placeEmptyText();
    // A new list starts on its first row, as a freshly bound grid does.
    selectionModel()->clearCurrentIndex();
    setCurrentRow(0);
    scrollToTop();
    fitColumns();
}

int PatientGrid::minimumColumnWidth(int column) const
{
    const QFontMetrics metrics = fontMetrics();
    const int padding = kCellPadding;
    switch (column) {
    case PatientListModel::Marker:
        return kWidths[column] / kTwipsPerPixel;
    case PatientListModel::HospitalNumber:
        return metrics.horizontalAdvance(QStringLiteral("000000000")) + padding;
    case PatientListModel::AdmissionNumber:
        return metrics.horizontalAdvance(QStringLiteral("000000000B")) + padding;
    case PatientListModel::PatientName:
        return kWidths[column] / kTwipsPerPixel;
    case PatientListModel::AdmissionDate:
    case PatientListModel::DischargeDate:
    case PatientListModel::BillingDate:
        return metrics.horizontalAdvance(QStringLiteral("12/31/2026 12:59 PM")) + padding;
    default:
        return 0;
    }
}

void PatientGrid::fitColumns()
{
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics headingMetrics = horizontalHeader()->fontMetrics();
    for (int column = PatientListModel::HospitalNumber; column <= PatientListModel::BillingDate; ++column) {
        int width = std::max(minimumColumnWidth(column),
                             headingMetrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                                 kCellPadding);
        // Dates are printed in one format, which the minimum already fits;
        // numbers and names are measured, but only their longest texts (a
        // station list may hold thousands of rows).
        if (column == PatientListModel::HospitalNumber || column == PatientListModel::AdmissionNumber
            || column == PatientListModel::PatientName)
            for (const QString& text : model_->longestTexts(column, kLengthSlack, kMeasuredTexts))
                width = std::max(width, metrics.horizontalAdvance(text) + kCellPadding);
        setColumnWidth(column, std::min(width, kMaxColumnWidth));
    }
}

void PatientGrid::keyPressEvent(QKeyEvent* event)
{
    // Enter on a row selects the patient and opens the chart, as a click
    // followed by a double click would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex current = currentIndex();
        if (current.isValid()) {
            emit Click(current.row());
            emit DblClick(current.row());
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void PatientGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeEmptyText();
}

void PatientGrid::placeEmptyText()
{
    const int top = verticalHeader()->defaultSectionSize();
    emptyText_->setGeometry(0, top + 6, viewport()->width(), fontMetrics().height() * 2);
}

} // namespace patients
