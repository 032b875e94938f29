#include "support/WorkerProcesses.h"

#include "db/DbError.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace test {

namespace {

const QString kJobVariable = QStringLiteral("ORSTATION_WORKER_JOB");
const QString kDatabaseVariable = QStringLiteral("ORSTATION_WORKER_DB");
const QString kOutputVariable = QStringLiteral("ORSTATION_WORKER_OUT");
const QString kIndexVariable = QStringLiteral("ORSTATION_WORKER_INDEX");

int RunJob(const WorkerJob& job)
{
    QFile output(qEnvironmentVariable(qPrintable(kOutputVariable)));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream out(&output);
    try {
        job(qEnvironmentVariable(qPrintable(kDatabaseVariable)), qEnvironmentVariableIntValue(qPrintable(kIndexVariable)), out);
    } catch (const db::DbError& error) {
        out << "error: " << error.message() << '\n';
        return 1;
    }
    return 0;
}

class WorkerEnvironment : public ::testing::Environment {
public:
    WorkerEnvironment(QString name, WorkerJob job) : name_(std::move(name)), job_(std::move(job)) {}

    void SetUp() override
    {
        if (qEnvironmentVariable(qPrintable(kJobVariable)) == name_)
            std::exit(RunJob(job_));
    }

private:
    QString name_;
    WorkerJob job_;
};

QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

bool RegisterWorkerJob(const QString& name, WorkerJob job)
{
    ::testing::AddGlobalTestEnvironment(new WorkerEnvironment(name, std::move(job)));
    return true;
}

std::vector<QStringList> RunWorkers(const QString& name, int count, const QString& databasePath,
                                    const QString& testFilter, int timeoutMs)
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QString dir = TempDir();
    std::vector<std::unique_ptr<QProcess>> workers;
    QStringList outputs;
    for (int w = 0; w < count; ++w) {
        outputs << dir + QStringLiteral("/%1-%2.txt").arg(name).arg(w);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kJobVariable, name);
        environment.insert(kDatabaseVariable, databasePath);
        environment.insert(kOutputVariable, outputs[w]);
        environment.insert(kIndexVariable, QString::number(w));
        auto worker = std::make_unique<QProcess>();
        worker->setProcessEnvironment(environment);
        worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The worker's environment starts only when a test is selected; it exits before that test runs.
        worker->start(self, {QStringLiteral("--gtest_filter=") + testFilter});
        workers.push_back(std::move(worker));
    }
    std::vector<QStringList> lines;
    for (int w = 0; w < count; ++w) {
        if (!workers[w]->waitForFinished(timeoutMs)) {
            ADD_FAILURE() << qPrintable(name) << " worker " << w << " did not finish";
            workers[w]->kill();
            workers[w]->waitForFinished();
        } else {
            EXPECT_EQ(workers[w]->exitCode(), 0)
                << qPrintable(name) << " worker " << w << ": " << qPrintable(ReadLines(outputs[w]).join(QLatin1Char('\n')));
        }
        lines.push_back(ReadLines(outputs[w]));
    }
    return lines;
}

} // namespace test
