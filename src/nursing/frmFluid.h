#pragma once

#include <QWidget>

#include <array>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nursing {

// The patient's fluid intake and output, one day at a time, in four nursing
// shifts. Each shift is saved on its own so that one nurse's entries never
// overwrite another shift's.
class frmFluid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Shifts = 4;
    using ShiftBoxes = std::array<QLineEdit*, Shifts>;

    explicit frmFluid(QWidget* parent = nullptr);

    // Set by the opener before Form_Load.
    QString IdNum;
    QString PName;

    // Shows the patient and today's sheet.
    void Form_Load();
    // The hours a shift covers, as printed on the sheet.
    static QString ShiftCaption(int shift);

    QLabel* lblPatient;
    QLabel* lblID;
    QDateEdit* dtpDate;
    ShiftBoxes txtOral{}, txtParenteral{}, txtInputTotal{}, txtUrine{}, txtDrainage{}, txtOthers{}, txtOutputTotal{};
    std::array<QPushButton*, Shifts> cmdSave{};
    std::array<QPushButton*, 3> Command1{}; // close, print the day, print all days

private:
    void LoadDay();
    void cmdSave_Click(int shift);
    void Command1_Click(int index);
    QString dayText() const;
    // The seven boxes of a shift, in the table's column order.
    std::array<QLineEdit*, 7> shiftBoxes(int shift) const;
};

// Opens the sheet of the selected patient; null (after telling the nurse)
// when no patient is selected.
frmFluid* OpenFluidForSelectedPatient();

} // namespace nursing
