#pragma once

#include "charging/ChargePricing.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace charging {

// The mark-up picker of an operating-room procedure line: the active rules
// (newer or older table), a tick that enables the choice, and the kind of day.
class frmMarkUp : public QDialog {
    Q_OBJECT
public:
    explicit frmMarkUp(QWidget* parent = nullptr);

    // Lists the rules; `today` decides the Sunday preset (the server's date
    // when left out). False (the user told) when the rules cannot be read.
    bool Form_Load(bool newerRules, const QDate& today = QDate());
    void cmdOption_Click(int index);

    // The rule chosen: value 0 and no operation unless a row was taken.
    MarkUpChoice Choice;

    QTableWidget* mshFlexMarkUp;
    QCheckBox *chkMarkup, *chkHoliday;
    std::array<QRadioButton*, 2> opt30{}; // regular day, Sunday or holiday
    std::array<QPushButton*, 2> cmdOption{};

private:
    bool newer_ = false;
};

} // namespace charging
