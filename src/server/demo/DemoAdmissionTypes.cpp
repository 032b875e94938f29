#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

struct AdmissionType {
    const char* id;
    const char* name;
    bool inUse;
};

// The admissions carry types "1" and "9"; the rest are there to be looked up.
// Two names share "E" so that a typed letter can be ambiguous.
const AdmissionType kAdmissionTypes[] = {
    {"1", "REGULAR ADMISSION", true},
    {"2", "EMERGENCY ADMISSION", true},
    {"3", "ELECTIVE SURGERY", true},
    {"4", "TRANSFER FROM OTHER HOSPITAL", true},
    {"5", "DELIVERY", true},
    {"6", "NEWBORN", true},
    {"8", "DIRECT ADMISSION (OLD)", false},
    {"9", "SERVICE PATIENT", true},
};

} // namespace

void WriteAdmissionTypes(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..tbCoAdmissionType"),
                         {QStringLiteral("AdmissionTypeID"), QStringLiteral("AdmissionType"), QStringLiteral("Status")});
        for (const AdmissionType& type : kAdmissionTypes)
            rows.add({Text(QString::fromLatin1(type.id)), Text(QString::fromLatin1(type.name)),
                      Text(type.inUse ? QStringLiteral("A") : QStringLiteral("I"))});
        rows.flush();
    });
}

} // namespace server::demo
