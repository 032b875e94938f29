#include "nursing/frmFluid.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/UserValidation.h"

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

QLineEdit* makeBox(const char* array, int shift, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(shift));
    box->setAlignment(Qt::AlignRight);
    box->setMaxLength(20);
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
    dtpDate = new QDateEdit(this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpDate->setCalendarPopup(true);
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
            (*arrays[c])[s] = makeBox(names[c], s, sheet);
            grid->addWidget((*arrays[c])[s], s + 2, c + 1);
        }
        cmdSave[s] = new QPushButton(QStringLiteral("Save"), sheet);
        cmdSave[s]->setObjectName(QStringLiteral("cmdSave_%1").arg(s));
        grid->addWidget(cmdSave[s], s + 2, 8);
        connect(cmdSave[s], &QPushButton::clicked, this, [this, s] { cmdSave_Click(s); });
    }
    root->addWidget(sheet);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const QString captions[3] = {QStringLiteral("&Close"), QStringLiteral("&Print Day"), QStringLiteral("Print &All Days")};
    for (int i = 2; i >= 0; --i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setMinimumWidth(110);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    buttons->addWidget(Command1[1]);
    buttons->addWidget(Command1[2]);
    buttons->addSpacing(16);
    buttons->addWidget(Command1[0]);
    root->addLayout(buttons);

    connect(dtpDate, &QDateEdit::dateChanged, this, [this] { LoadDay(); });
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
    for (int s = 0; s < Shifts; ++s)
        for (QLineEdit* box : shiftBoxes(s))
            box->clear();
    try {
        db::Recordset rs = app::SQLConnection()->open(QStringLiteral("SELECT * FROM STATION..tbNurseFluid WHERE IDNUM = ") +
                                                      db::Quote(IdNum) + QStringLiteral(" and DateEntered = '") + dayText() +
                                                      QStringLiteral("'"));
        for (; !rs.eof(); rs.moveNext()) {
            const int shift = rs.field(QStringLiteral("Shift")).toInt();
            if (shift < 0 || shift >= Shifts)
                continue; // not one of the sheet's shifts
            const auto boxes = shiftBoxes(shift);
            for (int c = 0; c < 7; ++c)
                boxes[c]->setText(rs.text(QLatin1String(kColumns[c])));
        }
    } catch (const db::DbError& e) {
        shell::Prompts::current().message(e.message(), windowTitle(), shell::PromptIcon::Critical);
    }
}

void frmFluid::cmdSave_Click(int shift)
{
    if (!shell::ValidateTransaction(QStringLiteral("Do you really want to save this transaction?\r\nInvalid user information! "),
                                    0, QString(), this))
        return;
    const QString id = db::Quote(IdNum);
    const QString day = dayText();
    QStringList values = {id, db::Quote(day), db::Quote(QString::number(shift))};
    for (QLineEdit* box : shiftBoxes(shift))
        values << db::Quote(box->text());
    values << db::Quote(app::ValidatedUserID);
    try {
        db::Connection& conn = *app::SQLConnection();
        conn.execute(QStringLiteral("DELETE STATION..TBNURSEFLUID WHERE IDNUM = ") + id + QStringLiteral(" AND Shift = '") +
                     QString::number(shift) + QStringLiteral("' AND DateEntered = '") + day + QStringLiteral("'"));
        conn.execute(QStringLiteral("INSERT INTO STATION..tbNurseFluid (IDNum, DateEntered, Shift, Oral, Parenteral, InputTotal, "
                                    "Urine, Drainage, Others,  OutputTotal, NurseID, Transdate,  Hostname) VALUES(") +
                     values.join(QLatin1Char(',')) + QStringLiteral(",getdate(),host_name())"));
    } catch (const db::DbError& e) {
        shell::Prompts::current().message(e.message(), windowTitle(), shell::PromptIcon::Critical);
        return;
    }
    shell::Notify(QStringLiteral("Record updated."));
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
