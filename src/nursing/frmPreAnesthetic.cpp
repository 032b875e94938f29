#include "nursing/frmPreAnesthetic.h"

#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/fields/NumberField.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nursing {

namespace {

PreOpKind evaluationKind()
{
    PreOpKind kind;
    kind.objectName = QStringLiteral("frmPreAnesthetic");
    kind.windowTitle = QStringLiteral("Pre-Anesthetic Evaluation");
    kind.loadStatement = QStringLiteral("SELECT * FROM STATION..tbNursePreAnesthetic WHERE IDNUM = ");
    kind.table = QStringLiteral("STATION..tbNursePreAnesthetic");
    kind.procedure = QStringLiteral("STATION..Nurse_PreAnes");
    kind.saveQuestion = QStringLiteral("Do you want to save Pre-Anesthetic evaluation record?\r\nEntered data will not be saved! ");
    kind.savedMessage = QStringLiteral("Pre-Anesthetic evaluation successfully saved.");
    kind.savedTitle = QStringLiteral("Notificatioin");
    kind.reportFile = QStringLiteral("\\Reports\\PreAnesthetic.rpt");
    kind.reportTitle = QStringLiteral("Pre-Anesthetic Evaluation");
    kind.deleteQuestion = QStringLiteral("Are you sure you want to delete Preanesthetic Evaluation record for this patient?");
    kind.deleteRemark = QStringLiteral("Deleted Preanesthetic Evaluation");
    kind.deletedMessage = QStringLiteral("Pre-Anesthetic evaluation record successfully deleted.");
    return kind;
}

// The measurement boxes, in the order of SmallBoxCaptions.
enum Small { Weight, Height, BloodPressure, Pulse, Respiration, Temperature, Mallampati, Asa, HoursFasting };

} // namespace

const QStringList& frmPreAnesthetic::ItemCaptions()
{
    static const QStringList items = {
        QStringLiteral("Previous anesthesia"),              QStringLiteral("Problems with a previous anesthesia"),
        QStringLiteral("Family history of anesthesia problems"), QStringLiteral("Drug allergy"),
        QStringLiteral("Food or latex allergy"),            QStringLiteral("Hypertension"),
        QStringLiteral("Heart disease"),                    QStringLiteral("Chest pain or angina"),
        QStringLiteral("Asthma"),                           QStringLiteral("Chronic cough or lung disease"),
        QStringLiteral("Recent cold or respiratory infection"), QStringLiteral("Smoker"),
        QStringLiteral("Alcohol intake"),                   QStringLiteral("Diabetes mellitus"),
        QStringLiteral("Thyroid disease"),                  QStringLiteral("Kidney disease"),
        QStringLiteral("Liver disease or hepatitis"),       QStringLiteral("Bleeding tendency"),
        QStringLiteral("Anemia"),                           QStringLiteral("Seizures"),
        QStringLiteral("Stroke"),                           QStringLiteral("Neuromuscular disease"),
        QStringLiteral("Pregnant"),                         QStringLiteral("Acid reflux or hiatal hernia"),
        QStringLiteral("Maintenance medicines"),            QStringLiteral("Blood thinners or aspirin"),
        QStringLiteral("Loose teeth or dentures"),          QStringLiteral("Difficult airway expected"),
        QStringLiteral("Limited neck movement"),            QStringLiteral("Limited mouth opening"),
        QStringLiteral("Fasting adequate"),                 QStringLiteral("Laboratory results complete"),
        QStringLiteral("Consent for anesthesia signed"),    QStringLiteral("Blood available")};
    return items;
}

const QStringList& frmPreAnesthetic::SmallBoxCaptions()
{
    static const QStringList boxes = {QStringLiteral("Weight (kg)"),      QStringLiteral("Height (cm)"),
                                      QStringLiteral("Blood pressure"),   QStringLiteral("Pulse rate"),
                                      QStringLiteral("Respiratory rate"), QStringLiteral("Temperature"),
                                      QStringLiteral("Mallampati class"), QStringLiteral("ASA class"),
                                      QStringLiteral("Hours fasting")};
    return boxes;
}

QString frmPreAnesthetic::AgeText(const QString& computed)
{
    const QString age = computed.trimmed();
    if (age.endsWith(QLatin1Char('D')))
        return age.chopped(1) + QStringLiteral(" day(s)");
    if (age.endsWith(QLatin1Char('M')))
        return age.chopped(1) + QStringLiteral(" month(s)");
    return age.isEmpty() ? QString() : age + QStringLiteral(" year(s)");
}

frmPreAnesthetic::frmPreAnesthetic(QWidget* parent)
    : PreOpDocument(evaluationKind(), parent)
{
    buildWindow();
}

void frmPreAnesthetic::addSections(QVBoxLayout* body)
{
    auto* diagnosis = new QGroupBox(QStringLiteral("Pre-operative diagnosis"), this);
    auto* line = new QVBoxLayout(diagnosis);
    txtPreOperative = newBox(QStringLiteral("txtPreOperative"));
    line->addWidget(txtPreOperative);
    body->addWidget(diagnosis);
    body->addWidget(boxesSection(QStringLiteral("Measurements"), "txtSmall", SmallBoxCaptions(), 3, txtSmall));
    body->addWidget(yesNoSection(QStringLiteral("History and findings"), ItemCaptions()));

    // Measurements take numbers in the range a patient can have; the
    // Mallampati and ASA classes are written as the anaesthesiologist writes them (II, 2E).
    shell::MakeNumberField(txtSmall[Weight], 0.3, 400, 2);
    shell::MakeNumberField(txtSmall[Height], 20, 250, 1);
    shell::MakeNumberPairField(txtSmall[BloodPressure], 40, 300);
    shell::MakeNumberField(txtSmall[Pulse], 20, 250);
    shell::MakeNumberField(txtSmall[Respiration], 5, 80);
    shell::MakeNumberField(txtSmall[Temperature], 30, 45, 1);
    shell::MakeNumberField(txtSmall[HoursFasting], 0, 72, 1);
    limitToColumn(txtPreOperative, QStringLiteral("PreOperative"));
    limitPacked(txtSmall, QStringLiteral("OtherBoxes"));
    // Remarks are kept in a column of unlimited text.
}

std::vector<std::pair<QString, const QLineEdit*>> frmPreAnesthetic::numberBoxes() const
{
    std::vector<std::pair<QString, const QLineEdit*>> boxes;
    for (int i : {Weight, Height, BloodPressure, Pulse, Respiration, Temperature, HoursFasting})
        boxes.emplace_back(SmallBoxCaptions()[i], txtSmall[static_cast<std::size_t>(i)]);
    return boxes;
}

void frmPreAnesthetic::fillFrom(const db::Recordset& row)
{
    txtPreOperative->setText(row.text(QStringLiteral("PreOperative")));
    unpack(row.text(QStringLiteral("OtherBoxes")), txtSmall);
}

// The printed form's age at admission and the name parts.
void frmPreAnesthetic::afterLoad()
{
    AgeAtAdmission.clear();
    LastName.clear();
    FirstName.clear();
    MiddleName.clear();
    const QString join = (IdNum.endsWith(QLatin1Char('B')) ? QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbOUTpatient P ON P.IdNum = ")
                                                          : QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbpatient P ON P.IdNum = ")) +
                         db::Quote(IdNum) + QLatin1Char(' ');
    db::Connection& conn = *app::SQLConnection();
    db::Recordset age = conn.open(QStringLiteral("SELECT  STATION.DBO.fn_LabComputeAge(convert(varchar(10),BirthDate,101),P.Admdate) AS Age ") +
                                  QStringLiteral("FROM    PATIENT_DATA..tbmaster M ") + join +
                                  QStringLiteral("WHERE   M.HOSPNUM = P.HospNum "));
    if (!age.eof())
        AgeAtAdmission = AgeText(age.text(QStringLiteral("Age")));
    db::Recordset name = conn.open(QStringLiteral("SELECT  Lastname, Firstname, Middlename ") +
                                   QStringLiteral("FROM    PATIENT_DATA..tbmaster ") + QStringLiteral("WHERE   HOSPNUM = ") +
                                   db::Quote(HospNo));
    if (!name.eof()) {
        LastName = name.text(QStringLiteral("Lastname"));
        FirstName = name.text(QStringLiteral("Firstname"));
        MiddleName = name.text(QStringLiteral("Middlename"));
    }
}

QStringList frmPreAnesthetic::savedValues() const
{
    return {txtPx[1]->text(), txtPx[2]->text(), timeSchedText(), dateSchedText(), txtOperation->text(),
            txtPreOperative->text(), packedOptions(), packed(txtRemarks), packed(txtSmall)};
}

QVariantList frmPreAnesthetic::printedValues() const
{
    QVariantList values = {HospNo, Sex, AgeAtAdmission, LastName, FirstName, MiddleName,
                           txtPx[1]->text(), txtPx[2]->text(), timeSchedText(), dateSchedText(),
                           txtOperation->text(), txtPreOperative->text()};
    values << optionMarks() << texts(txtRemarks) << texts(txtSmall);
    return values;
}

std::vector<std::pair<QString, const QLineEdit*>> frmPreAnesthetic::packedBoxes() const
{
    std::vector<std::pair<QString, const QLineEdit*>> boxes;
    for (std::size_t i = 0; i < txtRemarks.size(); ++i)
        boxes.emplace_back(QStringLiteral("The remark of item ") + QString::number(i + 1), txtRemarks[i]);
    for (std::size_t i = 0; i < txtSmall.size(); ++i)
        boxes.emplace_back(SmallBoxCaptions()[static_cast<int>(i)], txtSmall[i]);
    return boxes;
}

frmPreAnesthetic* OpenPreAnestheticForSelectedPatient()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmPreAnesthetic;
    form->IdNum = app::IdNum;
    form->HospNo = app::HospNum;
    form->PName = app::PatientName;
    form->Room = app::RoomID;
    // The selection keeps no sex: it is read from the patient's master record.
    shell::SaveTransaction::Load([form](db::Connection& conn) {
        db::Recordset master = conn.open(QStringLiteral("SELECT Sex FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ") + db::Quote(app::HospNum));
        if (!master.eof())
            form->Sex = master.text(QStringLiteral("Sex"));
    });
    form->Form_Load();
    return form;
}

} // namespace nursing
