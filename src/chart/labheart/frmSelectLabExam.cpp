#include "chart/labheart/frmSelectLabExam.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"
#include "shell/fields/PeriodCheck.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace chart::labheart {

frmSelectLabExam::frmSelectLabExam(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectLabExam"));
    setWindowTitle(QStringLiteral("LABORATORY Tabular Result"));
    auto* layout = new QVBoxLayout(this);

    auto* exams = new QGroupBox(QStringLiteral("Exams"), this);
    auto* examLayout = new QVBoxLayout(exams);
    optAllExams = new QRadioButton(QStringLiteral("&All exams"), exams);
    optAllExams->setObjectName(QStringLiteral("optAllExams"));
    optAllExams->setChecked(true);
    optOneExam = new QRadioButton(QStringLiteral("&One exam:"), exams);
    optOneExam->setObjectName(QStringLiteral("optOneExam"));
    txtExamCode = new QLineEdit(exams);
    txtExamCode->setObjectName(QStringLiteral("txtExamCode"));
    txtExamCode->setReadOnly(true);
    txtExamCode->setMaximumWidth(90);
    cmdSearchExam = new QPushButton(QStringLiteral("..."), exams);
    cmdSearchExam->setObjectName(QStringLiteral("cmdSearchExam"));
    lblExamName = new QLabel(exams);
    lblExamName->setObjectName(QStringLiteral("lblExamName"));
    auto* oneRow = new QHBoxLayout;
    oneRow->addWidget(optOneExam);
    oneRow->addWidget(txtExamCode);
    oneRow->addWidget(cmdSearchExam);
    oneRow->addWidget(lblExamName, 1);
    examLayout->addWidget(optAllExams);
    examLayout->addLayout(oneRow);
    layout->addWidget(exams);

    auto* forms = new QGroupBox(QStringLiteral("Form"), this);
    auto* formLayout = new QVBoxLayout(forms);
    optTabular = new QRadioButton(QStringLiteral("&Tabular"), forms);
    optTabular->setObjectName(QStringLiteral("optTabular"));
    optTabular->setChecked(true);
    optHistorical1 = new QRadioButton(QStringLiteral("Historical, by &test"), forms);
    optHistorical1->setObjectName(QStringLiteral("optHistorical1"));
    optHistorical2 = new QRadioButton(QStringLiteral("Historical, by &date"), forms);
    optHistorical2->setObjectName(QStringLiteral("optHistorical2"));
    formLayout->addWidget(optTabular);
    formLayout->addWidget(optHistorical1);
    formLayout->addWidget(optHistorical2);
    layout->addWidget(forms);

    auto* period = new QFormLayout;
    dtpStartDate = shell::NewDateField(this, QStringLiteral("dtpStartDate"), QDate::currentDate());
    dtpEndDate = shell::NewDateField(this, QStringLiteral("dtpEndDate"), QDate::currentDate());
    period->addRow(QStringLiteral("From:"), dtpStartDate);
    period->addRow(QStringLiteral("To:"), dtpEndDate);
    layout->addLayout(period);

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addLayout(shell::StationLook::ButtonRow({cmdPrint, cmdCancel}));

    connect(cmdSearchExam, &QPushButton::clicked, this, &frmSelectLabExam::cmdSearchExam_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSelectLabExam::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelectLabExam::setPatient(const ChartPatient& patient)
{
    HospNo = patient.hospNum;
    PName = patient.name;
    QDate first = QDate::currentDate();
    QDate last = first;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset m = c.open(QStringLiteral("SELECT M.Sex, M.BirthDate, ISNULL(M.BloodType, '') AS BloodType "
                                                "FROM PATIENT_DATA..tbmaster M WHERE M.HOSPNUM = %1")
                                     .arg(db::Quote(patient.hospNum)));
        if (!m.eof()) {
            Sex = m.text(QStringLiteral("Sex"));
            BloodType = m.text(QStringLiteral("BloodType"));
            const QDate born = m.field(QStringLiteral("BirthDate")).toDateTime().date();
            if (born.isValid()) {
                const QDate today = QDate::currentDate();
                int years = today.year() - born.year();
                if (today < born.addYears(years))
                    --years;
                Age = QString::number(years);
            }
        }
        const QString table = patient.outPatient() ? QStringLiteral("tbOutPatient") : QStringLiteral("tbPatient");
        db::Recordset stay = c.open(
            QStringLiteral("SELECT P.AdmDate, P.DCRDATE, ISNULL(D.LastName + ', ' + D.FirstName, '') AS Doctor "
                           "FROM PATIENT_DATA..%1 P LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = P.AttendingDr1 "
                           "WHERE P.IDNUM = %2")
                .arg(table, db::Quote(patient.idNum)));
        if (!stay.eof()) {
            Doctor = stay.text(QStringLiteral("Doctor"));
            if (const QDate admitted = stay.field(QStringLiteral("AdmDate")).toDateTime().date(); admitted.isValid())
                first = admitted;
            if (const QDate left = stay.field(QStringLiteral("DCRDATE")).toDateTime().date(); left.isValid())
                last = left;
        }
    });
    dtpStartDate->setDate(first);
    dtpEndDate->setDate(last < first ? first : last);
}

void frmSelectLabExam::cmdSearchExam_Click()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        return;
    try {
        if (!search->SearchListing(QString(), 18))
            return;
    } catch (const db::DbError& e) {
        shell::Notify(shell::SaveTransaction::FailureText(e.message()), shell::PromptIcon::Critical);
        return;
    }
    txtExamCode->setText(search->LabExamRecord.ResultCode);
    lblExamName->setText(search->LabExamRecord.LabExam);
    optOneExam->setChecked(true);
}

QString frmSelectLabExam::chosenReport() const
{
    if (optHistorical1->isChecked())
        return QStringLiteral("\\Reports\\Historical1.rpt");
    if (optHistorical2->isChecked())
        return QStringLiteral("\\Reports\\Historical2.rpt");
    return QStringLiteral("\\Reports\\LabResultPrinting-Tabular.RPT");
}

void frmSelectLabExam::cmdPrint_Click()
{
    if (optOneExam->isChecked() && txtExamCode->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please choose the laboratory exam to print."), shell::PromptIcon::Exclamation);
        return;
    }
    if (!shell::CheckPeriod(dtpStartDate->date(), dtpEndDate->date()))
        return;
    StartDate = shell::DateFieldText(dtpStartDate);
    EndDate = shell::DateFieldText(dtpEndDate);
    const QString exam = optOneExam->isChecked() ? txtExamCode->text().trimmed() : QString();
    if (!reports::OpenReport(chosenReport(), {HospNo, PName, Sex, Age, Doctor, BloodType, StartDate, EndDate, exam}))
        return;
    if (reports::ShowReport(false, QStringLiteral("LABORATORY Tabular Result")))
        accept();
}

} // namespace chart::labheart
