#include "chart/labheart/LaboratoryPanel.h"

#include "chart/labheart/ResultGrid.h"
#include "chart/labheart/frmSelectLabExam.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "settings/HospitalInfo.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::labheart {

namespace {

const QString kLabFormat = QStringLiteral(" |<Request No. |<Exam. Name               |<Result Date        |<Charge Slip |<Med. Tech |<Item");
const QString kValueFormat = QStringLiteral(" |<Test                     |>Result   |^Flag |<Unit      |<Normal Range");
enum LabColumn { LabRequest = 1, LabExam, LabResultDate, LabSlip, LabMedTech, LabItem };

} // namespace

LaboratoryPanel::LaboratoryPanel(QWidget* parent)
    : ChartPanel(parent)
{
    setObjectName(QStringLiteral("LaboratoryPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Small, shell::StationLook::Small,
                               shell::StationLook::Small);
    tabLab = new QTabWidget(this);
    tabLab->setObjectName(QStringLiteral("tabLab"));

    auto* byRequest = new QWidget(tabLab);
    auto* requestLayout = new QVBoxLayout(byRequest);
    mshflexLab = NewResultGrid(QStringLiteral("mshflexLab"), kLabFormat, byRequest);
    mshflexLab->setColumnHidden(LabItem, true);
    mshflexLabResult = NewResultGrid(QStringLiteral("mshflexLabResult"), kValueFormat, byRequest);
    requestLayout->addWidget(mshflexLab, 2);
    requestLayout->addWidget(new QLabel(QStringLiteral("Results of the chosen request:"), byRequest));
    requestLayout->addWidget(mshflexLabResult, 3);
    tabLab->addTab(byRequest, QStringLiteral("By Request"));

    mshflexLabTabular = new QTableWidget(tabLab);
    mshflexLabTabular->setObjectName(QStringLiteral("mshflexLabTabular"));
    mshflexLabTabular->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexLabTabular->verticalHeader()->hide();
    tabLab->addTab(mshflexLabTabular, QStringLiteral("Tabular"));
    layout->addWidget(tabLab, 1);

    cmdLabResult = new QPushButton(QStringLiteral("&Print Result"), this);
    cmdLabResult->setObjectName(QStringLiteral("cmdLabResult"));
    cmdLabTabular = new QPushButton(QStringLiteral("&Tabular / Historical..."), this);
    cmdLabTabular->setObjectName(QStringLiteral("cmdLabTabular"));
    layout->addLayout(shell::StationLook::ButtonRow({cmdLabResult, cmdLabTabular}, false));

    connect(mshflexLab, &QTableWidget::itemSelectionChanged, this, &LaboratoryPanel::mshflexLab_Click);
    connect(cmdLabResult, &QPushButton::clicked, this, &LaboratoryPanel::cmdLabResult_Click);
    connect(cmdLabTabular, &QPushButton::clicked, this, &LaboratoryPanel::cmdLabTabular_Click);
}

void LaboratoryPanel::MarkValue(QTableWidgetItem* item, const QString& flag)
{
    if (flag.isEmpty())
        return;
    // Red above the range, blue below, in bold: the nurse's eye finds them
    // before reading the flag.
    item->setForeground(QBrush(flag == QLatin1String("H") ? QColor(176, 0, 0) : QColor(0, 64, 176)));
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
}

void LaboratoryPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    mshflexLabResult->setRowCount(0);
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rows = c.open(QStringLiteral("LABORATORY..sp_Nurse_GetLabRequests %1").arg(db::Quote(patient.idNum)));
        FillResultGrid(mshflexLab, rows,
                       {QStringLiteral("RequestNum"), QStringLiteral("ExamName"), QStringLiteral("ResultDate"),
                        QStringLiteral("ChargeSlip"), QStringLiteral("MedTech"), QStringLiteral("ItemID")});
    });
    loadTabular();
}

void LaboratoryPanel::mshflexLab_Click()
{
    mshflexLabResult->setRowCount(0);
    const QString request = ChosenCell(mshflexLab, LabRequest);
    if (request.isEmpty())
        return;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rows = c.open(QStringLiteral("LABORATORY..sp_Lab_ResultValues %1, %2")
                                        .arg(db::Quote(request), db::Quote(ChosenCell(mshflexLab, LabItem))));
        for (; !rows.eof(); rows.moveNext()) {
            const int row = mshflexLabResult->rowCount();
            mshflexLabResult->insertRow(row);
            const QString flag = rows.text(QStringLiteral("Flag"));
            const QStringList cells = {rows.text(QStringLiteral("TestName")), rows.text(QStringLiteral("Result")), flag,
                                       rows.text(QStringLiteral("Unit")), rows.text(QStringLiteral("NormalRange"))};
            for (int i = 0; i < cells.size(); ++i) {
                auto* item = new QTableWidgetItem(cells.at(i));
                if (i == 1 || i == 2)
                    MarkValue(item, flag);
                mshflexLabResult->setItem(row, i + 1, item);
            }
        }
        mshflexLabResult->resizeColumnsToContents();
    });
}

// Every value of the stay, one row per test and one column per time it was
// measured, so a course (a falling haemoglobin, a rising potassium) reads
// along the row.
void LaboratoryPanel::loadTabular()
{
    mshflexLabTabular->clear();
    mshflexLabTabular->setRowCount(0);
    struct TestRow {
        QString exam, test, unit, range;
        QMap<QString, std::pair<QString, QString>> values; // sortable time -> value, flag
    };
    std::vector<TestRow> tests;
    QMap<QString, QString> times; // sortable -> caption
    const bool loaded = shell::SaveTransaction::Load([&](db::Connection& c) {
        // The patient's values of every stay: an earlier stay's creatinine is
        // what today's is read against.
        db::Recordset values = c.open(QStringLiteral("LABORATORY..sp_Lab_TabularResults %1").arg(db::Quote(patient_.hospNum)));
        QString lastKey;
        for (; !values.eof(); values.moveNext()) {
            const QDateTime when = values.field(QStringLiteral("ResultDate")).toDateTime();
            const QString key = values.text(QStringLiteral("ItemID")) + QLatin1Char('|') + values.text(QStringLiteral("TestCode"));
            if (key != lastKey) {
                tests.push_back({values.text(QStringLiteral("ExamName")), values.text(QStringLiteral("TestName")),
                                 values.text(QStringLiteral("Unit")), values.text(QStringLiteral("NormalRange")), {}});
                lastKey = key;
            }
            const QString sortable = when.toString(QStringLiteral("yyyyMMddHHmm"));
            times.insert(sortable, when.toString(QStringLiteral("MM/dd/yy\nhh:mm AP")));
            tests.back().values.insert(sortable, {values.text(QStringLiteral("Result")), values.text(QStringLiteral("Flag"))});
        }
    });
    if (!loaded)
        return;
    QStringList captions = {QStringLiteral("Exam"), QStringLiteral("Test"), QStringLiteral("Unit"), QStringLiteral("Normal Range")};
    captions += times.values();
    mshflexLabTabular->setColumnCount(static_cast<int>(captions.size()));
    mshflexLabTabular->setHorizontalHeaderLabels(captions);
    const QStringList order = times.keys();
    for (const TestRow& test : tests) {
        const int row = mshflexLabTabular->rowCount();
        mshflexLabTabular->insertRow(row);
        const QStringList lead = {test.exam, test.test, test.unit, test.range};
        for (int i = 0; i < lead.size(); ++i)
            mshflexLabTabular->setItem(row, i, new QTableWidgetItem(lead.at(i)));
        for (auto it = test.values.cbegin(); it != test.values.cend(); ++it) {
            const auto& [value, flag] = it.value();
            auto* item = new QTableWidgetItem(flag.isEmpty() ? value : value + QLatin1Char(' ') + flag);
            item->setData(Qt::UserRole, flag);
            MarkValue(item, flag);
            mshflexLabTabular->setItem(row, 4 + static_cast<int>(order.indexOf(it.key())), item);
        }
    }
    mshflexLabTabular->resizeColumnsToContents();
}

void LaboratoryPanel::cmdLabResult_Click()
{
    components::clslabViewer& viewer = *app::CurrentUser->KELVANECLASSES.clslabViewer();
    const QString request = ChosenCell(mshflexLab, LabRequest);
    viewer.CSNumber = ChosenCell(mshflexLab, LabSlip);
    viewer.RequestNum = request;
    viewer.AutoPrint = !request.isEmpty();
    viewer.ViewMode = 0;
    viewer.SQLConnection = app::SQLConnection();
    viewer.HospitalNumber = patient_.hospNum;
    viewer.IdNumber = patient_.idNum;
    viewer.RoomNumber = patient_.roomId;
    viewer.PatientName = patient_.name;
    viewer.Status = QString();
    viewer.EmployeeCode = app::CurrentUser->EmployeeCode;
    viewer.UserID = app::CurrentUser->UserID;
    viewer.StationID = QStringLiteral("ER");
    viewer.isNurse = app::Hospital().clientname != QLatin1String("QORV");
    // The ward prints its own copy of a released result.
    viewer.DisablePrintButton = false;
    if (viewer.hasPrintedByStation())
        viewer.setPrintedByStation(app::ORStationID);
    else
        shell::Notify(QStringLiteral("PrintedByStation does not exist."), shell::PromptIcon::Exclamation);
    viewer.Show_Results();
}

void LaboratoryPanel::cmdLabTabular_Click()
{
    frmSelectLabExam form(this);
    form.setPatient(patient_);
    shell::Prompts::current().exec(form);
}

} // namespace chart::labheart
