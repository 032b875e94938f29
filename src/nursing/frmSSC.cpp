#include "nursing/frmSSC.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "nursing/PackedText.h"
#include "nursing/SurgicalSafetyItems.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"
#include "shell/frmTransaction_UserValidation.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QtDebug>

namespace nursing {

namespace {

const QString kDateFormat = QStringLiteral("MM/dd/yyyy");
const QString kTimeFormat = QStringLiteral("hh:mm:ss AP");

// The columns of the nine names, in txtPx order from 6.
const char* const kNameColumns[9] = {"SurgeonSignIn",  "AnesthesiologistSignIn",  "NurseSignIn",
                                     "SurgeonTimeOut", "AnesthesiologistTimeOut", "NurseTimeOut",
                                     "SurgeonSignOut", "AnesthesiologistSignOut", "NurseSignOut"};
const char* const kRoles[3] = {"Surgeon", "Anesthesiologist", "Nurse"};

QLineEdit* textBox(const QString& name, QWidget* parent, bool readOnly = false)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    box->setMinimumWidth(150);
    return box;
}

QDateEdit* datePicker(const char* name, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(kDateFormat);
    return picker;
}

QTimeEdit* timePicker(const char* name, QWidget* parent)
{
    auto* picker = new QTimeEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(kTimeFormat);
    return picker;
}

// A pause's date-time as the server takes it: the date text, a blank and the time text.
QString DateTimeText(const QDateEdit* date, const QTimeEdit* time)
{
    return date->text() + QLatin1Char(' ') + time->text();
}

} // namespace

frmSSC::frmSSC(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSSC"));
    setWindowTitle(QStringLiteral("Surgical Safety Checklist"));
    setAttribute(Qt::WA_DeleteOnClose);

    for (int i = 0; i < int(txtPx.size()); ++i)
        txtPx[i] = textBox(QStringLiteral("txtPx_%1").arg(i), this, i == 0 || i == 2 || i == 3);
    // Boxes 4 and 5 of the array are not used by this form.
    txtPx[4]->hide();
    txtPx[5]->hide();

    dtpDateSignIn = datePicker("dtpDateSignIn", this);
    dtpTimeSignIn = timePicker("dtpTimeSignIn", this);
    dtpTimeOut = timePicker("dtpTimeOut", this);
    dtpDateSignOut = datePicker("dtpDateSignOut", this);
    dtpTimeSignOut = timePicker("dtpTimeSignOut", this);

    auto* patient = new QGroupBox(QStringLiteral("Patient"), this);
    auto* patientGrid = new QGridLayout(patient);
    patientGrid->addWidget(new QLabel(QStringLiteral("Name:"), patient), 0, 0);
    patientGrid->addWidget(txtPx[0], 0, 1, 1, 3);
    patientGrid->addWidget(new QLabel(QStringLiteral("Hospital No.:"), patient), 1, 0);
    patientGrid->addWidget(txtPx[2], 1, 1);
    patientGrid->addWidget(new QLabel(QStringLiteral("ID No.:"), patient), 1, 2);
    patientGrid->addWidget(txtPx[3], 1, 3);
    patientGrid->addWidget(new QLabel(QStringLiteral("Procedure:"), patient), 2, 0);
    patientGrid->addWidget(txtPx[1], 2, 1, 1, 3);
    txtPx[1]->setPlaceholderText(QStringLiteral("Name of the procedure"));

    auto* pauses = new QHBoxLayout;
    pauses->setSpacing(10);
    pauses->addWidget(pauseBox(0, dtpDateSignIn, dtpTimeSignIn, 6), 1);
    pauses->addWidget(pauseBox(1, nullptr, dtpTimeOut, 9), 1);
    pauses->addWidget(pauseBox(2, dtpDateSignOut, dtpTimeSignOut, 12), 1);

    const char* captions[4] = {"&Close", "&Save", "Save && &Print", "&Delete"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i : {1, 2, 3, 0}) {
        Command1[i] = new QPushButton(QLatin1String(captions[i]), this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setMinimumSize(110, 32);
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        buttons->addWidget(Command1[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(patient);
    layout->addLayout(pauses, 1);
    layout->addLayout(buttons);
}

// One pause: when it took place, the three who confirmed it and its checks.
QWidget* frmSSC::pauseBox(int pause, QDateEdit* date, QTimeEdit* time, int firstName)
{
    const SafetyPause& p = SafetyPauseAt(pause);
    auto* box = new QGroupBox(QLatin1String(p.caption), this);
    auto* column = new QVBoxLayout(box);
    auto* when = new QLabel(QStringLiteral("<i>%1</i>").arg(QLatin1String(p.when)), box);
    when->setStyleSheet(QStringLiteral("color: palette(dark);"));
    column->addWidget(when);
    auto* form = new QFormLayout;
    auto* moment = new QHBoxLayout;
    if (date)
        moment->addWidget(date);
    else
        moment->addWidget(new QLabel(QStringLiteral("sign-in date"), box));
    moment->addWidget(time);
    moment->addStretch();
    form->addRow(QStringLiteral("Date and time:"), moment);
    for (int r = 0; r < 3; ++r)
        form->addRow(QLatin1String(kRoles[r]) + QLatin1Char(':'), txtPx[firstName + r]);
    column->addLayout(form);
    for (int k = p.firstBox; k < p.firstBox + p.count; ++k) {
        Check1[k] = new QCheckBox(SafetyCheckCaption(k), box);
        Check1[k]->setObjectName(QStringLiteral("Check1_%1").arg(k));
        column->addWidget(Check1[k]);
    }
    column->addStretch();
    return box;
}

void frmSSC::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

QString frmSSC::PackedChecks() const
{
    QStringList entries;
    for (const QCheckBox* box : Check1)
        entries << PackedText::Flag(box->isChecked());
    return PackedText::Pack(entries);
}

void frmSSC::UnpackChecks(const QString& packed)
{
    const QStringList entries = PackedText::Unpack(packed, SafetyCheckCount);
    for (int k = 0; k < SafetyCheckCount; ++k)
        Check1[k]->setChecked(entries.at(k) == QLatin1String("1"));
}

void frmSSC::Form_Load()
{
    txtPx[0]->setText(PName);
    txtPx[2]->setText(HospNo);
    txtPx[3]->setText(IdNum);
    const QDateTime now = app::ServerDate.isValid() ? app::ServerDate : QDateTime::currentDateTime();
    for (QDateEdit* date : {dtpDateSignIn, dtpDateSignOut})
        date->setDate(now.date());
    for (QTimeEdit* time : {dtpTimeSignIn, dtpTimeOut, dtpTimeSignOut})
        time->setTime(now.time());

    try {
        db::Recordset rs = app::SQLConnection()->open(QStringLiteral("SELECT * FROM STATION..tbORSSC WHERE IDNUM = ") +
                                                       db::Quote(IdNum));
        if (rs.eof())
            return;
        for (int i = 0; i < 9; ++i)
            txtPx[6 + i]->setText(rs.text(QLatin1String(kNameColumns[i])));
        txtPx[1]->setText(rs.text(QStringLiteral("Operation")));
        if (const db::Field signIn = rs.field(QStringLiteral("SignIn")); !signIn.isNull()) {
            dtpDateSignIn->setDate(signIn.toDateTime().date());
            dtpTimeSignIn->setTime(signIn.toDateTime().time());
        }
        if (const db::Field timeOut = rs.field(QStringLiteral("TimeOut")); !timeOut.isNull())
            dtpTimeOut->setTime(timeOut.toDateTime().time());
        if (const db::Field signOut = rs.field(QStringLiteral("SignOut")); !signOut.isNull()) {
            dtpDateSignOut->setDate(signOut.toDateTime().date());
            dtpTimeSignOut->setTime(signOut.toDateTime().time());
        }
        const QString checks = rs.text(QStringLiteral("ChkBoxes"));
        if (!checks.isEmpty())
            UnpackChecks(checks);
    } catch (const db::DbError& e) {
        // The window stays as loaded so far; the failure goes to the log.
        qWarning() << "frmSSC: loading the checklist of" << IdNum << "failed:" << e.what();
    }
}

void frmSSC::Command1_Click(int index)
{
    switch (index) {
    case 0:
        close();
        break;
    case 1:
        if (Save())
            shell::Prompts::current().message(QStringLiteral("Surgical safety checklist successfully saved."),
                                              QStringLiteral("Notificatioin"), shell::PromptIcon::Information);
        break;
    case 2:
        if (Save())
            shell::OpenAndShowReport(QStringLiteral("\\Reports\\SurgicalSafety.rpt"), {IdNum},
                                     QStringLiteral("Surgical Safety Checklist"));
        break;
    case 3:
        Delete();
        break;
    }
}

bool frmSSC::Save()
{
    if (txtPx[1]->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please provide name of procedure."));
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Do you want to save Surgical safety checklist record?\r\n"
                                                   "Entered data will not be saved! "),
                                    0, QString(), this))
        return false;

    QStringList args{IdNum};
    for (int i = 6; i <= 14; ++i)
        args << txtPx[i]->text();
    args << txtPx[1]->text() << PackedChecks() << DateTimeText(dtpDateSignIn, dtpTimeSignIn)
         << DateTimeText(dtpDateSignIn, dtpTimeOut) << DateTimeText(dtpDateSignOut, dtpTimeSignOut)
         << app::ValidatedUserID;
    QStringList quoted;
    for (const QString& arg : args)
        quoted << db::Quote(arg);
    try {
        app::SQLConnection()->execute(QStringLiteral("STATION..Nurse_SSC ") + quoted.join(QLatin1Char(',')));
    } catch (const db::DbError& e) {
        qWarning() << "frmSSC: saving the checklist of" << IdNum << "failed:" << e.what();
        return false;
    }
    return true;
}

void frmSSC::Delete()
{
    if (!shell::Confirm(QStringLiteral("Are you sure you want to delete Surgical safety checklist record for this patient?")))
        return;
    {
        shell::frmTransaction_UserValidation dialog(this);
        shell::Prompts::current().exec(dialog);
    }
    if (app::ValidatedUserID.isEmpty())
        return;
    try {
        app::SQLConnection()->execute(QStringLiteral("DELETE STATION..tbORSSC WHERE IDNum = ") + db::Quote(IdNum));
    } catch (const db::DbError& e) {
        qWarning() << "frmSSC: deleting the checklist of" << IdNum << "failed:" << e.what();
        return;
    }
    shell::WriteStationLog(IdNum, QStringLiteral("Deleted Surgical Safety Checklist"), app::ValidatedUserID,
                           QStringLiteral("OR"));
    shell::Notify(QStringLiteral("Surgical safety checklist record successfully deleted."));
    close();
}

} // namespace nursing
