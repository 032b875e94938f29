#include "chart/nursing/NursingProfilePage.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/UserValidation.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/EditTracker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace chart::nursing {

namespace {

// The allergy codes the wards use; another code can be typed.
const char* const kAllergyCodes[] = {"PEN", "SULFA", "NSAID", "LATEX", "SEAFOOD", "IODINE", "ASPIRIN", "EGG", "PEANUT"};

QString Quoted(const QString& text)
{
    return db::Quote(text.trimmed());
}

QPlainTextEdit* TextBox(QWidget* parent, const char* name, int lines)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

} // namespace

const std::vector<NursingProfilePage::Box>& NursingProfilePage::Boxes()
{
    static const std::vector<Box> boxes = {
        {"M1", "Hypertension"},       {"M2", "Diabetes mellitus"},   {"M3", "Bronchial asthma"},
        {"F1", "Ambulatory"},         {"F2", "Needs assistance"},    {"F3", "Wheelchair-bound"},
        {"F4", "Bedridden"},          {"F5", "Wears eyeglasses"},    {"F6", "Wears dentures"},
        {"F7", "Hearing aid"},        {"O1", "Smoker"},              {"O2", "Alcohol drinker"},
        {"PH1", "Previous admission"}, {"PH2", "Blood transfusion"}, {"PH3", "Heart disease"},
        {"PH4", "Tuberculosis"},      {"FH1", "Hypertension"},       {"FH2", "Diabetes mellitus"},
        {"FH3", "Cancer"},            {"FH4", "Heart disease"},      {"PSH1", "Appendectomy"},
        {"PSH2", "Caesarean section"}, {"PSH3", "Other operation"},
    };
    return boxes;
}

const std::vector<NursingProfilePage::Box>& NursingProfilePage::ExamRegions()
{
    static const std::vector<Box> regions = {
        {"PEskin", "Skin"},           {"PEheadneck", "Head and neck"}, {"PEthorax", "Chest and lungs"},
        {"PEabdomen", "Abdomen"},     {"PEextremeties", "Extremities"}, {"PElympnodes", "Lymph nodes"},
        {"PEgenitalia", "Genitalia"}, {"PErectal", "Rectal"},           {"PEneurological", "Neurological"},
        {"PEOthers", "Others"},
    };
    return regions;
}

NursingProfilePage::NursingProfilePage(QWidget* parent)
    : ChartPanel(parent)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("NursingProfilePage"));
    using namespace shell::StationLook;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // The profile is long; on a small screen it scrolls rather than crushing its boxes.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget(scroll);
    scroll->setWidget(body);
    outer->addWidget(scroll, 1);

    auto* root = new QGridLayout(body);
    root->setContentsMargins(Small, Small, Small, Small);
    root->setHorizontalSpacing(Medium);
    root->setVerticalSpacing(Small);

    auto* allergies = new QGroupBox(QStringLiteral("Allergies"), body);
    auto* allergyRow = new QHBoxLayout(allergies);
    allergyRow->setSpacing(Tight);
    for (int i = 0; i < 5; ++i) {
        cboAllergy[i] = new QComboBox(allergies);
        cboAllergy[i]->setObjectName(QStringLiteral("cboAllergy_") + QString::number(i));
        cboAllergy[i]->setEditable(true);
        cboAllergy[i]->addItem(QString());
        for (const char* code : kAllergyCodes)
            cboAllergy[i]->addItem(QLatin1String(code));
        cboAllergy[i]->setCurrentIndex(0);
        shell::LimitToColumn(cboAllergy[i]->lineEdit(), QStringLiteral("PATIENT_DATA..tbMasterAllergies"),
                             QStringLiteral("AllergyID") + QString::number(i + 1));
        allergyRow->addWidget(cboAllergy[i]);
    }
    allergyRow->addSpacing(Medium);
    allergyRow->addWidget(new QLabel(QStringLiteral("Others:"), allergies));
    txtOtherAllergies = new QLineEdit(allergies);
    txtOtherAllergies->setObjectName(QStringLiteral("txtOtherAllergies"));
    shell::LimitToColumn(txtOtherAllergies, QStringLiteral("PATIENT_DATA..tbMasterAllergies"), QStringLiteral("Others"));
    allergyRow->addWidget(txtOtherAllergies, 1);
    root->addWidget(allergies, 0, 0, 1, 2);

    // The check boxes in their groups, as the paper profile lists them.
    auto* history = new QGroupBox(QStringLiteral("History and functional status"), body);
    auto* boxes = new QGridLayout(history);
    boxes->setHorizontalSpacing(Medium);
    boxes->setVerticalSpacing(Tight);
    const std::pair<const char*, const char*> groups[] = {{"M", "Medical"},          {"F", "Functional"},
                                                          {"O", "Habits"},           {"PH", "Past history"},
                                                          {"FH", "Family history"},  {"PSH", "Past surgical history"}};
    int groupColumn = 0;
    for (const auto& [prefix, caption] : groups) {
        const int column = groupColumn % 3, rowBase = (groupColumn / 3) * 9;
        boxes->addWidget(new QLabel(QStringLiteral("<b>") + QLatin1String(caption) + QStringLiteral("</b>"), history), rowBase, column);
        int row = rowBase + 1;
        for (const Box& box : Boxes()) {
            const QString code = QLatin1String(box.column);
            if (code.left(code.size() - 1) != QLatin1String(prefix))
                continue;
            auto* check = new QCheckBox(QLatin1String(box.caption), history);
            check->setObjectName(QStringLiteral("chk") + code);
            chkProfile.push_back(check);
            boxes->addWidget(check, row++, column);
        }
        ++groupColumn;
    }
    // chkProfile follows the groups' order; put it back in the order of Boxes().
    std::vector<QCheckBox*> ordered;
    for (const Box& box : Boxes())
        ordered.push_back(history->findChild<QCheckBox*>(QStringLiteral("chk") + QLatin1String(box.column)));
    chkProfile = ordered;
    boxes->setRowStretch(18, 1);
    root->addWidget(history, 1, 0);

    auto* exam = new QGroupBox(QStringLiteral("Physical examination"), body);
    auto* regions = new QFormLayout(exam);
    regions->setVerticalSpacing(Tight);
    for (const Box& region : ExamRegions()) {
        auto* box = new QLineEdit(exam);
        box->setObjectName(QStringLiteral("txt") + QLatin1String(region.column));
        shell::LimitToColumn(box, QStringLiteral("STATION..tbNurseProfile"), QLatin1String(region.column));
        txtExam.push_back(box);
        regions->addRow(QLatin1String(region.caption) + QLatin1Char(':'), box);
    }
    root->addWidget(exam, 1, 1);

    auto* texts = new QGroupBox(QStringLiteral("History of the present stay"), body);
    auto* textForm = new QGridLayout(texts);
    textForm->setHorizontalSpacing(Medium);
    txtBriefHistory = TextBox(texts, "txtBriefHistory", 3);
    txtPhysicalExamination = TextBox(texts, "txtPhysicalExamination", 3);
    txtAdmDiagnosis = TextBox(texts, "txtAdmDiagnosis", 2);
    txtChiefComplaint = TextBox(texts, "txtChiefComplaint", 2);
    textForm->addWidget(new QLabel(QStringLiteral("Brief history:"), texts), 0, 0);
    textForm->addWidget(txtBriefHistory, 1, 0);
    textForm->addWidget(new QLabel(QStringLiteral("Physical examination (summary):"), texts), 0, 1);
    textForm->addWidget(txtPhysicalExamination, 1, 1);
    textForm->addWidget(new QLabel(QStringLiteral("Admitting diagnosis:"), texts), 2, 0);
    textForm->addWidget(txtAdmDiagnosis, 3, 0);
    textForm->addWidget(new QLabel(QStringLiteral("Chief complaint:"), texts), 2, 1);
    textForm->addWidget(txtChiefComplaint, 3, 1);
    root->addWidget(texts, 2, 0, 1, 2);

    cmdSaveProfile = new QPushButton(QStringLiteral("&Save Profile"), body);
    cmdSaveProfile->setObjectName(QStringLiteral("cmdSaveProfile"));
    cmdSaveProfile->setAutoDefault(false);
    root->addLayout(ButtonRow({cmdSaveProfile}, false), 3, 0, 1, 2);
    root->setColumnStretch(0, 1);
    root->setColumnStretch(1, 1);

    connect(cmdSaveProfile, &QPushButton::clicked, this, [this] { cmdSaveProfile_Click(); });
    tracker_->watch(body);
}

void NursingProfilePage::clear()
{
    for (QComboBox* box : cboAllergy)
        box->setCurrentText(QString());
    txtOtherAllergies->clear();
    for (QCheckBox* box : chkProfile)
        box->setChecked(false);
    for (QLineEdit* box : txtExam)
        box->clear();
    for (QPlainTextEdit* box : {txtBriefHistory, txtPhysicalExamination, txtAdmDiagnosis, txtChiefComplaint})
        box->clear();
}

void NursingProfilePage::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    tracker_->pause();
    clear();
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        db::Recordset allergies =
            conn.open(QStringLiteral("Select AllergyID1,AllergyID2,AllergyID3,AllergyID4,AllergyID5,Others from "
                                     "PATIENT_DATA..tbMasterAllergies Where Hospnum =") +
                      db::Quote(patient.hospNum));
        if (!allergies.eof()) {
            for (int i = 0; i < 5; ++i)
                cboAllergy[i]->setCurrentText(allergies.text(QStringLiteral("AllergyID") + QString::number(i + 1)).trimmed());
            txtOtherAllergies->setText(allergies.text(QStringLiteral("Others")));
        }
        db::Recordset profile = conn.open(QStringLiteral("Select * from STATION..tbNurseProfile where Hospnum = %1 and IDNum = %2")
                                              .arg(db::Quote(patient.hospNum), db::Quote(patient.idNum)));
        if (!profile.eof()) {
            for (size_t i = 0; i < Boxes().size(); ++i)
                chkProfile[i]->setChecked(profile.field(QLatin1String(Boxes()[i].column)).toInt() != 0);
            for (size_t i = 0; i < ExamRegions().size(); ++i)
                txtExam[i]->setText(profile.text(QLatin1String(ExamRegions()[i].column)));
            txtBriefHistory->setPlainText(profile.text(QStringLiteral("BriefHistory")));
        }
        db::Recordset history = conn.open(QStringLiteral("Select Isnull(BriefHistory,'') As BriefHistory, Isnull(PhysicalExamination,'') "
                                                         "As PhysicalExamination From PATIENT_DATA..tbPatientHistory Where IDNum = ") +
                                          db::Quote(patient.idNum) + QLatin1Char(';'));
        if (!history.eof()) {
            if (txtBriefHistory->toPlainText().isEmpty())
                txtBriefHistory->setPlainText(history.text(QStringLiteral("BriefHistory")));
            txtPhysicalExamination->setPlainText(history.text(QStringLiteral("PhysicalExamination")));
        }
        if (!patient.outPatient()) {
            db::Recordset admission = conn.open(QStringLiteral("Select Isnull(ADMDiagnosis,'') As ADMDiagnosis, Isnull(ChiefComplaint,'') "
                                                               "As ChiefComplaint From PATIENT_DATA..tbPatientHistory Where IDNum = ") +
                                                db::Quote(patient.idNum));
            txtAdmDiagnosis->setPlainText(admission.eof() ? patient.admittingDiagnosis : admission.text(QStringLiteral("ADMDiagnosis")));
            txtChiefComplaint->setPlainText(admission.eof() ? QString() : admission.text(QStringLiteral("ChiefComplaint")));
        }
    });
    // The admitting diagnosis and chief complaint are an admission's: an
    // out-patient's visit keeps them elsewhere.
    txtAdmDiagnosis->setEnabled(!patient.outPatient());
    txtChiefComplaint->setEnabled(!patient.outPatient());
    cmdSaveProfile->setEnabled(!loadFailed_);
    tracker_->resume();
    tracker_->markSaved();
}

bool NursingProfilePage::hasUnsavedChanges() const
{
    return tracker_->modified();
}

bool NursingProfilePage::cmdSaveProfile_Click()
{
    if (loadFailed_)
        return false;
    if (!shell::Confirm(QStringLiteral("Are you sure you want to update the Patient Profile?")))
        return false;
    if (!shell::ValidateTransaction(QStringLiteral("Unable to continue this transaction. "), 0, QString(), this))
        return false;
    const QString user = app::ValidatedUserID;
    QStringList allergy{Quoted(patient_.hospNum)};
    for (QComboBox* box : cboAllergy)
        allergy << Quoted(box->currentText().toUpper());
    allergy << Quoted(txtOtherAllergies->text()) << Quoted(user);
    QStringList profile{Quoted(patient_.hospNum), Quoted(patient_.idNum)};
    for (QCheckBox* box : chkProfile)
        profile << (box->isChecked() ? QStringLiteral("'1'") : QStringLiteral("'0'"));
    for (QLineEdit* box : txtExam)
        profile << Quoted(box->text());
    profile << Quoted(txtBriefHistory->toPlainText()) << Quoted(user)
            << db::Quote(QDateTime::currentDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")));
    const QString id = db::Quote(patient_.idNum);
    const bool saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(QStringLiteral("STATION..Nurse_Save_Allergy ") + allergy.join(QLatin1Char(',')));
        conn.execute(QStringLiteral("STATION..Nurse_Save_Profile ") + profile.join(QLatin1Char(',')));
        if (!patient_.outPatient()) {
            // An admission registered without its history row still gets one,
            // or the update below would keep nothing.
            if (conn.open(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ") + id).eof())
                conn.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, UserID) VALUES (%1, %2)").arg(id, Quoted(user)));
            conn.execute(QStringLiteral("Update PATIENT_DATA..tbPatientHistory  Set ADMDiagnosis = %1 , ChiefComplaint= %2 , "
                                        "BriefHistory= %3 , PhysicalExamination= %4 Where IDNum = %5;")
                             .arg(Quoted(txtAdmDiagnosis->toPlainText()), Quoted(txtChiefComplaint->toPlainText()),
                                  Quoted(txtBriefHistory->toPlainText()), Quoted(txtPhysicalExamination->toPlainText()), id));
        }
    });
    if (!saved)
        return false;
    tracker_->markSaved();
    shell::Notify(QStringLiteral("Patient Profile Successfully Updated."));
    emit patientDataChanged();
    return true;
}

} // namespace chart::nursing
