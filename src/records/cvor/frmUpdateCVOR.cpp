#include "records/cvor/frmUpdateCVOR.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "records/PickListDialog.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace records {

namespace {
constexpr int kDoctorListing = 1;
}

frmUpdateCVOR::frmUpdateCVOR(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmUpdateCVOR"));
    setWindowTitle(QStringLiteral("Update CVOR Info"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(shell::StationLook::Large, shell::StationLook::Medium, shell::StationLook::Large,
                             shell::StationLook::Medium);
    root->setSpacing(shell::StationLook::Medium);
    lblPatient = new QLabel(this);
    lblPatient->setObjectName(QStringLiteral("lblPatient"));
    QFont strong = lblPatient->font();
    strong.setBold(true);
    lblPatient->setFont(strong);
    lblProcedure = new QLabel(this);
    lblProcedure->setObjectName(QStringLiteral("lblProcedure"));
    lblProcedure->setWordWrap(true);
    root->addWidget(lblPatient);
    root->addWidget(lblProcedure);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(shell::StationLook::Small);
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < 10; ++i) {
        const CvorCrewMember& member = CvorCrewMembers()[static_cast<size_t>(i)];
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txt") + QLatin1String(member.column));
        shell::LimitToColumn(box, QStringLiteral("STATION..tbCVORInfo"), QLatin1String(member.column));
        box->setFixedWidth(110);
        box->setToolTip(QStringLiteral("Press Enter to look the person up."));
        box->installEventFilter(this);
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("lbl") + QLatin1String(member.column));
        name->setMinimumWidth(240);
        txtCrew[static_cast<size_t>(i)] = box;
        lblCrew[static_cast<size_t>(i)] = name;
        grid->addWidget(new QLabel(QLatin1String(member.caption), this), i, 0);
        grid->addWidget(box, i, 1);
        grid->addWidget(name, i, 2);
        // A name belongs to the code it was looked up for.
        connect(box, &QLineEdit::textEdited, name, &QLabel::clear);
    }
    root->addLayout(grid);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    root->addLayout(shell::StationLook::ButtonRow({cmdSave, cmdClose}, false));
    root->addStretch(1);

    connect(cmdSave, &QPushButton::clicked, this, &frmUpdateCVOR::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

CvorCase frmUpdateCVOR::theCase() const
{
    return CvorCase{PName, PNo, ID, TransDate, Procedure, RefNo, ItemID};
}

bool frmUpdateCVOR::Form_Load()
{
    lblPatient->setText(PName + QStringLiteral("  (") + ID + QLatin1Char(')'));
    lblProcedure->setText(QStringLiteral("Procedure: ") + Procedure);
    loaded_ = shell::SaveTransaction::Load([&](db::Connection& connection) {
        const CvorCrew crew = CvorCases::LoadCrew(connection, theCase());
        for (size_t i = 0; i < crew.size(); ++i) {
            txtCrew[i]->setText(crew[i]);
            lblCrew[i]->setText(CvorCases::CrewName(connection, CvorCrewMembers()[i], crew[i]));
        }
    });
    cmdSave->setEnabled(loaded_);
    return loaded_;
}

CvorCrew frmUpdateCVOR::crew() const
{
    CvorCrew crew;
    for (size_t i = 0; i < crew.size(); ++i)
        crew[i] = txtCrew[i]->text().trimmed();
    return crew;
}

void frmUpdateCVOR::lookUp(int index)
{
    const size_t i = static_cast<size_t>(index);
    const CvorCrewMember& member = CvorCrewMembers()[i];
    QLineEdit* box = txtCrew[i];
    try {
        if (!member.doctor) {
            if (auto chosen = PickStaff(box->text().trimmed(), this)) {
                box->setText(chosen->code);
                lblCrew[i]->setText(chosen->name);
            }
            return;
        }
        components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
        if (!search) {
            shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
            return;
        }
        if (search->SearchListing(box->text().trimmed(), kDoctorListing)) {
            box->setText(search->DoctorRecord.ResultCode);
            lblCrew[i]->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ")
                                + search->DoctorRecord.FirstName.trimmed());
        }
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

void frmUpdateCVOR::cmdSave_Click()
{
    // A crew that could not be read is never overwritten by empty boxes.
    if (!loaded_)
        return;
    CvorCases::SaveCrew(theCase(), crew());
}

bool frmUpdateCVOR::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            for (int i = 0; i < 10; ++i)
                if (watched == txtCrew[static_cast<size_t>(i)]) {
                    lookUp(i);
                    return true;
                }
    }
    return QWidget::eventFilter(watched, event);
}

void frmUpdateCVOR::closeEvent(QCloseEvent* event)
{
    if (!shell::Confirm(QStringLiteral("Are you sure to close this window?"))) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace records
