#pragma once

#include "nursing/ConsentForm.h"

namespace nursing {

// Consent for a sterilization procedure: the procedure, the person authorized to perform it and the consenting spouse.
class frmSterilization : public ConsentForm {
    Q_OBJECT

public:
    explicit frmSterilization(QWidget* parent = nullptr);

protected:
    void fillFrom(const db::Recordset& row) override;
    bool requiredFilled() const override;
    QString insertStatement(const QString& userId) const override;
    QVariantList reportValues() const override;
};

} // namespace nursing
