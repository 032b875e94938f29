#include "nursing/frmFluid.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/UserValidation.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"
#include "shell/fields/NumberField.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nursing {

namespace {

const char* const kColumns[7] = {"Oral", "Parenteral", "InputTotal", "Urine", "Drainage", "Others", "OutputTotal"};
const char* const kCaptions[7] = {"Oral", "Parenteral", "Total Intake", "Urine", "Drainage", "Others", "Total Output"};

QLineEdit* makeBox(const char* array, const char* column, int shift, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(array) + QLatin1Char('_') + QString::number(shift));
    // Millilitres, to a tenth at most, never more than a body could take in or give out in a shift.
    shell::MakeNumberField(box, 0, frmFluid::MostMillilitres, 1);
    shell::LimitToColumn(box, QStringLiteral("STATION..tbNurseFluid"), QLatin1String(column));
    box->setMinimumWidth(70);
    return box;
}

} // namespace

QString frmFluid::ShiftCaption(int shift)
{
    static const QString captions[Shifts] = {QStringLiteral("6 AM - 12 NN"), QStringLiteral("12 NN - 6 PM"),
                                             QStringLiteral("6 PM - 12 MN"), QStringLiteral("12 MN - 6 AM")};
    return shift >= 0 && shift < Shifts ? captions[shift] : QString();
}

frmFluid::frmFluid(QWidget* parent)
    : QWidget(parent)
    , tracker_(new shell::EditTracker(this))
{
    setObjectName(QStringLiteral("frmFluid"));
    setWindowTitle(QStringLiteral("Fluid Intake and Output Sheet"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 12, 14, 12);
    root->setSpacing(10);

    // The patient and the day.
    auto* heading = new QGridLayout;
    heading->setHorizontalSpacing(10);
    lblPatient = new QLabel(this);
    lblPatient->setObjectName(QStringLiteral("lblPatient"));
    QFont strong = lblPatient->font();
    strong.setBold(true);
    strong.setPointSizeF(strong.pointSizeF() + 1);
    lblPatient->setFont(strong);
    lblID = new QLabel(this);
    lblID->setObjectName(QStringLiteral("lblID"));
    dtpDate = shell::NewDateField(this, QStringLiteral("dtpDate"));
    heading->addWidget(new QLabel(QStringLiteral("Patient:"), this), 0, 0);
    heading->addWidget(lblPatient, 0, 1);
    heading->addWidget(new QLabel(QStringLiteral("ID No.:"), this), 1, 0);
    heading->addWidget(lblID, 1, 1);
    heading->addWidget(new QLabel(QStringLiteral("Date:"), this), 0, 3, Qt::AlignRight);
    heading->addWidget(dtpDate, 0, 4);
    heading->setColumnStretch(2, 1);
    root->addLayout(heading);

    // One row per shift: intake, output and the shift's own save button.
    auto* sheet = new QGroupBox(QStringLiteral("Intake and output per shift"), this);
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    auto* intake = new QLabel(QStringLiteral("<b>INTAKE</b>"), sheet);
    auto* output = new QLabel(QStringLiteral("<b>OUTPUT</b>"), sheet);
    grid->addWidget(intake, 0, 1, 1, 3, Qt::AlignHCenter);
    grid->addWidget(output, 0, 4, 1, 4, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Shift"), sheet), 1, 0);
    for (int c = 0; c < 7; ++c)
        grid->addWidget(new QLabel(QLatin1String(kCaptions[c]), sheet), 1, c + 1, Qt::AlignHCenter);
    std::array<ShiftBoxes*, 7> arrays = {&txtOral, &txtParenteral, &txtInputTotal, &txtUrine,
                                         &txtDrainage, &txtOthers, &txtOutputTotal};
    const char* const names[7] = {"txtOral", "txtParenteral", "txtInputTotal", "txtUrine",
                                  "txtDrainage", "txtOthers", "txtOutputTotal"};
    for (int s = 0; s < Shifts; ++s) {
        grid->addWidget(new QLabel(ShiftCaption(s), sheet), s + 2, 0);
        for (int c = 0; c < 7; ++c) {
            QLineEdit* box = makeBox(names[c], kColumns[c], s, sheet);
            (*arrays[c])[s] = box;
            grid->addWidget(box, s + 2, c + 1);
            // Only the boxes count as typing: the date picker shows another day.
            tracker_->watchBox(box);
            connect(box, &QLineEdit::textEdited, this, [this, s] { unsaved_.insert(s); });
        }
        cmdSave[s] = new QPushButton(QStringLiteral("Save"), sheet);
        cmdSave[s]->setObjectName(QStringLiteral("cmdSave_") + QString::number(s));
        grid->addWidget(cmdSave[s], s + 2, 8);
        connect(cmdSave[s], &QPushButton::clicked, this, [this, s] { cmdSave_Click(s); });
    }
    root->addWidget(sheet);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const QString captions[3] = {QStringLiteral("&Close"), QStringLiteral("&Print Day"), QStringLiteral("Print &All Days")};
    for (int i = 2; i >= 0; --i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(QStringLiteral("Command1_") + QString::number(i));
        Command1[i]->setMinimumWidth(110);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    buttons->addWidget(Command1[1]);
    buttons->addWidget(Command1[2]);
    buttons->addSpacing(16);
    buttons->addWidget(Command1[0]);
    root->addLayout(buttons);

    connect(dtpDate, &QDateEdit::dateChanged, this, &frmFluid::dateChanged);
}

void frmFluid::Form_Load()
{
    lblPatient->setText(PName);
    lblID->setText(IdNum);
    const QDate today = app::ServerDate.isValid() ? app::ServerDate.date() : QDate::currentDate();
    const QSignalBlocker quiet(dtpDate);
    dtpDate->setDate(today);
    LoadDay();
}

bool frmFluid::hasUnsavedChanges() const
{
    return tracker_->modified() && !unsaved_.empty();
}

bool frmFluid::saveUnsavedChanges()
{
    if (unsaved_.empty())
        return true;
    return saveShifts(unsaved_);
}

// Another day is about to replace the boxes: typing not saved yet is saved
// first, given up, or kept with its own day shown again, as the nurse answers.
void frmFluid::dateChanged()
{
    if (hasUnsavedChanges()) {
        const QDate picked = dtpDate->date();
        auto showDay = [this](const QDate& day) {
            const QSignalBlocker quiet(dtpDate);
            dtpDate->setDate(day);
        };
        const shell::SaveChoice choice = shell::Prompts::current().askSave(
            QStringLiteral("Save changes to ") + windowTitle() + QStringLiteral(" of ") +
                shownDay_.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('?'),
            QStringLiteral("Confirmation"));
        if (choice == shell::SaveChoice::Cancel) {
            showDay(shownDay_);
            return;
        }
        if (choice == shell::SaveChoice::Save) {
            // The save runs for the day the typing belongs to.
            showDay(shownDay_);
            if (!saveShifts(unsaved_))
                return; // the typing stays, with its own day shown
            showDay(picked);
        }
    }
    LoadDay();
}

QString frmFluid::dayText() const
{
    return dtpDate->date().toString(QStringLiteral("MM/dd/yyyy"));
}

std::array<QLineEdit*, 7> frmFluid::shiftBoxes(int shift) const
{
    return {txtOral[shift], txtParenteral[shift], txtInputTotal[shift], txtUrine[shift],
            txtDrainage[shift], txtOthers[shift], txtOutputTotal[shift]};
}

void frmFluid::LoadDay()
{
    tracker_->pause();
    for (int s = 0; s < Shifts; ++s)
        for (QLineEdit* box : shiftBoxes(s))
            box->clear();
    const QString day = dayText();
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        db::Recordset rs = conn.open(QStringLiteral("SELECT * FROM STATION..tbNurseFluid WHERE IDNUM = ") + db::Quote(IdNum) +
                                     QStringLiteral(" and DateEntered = ") + db::Quote(day));
        for (; !rs.eof(); rs.moveNext()) {
            const int shift = rs.field(QStringLiteral("Shift")).toInt();
            if (shift < 0 || shift >= Shifts)
                continue; // not one of the sheet's shifts
            const auto boxes = shiftBoxes(shift);
            for (int c = 0; c < 7; ++c)
                boxes[c]->setText(rs.text(QLatin1String(kColumns[c])));
        }
    });
    // A day that could not be read must not be saved over with empty shifts.
    for (QPushButton* save : cmdSave)
        save->setEnabled(!loadFailed_);
    shownDay_ = dtpDate->date();
    unsaved_.clear();
    tracker_->resume();
    tracker_->markSaved();
}

void frmFluid::cmdSave_Click(int shift)
{
    saveShifts({shift});
}

bool frmFluid::saveShifts(const std::set<int>& shifts)
{
    if (loadFailed_ || shifts.empty())
        return false;
    std::vector<std::pair<QString, const QLineEdit*>> numbers;
    for (int s : shifts) {
        const auto boxes = shiftBoxes(s);
        for (int c = 0; c < 7; ++c)
            numbers.emplace_back(QLatin1String(kCaptions[c]) + QStringLiteral(" (") + ShiftCaption(s) + QLatin1Char(')'), boxes[c]);
    }
    if (!shell::CheckNumberFields(numbers))
        return false;
    if (!shell::ValidateTransaction(QStringLiteral("Do you really want to save this transaction?\r\nInvalid user information! "),
                                    0, QString(), this))
        return false;
    const QString id = db::Quote(IdNum);
    const QString day = db::Quote(dayText());
    // Each shift's old row goes and its new row comes in the same transaction:
    // a failed insert leaves the shift as it was stored.
    const bool saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
        for (int s : shifts) {
            const QString shift = QString::number(s);
            QStringList values = {id, day, db::Quote(shift)};
            for (QLineEdit* box : shiftBoxes(s))
                values << db::Quote(box->text());
            values << db::Quote(app::ValidatedUserID);
            conn.execute(QStringLiteral("DELETE STATION..TBNURSEFLUID WHERE IDNUM = ") + id + QStringLiteral(" AND Shift = ") +
                         db::Quote(shift) + QStringLiteral(" AND DateEntered = ") + day);
            conn.execute(QStringLiteral("INSERT INTO STATION..tbNurseFluid (IDNum, DateEntered, Shift, Oral, Parenteral, InputTotal, "
                                        "Urine, Drainage, Others,  OutputTotal, NurseID, Transdate,  Hostname) VALUES(") +
                         values.join(QLatin1Char(',')) + QStringLiteral(",getdate(),host_name())"));
        }
    });
    if (!saved)
        return false;
    for (int s : shifts)
        unsaved_.erase(s);
    if (unsaved_.empty())
        tracker_->markSaved();
    shell::Notify(QStringLiteral("Record updated."));
    return true;
}

void frmFluid::Command1_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    const QVariantList parameters = shell::SiteParameters()
                                    << (index == 1 ? dayText() : QStringLiteral("ALL")) << IdNum << PName;
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\FluidInOut.RPT"), parameters,
                             QStringLiteral("Fluid Intake and Output Sheet"));
}

frmFluid* OpenFluidForSelectedPatient()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmFluid;
    form->IdNum = app::IdNum;
    form->PName = app::PatientName;
    form->Form_Load();
    return form;
}

} // namespace nursing
