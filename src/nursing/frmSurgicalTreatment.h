#pragma once

#include "nursing/ConsentForm.h"

namespace nursing {

// Authorization for surgical treatment: the surgeon, the operation and its exceptions, signed by the patient or a representative before a witness.
class frmSurgicalTreatment : public ConsentForm {
    Q_OBJECT

public:
    explicit frmSurgicalTreatment(QWidget* parent = nullptr);

protected:
    void fillFrom(const db::Recordset& row) override;
    bool requiredFilled() const override;
    QString insertStatement(const QString& userId) const override;
    QVariantList reportValues() const override;
};

} // namespace nursing
