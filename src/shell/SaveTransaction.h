#pragma once

#include <QString>

#include <functional>

namespace db {
class Connection;
}

namespace shell {

// The one save path of every window. A save that writes (delete then insert,
// update then log, delete then log) hands its statements to Run: they run in
// one transaction on the shared connection, so a failure half-way leaves the
// stored record as it was. On failure the user is told once ("Notification",
// critical icon, the server's text) and the window keeps everything typed:
// Run returns false and the caller simply stays open.
class SaveTransaction {
public:
    using Work = std::function<void(db::Connection&)>;

    // Runs `work` in one transaction; true when it committed.
    static bool Run(const Work& work);
    // The same, for a window whose failure message has words of its own
    // before the server's text ("Transaction was not saved! " + CR LF).
    static bool Run(const Work& work, const QString& failureLead);

    // Runs a read that a window's later save depends on. When it fails the
    // user is told and false comes back: the caller must then refuse to save,
    // so that defaults never overwrite the stored record.
    static bool Load(const Work& read);

    // The text shown for a failed statement: the server's words and the
    // station's usual request to call IT.
    static QString FailureText(const QString& serverText);
};

} // namespace shell
