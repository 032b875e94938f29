#include "records/OperationRecordActions.h"

#include <algorithm>

#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/PatientStatus.h"
#include "db/routines/RoutineQuery.h"
#include "db/routines/UserRights.h"
#include "records/OperationRecordStore.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"
#include "shell/frmTransaction_UserValidation.h"

namespace records {

bool HasEmployeeSignature(const QString& employeeId)
{
    return routines::detail::HasRow(QStringLiteral("SELECT 1 FROM build_File..tbDBImage WHERE TableName = 'tbPasswordMaster' "
                                                   "and FieldName = 'Signature' and IDKey = ")
                                    + db::Quote(employeeId));
}

OperationRecordActions::OperationRecordActions(OperationRecord& record, RecordOptions options, QWidget* dialogParent)
    : record_(record)
    , options_(options)
    , parent_(dialogParent)
{
}

QString OperationRecordActions::validateOnce()
{
    app::ValidatedUserID.clear();
    shell::frmTransaction_UserValidation dialog(parent_);
    shell::Prompts::current().exec(dialog);
    return app::ValidatedUserID;
}

bool OperationRecordActions::save(const ExtraWork& extra)
{
    failedTab_.reset();
    if (auto failure = CheckBeforeSave(record_, options_)) {
        shell::Notify(failure->message, failure->icon);
        failedTab_ = failure->tab;
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Entered operating procedure details  will not be saved! \r\n"
                                                   "Are you sure you want to save this operating procedure details?"),
                                    0, QString(), parent_))
        return false;
    const QString userId = app::ValidatedUserID;
    if (!routines::HasUserRight(QStringLiteral("36"), userId)) {
        shell::Notify(QStringLiteral("Sorry, you don't have access to save clinical operation."));
        return false;
    }
    // The key is taken over only once the whole record is committed: a
    // rolled-back save leaves the chart new, as the table still has it.
    OperationRecord saved = record_;
    if (!shell::SaveTransaction::Run([&](db::Connection& connection) {
            const QDateTime now = shell::ReadServerDate();
            OperationRecordStore(connection).save(saved, options_, userId, now);
            if (extra)
                extra(connection, saved);
        }))
        return false;
    record_.operatingNum = saved.operatingNum;
    shell::Notify(QStringLiteral("Details of operation saved."));
    return true;
}

namespace {

bool IsPersonInRole(const OperationRecord& r, Role role, const QString& userId)
{
    const auto is = [&](const char* column) {
        const QString code = r.value(QString::fromLatin1(column)).trimmed();
        return !code.isEmpty() && code.compare(userId, Qt::CaseInsensitive) == 0;
    };
    const auto doctor = [&](const char* column) {
        const QString code = r.value(QString::fromLatin1(column)).trimmed();
        return !code.isEmpty() && routines::IsDoctorUser(code, userId);
    };
    switch (role) {
    case Role::Surgeon:
        return doctor("SurgeonID1");
    case Role::SurgicalAssistant:
        return doctor("SurgeonID2") || doctor("SurgeonID3");
    case Role::Anesthesiologist:
        return doctor("AnestheID");
    case Role::CirculatingNurse:
        return is("CnurseID1") || is("CnurseID2");
    case Role::ScrubNurse:
        return is("SnurseID1") || is("SnurseID2");
    }
    return false;
}

// Doctors sign with the signature kept under their doctor code, nurses with their own.
bool HasSignatureFor(const OperationRecord& r, Role role, const QString& userId)
{
    if (!ColumnsOf(role).doctor)
        return HasEmployeeSignature(userId);
    const char* columns[] = {"SurgeonID1", "SurgeonID2", "SurgeonID3", "AnestheID"};
    for (const char* column : columns) {
        const QString code = r.value(QString::fromLatin1(column)).trimmed();
        if (!code.isEmpty() && routines::IsDoctorUser(code, userId) && routines::HasDoctorSignature(code))
            return true;
    }
    return false;
}

} // namespace

bool OperationRecordActions::signOff(Role role)
{
    if (record_.isNew()) {
        shell::Notify(QStringLiteral("Sorry, no clinical operation record."));
        return false;
    }
    const QString userId = validateOnce();
    if (userId.isEmpty())
        return false;
    const RoleColumns& columns = ColumnsOf(role);
    if (!IsPersonInRole(record_, role, userId)) {
        shell::Notify(QStringLiteral("Sorry, you are not a valid signatory for ") + QString::fromLatin1(columns.signatoryWord)
                      + QLatin1Char('.'));
        return false;
    }
    if (!HasSignatureFor(record_, role, userId)) {
        shell::Notify(QStringLiteral("No electronic signature. Please contact IT department."));
        return false;
    }
    // The circulating nurse vouches for the counts: the stored counts must
    // agree, or the reason they do not must be stored with them.
    if (role == Role::CirculatingNurse) {
        OperationRecord stored;
        if (!shell::SaveTransaction::Load([&](db::Connection& connection) {
                OperationRecordStore(connection).load(record_.hospNum, record_.idNum, record_.operatingNum, stored);
            }))
            return false;
        if (auto refusal = CheckCountsForSignOff(stored)) {
            shell::Notify(*refusal, shell::PromptIcon::Exclamation);
            return false;
        }
    }
    if (!shell::SaveTransaction::Run(
            [&](db::Connection& connection) { OperationRecordStore(connection).signOff(record_.operatingNum, role, userId); },
            QStringLiteral("Saving Failed!\r\n")))
        return false;
    record_.setSignature(role, userId, shell::ReadServerDate());
    shell::Notify(QStringLiteral("Successfully Saved!"));
    return true;
}

bool OperationRecordActions::mayChangeRole(Role role)
{
    if (!record_.isSigned(role))
        return true;
    if (!shell::Prompts::current().ask(QString::fromLatin1(ColumnsOf(role).changeQuestion), QStringLiteral("Clarification"),
                                       shell::PromptIcon::Question))
        return false;
    if (!shell::SaveTransaction::Run(
            [&](db::Connection& connection) { OperationRecordStore(connection).clearSignOff(record_.operatingNum, role); }))
        return false;
    record_.setSignature(role, QString(), QDateTime());
    return true;
}

bool OperationRecordActions::reset(bool needsResetRight)
{
    if (!shell::Confirm(QStringLiteral("Are you sure want to reset saved information for this operation?")))
        return false;
    // The site chart asks again until someone signs, instead of checking the reset right.
    QString userId;
    if (needsResetRight)
        userId = validateOnce();
    else if (shell::ValidateTransaction(QStringLiteral("No records changed.\r\nAre you sure you want to reset saved information for this operation?"),
                                        0, QString(), parent_))
        userId = app::ValidatedUserID;
    if (userId.isEmpty())
        return false;
    if (needsResetRight && !routines::HasUserRight(QStringLiteral("37"), userId)) {
        shell::Notify(QStringLiteral("Sorry, you don't have access to reset clinical operations."));
        return false;
    }
    if (!record_.isNew()
        && !shell::SaveTransaction::Run([&](db::Connection& connection) { OperationRecordStore(connection).reset(record_, userId); }))
        return false;
    record_.operatingNum = QStringLiteral("0");
    shell::Notify(QStringLiteral("Information successfully reset."));
    return true;
}

namespace {

// Whether anybody holds the role on this record.
bool IsRoleHeld(const OperationRecord& r, Role role)
{
    const auto named = [&](std::initializer_list<const char*> columns) {
        return std::any_of(columns.begin(), columns.end(),
                           [&](const char* c) { return !r.value(QString::fromLatin1(c)).trimmed().isEmpty(); });
    };
    switch (role) {
    case Role::Surgeon: return named({"SurgeonID1"});
    case Role::SurgicalAssistant: return named({"SurgeonID2", "SurgeonID3"});
    case Role::Anesthesiologist: return named({"AnestheID"});
    case Role::CirculatingNurse: return named({"CnurseID1", "CnurseID2", "CNOthers"});
    case Role::ScrubNurse: return named({"SnurseID1", "SnurseID2", "SNOthers"});
    }
    return true;
}

} // namespace

std::optional<QString> OperationRecordActions::printRefusal(bool showSignature) const
{
    // A role nobody held (an operation without an assistant) has nobody to
    // sign it: demanding its signature would keep the record from ever
    // being printed.
    if (showSignature) {
        for (Role role : {Role::Surgeon, Role::Anesthesiologist, Role::CirculatingNurse, Role::ScrubNurse, Role::SurgicalAssistant})
            if (IsRoleHeld(record_, role) && !record_.isSigned(role))
                return QString::fromLatin1(ColumnsOf(role).printRequired);
    }
    if (record_.isNew())
        return QStringLiteral("Sorry, no clinical operation record.");
    return std::nullopt;
}

} // namespace records
