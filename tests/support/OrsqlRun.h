#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace test {

// What orsql said: its exit code (-1 when it crashed or never finished) and
// its two output streams.
struct OrsqlResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs this build's orsql as a user would, feeding `input` on standard input.
// A missing program or one that hangs fails the running test.
OrsqlResult RunOrsql(const QStringList& arguments, const QByteArray& input = QByteArray());

} // namespace test
