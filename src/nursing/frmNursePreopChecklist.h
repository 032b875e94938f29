#pragma once

#include "nursing/PreOpDocument.h"

namespace nursing {

// The nurse's checklist of a patient going to the operating room: the
// scheduled operation, twenty yes/no checks with remarks, the pre-operative
// medicines with dose and time, the vital signs and the spiritual care given.
class frmNursePreopChecklist : public PreOpDocument {
    Q_OBJECT
public:
    static constexpr int Items = 20; // yes/no checks: 40 options
    static constexpr int Medicines = 4;

    explicit frmNursePreopChecklist(QWidget* parent = nullptr);
    static const QStringList& ItemCaptions();

    QLineEdit* txtSpiritual = nullptr;
    QLineEdit* txtByWhom = nullptr;
    std::vector<QLineEdit*> txtMeds, txtDose, txtSigns;
    // The time each medicine was given: time boxes named txtTime_0 to txtTime_3.
    std::vector<QTimeEdit*> txtTime;

protected:
    void addSections(QVBoxLayout* body) override;
    void fillFrom(const db::Recordset& row) override;
    QStringList savedValues() const override;
    QVariantList printedValues() const override;
    std::vector<std::pair<QString, const QLineEdit*>> packedBoxes() const override;
    std::vector<std::pair<QString, const QLineEdit*>> numberBoxes() const override;

private:
    QString packedTimes() const;
};

// Opens the checklist of the selected patient; null (after telling the
// nurse) when no patient is selected.
frmNursePreopChecklist* OpenPreopChecklistForSelectedPatient();

} // namespace nursing
