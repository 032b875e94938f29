#pragma once

#include "db/Decimal.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace charging {

// The doctor's meal charged with an operating-room line: its amount and remarks.
class frmMeals : public QDialog {
    Q_OBJECT
public:
    explicit frmMeals(QWidget* parent = nullptr);
    void cmdOK_Click();

    db::Decimal MealAmount;
    QString MealRemarks;

    QLineEdit *txtAmount, *txtRemarks;
    QPushButton *cmdOK, *cmdCancel;
};

} // namespace charging
