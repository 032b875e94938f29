#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The list of a patient's charge slips (its window comes with the charging windows).
class clsChargeSlip : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjchargesliplistdll.clsChargeSlip";

    bool InitConnection(db::Connection* connection) { return connectTo(connection); }
};

} // namespace components
