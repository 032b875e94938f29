#pragma once

#include "records/PickListDialog.h"

namespace records {

// The operating room's procedure list to pick a procedure from; typing
// narrows it by code or name.
class frmListProcedures : public PickListDialog {
    Q_OBJECT
public:
    explicit frmListProcedures(QWidget* parent = nullptr);
    QString ProcedureCode() const { return picked().value(0); }
    QString ProcedureName() const { return picked().value(1); }
};

} // namespace records
