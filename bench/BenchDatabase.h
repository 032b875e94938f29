#pragma once

#include <QString>

namespace bench {

// The scaled demo hospital the look-up benchmarks read (about 100,000
// admissions), created on first use and kept for later runs. Its place is
// $ORSTATION_BENCH_DB, or a file in the system's temporary folder.
QString ScaledDemoPath();

// A small database holding the schema alone, for benchmarks that need no rows.
QString EmptyDatabasePath();

} // namespace bench
