#include "chart/labheart/HeartStationPanel.h"

#include "chart/labheart/ResultGrid.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "reports/Report.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart::labheart {

namespace {

const QString kHeartFormat = QStringLiteral(
    " |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<FORM |<ATTN. DOCTOR             |<CARDIOLOGIST             |");
enum HeartColumn { HeartTransNo = 1, HeartExam, HeartTransDate, HeartResultDate, HeartForm_ };

} // namespace

std::vector<HeartPrintJob> HeartPrintJobs(db::Connection& connection, const QString& resultNum, const QString& formType)
{
    std::vector<HeartPrintJob> jobs;
    const QChar letter = formType.trimmed().isEmpty() ? QChar() : formType.trimmed().at(0).toUpper();
    if (letter == QLatin1Char(kPackageFormType)) {
        db::Recordset exams = connection.open(QStringLiteral("STATION..sp_Nurse_HS_Result_PackageExams %1").arg(db::Quote(resultNum)));
        for (; !exams.eof(); exams.moveNext()) {
            const QString type = exams.text(QStringLiteral("FormType")).trimmed();
            if (const std::optional<HeartForm> form = type.isEmpty() ? std::nullopt : HeartFormFor(type.at(0)))
                jobs.push_back({exams.text(QStringLiteral("ResultNum")), *form});
        }
    } else if (const std::optional<HeartForm> form = HeartFormFor(letter)) {
        jobs.push_back({resultNum, *form});
    }
    return jobs;
}

HeartStationPanel::HeartStationPanel(QWidget* parent)
    : ChartPanel(parent)
{
    setObjectName(QStringLiteral("HeartStationPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(shell::StationLook::Small, shell::StationLook::Small, shell::StationLook::Small,
                               shell::StationLook::Small);
    mshflexHeart = NewResultGrid(QStringLiteral("mshflexHeart"), kHeartFormat, this);
    layout->addWidget(mshflexHeart, 2);
    layout->addWidget(new QLabel(QStringLiteral("Result:"), this));
    txtHeartResult = new QPlainTextEdit(this);
    txtHeartResult->setObjectName(QStringLiteral("txtHeartResult"));
    txtHeartResult->setReadOnly(true);
    layout->addWidget(txtHeartResult, 2);
    cmdHeartResult = new QPushButton(QStringLiteral("&Print Result"), this);
    cmdHeartResult->setObjectName(QStringLiteral("cmdHeartResult"));
    layout->addLayout(shell::StationLook::ButtonRow({cmdHeartResult}, false));

    connect(mshflexHeart, &QTableWidget::itemSelectionChanged, this, &HeartStationPanel::mshflexHeart_Click);
    connect(cmdHeartResult, &QPushButton::clicked, this, &HeartStationPanel::cmdHeartResult_Click);
}

void HeartStationPanel::loadPatient(const ChartPatient& patient)
{
    patient_ = patient;
    txtHeartResult->clear();
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rows = c.open(QStringLiteral("STATION..Nurse_GetHrt %1").arg(db::Quote(patient.idNum)));
        FillResultGrid(mshflexHeart, rows,
                       {QStringLiteral("Trans. No"), QStringLiteral("Exam. Name"), QStringLiteral("Trans. Date"),
                        QStringLiteral("Result Date"), QStringLiteral("FORM"), QStringLiteral("ATTN. DOCTOR"),
                        QStringLiteral("CARDIOLOGIST")});
    });
}

// The chosen result as the cardiologist wrote it: the measurements, the
// findings and the impression (a package: each of its exams in turn).
void HeartStationPanel::mshflexHeart_Click()
{
    txtHeartResult->clear();
    const QString resultNum = ChosenCell(mshflexHeart, HeartTransNo);
    if (resultNum.isEmpty())
        return;
    QStringList text;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset results = c.open(
            QStringLiteral("SELECT ResultNum, ExamName, ISNULL(Findings, '') AS Findings, ISNULL(Impression, '') AS Impression "
                           "FROM RADIOLOGY..tbHSResult WHERE ResultNum = %1 OR PackageNum = %1 ORDER BY ResultNum")
                .arg(db::Quote(resultNum)));
        for (; !results.eof(); results.moveNext()) {
            const QString number = results.text(QStringLiteral("ResultNum"));
            text << results.text(QStringLiteral("ExamName"));
            db::Recordset m = c.open(QStringLiteral("SELECT Site, Side, Measure, Value, NormalValue FROM RADIOLOGY..tbHSMeasurement "
                                                    "WHERE ResultNum = %1 ORDER BY Seq")
                                         .arg(db::Quote(number)));
            for (; !m.eof(); m.moveNext()) {
                QString line = QStringLiteral("  %1 %2 %3: %4")
                                   .arg(m.text(QStringLiteral("Site")), m.text(QStringLiteral("Side")),
                                        m.text(QStringLiteral("Measure")), m.text(QStringLiteral("Value")))
                                   .simplified();
                if (!m.text(QStringLiteral("NormalValue")).isEmpty())
                    line += QStringLiteral("  (normal %1)").arg(m.text(QStringLiteral("NormalValue")));
                text << QStringLiteral("  ") + line;
            }
            text << QStringLiteral("FINDINGS: ") + results.text(QStringLiteral("Findings"));
            if (!results.text(QStringLiteral("Impression")).isEmpty())
                text << QStringLiteral("IMPRESSION: ") + results.text(QStringLiteral("Impression"));
            text << QString();
        }
    });
    txtHeartResult->setPlainText(text.join(QLatin1Char('\n')).trimmed());
}

void HeartStationPanel::cmdHeartResult_Click()
{
    const QString resultNum = ChosenCell(mshflexHeart, HeartTransNo);
    if (resultNum.isEmpty()) {
        shell::Notify(QStringLiteral("Please select a result to print."), shell::PromptIcon::Exclamation);
        return;
    }
    std::vector<HeartPrintJob> jobs;
    if (!shell::SaveTransaction::Load([&](db::Connection& c) { jobs = HeartPrintJobs(c, resultNum, ChosenCell(mshflexHeart, HeartForm_)); }))
        return;
    if (jobs.empty()) {
        shell::Notify(QStringLiteral("There is no result form for this exam."), shell::PromptIcon::Exclamation);
        return;
    }
    for (const HeartPrintJob& job : jobs) {
        if (!reports::OpenReport(job.form.reportFile, {job.resultNum}) || !reports::ShowReport(false, job.form.title))
            return;
    }
}

} // namespace chart::labheart
