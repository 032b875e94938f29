#include "support/OrsqlRun.h"

#include "support/TestDatabase.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace test {

OrsqlResult RunOrsql(const QStringList& arguments, const QByteArray& input)
{
    const QString program = OrsqlProgram();
    if (!QFileInfo(program).isExecutable()) {
        ADD_FAILURE() << "no orsql program at " << qPrintable(program);
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(300000)) {
        ADD_FAILURE() << "orsql did not finish: " << qPrintable(arguments.join(QLatin1Char(' ')));
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace test
