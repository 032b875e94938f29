#pragma once

#include "charging/ChargeLine.h"

namespace db {
class Connection;
}

namespace charging {

// The charge-slip print buffer (STATION..tbORChargePrint) as the posting
// fills it. Hospitals run older and newer servers: the oldest procedure takes
// five values, a newer one also the station, the newest also the slip. The
// buffer asks the server once how many the procedure takes and sends those.
class ChargePrintBuffer {
public:
    explicit ChargePrintBuffer(int parameterCount) : parameterCount_(parameterCount) {}

    // Asks the server (through the shared parameter-count routine, on the
    // shared connection). Throws db::DbError when the server refuses.
    static ChargePrintBuffer Probe();

    // The statement that appends the line.
    QString statement(const ChargeLine& line, const QString& slip) const;
    void append(db::Connection& connection, const ChargeLine& line, const QString& slip) const;

    int parameterCount() const { return parameterCount_; }

private:
    int parameterCount_;
};

} // namespace charging
