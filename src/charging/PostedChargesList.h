#pragma once

#include "db/Decimal.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace charging {

// One line already posted to the stay, with what still stands of it after
// reversals.
struct PostedCharge {
    QString departmentCode;
    QString itemId;
    QString description;
    QString slip;
    QString packageId;
    QString location; // a stock line's inventory location; "" for a service
    db::Decimal quantity;
    db::Decimal amount;
    db::Decimal standingQuantity;
    db::Decimal standingAmount;
};

// Reads every line posted to the stay `idNum` (STATION..List_All_ORCharges).
// Throws db::DbError when the list cannot be read.
QList<PostedCharge> ReadPostedCharges(const QString& hospNum, const QString& idNum, const QString& stationId);

// The charge entry's list of what is already on the bill: one row per posted
// line with its standing amount, the gross under it, and (with MultiCancel)
// a tick per line so several can be revoked at once.
class PostedChargesList : public QWidget {
    Q_OBJECT
public:
    explicit PostedChargesList(QWidget* parent = nullptr);

    // Shows the lines; `ticks` adds the tick column.
    void showLines(const QList<PostedCharge>& lines, bool ticks);
    const QList<PostedCharge>& lines() const { return lines_; }
    // The line of the current row, or null.
    const PostedCharge* current() const;
    // The ticked lines (with ticks on).
    QList<PostedCharge> ticked() const;
    void tick(int row, bool on);
    // The gross of what was posted, as the label shows it.
    db::Decimal gross() const;

    QTableWidget* MSHFlexList;
    QLabel* lblGross;

signals:
    // A line was double-clicked.
    void lineChosen(int row);

private:
    QList<PostedCharge> lines_;
    bool ticks_ = false;
};

} // namespace charging
