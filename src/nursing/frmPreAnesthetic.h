#pragma once

#include "nursing/PreOpDocument.h"

namespace nursing {

// The pre-anaesthetic evaluation of a patient before an operation: the
// scheduled operation, the pre-operative diagnosis, thirty-four yes/no
// findings with remarks and nine small measurement boxes. The printed form
// also carries the patient's name parts and age at admission.
class frmPreAnesthetic : public PreOpDocument {
    Q_OBJECT
public:
    static constexpr int Items = 34; // yes/no findings: 68 options

    explicit frmPreAnesthetic(QWidget* parent = nullptr);
    static const QStringList& ItemCaptions();
    static const QStringList& SmallBoxCaptions();
    // The age as printed, from the age function's text: "12D" days, "7M"
    // months, otherwise years.
    static QString AgeText(const QString& computed);

    // Set by the opener, with IdNum, PName and Room.
    QString HospNo;
    QString Sex;

    QLineEdit* txtPreOperative = nullptr;
    std::vector<QLineEdit*> txtSmall;

    // What the last load read for the printed form.
    QString AgeAtAdmission;
    QString LastName, FirstName, MiddleName;

protected:
    void addSections(QVBoxLayout* body) override;
    void fillFrom(const db::Recordset& row) override;
    void afterLoad() override;
    QStringList savedValues() const override;
    QVariantList printedValues() const override;
    std::vector<std::pair<QString, const QLineEdit*>> packedBoxes() const override;
    std::vector<std::pair<QString, const QLineEdit*>> numberBoxes() const override;
};

// Opens the evaluation of the selected patient; null (after telling the
// nurse) when no patient is selected.
frmPreAnesthetic* OpenPreAnestheticForSelectedPatient();

} // namespace nursing
