#pragma once

#include <QString>

namespace chart::requests {

// Taking back a sent request from the chart's requests-and-state grid: a
// laboratory request only while the administrator allows it, only with the
// revoking right, only while the department has not processed it and only
// from the station that sent it; then the nurse's yes and signature, and the
// revocation in one transaction. True when the request was revoked.
bool RevokeRequest(const QString& requestNum, const QString& department, const QString& item);

} // namespace chart::requests
