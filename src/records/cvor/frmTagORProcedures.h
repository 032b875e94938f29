#pragma once

#include "records/cvor/ProcedureTagging.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace records {

// Maintenance of the operating room's procedures: which operating-room items
// count as procedures (tag or untag one), and creating or editing a
// procedure with its rate. The rules live in ProcedureTagging.
class frmTagORProcedures : public QWidget {
    Q_OBJECT
public:
    explicit frmTagORProcedures(QWidget* parent = nullptr);

    // Tagging.
    QLineEdit* txtCode;
    QLineEdit* txtDescription;
    QPushButton* cmdSearch;
    QCheckBox* chkProcedure;
    QPushButton* cmdTag;
    // Creating or editing a procedure.
    QLineEdit* txtProcCode;
    QPushButton* cmdList;
    QLineEdit* txtProcDesc;
    QLineEdit* txtRate;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;
    QPushButton* cmdClose;

    // The code look-up of operating-room items for the item to tag.
    void cmdSearch_Click();
    void cmdTag_Click();
    // Looks the typed procedure code up (Enter in the code box).
    void txtProcCode_KeyPress();
    // The procedure list: the chosen one is looked up as if typed.
    void cmdList_Click();
    void cmdSave_Click();
    void cmdCancel_Click();

    // The item being edited; empty for a new procedure or none yet.
    const std::optional<OrProcedure>& editing() const { return editing_; }

private:
    void clearProcedure();

    std::optional<OrProcedure> editing_;
};

} // namespace records
