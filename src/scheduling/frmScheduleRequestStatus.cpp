#include "scheduling/frmScheduleRequestStatus.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "scheduling/AdmissionPanel.h"
#include "scheduling/ScheduleAlerts.h"
#include "scheduling/ScheduleChanges.h"
#include "scheduling/ScheduleGrid.h"
#include "scheduling/frmEditORSchedule.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace scheduling {

frmScheduleRequestStatus::frmScheduleRequestStatus(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmScheduleRequestStatus"));
    setWindowTitle(QStringLiteral("Confirmed Operation Schedules"));
    setAttribute(Qt::WA_DeleteOnClose);
    using namespace shell::StationLook;

    cboBySearch = new QComboBox(this);
    cboBySearch->setObjectName(QStringLiteral("cboBySearch"));
    cboBySearch->addItems({QStringLiteral("LAST NAME"), QStringLiteral("ADM #"), QStringLiteral("HOSPITAL #")});
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setMaxLength(50);
    dtpFilterDate = shell::NewDateField(this, QStringLiteral("dtpFilterDate"), QDate::currentDate());
    cmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));

    mshflexPending = NewScheduleGrid(this, QStringLiteral("mshflexPending"),
                                     {QString(), QStringLiteral("Patient Name"), QStringLiteral("Schedule Date/Time"), QStringLiteral("Room"),
                                      QStringLiteral("OR Procedure"), QStringLiteral("Surgeon"), QStringLiteral("Anesthesiologist"),
                                      QStringLiteral("ADM #"), QStringLiteral("Hospital #"), QStringLiteral("Minutes"),
                                      QStringLiteral("Confirmed By")},
                                     {0, 2800, 1900, 1500, 3000, 2500, 2500, 1200, 1200, 900, 1400});

    const QString captions[4] = {QStringLiteral("&Print Slip"), QStringLiteral("&Revoke"), QStringLiteral("&Close"),
                                 QStringLiteral("&Edit")};
    for (int i = 0; i < 4; ++i) {
        cmdPending[i] = new QPushButton(captions[i], this);
        cmdPending[i]->setObjectName(QStringLiteral("cmdPending_%1").arg(i));
        connect(cmdPending[i], &QPushButton::clicked, this, [this, i] { cmdPending_Click(i); });
    }

    cmdRequestPatient = new QPushButton(QStringLiteral("Patient to be &Admitted"), this);
    cmdRequestPatient->setObjectName(QStringLiteral("cmdRequestPatient"));
    cmdLoadAdmitted = new QPushButton(QStringLiteral("&Copy to Admission"), this);
    cmdLoadAdmitted->setObjectName(QStringLiteral("cmdLoadAdmitted"));
    pctAdmitted = new AdmissionPanel(this, QStringLiteral("Patient to be Admitted"),
                                     QStringLiteral("Invalid Ending Time. Ending Time must not be equal or earlier than the Starting Time."));
    tracker_ = new shell::EditTracker(this);
    tracker_->watch(pctAdmitted);

    auto* search = new QHBoxLayout;
    search->setSpacing(Small);
    search->addWidget(new QLabel(QStringLiteral("Search by:"), this));
    search->addWidget(cboBySearch);
    search->addWidget(txtSearch, 1);
    search->addSpacing(Medium);
    search->addWidget(new QLabel(QStringLiteral("Date:"), this));
    search->addWidget(dtpFilterDate);
    search->addWidget(cmdSearch);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Large, Medium, Large, Medium);
    root->setSpacing(Medium);
    root->addLayout(search);
    auto* body = new QHBoxLayout;
    body->setSpacing(Medium);
    body->addWidget(mshflexPending, 1);
    body->addWidget(pctAdmitted);
    root->addLayout(body, 1);
    root->addLayout(ButtonRow({cmdRequestPatient, cmdLoadAdmitted, cmdPending[3], cmdPending[0], cmdPending[1], cmdPending[2]}, false));
    resize(1150, 560);

    connect(cmdSearch, &QPushButton::clicked, this, &frmScheduleRequestStatus::Search);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmScheduleRequestStatus::Search);
    connect(dtpFilterDate, &QDateEdit::dateChanged, this, &frmScheduleRequestStatus::Search);
    connect(cmdRequestPatient, &QPushButton::clicked, this, &frmScheduleRequestStatus::cmdRequestPatient_Click);
    connect(cmdLoadAdmitted, &QPushButton::clicked, this, qOverload<>(&frmScheduleRequestStatus::LoadAdmitted));
    connect(mshflexPending, &QTableWidget::cellDoubleClicked, this, qOverload<>(&frmScheduleRequestStatus::LoadAdmitted));
    connect(pctAdmitted, &AdmissionPanel::saveRequested, this, &frmScheduleRequestStatus::cmdAdmittedOption_0_Click);
    connect(pctAdmitted, &AdmissionPanel::lookedUp, tracker_, &shell::EditTracker::markModified);
    connect(pctAdmitted, &AdmissionPanel::closeRequested, this, [this] {
        pctAdmitted->hide();
        tracker_->markSaved();
    });
    Search();
}

void frmScheduleRequestStatus::Search()
{
    const QString mode = QString::number(cboBySearch->currentIndex() + 1);
    shell::SaveTransaction::Load([&](db::Connection& c) {
        FillScheduleGrid(mshflexPending, c.open(QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule %1,%2,'',%3")
                                                    .arg(db::Quote(mode), db::Quote(txtSearch->text().trimmed()),
                                                         db::Quote(shell::DateFieldText(dtpFilterDate)))));
    });
}

void frmScheduleRequestStatus::cmdPending_Click(int index)
{
    if (index == 2) {
        close();
        return;
    }
    const int row = mshflexPending->currentRow();
    const QString key = CellText(mshflexPending, row, ColKey);
    if (key.isEmpty())
        return;
    const QString patient = CellText(mshflexPending, row, ColPatient);
    if (index == 0) {
        QVariantList parameters = shell::SiteParameters();
        parameters << key << (app::CurrentUser ? app::CurrentUser->EmployeeCode : QString());
        shell::OpenAndShowReport(QStringLiteral("\\Reports\\ORSched_ConfirmationSlip.rpt"), parameters,
                                 QStringLiteral("OR Schedule Confirmation Slip"));
    } else if (index == 1) {
        if (!ScheduleChanges::RevokeConfirmed(key, CellText(mshflexPending, row, ColIdNum), CellText(mshflexPending, row, ColHospNum),
                                              patient))
            return;
        shell::Notify(QStringLiteral("Schedule successfully revoked."), shell::PromptIcon::Exclamation);
        Search();
    } else if (index == 3) {
        const QDateTime start = QDateTime::fromString(CellText(mshflexPending, row, ColStart), QStringLiteral("MM/dd/yyyy hh:mm AP"));
        auto* edit = new frmEditORSchedule;
        edit->dtpScheduleDate->setDate(start.date());
        edit->dtpTime[0]->setTime(start.time());
        edit->dtpTime[1]->setTime(start.time().addSecs(CellText(mshflexPending, row, ColLength).toInt() * 60));
        edit->txtProcedure->setText(CellText(mshflexPending, row, ColProcedure));
        edit->LoadData(key, patient);
        QPointer<frmScheduleRequestStatus> self(this);
        connect(edit, &frmEditORSchedule::saved, this, [self] {
            if (self)
                self->Search();
        });
        if (shell::ChildWindows* windows = shell::ChildWindows::main())
            windows->open(edit, shell::ChildWindows::Instances::One);
        else
            edit->show();
    }
}

QDateTime frmScheduleRequestStatus::serverNow() const
{
    try {
        return shell::ReadServerDate();
    } catch (const db::DbError&) {
        // The workstation's clock stands in: the booking's own checks read the server again.
        return QDateTime::currentDateTime();
    }
}

void frmScheduleRequestStatus::loadPanelLists()
{
    QStringList rooms;
    QStringList classes;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        for (db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext())
            rooms << rs.text(QStringLiteral("Room Name")).trimmed();
        for (db::Recordset rs = c.open(QStringLiteral("SELECT Classification FROM BUILD_FILE..tbcoPatientClass WHERE Status =  1 "
                                                      "ORDER BY Classification"));
             !rs.eof(); rs.moveNext())
            classes << rs.text(QStringLiteral("Classification")).trimmed();
    });
    pctAdmitted->SetRooms(rooms);
    pctAdmitted->SetPatientClasses(classes);
}

void frmScheduleRequestStatus::cmdRequestPatient_Click()
{
    tracker_->pause();
    loadPanelLists();
    pctAdmitted->Clear(serverNow());
    pctAdmitted->show();
    tracker_->resume();
    tracker_->markSaved();
    pctAdmitted->txtHospNum->setFocus();
}

void frmScheduleRequestStatus::LoadAdmitted()
{
    const QString key = CellText(mshflexPending, mshflexPending->currentRow(), ColKey);
    if (!key.isEmpty())
        LoadAdmitted(key);
}

bool frmScheduleRequestStatus::LoadAdmitted(const QString& transNum)
{
    tracker_->pause();
    loadPanelLists();
    // Every box is filled from the entry, so nothing of a former booking stays.
    const bool loaded = pctAdmitted->LoadEntry(transNum);
    if (loaded)
        pctAdmitted->show();
    tracker_->resume();
    tracker_->markSaved();
    return loaded;
}

void frmScheduleRequestStatus::cmdAdmittedOption_0_Click()
{
    if (!pctAdmitted->Save(serverNow()))
        return;
    ScheduleAlerts::RequestsHandled();
    tracker_->markSaved();
    pctAdmitted->hide();
    Search();
}

bool frmScheduleRequestStatus::hasUnsavedChanges() const
{
    return !pctAdmitted->isHidden() && tracker_->modified();
}

bool frmScheduleRequestStatus::saveUnsavedChanges()
{
    cmdAdmittedOption_0_Click();
    return !tracker_->modified();
}

} // namespace scheduling
