#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace test {

// Tests that need several processes at once start copies of their own test
// program as workers. A worker runs its job before any test and exits: 0
// when the job finished, 1 after a database error (written as "error: ...").
using WorkerJob = std::function<void(const QString& databasePath, int index, QTextStream& out)>;

// Registers the job `name` of this test program; call it from a namespace-
// scope initialiser. Returns true, so it can initialise a constant.
bool RegisterWorkerJob(const QString& name, WorkerJob job);

// Starts `count` workers of job `name` on one database file and waits for
// them; a worker that hangs or fails fails the running test. `testFilter`
// selects a test of this program (the workers exit before it runs). Gives
// each worker's output lines, in worker order.
std::vector<QStringList> RunWorkers(const QString& name, int count, const QString& databasePath,
                                    const QString& testFilter, int timeoutMs);

} // namespace test
