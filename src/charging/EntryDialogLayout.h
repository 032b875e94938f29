#pragma once

#include "db/Decimal.h"

#include <QString>

#include <optional>

class QDialog;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace charging {

// The small dialogs the charge entry asks a line's extras with (the doctor's
// meal, the oxygen gauge readings) share one look: an optional caption line,
// labelled boxes, then OK and Cancel in the station's order. Cancel rejects;
// what OK does is the dialog's own.
struct EntryDialogLayout {
    QDialog* dialog = nullptr;
    QFormLayout* form = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Lays `dialog` out; `caption` (may be null) stands above the boxes.
    // Rows are added to `form` before the dialog is shown.
    static EntryDialogLayout Build(QDialog* dialog, const QString& objectName, const QString& title, QWidget* caption = nullptr);
    // A number box from `minimum` to `maximum`, added as a labelled row.
    QLineEdit* addNumberRow(const QString& label, const QString& objectName, double minimum, double maximum, int decimals);
};

// The exact amount a number box holds (its thousands commas dropped); none
// when it holds no number.
std::optional<db::Decimal> BoxAmount(const QLineEdit* box);

} // namespace charging
