#include "nursing/frmNursePreopChecklist.h"

#include "db/Recordset.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/fields/DateField.h"
#include "shell/fields/NumberField.h"
#include "nursing/PackedText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace nursing {

namespace {

PreOpKind checklistKind()
{
    PreOpKind kind;
    kind.objectName = QStringLiteral("frmNursePreopChecklist");
    kind.windowTitle = QStringLiteral("Nurse Pre-Operative Checklist");
    kind.loadStatement = QStringLiteral("SELECT * FROM STATION..TBNURSEPREOP WHERE IDNUM = ");
    kind.table = QStringLiteral("STATION..tbNursePreOp");
    kind.procedure = QStringLiteral("STATION..Nurse_SavePreOp");
    kind.saveQuestion = QStringLiteral("Do you want to save Nurse Pre-Operative Checklist?\r\nEntered data will not be saved! ");
    kind.savedMessage = QStringLiteral("Nurse Pre-Operative Checklist successfully saved.");
    kind.savedTitle = QStringLiteral("Notification");
    kind.reportFile = QStringLiteral("\\Reports\\NursePreOp.rpt");
    kind.reportTitle = QStringLiteral("Physician's Order Sheet");
    kind.deleteQuestion = QStringLiteral("Are you sure you want to delete Nurse's Pre-Operative Checklist record for this patient?");
    kind.deleteRemark = QStringLiteral("DELETE NURSE PRE-OP");
    kind.deletedMessage = QStringLiteral("Nurse's Pre-Operative Checklist record deleted.");
    return kind;
}

const QStringList kSigns = {QStringLiteral("Blood pressure"), QStringLiteral("Temperature"), QStringLiteral("Pulse rate"),
                            QStringLiteral("Respiratory rate"), QStringLiteral("O2 saturation")};
enum Sign { BloodPressure, Temperature, Pulse, Respiration };

} // namespace

const QStringList& frmNursePreopChecklist::ItemCaptions()
{
    static const QStringList items = {
        QStringLiteral("Consent for operation signed"),       QStringLiteral("Consent for anesthesia signed"),
        QStringLiteral("Identification band on"),             QStringLiteral("Allergies noted on the chart"),
        QStringLiteral("Nothing by mouth since midnight"),    QStringLiteral("Laboratory results in the chart"),
        QStringLiteral("X-ray and imaging results in the chart"), QStringLiteral("ECG done"),
        QStringLiteral("Blood typed and cross-matched"),      QStringLiteral("Skin preparation done"),
        QStringLiteral("Bath or shower taken"),               QStringLiteral("Nail polish and make-up removed"),
        QStringLiteral("Jewelry and valuables removed"),      QStringLiteral("Dentures removed"),
        QStringLiteral("Contact lenses or eyeglasses removed"), QStringLiteral("Hearing aid removed"),
        QStringLiteral("Hair pins and wig removed"),          QStringLiteral("Voided before leaving the ward"),
        QStringLiteral("Intravenous line inserted"),          QStringLiteral("Pre-operative medicines given")};
    return items;
}

frmNursePreopChecklist::frmNursePreopChecklist(QWidget* parent)
    : PreOpDocument(checklistKind(), parent)
{
    buildWindow();
}

void frmNursePreopChecklist::addSections(QVBoxLayout* body)
{
    body->addWidget(yesNoSection(QStringLiteral("Checklist"), ItemCaptions()));
    body->addWidget(boxesSection(QStringLiteral("Remarks"), "txtRemarks",
                                 {QStringLiteral("Other remarks"), QStringLiteral("Endorsed to the OR by")}, 1, txtRemarks));

    // The four pre-operative medicines, one per line.
    auto* medicines = new QGroupBox(QStringLiteral("Pre-operative medicines"), this);
    auto* grid = new QGridLayout(medicines);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(new QLabel(QStringLiteral("<b>Medicine</b>"), medicines), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("<b>Dose</b>"), medicines), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("<b>Time given</b>"), medicines), 0, 2);
    for (int i = 0; i < Medicines; ++i) {
        const QString index = QString::number(i);
        txtMeds.push_back(newBox(QStringLiteral("txtMeds_") + index));
        txtDose.push_back(newBox(QStringLiteral("txtDose_") + index));
        txtTime.push_back(shell::NewOptionalTimeField(medicines, QStringLiteral("txtTime_") + index));
        grid->addWidget(txtMeds.back(), i + 1, 0);
        grid->addWidget(txtDose.back(), i + 1, 1);
        grid->addWidget(txtTime.back(), i + 1, 2);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    body->addWidget(medicines);

    body->addWidget(boxesSection(QStringLiteral("Vital signs before leaving the ward"), "txtSigns", kSigns, 3, txtSigns));
    shell::MakeNumberPairField(txtSigns[BloodPressure], 40, 300);
    shell::MakeNumberField(txtSigns[Temperature], 30, 45, 1);
    shell::MakeNumberField(txtSigns[Pulse], 20, 250);
    shell::MakeNumberField(txtSigns[Respiration], 5, 80);

    auto* spiritual = new QGroupBox(QStringLiteral("Spiritual care"), this);
    auto* form = new QGridLayout(spiritual);
    txtSpiritual = newBox(QStringLiteral("txtSpiritual"));
    txtByWhom = newBox(QStringLiteral("txtByWhom"));
    form->addWidget(new QLabel(QStringLiteral("Spiritual care given:"), spiritual), 0, 0);
    form->addWidget(txtSpiritual, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("By whom:"), spiritual), 0, 2);
    form->addWidget(txtByWhom, 0, 3);
    form->setColumnStretch(1, 2);
    form->setColumnStretch(3, 2);
    body->addWidget(spiritual);

    limitToColumn(txtSpiritual, QStringLiteral("Spiritual"));
    limitToColumn(txtByWhom, QStringLiteral("ByWhom"));
    limitPacked(txtMeds, QStringLiteral("Medicine"));
    limitPacked(txtDose, QStringLiteral("Dose"));
    limitPacked(txtSigns, QStringLiteral("Signs"));
    // Remarks are kept in a column of unlimited text; the times are time boxes.
}

void frmNursePreopChecklist::fillFrom(const db::Recordset& row)
{
    txtSpiritual->setText(row.text(QStringLiteral("Spiritual")));
    txtByWhom->setText(row.text(QStringLiteral("ByWhom")));
    unpack(row.text(QStringLiteral("Medicine")), txtMeds);
    unpack(row.text(QStringLiteral("Dose")), txtDose);
    const QStringList times = PackedText::Unpack(row.text(QStringLiteral("Time")), Medicines);
    for (int i = 0; i < Medicines; ++i)
        shell::SetTimeFieldText(txtTime[i], times[i]);
    unpack(row.text(QStringLiteral("Signs")), txtSigns);
}

QStringList frmNursePreopChecklist::savedValues() const
{
    return {txtPx[1]->text(),   txtPx[2]->text(),   timeSchedText(), dateSchedText(), txtOperation->text(),
            txtSpiritual->text(), txtByWhom->text(), packedOptions(),  packed(txtRemarks), packed(txtMeds),
            packed(txtDose),    packedTimes(),      packed(txtSigns)};
}

QString frmNursePreopChecklist::packedTimes() const
{
    QStringList entries;
    for (const QTimeEdit* box : txtTime)
        entries << shell::TimeFieldText(box);
    return PackedText::Pack(entries);
}

QVariantList frmNursePreopChecklist::printedValues() const
{
    QVariantList values = {txtPx[1]->text(), txtPx[2]->text(), timeSchedText(), dateSchedText(),
                           txtOperation->text(), txtSpiritual->text(), txtByWhom->text()};
    QVariantList times;
    for (const QTimeEdit* box : txtTime)
        times << shell::TimeFieldText(box);
    values << optionMarks() << texts(txtRemarks) << texts(txtMeds) << texts(txtDose) << times << texts(txtSigns);
    return values;
}

std::vector<std::pair<QString, const QLineEdit*>> frmNursePreopChecklist::packedBoxes() const
{
    std::vector<std::pair<QString, const QLineEdit*>> boxes;
    for (std::size_t i = 0; i < txtRemarks.size(); ++i)
        boxes.emplace_back(i < static_cast<std::size_t>(Items) ? QStringLiteral("The remark of item ") + QString::number(i + 1)
                                                                 : QStringLiteral("Remarks"),
                           txtRemarks[i]);
    for (int i = 0; i < Medicines; ++i) {
        boxes.emplace_back(QStringLiteral("Medicine ") + QString::number(i + 1), txtMeds[i]);
        boxes.emplace_back(QStringLiteral("The dose of medicine ") + QString::number(i + 1), txtDose[i]);
    }
    for (std::size_t i = 0; i < txtSigns.size(); ++i)
        boxes.emplace_back(kSigns[static_cast<int>(i)], txtSigns[i]);
    return boxes;
}

std::vector<std::pair<QString, const QLineEdit*>> frmNursePreopChecklist::numberBoxes() const
{
    return {{kSigns[BloodPressure], txtSigns[BloodPressure]},
            {kSigns[Temperature], txtSigns[Temperature]},
            {kSigns[Pulse], txtSigns[Pulse]},
            {kSigns[Respiration], txtSigns[Respiration]}};
}

frmNursePreopChecklist* OpenPreopChecklistForSelectedPatient()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmNursePreopChecklist;
    form->IdNum = app::IdNum;
    form->PName = app::PatientName;
    form->Room = app::RoomID;
    form->Form_Load();
    return form;
}

} // namespace nursing
