#include "patients/OperationRecordLink.h"

namespace patients {

namespace {

OperationRecordOpener& opener()
{
    static OperationRecordOpener installed;
    return installed;
}

} // namespace

void SetOperationRecordOpener(OperationRecordOpener open)
{
    opener() = std::move(open);
}

bool HasOperationRecordOpener()
{
    return static_cast<bool>(opener());
}

bool OpenOperationRecordFor(const OperationChoice& choice)
{
    if (!opener())
        return false;
    opener()(choice);
    return true;
}

} // namespace patients
