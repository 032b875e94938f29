#pragma once

#include "records/opd/OutpatientRecord.h"

#include <QString>

namespace records::opd {

// Which of the window's frames the user saw: a check on a hidden frame would
// ask for something the user could not type.
struct OutpatientFrames {
    bool diagnosis = true;
    bool chiefComplaint = true;
    bool classification = true;
};

// The save of the out-patient operation record. Every check runs before
// anything is written and stops at the first failure with its message; the
// signature follows the checks; then the history, the ER columns, the
// withdrawal of a no longer wanted admission request and the death details
// are written in one transaction on the shared connection.
class OutpatientRecordSave {
public:
    explicit OutpatientRecordSave(OutpatientFrames frames = {}) : frames_(frames) {}

    // True when the record was saved (the user was told); false when a check
    // refused it, nobody signed, or the server refused a statement (the user
    // was told each time and nothing was written).
    bool Save(const OutpatientRecord& record);

    // The checks before the signature, in their order; "" when all pass.
    QString FirstProblem(const OutpatientRecord& record) const;

private:
    OutpatientFrames frames_;
};

} // namespace records::opd
