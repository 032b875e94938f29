#include "chart/requests/frmReprintLabForm.h"

#include "chart/requests/Departments.h"
#include "chart/requests/SendRequests.h"
#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/UserValidation.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::requests {

namespace {

QString shown(const db::Field& field)
{
    const QVariant& v = field.value();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return field.toDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
    return field.text().trimmed();
}

} // namespace

LabFormReprint::LabFormReprint(const ChartPatient& patient, Variant variant, QWidget* parent)
    : QDialog(parent), PxName(patient.name), SetIDNum(patient.idNum), patient_(patient), variant_(std::move(variant))
{
    setObjectName(QLatin1String(variant_.objectName));
    setWindowTitle(QStringLiteral("Reprint Laboratory Request Form"));
    lblCaption = new QLabel(QStringLiteral("List of Requested Laboratory Exams - ") + PxName);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    mshflexLabList = new QTableWidget(0, variant_.headers.size());
    mshflexLabList->setObjectName(QStringLiteral("mshflexLabList"));
    mshflexLabList->setHorizontalHeaderLabels(variant_.headers);
    mshflexLabList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshflexLabList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshflexLabList->verticalHeader()->hide();
    mshflexLabList->setColumnWidth(0, 24);
    cmdPrint = new QPushButton(QStringLiteral("&Print"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("&Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addWidget(mshflexLabList, 1);
    layout->addLayout(shell::StationLook::ButtonRow({cmdPrint, cmdClose}));
    resize(1000, 420);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (cmdPrint_Click())
            accept();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

bool LabFormReprint::Form_Load()
{
    mshflexLabList->setRowCount(0);
    listed_.clear();
    return shell::SaveTransaction::Load([&](db::Connection& c) {
        QString call = variant_.listProcedure + QLatin1Char(' ') + db::Quote(SetIDNum);
        if (variant_.listProcedure.endsWith(QLatin1String("Get_LaboratoryRequests")))
            call += QStringLiteral(",'','0'");
        for (db::Recordset rs = c.open(call); !rs.eof(); rs.moveNext()) {
            const int row = mshflexLabList->rowCount();
            mshflexLabList->insertRow(row);
            auto* tick = new QTableWidgetItem;
            tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            tick->setCheckState(Qt::Unchecked);
            mshflexLabList->setItem(row, 0, tick);
            for (int i = 0; i < variant_.fields.size(); ++i)
                mshflexLabList->setItem(row, i + 1, new QTableWidgetItem(shown(rs.field(variant_.fields.at(i)))));
            // Field names are read without regard to case; only the class columns differ.
            const bool posted = variant_.listProcedure.endsWith(QLatin1String("ExamPosted"));
            listed_.push_back(Listed{rs.text(QStringLiteral("Section")).trimmed(), rs.text(QStringLiteral("Code")).trimmed(),
                                     rs.text(QStringLiteral("Specimen")).trimmed(), rs.text(QStringLiteral("Stat")).trimmed(),
                                     rs.text(QStringLiteral("RequestNum")).trimmed(),
                                     rs.text(posted ? QStringLiteral("TRANSPLANT") : QStringLiteral("TransplantID")).trimmed(),
                                     rs.text(posted ? QStringLiteral("DIALYSIS") : QStringLiteral("DialysisID")).trimmed(),
                                     rs.field(QStringLiteral("Requestdate")).toDateTime()});
        }
    });
}

void LabFormReprint::setTicked(int row, bool ticked)
{
    if (QTableWidgetItem* item = mshflexLabList->item(row, 0))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool LabFormReprint::cmdPrint_Click()
{
    std::vector<const Listed*> ticked;
    for (int row = 0; row < mshflexLabList->rowCount(); ++row)
        if (mshflexLabList->item(row, 0) && mshflexLabList->item(row, 0)->checkState() == Qt::Checked)
            ticked.push_back(&listed_[static_cast<size_t>(row)]);
    if (ticked.empty()) {
        shell::Notify(QStringLiteral("No laboratory exams was selected."));
        return false;
    }
    if (!shell::ValidateTransaction(QStringLiteral("Laboratory request form was not reprinted! ") + QStringLiteral("\r\n")
                                    + QStringLiteral("Do you want to reprint the laboratory request form?")))
        return false;
    const QString user = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    bool stat = false;
    const bool written = shell::SaveTransaction::Run([&](db::Connection& c) {
        c.execute(QStringLiteral("LABORATORY..Lab_CleanUp_tbLabRequestForm ") + db::Quote(user));
        const QString now = RequestTimeText(c.open(QStringLiteral("SELECT GETDATE() AS Now")).field(QStringLiteral("Now")).toDateTime());
        for (const Listed* exam : ticked) {
            stat = stat || exam->stat == QLatin1String("Y");
            QStringList values{QStringLiteral("NS"), user, SetIDNum, exam->section, exam->code, exam->specimen, exam->stat,
                               exam->requestNum, RequestTimeText(exam->requested), TransplantLabel(exam->transplant),
                               DialysisLabel(exam->dialysis), now, app::ValidatedUserID};
            for (QString& v : values)
                v = db::Quote(v);
            c.execute(QStringLiteral("LABORATORY..Lab_SaveRequestForm ") + values.join(QLatin1Char(',')));
        }
    });
    if (!written)
        return false;
    PrintLabRequestForm(variant_.report, QStringLiteral("REPRINT LABORATORY REQUEST FORM"), patient_, stat);
    return true;
}

frmReprintLabForm::frmReprintLabForm(const ChartPatient& patient, QWidget* parent)
    : LabFormReprint(patient,
                     Variant{"frmReprintLabForm",
                             {QString(), QStringLiteral("CODE"), QStringLiteral("DESCRIPTION"), QStringLiteral("REQUEST DATE"),
                              QStringLiteral("REQUESTED BY"), QStringLiteral("SECTION"), QStringLiteral("TYPE"), QStringLiteral("SPECIMEN"),
                              QStringLiteral("REQUEST NO."), QStringLiteral("PRINT GROUP"), QStringLiteral("CHARGE SLIP"), QStringLiteral("REMARKS")},
                             QStringLiteral("STATION..Get_LaboratoryRequests"),
                             {QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Requestdate"), QStringLiteral("RequestedBy"),
                              QStringLiteral("Section"), QStringLiteral("Type"), QStringLiteral("Specimen"), QStringLiteral("RequestNum"),
                              QStringLiteral("PrintGroup"), QStringLiteral("Chargeslip"), QStringLiteral("Remarks")},
                             QStringLiteral("\\Reports\\LabRequestForm.RPT")},
                     parent)
{
}

frmReprintLabFormQORV::frmReprintLabFormQORV(const ChartPatient& patient, QWidget* parent)
    : LabFormReprint(patient,
                     Variant{"frmReprintLabFormQORV",
                             {QString(), QStringLiteral("CODE "), QStringLiteral("DESCRIPTION"), QStringLiteral("CHARGE SLIP"),
                              QStringLiteral("CHARGE DATE/TIME"), QStringLiteral("SECTION"), QStringLiteral("TYPE"), QStringLiteral("SPECIMEN"),
                              QStringLiteral("DIALYSIS"), QStringLiteral("TRANSPLANT"), QStringLiteral("REQUESTNUM"), QStringLiteral("NURSE"),
                              QStringLiteral("CNURSE")},
                             QStringLiteral("STATION..sp_Nurse_Get_LaboratoryExamPosted"),
                             {QStringLiteral("CODE"), QStringLiteral("DESCRIPTION"), QStringLiteral("CHARGE SLIP"), QStringLiteral("CHARGE DATE/TIME"),
                              QStringLiteral("SECTION"), QStringLiteral("TYPE"), QStringLiteral("SPECIMEN"), QStringLiteral("DIALYSIS"),
                              QStringLiteral("TRANSPLANT"), QStringLiteral("REQUESTNUM"), QStringLiteral("NURSE"), QStringLiteral("CNURSE")},
                             QStringLiteral("\\Reports\\LabRequestForm_Reprint.RPT")},
                     parent)
{
}

} // namespace chart::requests
