#pragma once

#include <QObject>

namespace db {
class Connection;
}

namespace scheduling {

// The two schedule polls of the main window, and the word a window sends
// when it has answered a request so that the main window checks at once
// instead of at its next tick.
class ScheduleAlerts : public QObject {
    Q_OBJECT
public:
    static ScheduleAlerts& instance();

    // Requests from the stations wait for an answer (SCHEDULE..sp_GetORSchedule_Request).
    static bool RequestsWaiting(db::Connection& connection);
    // Admitted patients with a confirmed operation not yet ticked off
    // (SCHEDULE..sp_List_ConfirmedORSchedule '9','').
    static bool ConfirmedWaiting(db::Connection& connection);

    // Called by the windows that confirm, revoke or book.
    static void RequestsHandled() { emit instance().requestsHandled(); }

signals:
    void requestsHandled();
};

} // namespace scheduling
