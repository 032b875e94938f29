#pragma once

#include "shell/UnsavedWork.h"

#include <QDate>
#include <QWidget>

#include <array>
#include <set>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {
class EditTracker;
}

namespace nursing {

// The patient's fluid intake and output, one day at a time, in four nursing
// shifts. Each shift is saved on its own so that one nurse's entries never
// overwrite another shift's. The volumes are numbers of millilitres; a shift
// is saved (its old row removed, the new one written) in one transaction.
class frmFluid : public QWidget, public shell::UnsavedWork {
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
    // The largest volume one box takes, in millilitres.
    static constexpr double MostMillilitres = 20000;

    // True when the day shown could not be read: its shifts cannot be saved.
    bool LoadFailed() const { return loadFailed_; }
    // The shifts with typing not saved yet.
    const std::set<int>& UnsavedShifts() const { return unsaved_; }

    bool hasUnsavedChanges() const override;
    // Saves every shift with unsaved typing, as their Save buttons would.
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    QLabel* lblPatient;
    QLabel* lblID;
    QDateEdit* dtpDate;
    ShiftBoxes txtOral{}, txtParenteral{}, txtInputTotal{}, txtUrine{}, txtDrainage{}, txtOthers{}, txtOutputTotal{};
    std::array<QPushButton*, Shifts> cmdSave{};
    std::array<QPushButton*, 3> Command1{}; // close, print the day, print all days

private:
    void LoadDay();
    void dateChanged();
    void cmdSave_Click(int shift);
    bool saveShifts(const std::set<int>& shifts);
    void Command1_Click(int index);
    QString dayText() const;
    // The seven boxes of a shift, in the table's column order.
    std::array<QLineEdit*, 7> shiftBoxes(int shift) const;

    shell::EditTracker* tracker_;
    std::set<int> unsaved_;
    bool loadFailed_ = false;
    QDate shownDay_; // the day the boxes hold
};

// Opens the sheet of the selected patient; null (after telling the nurse)
// when no patient is selected.
frmFluid* OpenFluidForSelectedPatient();

} // namespace nursing
