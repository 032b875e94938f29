#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace db {

// One field of the current row. A null reads as "" through text() and as 0
// through the number readers, as the program's callers expect.
class Field {
public:
    Field() = default;
    explicit Field(QVariant value, bool exists = true) : value_(std::move(value)), exists_(exists) {}

    bool exists() const { return exists_; }
    bool isNull() const { return value_.isNull(); }
    const QVariant& value() const { return value_; }

    QString text() const;
    double toDouble() const;
    qlonglong toLongLong() const;
    int toInt() const { return static_cast<int>(toLongLong()); }
    // True for a non-zero number, "1", "Y", "T", "TRUE" or "YES" (any case).
    bool toBool() const;
    // Parses every date-time form the server hands back; invalid when empty.
    QDateTime toDateTime() const;

private:
    QVariant value_;
    bool exists_ = false;
};

} // namespace db
