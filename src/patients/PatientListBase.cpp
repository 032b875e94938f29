#include "patients/PatientListBase.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "patients/ClinicalChartLink.h"
#include "patients/PatientGrid.h"
#include "patients/PatientLegend.h"
#include "patients/PatientListModel.h"
#include "reports/Report.h"
#include "reports/XlsxExport.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace patients {

namespace {

// Colours are stored as the hospital system keeps them: 0x00BBGGRR.
QColor storedColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

PatientListBase::PatientListBase(const QString& failureText, QWidget* parent)
    : QWidget(parent), selection_(failureText)
{
    MSHFlexList = new PatientGrid(this);
    connect(MSHFlexList, &PatientGrid::EnterCell, this, &PatientListBase::MSHFlexList_EnterCell);
    connect(MSHFlexList, &PatientGrid::Click, this, &PatientListBase::MSHFlexList_Click);
    connect(MSHFlexList, &PatientGrid::DblClick, this, &PatientListBase::MSHFlexList_DblClick);
}

PatientListModel* PatientListBase::listModel() const
{
    return MSHFlexList->listModel();
}

bool PatientListBase::loadList(const QString& statement)
{
    // A reloaded list has no selected patient: the globals and every banner
    // showing them are cleared together. The kind of patient listed stays.
    SelectedPatient none;
    none.PatientType = app::PatientType;
    PatientSelection::Apply(none);
    db::Connection* connection = app::SQLConnection();
    try {
        if (!connection)
            throw db::DbError(QStringLiteral("There is no connection to the database."));
        showRows(connection->open(statement));
        return true;
    } catch (const db::DbError& error) {
        showRows(db::Recordset());
        shell::Notify(error.message(), shell::PromptIcon::Critical);
        return false;
    }
}

void PatientListBase::showRows(const db::Recordset& rows)
{
    PatientListModel* model = listModel();
    model->setRecordset(rows);
    model->setPrecautions(showPrecautions() ? precautions() : QList<PatientListModel::RowPrecaution>());
    // Making the first row current is the grid's doing, not the user's: the
    // selected patient's numbers stay as the reload left them.
    loading_ = true;
    MSHFlexList->listReloaded();
    loading_ = false;
    updateCounter();
}

bool PatientListBase::showPrecautions() const
{
    return app::Nursing().ShowPrecautions;
}

QList<PatientListModel::RowPrecaution> PatientListBase::precautions() const
{
    QList<PatientListModel::RowPrecaution> precautions;
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        return precautions;
    try {
        // Five rows at most: read once per load rather than once per patient.
        // Their names go into the legend beside their colours.
        for (db::Recordset rs = connection->open(QStringLiteral("SELECT PrecautionID, Precaution, Color FROM Build_File..tbCoPrecautions"));
             !rs.eof(); rs.moveNext())
            precautions.append({rs.text(QStringLiteral("PrecautionID")).trimmed(), rs.text(QStringLiteral("Precaution")).trimmed(),
                                storedColor(rs.field(QStringLiteral("Color")).toInt())});
    } catch (const db::DbError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
    }
    return precautions;
}

QWidget* PatientListBase::newLegend(QWidget* parent)
{
    return new PatientLegend(listModel(), parent);
}

void PatientListBase::updateCounter()
{
    if (counter_)
        counter_->setText(QStringLiteral("%1  out of  %2").arg(MSHFlexList->Row()).arg(MSHFlexList->Rows() - 1));
}

void PatientListBase::MSHFlexList_EnterCell(int row)
{
    updateCounter();
    if (loading_)
        return;
    // The numbers follow the current row; whatever else was selected belongs
    // to another patient and goes, so no window sees a mix of two patients.
    const PatientListModel* model = listModel();
    const QString idNum = model->text(row, PatientListModel::AdmissionNumber).trimmed();
    if (idNum == app::IdNum && row + 1 == app::SelectedRow)
        return;
    bool asked = false;
    if (!PatientSelection::MayChangeTo(idNum, &asked)) {
        // Cancelled for unsaved work: the old patient stays, and so does the row.
        refusedIdNum_ = idNum;
        const int keep = app::SelectedRow - 1;
        loading_ = true;
        MSHFlexList->setCurrentRow(keep);
        loading_ = false;
        updateCounter();
        // The mouse press goes on to highlight the row it hit: put the
        // highlight back on the selected patient once it is done.
        QTimer::singleShot(0, this, [this, keep] {
            refusedIdNum_.clear();
            loading_ = true;
            if (keep >= 0)
                MSHFlexList->selectRow(keep);
            else
                MSHFlexList->clearSelection();
            loading_ = false;
            updateCounter();
        });
        return;
    }
    refusedIdNum_.clear();
    SelectedPatient numbers;
    numbers.HospNum = model->text(row, PatientListModel::HospitalNumber).trimmed();
    numbers.IdNum = idNum;
    numbers.PatientType = listPatientType();
    numbers.SelectedRow = row + 1;
    PatientSelection::Apply(numbers);
    if (asked) {
        // The question took the mouse release that would have selected the
        // row: once the press is done, finish what the click began.
        QTimer::singleShot(0, this, [this, idNum, row] {
            if (app::IdNum == idNum && app::SelectedRow == row + 1 && app::PatientName.isEmpty())
                selectRow(row);
        });
    }
}

void PatientListBase::MSHFlexList_Click(int row)
{
    selectRow(row);
}

void PatientListBase::MSHFlexList_DblClick(int row)
{
    // The click before it has selected the patient (or reported why not).
    if (row + 1 != app::SelectedRow || app::IdNum.isEmpty() || app::PatientName.isEmpty())
        return;
    openSelected();
}

bool PatientListBase::selectRow(int row)
{
    const PatientListModel* model = listModel();
    // The click that follows a cancelled row change selects nothing.
    if (!refusedIdNum_.isEmpty() && model->text(row, PatientListModel::AdmissionNumber).trimmed() == refusedIdNum_) {
        refusedIdNum_.clear();
        return false;
    }
    const bool selected = selection_.Select(model->text(row, PatientListModel::HospitalNumber),
                                            model->text(row, PatientListModel::AdmissionNumber), listPatientType(), row + 1);
    if (selected)
        emit patientSelected();
    return selected;
}

void PatientListBase::openSelected()
{
    OpenChart(ChartPage::Summary);
}

bool PatientListBase::exportToExcel(const QString& title)
{
    const QString chosen =
        shell::Prompts::current().chooseFile(QStringLiteral("To Excel"), QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx"), true);
    if (chosen.isEmpty())
        return false;
    const PatientListModel* model = listModel();
    const QStringList headings = PatientListModel::Headings().mid(PatientListModel::HospitalNumber,
                                                                  PatientListModel::BillingDate);
    QList<QStringList> rows;
    rows.reserve(model->recordCount());
    for (int row = 0; row < model->recordCount(); ++row) {
        QStringList cells;
        for (int column = PatientListModel::HospitalNumber; column <= PatientListModel::BillingDate; ++column)
            cells << model->text(row, column);
        rows << cells;
    }
    try {
        reports::XlsxExport::Write(reports::XlsxExport::FileName(chosen), title, headings, rows);
    } catch (const reports::ReportError& error) {
        shell::Notify(error.message(), shell::PromptIcon::Critical);
        return false;
    }
    return true;
}

QFrame* PatientListBase::newCriteriaFrame()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraCriteria"));
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

} // namespace patients
