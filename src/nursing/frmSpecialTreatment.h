#pragma once

#include "nursing/ConsentForm.h"

namespace nursing {

// Consent for special treatment: the doctor and the procedure, with the minor's age stored as it was when signed.
class frmSpecialTreatment : public ConsentForm {
    Q_OBJECT

public:
    explicit frmSpecialTreatment(QWidget* parent = nullptr);

protected:
    void fillFrom(const db::Recordset& row) override;
    bool requiredFilled() const override;
    QString insertStatement(const QString& userId) const override;
    QVariantList reportValues() const override;
};

} // namespace nursing
