#pragma once

namespace components {

// The histopathology request of the site that sends specimens from the
// operating room ("QORV"); its request window (showform) comes with the
// operation records.
class clsHistopathRequest {
public:
    static constexpr const char* ProgID = "HistopathRequest.clsHistopathRequest";
};

} // namespace components
