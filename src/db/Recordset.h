#pragma once

#include "db/Field.h"
#include "db/ResultSet.h"

#include <memory>

namespace db {

// A client-side recordset: every row of every result set was read when it was
// opened, and the server cursor is already closed. Fields are found by column
// name, ignoring case; when two columns share a name the first one wins.
class Recordset {
public:
    Recordset();
    explicit Recordset(ResultSets sets);

    bool eof() const;
    bool bof() const { return row_ < 0; }
    void moveNext();
    void moveFirst();
    void movePrevious();
    int recordCount() const;
    int absolutePosition() const { return row_; }

    int fieldCount() const;
    QString fieldName(int index) const;
    bool hasField(const QString& name) const;

    // A field of the current row. A missing column or reading past the end throws DbError.
    Field field(const QString& name) const;
    Field field(int index) const;
    Field operator[](const QString& name) const { return field(name); }

    // Text, number and flag of a field, nulls as "" and 0.
    QString text(const QString& name) const { return field(name).text(); }
    double number(const QString& name) const { return field(name).toDouble(); }

    // Moves to the next result set of a batch; false when there is none.
    bool nextRecordset();
    int resultSetCount() const;
    const ResultSet& current() const;

private:
    int columnIndex(const QString& name) const;

    std::shared_ptr<const ResultSets> sets_;
    int set_ = 0;
    int row_ = 0;
};

} // namespace db
