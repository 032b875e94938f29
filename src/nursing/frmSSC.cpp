#include "nursing/frmSSC.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "nursing/PackedText.h"
#include "nursing/SurgicalSafetyItems.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"
#include "shell/fields/YesNoPair.h"
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

namespace nursing {

namespace {

const QString kTable = QStringLiteral("STATION..tbORSSC");

// The columns of the nine names, in txtPx order from 6.
const char* const kNameColumns[9] = {"SurgeonSignIn",  "AnesthesiologistSignIn",  "NurseSignIn",
                                     "SurgeonTimeOut", "AnesthesiologistTimeOut", "NurseTimeOut",
                                     "SurgeonSignOut", "AnesthesiologistSignOut", "NurseSignOut"};
const char* const kRoles[3] = {"Surgeon", "Anesthesiologist", "Nurse"};

// The first name box of a pause in the txtPx array.
constexpr int FirstNameBox(int pause)
{
    return 6 + 3 * pause;
}

const QString kRefusedTip =
    QStringLiteral("The stored checklist could not be read: close the window and open it again.");

QLineEdit* textBox(const QString& name, QWidget* parent, bool readOnly = false)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    box->setMinimumWidth(150);
    return box;
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

    dtpDateSignIn = shell::NewDateField(this, QStringLiteral("dtpDateSignIn"));
    dtpTimeSignIn = shell::NewTimeField(this, QStringLiteral("dtpTimeSignIn"));
    dtpTimeOut = shell::NewTimeField(this, QStringLiteral("dtpTimeOut"));
    dtpDateSignOut = shell::NewDateField(this, QStringLiteral("dtpDateSignOut"));
    dtpTimeSignOut = shell::NewTimeField(this, QStringLiteral("dtpTimeSignOut"));

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

    for (const SafetyAnswerPair& pair : SafetyAnswerPairs())
        shell::MakeYesNoPair(Check1[pair.yes], Check1[pair.no]);
    watchPauses();
    edits_.watch(this);
}

QDateEdit* frmSSC::pauseDate(int pause) const
{
    // The time out has no date of its own: it took place on the sign-in date.
    return pause == 2 ? dtpDateSignOut : dtpDateSignIn;
}

QTimeEdit* frmSSC::pauseTime(int pause) const
{
    return pause == 0 ? dtpTimeSignIn : pause == 1 ? dtpTimeOut : dtpTimeSignOut;
}

void frmSSC::watchPauses()
{
    for (int pause = 0; pause < 3; ++pause) {
        for (int i = 0; i < 3; ++i)
            connect(txtPx[FirstNameBox(pause) + i], &QLineEdit::textEdited, this, [this, pause] { pauseEdited(pause); });
        const SafetyPause& p = SafetyPauseAt(pause);
        for (int k = p.firstBox; k < p.firstBox + p.count; ++k)
            connect(Check1[k], &QCheckBox::toggled, this, [this, pause] { pauseEdited(pause); });
    }
    // A date or time the nurse picks is the pause's own and is never stamped over.
    for (QDateTimeEdit* picker : std::initializer_list<QDateTimeEdit*>{dtpDateSignIn, dtpTimeSignIn, dtpTimeOut,
                                                                        dtpDateSignOut, dtpTimeSignOut})
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, picker] {
            if (!loading_)
                settled_.insert(picker);
        });
}

// The pickers open on the moment the window opened, which is nobody's pause.
// When the nurse first fills a pause, the pickers she has not set take the
// moment she does so: the checklist is filled in as each pause happens.
void frmSSC::pauseEdited(int pause)
{
    if (loading_ || !PauseFilled(pause))
        return;
    // The server's clock dates every record; should it not answer, the
    // workstation's clock fills in a default the nurse still sees and can correct.
    QDateTime now;
    try {
        now = shell::ReadServerDate();
    } catch (const db::DbError&) {
    }
    if (!now.isValid())
        now = QDateTime::currentDateTime();
    loading_ = true;
    if (!settled_.contains(pauseDate(pause))) {
        pauseDate(pause)->setDate(now.date());
        settled_.insert(pauseDate(pause));
    }
    if (!settled_.contains(pauseTime(pause))) {
        const QTime time = now.time();
        pauseTime(pause)->setTime(QTime(time.hour(), time.minute(), time.second()));
        settled_.insert(pauseTime(pause));
    }
    loading_ = false;
}

bool frmSSC::PauseFilled(int pause) const
{
    for (int i = 0; i < 3; ++i)
        if (!txtPx[FirstNameBox(pause) + i]->text().trimmed().isEmpty())
            return true;
    const SafetyPause& p = SafetyPauseAt(pause);
    for (int k = p.firstBox; k < p.firstBox + p.count; ++k)
        if (Check1[k]->isChecked())
            return true;
    return false;
}

QString frmSSC::PauseDateTime(int pause) const
{
    if (!PauseFilled(pause))
        return QString();
    return shell::DateFieldText(pauseDate(pause)) + QLatin1Char(' ') + shell::TimeFieldText(pauseTime(pause));
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
    std::array<bool, SafetyCheckCount> ticked{};
    for (int k = 0; k < SafetyCheckCount; ++k)
        ticked[k] = entries.at(k) == QLatin1String("1");
    // An older checklist may answer a question both ways; it shows unanswered
    // rather than as one answer picked at random.
    for (const SafetyAnswerPair& pair : SafetyAnswerPairs())
        if (ticked[pair.yes] && ticked[pair.no])
            ticked[pair.yes] = ticked[pair.no] = false;
    for (int k = 0; k < SafetyCheckCount; ++k)
        Check1[k]->setChecked(ticked[k]);
}

void frmSSC::Form_Load()
{
    loading_ = true;
    edits_.pause();
    txtPx[0]->setText(PName);
    txtPx[2]->setText(HospNo);
    txtPx[3]->setText(IdNum);
    const QDateTime now = app::ServerDate.isValid() ? app::ServerDate : QDateTime::currentDateTime();
    for (QDateEdit* date : {dtpDateSignIn, dtpDateSignOut})
        date->setDate(now.date());
    for (QTimeEdit* time : {dtpTimeSignIn, dtpTimeOut, dtpTimeSignOut})
        time->setTime(now.time());

    const bool loaded = shell::SaveTransaction::Load([this](db::Connection& conn) {
        // The lengths first: a box filled before it is limited would be cut.
        shell::LimitToColumn(txtPx[1], kTable, QStringLiteral("Operation"));
        for (int i = 0; i < 9; ++i)
            shell::LimitToColumn(txtPx[6 + i], kTable, QLatin1String(kNameColumns[i]));
        db::Recordset rs = conn.open(QStringLiteral("SELECT * FROM STATION..tbORSSC WHERE IDNUM = ") + db::Quote(IdNum));
        if (rs.eof())
            return;
        for (int i = 0; i < 9; ++i)
            txtPx[6 + i]->setText(rs.text(QLatin1String(kNameColumns[i])));
        txtPx[1]->setText(rs.text(QStringLiteral("Operation")));
        if (const db::Field signIn = rs.field(QStringLiteral("SignIn")); !signIn.isNull()) {
            dtpDateSignIn->setDate(signIn.toDateTime().date());
            dtpTimeSignIn->setTime(signIn.toDateTime().time());
            settled_ << dtpDateSignIn << dtpTimeSignIn;
        }
        if (const db::Field timeOut = rs.field(QStringLiteral("TimeOut")); !timeOut.isNull()) {
            dtpTimeOut->setTime(timeOut.toDateTime().time());
            settled_ << dtpTimeOut;
        }
        if (const db::Field signOut = rs.field(QStringLiteral("SignOut")); !signOut.isNull()) {
            dtpDateSignOut->setDate(signOut.toDateTime().date());
            dtpTimeSignOut->setTime(signOut.toDateTime().time());
            settled_ << dtpDateSignOut << dtpTimeSignOut;
        }
        const QString checks = rs.text(QStringLiteral("ChkBoxes"));
        if (!checks.isEmpty())
            UnpackChecks(checks);
    });
    if (!loaded)
        refuseSaving();
    loading_ = false;
    edits_.resume();
    edits_.markSaved();
}

void frmSSC::refuseSaving()
{
    savingRefused_ = true;
    for (int index : {1, 2, 3}) {
        Command1[index]->setEnabled(false);
        Command1[index]->setToolTip(kRefusedTip);
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
        // A save that failed was told by the save path; nothing is printed.
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
    if (savingRefused_) {
        shell::Notify(kRefusedTip, shell::PromptIcon::Exclamation);
        return false;
    }
    if (txtPx[1]->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please provide name of procedure."));
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Do you want to save Surgical safety checklist record?\r\n"
                                                   "Entered data will not be saved! "),
                                    0, QString(), this))
        return false;

    // Thirty checks of three characters each: the packed value always fits
    // its column, so no typed text can make it too long.
    QStringList args{IdNum};
    for (int i = 6; i <= 14; ++i)
        args << txtPx[i]->text();
    args << txtPx[1]->text() << PackedChecks() << PauseDateTime(0) << PauseDateTime(1) << PauseDateTime(2)
         << app::ValidatedUserID;
    QStringList quoted;
    for (const QString& arg : args)
        quoted << db::Quote(arg);
    const QString call = QStringLiteral("STATION..Nurse_SSC ") + quoted.join(QLatin1Char(','));
    if (!shell::SaveTransaction::Run([&call](db::Connection& conn) { conn.execute(call); }))
        return false;
    edits_.markSaved();
    return true;
}

void frmSSC::Delete()
{
    if (savingRefused_)
        return;
    if (!shell::Confirm(QStringLiteral("Are you sure you want to delete Surgical safety checklist record for this patient?")))
        return;
    {
        shell::frmTransaction_UserValidation dialog(this);
        shell::Prompts::current().exec(dialog);
    }
    if (app::ValidatedUserID.isEmpty())
        return;
    // The removal and its log row stand or fall together.
    const QString userId = app::ValidatedUserID;
    if (!shell::SaveTransaction::Run([&](db::Connection& conn) {
            conn.execute(QStringLiteral("DELETE STATION..tbORSSC WHERE IDNum = ") + db::Quote(IdNum));
            shell::WriteStationLog(IdNum, QStringLiteral("Deleted Surgical Safety Checklist"), userId, QStringLiteral("OR"));
        }))
        return;
    edits_.markSaved();
    shell::Notify(QStringLiteral("Surgical safety checklist record successfully deleted."));
    close();
}

} // namespace nursing
