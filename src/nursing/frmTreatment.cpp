#include "nursing/frmTreatment.h"

#include "db/Recordset.h"

#include <QDateEdit>
#include <QLineEdit>

namespace nursing {

namespace {

ConsentKind TreatmentKind()
{
    // The minor's age is the one at the surgical authorization, when there is one.
    return {QStringLiteral("STATION..tbConsentTreatment"),
            QStringLiteral("\\Reports\\RegularTreatmentConsent.rpt"),
            QStringLiteral("Consent for Treatment"),
            QStringLiteral("Are you sure you want to delete consent record for this patient?"),
            QStringLiteral("Deleted Treatment Consent"),
            QStringLiteral("Consent for treatment record was deleted."),
            QStringLiteral("STATION..tbSurgicalAuthorization"),
            QStringLiteral("DateSigned")};
}

} // namespace

frmTreatment::frmTreatment(QWidget* parent) : ConsentForm(TreatmentKind(), parent)
{
    setObjectName(QStringLiteral("frmTreatment"));
    txtWitness = addBox("txtWitness", QStringLiteral("Witness:"), QStringLiteral("Witness"));
    addDatePicker(QStringLiteral("Date signed:"));
    addNote(QStringLiteral("When the patient cannot sign:"));
    txtMinor = addBox("txtMinor", QStringLiteral("Minor, aged:"), QString());
    txtReason = addBox("txtReason", QStringLiteral("Unable to sign because:"), QStringLiteral("Reason"));
    txtRepresentative = addBox("txtRepresentative", QStringLiteral("Representative:"), QStringLiteral("Representative"));
    txtRelation = addBox("txtRelation", QStringLiteral("Relation to patient:"), QStringLiteral("Relation"));
    finishLayout();
}

void frmTreatment::fillFrom(const db::Recordset& row)
{
    txtWitness->setText(row.text(QStringLiteral("Witness")));
    dtpDate->setDate(row.field(QStringLiteral("DateSigned")).toDateTime().date());
    txtReason->setText(row.text(QStringLiteral("Reason")));
    txtRepresentative->setText(row.text(QStringLiteral("Representative")));
    txtRelation->setText(row.text(QStringLiteral("Relation")));
}

// A general consent has nothing that must be filled.
bool frmTreatment::requiredFilled() const
{
    return true;
}

QString frmTreatment::insertStatement(const QString& userId) const
{
    return QStringLiteral("INSERT INTO STATION..tbConsentTreatment (IDNum, Witness, DateSigned, Reason, Representative, "
                          "Relation, Transdate, HostName, UserID) ")
           + QStringLiteral("VALUES(")
           + QuotedList({IdNum, Text(txtWitness), dateSigned(), Text(txtReason), Text(txtRepresentative), Text(txtRelation)})
           + QStringLiteral(",getdate(),host_name(), ") + QuotedList({userId}) + QStringLiteral(")");
}

// After the consent's own values: the hospital number, the ID number and the sex.
QVariantList frmTreatment::reportValues() const
{
    return {PName, Text(txtWitness), dateSigned(), Text(txtMinor), Text(txtReason), Text(txtRepresentative),
            Text(txtRelation), HospNo, IdNum, Sex};
}

} // namespace nursing
