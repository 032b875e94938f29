#include "patients/frmPatientIndex.h"

#include <algorithm>

#include "components/ComponentSet.h"
#include "components/clsPatientSearch.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "patients/ListControls.h"
#include "patients/ListQuery.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListModel.h"
#include "patients/OperationRecordLink.h"
#include "patients/PatientSelection.h"
#include "patients/RecordTable.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace patients {

namespace {

const QString kGuideline = QStringLiteral(
    "Guideline: Enter hospital # or type in the name of the patient (Lastname, FirstName, MiddleName) then press enter to continue...");
const QString kNotFound = QStringLiteral("No records found.");

QString sexText(const QString& sex)
{
    const QString s = sex.trimmed().toUpper();
    if (s == QLatin1String("M"))
        return QStringLiteral("MALE");
    if (s == QLatin1String("F"))
        return QStringLiteral("FEMALE");
    return s;
}

QString operationsCaption(int count)
{
    return QStringLiteral("Clinical Operations (%1)").arg(count);
}

QString proceduresCaption(int count)
{
    return QStringLiteral("Posted Procedures (%1)").arg(count);
}

} // namespace

frmPatientIndex::frmPatientIndex(QWidget* parent) : PatientListBase(kNotFound, parent)
{
    setObjectName(QStringLiteral("frmPatientIndex"));
    setWindowTitle(QStringLiteral("Patient Index"));
    resize(940, 640);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(buildPatientPanel());

    auto* listHeading = new QHBoxLayout;
    listHeading->setContentsMargins(2, 0, 2, 0);
    listHeading->addWidget(SmallCaption(QStringLiteral("Admissions and visits"), this));
    listHeading->addSpacing(16);
    listHeading->addWidget(newLegend(this));
    listHeading->addStretch(1);
    listHeading->addWidget(SmallCaption(QStringLiteral("Rec. No."), this));
    lblRecNum = ValueLabel("lblRecNum", this);
    lblRecNum->setMinimumWidth(110);
    listHeading->addWidget(lblRecNum);
    layout->addLayout(listHeading);
    MSHFlexList->setEmptyText(kNotFound);
    layout->addWidget(MSHFlexList, 2);
    setCounterLabel(lblRecNum);
    layout->addWidget(buildRecords(), 3);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    cmdOperationRecord = new QPushButton(QStringLiteral("Operation &Record"), this);
    cmdOperationRecord->setObjectName(QStringLiteral("cmdOperationRecord"));
    cmdCF4 = new QPushButton(QStringLiteral("CF&4 Entry"), this);
    cmdCF4->setObjectName(QStringLiteral("cmdCF4"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdOperationRecord, cmdCF4, cmdClose}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
    }
    // The CF4 entry is not part of the station yet; the operation record opens
    // once the main window has installed its opener and an operation is chosen.
    cmdOperationRecord->setEnabled(false);
    connect(cmdOperationRecord, &QPushButton::clicked, this, &frmPatientIndex::cmdOperationRecord_Click);
    cmdCF4->setEnabled(false);
    cmdCF4->setVisible(app::ProgramSettings && app::ProgramSettings->ShowCF4());
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cmdOperationRecord);
    buttons->addWidget(cmdCF4);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(MSHFlexList, &PatientGrid::EnterCell, this, &frmPatientIndex::followCurrentRow);
    showRows(db::Recordset());
}

QWidget* frmPatientIndex::buildPatientPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraPatient"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);

    grid->addWidget(SmallCaption(QStringLiteral("Hospital # / Patient Name"), panel), 0, 0);
    txtHospNum = new QLineEdit(panel);
    txtHospNum->setObjectName(QStringLiteral("txtHospNum"));
    txtHospNum->setClearButtonEnabled(true);
    TypeInCapitals(txtHospNum);
    txtHospNum->installEventFilter(this);
    connect(txtHospNum, &QLineEdit::returnPressed, this, &frmPatientIndex::txtHospNum_Validate);
    grid->addWidget(txtHospNum, 0, 1, 1, 7);
    lblGuideline = new QLabel(panel);
    lblGuideline->setObjectName(QStringLiteral("lblGuideline"));
    lblGuideline->setWordWrap(true);
    lblGuideline->setMinimumHeight(fontMetrics().height() + 2);
    lblGuideline->setStyleSheet(QStringLiteral("color: palette(dark); font-style: italic;"));
    grid->addWidget(lblGuideline, 1, 1, 1, 7);

    struct Field {
        const char* caption;
        QLabel** label;
        const char* name;
        int row, column, span;
    };
    const Field fields[] = {
        {"Name", &lblPatientName, "lblPatientName", 2, 0, 3},
        {"Sex", &lblSex, "lblSex", 2, 4, 1},
        {"Birth Date", &lblBirthDate, "lblBirthDate", 3, 0, 1},
        {"Blood Type", &lblBloodType, "lblBloodType", 3, 2, 1},
        {"House / Street", &lblHouseStreet, "lblHouseStreet", 4, 0, 1},
        {"Barangay", &lblBarangay, "lblBarangay", 4, 2, 1},
        {"Town", &lblTown, "lblTown", 4, 4, 1},
        {"Province", &lblProvince, "lblProvince", 4, 6, 1},
    };
    for (const Field& f : fields) {
        grid->addWidget(SmallCaption(QString::fromLatin1(f.caption), panel), f.row, f.column);
        *f.label = ValueLabel(f.name, panel);
        grid->addWidget(*f.label, f.row, f.column + 1, 1, f.span);
    }
    for (int column : {1, 3, 5, 7})
        grid->setColumnStretch(column, 1);
    return panel;
}

QWidget* frmPatientIndex::buildRecords()
{
    using Column = RecordTable::Column;
    using Kind = RecordTable::Kind;
    grdOperations = new RecordTable("grdOperations",
                                    {Column{QStringLiteral("OperationDate"), QStringLiteral("Date of Operation"), 150, Kind::Date},
                                     Column{QStringLiteral("Procedure"), QStringLiteral("Procedure"), 250},
                                     Column{QStringLiteral("RoomName"), QStringLiteral("Room"), 110},
                                     Column{QStringLiteral("Surgeon"), QStringLiteral("Surgeon"), 180},
                                     Column{QStringLiteral("Anesthesiologist"), QStringLiteral("Anesthesiologist"), 180},
                                     Column{QStringLiteral("IdNum"), QStringLiteral("ADM. Num."), 90}},
                                    this);
    grdPostedProcedures = new RecordTable("grdPostedProcedures",
                                          {Column{QStringLiteral("TransDate"), QStringLiteral("Date Posted"), 150, Kind::Date},
                                           Column{QStringLiteral("Code"), QStringLiteral("Code"), 70},
                                           Column{QStringLiteral("Description"), QStringLiteral("Procedure"), 250},
                                           Column{QStringLiteral("Quantity"), QStringLiteral("Qty"), 45, Kind::Number},
                                           Column{QStringLiteral("Amount"), QStringLiteral("Amount"), 95, Kind::Amount},
                                           Column{QStringLiteral("Doctor"), QStringLiteral("Doctor"), 180},
                                           Column{QStringLiteral("IdNum"), QStringLiteral("ADM. Num."), 90}},
                                          this);
    tabRecords = new QTabWidget(this);
    tabRecords->setObjectName(QStringLiteral("tabRecords"));
    tabRecords->addTab(grdOperations, operationsCaption(0));
    tabRecords->addTab(grdPostedProcedures, proceduresCaption(0));
    connect(tabRecords, &QTabWidget::currentChanged, this, [this] { updateOperationRecordButton(); });
    return tabRecords;
}

QString frmPatientIndex::IndexStatement(const QString& hospNum, const QString& name)
{
    QStringList parts = name.split(QLatin1Char(','));
    while (parts.size() < 3)
        parts << QString();
    return QStringLiteral("STATION..sp_Get_PatientIndex %1,%2,%3,%4")
        .arg(db::Quote(hospNum.trimmed()), db::Quote(parts[0].trimmed()), db::Quote(parts[1].trimmed()),
             db::Quote(parts.mid(2).join(QLatin1Char(' ')).trimmed()));
}

QString frmPatientIndex::listPatientType() const
{
    const QModelIndex current = MSHFlexList->currentIndex();
    const QString type = current.isValid() ? listModel()->text(current.row(), StayType).trimmed() : QString();
    return type.compare(QLatin1String("O"), Qt::CaseInsensitive) == 0 ? QStringLiteral("O") : QStringLiteral("I");
}

bool frmPatientIndex::ShowPatient(const QString& hospNum)
{
    txtHospNum->setText(hospNum.trimmed());
    return txtHospNum_Validate();
}

bool frmPatientIndex::txtHospNum_Validate()
{
    const QString text = txtHospNum->text().trimmed();
    if (text.isEmpty())
        return false;
    if (showParticulars(text)) {
        showRows(OpenListReported(IndexStatement(text)));
        return true;
    }
    // Not a hospital number: with a letter in it, a name.
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    if (text.contains(letter)) {
        showRows(OpenListReported(IndexStatement(QString(), text)));
        if (listModel()->recordCount() > 0) {
            followCurrentRow(0);
            return true;
        }
    } else {
        showRows(db::Recordset());
    }
    clearParticulars();
    shell::Notify(kNotFound);
    return false;
}

void frmPatientIndex::followCurrentRow(int row)
{
    // The particulars and records follow the patient of the current stay.
    const QString hospNum = listModel()->text(row, PatientListModel::HospitalNumber).trimmed();
    if (!hospNum.isEmpty() && hospNum != shown_)
        showParticulars(hospNum);
}

bool frmPatientIndex::showParticulars(const QString& hospNum)
{
    components::clsPatientSearch* search = app::Components ? app::Components->PatientSearch() : nullptr;
    if (!search) {
        shell::Notify(QStringLiteral("The patient search is not available."), shell::PromptIcon::Critical);
        return false;
    }
    try {
        if (!search->ValidatePatient(hospNum))
            return false;
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
        return false;
    }
    const components::PatientMasterRecord& master = search->PatientMaster;
    shown_ = hospNum.trimmed();
    lblPatientName->setText(master.LastName.trimmed() + QStringLiteral(", ") + master.FirstName.trimmed() + QLatin1Char(' ')
                            + master.MiddleName.trimmed());
    lblSex->setText(sexText(master.Sex));
    lblBirthDate->setText(master.BirthDate.isValid() ? master.BirthDate.toString(QStringLiteral("MM/dd/yyyy")) : QString());
    lblBloodType->setText(master.BloodType.trimmed());
    lblHouseStreet->setText(master.Address.HouseStreet.trimmed());
    lblBarangay->setText(master.Address.Barangay.trimmed());
    lblTown->setText(master.Address.Town.trimmed());
    lblProvince->setText(master.Address.Province.trimmed());

    const QString number = db::Quote(shown_);
    db::Recordset operations = OpenListReported(QStringLiteral("Station..Get_ClinicalOperations ") + number);
    grdOperations->fill(operations);
    operationRows_.clear();
    for (operations.moveFirst(); !operations.eof(); operations.moveNext())
        operationRows_.push_back({operations.text(QStringLiteral("IdNum")), operations.text(QStringLiteral("PatientType")),
                                  operations.text(QStringLiteral("OperatingNum")), operations.text(QStringLiteral("REFNUM")),
                                  operations.text(QStringLiteral("ProcedureID")), operations.text(QStringLiteral("Procedure"))});
    db::Recordset posted = OpenListReported(QStringLiteral("Station..sp_Get_Patient_PostedProcedure ") + number);
    grdPostedProcedures->fill(posted);
    postedRows_.clear();
    for (posted.moveFirst(); !posted.eof(); posted.moveNext())
        postedRows_.push_back({posted.text(QStringLiteral("IdNum")), posted.text(QStringLiteral("PatientType")), QString(),
                               posted.text(QStringLiteral("RefNum")), posted.text(QStringLiteral("Code")),
                               posted.text(QStringLiteral("Description"))});
    updateOperationRecordButton();
    tabRecords->setTabText(0, operationsCaption(grdOperations->rowCount()));
    tabRecords->setTabText(1, proceduresCaption(grdPostedProcedures->rowCount()));
    return true;
}

void frmPatientIndex::clearParticulars()
{
    shown_.clear();
    for (QLabel* label : {lblPatientName, lblSex, lblBirthDate, lblBloodType, lblHouseStreet, lblBarangay, lblTown, lblProvince})
        label->clear();
    grdOperations->clear();
    operationRows_.clear();
    postedRows_.clear();
    cmdOperationRecord->setEnabled(false);
    grdPostedProcedures->clear();
    tabRecords->setTabText(0, operationsCaption(0));
    tabRecords->setTabText(1, proceduresCaption(0));
}

bool frmPatientIndex::eventFilter(QObject* watched, QEvent* event)
{
    // The guideline shows while the box has the focus.
    if (watched == txtHospNum) {
        if (event->type() == QEvent::FocusIn)
            lblGuideline->setText(kGuideline);
        else if (event->type() == QEvent::FocusOut)
            lblGuideline->clear();
    }
    return PatientListBase::eventFilter(watched, event);
}

void frmPatientIndex::updateOperationRecordButton()
{
    const bool onPosted = tabRecords->currentIndex() == 1;
    cmdOperationRecord->setEnabled(HasOperationRecordOpener() && !(onPosted ? postedRows_ : operationRows_).empty());
}

void frmPatientIndex::cmdOperationRecord_Click()
{
    const bool onPosted = tabRecords->currentIndex() == 1;
    const std::vector<OperationRow>& rows = onPosted ? postedRows_ : operationRows_;
    const QModelIndex current = (onPosted ? grdPostedProcedures : grdOperations)->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    OperationRow operation = rows[static_cast<size_t>(row)];
    if (onPosted) {
        // A procedure charge keeps one record: open the kept one, else start it
        // ("0" is the number of a record not saved yet).
        const auto kept = std::find_if(operationRows_.begin(), operationRows_.end(), [&](const OperationRow& r) {
            return r.refNum == operation.refNum && r.procedureId == operation.procedureId;
        });
        operation.operatingNum = kept != operationRows_.end() ? kept->operatingNum : QStringLiteral("0");
    }
    SelectedPatient patient;
    if (!PatientSelection::Read(shown_, operation.idNum, operation.patientType.isEmpty() ? QStringLiteral("I") : operation.patientType,
                                patient))
        return;
    PatientSelection::Apply(patient);
    OpenOperationRecordFor({operation.operatingNum, operation.refNum, operation.procedureId, operation.procedureName});
}

} // namespace patients
