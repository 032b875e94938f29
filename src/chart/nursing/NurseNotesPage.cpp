#include "chart/nursing/NurseNotesPage.h"

#include "chart/nursing/ChartGrid.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/UserValidation.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace chart::nursing {

namespace {

const QString kFormatString = QStringLiteral(" |<Date / Time         |<Day Shift   |<Entered By                |<User ID");

QString LoggedInUser()
{
    return app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
}

// The server keeps apostrophes out of the notes: the station has always
// written them as back-quotes.
QString StoredText(const QString& typed)
{
    QString text = typed;
    return text.replace(QLatin1Char('\''), QLatin1Char('`'));
}

} // namespace

QString NurseNotesPage::NoteShift(const QTime& time)
{
    const int hour = time.hour();
    if (hour >= 6 && hour <= 14)
        return QStringLiteral("6AM-2PM");
    if (hour >= 15 && hour <= 22)
        return QStringLiteral("2PM-10PM");
    return QStringLiteral("10PM-6AM");
}

NurseNotesPage::NurseNotesPage(QWidget* parent)
    : ChartPanel(parent)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("NurseNotesPage"));
    using namespace shell::StationLook;
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(Small, Small, Small, Small);
    root->setSpacing(Medium);

    auto* writing = new QGroupBox(QStringLiteral("Note"), this);
    auto* column = new QVBoxLayout(writing);
    auto* when = new QHBoxLayout;
    when->setSpacing(Tight);
    dtpNoteDate = shell::NewDateField(writing, QStringLiteral("dtpNoteDate"));
    dtpNoteTime = shell::NewTimeField(writing, QStringLiteral("dtpNoteTime"));
    cboShift = new QComboBox(writing);
    cboShift->setObjectName(QStringLiteral("cboShift"));
    cboShift->setMinimumContentsLength(9);
    when->addWidget(new QLabel(QStringLiteral("Date:"), writing));
    when->addWidget(dtpNoteDate);
    when->addSpacing(Medium);
    when->addWidget(new QLabel(QStringLiteral("Time:"), writing));
    when->addWidget(dtpNoteTime);
    when->addSpacing(Medium);
    when->addWidget(new QLabel(QStringLiteral("Shift:"), writing));
    when->addWidget(cboShift);
    when->addStretch(1);
    column->addLayout(when);
    txtNotes = new QPlainTextEdit(writing);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setTabChangesFocus(true);
    column->addWidget(txtNotes, 1);
    auto make = [&](QPushButton*& member, const char* name, const QString& caption) {
        member = new QPushButton(caption, writing);
        member->setObjectName(QLatin1String(name));
        member->setAutoDefault(false);
    };
    make(cmdSaveNotes, "cmdSaveNotes", QStringLiteral("&Save"));
    make(cmdNewNotes, "cmdNewNotes", QStringLiteral("&New Note"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveNotes);
    buttons->addWidget(cmdNewNotes);
    column->addLayout(buttons);
    root->addWidget(writing, 1);

    auto* previous = new QGroupBox(QStringLiteral("Previous notes"), this);
    auto* list = new QVBoxLayout(previous);
    auto* split = new QSplitter(Qt::Vertical, previous);
    mshflexPrevNotes = NewChartGrid(split, QStringLiteral("mshflexPrevNotes"), kFormatString);
    txtPrevNotes = new QPlainTextEdit(split);
    txtPrevNotes->setObjectName(QStringLiteral("txtPrevNotes"));
    txtPrevNotes->setReadOnly(true);
    split->addWidget(mshflexPrevNotes);
    split->addWidget(txtPrevNotes);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    list->addWidget(split, 1);
    make(cmdEditNotes, "cmdEditNotes", QStringLiteral("&Edit"));
    make(cmdDeleteNotes, "cmdDeleteNotes", QStringLiteral("&Delete"));
    list->addLayout(shell::StationLook::ButtonRow({cmdEditNotes, cmdDeleteNotes}, false));
    root->addWidget(previous, 1);

    connect(cmdSaveNotes, &QPushButton::clicked, this, [this] { cmdSaveNotes_Click(); });
    connect(cmdEditNotes, &QPushButton::clicked, this, &NurseNotesPage::cmdEditNotes_Click);
    connect(cmdDeleteNotes, &QPushButton::clicked, this, &NurseNotesPage::cmdDeleteNotes_Click);
    connect(cmdNewNotes, &QPushButton::clicked, this, &NurseNotesPage::cmdNewNotes_Click);
    connect(mshflexPrevNotes, &QTableWidget::itemSelectionChanged, this, &NurseNotesPage::showChosen);
    connect(dtpNoteTime, &QTimeEdit::timeChanged, this, &NurseNotesPage::followTime);
    tracker_->watchBox(txtNotes);
    setEditing(QString());
}

void NurseNotesPage::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    QStringList shifts;
    const bool read = shell::SaveTransaction::Load([&](db::Connection& conn) {
        for (db::Recordset rs = conn.open(QStringLiteral("SELECT distinct Shift FROM STATION..tbNurseShifts WHERE Status = '1'"));
             !rs.eof(); rs.moveNext())
            shifts << rs.text(QStringLiteral("Shift"));
    });
    cboShift->clear();
    cboShift->addItems(shifts);
    clearEntry();
    setEditing(QString());
    if (read)
        Get_Notes();
    else
        loadFailed_ = true;
    cmdSaveNotes->setEnabled(!loadFailed_);
}

void NurseNotesPage::Get_Notes()
{
    std::vector<NurseNoteRow> rows;
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        for (db::Recordset rs = conn.open(QStringLiteral("STATION..Nurse_GetNotes ") + db::Quote(patient_.idNum)); !rs.eof();
             rs.moveNext())
            rows.push_back({rs.text(QStringLiteral("Date / Time")), rs.text(QStringLiteral("Day Shift")),
                            rs.text(QStringLiteral("Entered By")), rs.text(QStringLiteral("User ID")),
                            rs.text(QStringLiteral("TransNum")), rs.text(QStringLiteral("Notes"))});
    });
    rows_ = std::move(rows);
    const QSignalBlocker quiet(mshflexPrevNotes);
    mshflexPrevNotes->setRowCount(0);
    for (const NurseNoteRow& r : rows_)
        AddGridRow(mshflexPrevNotes, {r.when, r.shift, r.enteredBy, r.userId});
    mshflexPrevNotes->resizeColumnsToContents();
    txtPrevNotes->clear();
}

void NurseNotesPage::followTime()
{
    const QString shift = NoteShift(dtpNoteTime->time());
    if (cboShift->findText(shift) < 0)
        cboShift->addItem(shift);
    cboShift->setCurrentText(shift);
}

bool NurseNotesPage::hasUnsavedChanges() const
{
    return tracker_->modified() && !txtNotes->toPlainText().trimmed().isEmpty();
}

const NurseNoteRow* NurseNotesPage::chosen() const
{
    const int row = ChosenRow(mshflexPrevNotes);
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(row)] : nullptr;
}

void NurseNotesPage::showChosen()
{
    const NurseNoteRow* note = chosen();
    txtPrevNotes->setPlainText(note ? note->text : QString());
}

bool NurseNotesPage::isAuthor(const NurseNoteRow& note, bool* failed)
{
    bool author = false;
    *failed = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        author = !conn.open(QStringLiteral("Select 1 from Station..tbNurseNotes Where TransNum = %1 and UserID =%2")
                                .arg(note.transNum.toLongLong())
                                .arg(db::Quote(LoggedInUser())))
                      .eof();
    });
    return author;
}

bool NurseNotesPage::cmdSaveNotes_Click()
{
    if (loadFailed_)
        return false;
    const QString text = StoredText(txtNotes->toPlainText().trimmed());
    if (text.isEmpty()) {
        shell::Notify(QStringLiteral("No data to save."));
        return false;
    }
    bool saved = false;
    if (editing()) {
        if (!shell::Confirm(QStringLiteral("Are you sure you want to Edit this Nurses Notes?")))
            return false;
        const QString transNum = editingTransNum_;
        saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
            conn.execute(QStringLiteral("STATION..sp_Nurse_Update_NurseNotes_New %1,%2,%3")
                             .arg(db::Quote(transNum), db::Quote(text), db::Quote(LoggedInUser())));
        });
        if (saved)
            shell::Notify(QStringLiteral("Nurses notes successfully updated."));
    } else {
        if (!shell::Confirm(QStringLiteral("Are you sure you want to save Nurses Notes?")))
            return false;
        if (!shell::ValidateTransaction(QStringLiteral("Unable to continue this transaction! "), 0, QString(), this))
            return false;
        const QStringList args{patient_.idNum,  shell::DateFieldText(dtpNoteDate), QLatin1Char(' ') + shell::TimeFieldText(dtpNoteTime),
                               cboShift->currentText(), text, app::ValidatedUserID, app::ORStationID};
        QStringList quoted;
        for (const QString& a : args)
            quoted << db::Quote(a);
        saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
            conn.execute(QStringLiteral("STATION..Nurse_SaveNursingNotes ") + quoted.join(QLatin1Char(',')));
        });
    }
    if (!saved)
        return false;
    clearEntry();
    setEditing(QString());
    Get_Notes();
    emit patientDataChanged();
    return true;
}

void NurseNotesPage::cmdEditNotes_Click()
{
    const NurseNoteRow* note = chosen();
    if (!note) {
        shell::Notify(QStringLiteral("Sorry, no data to edit."));
        return;
    }
    bool failed = false;
    if (!isAuthor(*note, &failed)) {
        if (!failed)
            shell::Notify(QStringLiteral("You are not allowed to edit this notes entered by: ") + note->enteredBy);
        return;
    }
    if (hasUnsavedChanges() && !shell::Confirm(QStringLiteral("Discard the note you are writing and edit the chosen one?")))
        return;
    tracker_->pause();
    txtNotes->setPlainText(note->text);
    // The boxes show when the note was written, not now.
    const QDateTime written = QDateTime::fromString(note->when, QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    if (written.isValid()) {
        dtpNoteDate->setDate(written.date());
        dtpNoteTime->setTime(written.time());
    }
    cboShift->setCurrentText(note->shift);
    tracker_->resume();
    tracker_->markSaved();
    setEditing(note->transNum);
    txtNotes->setFocus();
}

void NurseNotesPage::cmdDeleteNotes_Click()
{
    const NurseNoteRow* picked = chosen();
    if (!picked) {
        shell::Notify(QStringLiteral("Sorry, no data to delete."));
        return;
    }
    const NurseNoteRow note = *picked;
    bool failed = false;
    // A colleague's note is hers to withdraw, as with editing.
    if (!isAuthor(note, &failed)) {
        if (!failed)
            shell::Notify(QStringLiteral("You are not allowed to delete this notes entered by: ") + note.enteredBy);
        return;
    }
    if (!shell::Confirm(QStringLiteral("Are you sure you want to delete this Nurses Notes?")))
        return;
    const bool deleted = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(QStringLiteral("DELETE Station..tbNurseNotes WHERE TransNum = ") + db::Quote(note.transNum));
        shell::WriteStationLog(patient_.idNum,
                               QStringLiteral("DELETED NURSE NOTES: ") + note.when + QStringLiteral(" ") + note.shift +
                                   QStringLiteral(" ") + note.text.left(900),
                               LoggedInUser(), app::ORStationID);
    });
    if (!deleted)
        return;
    if (editingTransNum_ == note.transNum) {
        clearEntry();
        setEditing(QString());
    }
    Get_Notes();
    emit patientDataChanged();
}

void NurseNotesPage::cmdNewNotes_Click()
{
    if (hasUnsavedChanges() && !shell::Confirm(QStringLiteral("Discard the note you are writing?")))
        return;
    clearEntry();
    setEditing(QString());
}

void NurseNotesPage::clearEntry()
{
    tracker_->pause();
    txtNotes->clear();
    const QDateTime now = QDateTime::currentDateTime();
    dtpNoteDate->setDate(now.date());
    dtpNoteTime->setTime(QTime(now.time().hour(), now.time().minute()));
    followTime();
    tracker_->resume();
    tracker_->markSaved();
}

void NurseNotesPage::setEditing(const QString& transNum)
{
    editingTransNum_ = transNum;
    // An edited note keeps its own time and shift.
    dtpNoteDate->setEnabled(transNum.isEmpty());
    dtpNoteTime->setEnabled(transNum.isEmpty());
    cboShift->setEnabled(transNum.isEmpty());
    cmdSaveNotes->setText(transNum.isEmpty() ? QStringLiteral("&Save") : QStringLiteral("&Save Changes"));
}

} // namespace chart::nursing
