#pragma once

#include <QString>

#include <functional>

namespace patients {

// One operation of the patient index's list, as the record window needs it.
struct OperationChoice {
    QString operatingNum;
    QString refNum;
    QString procedureId;
    QString procedureName;
};

// How the patient lists reach the operation record without depending on its
// windows: the main window installs the opener; until then the index keeps
// its Operation Record button disabled. The patient is selected first.
using OperationRecordOpener = std::function<void(const OperationChoice& choice)>;

void SetOperationRecordOpener(OperationRecordOpener opener); // an empty function removes it
bool HasOperationRecordOpener();
bool OpenOperationRecordFor(const OperationChoice& choice);

} // namespace patients
