#pragma once

#include "components/ConnectedComponent.h"

namespace components {

// Medicines and supplies issued to a patient (ListIssuedbyDrugs comes with
// the first window that lists them); DrugsORCSR as for the item list.
class clsIssuedMedicines : public ConnectedComponent {
public:
    static constexpr const char* ProgID = "prjissuedmedsdll.clsIssuedMedicines";

    bool InitConnection(db::Connection* connection) { return connectTo(connection); }

    bool DrugsORCSR = false;
};

} // namespace components
