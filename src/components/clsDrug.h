#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// The drug component: looks items of the pharmacy and central supply up by
// code. Its look-up (Drug.SearchDrug and the item fields) comes with the first
// charging window that uses it.
class clsDrug : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjDrugDLL.clsDrug";

    bool InitConnect(db::Connection* connection) { return connectTo(connection); }
};

} // namespace components
