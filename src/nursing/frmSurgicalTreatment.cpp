#include "nursing/frmSurgicalTreatment.h"

#include "db/Recordset.h"

#include <QDateEdit>
#include <QLineEdit>

namespace nursing {

namespace {

ConsentKind SurgicalKind()
{
    return {QStringLiteral("STATION..tbSurgicalAuthorization"),
            QStringLiteral("\\Reports\\SurgicalTreatmentConsent.rpt"),
            QStringLiteral("Authorization for Surgical Treatment"),
            QStringLiteral("Are you sure you want to delete Authorization record for this patient?"),
            QStringLiteral("Deleted Surgical Treatment Consent"),
            QStringLiteral("Authorization for Surgical Treatment record deleted."),
            QStringLiteral("STATION..tbSurgicalAuthorization"),
            QStringLiteral("DateSigned")};
}

} // namespace

frmSurgicalTreatment::frmSurgicalTreatment(QWidget* parent) : ConsentForm(SurgicalKind(), parent)
{
    setObjectName(QStringLiteral("frmSurgicalTreatment"));
    addDoctorBox(QStringLiteral("Surgeon:"), QStringLiteral("Surgeon"));
    txtOperation = addBox("txtOperation", QStringLiteral("Operation / procedure:"), QStringLiteral("Operation"));
    txtException = addBox("txtException", QStringLiteral("Exceptions:"), QStringLiteral("Exception"));
    txtWitness = addBox("txtWitness", QStringLiteral("Witness:"), QStringLiteral("Witness"));
    addDatePicker(QStringLiteral("Date signed:"));
    addNote(QStringLiteral("When the patient cannot sign:"));
    txtMinor = addBox("txtMinor", QStringLiteral("Minor, aged:"), QString());
    txtReason = addBox("txtReason", QStringLiteral("Unable to sign because:"), QStringLiteral("Reason"));
    txtRepresentative = addBox("txtRepresentative", QStringLiteral("Representative:"), QStringLiteral("Representative"));
    txtRelation = addBox("txtRelation", QStringLiteral("Relation to patient:"), QStringLiteral("Relation"));
    finishLayout();
}

void frmSurgicalTreatment::fillFrom(const db::Recordset& row)
{
    txtSurgeon->setText(row.text(QStringLiteral("Surgeon")));
    txtException->setText(row.text(QStringLiteral("Exception")));
    txtWitness->setText(row.text(QStringLiteral("Witness")));
    dtpDate->setDate(row.field(QStringLiteral("DateSigned")).toDateTime().date());
    txtReason->setText(row.text(QStringLiteral("Reason")));
    txtRepresentative->setText(row.text(QStringLiteral("Representative")));
    txtRelation->setText(row.text(QStringLiteral("Relation")));
    txtOperation->setText(row.text(QStringLiteral("Operation")));
}

bool frmSurgicalTreatment::requiredFilled() const
{
    return surgeonAndProcedureFilled();
}

QString frmSurgicalTreatment::insertStatement(const QString& userId) const
{
    return QStringLiteral("INSERT INTO STATION..tbSurgicalAuthorization (IDNum, Surgeon, Exception, Witness, DateSigned, "
                          "Reason, Representative, Relation, Transdate, HostName, UserID,Operation) ")
           + QStringLiteral("VALUES(")
           + QuotedList({IdNum, Text(txtSurgeon), Text(txtException), Text(txtWitness), dateSigned(), Text(txtReason),
                         Text(txtRepresentative), Text(txtRelation)})
           + QStringLiteral(",getdate(),host_name(), ") + QuotedList({userId, Text(txtOperation)}) + QStringLiteral(")");
}

QVariantList frmSurgicalTreatment::reportValues() const
{
    return {PName, Text(txtSurgeon), Text(txtException), Text(txtWitness), dateSigned(), Text(txtMinor),
            Text(txtReason), Text(txtRepresentative), Text(txtRelation), Text(txtOperation)};
}

} // namespace nursing
