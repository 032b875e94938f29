#include "scheduling/RoomMaintenance.h"
#include "scheduling/frmSchedule.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "reports/ReportPeriod.h"
#include "scheduling/AdmissionPanel.h"
#include "scheduling/BoardDay.h"
#include "scheduling/BoardView.h"
#include "scheduling/ScheduleAlerts.h"
#include "scheduling/frmCommunicationSchedule.h"
#include "scheduling/frmScheduleLayout.h"
#include "scheduling/frmStaff.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/StationLook.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace scheduling {

namespace {

constexpr int kDoctorListing = 1;
constexpr int kOtherRevenueListing = 21;

QString DoctorName(const components::clsCodeSearch& search)
{
    return search.DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search.DoctorRecord.FirstName.trimmed();
}

components::clsCodeSearch* CodeSearch()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search)
        shell::Notify(QStringLiteral("The code look-up is not available."), shell::PromptIcon::Exclamation);
    return search;
}

} // namespace

frmSchedule::frmSchedule(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(QStringLiteral("Operation Schedule"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Left: the calendar and the window's own buttons.
    auto* side = new QVBoxLayout;
    side->setSpacing(shell::StationLook::Small);
    MonthView1 = Named(new QCalendarWidget(this), "MonthView1");
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setFixedSize(250, 190);
    side->addWidget(MonthView1);
    auto* view = new QGroupBox(QStringLiteral("Board"), this);
    auto* viewLayout = new QVBoxLayout(view);
    optView_0 = Named(new QRadioButton(QStringLiteral("All rooms, one day"), view), "optView_0");
    optView_1 = Named(new QRadioButton(QStringLiteral("One room, one week"), view), "optView_1");
    optView_0->setChecked(true);
    cboWeekRoom = Named(new QComboBox(view), "cboWeekRoom");
    cboWeekRoom->setEnabled(false);
    viewLayout->addWidget(optView_0);
    viewLayout->addWidget(optView_1);
    viewLayout->addWidget(cboWeekRoom);
    side->addWidget(view);
    cmdRequest = Named(new QPushButton(QStringLiteral("Schedule &Requests"), this), "cmdRequest");
    cmdRequestPatient = Named(new QPushButton(QStringLiteral("Patient to be &Admitted"), this), "cmdRequestPatient");
    cmdSaveSchedule_0 = Named(new QPushButton(QStringLiteral("&Print Schedule"), this), "cmdSaveSchedule_0");
    cmdSaveSchedule_1 = Named(new QPushButton(QStringLiteral("R&ooms"), this), "cmdSaveSchedule_1");
    cmdSaveSchedule_2 = Named(new QPushButton(QStringLiteral("P&arameters"), this), "cmdSaveSchedule_2");
    cmdClose = Named(new QPushButton(QStringLiteral("&Close"), this), "cmdClose");
    for (QPushButton* button : {cmdRequest, cmdRequestPatient, cmdSaveSchedule_0, cmdSaveSchedule_1, cmdSaveSchedule_2})
        side->addWidget(button);
    side->addStretch(1);
    side->addWidget(cmdClose);
    auto* legend = new QLabel(this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setTextFormat(Qt::RichText);
    QString legendText;
    for (const auto& [status, name] : {std::pair{BlockStatus::Requested, "Requested"}, std::pair{BlockStatus::Confirmed, "Confirmed"},
                                       std::pair{BlockStatus::InProgress, "In progress"}, std::pair{BlockStatus::Done, "Done"}})
        legendText += QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2%3")
                          .arg(BoardView::ColourOf(status).name(), QLatin1String(name),
                               status == BlockStatus::Confirmed ? QStringLiteral("<br>") : QStringLiteral("&nbsp;&nbsp;&nbsp;"));
    legend->setText(legendText);
    legend->setWordWrap(true);
    legend->setFixedWidth(250);
    side->insertWidget(side->count() - 2, legend);

    // Middle: the board.
    board = Named(new BoardView, "board");
    scrBoard = Named(new QScrollArea(this), "scrBoard");
    scrBoard->setWidget(board);
    scrBoard->setWidgetResizable(false);
    scrBoard->setMinimumWidth(420);

    // Right: the panels, one at a time.
    pictSched = buildRequestPanel();
    pctAdmitted = buildAdmissionPanel();
    pictParameter = buildParameterPanel();
    pictSchedule = buildDetailPanel();
    pictRooms = buildRoomPanel();
    auto* panels = new QVBoxLayout;
    for (QFrame* panel : sidePanels())
        panels->addWidget(panel);
    panels->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Medium, shell::StationLook::Medium,
                               shell::StationLook::Medium);
    layout->setSpacing(shell::StationLook::Medium);
    layout->addLayout(side);
    layout->addWidget(scrBoard, 1);
    layout->addLayout(panels);
    resize(1260, 600);

    Timer1 = new QTimer(this);
    Timer1->setInterval(700);
    connect(Timer1, &QTimer::timeout, this, [this] {
        blink_ = !blink_;
        cmdRequest->setStyleSheet(blink_ ? QStringLiteral("background-color: #f0c040") : QString());
    });
    // The current-time line moves on by itself.
    auto* clock = new QTimer(this);
    clock->setInterval(60 * 1000);
    connect(clock, &QTimer::timeout, this, [this] { board->setNow(QDateTime::currentDateTime()); });
    clock->start();

    connect(MonthView1, &QCalendarWidget::clicked, this, &frmSchedule::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::activated, this, &frmSchedule::MonthView1_DateClick);
    connect(optView_0, &QRadioButton::toggled, this, [this](bool day) {
        cboWeekRoom->setEnabled(!day);
        LoadBoard(false);
    });
    connect(cboWeekRoom, &QComboBox::currentIndexChanged, this, [this] {
        if (optView_1->isChecked())
            LoadBoard(false);
    });
    connect(cmdRequest, &QPushButton::clicked, this, [] {
        // The stations' requests are answered in their own window.
        if (shell::ChildWindows* children = shell::ChildWindows::main())
            if (!children->bringToFront(QStringLiteral("frmCommunicationSchedule")))
                children->open(new frmCommunicationSchedule, shell::ChildWindows::Instances::One);
    });
    connect(cmdRequestPatient, &QPushButton::clicked, this, &frmSchedule::cmdRequestPatient_Click);
    connect(cmdSaveSchedule_0, &QPushButton::clicked, this, &frmSchedule::cmdSaveSchedule_0_Click);
    connect(cmdSaveSchedule_1, &QPushButton::clicked, this, &frmSchedule::cmdSaveSchedule_1_Click);
    connect(cmdSaveSchedule_2, &QPushButton::clicked, this, &frmSchedule::cmdSaveSchedule_2_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(board, &BoardView::bookRequested, this, &frmSchedule::BookAt);
    connect(board, &BoardView::moveRequested, this, &frmSchedule::MoveAt);
    connect(board, &BoardView::moveRefused, this, [this](const QString& message) {
        shell::Notify(message);
        LoadBoard(false);
    });
    connect(board, &BoardView::blockClicked, this, &frmSchedule::showDetail);

    tracker_ = new shell::EditTracker(this);
    tracker_->watch(pictSched);
    tracker_->watch(pctAdmitted);
}

void frmSchedule::loadRoomGrid()
{
    mshflexORRoom->setRowCount(0);
    shell::SaveTransaction::Load([this](db::Connection& c) {
        const QHash<QString, QString> ids = [&c] {
            QHash<QString, QString> map;
            for (db::Recordset rs = c.open(QStringLiteral("SELECT RoomID, RoomName FROM SCHEDULE..tbORRoom")); !rs.eof(); rs.moveNext())
                map.insert(rs.text(QStringLiteral("RoomName")).trimmed().toUpper(), rs.text(QStringLiteral("RoomID")).trimmed());
            return map;
        }();
        for (db::Recordset rs = c.open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext()) {
            const QString name = rs.text(QStringLiteral("Room Name")).trimmed();
            const int row = mshflexORRoom->rowCount();
            mshflexORRoom->insertRow(row);
            mshflexORRoom->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
            mshflexORRoom->setItem(row, 1, new QTableWidgetItem(name));
            mshflexORRoom->setItem(row, 2, new QTableWidgetItem(ids.value(name.toUpper())));
        }
    });
    pictEditRoom->setEnabled(false);
    txtRoomName->clear();
}

void frmSchedule::cmdSaveSchedule_1_Click()
{
    loadRoomGrid();
    txtAddRoom->clear();
    showPanel(pictRooms);
}

void frmSchedule::roomsChanged()
{
    shell::SaveTransaction::Load([this](db::Connection&) { loadRooms(); });
    loadRoomGrid();
    LoadBoard(false);
}

void frmSchedule::cmdAddRoom_Click()
{
    const QString name = txtAddRoom->text().trimmed();
    if (name.isEmpty()) {
        shell::Notify(QStringLiteral("Please provide room name."));
        return;
    }
    // The same rules as the room maintenance window: a room is added by a
    // signed user, with its station log, under a name no other room has.
    if (!RoomMaintenance::AddRoom(RoomMaintenance::NextRoomNumber(), name, true))
        return;
    txtAddRoom->clear();
    roomsChanged();
}

void frmSchedule::cmdEditRoom_Click()
{
    const int row = mshflexORRoom->currentRow();
    const QString name = txtRoomName->text().trimmed();
    if (row < 0)
        return;
    if (name.isEmpty()) {
        shell::Notify(QStringLiteral("Please provide room name."));
        return;
    }
    const QString number = mshflexORRoom->item(row, 2)->text().trimmed();
    bool isNumber = false;
    number.toInt(&isNumber);
    if (!isNumber)
        return;
    // The list holds active rooms only, so a rename keeps the room active.
    if (!RoomMaintenance::UpdateRoom(number, name, true))
        return;
    roomsChanged();
}

QList<QFrame*> frmSchedule::sidePanels() const
{
    return {pictSched, pctAdmitted, pictParameter, pictSchedule, pictRooms};
}

void frmSchedule::showPanel(QFrame* panel)
{
    for (QFrame* p : sidePanels())
        p->setVisible(p == panel);
    if (panel != pictSched && panel != pctAdmitted)
        tracker_->markSaved();
    QTimer::singleShot(0, this, [this] { board->fitToWidth(scrBoard->viewport()->width()); });
}

QDateTime frmSchedule::serverNow()
{
    QDateTime now = QDateTime::currentDateTime();
    if (app::SQLConnection()) {
        try {
            now = shell::ReadServerDate();
        } catch (const db::DbError&) {
            // The workstation's clock stands in: the booking's own checks read the server again.
        }
    }
    return now;
}

bool frmSchedule::Form_Load()
{
    tracker_->pause();
    // The two flags only steer what confirming a station's request may change;
    // they are read here as the schedule's other windows read them.
    const bool loaded = ScheduleSettings::Load(settings_) && shell::SaveTransaction::Load([this](db::Connection& c) {
        const QDateTime now = shell::ReadServerDate();
        MonthView1->setSelectedDate(now.date());
        loadRooms();
        QStringList classes;
        for (db::Recordset rs = c.open(QStringLiteral("SELECT Classification FROM BUILD_FILE..tbcoPatientClass WHERE Status =  1 "
                                                      "ORDER BY Classification"));
             !rs.eof(); rs.moveNext())
            classes << rs.text(QStringLiteral("Classification"));
        pctAdmitted->SetPatientClasses(classes);
        const BoardParameters parameters = BoardParameters::Load(c);
        dtpDayStart->setTime(parameters.dayStart);
        cboDaylength_0->setCurrentIndex(std::clamp(parameters.dayHours, 1, 24) - 1);
        cboDaylength_1->setCurrentText(QStringLiteral("%1").arg(parameters.increment, 2, 10, QLatin1Char('0')));
        if (!c.open(QStringLiteral("SCHEDULE..sp_GetORSchedule_Request")).eof())
            Timer1->start();
    });
    cmdRequestPatient->setVisible(settings_.clientName == QLatin1String("ZV"));
    // The panel is still hidden here: ask the setting, not the buttons.
    nursesShown_ = settings_.showNurses;
    requestForm_->setRowVisible(requestForm_->rowCount() - 2, nursesShown_);
    requestForm_->setRowVisible(requestForm_->rowCount() - 1, nursesShown_);
    tracker_->resume();
    if (!loaded)
        return false;
    LoadBoard(false);
    if (!IDNum.isEmpty())
        showRequestPanel();
    return true;
}

void frmSchedule::loadRooms()
{
    QStringList rooms;
    for (db::Recordset rs = app::SQLConnection()->open(QStringLiteral("SCHEDULE..sp_List_ORRooms")); !rs.eof(); rs.moveNext())
        rooms << rs.text(QStringLiteral("Room Name")).trimmed();
    pctAdmitted->SetRooms(rooms);
    for (QComboBox* box : {cboRequestRoom, cboWeekRoom}) {
        const QString kept = box->currentText();
        const QSignalBlocker quiet(box);
        box->clear();
        if (box != cboWeekRoom)
            box->addItem(QString());
        box->addItems(rooms);
        box->setCurrentText(kept);
    }
}

void frmSchedule::LoadBoard(bool notice)
{
    const QDate day = MonthView1->selectedDate();
    BoardContents contents;
    BoardParameters parameters;
    const bool weekly = optView_1->isChecked();
    if (!shell::SaveTransaction::Load([&](db::Connection& c) {
            parameters = BoardParameters::Load(c);
            const QDateTime now = QDateTime::currentDateTime();
            contents = weekly ? LoadBoardWeek(c, cboWeekRoom->currentText(), day, now) : LoadBoardDay(c, day, now);
        }))
        return;
    board->layout().setParameters(parameters.dayStart, parameters.dayHours, parameters.increment);
    board->layout().setColumns(std::move(contents.columns));
    board->layout().setBlocks(std::move(contents.blocks));
    board->setNow(QDateTime::currentDateTime());
    board->fitToWidth(scrBoard->viewport()->width());
    if (notice && !weekly && contents.confirmedCount == 0)
        shell::Notify(QStringLiteral("No operation scheduled for ") + day.toString(QStringLiteral("MM/dd/yyyy ")) + QLatin1Char('.'));
}

void frmSchedule::MonthView1_DateClick()
{
    LoadBoard(true);
}

void frmSchedule::updateLengths()
{
    lblRequest_1->setText(QString::number(OperationBooking::LengthMinutes(dtpTime_0->time(), dtpTime_1->time())));
}

void frmSchedule::showRequestPanel()
{
    tracker_->pause();
    QString name;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("SELECT LTRIM(RTRIM(ISNULL(Lastname, ''))) + ', ' + LTRIM(RTRIM(ISNULL(Firstname, ''))) "
                                                 "AS Name FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ") + db::Quote(HospNum));
        if (!rs.eof())
            name = rs.text(QStringLiteral("Name"));
    });
    lblPatient->setText(name);
    const QDateTime now = serverNow();
    {
        const QSignalBlocker quiet(dtpScheduleDate);
        dtpScheduleDate->setDate(now.date());
    }
    if (!app::ProgramSettings || !app::ProgramSettings->AllowLateSchedule())
        dtpTime_0->setTime(OperationBooking::NextWholeHour(now));
    updateLengths();
    showPanel(pictSched);
    tracker_->resume();
}

void frmSchedule::dtpScheduleDate_Change()
{
    const QDateTime now = serverNow();
    const QDate chosen = dtpScheduleDate->date();
    if (chosen < now.date())
        dtpTime_0->setTime(QTime(0, 0));
    else if (!app::ProgramSettings || !app::ProgramSettings->AllowLateSchedule())
        dtpTime_0->setTime(QTime(now.time().hour(), 0));
}

void frmSchedule::lookUpDoctor(QLineEdit* code, QLabel* nameLabel, QLineEdit* nameBox)
{
    components::clsCodeSearch* search = CodeSearch();
    if (!search)
        return;
    try {
        const QString typed = nameBox ? nameBox->text().trimmed() : code->text().trimmed();
        if (!search->SearchListing(typed, kDoctorListing))
            return;
        code->setText(search->DoctorRecord.ResultCode);
        tracker_->markModified();
        if (nameLabel)
            nameLabel->setText(DoctorName(*search));
        if (nameBox)
            nameBox->setText(DoctorName(*search));
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

void frmSchedule::lookUpProcedure(QLineEdit* code, QLabel* descLabel, QLineEdit* descBox)
{
    QString section = QStringLiteral("OR");
    // The endoscopy room books from the endoscopy section when the site schedules endoscopies.
    if (descLabel && app::ProgramSettings && app::ProgramSettings->AllowEndoScheduling()) {
        if (cboRequestRoom->currentText().trimmed().isEmpty()) {
            shell::Notify(QStringLiteral("Please select OR Room for the schedule."));
            return;
        }
        QString roomId;
        if (!shell::SaveTransaction::Load([&](db::Connection&) { roomId = OperationBooking::RoomIdOf(cboRequestRoom->currentText()); }))
            return;
        if (!roomId.isEmpty() && roomId == app::ProgramSettings->RoomForEndo().trimmed())
            section = QStringLiteral("EY");
    }
    components::clsCodeSearch* search = CodeSearch();
    if (!search)
        return;
    try {
        search->OtherSectionID = section;
        const QString typed = descBox ? descBox->text().trimmed() : code->text().trimmed();
        if (!search->SearchListing(descBox ? typed : QString(), kOtherRevenueListing))
            return;
        code->setText(search->OtherRevenueRecord.ResultCode);
        tracker_->markModified();
        if (descLabel)
            descLabel->setText(search->OtherRevenueRecord.OtherRevenue);
        if (descBox)
            descBox->setText(search->OtherRevenueRecord.OtherRevenue);
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

Booking frmSchedule::requestBooking() const
{
    Booking b;
    b.idNum = IDNum;
    b.hospNum = HospNum;
    b.patientName = lblPatient->text();
    b.roomName = cboRequestRoom->currentText().trimmed();
    b.date = dtpScheduleDate->date();
    b.start = dtpTime_0->time();
    b.end = dtpTime_1->time();
    b.procedureCode = txtProcedureCode->text();
    b.procedureDesc = lblRequest_2->text();
    b.surgeonId = txtSurgeonID->text();
    b.surgeonName = lblRequest_3->text();
    b.anesthesiologistId = txtAnesthesiologistID->text();
    b.anesthesiologistName = lblRequest_4->text();
    b.assistant1 = lblRequest_5->text();
    b.assistant2 = lblRequest_6->text();
    b.assistant3 = lblRequest_7->text();
    b.scrubNurse = nursesShown_ ? scrubNurse_ : QString();
    b.circulatingNurse = nursesShown_ ? circulatingNurse_ : QString();
    b.scrubNurseName = nursesShown_ ? lblNurse_0->text() : QString();
    b.circulatingNurseName = nursesShown_ ? lblNurse_1->text() : QString();
    return b;
}

void frmSchedule::cmdRequestOption_0_Click()
{
    if (!OperationBooking::BookForPatient(requestBooking()))
        return;
    tracker_->markSaved();
    showPanel(nullptr);
    LoadBoard(false);
}

void frmSchedule::cmdAdmittedOption_0_Click()
{
    if (!pctAdmitted->Save(serverNow()))
        return;
    ScheduleAlerts::RequestsHandled();
    tracker_->markSaved();
    showPanel(nullptr);
    LoadBoard(false);
}

void frmSchedule::cmdRequestPatient_Click()
{
    tracker_->pause();
    pctAdmitted->Clear(serverNow());
    showPanel(pctAdmitted);
    tracker_->resume();
}

void frmSchedule::BookAt(const QString& roomName, const QDateTime& start, int minutes)
{
    const QTime end = start.time().addSecs(qint64(minutes) * 60);
    if (!IDNum.isEmpty()) {
        showRequestPanel();
        tracker_->pause();
        dtpScheduleDate->setDate(start.date());
        dtpTime_0->setTime(start.time());
        dtpTime_1->setTime(end);
        cboRequestRoom->setCurrentText(roomName);
        tracker_->resume();
    } else {
        cmdRequestPatient_Click();
        tracker_->pause();
        pctAdmitted->SetSlot(roomName, start, end);
        tracker_->resume();
    }
    updateLengths();
}

void frmSchedule::MoveAt(const QString& transNum, const QString& roomName, const QDateTime& start)
{
    OperationBooking::MoveBooking(transNum, roomName, start);
    // Moved or refused, the board shows what is stored: a refused move snaps back.
    LoadBoard(false);
}

void frmSchedule::showDetail(int index)
{
    if (index < 0 || index >= static_cast<int>(board->layout().blocks().size()))
        return;
    const BoardBlock& block = board->layout().blocks()[static_cast<size_t>(index)];
    const BoardColumn& column = board->layout().columns()[static_cast<size_t>(block.column)];
    static const char* const statuses[] = {"Requested", "Confirmed", "In progress", "Done"};
    lblDetail->setText(QStringLiteral("Room: ") + column.roomName + QStringLiteral("\nDate: ")
                       + block.start.toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral("\nTime: ")
                       + block.start.toString(QStringLiteral("hh:mm AP")) + QStringLiteral(" - ")
                       + block.end().toString(QStringLiteral("hh:mm AP")) + QStringLiteral("\nProcedure: ") + block.description
                       + QStringLiteral("\nPatient: ") + block.patientName + QStringLiteral("\nSurgeon: ") + block.surgeon
                       + QStringLiteral("\nClass: ") + block.category + QStringLiteral("\nStatus: ")
                       + QLatin1String(statuses[static_cast<int>(block.status)]));
    detailTransNum_ = block.transNum;
    cmdSlip->setEnabled(block.status != BlockStatus::Requested);
    showPanel(pictSchedule);
}

void frmSchedule::cmdSlip_Click()
{
    if (detailTransNum_.isEmpty())
        return;
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\ORSched_ConfirmationSlip.rpt"),
                             {app::Hospital().Company, app::Hospital().Address1, detailTransNum_},
                             QStringLiteral("Operation Schedule Confirmation Slip"));
}

void frmSchedule::cmdSaveSchedule_0_Click()
{
    const QString day = MonthView1->selectedDate().toString(QStringLiteral("MM/dd/yyyy"));
    app::ReportDateFrom = day;
    app::ReportDateTo = day;
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\ScheduleofOperation.rpt"), {app::Hospital().Company, app::Hospital().Address1, day, day},
                             QStringLiteral("Schedule of Operations Report"));
}

void frmSchedule::cmdSaveSchedule_2_Click()
{
    showPanel(pictParameter);
}

void frmSchedule::cmdParameter_0_Click()
{
    const bool saved = shell::SaveTransaction::Run([this](db::Connection& c) {
        c.execute(QStringLiteral("SCHEDULE..sp_Update_ScheduleParameters %1,%2,%3")
                      .arg(cboDaylength_0->currentText().left(2).trimmed(), cboDaylength_1->currentText().left(2),
                           db::Quote(dtpDayStart->time().toString(QStringLiteral("HH:mm:ss")))));
    });
    if (!saved)
        return;
    shell::Notify(QStringLiteral("Schedule parameters updated successfully."));
    showPanel(nullptr);
    LoadBoard(false);
}

bool frmSchedule::hasUnsavedChanges() const
{
    return (pictSched->isVisible() || pctAdmitted->isVisible()) && tracker_->modified();
}

bool frmSchedule::saveUnsavedChanges()
{
    if (pictSched->isVisible())
        cmdRequestOption_0_Click();
    else if (pctAdmitted->isVisible())
        cmdAdmittedOption_0_Click();
    return !hasUnsavedChanges();
}

frmSchedule* OpenSchedule()
{
    if (shell::ChildWindows* children = shell::ChildWindows::main())
        if (QMdiSubWindow* open = children->find(QStringLiteral("frmSchedule"))) {
            children->bringToFront(QStringLiteral("frmSchedule"));
            return qobject_cast<frmSchedule*>(shell::ChildWindows::formOf(open));
        }
    auto* form = new frmSchedule;
    form->SetIDNum(app::IdNum);
    form->SetHospNum(app::HospNum);
    if (!form->Form_Load()) {
        delete form;
        return nullptr;
    }
    if (shell::ChildWindows* children = shell::ChildWindows::main())
        children->open(form, shell::ChildWindows::Instances::One);
    else
        form->show();
    return form;
}

} // namespace scheduling
