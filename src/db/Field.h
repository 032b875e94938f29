#pragma once

#include "db/Decimal.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace db {

// One field of the current row. A null reads as "" through text() and as 0
// through the number readers, as the program's callers expect.
class Field {
public:
    Field() = default;
    explicit Field(QVariant value, bool exists = true, int scale = -1)
        : value_(std::move(value)), exists_(exists), scale_(scale) {}

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

    // Places after the point when the column holds exact decimals (money: 4),
    // -1 when the backend did not say.
    int scale() const { return scale_; }
    // The exact amount, at the column's scale when known; empty for a null or
    // text that is no number. Sum amounts with these, never with toDouble().
    std::optional<Decimal> toDecimal() const;
    // An amount of money to the ten-thousandth, as the server's money holds
    // it; null and non-numbers read as 0.0000.
    Decimal toMoney() const;
    // The value as the server prints it: money and decimals with all their
    // places ("1.0050", "0.30"); anything else as text().
    QString serverText() const;

private:
    QVariant value_;
    bool exists_ = false;
    int scale_ = -1;
};

} // namespace db
