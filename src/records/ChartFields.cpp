#include "records/ChartFields.h"

#include "shell/fields/ColumnLength.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace records {

const std::vector<BoundField>& ChartTextFields()
{
    using P = FieldPlace;
    using O = RecordOptions;
    static const std::vector<BoundField> fields{
        {"txtProposed", "OperationProposed", "Operation proposed:", P::Procedure, false, nullptr},
        {"txtSpecificDesc", "SpecificDesc", "Specific description:", P::Procedure, false, nullptr},
        {"txtProphylaxis", "ProphyLaxis", "Antibiotic prophylaxis given:", P::Procedure, false, nullptr},
        {"txtORNo", "ManualORNo", "OR number (manual):", P::Procedure, false, nullptr},
        {"txtCaseNo", "CaseNumber", "Case number:", P::Procedure, false, &O::requireCaseNumber},
        {"txtVerifiers", "Verifiers", "Verified by:", P::Procedure, false, nullptr},
        {"txtRemarks", "Remarks", "Remarks:", P::Procedure, true, nullptr},

        {"txtFoodIntake", "FoodIntake", "Last food intake:", P::Anesthesia, false, nullptr},
        {"txtFluids", "TotalFluids", "Total fluids:", P::Anesthesia, false, nullptr},
        {"txtBloodLoss", "BloodLoss", "Blood loss:", P::Anesthesia, false, nullptr},
        {"txtBloodProd", "BloodProducts", "Blood products:", P::Anesthesia, false, nullptr},
        {"txtPreop_0", "PreOPBP", "Pre-op BP:", P::Anesthesia, false, nullptr},
        {"txtPreop_1", "PreOPTemp", "Pre-op temperature:", P::Anesthesia, false, nullptr},
        {"txtPreop_2", "PreOPPR", "Pre-op pulse rate:", P::Anesthesia, false, nullptr},
        {"txtPreop_3", "PreOPRR", "Pre-op respiratory rate:", P::Anesthesia, false, nullptr},
        {"txtPreop_4", "PostOPBP", "Post-op BP:", P::Anesthesia, false, nullptr},
        {"txtPreop_5", "PostOPO2Sat", "Post-op O2 saturation:", P::Anesthesia, false, nullptr},
        {"txtPreop_6", "PostOPPR", "Post-op pulse rate:", P::Anesthesia, false, nullptr},
        {"txtPreop_7", "PostOPRR", "Post-op respiratory rate:", P::Anesthesia, false, nullptr},
        {"txtStatus", "PostOPStatus", "Post-op status:", P::Anesthesia, false, nullptr},
        {"txtSystemReview", "SystemReview", "Review of systems:", P::Anesthesia, true, nullptr},
        {"txtPremedication", "Premedication", "Premedication:", P::Anesthesia, false, nullptr},
        {"txtInductions", "Inductions", "Induction:", P::Anesthesia, false, nullptr},
        {"txtMaintenance", "Maintenance", "Maintenance:", P::Anesthesia, false, nullptr},

        {"txtCount_0", "InstrumentsInitial", "Instruments, initial count:", P::Counts, false, &O::countsFreeEntry},
        {"txtCount_1", "InstrumentsFinal", "Instruments, final count:", P::Counts, false, &O::countsFreeEntry},
        {"txtCountOS", "CountOS", "Count O.S.:", P::Counts, false, nullptr},
        {"txtCountAP", "CountAP", "Count A.P.:", P::Counts, false, nullptr},
        {"txtSutures_0", "SuturesText2", "Sutures used:", P::Counts, true, nullptr},

        {"txtSpecimen", "SpecimenText", "Specimen:", P::Specimen, true, &O::showSpecimen},
        {"txtSpecimen2", "Specimen2", "Other specimen:", P::Specimen, true, &O::showSpecimen},
    };
    return fields;
}

QString BoxText(const QWidget* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(box))
        return text->toPlainText();
    return {};
}

void SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
}

void ChartTextBoxes::build(const std::map<FieldPlace, QFormLayout*>& forms, QWidget* owner, const RecordOptions& options)
{
    for (const BoundField& f : ChartTextFields()) {
        if (!forms.count(f.place))
            continue;
        QWidget* box = nullptr;
        if (f.multiline) {
            auto* edit = new QPlainTextEdit(owner);
            edit->setTabChangesFocus(true);
            edit->setMaximumHeight(60);
            box = edit;
        } else {
            auto* line = new QLineEdit(owner);
            shell::LimitToColumn(line, QStringLiteral("STATION..tbORMasterFile"), QString::fromLatin1(f.column));
            box = line;
        }
        box->setObjectName(QString::fromLatin1(f.objectName));
        QFormLayout* form = forms.at(f.place);
        form->addRow(QString::fromLatin1(f.caption), box);
        if (f.shownBy && !(options.*f.shownBy))
            form->setRowVisible(box, false);
        boxes_.insert(QString::fromLatin1(f.objectName), box);
    }
}

void ChartTextBoxes::fill(const OperationRecord& record)
{
    for (const BoundField& f : ChartTextFields())
        SetBoxText(boxes_.value(QString::fromLatin1(f.objectName)), record.value(QString::fromLatin1(f.column)));
}

void ChartTextBoxes::read(OperationRecord& record) const
{
    for (const BoundField& f : ChartTextFields())
        record.set(QString::fromLatin1(f.column), BoxText(boxes_.value(QString::fromLatin1(f.objectName))));
}

} // namespace records
