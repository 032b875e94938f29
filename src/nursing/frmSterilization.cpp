#include "nursing/frmSterilization.h"

#include "db/Recordset.h"

#include <QLineEdit>

namespace nursing {

namespace {

ConsentKind SterilizationKind()
{
    // Signed by adults only: no minor's age.
    return {QStringLiteral("STATION..tbSterilizationConsent"),
            QStringLiteral("\\Reports\\SterilizationConsent.rpt"),
            QStringLiteral("Consent for Sterilization Procedure"),
            QStringLiteral("Are you sure you want to delete consent record for this patient?"),
            QStringLiteral("Deleted Sterilization Consent"),
            QStringLiteral("Consent for Sterilization Procedure record deleted."),
            QString(),
            QString()};
}

} // namespace

frmSterilization::frmSterilization(QWidget* parent) : ConsentForm(SterilizationKind(), parent)
{
    setObjectName(QStringLiteral("frmSterilization"));
    txtOperation = addBox("txtOperation", QStringLiteral("Procedure:"), QStringLiteral("Procedure"));
    txtAuthorized = addBox("txtAuthorized", QStringLiteral("Authorized to perform:"), QStringLiteral("Authorized"));
    txtSpouse = addBox("txtSpouse", QStringLiteral("Consenting spouse:"), QStringLiteral("ConsentingSpouse"));
    txtWitness = addBox("txtWitness", QStringLiteral("Witness:"), QStringLiteral("Witness"));
    finishLayout();
}

void frmSterilization::fillFrom(const db::Recordset& row)
{
    txtWitness->setText(row.text(QStringLiteral("Witness")));
    txtOperation->setText(row.text(QStringLiteral("Procedure")));
    txtAuthorized->setText(row.text(QStringLiteral("Authorized")));
    txtSpouse->setText(row.text(QStringLiteral("ConsentingSpouse")));
}

bool frmSterilization::requiredFilled() const
{
    if (txtOperation->text().trimmed().isEmpty())
        return Missing(QStringLiteral("Please specify name of procedure."));
    return true;
}

QString frmSterilization::insertStatement(const QString& userId) const
{
    return QStringLiteral("INSERT INTO STATION..tbSterilizationConsent (IDnum, [Procedure], Witness, Authorized, "
                          "ConsentingSpouse, Transdate, HostName, UserID) ")
           + QStringLiteral("VALUES(")
           + QuotedList({IdNum, Text(txtOperation), Text(txtWitness), Text(txtAuthorized), Text(txtSpouse)})
           + QStringLiteral(",getdate(),host_name(), ") + QuotedList({userId}) + QStringLiteral(")");
}

QVariantList frmSterilization::reportValues() const
{
    return {PName, Text(txtOperation), Text(txtSpouse), Text(txtAuthorized), Text(txtWitness), Address};
}

} // namespace nursing
