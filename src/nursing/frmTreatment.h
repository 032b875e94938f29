#pragma once

#include "nursing/ConsentForm.h"

namespace nursing {

// Consent for treatment: the patient's (or representative's) general consent, before a witness; the minor's age is taken at the surgical authorization's signing.
class frmTreatment : public ConsentForm {
    Q_OBJECT

public:
    explicit frmTreatment(QWidget* parent = nullptr);

protected:
    void fillFrom(const db::Recordset& row) override;
    bool requiredFilled() const override;
    QString insertStatement(const QString& userId) const override;
    QVariantList reportValues() const override;
};

} // namespace nursing
