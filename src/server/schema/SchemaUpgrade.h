#pragma once

namespace server {

class EmbeddedBackend;

// Brings a database file to the newest schema: runs, in order and each in its
// own transaction, every numbered schema script newer than the version the
// file records. A user's file is upgraded in place, never recreated.
void UpgradeSchema(EmbeddedBackend& backend);

// The newest schema version the program carries.
int LatestSchemaVersion();

} // namespace server
