#pragma once

#include "components/clsCF4.h"
#include "components/clslabViewer.h"

namespace db {
class Connection;
}

namespace components {

// The shared classes of the hospital system that come with the current user:
// the station sets UseClasses, calls initwithdb once the log-in has opened the
// connection, then reads the objects it needs (clsCF4).
class KelvaneClasses {
public:
    bool UseClasses = false;

    // Hands the log-in's connection to the shared objects. False (and nothing
    // handed over) while UseClasses is off or nobody has logged in.
    bool initwithdb()
    {
        if (!UseClasses || !connection_)
            return false;
        cf4_.connection = connection_;
        return true;
    }

    components::clsCF4* clsCF4() { return &cf4_; }
    // The laboratory's result viewer; the chart hands it the connection itself.
    components::clslabViewer* clslabViewer() { return &labViewer_; }
    // The viewer the hospital's installation provides, in place of ours.
    void replaceLabViewer(components::clslabViewer viewer) { labViewer_ = std::move(viewer); }

    // The current user's connection, set at log-in.
    void attach(db::Connection* connection) { connection_ = connection; }

private:
    db::Connection* connection_ = nullptr;
    components::clsCF4 cf4_;
    components::clslabViewer labViewer_;
};

} // namespace components
