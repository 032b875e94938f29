#include "chart/requests/frmRemarks.h"

#include "chart/requests/Departments.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "db/routines/RequestsAndExams.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace chart::requests {

namespace {

template <class T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Remarks travel on one line of the request; line breaks become blanks.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.remove(QLatin1Char('\''));
}

} // namespace

frmRemarks::frmRemarks(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRemarks"));
    setWindowTitle(QStringLiteral("Request Details"));
    optStat[0] = named(new QRadioButton(QStringLiteral("Routine")), "optStat_0");
    optStat[1] = named(new QRadioButton(QStringLiteral("STAT")), "optStat_1");
    auto* statGroup = new QButtonGroup(this);
    statGroup->addButton(optStat[0], 0);
    statGroup->addButton(optStat[1], 1);
    chkAMPickUp = named(new QCheckBox(QStringLiteral("In AM PICK UP")), "chkAMPickUp");
    lblDepartment = named(new QLabel, "lblDepartment");
    lblExam = named(new QLabel, "lblExam");
    txtRemarks = named(new QLineEdit, "txtRemarks");
    txtReason = named(new QLineEdit, "txtReason");
    txtRequestingDoctor = named(new QLineEdit, "txtRequestingDoctor");
    lblDoctorName = named(new QLabel, "lblDoctorName");
    fraPhysiatrist = named(new QGroupBox(QStringLiteral("Physiatrist")), "fraPhysiatrist");
    txtPhysiatrist = named(new QLineEdit, "txtPhysiatrist");
    lblSpecimens = named(new QLabel(QStringLiteral("List of Specimens")), "lblSpecimens");
    lstSpecimen = named(new QListWidget, "lstSpecimen");
    lstSpecimen->setMaximumHeight(90);
    chkPortable = named(new QCheckBox(QStringLiteral("Portable")), "chkPortable");
    lblDateSched = named(new QLabel(QStringLiteral("Schedule")), "lblDateSched");
    dtpDateSched = named(new QDateTimeEdit, "dtpDateSched");
    dtpDateSched->setDisplayFormat(QStringLiteral("MM/dd/yyyy hh:mm AP"));
    dtpDateSched->setCalendarPopup(true);
    cboTransplant = named(new QComboBox, "cboTransplant");
    cboTransplant->addItems({QStringLiteral("NON-TRANSPLANT"), QStringLiteral("TRANSPLANT")});
    cboDialysis = named(new QComboBox, "cboDialysis");
    cboDialysis->addItems({QStringLiteral("NONE"), QStringLiteral("PRE-DIALYSIS"), QStringLiteral("POST-DIALYSIS")});
    chkToInclude = named(new QCheckBox(QStringLiteral("TO INCLUDE")), "chkToInclude");
    cmdEnter = named(new QPushButton(QStringLiteral("&Enter")), "cmdEnter");
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel");

    auto* statRow = new QHBoxLayout;
    statRow->addWidget(optStat[1]);
    statRow->addWidget(optStat[0]);
    statRow->addSpacing(shell::StationLook::Medium);
    statRow->addWidget(chkAMPickUp);
    statRow->addStretch();
    auto* doctorRow = new QHBoxLayout;
    doctorRow->addWidget(txtRequestingDoctor, 1);
    doctorRow->addWidget(lblDoctorName, 2);
    auto* physiatrist = new QHBoxLayout(fraPhysiatrist);
    physiatrist->addWidget(txtPhysiatrist);
    auto* form = new QFormLayout;
    form_ = form;
    form->setSpacing(shell::StationLook::Small);
    form->addRow(QStringLiteral("Department:"), lblDepartment);
    form->addRow(QStringLiteral("Examination:"), lblExam);
    form->addRow(QStringLiteral("Priority:"), statRow);
    form->addRow(QStringLiteral("Remarks:"), txtRemarks);
    form->addRow(QStringLiteral("Reason:"), txtReason);
    form->addRow(QStringLiteral("Requesting Doctor:"), doctorRow);
    form->addRow(lblDateSched, dtpDateSched);
    form->addRow(QStringLiteral("Transplant:"), cboTransplant);
    form->addRow(QStringLiteral("Dialysis:"), cboDialysis);
    form->addRow(QString(), chkToInclude);
    form->addRow(QString(), chkPortable);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium);
    layout->addLayout(form);
    layout->addWidget(fraPhysiatrist);
    layout->addWidget(lblSpecimens);
    layout->addWidget(lstSpecimen);
    layout->addLayout(shell::StationLook::ButtonRow({cmdEnter, cmdCancel}));

    connect(chkAMPickUp, &QCheckBox::toggled, this, [this] { chkAMPickUp_Click(); });
    connect(cmdEnter, &QPushButton::clicked, this, [this] { cmdEnter_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtRequestingDoctor, &QLineEdit::editingFinished, this, [this] {
        lblDoctorName->setText(txtRequestingDoctor->text().trimmed().isEmpty() ? QString() : doctorName(txtRequestingDoctor->text()));
    });
}

bool frmRemarks::siteIs(const char* site) const
{
    return app::Hospital().clientname.trimmed().compare(QLatin1String(site), Qt::CaseInsensitive) == 0;
}

bool frmRemarks::laboratory() const
{
    return DeptID.trimmed().compare(QLatin1String("LB"), Qt::CaseInsensitive) == 0;
}

bool frmRemarks::requiresReason() const
{
    return (siteIs("TALB") || app::Hospital().blnRequireRadioReason) && IsRadiology(DeptID);
}

bool frmRemarks::Form_Load()
{
    // Rows another site or setting uses are hidden whole, caption and all;
    // the department and the exam always show, so the nurse sees what she
    // is detailing.
    const bool qorv = siteIs("QORV");
    for (QWidget* w : std::initializer_list<QWidget*>{cboTransplant, cboDialysis, chkToInclude})
        form_->setRowVisible(w, qorv);
    const bool scheduled = app::ProgramSettings && app::ProgramSettings->ShowSchedExamReq();
    form_->setRowVisible(dtpDateSched, scheduled);
    fraPhysiatrist->setVisible(DeptID.trimmed().compare(QLatin1String("PT"), Qt::CaseInsensitive) == 0);
    lblSpecimens->setVisible(laboratory());
    lstSpecimen->setVisible(laboratory());
    chkAMPickUp->setVisible(laboratory());
    lblDepartment->setText(DepartmentOf(DeptID).name);
    lblExam->setText(row.description);
    txtRemarks->setText(row.remarks);
    txtReason->setText(row.reason);
    txtRequestingDoctor->setText(row.doctorId);
    lblDoctorName->setText(row.doctorName);
    txtPhysiatrist->setText(row.physiatristId);
    chkPortable->setChecked(row.portable);
    chkToInclude->setChecked(row.toInclude);
    cboTransplant->setCurrentIndex(row.transplant == QLatin1String("1") ? 1 : 0);
    cboDialysis->setCurrentIndex(qBound(0, row.dialysis.toInt(), 2));
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        const db::Recordset now = c.open(QStringLiteral("SELECT GETDATE() AS Now"));
        dtpDateSched->setDateTime(now.field(QStringLiteral("Now")).toDateTime());
        lstSpecimen->clear();
        if (laboratory()) {
            for (const routines::Specimen& s : routines::GetExamSpecimens(ExamID)) {
                auto* item = new QListWidgetItem(s.description, lstSpecimen);
                item->setData(Qt::UserRole, s.code);
                if (s.code == row.specimen)
                    lstSpecimen->setCurrentItem(item);
            }
            if (lstSpecimen->count() == 1)
                lstSpecimen->setCurrentRow(0);
        }
        DefaultStatOption();
    });
}

void frmRemarks::DefaultStatOption()
{
    const routines::StatPreset preset = routines::DefaultStatOption(ExamID);
    optStat[1]->setEnabled(preset.statEnabled);
    optStat[0]->setEnabled(preset.routineEnabled);
    optStat[preset.stat ? 1 : 0]->setChecked(true);
}

void frmRemarks::chkAMPickUp_Click()
{
    if (chkAMPickUp->isChecked()) {
        optStat[0]->setChecked(true);
        optStat[1]->setEnabled(false);
        return;
    }
    optStat[1]->setEnabled(true);
    optStat[0]->setChecked(true);
    if (laboratory())
        shell::SaveTransaction::Load([&](db::Connection&) { DefaultStatOption(); });
}

QString frmRemarks::doctorName(const QString& code)
{
    db::Connection* c = app::SQLConnection();
    if (!c)
        return QString();
    const db::Recordset rs = c->open(QStringLiteral("SELECT LastName, FirstName FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = ")
                                     + db::Quote(code.trimmed()));
    return rs.eof() ? QString()
                    : rs.text(QStringLiteral("LastName")).trimmed() + QStringLiteral(", ") + rs.text(QStringLiteral("FirstName")).trimmed();
}

void frmRemarks::cmdEnter_Click()
{
    const QString remarks = oneLine(txtRemarks->text()).trimmed();
    if (siteIs("QORV") && remarks.contains(QLatin1String("TO INCLUDE"), Qt::CaseInsensitive)) {
        shell::Notify(QStringLiteral("Please use the checkbox below to tag exam as TO INCLUDE."));
        return;
    }
    if (requiresReason() && txtReason->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please enter reason of procedure."));
        return;
    }
    if (laboratory() && lstSpecimen->count() > 0 && !lstSpecimen->currentItem()) {
        shell::Notify(QStringLiteral("Please select specimen."));
        return;
    }
    QString doctor;
    QString physiatrist;
    QDateTime serverNow;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            serverNow = c.open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime();
            if (!txtRequestingDoctor->text().trimmed().isEmpty())
                doctor = doctorName(txtRequestingDoctor->text());
            if (fraPhysiatrist->isVisibleTo(this) && !txtPhysiatrist->text().trimmed().isEmpty())
                physiatrist = doctorName(txtPhysiatrist->text());
        }))
        return;
    if (dtpDateSched->isVisibleTo(this) && dtpDateSched->dateTime() < serverNow.addSecs(-60)) {
        shell::Notify(QStringLiteral("Invalid date or time. Must not be earlier than the current date or time."));
        return;
    }
    if (txtRequestingDoctor->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please enter name of requesting Doctor."));
        return;
    }
    if (doctor.isEmpty() || (!txtPhysiatrist->text().trimmed().isEmpty() && fraPhysiatrist->isVisibleTo(this) && physiatrist.isEmpty())) {
        shell::Notify(QStringLiteral("Doctor code does not exist."));
        return;
    }
    row.stat = optStat[1]->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    row.remarks = remarks;
    row.reason = oneLine(txtReason->text()).trimmed();
    row.doctorId = txtRequestingDoctor->text().trimmed().toUpper();
    row.doctorName = doctor;
    row.physiatristId = fraPhysiatrist->isVisibleTo(this) ? txtPhysiatrist->text().trimmed().toUpper() : QString();
    row.portable = chkPortable->isChecked();
    row.amPickUp = chkAMPickUp->isChecked();
    row.toInclude = chkToInclude->isVisibleTo(this) && chkToInclude->isChecked();
    row.transplant = TransplantCode(cboTransplant->currentText());
    row.dialysis = DialysisCode(cboDialysis->currentText());
    if (laboratory() && lstSpecimen->currentItem())
        row.specimen = lstSpecimen->currentItem()->data(Qt::UserRole).toString();
    if (dtpDateSched->isVisibleTo(this))
        row.schedule = dtpDateSched->dateTime();
    if (siteIs("QORV")
        && !shell::SaveTransaction::Run([&](db::Connection& c) {
               c.execute(QStringLiteral("STATION..sp_Nurse_Update_OtherInfo ") + db::Quote(IdNum) + QLatin1Char(',') + db::Quote(row.transplant)
                         + QLatin1Char(',') + db::Quote(row.dialysis) + QStringLiteral(",'I'"));
           }))
        return;
    accept();
}

} // namespace chart::requests
