#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolBar;
class QAction;

namespace charging {

// The supervisor's list of operating-room mark-up rules: add, edit and save
// a rule (code, description, rate, multiply or add, active, default).
class frmMarkupSettings : public QWidget {
    Q_OBJECT
public:
    explicit frmMarkupSettings(QWidget* parent = nullptr);

    // Lists the rules.
    void Form_Load();
    // Reads the rule of row `row` back into the fields.
    void grdListing_Click(int row);
    void tlbbtnSearch_Click();
    void tlbbtnAdd_Click();
    void tlbbtnEdit_Click();
    void tlbbtnSave_Click();

    QTableWidget* grdListing;
    QLineEdit *txtSearch, *txtCode, *txtDescription, *txtMarkup;
    QCheckBox *chkActive, *chkDefault;
    std::array<QRadioButton*, 2> optMarkup{}; // "*" multiply, "+" add
    QToolBar* Toolbar;
    QAction *tlbbtnAdd, *tlbbtnEdit, *tlbbtnSave, *tlbbtnSearch, *tlbbtnClose;

private:
    void clearFields();
    void setEditing(bool on);
};

} // namespace charging
