#include "records/ChartCrew.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "records/PickListDialog.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace records {

namespace {

constexpr int kDoctorListing = 1;
constexpr int kOtherRevenueListing = 21;
const char* const kSignedColour = "background-color: #80FF80;"; // the station's green for a signed role

} // namespace

const std::vector<CrewField>& ChartCrewFields()
{
    using K = CrewKind;
    using O = RecordOptions;
    static const std::vector<CrewField> fields{
        {"txtSurgeon_0", "SurgeonID1", "Surgeon1", "Surgeon:", K::Doctor, Role::Surgeon, nullptr},
        {"txtSurgeon_1", "SurgeonID2", "Surgeon2", "Assistant surgeon:", K::Doctor, Role::SurgicalAssistant, nullptr},
        {"txtSurgeon_2", "SurgeonID3", "Surgeon3", "Second assistant:", K::Doctor, Role::SurgicalAssistant, nullptr},
        {"txtOtherSurgeons", "OtherSurgeons", "", "Other surgeons:", K::FreeText, std::nullopt, nullptr},
        {"txtAnesthesiologist", "AnestheID", "Anesthesiologist", "Anesthesiologist:", K::Doctor, Role::Anesthesiologist, nullptr},
        {"txtAnesth_0", "Anesth1", "Anesth1Name", "Anesthesia resident:", K::Doctor, std::nullopt, nullptr},
        {"txtAnesth_1", "Anesth2", "Anesth2Name", "Anesthesia resident:", K::Doctor, std::nullopt, nullptr},
        {"txtAROD", "AROD", "ARODoctor", "Resident on duty:", K::Doctor, std::nullopt, nullptr},
        {"txtAnesthesia", "Anesthesia", "", "Type of anesthesia:", K::AnesthesiaType, std::nullopt, nullptr},
        {"txtSNurse_0", "SnurseID1", "SNurse1", "Scrub nurse:", K::Nurse, Role::ScrubNurse, nullptr},
        {"txtSNurse_1", "SnurseID2", "SNurse2", "Scrub nurse:", K::Nurse, Role::ScrubNurse, nullptr},
        {"txtSNurse_2", "Nurse3", "Nurse3Name", "Scrub nurse:", K::Nurse, std::nullopt, nullptr},
        {"txtSOthers", "SNOthers", "", "Other scrub nurses:", K::FreeText, std::nullopt, nullptr},
        {"txtCNurse_0", "CnurseID1", "CNurse1", "Circulating nurse:", K::Nurse, Role::CirculatingNurse, nullptr},
        {"txtCNurse_1", "CnurseID2", "CNurse2", "Circulating nurse:", K::Nurse, Role::CirculatingNurse, nullptr},
        {"txtCOthers", "CNOthers", "", "Other circulating nurses:", K::FreeText, std::nullopt, nullptr},
        {"txtANurse_0", "AsstNurseID1", "ANurse1", "Assistant nurse:", K::Nurse, std::nullopt, &O::assistantNurses},
        {"txtANurse_1", "AsstNurseID2", "ANurse2", "Assistant nurse:", K::Nurse, std::nullopt, &O::assistantNurses},
        {"txtAOthers", "ANOthers", "", "Other assistant nurses:", K::FreeText, std::nullopt, &O::assistantNurses},
    };
    return fields;
}

int ChartCrew::SignatureIndex(Role role)
{
    switch (role) {
    case Role::Surgeon:
        return 0;
    case Role::SurgicalAssistant:
        return 1;
    case Role::Anesthesiologist:
        return 3;
    case Role::CirculatingNurse:
        return 6;
    case Role::ScrubNurse:
        return 8;
    }
    return 0;
}

ChartCrew::ChartCrew(QWidget* owner, MayChange mayChange)
    : QObject(owner)
    , owner_(owner)
    , mayChange_(std::move(mayChange))
{
}

void ChartCrew::build(QGridLayout* grid, const RecordOptions& options)
{
    int row = 0;
    for (const CrewField& f : ChartCrewFields()) {
        const QString name = QString::fromLatin1(f.objectName);
        auto* caption = new QLabel(QString::fromLatin1(f.caption), owner_);
        auto* box = new QLineEdit(owner_);
        box->setObjectName(name);
        box->installEventFilter(this);
        // Codes and names are kept in capitals, as the hospital files them.
        connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
            const int at = box->cursorPosition();
            box->setText(text.toUpper());
            box->setCursorPosition(at);
        });
        auto* person = new QLabel(owner_);
        person->setObjectName(QStringLiteral("lbl") + name.mid(3));
        person->setMinimumWidth(150);
        boxes_.insert(name, box);
        names_.insert(name, person);
        const bool shown = !f.shownBy || options.*f.shownBy;
        for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(box), static_cast<QWidget*>(person)})
            w->setVisible(shown);
        if (f.kind == CrewKind::FreeText || f.kind == CrewKind::AnesthesiaType) {
            box->setMaxLength(f.kind == CrewKind::AnesthesiaType ? 100 : 255);
            grid->addWidget(caption, row, 0);
            grid->addWidget(box, row, 1, 1, 2);
        } else {
            box->setMaxLength(20);
            grid->addWidget(caption, row, 0);
            grid->addWidget(box, row, 1);
            grid->addWidget(person, row, 2);
        }
        // The sign-off button sits beside the first field of its role.
        if (f.role && !cmdSignature.count(SignatureIndex(*f.role))) {
            const Role role = *f.role;
            auto* sign = new QPushButton(QStringLiteral("Sign"), owner_);
            sign->setObjectName(QStringLiteral("cmdSignature_%1").arg(SignatureIndex(role)));
            cmdSignature[SignatureIndex(role)] = sign;
            grid->addWidget(sign, row, 3);
            connect(sign, &QPushButton::clicked, this, [this, role] { emit signatureClicked(role); });
        }
        ++row;
    }
    grid->setColumnStretch(2, 1);
}

void ChartCrew::fill(const OperationRecord& record)
{
    for (const CrewField& f : ChartCrewFields()) {
        const QString name = QString::fromLatin1(f.objectName);
        boxes_.value(name)->setText(record.value(QString::fromLatin1(f.column)));
        names_.value(name)->setText(*f.nameColumn ? record.value(QString::fromLatin1(f.nameColumn)) : QString());
    }
    showSignatures(record);
}

void ChartCrew::read(OperationRecord& record) const
{
    for (const CrewField& f : ChartCrewFields())
        record.set(QString::fromLatin1(f.column), boxes_.value(QString::fromLatin1(f.objectName))->text().trimmed());
}

void ChartCrew::showSignatures(const OperationRecord& record)
{
    for (Role role : kRoles) {
        QPushButton* button = cmdSignature.at(SignatureIndex(role));
        const bool isSigned = record.isSigned(role);
        button->setStyleSheet(isSigned ? QString::fromLatin1(kSignedColour) : QString());
        button->setText(isSigned ? QStringLiteral("Signed") : QStringLiteral("Sign"));
        button->setToolTip(isSigned ? QStringLiteral("Signed by %1 on %2")
                                          .arg(record.signer(role), record.signedAt(role).toString(QStringLiteral("MM/dd/yyyy hh:mm AP")))
                                    : QString());
        setRoleLocked(role, isSigned);
    }
}

// A signed role's people are changed only through the question that clears
// the signature (Enter in the box): typing over a signed name would leave the
// old person's signature on the new person's row.
void ChartCrew::setRoleLocked(Role role, bool locked)
{
    for (const CrewField& f : ChartCrewFields()) {
        if (f.role != role)
            continue;
        QLineEdit* box = boxes_.value(QString::fromLatin1(f.objectName));
        box->setReadOnly(locked);
        box->setToolTip(locked ? QStringLiteral("Signed: press Enter to change the person") : QString());
    }
}

bool ChartCrew::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* box = qobject_cast<QLineEdit*>(watched)) {
                lookUp(box);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ChartCrew::lookUp(QLineEdit* box)
{
    const CrewField* field = nullptr;
    for (const CrewField& f : ChartCrewFields())
        if (box->objectName() == QLatin1String(f.objectName))
            field = &f;
    if (!field || field->kind == CrewKind::FreeText)
        return;
    if (field->role) {
        if (!mayChange_(*field->role))
            return;
        setRoleLocked(*field->role, false);
    }
    QLabel* person = names_.value(box->objectName());
    try {
        if (field->kind == CrewKind::Nurse) {
            // A typed code of the department's staff is taken as it is; anything
            // else opens the staff list narrowed to what was typed.
            db::Connection* connection = app::SQLConnection();
            const QString code = box->text().trimmed();
            if (connection && !code.isEmpty()) {
                db::Recordset rows = connection->open(
                    QStringLiteral("Select M.lastname + ', ' + M.firstname AS Name from Password..tbPasswordMaster P INNER JOIN "
                                   "PASSWORD..tbpasswordmain M ON M.EmployeeID = P.EmployeeID Where P.EmployeeID = %1")
                        .arg(db::Quote(code)));
                if (!rows.eof()) {
                    person->setText(rows.text(QStringLiteral("Name")));
                    return;
                }
            }
            if (auto chosen = PickStaff(code, owner_)) {
                box->setText(chosen->code);
                person->setText(chosen->name);
            }
            return;
        }
        components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
        if (!search) {
            shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
            return;
        }
        if (field->kind == CrewKind::Doctor) {
            if (search->SearchListing(box->text().trimmed(), kDoctorListing)) {
                box->setText(search->DoctorRecord.ResultCode);
                person->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ")
                                + search->DoctorRecord.FirstName.trimmed());
            }
        } else {
            search->OtherSectionID = QStringLiteral("EA");
            if (search->SearchListing(box->text().trimmed(), kOtherRevenueListing))
                box->setText(search->OtherRevenueRecord.OtherRevenue.trimmed());
            search->OtherSectionID.clear();
        }
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

} // namespace records
