#include "nursing/frmSpecialTreatment.h"

#include "db/Recordset.h"

#include <QLineEdit>

namespace nursing {

namespace {

ConsentKind SpecialKind()
{
    // Dated by its own saving: the form has no signing date.
    return {QStringLiteral("STATION..tbSpecialTreatmentConsent"),
            QStringLiteral("\\Reports\\SpecialTreatmentConsent.rpt"),
            QStringLiteral("Consent for Special Treatment"),
            QStringLiteral("Are you sure you want to delete consent record for this patient?"),
            QStringLiteral("Deleted Special Treatment Consent"),
            QStringLiteral("Consent for Special Treatment record deleted."),
            QStringLiteral("STATION..tbSpecialTreatmentConsent"),
            QStringLiteral("Transdate")};
}

} // namespace

frmSpecialTreatment::frmSpecialTreatment(QWidget* parent) : ConsentForm(SpecialKind(), parent)
{
    setObjectName(QStringLiteral("frmSpecialTreatment"));
    addDoctorBox(QStringLiteral("Doctor:"), QStringLiteral("Doctor"));
    txtOperation = addBox("txtOperation", QStringLiteral("Procedure / treatment:"), QStringLiteral("Procedure"));
    txtWitness = addBox("txtWitness", QStringLiteral("Witness:"), QStringLiteral("Witness"));
    addNote(QStringLiteral("When the patient cannot sign:"));
    txtMinor = addBox("txtMinor", QStringLiteral("Minor, aged:"), QStringLiteral("MinorAge"));
    txtReason = addBox("txtReason", QStringLiteral("Unable to sign because:"), QStringLiteral("Reason"));
    txtRepresentative = addBox("txtRepresentative", QStringLiteral("Representative:"), QStringLiteral("Representative"));
    txtRelation = addBox("txtRelation", QStringLiteral("Relation to patient:"), QStringLiteral("Relation"));
    finishLayout();
}

// The form reads back the columns it writes (Doctor, [Procedure]), so a saved
// consent shows what was typed; the stored minor's age is the one at signing.
void frmSpecialTreatment::fillFrom(const db::Recordset& row)
{
    txtSurgeon->setText(row.text(QStringLiteral("Doctor")));
    txtOperation->setText(row.text(QStringLiteral("Procedure")));
    txtWitness->setText(row.text(QStringLiteral("Witness")));
    txtReason->setText(row.text(QStringLiteral("Reason")));
    txtRepresentative->setText(row.text(QStringLiteral("Representative")));
    txtRelation->setText(row.text(QStringLiteral("Relation")));
    txtMinor->setText(row.text(QStringLiteral("MinorAge")));
}

bool frmSpecialTreatment::requiredFilled() const
{
    return surgeonAndProcedureFilled();
}

QString frmSpecialTreatment::insertStatement(const QString& userId) const
{
    return QStringLiteral("INSERT INTO STATION..tbSpecialTreatmentConsent (IDnum, Doctor, [Procedure], Witness, Reason, "
                          "Representative, Relation, MinorAge, Transdate, HostName, UserID) ")
           + QStringLiteral("VALUES(")
           + QuotedList({IdNum, Text(txtSurgeon), Text(txtOperation), Text(txtWitness), Text(txtReason),
                         Text(txtRepresentative), Text(txtRelation), Text(txtMinor)})
           + QStringLiteral(",getdate(),host_name(), ") + QuotedList({userId}) + QStringLiteral(")");
}

QVariantList frmSpecialTreatment::reportValues() const
{
    return {PName, Text(txtSurgeon), Text(txtOperation), Text(txtWitness), Text(txtMinor), Text(txtReason),
            Text(txtRepresentative), Text(txtRelation)};
}

} // namespace nursing
