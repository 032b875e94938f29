#pragma once

#include "db/Decimal.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace charging {

// The two readings of an oxygen cylinder's gauge: what was used between them
// is the quantity charged.
class frmPSIReading : public QDialog {
    Q_OBJECT
public:
    explicit frmPSIReading(QWidget* parent = nullptr);

    void Form_Load(const QString& itemId, const QString& description);
    void cmdOK_Click();

    QString Reading1, Reading2, Unit;
    db::Decimal Quantity;

    QLabel* lblItem;
    QLineEdit *txtReading1, *txtReading2;
    QComboBox* cboUnit;
    QPushButton *cmdOK, *cmdCancel;
};

} // namespace charging
