#include "charging/frmCharge.h"

#include "charging/ChargeSlipFormat.h"
#include "charging/frmCdfViewing.h"
#include "charging/frmListPackage.h"
#include "charging/frmProcedureValues.h"
#include "components/ComponentSet.h"
#include "components/Patient.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "settings/clsSettings.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/PatientRequired.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace charging {

namespace {

QLineEdit* headerBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

} // namespace

frmCharge::frmCharge(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCharge"));
    setWindowTitle(QStringLiteral("Post Charges"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Small, shell::StationLook::Medium,
                             shell::StationLook::Small);
    root->setSpacing(shell::StationLook::Small);

    // The patient, as on the chart.
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(shell::StationLook::Small);
    header->setVerticalSpacing(shell::StationLook::Tight);
    txtPatient = headerBox(this, "txtPatient");
    txtId = headerBox(this, "txtId");
    txtPno = headerBox(this, "txtPno");
    txtRoom = headerBox(this, "txtRoom");
    txtAge = headerBox(this, "txtAge");
    txtSex = headerBox(this, "txtSex");
    txtDoctor1 = headerBox(this, "txtDoctor1");
    lblDeptCode = new QLabel(QStringLiteral("OPERATING ROOM"), this);
    lblDeptCode->setObjectName(QStringLiteral("lblDeptCode"));
    QFont strong = lblDeptCode->font();
    strong.setBold(true);
    lblDeptCode->setFont(strong);
    header->addWidget(new QLabel(QStringLiteral("Patient"), this), 0, 0);
    header->addWidget(txtPatient, 0, 1, 1, 3);
    header->addWidget(new QLabel(QStringLiteral("Adm. #"), this), 0, 4);
    header->addWidget(txtId, 0, 5);
    header->addWidget(new QLabel(QStringLiteral("Hosp. #"), this), 0, 6);
    header->addWidget(txtPno, 0, 7);
    header->addWidget(new QLabel(QStringLiteral("Room"), this), 1, 0);
    header->addWidget(txtRoom, 1, 1);
    header->addWidget(new QLabel(QStringLiteral("Age"), this), 1, 2);
    header->addWidget(txtAge, 1, 3);
    header->addWidget(new QLabel(QStringLiteral("Sex"), this), 1, 4);
    header->addWidget(txtSex, 1, 5);
    header->addWidget(new QLabel(QStringLiteral("Doctor"), this), 1, 6);
    header->addWidget(txtDoctor1, 1, 7);
    header->addWidget(lblDeptCode, 0, 8, 2, 1, Qt::AlignCenter);
    header->setColumnStretch(1, 2);
    header->setColumnStretch(7, 2);
    root->addLayout(header);

    // The entry above, what is already posted below, with a handle between
    // them: a nurse checking a long bill drags the posted list taller.
    auto* entryArea = new QWidget(this);
    auto* entryLayout = new QVBoxLayout(entryArea);
    entryLayout->setContentsMargins(0, 0, 0, 0);

    // The departments beside the entry grid.
    auto* entryRow = new QHBoxLayout;
    lvwDepartments = new QListWidget(this);
    lvwDepartments->setObjectName(QStringLiteral("lvwDepartments"));
    lvwDepartments->setMaximumWidth(210);
    lvwDepartments->setToolTip(QStringLiteral("Double-click a department to put it on the current row"));
    entryRow->addWidget(lvwDepartments);

    auto* entryColumn = new QVBoxLayout;
    mshflexEntry = new QTableWidget(0, ColumnCount, this);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    mshflexEntry->setHorizontalHeaderLabels({QStringLiteral("#"), QStringLiteral("Dept.Code"), QStringLiteral("Item Code"),
                                             QStringLiteral(" Item   Description    "), QStringLiteral("Quantity"),
                                             QStringLiteral("Unit Price"), QStringLiteral("Amount"),
                                             QStringLiteral("Dosage ID")});
    mshflexEntry->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexEntry->setSelectionMode(QAbstractItemView::SingleSelection);
    mshflexEntry->verticalHeader()->hide();
    mshflexEntry->horizontalHeader()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);
    mshflexEntry->setColumnWidth(ColNumber, 30);
    mshflexEntry->setColumnWidth(ColDept, 75);
    mshflexEntry->setColumnWidth(ColItem, 90);
    mshflexEntry->setColumnWidth(ColQuantity, 70);
    mshflexEntry->setColumnWidth(ColUnitPrice, 90);
    mshflexEntry->setColumnWidth(ColAmount, 95);
    mshflexEntry->setColumnWidth(ColDosage, 80);
    // Wide enough that the description, the one column a nurse reads to
    // check a line, keeps room for a whole item name beside the figures.
    mshflexEntry->setMinimumSize(780, 150);
    entryColumn->addWidget(mshflexEntry, 1);
    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setFont(strong);
    entryColumn->addWidget(lblTotal);
    entryRow->addLayout(entryColumn, 1);
    entryLayout->addLayout(entryRow, 1);

    // The floating box every cell is typed in.
    txtEntry = new QLineEdit(mshflexEntry->viewport());
    txtEntry->setObjectName(QStringLiteral("txtEntry"));
    txtEntry->hide();
    txtEntry->installEventFilter(this);
    mshflexEntry->installEventFilter(this);

    // The package's items, read by the posting to record what was left out.
    mshflexPackageItems = new QTableWidget(0, 7, this);
    mshflexPackageItems->setObjectName(QStringLiteral("mshflexPackageItems"));
    mshflexPackageItems->hide();

    static const char* const captions[7] = {"&Save", "&Package", "&Close", "&Refresh", "&Delete Row", "", "&Ignore All"};
    for (int i = 0; i < 7; ++i) {
        Command1[i] = new QPushButton(QLatin1String(captions[i]), this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[5]->setText(QStringLiteral("View RUV Codes"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(shell::StationLook::Small);
    for (int i : {0, 1, 4, 6, 5})
        buttons->addWidget(Command1[i]);
    buttons->addStretch(1);
    buttons->addWidget(Command1[3]);
    buttons->addWidget(Command1[2]);
    entryLayout->addLayout(buttons);

    // What is already on the bill.
    auto* postedBox = new QGroupBox(QStringLiteral("Posted Charges"), this);
    auto* postedLayout = new QVBoxLayout(postedBox);
    postedLayout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Tight, shell::StationLook::Small,
                                     shell::StationLook::Tight);
    postedList = new PostedChargesList(postedBox);
    postedList->MSHFlexList->setMinimumHeight(120);
    postedLayout->addWidget(postedList, 1);
    auto* postedButtons = new QHBoxLayout;
    cmdOption = new QPushButton(QStringLiteral("Reprint ChargeSlip"), postedBox);
    cmdOption->setObjectName(QStringLiteral("cmdOption"));
    cmdCDF = new QPushButton(QStringLiteral("CDF"), postedBox);
    cmdCDF->setObjectName(QStringLiteral("cmdCDF"));
    auto* revoke = new QPushButton(QStringLiteral("Re&voke"), postedBox);
    revoke->setObjectName(QStringLiteral("cmdRevoke"));
    postedButtons->addWidget(revoke);
    postedButtons->addWidget(cmdOption);
    postedButtons->addWidget(cmdCDF);
    postedButtons->addStretch(1);
    postedLayout->addLayout(postedButtons);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("splitEntryPosted"));
    split->setChildrenCollapsible(false);
    split->addWidget(entryArea);
    split->addWidget(postedBox);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    root->addWidget(split, 1);

    connect(cmdOption, &QPushButton::clicked, this, &frmCharge::cmdOption_Click);
    connect(cmdCDF, &QPushButton::clicked, this, &frmCharge::cmdCDF_Click);
    connect(revoke, &QPushButton::clicked, this, [this] { revokeChosen(postedList->MSHFlexList->currentRow()); });
    connect(postedList, &PostedChargesList::lineChosen, this, &frmCharge::revokeChosen);
    connect(mshflexEntry, &QTableWidget::cellClicked, this, &frmCharge::editCell);
    connect(lvwDepartments, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = std::max(0, mshflexEntry->currentRow());
        editCell(row, ColDept);
        txtEntry->setText(item->data(Qt::UserRole).toString());
        txtEntry_Enter();
    });
}

QString frmCharge::stationId() const
{
    return app::ORStationID;
}

bool frmCharge::ruvListShown() const
{
    const QString site = app::Hospital().clientname.trimmed();
    const QString ruvSite = app::ProgramSettings ? app::ProgramSettings->ClientRUVtext().trimmed() : QString();
    return !site.isEmpty() && site.compare(ruvSite, Qt::CaseInsensitive) == 0;
}

void frmCharge::cmdCDF_Click()
{
    frmCdfViewing view(this);
    if (view.Form_Load(IdNum, PatientName))
        shell::Prompts::current().exec(view);
}

void frmCharge::Form_Load()
{
    txtPatient->setText(PatientName);
    txtId->setText(IdNum);
    txtPno->setText(HospNum);
    txtRoom->setText(Room);
    txtAge->setText(Age);
    txtSex->setText(Sex);
    txtDoctor1->setText(Doctor);
    // A long name shows from its start, not scrolled to its end.
    for (QLineEdit* box : {txtPatient, txtId, txtPno, txtRoom, txtAge, txtSex, txtDoctor1})
        box->setCursorPosition(0);
    Command1[5]->setVisible(ruvListShown());
    // The deposit view belongs to one site only, and opens only on a stay
    // that has deposits to show.
    const bool cdfSite = app::Hospital().clientname.trimmed().compare(QLatin1String("QORV"), Qt::CaseInsensitive) == 0;
    cmdCDF->setVisible(cdfSite);
    bool deposits = false;
    if (cdfSite)
        shell::SaveTransaction::Load([&](db::Connection& c) { deposits = HasDeposits(c, IdNum); });
    cmdCDF->setEnabled(deposits);
    resetGrid();
    shell::SaveTransaction::Load([&](db::Connection& c) {
        loadDepartments();
        db::Recordset meal = c.open(QStringLiteral("Select ORDRMealDoctors from STATION..tbNursing_Settings"));
        mealDoctors_ = !meal.eof() && meal.field(QStringLiteral("ORDRMealDoctors")).toLongLong() != 0;
    });
    refreshPosted();
    loaded_ = true;
}

void frmCharge::loadDepartments()
{
    lvwDepartments->clear();
    db::Recordset rs = app::SQLConnection()->open(
        QStringLiteral("Select RevenueID, Description from BUILD_FILE..tbCoRevenueCode Where isnull(Status,'A') = 'A' "
                       "Order By RevenueID"));
    while (!rs.eof()) {
        const QString code = rs.text(QStringLiteral("RevenueID")).trimmed();
        auto* item = new QListWidgetItem(code + QStringLiteral(" - ") + rs.text(QStringLiteral("Description")).trimmed());
        item->setData(Qt::UserRole, code);
        lvwDepartments->addItem(item);
        rs.moveNext();
    }
}

void frmCharge::refreshPosted()
{
    QList<PostedCharge> lines;
    if (shell::SaveTransaction::Load([&](db::Connection&) { lines = ReadPostedCharges(HospNum, IdNum, stationId()); }))
        postedList->showLines(lines, app::ProgramSettings && app::ProgramSettings->MultiCancel());
}

bool frmCharge::hasUnsavedChanges() const
{
    for (const ChargeEntryRow& row : rows_)
        if (row.hasItem())
            return true;
    return false;
}

bool frmCharge::saveUnsavedChanges()
{
    return cmdSave_Click();
}

// ---- buttons ------------------------------------------------------------------------------

void frmCharge::Command1_Click(int index)
{
    switch (index) {
    case 0: cmdSave_Click(); break;
    case 1: choosePackage(); break;
    case 2:
        if (shell::Confirm(QStringLiteral("Are you sure to leave Post Charges?"))) {
            // The question was the nurse's answer about the grid as well.
            rows_.clear();
            close();
        }
        break;
    case 3: refreshPosted(); break;
    case 4: deleteRow(); break;
    case 5: {
        frmProcedureValues list(this);
        if (list.Form_Load())
            shell::Prompts::current().exec(list);
        break;
    }
    case 6: ignoreAll(); break;
    default: break;
    }
}

void frmCharge::deleteRow()
{
    const int r = mshflexEntry->currentRow();
    if (r < 0 || r >= rows_.size() || !rows_.at(r).hasItem()) {
        shell::Notify(QStringLiteral("Row cannot be deleted because there are no entries yet."));
        return;
    }
    if (!rows_.at(r).line.packageId.isEmpty() && app::ProgramSettings && app::ProgramSettings->NoPackageItemExclude()) {
        shell::Notify(QStringLiteral("Sorry, you are not allowed to exclude package items.\r\n"
                                     "If you want to clear the grid, please use Ignore All button."));
        return;
    }
    if (!shell::Confirm(QStringLiteral("Are you sure to delete the request?")))
        return;
    const ChargeEntryRow removed = rows_.takeAt(r);
    // A package item left out is recorded at posting as unused.
    if (!removed.line.packageId.isEmpty())
        unusedPackageItems_ << removed.line;
    txtEntry->hide();
    editRow_ = editColumn_ = -1;
    showAllRows();
}

void frmCharge::ignoreAll()
{
    if (!shell::Confirm(QStringLiteral("Entered data will be cleared. Do you want to continue?")))
        return;
    resetGrid();
}

void frmCharge::choosePackage()
{
    if (!IdNum.endsWith(QLatin1Char('B'), Qt::CaseInsensitive) && app::ProgramSettings
        && app::ProgramSettings->DisablePackageIfNotTagged()) {
        bool tagged = false;
        if (!shell::SaveTransaction::Load([&](db::Connection& c) {
                tagged = !c.open(QStringLiteral("SELECT 1 FROM Patient_Data..tbPatient2 WHERE IDNum = ") + db::Quote(IdNum)
                                 + QStringLiteral(" and isnull(PackageId,'') <> ''"))
                              .eof();
            }))
            return;
        if (!tagged) {
            shell::Notify(QStringLiteral("Sorry, no package was tagged for this patient.\r\nPlease call the Admitting Department."));
            return;
        }
    }
    frmListPackage dialog(this);
    dialog.IdNum = IdNum;
    for (const ChargeEntryRow& row : rows_)
        if (row.hasItem())
            dialog.SourceLines << row.line;
    if (!dialog.Form_Load())
        return;
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted)
        return;
    addPackage(dialog.Choice);
}

void frmCharge::addPackage(const PackageChoice& choice)
{
    // The package's lines go above the trailing empty row.
    if (!rows_.isEmpty() && rows_.last().isEmpty())
        rows_.removeLast();
    for (const ChargeLine& line : choice.ticked) {
        ChargeEntryRow row;
        row.line = line;
        row.basePrice = line.unitPrice;
        row.quantityTyped = true;
        row.stockDepartment = !line.location.isEmpty();
        rows_ << row;
    }
    unusedPackageItems_ << choice.unticked;
    mshflexPackageItems->setRowCount(choice.unticked.size());
    for (int r = 0; r < choice.unticked.size(); ++r) {
        const ChargeLine& line = choice.unticked.at(r);
        const QStringList cells{line.departmentCode, line.itemId,     QuantityText(line.quantity), MoneyText(line.amount),
                                line.location,       line.packageId, line.description};
        for (int c = 0; c < cells.size(); ++c)
            mshflexPackageItems->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    showAllRows();
}

frmCharge* OpenChargeForSelectedPatient()
{
    if (!shell::PatientSelected())
        return nullptr;
    auto* form = new frmCharge;
    form->IdNum = app::IdNum;
    form->HospNum = app::HospNum;
    form->PatientName = app::PatientName;
    form->Room = IsOutPatientVisit(app::IdNum) ? QStringLiteral("OPD/ER") : app::RoomID;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset master = c.open(QStringLiteral("SELECT Sex, BirthDate FROM PATIENT_DATA..tbmaster WHERE HOSPNUM = ")
                                      + db::Quote(app::HospNum));
        if (!master.eof()) {
            form->Sex = master.text(QStringLiteral("Sex")).trimmed();
            const QDate born = master.field(QStringLiteral("BirthDate")).toDateTime().date();
            const QDate today = app::ServerDate.isValid() ? app::ServerDate.date() : QDate::currentDate();
            if (born.isValid()) {
                int age = today.year() - born.year();
                if (today < born.addYears(age))
                    --age;
                form->Age = QString::number(age);
            }
        }
        if (app::Components && app::Components->PatientComponent()
            && app::Components->PatientComponent()->LoadInfo(app::IdNum))
            form->Doctor = app::Components->PatientComponent()->Doctor;
    });
    form->Form_Load();
    if (shell::ChildWindows* windows = shell::ChildWindows::main())
        windows->open(form, shell::ChildWindows::Instances::OnePerPatient);
    return form;
}

} // namespace charging
