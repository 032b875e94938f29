#include "patients/frmAdmittedPatients.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "patients/ListControls.h"
#include "patients/ListQuery.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListModel.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace patients {

namespace {

enum SearchField { ByLastName, ByAdmission, ByHospital };

// The server matches the text against all three fields; the list keeps the
// rows that match in the field the user chose (a hospital number may well be
// another patient's admission number).
db::Recordset narrowed(const db::Recordset& rows, int field, const QString& text)
{
    if (text.isEmpty() || rows.resultSetCount() == 0)
        return rows;
    db::ResultSet kept{rows.current().columns, {}};
    for (const QVariantList& row : rows.current().rows) {
        auto value = [&row](int column) { return column < row.size() ? row.at(column).toString().trimmed() : QString(); };
        bool match = false;
        if (field == ByLastName)
            match = value(PatientListModel::PatientName).startsWith(text, Qt::CaseInsensitive);
        else if (field == ByAdmission)
            match = value(PatientListModel::AdmissionNumber).compare(text, Qt::CaseInsensitive) == 0;
        else
            match = value(PatientListModel::HospitalNumber).compare(text, Qt::CaseInsensitive) == 0;
        if (match)
            kept.rows.push_back(row);
    }
    return db::Recordset(db::ResultSets{std::move(kept)});
}

} // namespace

frmAdmittedPatients::frmAdmittedPatients(QWidget* parent) : PatientListBase(QStringLiteral("No records found."), parent)
{
    setObjectName(QStringLiteral("frmAdmittedPatients"));
    setWindowTitle(QStringLiteral("Admitted Patients with Schedule"));
    resize(900, 540);

    QFrame* criteria = newCriteriaFrame();
    auto* row = new QHBoxLayout(criteria);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(10);
    row->addWidget(SmallCaption(QStringLiteral("Search by"), criteria));
    cboBySearch = new QComboBox(criteria);
    cboBySearch->setObjectName(QStringLiteral("cboBySearch"));
    cboBySearch->addItems({QStringLiteral("LAST NAME"), QStringLiteral("ADM #"), QStringLiteral("HOSPITAL #")});
    row->addWidget(cboBySearch);
    txtSearch = new QLineEdit(criteria);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setClearButtonEnabled(true);
    txtSearch->setMinimumWidth(200);
    TypeInCapitals(txtSearch);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmAdmittedPatients::cmdSearch_Click);
    row->addWidget(txtSearch, 1);
    cmdSearch = new QPushButton(QStringLiteral("&Search"), criteria);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdRefresh = new QPushButton(QStringLiteral("&Refresh"), criteria);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    for (QPushButton* button : {cmdSearch, cmdRefresh}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(88);
        row->addWidget(button);
    }
    connect(cmdSearch, &QPushButton::clicked, this, &frmAdmittedPatients::cmdSearch_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmAdmittedPatients::cmdRefresh_Click);

    lblSchedule = new QLabel(this);
    lblSchedule->setObjectName(QStringLiteral("lblSchedule"));
    lblSchedule->setTextFormat(Qt::RichText);
    lblSchedule->setMinimumHeight(fontMetrics().height() + 10);
    lblSchedule->setStyleSheet(QStringLiteral("QLabel { background: palette(alternate-base); border: 1px solid palette(midlight);"
                                              " border-radius: 3px; padding: 3px 8px; }"));

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(2, 0, 2, 0);
    footer->setSpacing(10);
    cmdPending = new QPushButton(QStringLiteral("Tag as &Checked"), this);
    cmdPending->setObjectName(QStringLiteral("cmdPending"));
    cmdPending->setToolTip(QStringLiteral("Tag the ticked patients as already checked"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdPending, cmdClose}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(100);
    }
    connect(cmdPending, &QPushButton::clicked, this, &frmAdmittedPatients::cmdPending_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    footer->addWidget(cmdPending);
    footer->addSpacing(10);
    footer->addWidget(newLegend(this));
    footer->addStretch(1);
    footer->addWidget(SmallCaption(QStringLiteral("Rec. No."), this));
    lblRecNum = ValueLabel("lblRecNum", this);
    lblRecNum->setMinimumWidth(110);
    footer->addWidget(lblRecNum);
    footer->addSpacing(10);
    footer->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(criteria);
    MSHFlexList->setEmptyText(QStringLiteral("No admitted patients with schedule to check."));
    layout->addWidget(MSHFlexList, 1);
    layout->addWidget(lblSchedule);
    layout->addLayout(footer);
    setCounterLabel(lblRecNum);
    connect(MSHFlexList, &PatientGrid::EnterCell, this, &frmAdmittedPatients::showSchedule);

    Form_Load();
}

void frmAdmittedPatients::Form_Load()
{
    loadPatients();
}

QString frmAdmittedPatients::listPatientType() const
{
    return QStringLiteral("I");
}

QString frmAdmittedPatients::ListStatement() const
{
    return QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule '9',") + db::Quote(txtSearch->text().trimmed());
}

void frmAdmittedPatients::cmdSearch_Click()
{
    loadPatients();
}

void frmAdmittedPatients::cmdRefresh_Click()
{
    txtSearch->clear();
    loadPatients();
}

void frmAdmittedPatients::loadPatients()
{
    const db::Recordset rows = OpenListReported(ListStatement());
    // A new list starts with no selected patient, as every list load does.
    PatientSelection::Clear();
    showRows(narrowed(rows, cboBySearch->currentIndex(), txtSearch->text().trimmed()));
    addCheckBoxes();
    showSchedule(0);
}

void frmAdmittedPatients::addCheckBoxes()
{
    // The marker column holds each row's tick box; a reload makes new ones.
    checks_.clear();
    const PatientListModel* model = listModel();
    for (int row = 0; row < model->recordCount(); ++row) {
        auto* box = new QCheckBox;
        box->setObjectName(QStringLiteral("chkChecked_%1").arg(row));
        box->setToolTip(QStringLiteral("Tick when the patient was checked"));
        box->setStyleSheet(QStringLiteral("QCheckBox { margin-left: 1px; }"));
        MSHFlexList->setIndexWidget(model->index(row, PatientListModel::Marker), box);
        checks_.push_back(box);
    }
    MSHFlexList->setColumnWidth(PatientListModel::Marker, 22);
}

QCheckBox* frmAdmittedPatients::checkBox(int row) const
{
    return row >= 0 && row < static_cast<int>(checks_.size()) ? checks_[static_cast<size_t>(row)] : nullptr;
}

QStringList frmAdmittedPatients::checkedTransNums() const
{
    QStringList numbers;
    for (int row = 0; row < static_cast<int>(checks_.size()); ++row)
        if (checks_[static_cast<size_t>(row)]->isChecked())
            numbers << listModel()->text(row, TransNum).trimmed();
    return numbers;
}

void frmAdmittedPatients::showSchedule(int row)
{
    const PatientListModel* model = listModel();
    if (row < 0 || row >= model->recordCount()) {
        lblSchedule->setText(QString());
        return;
    }
    const QString surgeon = model->text(row, Surgeon).trimmed();
    lblSchedule->setText(QStringLiteral("<b>%1</b> &nbsp;·&nbsp; %2 &nbsp;·&nbsp; %3%4")
                             .arg(model->text(row, ProcedureName).toHtmlEscaped(),
                                  GridDateText(model->text(row, ScheduleDate)).toHtmlEscaped(),
                                  model->text(row, RoomName).toHtmlEscaped(),
                                  surgeon.isEmpty() || surgeon == QLatin1String(",")
                                      ? QString()
                                      : QStringLiteral(" &nbsp;·&nbsp; Surgeon: ") + surgeon.toHtmlEscaped()));
}

void frmAdmittedPatients::cmdPending_Click()
{
    const QStringList numbers = checkedTransNums();
    if (numbers.isEmpty()) {
        shell::Notify(QStringLiteral("Please select checked admitted patients with schedule."));
        return;
    }
    if (!shell::Confirm(QStringLiteral("Are you sure you want to tag this patient as already checked?")))
        return;

    const QString user = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    // All the ticked bookings or none of them; the ticks stay when it fails.
    const bool saved = shell::SaveTransaction::Run(
        [&](db::Connection& connection) {
            for (const QString& number : numbers)
                connection.execute(QStringLiteral("UPDATE SCHEDULE..TBORSCHEDULEDETAILS SET ORNotified = 'Y', ORNotifiedUser = ") +
                                   db::Quote(user) + QStringLiteral(", ORNotifiedDate = getdate() WHERE TRANSNUM = ") +
                                   db::Quote(number));
        },
        QStringLiteral("Transaction was not saved! \r\n"));
    if (!saved)
        return;
    shell::Notify(QStringLiteral("Successful! Patient was removed from the list."));
    loadPatients();
}

} // namespace patients
