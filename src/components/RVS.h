#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The relative-value-scale look-up of operations (List and its results
// RVSCode, RVSDescription, RVSPoints come with the operation records).
class RVS : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "RVSKelvane.RVS";

    bool InitConnection(db::Connection* connection) { return connectTo(connection); }
};

} // namespace components
