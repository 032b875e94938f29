#include "db/Recordset.h"

#include "db/DbError.h"

namespace db {

namespace {
const ResultSet& emptySet()
{
    static const ResultSet empty;
    return empty;
}
} // namespace

Recordset::Recordset() : sets_(std::make_shared<ResultSets>()) {}

Recordset::Recordset(ResultSets sets) : sets_(std::make_shared<ResultSets>(std::move(sets))) {}

const ResultSet& Recordset::current() const
{
    if (set_ < 0 || set_ >= static_cast<int>(sets_->size()))
        return emptySet();
    return (*sets_)[set_];
}

bool Recordset::eof() const
{
    return row_ < 0 || row_ >= static_cast<int>(current().rows.size());
}

void Recordset::moveNext()
{
    if (!eof())
        ++row_;
}

void Recordset::moveFirst() { row_ = 0; }

void Recordset::movePrevious()
{
    if (row_ >= 0)
        --row_;
}

int Recordset::recordCount() const { return static_cast<int>(current().rows.size()); }

int Recordset::fieldCount() const { return current().columns.size(); }

QString Recordset::fieldName(int index) const { return current().columns.value(index); }

int Recordset::columnIndex(const QString& name) const
{
    const QStringList& cols = current().columns;
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Recordset::hasField(const QString& name) const { return columnIndex(name) >= 0; }

Field Recordset::field(const QString& name) const
{
    const int index = columnIndex(name);
    if (index < 0)
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal: %1").arg(name));
    return field(index);
}

Field Recordset::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal: %1").arg(index));
    if (eof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record."));
    const ResultSet& set = current();
    const int scale = index < static_cast<int>(set.scales.size()) ? set.scales[static_cast<size_t>(index)] : -1;
    return Field(set.rows[row_].value(index), true, scale);
}

bool Recordset::nextRecordset()
{
    if (set_ + 1 >= static_cast<int>(sets_->size())) {
        set_ = static_cast<int>(sets_->size());
        return false;
    }
    ++set_;
    row_ = 0;
    return true;
}

int Recordset::resultSetCount() const { return static_cast<int>(sets_->size()); }

} // namespace db
