#include "chart/requests/RequestsPanel.h"

#include "chart/requests/DepartmentLists.h"
#include "chart/requests/ExamLookup.h"
#include "chart/requests/OrdersModel.h"
#include "chart/requests/RequestGate.h"
#include "chart/requests/RequestRevocation.h"
#include "chart/requests/SendRequests.h"
#include "chart/requests/frmPrintRequestForm.h"
#include "chart/requests/frmRemarks.h"
#include "chart/requests/frmReprintLabForm.h"
#include "chart/requests/frmRequest.h"
#include "chart/requests/frmRequestReprint.h"
#include "charging/ChargingGate.h"
#include "components/ComponentSet.h"
#include "components/NurseActivity.h"
#include "db/Connection.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::requests {

namespace {

template <class T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const char* caption, const char* name)
{
    return named(new QPushButton(QString::fromLatin1(caption)), name);
}

const char* const kProcessedHeaders[] = {"ITEM DESCRIPTION", "QTY",          "DEPT",             "REQUEST DATE/TIME", "Code",   "REQUESTED BY",
                                         "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY",         "REMARKS"};
constexpr int kProcessedColumns = 11;
constexpr int kRequestNumRole = Qt::UserRole + 1;
constexpr int kStatusRole = Qt::UserRole + 2;

// A date column shows as the station writes dates, whether the server sent a
// date or the text of one.
QString shownValue(const db::Field& field, bool dateColumn)
{
    if (dateColumn || field.value().typeId() == QMetaType::QDateTime || field.value().typeId() == QMetaType::QDate) {
        const QDateTime value = field.toDateTime();
        return value.isValid() ? value.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")) : field.text().trimmed();
    }
    return field.text().trimmed();
}

} // namespace

RequestsPanel::RequestsPanel(QWidget* parent) : ChartPanel(parent), orders_(new OrdersModel(this))
{
    setObjectName(QStringLiteral("RequestsPanel"));
    lstListLaboratory = named(new QListWidget, "lstListLaboratory");
    lstListXray = named(new QListWidget, "lstListXray");
    lstListUltra = named(new QListWidget, "lstListUltra");
    lstListOthers = named(new QListWidget, "lstListOthers");
    cmdLabMore = button("More...", "cmdLabMore");
    cmdXrayMore = button("More...", "cmdXrayMore");
    cmdUltraMore = button("More...", "cmdUltraMore");
    mshflexOrders = named(new QTableView, "mshflexOrders");
    mshflexOrders->setModel(orders_);
    mshflexOrders->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshflexOrders->setSelectionMode(QAbstractItemView::SingleSelection);
    mshflexOrders->verticalHeader()->hide();
    mshflexOrders->horizontalHeader()->setStretchLastSection(true);
    mshflexOrders->setColumnWidth(OrdersModel::Marker, 14);
    mshflexOrders->setColumnWidth(OrdersModel::Description, 260);
    cmdRemoveOrder = button("&Remove", "cmdRemoveOrder");
    cmdSave = button("&Send Requests", "cmdSave");
    lblOrdersTotal = named(new QLabel, "lblOrdersTotal");
    mshflexProcessed = named(new QTableWidget(0, kProcessedColumns), "mshflexProcessed");
    QStringList headers;
    for (const char* h : kProcessedHeaders)
        headers << QString::fromLatin1(h);
    mshflexProcessed->setHorizontalHeaderLabels(headers);
    mshflexProcessed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexProcessed->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshflexProcessed->setSelectionMode(QAbstractItemView::SingleSelection);
    mshflexProcessed->verticalHeader()->hide();
    mshflexProcessed->setColumnWidth(0, 240);
    cmdRevoke = button("Re&voke", "cmdRevoke");
    cmdReprintLab = button("Reprint &Laboratory Form", "cmdReprintLab");
    cmdPrintRequestForm = button("Print Charged Lab &Form", "cmdPrintRequestForm");
    cmdReprintPH = button("Reprint &Pharmacy Request", "cmdReprintPH");
    cmdReprintCS = button("Reprint &Central Supply Request", "cmdReprintCS");

    auto listBox = [](const QString& title, QListWidget* list, QPushButton* more) {
        auto* box = new QGroupBox(title);
        auto* v = new QVBoxLayout(box);
        v->setSpacing(shell::StationLook::Tight);
        v->addWidget(list, 1);
        if (more)
            v->addWidget(more, 0, Qt::AlignRight);
        return box;
    };
    auto* lists = new QGridLayout;
    lists->setSpacing(shell::StationLook::Small);
    lists->addWidget(listBox(QStringLiteral("Laboratory"), lstListLaboratory, cmdLabMore), 0, 0);
    lists->addWidget(listBox(QStringLiteral("X-ray"), lstListXray, cmdXrayMore), 0, 1);
    lists->addWidget(listBox(QStringLiteral("Ultrasound"), lstListUltra, cmdUltraMore), 0, 2);
    lists->addWidget(listBox(QStringLiteral("Other Departments"), lstListOthers, nullptr), 0, 3);

    auto* ordersBox = new QGroupBox(QStringLiteral("Orders List"));
    auto* ordersLayout = new QVBoxLayout(ordersBox);
    ordersLayout->addWidget(mshflexOrders, 1);
    auto* ordersButtons = new QHBoxLayout;
    ordersButtons->addWidget(lblOrdersTotal);
    ordersButtons->addStretch();
    ordersButtons->addWidget(cmdRemoveOrder);
    ordersButtons->addWidget(cmdSave);
    ordersLayout->addLayout(ordersButtons);

    auto* processedBox = new QGroupBox(QStringLiteral("Requests and their State"));
    auto* processedLayout = new QVBoxLayout(processedBox);
    processedLayout->addWidget(mshflexProcessed, 1);
    auto* processedButtons = new QHBoxLayout;
    processedButtons->addWidget(cmdReprintLab);
    processedButtons->addWidget(cmdPrintRequestForm);
    processedButtons->addWidget(cmdReprintPH);
    processedButtons->addWidget(cmdReprintCS);
    processedButtons->addStretch();
    processedButtons->addWidget(cmdRevoke);
    processedLayout->addLayout(processedButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(shell::StationLook::Small);
    layout->addLayout(lists, 3);
    layout->addWidget(ordersBox, 3);
    layout->addWidget(processedBox, 3);

    connect(lstListLaboratory, &QListWidget::itemClicked, this, [this] { lstList_Click(lstListLaboratory); });
    connect(lstListXray, &QListWidget::itemClicked, this, [this] { lstList_Click(lstListXray); });
    connect(lstListUltra, &QListWidget::itemClicked, this, [this] { lstList_Click(lstListUltra); });
    connect(lstListOthers, &QListWidget::itemClicked, this, [this] { lstList_Click(lstListOthers); });
    connect(cmdLabMore, &QPushButton::clicked, this, [this] { cmdMore_Click(QStringLiteral("LB")); });
    connect(cmdXrayMore, &QPushButton::clicked, this, [this] { cmdMore_Click(QStringLiteral("XR")); });
    connect(cmdUltraMore, &QPushButton::clicked, this, [this] { cmdMore_Click(QStringLiteral("US")); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdRemoveOrder, &QPushButton::clicked, this, [this] { cmdRemoveOrder_Click(); });
    connect(cmdRevoke, &QPushButton::clicked, this, [this] { cmdRevoke_Click(); });
    connect(cmdReprintLab, &QPushButton::clicked, this, [this] { reprintLab(); });
    connect(cmdPrintRequestForm, &QPushButton::clicked, this, [this] { printRequestForm(); });
    connect(cmdReprintPH, &QPushButton::clicked, this, [this] { reprintSupplies(QStringLiteral("PH")); });
    connect(cmdReprintCS, &QPushButton::clicked, this, [this] { reprintSupplies(QStringLiteral("CS")); });
    connect(orders_, &OrdersModel::changed, this, [this] { ordersChanged(); });
    ordersChanged();
}

RequestsPanel::~RequestsPanel() = default;

void RequestsPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    if (patient_.roomClassId.trimmed().isEmpty())
        patient_.roomClassId = QStringLiteral("A");
    orders_->clear();
    loaded_ = shell::SaveTransaction::Load([&](db::Connection&) {
        FillLaboratoryList(*lstListLaboratory);
        FillXrayList(*lstListXray);
        FillUltrasoundList(*lstListUltra);
        FillOthersList(*lstListOthers);
    });
    Reload_PendingRequests();
}

void RequestsPanel::ordersChanged()
{
    lblOrdersTotal->setText(QStringLiteral("Total: ") + orders_->total().rounded(2).value_or(db::Decimal()).withScale(2).value_or(db::Decimal()).toString());
    cmdSave->setEnabled(!orders_->isEmpty());
    cmdRemoveOrder->setEnabled(!orders_->isEmpty());
}

void RequestsPanel::Reload_PendingRequests()
{
    mshflexProcessed->setRowCount(0);
    if (patient_.idNum.isEmpty())
        return;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        const components::clsRequest fallback(QString{});
        const components::clsRequest* component = app::Components && app::Components->NurseRequest() ? app::Components->NurseRequest() : &fallback;
        for (db::Recordset rs = component->GetRequests(c, patient_.idNum, QStringLiteral("2")); !rs.eof(); rs.moveNext()) {
            const int row = mshflexProcessed->rowCount();
            mshflexProcessed->insertRow(row);
            for (int col = 0; col < kProcessedColumns; ++col)
                mshflexProcessed->setItem(row, col, new QTableWidgetItem(shownValue(rs.field(QString::fromLatin1(kProcessedHeaders[col])),
                                                        QLatin1String(kProcessedHeaders[col]).contains(QLatin1String("DATE")))));
            mshflexProcessed->item(row, 0)->setData(kRequestNumRole, rs.text(QStringLiteral("RequestNum")).trimmed());
            mshflexProcessed->item(row, 0)->setData(kStatusRole, rs.text(QStringLiteral("RecordStatus")).trimmed());
        }
    });
}

void RequestsPanel::lstList_Click(QListWidget* list)
{
    if (!list || !list->currentItem() || patient_.idNum.isEmpty())
        return;
    const ListedExam exam = ParseListRow(list->currentItem()->text());
    if (list == lstListOthers) {
        openEntry(exam.department, static_cast<int>(RequestGate::Entry::OthersList));
        return;
    }
    addFromList(exam.department, exam.code, exam.name, exam.section);
}

void RequestsPanel::addFromList(const QString& department, const QString& code, const QString& name, const QString& section)
{
    RequestGate::Result gate = RequestGate::Result::Refused;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { gate = RequestGate::Check(department, RequestGate::Entry::ListClick, patient_); })
        || gate == RequestGate::Result::Refused)
        return;
    if (orders_->contains(department, code)) {
        shell::Notify(QStringLiteral("Examination is already in the Orders List."));
        return;
    }
    OrderRow row;
    bool restricted = false;
    if (!shell::SaveTransaction::Load([&](db::Connection&) {
            row.amount = ExamAmount(department, patient_.roomClassId, code);
            restricted = department == QLatin1String("LB") && charging::ChargingGate::UnderCashBasis(patient_.idNum)
                         && !UnrestrictedForCashBasis(code);
        }))
        return;
    if (restricted) {
        shell::Notify(QStringLiteral("Item/Exam is restricted for Cash Basis Patients! "));
        return;
    }
    row.department = department;
    row.code = code;
    row.description = name;
    row.section = section;
    row.unitPrice = row.amount;
    for (const OrderRow& other : orders_->rows())
        if (!other.doctorId.isEmpty())
            row.doctorId = other.doctorId, row.doctorName = other.doctorName;
    frmRemarks details(this);
    details.ExamID = code;
    details.DeptID = department;
    details.IdNum = patient_.idNum;
    details.row = row;
    if (!details.Form_Load() || shell::Prompts::current().exec(details) != QDialog::Accepted)
        return;
    orders_->append(details.row);
}

void RequestsPanel::cmdMore_Click(const QString& department)
{
    openEntry(department, static_cast<int>(RequestGate::Entry::EntryWindow));
}

void RequestsPanel::openEntry(const QString& department, int gateEntry)
{
    if (patient_.idNum.isEmpty() || department.isEmpty())
        return;
    RequestGate::Result gate = RequestGate::Result::Refused;
    if (!shell::SaveTransaction::Load([&](db::Connection&) { gate = RequestGate::Check(department, static_cast<RequestGate::Entry>(gateEntry), patient_); })
        || gate == RequestGate::Result::Refused)
        return;
    frmRequest entry(patient_, *orders_, this);
    entry.setDepartment(department);
    entry.CashBasisWarned = gate == RequestGate::Result::PassedAfterCashBasisWarning;
    if (shell::Prompts::current().exec(entry) != QDialog::Accepted)
        return;
    for (const OrderRow& row : entry.acceptedRows())
        if (!orders_->contains(row.department, row.code))
            orders_->append(row);
}

void RequestsPanel::cmdRemoveOrder_Click()
{
    const QModelIndex current = mshflexOrders->currentIndex();
    if (!current.isValid())
        return;
    orders_->removeRow(current.row());
}

bool RequestsPanel::cmdSave_Click()
{
    SendRequests send(patient_);
    if (!send.Send(*orders_))
        return false;
    Reload_PendingRequests();
    emit patientDataChanged();
    return true;
}

bool RequestsPanel::hasUnsavedChanges() const
{
    return !orders_->isEmpty();
}

bool RequestsPanel::saveUnsavedChanges()
{
    return cmdSave_Click();
}

void RequestsPanel::cmdRevoke_Click()
{
    const int row = mshflexProcessed->currentRow();
    if (row < 0 || !mshflexProcessed->item(row, 0))
        return;
    const QString requestNum = mshflexProcessed->item(row, 0)->data(kRequestNumRole).toString();
    const QString department = mshflexProcessed->item(row, 2) ? mshflexProcessed->item(row, 2)->text() : QString();
    if (!RevokeRequest(requestNum, department, mshflexProcessed->item(row, 0)->text()))
        return;
    Reload_PendingRequests();
    emit patientDataChanged();
}

void RequestsPanel::reprintLab()
{
    const bool qorv = app::Hospital().clientname.trimmed().compare(QLatin1String("QORV"), Qt::CaseInsensitive) == 0;
    std::unique_ptr<LabFormReprint> form;
    if (qorv)
        form = std::make_unique<frmReprintLabFormQORV>(patient_, this);
    else
        form = std::make_unique<frmReprintLabForm>(patient_, this);
    if (form->Form_Load())
        shell::Prompts::current().exec(*form);
}

void RequestsPanel::printRequestForm()
{
    frmPrintRequestForm form(patient_, this);
    form.Print();
}

void RequestsPanel::reprintSupplies(const QString& revenueId)
{
    frmRequestReprint form(patient_, this);
    form.RevenueID = revenueId;
    if (form.Form_Load())
        shell::Prompts::current().exec(form);
}

void RegisterRequestsPanels()
{
    // After the result pages, before the nurse's own entries.
    RegisterChartPanel(QStringLiteral("requests"), 600, [](QWidget* parent) { return new RequestsPanel(parent); });
}

} // namespace chart::requests
