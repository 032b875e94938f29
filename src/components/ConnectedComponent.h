#pragma once

#include "db/Connection.h"

#include <QString>

namespace components {

// What every data component does when the station connects it: keep the
// shared connection (and its connection string, which the components were
// once given instead) and say whether it can work.
class ConnectedComponent {
public:
    virtual ~ConnectedComponent() = default;

    db::Connection* connection() const { return connection_; }
    QString ConnectionString;

protected:
    // True when there is an open connection to work on; a component without
    // one stays unconnected.
    bool connectTo(db::Connection* connection)
    {
        connection_ = connection;
        ConnectionString = connection ? connection->connectionString() : QString();
        return connection != nullptr;
    }

private:
    db::Connection* connection_ = nullptr;
};

} // namespace components
