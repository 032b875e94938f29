#include "patients/PatientListModel.h"

#include <QBrush>

#include <algorithm>

namespace patients {

namespace {

// The heading of each column, from the grid's format string; the marker and
// the two data columns have none.
const char* const kHeadings[PatientListModel::ColumnCount] = {
    "", "Hospital #", "ADM. Num.", "Patient Name", "Admission Date", "Discharged Date", "Billing Date", "", ""};

bool isDateColumn(int column)
{
    return column == PatientListModel::AdmissionDate || column == PatientListModel::DischargeDate
           || column == PatientListModel::BillingDate;
}

} // namespace

QString GridDateText(const QString& stored)
{
    // Stored date-times are "yyyy-MM-dd HH:mm:ss.zzz"; cut rather than parse,
    // as this runs for every cell drawn.
    if (stored.size() < 16 || stored.at(4) != QLatin1Char('-') || stored.at(10) != QLatin1Char(' '))
        return stored;
    const int hour = QStringView(stored).mid(11, 2).toInt();
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    QString text;
    text.reserve(19);
    text.append(QStringView(stored).mid(5, 2)).append(QLatin1Char('/')).append(QStringView(stored).mid(8, 2));
    text.append(QLatin1Char('/')).append(QStringView(stored).left(4)).append(QLatin1Char(' '));
    text.append(QLatin1Char(static_cast<char>('0' + shown / 10))).append(QLatin1Char(static_cast<char>('0' + shown % 10)));
    text.append(QLatin1Char(':')).append(QStringView(stored).mid(14, 2));
    text.append(hour < 12 ? QLatin1String(" AM") : QLatin1String(" PM"));
    return text;
}

QColor PatientListModel::BilledColor()
{
    return QColor(0, 0, 192);
}

QColor PatientListModel::CashBasisColor()
{
    return QColor(200, 0, 0);
}

PatientListModel::PatientListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PatientListModel::setRecordset(const db::Recordset& rows)
{
    beginResetModel();
    recordset_ = rows;
    rows_ = recordset_.resultSetCount() > 0 ? &recordset_.current() : nullptr;
    currentRow_ = -1;
    endResetModel();
}

void PatientListModel::clear()
{
    setRecordset(db::Recordset());
}

void PatientListModel::setPrecautions(const QList<RowPrecaution>& precautions)
{
    precautions_ = precautions;
    std::sort(precautions_.begin(), precautions_.end(), [](const RowPrecaution& a, const RowPrecaution& b) {
        return a.id.size() != b.id.size() ? a.id.size() < b.id.size() : a.id < b.id;
    });
    precautionColors_.clear();
    for (const RowPrecaution& precaution : precautions_)
        precautionColors_.insert(precaution.id, precaution.color);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::BackgroundRole});
    emit legendChanged();
}

void PatientListModel::setPrecautionColors(QHash<QString, QColor> colors)
{
    QList<RowPrecaution> precautions;
    for (auto it = colors.constBegin(); it != colors.constEnd(); ++it)
        precautions.append({it.key(), QString(), it.value()});
    setPrecautions(precautions);
}

QList<PatientListModel::LegendEntry> PatientListModel::legend() const
{
    QList<LegendEntry> entries{{LegendEntry::Paint::Text, BilledColor(), QStringLiteral("Billed Patient")},
                               {LegendEntry::Paint::Text, CashBasisColor(), QStringLiteral("Cash Basis Patient")}};
    for (const RowPrecaution& precaution : precautions_) {
        const QString name = precaution.name.trimmed();
        entries.append({LegendEntry::Paint::Row, precaution.color,
                        name.isEmpty() ? QStringLiteral("Precaution ") + precaution.id : name});
    }
    return entries;
}

void PatientListModel::setCurrentRow(int row)
{
    if (row == currentRow_)
        return;
    const int before = currentRow_;
    currentRow_ = row;
    if (before >= 0 && before < rowCount())
        emit dataChanged(index(before, Marker), index(before, Marker), {Qt::DisplayRole});
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, Marker), index(row, Marker), {Qt::DisplayRole});
}

int PatientListModel::recordCount() const
{
    return rows_ ? static_cast<int>(rows_->rows.size()) : 0;
}

QVariant PatientListModel::raw(int row, int column) const
{
    // Field k shows in column k; the first field is the marker column's (blank).
    if (!rows_ || row < 0 || row >= recordCount() || column < 0)
        return QVariant();
    const QVariantList& values = rows_->rows[static_cast<size_t>(row)];
    return column < values.size() ? values.at(column) : QVariant();
}

QString PatientListModel::text(int row, int column) const
{
    if (column == Marker)
        return QString();
    const QString value = raw(row, column).toString();
    if (isDateColumn(column))
        return GridDateText(value);
    if (column == PatientName)
        return value.simplified();
    if (column == Precaution)
        return value.trimmed().isEmpty() && row < recordCount() ? QStringLiteral("1") : value.trimmed();
    return value;
}

QStringList PatientListModel::longestTexts(int column, int slack, int limit) const
{
    // One pass over the stored values without building the shown texts;
    // names are tidied only for the few rows kept.
    const int rows = recordCount();
    qsizetype longest = 0;
    for (int row = 0; row < rows; ++row)
        longest = std::max(longest, raw(row, column).toString().size());
    QStringList texts;
    for (int row = 0; row < rows && texts.size() < limit; ++row) {
        if (raw(row, column).toString().size() + slack < longest)
            continue;
        const QString shown = text(row, column);
        if (!texts.contains(shown))
            texts << shown;
    }
    return texts;
}

bool PatientListModel::billed(int row) const
{
    return !raw(row, BillingDate).toString().isEmpty();
}

bool PatientListModel::cashBasis(int row) const
{
    const QVariant flag = raw(row, CashBasis);
    return flag.toInt() != 0 || flag.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QStringList PatientListModel::Headings()
{
    QStringList headings;
    for (const char* heading : kHeadings)
        headings << QString::fromLatin1(heading);
    return headings;
}

int PatientListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(1, recordCount());
}

int PatientListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PatientListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == Marker)
            return row == currentRow_ && row < recordCount() ? QStringLiteral("\u25B8") : QString();
        return text(row, index.column());
    case Qt::ForegroundRole:
        if (billed(row))
            return QBrush(BilledColor());
        if (cashBasis(row))
            return QBrush(CashBasisColor());
        return QVariant();
    case Qt::BackgroundRole:
        if (!precautionColors_.isEmpty() && row < recordCount()) {
            const auto found = precautionColors_.constFind(text(row, Precaution));
            if (found != precautionColors_.constEnd())
                return QBrush(*found);
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Marker ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant PatientListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(kHeadings[section]);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace patients
