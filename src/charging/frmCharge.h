#pragma once

#include "charging/ChargeEntryRow.h"
#include "charging/PostedChargesList.h"
#include "shell/UnsavedWork.h"

#include <QList>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QListWidget;
class QGroupBox;
class QRadioButton;

namespace charging {

struct PackageChoice;

// "Post Charges": the operating-room staff charge a patient's stay for
// procedures, room time, doctors' fees, oxygen, meals, medicines, supplies and
// packages. Each line passes its column's rules as it is typed (ChargePricing
// holds them), and the grid is posted as one charge slip. What was posted
// before is listed below the grid, with each line's standing amount, and can
// be revoked or reprinted from there. The grid is never cleared by a refusal
// or a failed posting.
class frmCharge : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    // The grid's visible columns.
    enum Column { ColNumber, ColDept, ColItem, ColDescription, ColQuantity, ColUnitPrice, ColAmount, ColDosage, ColumnCount };

    explicit frmCharge(QWidget* parent = nullptr);

    // The patient, set by the opener before Form_Load.
    QString IdNum, HospNum, PatientName, Room, Age, Sex, Doctor;

    // Shows the header, an empty grid and the posted list.
    void Form_Load();

    // ---- the entry grid -------------------------------------------------------------
    // Opens the floating box on a cell (as a click or typing there does).
    void editCell(int row, int column);
    // What Enter in the floating box does: the column's rule, then the next cell.
    void txtEntry_Enter();
    const QList<ChargeEntryRow>& rows() const { return rows_; }
    // The total of the grid's amounts.
    db::Decimal runningTotal() const;

    // ---- buttons --------------------------------------------------------------------------
    void Command1_Click(int index);
    void cmdOption_Click();
    void cmdCDF_Click();
    void revokeChosen(int postedRow);

    // Set by the meal dialog.
    db::Decimal MealAmount;
    QString MealRemarks;

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    QLineEdit *txtPatient, *txtId, *txtPno, *txtRoom, *txtAge, *txtSex, *txtDoctor1;
    QLabel* lblDeptCode;
    QLabel* lblTotal;
    QLabel* lblNextSlip;
    QTableWidget* mshflexEntry;
    QTableWidget* mshflexPackageItems;
    QLineEdit* txtEntry;
    QListWidget* lvwDepartments;
    PostedChargesList* postedList;
    std::array<QPushButton*, 7> Command1{};
    QPushButton* cmdOption;
    QPushButton* cmdCDF;

    // Where Command1 index 5 opens the procedure value list at this site.
    bool ruvListShown() const;

signals:
    // A posting landed: the main window's next-slip badge follows it.
    void posted(const QString& slip);

private:
    // ---- the cell rules (frmChargeCells.cpp) ----
    bool departmentEntered(int row, const QString& text);
    bool itemEntered(int row, const QString& text);
    bool serviceItemEntered(int row, const QString& text);
    bool doctorItemEntered(int row, const QString& text);
    bool stockItemEntered(int row, const QString& text);
    QString pickStockItem(int row);
    std::optional<QString> pickDosage(const QString& department, const QString& name, const db::Decimal& stockOnHand);
    bool quantityEntered(int row, const QString& text);
    bool unitPriceEntered(int row, const QString& text);
    bool amountEntered(int row, const QString& text);
    void priceProcedureLine(ChargeEntryRow& row);
    bool unitPriceEditable(const ChargeEntryRow& row) const;
    int nextColumn(int row, int column) const;

    // ---- the save (frmChargeSave.cpp) ----
    bool cmdSave_Click();
    bool postGrid();

    // ---- grid upkeep ----
    void showRow(int row);
    void showAllRows();
    void ensureTrailingRow();
    void resetGrid();
    void deleteRow();
    void ignoreAll();
    void choosePackage();
    void addPackage(const PackageChoice& choice);
    void refreshPosted();
    void loadDepartments();
    void placeEntryBox();
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString stationId() const;

    QList<ChargeEntryRow> rows_;
    QList<ChargeLine> unusedPackageItems_;
    int editRow_ = -1;
    int editColumn_ = -1;
    bool loaded_ = false;
    bool saving_ = false;
    bool mealDoctors_ = false; // ORDRMealDoctors: a doctor's meal is asked on operating-room lines
};

// Opens "Post Charges" for the patient selected in the patient list; null
// (after telling the nurse) when no patient is selected.
frmCharge* OpenChargeForSelectedPatient();

} // namespace charging
