#include "patients/RecordTable.h"

#include "db/Recordset.h"
#include "patients/PatientListModel.h"

#include <QHeaderView>
#include <QLocale>
#include <QStandardItemModel>

namespace patients {

RecordTable::RecordTable(const char* objectName, std::vector<Column> columns, QWidget* parent)
    : QTableView(parent), columns_(std::move(columns))
{
    setObjectName(QLatin1String(objectName));
    model_ = new QStandardItemModel(0, static_cast<int>(columns_.size()), this);
    QStringList headings;
    for (const Column& c : columns_)
        headings << c.heading;
    model_->setHorizontalHeaderLabels(headings);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i)
        setColumnWidth(i, columns_[static_cast<size_t>(i)].width);
}

void RecordTable::clear()
{
    model_->removeRows(0, model_->rowCount());
}

void RecordTable::fill(const db::Recordset& rows)
{
    clear();
    if (rows.resultSetCount() == 0)
        return;
    const QLocale locale;
    db::Recordset cursor = rows;
    for (cursor.moveFirst(); !cursor.eof(); cursor.moveNext()) {
        QList<QStandardItem*> cells;
        for (const Column& c : columns_) {
            const QString value = cursor.hasField(c.field) ? cursor.text(c.field).trimmed() : QString();
            auto* cell = new QStandardItem;
            switch (c.kind) {
            case Kind::Text:
                cell->setText(value);
                break;
            case Kind::Date:
                cell->setText(GridDateText(value));
                break;
            case Kind::Number:
                cell->setText(value.isEmpty() ? QString() : locale.toString(value.toDouble(), 'g', 12));
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                break;
            case Kind::Amount:
                cell->setText(value.isEmpty() ? QString() : locale.toString(value.toDouble(), 'f', 2));
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                break;
            }
            cells << cell;
        }
        model_->appendRow(cells);
    }
}

int RecordTable::rowCount() const
{
    return model_->rowCount();
}

QString RecordTable::text(int row, const QString& field) const
{
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i)
        if (columns_[static_cast<size_t>(i)].field.compare(field, Qt::CaseInsensitive) == 0)
            return model_->index(row, i).data().toString();
    return QString();
}

} // namespace patients
