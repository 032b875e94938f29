#pragma once

#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"

#include <functional>
#include <optional>

class QWidget;

namespace db {
class Connection;
}

namespace records {

// What the chart's buttons do with its record: the save with its checks,
// the validation and the rights; each role's sign-off and its undo; the
// reset. Every question and message goes through shell::Prompts, every
// write through shell::SaveTransaction, so a window only gathers the typing.
class OperationRecordActions {
public:
    OperationRecordActions(OperationRecord& record, RecordOptions options, QWidget* dialogParent = nullptr);

    // Written in the save's transaction after the record, with its key: the
    // surgical memorandum's own columns and sponge rows.
    using ExtraWork = std::function<void(db::Connection&, const OperationRecord& saved)>;

    // True when the record was saved; record.operatingNum then holds the key.
    // A failed check leaves its tab in failedTab() and writes nothing.
    bool save(const ExtraWork& extra = {});
    std::optional<ChartTab> failedTab() const { return failedTab_; }

    // The role's sign-off by the validated user, who must be the person in
    // the role and have a signature on file.
    bool signOff(Role role);

    // Enter in a role's staff field: an unsigned role may change at once; a
    // signed one asks first and, on Yes, loses its sign-off. True when the
    // picker may open.
    bool mayChangeRole(Role role);

    // Deletes the saved record after the question, the validation and (unless
    // the window does without it) the reset right; true when it is gone (the
    // chart then closes).
    bool reset(bool needsResetRight = true);

    // The record may be printed (ShowSignature): every role signed, in the
    // station's order, and the record saved. The message to show otherwise.
    std::optional<QString> printRefusal(bool showSignature) const;

private:
    QString validateOnce();

    OperationRecord& record_;
    RecordOptions options_;
    QWidget* parent_;
    std::optional<ChartTab> failedTab_;
};

// An employee's electronic signature on file (nurses sign with their own).
bool HasEmployeeSignature(const QString& employeeId);

} // namespace records
