#include "scheduling/AdmissionPanel.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "scheduling/frmScheduleLayout.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <tuple>

namespace scheduling {

namespace {

constexpr int kPanelWidth = 390;
constexpr int kDoctorListing = 1;
constexpr int kOtherRevenueListing = 21;

components::clsCodeSearch* CodeSearch()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
    return search;
}

} // namespace

AdmissionPanel::AdmissionPanel(QWidget* parent, const QString& title, const QString& timeMessage)
    : QFrame(parent)
    , timeMessage_(timeMessage)
{
    setObjectName(QStringLiteral("pctAdmitted"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Small, shell::StationLook::Small,
                               shell::StationLook::Small);
    layout->addWidget(new QLabel(QStringLiteral("<b>") + title + QStringLiteral("</b>"), this));

    auto* form = new QFormLayout;
    form->setVerticalSpacing(shell::StationLook::Tight);
    auto* lookUp = new QHBoxLayout;
    txtHospNum = Named(new QLineEdit(this), "txtHospNum");
    Command1 = Named(new QPushButton(QStringLiteral("&Find"), this), "Command1");
    lookUp->addWidget(txtHospNum, 1);
    lookUp->addWidget(Command1);
    form->addRow(QStringLiteral("Hospital #:"), lookUp);
    txtAdmitted_0 = Named(new QLineEdit(this), "txtAdmitted_0");
    txtAdmitted_0->setReadOnly(true);
    form->addRow(QStringLiteral("Patient:"), txtAdmitted_0);
    auto* sexAge = new QHBoxLayout;
    optSex_0 = Named(new QRadioButton(QStringLiteral("Male"), this), "optSex_0");
    optSex_1 = Named(new QRadioButton(QStringLiteral("Female"), this), "optSex_1");
    txtAge = Named(new QLineEdit(this), "txtAge");
    txtAge->setFixedWidth(50);
    sexAge->addWidget(optSex_0);
    sexAge->addWidget(optSex_1);
    sexAge->addWidget(new QLabel(QStringLiteral("Age:"), this));
    sexAge->addWidget(txtAge);
    sexAge->addStretch(1);
    form->addRow(QStringLiteral("Sex:"), sexAge);
    cboAdmitted = Named(new QComboBox(this), "cboAdmitted");
    form->addRow(QStringLiteral("OR Room:"), cboAdmitted);
    dtpAdmitted = shell::NewDateField(this, QStringLiteral("dtpAdmitted"), QDate::currentDate());
    form->addRow(QStringLiteral("Date:"), dtpAdmitted);
    auto* times = new QHBoxLayout;
    cboStartTime_0 = shell::NewTimeField(this, QStringLiteral("cboStartTime_0"), QTime(8, 0));
    cboStartTime_1 = shell::NewTimeField(this, QStringLiteral("cboStartTime_1"), QTime(9, 0));
    lblSchedule_35 = Named(new QLabel(QStringLiteral("60"), this), "lblSchedule_35");
    times->addWidget(cboStartTime_0);
    times->addWidget(new QLabel(QStringLiteral("to"), this));
    times->addWidget(cboStartTime_1);
    times->addWidget(lblSchedule_35);
    times->addWidget(new QLabel(QStringLiteral("min"), this));
    form->addRow(QStringLiteral("Time:"), times);
    cboPatientClass = Named(new QComboBox(this), "cboPatientClass");
    form->addRow(QStringLiteral("Class:"), cboPatientClass);
    const std::tuple<QLineEdit**, QLineEdit**, const char*, const char*, const char*> pairs[] = {
        {&txtAdmitted_1, &txtAdmitted_2, "txtAdmitted_1", "txtAdmitted_2", "Procedure:"},
        {&txtAdmitted_3, &txtAdmitted_4, "txtAdmitted_3", "txtAdmitted_4", "Surgeon:"},
        {&txtAdmitted_5, &txtAdmitted_6, "txtAdmitted_5", "txtAdmitted_6", "Anesthesiologist:"}};
    for (const auto& [code, name, codeName, nameName, caption] : pairs) {
        *code = Named(new QLineEdit(this), codeName);
        *name = Named(new QLineEdit(this), nameName);
        (*code)->setFixedWidth(70);
        auto* row = new QHBoxLayout;
        row->addWidget(*code);
        row->addWidget(*name, 1);
        form->addRow(QLatin1String(caption), row);
    }
    layout->addLayout(form);
    cmdAdmittedOption_0 = Named(new QPushButton(QStringLiteral("&Save"), this), "cmdAdmittedOption_0");
    cmdAdmittedOption_1 = Named(new QPushButton(QStringLiteral("Clo&se"), this), "cmdAdmittedOption_1");
    layout->addLayout(shell::StationLook::ButtonRow({cmdAdmittedOption_0, cmdAdmittedOption_1}));
    hide();

    new LookUpKeys(txtAdmitted_1, [this] { lookUpProcedure(txtAdmitted_1, txtAdmitted_2); });
    new LookUpKeys(txtAdmitted_2, [this] { lookUpProcedure(txtAdmitted_1, txtAdmitted_2); });
    new LookUpKeys(txtAdmitted_4, [this] { lookUpDoctor(txtAdmitted_3, txtAdmitted_4); });
    new LookUpKeys(txtAdmitted_6, [this] { lookUpDoctor(txtAdmitted_5, txtAdmitted_6); });
    connect(cboStartTime_0, &QTimeEdit::timeChanged, this, [this](const QTime& start) {
        cboStartTime_1->setTime(OperationBooking::DefaultEnd(start));
        updateLength();
    });
    connect(cboStartTime_1, &QTimeEdit::timeChanged, this, [this] { updateLength(); });
    connect(Command1, &QPushButton::clicked, this, &AdmissionPanel::Command1_Click);
    connect(txtHospNum, &QLineEdit::returnPressed, this, &AdmissionPanel::Command1_Click);
    connect(cmdAdmittedOption_0, &QPushButton::clicked, this, &AdmissionPanel::saveRequested);
    connect(cmdAdmittedOption_1, &QPushButton::clicked, this, &AdmissionPanel::closeRequested);
}

void AdmissionPanel::updateLength()
{
    lblSchedule_35->setText(QString::number(OperationBooking::LengthMinutes(cboStartTime_0->time(), cboStartTime_1->time())));
}

void AdmissionPanel::setSex(const QString& sex)
{
    // Neither box checked is a real answer (sex not recorded), which
    // auto-exclusive radio buttons refuse unless told.
    for (QRadioButton* option : {optSex_0, optSex_1}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    if (sex == QLatin1String("M"))
        optSex_0->setChecked(true);
    else if (sex == QLatin1String("F"))
        optSex_1->setChecked(true);
}

void AdmissionPanel::Clear(const QDateTime& now)
{
    for (QLineEdit* box : {txtHospNum, txtAdmitted_0, txtAdmitted_1, txtAdmitted_2, txtAdmitted_3, txtAdmitted_4, txtAdmitted_5,
                           txtAdmitted_6, txtAge})
        box->clear();
    cboAdmitted->setCurrentIndex(0);
    cboPatientClass->setCurrentIndex(-1);
    setSex(QString());
    hospNum_.clear();
    dtpAdmitted->setDate(now.date());
    cboStartTime_0->setTime(OperationBooking::NextWholeHour(now));
    updateLength();
}

void AdmissionPanel::SetRooms(const QStringList& rooms)
{
    const QString kept = cboAdmitted->currentText();
    const QSignalBlocker quiet(cboAdmitted);
    cboAdmitted->clear();
    cboAdmitted->addItem(QString());
    cboAdmitted->addItems(rooms);
    cboAdmitted->setCurrentText(kept);
}

void AdmissionPanel::SetPatientClasses(const QStringList& classes)
{
    cboPatientClass->clear();
    cboPatientClass->addItems(classes);
    cboPatientClass->setCurrentIndex(-1);
}

void AdmissionPanel::SetSlot(const QString& roomName, const QDateTime& start, const QTime& end)
{
    dtpAdmitted->setDate(start.date());
    cboStartTime_0->setTime(start.time());
    cboStartTime_1->setTime(end);
    cboAdmitted->setCurrentText(roomName);
    updateLength();
}

bool AdmissionPanel::LoadEntry(const QString& transNum)
{
    bool found = false;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule '10','',") + db::Quote(transNum));
        if (rs.eof())
            return;
        found = true;
        hospNum_ = rs.text(QStringLiteral("HospNum")).trimmed();
        txtHospNum->setText(hospNum_);
        txtAdmitted_0->setText(rs.text(QStringLiteral("PatientName")).trimmed());
        cboPatientClass->setCurrentText(rs.text(QStringLiteral("PatientClass")).trimmed());
        cboAdmitted->setCurrentText(rs.text(QStringLiteral("RoomName")).trimmed());
        const QDateTime start = rs.field(QStringLiteral("SCHEDULE DATE/TIME")).toDateTime();
        const int minutes = rs.text(QStringLiteral("Length")).toInt();
        dtpAdmitted->setDate(start.date());
        // The start's own change would put the default length in; the entry's
        // length wins.
        cboStartTime_0->setTime(start.time());
        cboStartTime_1->setTime(start.time().addSecs(qint64(minutes) * 60));
        txtAdmitted_1->setText(rs.text(QStringLiteral("ProcID")).trimmed());
        txtAdmitted_2->setText(rs.text(QStringLiteral("OR PROCEDURE")).trimmed());
        txtAdmitted_3->setText(rs.text(QStringLiteral("DoctorID1")).trimmed());
        txtAdmitted_4->setText(rs.text(QStringLiteral("Surgeon")).trimmed());
        txtAdmitted_5->setText(rs.text(QStringLiteral("DoctorID2")).trimmed());
        txtAdmitted_6->setText(rs.text(QStringLiteral("Anesthesiologist")).trimmed());
        txtAge->setText(rs.text(QStringLiteral("Age")).trimmed());
        setSex(rs.text(QStringLiteral("Sex")).trimmed());
    });
    if (!read)
        return false;
    if (!found) {
        shell::Notify(QStringLiteral("The selected schedule is no longer confirmed."));
        return false;
    }
    updateLength();
    return true;
}

Booking AdmissionPanel::booking() const
{
    Booking b;
    b.hospNum = hospNum_;
    b.patientName = txtAdmitted_0->text();
    b.sex = optSex_0->isChecked() ? QStringLiteral("M") : optSex_1->isChecked() ? QStringLiteral("F") : QString();
    b.age = txtAge->text();
    b.patientClass = cboPatientClass->currentText();
    b.roomName = cboAdmitted->currentText().trimmed();
    b.date = dtpAdmitted->date();
    b.start = cboStartTime_0->time();
    b.end = cboStartTime_1->time();
    b.procedureCode = txtAdmitted_1->text();
    b.procedureDesc = txtAdmitted_2->text();
    b.surgeonId = txtAdmitted_3->text();
    b.surgeonName = txtAdmitted_4->text();
    b.anesthesiologistId = txtAdmitted_5->text();
    b.anesthesiologistName = txtAdmitted_6->text();
    return b;
}

bool AdmissionPanel::Save(const QDateTime& now)
{
    const bool stored = OperationBooking::BookToBeAdmitted(booking(), now, timeMessage_);
    // The patient found by the look-up is asked for again on the next booking.
    hospNum_.clear();
    if (!stored) {
        txtHospNum->setFocus();
        return false;
    }
    emit saved();
    return true;
}

void AdmissionPanel::Command1_Click()
{
    const QString typed = txtHospNum->text().trimmed();
    if (typed.isEmpty())
        return;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("SELECT HOSPNUM, Lastname, Firstname, Middlename, Sex, BirthDate "
                                                 "FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ") + db::Quote(typed));
        if (rs.eof()) {
            shell::Notify(QStringLiteral("Hospital number not found."));
            return;
        }
        hospNum_ = rs.text(QStringLiteral("HOSPNUM")).trimmed();
        txtAdmitted_0->setText(rs.text(QStringLiteral("Lastname")).trimmed() + QStringLiteral(", ")
                               + rs.text(QStringLiteral("Firstname")).trimmed() + QLatin1Char(' ')
                               + rs.text(QStringLiteral("Middlename")).trimmed());
        setSex(rs.text(QStringLiteral("Sex")).trimmed());
        txtAge->setText(OperationBooking::AgeInYears(rs.field(QStringLiteral("BirthDate")).toDateTime().date(),
                                                     shell::ReadServerDate().date()));
    });
}

void AdmissionPanel::lookUpDoctor(QLineEdit* code, QLineEdit* name)
{
    components::clsCodeSearch* search = CodeSearch();
    if (!search)
        return;
    try {
        if (!search->SearchListing(name->text().trimmed(), kDoctorListing))
            return;
        code->setText(search->DoctorRecord.ResultCode);
        name->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search->DoctorRecord.FirstName.trimmed());
        emit lookedUp();
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

void AdmissionPanel::lookUpProcedure(QLineEdit* code, QLineEdit* desc)
{
    components::clsCodeSearch* search = CodeSearch();
    if (!search)
        return;
    try {
        search->OtherSectionID = QStringLiteral("OR");
        if (!search->SearchListing(desc->text().trimmed(), kOtherRevenueListing))
            return;
        code->setText(search->OtherRevenueRecord.ResultCode);
        desc->setText(search->OtherRevenueRecord.OtherRevenue);
        emit lookedUp();
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

} // namespace scheduling
