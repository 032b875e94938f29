#include "records/opd/frmUpdateORRecord.h"

#include "components/clsCodeSearch.h"
#include "components/clsICD.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "records/opd/OutpatientCodes.h"
#include "records/opd/OutpatientRecordSave.h"
#include "patients/frmAdmittedPatients.h"
#include "patients/frmSearch.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QButtonGroup>
#include <QColor>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace records {

namespace {

namespace look = shell::StationLook;

template <class T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString Indexed(const char* name, int index)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

QPlainTextEdit* TextBox(QWidget* parent, const char* name, int lines = 3)
{
    auto* box = Named(new QPlainTextEdit(parent), QLatin1String(name));
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

// A code box whose look-up runs on Enter, as the station's code boxes do.
QLineEdit* CodeBox(QWidget* parent, const QString& name, const char* table, const QString& column, std::function<void()> lookUp)
{
    auto* box = Named(new QLineEdit(parent), name);
    box->setMaximumWidth(90);
    shell::LimitToColumn(box, QLatin1String(table), column);
    QObject::connect(box, &QLineEdit::returnPressed, box, std::move(lookUp));
    return box;
}

QLabel* Shown(QWidget* parent, const QString& name)
{
    auto* label = Named(new QLabel(parent), name);
    label->setMinimumWidth(180);
    label->setWordWrap(true); // a long doctor's name or diagnosis takes a second line
    return label;
}

QDateTime Joined(const QDateEdit* date, const QTimeEdit* time)
{
    if (shell::FieldIsEmpty(date))
        return QDateTime();
    return QDateTime(date->date(), shell::FieldIsEmpty(time) ? QTime(0, 0) : time->time());
}

void ShowDateTime(QDateEdit* date, QTimeEdit* time, const QDateTime& value)
{
    if (!value.isValid()) {
        if (shell::FieldMayBeEmpty(date))
            shell::ClearField(date);
        if (shell::FieldMayBeEmpty(time))
            shell::ClearField(time);
        return;
    }
    date->setDate(value.date());
    time->setTime(value.time());
}

QString Site()
{
    return app::Hospital().clientname.trimmed();
}

bool SiteIs(const char* code)
{
    return Site().compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

bool ShowCondition()
{
    return app::ProgramSettings && app::ProgramSettings->ShowConditionDischarge();
}

// After a disposition the visit leaves or changes its place in the station's
// lists: the open lists run their search again so that nobody works from a
// stale row.
void RefreshOpenPatientLists()
{
    shell::ChildWindows* windows = shell::ChildWindows::main();
    if (!windows)
        return;
    for (patients::frmSearch* list : windows->formsOf<patients::frmSearch>())
        list->Command1_Click();
    for (patients::frmAdmittedPatients* list : windows->formsOf<patients::frmAdmittedPatients>())
        list->cmdRefresh_Click();
}

} // namespace

bool IsOutPatientVisit(const QString& idNum, const QString& patientType)
{
    return idNum.trimmed().endsWith(QLatin1Char('B'), Qt::CaseInsensitive) ||
           patientType.trimmed().compare(QLatin1String("O"), Qt::CaseInsensitive) == 0;
}

frmUpdateORRecord::frmUpdateORRecord(QWidget* parent)
    : QWidget(parent)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("frmUpdateORRecord"));
    setWindowTitle(QStringLiteral("Update OR Record"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(look::Large, look::Medium, look::Large, look::Medium);
    root->setSpacing(look::Medium);
    buildVisit(root);

    auto* tabs = Named(new QTabWidget(this), QStringLiteral("tabRecord"));
    tabs->addTab(buildServices(), QStringLiteral("Services and Diagnosis"));
    tabs->addTab(buildComplaints(), QStringLiteral("Complaints and History"));
    tabs->addTab(buildDisposition(), QStringLiteral("Disposition"));
    root->addWidget(tabs, 1);

    // The site that only records discharges names the button for what it does.
    cmdSave = Named(new QPushButton(SiteIs("GRISM") ? QStringLiteral("Update Discharge Status") : QStringLiteral("&Save"), this),
                    QStringLiteral("cmdSave"));
    cmdClose = Named(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("cmdClose"));
    root->addLayout(look::ButtonRow({cmdSave, cmdClose}, false));
    connect(cmdSave, &QPushButton::clicked, this, &frmUpdateORRecord::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    tracker_->watch(this);
}

void frmUpdateORRecord::buildVisit(QVBoxLayout* root)
{
    auto* visit = new QGridLayout;
    visit->setHorizontalSpacing(look::Small);
    lblPatientName = Named(new QLabel(this), QStringLiteral("lblPatientName"));
    QFont strong = lblPatientName->font();
    strong.setBold(true);
    lblPatientName->setFont(strong);
    lblHospitalNo = Named(new QLabel(this), QStringLiteral("lblHospitalNo"));
    lblAdmissionNo = Named(new QLabel(this), QStringLiteral("lblAdmissionNo"));
    lblERNo = Named(new QLabel(this), QStringLiteral("lblERNo"));
    visit->addWidget(new QLabel(QStringLiteral("Patient:"), this), 0, 0);
    visit->addWidget(lblPatientName, 0, 1, 1, 5);
    const std::pair<const char*, QLabel*> numbers[] = {{"Hospital No.:", lblHospitalNo}, {"Admission No.:", lblAdmissionNo}, {"ER No.:", lblERNo}};
    int column = 0;
    for (const auto& [caption, label] : numbers) {
        visit->addWidget(new QLabel(QLatin1String(caption), this), 1, column++);
        visit->addWidget(label, 1, column++);
    }
    visit->setColumnStretch(5, 1);
    root->addLayout(visit);
}

QWidget* frmUpdateORRecord::buildServices()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(look::Small);
    grid->addWidget(new QLabel(QStringLiteral("Service"), page), 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Doctor"), page), 0, 3, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Diagnosis (ICD-10)"), page), 0, 5, 1, 2);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(QString::number(i + 1), page), i + 1, 0);
        txtService[i] = CodeBox(page, Indexed("txtService", i), "PATIENT_DATA..tbOutpatientHistory", QStringLiteral("Service%1").arg(i + 1),
                                [this, i] { lookUpService(i); });
        lblService[i] = Shown(page, Indexed("lblService", i));
        txtDoctor[i] = CodeBox(page, Indexed("txtDoctor", i), "PATIENT_DATA..tbOutpatientHistory", QStringLiteral("Doctor%1").arg(i + 1),
                               [this, i] { lookUpDoctor(i); });
        lblDoctor[i] = Shown(page, Indexed("lblDoctor", i));
        // Older visits may keep the diagnosis in words here: the box takes what the column holds.
        txtICDCode[i] = CodeBox(page, Indexed("txtICDCode", i), "PATIENT_DATA..tbOutpatientHistory", QStringLiteral("Diagnosis%1").arg(i + 1),
                                [this, i] { lookUpICD(i); });
        lblICDDesc[i] = Shown(page, Indexed("lblICDDesc", i));
        int column = 1;
        for (QWidget* w : {static_cast<QWidget*>(txtService[i]), static_cast<QWidget*>(lblService[i]), static_cast<QWidget*>(txtDoctor[i]),
                           static_cast<QWidget*>(lblDoctor[i]), static_cast<QWidget*>(txtICDCode[i]), static_cast<QWidget*>(lblICDDesc[i])})
            grid->addWidget(w, i + 1, column++);
    }
    layout->addLayout(grid);

    fraDiagnosis = Named(new QGroupBox(QStringLiteral("Diagnosis/Findings"), page), QStringLiteral("fraDiagnosis"));
    auto* diagnosis = new QGridLayout(fraDiagnosis);
    txtFindings = TextBox(fraDiagnosis, "txtFindings");
    txtMedications = TextBox(fraDiagnosis, "txtMedications");
    diagnosis->addWidget(new QLabel(QStringLiteral("Findings:"), fraDiagnosis), 0, 0, Qt::AlignTop);
    diagnosis->addWidget(txtFindings, 0, 1);
    diagnosis->addWidget(new QLabel(QStringLiteral("Medications:"), fraDiagnosis), 1, 0, Qt::AlignTop);
    diagnosis->addWidget(txtMedications, 1, 1);
    layout->addWidget(fraDiagnosis);
    layout->addStretch(1);
    return page;
}

QWidget* frmUpdateORRecord::buildComplaints()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    fraComplaint = Named(new QGroupBox(QStringLiteral("Chief Complaints"), page), QStringLiteral("fraComplaint"));
    auto* complaint = new QGridLayout(fraComplaint);
    txtChiefComplaints = TextBox(fraComplaint, "txtChiefComplaints", 2);
    complaint->addWidget(txtChiefComplaints, 0, 0, 1, 4);
    for (int i = 0; i < 3; ++i) {
        txtComplaintCode[i] = CodeBox(fraComplaint, Indexed("txtComplaintCode", i), "PATIENT_DATA..tbOutpatientHistory",
                                      QStringLiteral("ChiefComplaintID%1").arg(i + 1), [this, i] { lookUpComplaint(i); });
        lblComplaint[i] = Shown(fraComplaint, Indexed("lblComplaint", i));
        complaint->addWidget(new QLabel(QStringLiteral("Code %1:").arg(i + 1), fraComplaint), i + 1, 0);
        complaint->addWidget(txtComplaintCode[i], i + 1, 1);
        complaint->addWidget(lblComplaint[i], i + 1, 2, 1, 2);
    }
    complaint->setColumnStretch(3, 1);
    layout->addWidget(fraComplaint);

    auto* other = new QGridLayout;
    txtBriefHistory = TextBox(page, "txtBriefHistory");
    other->addWidget(new QLabel(QStringLiteral("Brief History:"), page), 0, 0, Qt::AlignTop);
    other->addWidget(txtBriefHistory, 0, 1, 1, 3);
    txtDiet = CodeBox(page, QStringLiteral("txtDiet"), "PATIENT_DATA..tbOutPatient", QStringLiteral("DietID"), [this] { lookUpDiet(); });
    lblDietRemark = Shown(page, QStringLiteral("lblDietRemark"));
    other->addWidget(new QLabel(QStringLiteral("Diet:"), page), 1, 0);
    other->addWidget(txtDiet, 1, 1);
    other->addWidget(lblDietRemark, 1, 2, 1, 2);
    cboPrecaution = Named(new QComboBox(page), QStringLiteral("cboPrecaution"));
    other->addWidget(new QLabel(QStringLiteral("Precaution:"), page), 2, 0);
    other->addWidget(cboPrecaution, 2, 1, 1, 2);
    other->setColumnStretch(3, 1);
    layout->addLayout(other);
    layout->addStretch(1);
    // The precaution shows in its own colour, as the patient list paints it.
    connect(cboPrecaution, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QVariant colour = cboPrecaution->itemData(index, Qt::BackgroundRole);
        QPalette palette = cboPrecaution->palette();
        palette.setColor(QPalette::Button, colour.isValid() ? colour.value<QColor>() : this->palette().color(QPalette::Button));
        cboPrecaution->setPalette(palette);
    });
    return page;
}

QWidget* frmUpdateORRecord::buildDisposition()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    layout->setHorizontalSpacing(look::Medium);

    auto* category = Named(new QGroupBox(QStringLiteral("Patient Category"), page), QStringLiteral("fraPatient"));
    auto* categoryRow = new QHBoxLayout(category);
    for (const opd::OpdOption& option : opd::PatientCategories()) {
        optPatient.push_back(Named(new QRadioButton(option.caption, category), Indexed("optPatient", static_cast<int>(optPatient.size()))));
        categoryCodes_.push_back(option.code);
        categoryRow->addWidget(optPatient.back());
    }
    layout->addWidget(category, 0, 0);

    fraClassification = Named(new QGroupBox(QStringLiteral("OR Classification"), page), QStringLiteral("fraClassification"));
    auto* classes = new QHBoxLayout(fraClassification);
    const bool acc = app::ProgramSettings && app::ProgramSettings->ShowReferredACC();
    for (const opd::OpdOption& option : opd::Classifications(acc)) {
        chkClass.push_back(Named(new QCheckBox(option.caption, fraClassification), Indexed("chkClass", static_cast<int>(chkClass.size()))));
        classCodes_.push_back(option.code);
        classes->addWidget(chkClass.back());
    }
    layout->addWidget(fraClassification, 0, 1);

    fraDisposition = Named(new QGroupBox(opd::DispositionFrameCaption(Site()), page), QStringLiteral("fraDisposition"));
    auto* dispositions = new QGridLayout(fraDisposition);
    auto* group = new QButtonGroup(this);
    for (const opd::OpdOption& option : opd::Dispositions(Site())) {
        const int index = static_cast<int>(optERClass.size());
        optERClass.push_back(Named(new QRadioButton(option.caption, fraDisposition), Indexed("optERClass", index)));
        dispositionCodes_.push_back(option.code);
        group->addButton(optERClass.back(), index);
        dispositions->addWidget(optERClass.back(), index / 4, index % 4);
    }
    connect(group, &QButtonGroup::idClicked, this, &frmUpdateORRecord::optERClass_Click);
    layout->addWidget(fraDisposition, 1, 0, 1, 2);

    auto* dates = new QGridLayout;
    dates->setHorizontalSpacing(look::Small);
    dtpAdmDate = shell::NewDateField(page, QStringLiteral("dtpAdmDate"));
    dtpAdmTime = shell::NewTimeField(page, QStringLiteral("dtpAdmTime"));
    mskDcrDate = shell::NewOptionalDateField(page, QStringLiteral("mskDcrDate"));
    dtpDcrTime = shell::NewOptionalTimeField(page, QStringLiteral("dtpDcrTime"));
    dates->addWidget(new QLabel(QStringLiteral("Admission:"), page), 0, 0);
    dates->addWidget(dtpAdmDate, 0, 1);
    dates->addWidget(dtpAdmTime, 0, 2);
    dates->addWidget(new QLabel(QStringLiteral("Discharge:"), page), 0, 3, Qt::AlignRight);
    dates->addWidget(mskDcrDate, 0, 4);
    dates->addWidget(dtpDcrTime, 0, 5);
    txtDischargeRemarks = Named(new QLineEdit(page), QStringLiteral("txtDischargeRemarks"));
    shell::LimitToColumn(txtDischargeRemarks, QStringLiteral("PATIENT_DATA..tbERMaster"), QStringLiteral("DischargeRemarks"));
    dates->addWidget(new QLabel(QStringLiteral("Remarks:"), page), 1, 0);
    dates->addWidget(txtDischargeRemarks, 1, 1, 1, 5);
    dates->setColumnStretch(6, 1);
    layout->addLayout(dates, 2, 0, 1, 2);
    connect(mskDcrDate, &QDateEdit::dateChanged, this, &frmUpdateORRecord::mskDcrDate_Change);

    fraCondition = Named(new QGroupBox(QStringLiteral("Condition on Discharge"), page), QStringLiteral("fraCondition"));
    auto* conditions = new QHBoxLayout(fraCondition);
    for (const opd::OpdOption& option : opd::DischargeConditions()) {
        optCondition.push_back(Named(new QRadioButton(option.caption, fraCondition), Indexed("optCondition", static_cast<int>(optCondition.size()))));
        conditionCodes_.push_back(option.code);
        conditions->addWidget(optCondition.back());
    }
    fraCondition->setVisible(ShowCondition());
    layout->addWidget(fraCondition, 3, 0);

    fraReferral = Named(new QGroupBox(QStringLiteral("Referred To"), page), QStringLiteral("fraReferral"));
    auto* referral = new QGridLayout(fraReferral);
    lblReasonofReferral = Named(new QLabel(fraReferral), QStringLiteral("lblReasonofReferral"));
    lblReferredTo = Named(new QLabel(fraReferral), QStringLiteral("lblReferredTo"));
    txtReasonofReferral = Named(new QLineEdit(fraReferral), QStringLiteral("txtReasonofReferral"));
    txtReferredTo = Named(new QLineEdit(fraReferral), QStringLiteral("txtReferredTo"));
    shell::LimitToColumn(txtReasonofReferral, QStringLiteral("PATIENT_DATA..tbERMaster"), QStringLiteral("ReasonofReferral"));
    shell::LimitToColumn(txtReferredTo, QStringLiteral("PATIENT_DATA..tbERMaster"), QStringLiteral("ReferredTo"));
    referral->addWidget(lblReasonofReferral, 0, 0);
    referral->addWidget(txtReasonofReferral, 0, 1);
    referral->addWidget(lblReferredTo, 1, 0);
    referral->addWidget(txtReferredTo, 1, 1);
    layout->addWidget(fraReferral, 3, 1);

    fraDeath = Named(new QGroupBox(QStringLiteral("Death Details"), page), QStringLiteral("fraDeath"));
    auto* death = new QGridLayout(fraDeath);
    optDeathType[0] = Named(new QRadioButton(QStringLiteral("Died in the ER"), fraDeath), QStringLiteral("optDeathType_0"));
    optDeathType[1] = Named(new QRadioButton(QStringLiteral("Dead on Arrival"), fraDeath), QStringLiteral("optDeathType_1"));
    dtpExpiredDate = shell::NewOptionalDateField(fraDeath, QStringLiteral("dtpExpiredDate"));
    dtpExpiredTime = shell::NewOptionalTimeField(fraDeath, QStringLiteral("dtpExpiredTime"));
    dtpReleasedDate = shell::NewOptionalDateField(fraDeath, QStringLiteral("dtpReleasedDate"));
    dtpReleasedTime = shell::NewOptionalTimeField(fraDeath, QStringLiteral("dtpReleasedTime"));
    txtFuneralParlor = Named(new QLineEdit(fraDeath), QStringLiteral("txtFuneralParlor"));
    shell::LimitToColumn(txtFuneralParlor, QStringLiteral("STATION..tbERDeathMaster"), QStringLiteral("FuneralParlor"));
    death->addWidget(optDeathType[0], 0, 0, 1, 2);
    death->addWidget(optDeathType[1], 0, 2, 1, 2);
    death->addWidget(new QLabel(QStringLiteral("Expired:"), fraDeath), 1, 0);
    death->addWidget(dtpExpiredDate, 1, 1);
    death->addWidget(dtpExpiredTime, 1, 2);
    death->addWidget(new QLabel(QStringLiteral("Released:"), fraDeath), 2, 0);
    death->addWidget(dtpReleasedDate, 2, 1);
    death->addWidget(dtpReleasedTime, 2, 2);
    death->addWidget(new QLabel(QStringLiteral("Funeral Parlor:"), fraDeath), 3, 0);
    death->addWidget(txtFuneralParlor, 3, 1, 1, 3);
    layout->addWidget(fraDeath, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    dispositionShown();
    return page;
}

bool frmUpdateORRecord::Form_Load()
{
    opd::OutpatientRecord record;
    bool found = false;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& c) {
        found = opd::OutpatientRecordStore(c).load(app::IdNum, record);
        if (found)
            loadPrecautions();
    });
    if (!read)
        return false;
    if (!found) {
        shell::Notify(QStringLiteral("The out-patient visit %1 cannot be found.").arg(app::IdNum), shell::PromptIcon::Critical);
        return false;
    }
    loaded_ = record;
    lblPatientName->setText(app::PatientName);
    showRecord(record);
    tracker_->markSaved();
    return true;
}

void frmUpdateORRecord::loadPrecautions()
{
    db::Connection* c = app::SQLConnection();
    cboPrecaution->clear();
    cboPrecaution->addItem(QString(), QString());
    db::Recordset rs =
        c->open(QStringLiteral("SELECT PrecautionID,Precaution FROM Build_File..tbCoPrecautions WHERE Status = 'A' ORDER BY PrecautionID"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString id = rs.text(QStringLiteral("PrecautionID")).trimmed();
        cboPrecaution->addItem(rs.text(QStringLiteral("Precaution")).trimmed(), id);
        const db::Recordset colour = c->open(QStringLiteral("Select Color From Build_File..tbCoPrecautions Where PrecautionID = ") + db::Quote(id));
        if (!colour.eof() && !colour.field(QStringLiteral("Color")).isNull()) {
            // The colour is kept as the hospital's older programs wrote it: red in the low byte.
            const int bgr = colour.field(QStringLiteral("Color")).toInt();
            cboPrecaution->setItemData(cboPrecaution->count() - 1, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF), Qt::BackgroundRole);
        }
    }
}

void frmUpdateORRecord::showRecord(const opd::OutpatientRecord& r)
{
    loading_ = true;
    tracker_->pause();
    lblHospitalNo->setText(r.hospNum);
    lblAdmissionNo->setText(r.idNum);
    lblERNo->setText(r.erNum);
    for (int i = 0; i < 5; ++i) {
        txtService[i]->setText(r.services[i]);
        txtDoctor[i]->setText(r.doctors[i]);
        txtICDCode[i]->setText(r.icdCodes[i]);
        lookUpService(i);
        lookUpDoctor(i);
        lookUpICD(i);
    }
    for (int i = 0; i < 3; ++i) {
        txtComplaintCode[i]->setText(r.complaintCodes[i]);
        lookUpComplaint(i);
    }
    txtFindings->setPlainText(r.findings);
    txtMedications->setPlainText(r.medications);
    txtChiefComplaints->setPlainText(r.chiefComplaints);
    txtBriefHistory->setPlainText(r.briefHistory);
    txtDiet->setText(r.dietId);
    lookUpDiet();
    cboPrecaution->setCurrentIndex(std::max(0, cboPrecaution->findData(r.precautionId)));
    for (size_t i = 0; i < optPatient.size(); ++i)
        optPatient[i]->setChecked(categoryCodes_[i] == r.category);
    for (size_t i = 0; i < chkClass.size(); ++i)
        chkClass[i]->setChecked(std::find(r.classIds.begin(), r.classIds.end(), classCodes_[i]) != r.classIds.end());
    lastDisposition_ = -1;
    for (size_t i = 0; i < optERClass.size(); ++i)
        if (dispositionCodes_[i] == r.disposition) {
            optERClass[i]->setChecked(true);
            lastDisposition_ = static_cast<int>(i);
        }
    ShowDateTime(dtpAdmDate, dtpAdmTime, r.admission);
    ShowDateTime(mskDcrDate, dtpDcrTime, r.discharge);
    txtDischargeRemarks->setText(r.dischargeRemarks);
    for (size_t i = 0; i < optCondition.size(); ++i)
        optCondition[i]->setChecked(conditionCodes_[i] == r.dischargeCondition);
    txtReasonofReferral->setText(r.reasonOfReferral);
    txtReferredTo->setText(r.referredTo);
    optDeathType[0]->setChecked(r.death.deathType == QLatin1String("D"));
    optDeathType[1]->setChecked(r.death.deathType == QLatin1String("N"));
    ShowDateTime(dtpExpiredDate, dtpExpiredTime, r.death.expired);
    ShowDateTime(dtpReleasedDate, dtpReleasedTime, r.death.released);
    txtFuneralParlor->setText(r.death.funeralParlor);
    dispositionShown();
    tracker_->resume();
    loading_ = false;
}

QString frmUpdateORRecord::chosen(const std::vector<QRadioButton*>& options, const std::vector<QString>& codes) const
{
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return codes[i];
    return QString();
}

opd::OutpatientRecord frmUpdateORRecord::Record() const
{
    opd::OutpatientRecord r;
    r.hospNum = loaded_.hospNum;
    r.idNum = loaded_.idNum;
    r.erNum = loaded_.erNum;
    r.admission = Joined(dtpAdmDate, dtpAdmTime);
    r.discharge = Joined(mskDcrDate, dtpDcrTime);
    for (int i = 0; i < 5; ++i) {
        r.services[i] = txtService[i]->text().trimmed();
        r.doctors[i] = txtDoctor[i]->text().trimmed();
        r.icdCodes[i] = txtICDCode[i]->text().trimmed();
    }
    for (int i = 0; i < 3; ++i)
        r.complaintCodes[i] = txtComplaintCode[i]->text().trimmed();
    r.findings = txtFindings->toPlainText().trimmed();
    r.medications = txtMedications->toPlainText().trimmed();
    r.chiefComplaints = txtChiefComplaints->toPlainText().trimmed();
    r.briefHistory = txtBriefHistory->toPlainText().trimmed();
    r.dietId = txtDiet->text().trimmed();
    r.precautionId = cboPrecaution->currentData().toString();
    r.category = chosen(optPatient, categoryCodes_);
    r.disposition = chosen(optERClass, dispositionCodes_);
    int slot = 0;
    for (size_t i = 0; i < chkClass.size() && slot < 5; ++i)
        if (chkClass[i]->isChecked())
            r.classIds[slot++] = classCodes_[i];
    r.dischargeRemarks = txtDischargeRemarks->text().trimmed();
    r.dischargeCondition = ShowCondition() ? chosen(optCondition, conditionCodes_) : QString();
    r.reasonOfReferral = txtReasonofReferral->text().trimmed();
    r.referredTo = txtReferredTo->text().trimmed();
    r.death.deathType = optDeathType[1]->isChecked() ? QStringLiteral("N") : QStringLiteral("D");
    r.death.expired = Joined(dtpExpiredDate, dtpExpiredTime);
    r.death.released = Joined(dtpReleasedDate, dtpReleasedTime);
    r.death.funeralParlor = txtFuneralParlor->text().trimmed();
    return r;
}

// ---- look-ups ----------------------------------------------------------------------

namespace {

// A typed code looked up directly in the hospital's code table; the label
// shows what the code means, or the box is cleared with the table's message.
template <class Describe>
void CheckCode(QLineEdit* box, QLabel* label, int listing, const QString& section, const QString& missing, bool quiet, Describe describe)
{
    label->clear();
    const QString code = box->text().trimmed();
    if (code.isEmpty())
        return;
    components::clsCodeSearch search;
    search.Connection = app::SQLConnection();
    search.SearchMode = false;
    search.OtherSectionID = section;
    try {
        if (search.SearchListing(code, listing)) {
            label->setText(describe(search));
            return;
        }
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
        return;
    }
    if (quiet) // a stored code the table no longer knows stays as it was saved
        return;
    shell::Notify(missing, shell::PromptIcon::Exclamation);
    box->clear();
    box->setFocus();
}

} // namespace

void frmUpdateORRecord::lookUpService(int i)
{
    CheckCode(txtService[i], lblService[i], 9, QString(), QStringLiteral("Service code does not exist."), loading_,
              [](const components::clsCodeSearch& s) { return s.ServiceRecord.Service; });
}

void frmUpdateORRecord::lookUpDoctor(int i)
{
    CheckCode(txtDoctor[i], lblDoctor[i], 1, QString(), QStringLiteral("Doctor code does not exist."), loading_,
              [](const components::clsCodeSearch& s) {
                  return QStringLiteral("%1, %2 %3").arg(s.DoctorRecord.LastName, s.DoctorRecord.FirstName, s.DoctorRecord.MiddleName).trimmed();
              });
}

void frmUpdateORRecord::lookUpComplaint(int i)
{
    CheckCode(txtComplaintCode[i], lblComplaint[i], 21, QStringLiteral("AA"), QStringLiteral("Chief complaint code does not exist."), loading_,
              [](const components::clsCodeSearch& s) { return s.OtherRevenueRecord.OtherRevenue; });
}

void frmUpdateORRecord::lookUpICD(int i)
{
    lblICDDesc[i]->clear();
    const QString code = txtICDCode[i]->text().trimmed();
    if (code.isEmpty())
        return;
    components::clsICD icd(app::SQLConnection());
    try {
        if (icd.ValidateICDCode(code)) {
            txtICDCode[i]->setText(icd.ICDCode);
            lblICDDesc[i]->setText(icd.Description);
            return;
        }
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
        return;
    }
    if (loading_)
        return;
    shell::Notify(QStringLiteral("ICD code does not exist."), shell::PromptIcon::Exclamation);
    txtICDCode[i]->clear();
}

void frmUpdateORRecord::lookUpDiet()
{
    lblDietRemark->clear();
    const QString id = txtDiet->text().trimmed();
    if (id.isEmpty())
        return;
    try {
        const db::Recordset rs = app::SQLConnection()->open(QStringLiteral("SELECT Remark FROM BUILD_FILE..tbcoDiet WHERE DietID = ") + db::Quote(id));
        if (!rs.eof()) {
            lblDietRemark->setText(rs.text(QStringLiteral("Remark")).trimmed());
            return;
        }
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
        return;
    }
    if (loading_)
        return;
    shell::Notify(QStringLiteral("Diet code does not exist."), shell::PromptIcon::Exclamation);
    txtDiet->clear();
}

// ---- disposition and dates ---------------------------------------------------------------

void frmUpdateORRecord::mskDcrDate_Change()
{
    if (loading_ || shell::FieldIsEmpty(mskDcrDate))
        return;
    // A discharge before the admission day cannot be: the box is emptied so
    // that the date is typed again rather than saved wrong.
    const QDate admitted = dtpAdmDate->date();
    if (admitted.isValid() && mskDcrDate->date() < admitted) {
        shell::Notify(QStringLiteral("Invalid discharge date."), shell::PromptIcon::Exclamation);
        shell::ClearField(mskDcrDate);
    }
}

void frmUpdateORRecord::optERClass_Click(int index)
{
    if (loading_)
        return;
    if (dispositionCodes_[static_cast<size_t>(index)] == opd::ForAdmission && index != lastDisposition_) {
        const bool sure = shell::Confirm(
            QStringLiteral("Please verify correctly that the discharge date is the same as current date.\r\n"
                           "This will prompt the Admitting department to admit this patient.\r\n"
                           "Are you sure that this patient is for admission? "));
        if (!sure) {
            // No gives the previous choice back.
            auto* group = optERClass[static_cast<size_t>(index)]->group();
            const bool exclusive = group && group->exclusive();
            if (group)
                group->setExclusive(false);
            optERClass[static_cast<size_t>(index)]->setChecked(false);
            if (lastDisposition_ >= 0)
                optERClass[static_cast<size_t>(lastDisposition_)]->setChecked(true);
            if (group)
                group->setExclusive(exclusive);
            dispositionShown();
            return;
        }
    }
    lastDisposition_ = index;
    dispositionShown();
}

void frmUpdateORRecord::dispositionShown()
{
    const QString disposition = chosen(optERClass, dispositionCodes_);
    fraDeath->setVisible(opd::IsDeath(disposition));
    const opd::ReferralCaptions captions = opd::ReferralFrameCaptions(Site(), disposition == opd::Transferred);
    fraReferral->setTitle(captions.destination);
    lblReasonofReferral->setText(captions.reason + QLatin1Char(':'));
    lblReferredTo->setText(captions.destination + QLatin1Char(':'));
}

// ---- save -------------------------------------------------------------------------------

void frmUpdateORRecord::cmdSave_Click()
{
    if (save())
        close();
}

bool frmUpdateORRecord::save()
{
    opd::OutpatientFrames frames;
    frames.diagnosis = !fraDiagnosis->isHidden();
    frames.chiefComplaint = !fraComplaint->isHidden();
    frames.classification = !fraClassification->isHidden();
    if (!opd::OutpatientRecordSave(frames).Save(Record()))
        return false;
    tracker_->markSaved();
    RefreshOpenPatientLists();
    return true;
}

bool frmUpdateORRecord::hasUnsavedChanges() const
{
    return tracker_->modified();
}

bool frmUpdateORRecord::saveUnsavedChanges()
{
    return save();
}

frmUpdateORRecord* OpenUpdateORRecord()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmUpdateORRecord;
    if (!form->Form_Load()) {
        delete form;
        return nullptr;
    }
    return form;
}

} // namespace records
