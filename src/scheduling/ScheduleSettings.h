#pragma once

#include <QString>

namespace scheduling {

// What the schedule's windows read of the station's settings when they open.
struct ScheduleSettings {
    bool editSchedProcedure = false;      // OREditSchedProcedure
    bool allowEditScheduleDateTime = false; // OR_AllowEditScheduleDateTime: the date and start may move
    bool requireAnesthesiologist = true;  // RequireAnestSchedule
    bool linkToScheduling = false;        // LinkScheduleToScheduling: confirm through the linked procedure
    bool showNurses = false;              // ShowSCNurseinSchedule
    QString clientName;                   // the site code ("ZV" books two hours by default)

    // The hours a new booking lasts until the end is set: two at "ZV", one elsewhere.
    int defaultHours() const { return clientName == QLatin1String("ZV") ? 2 : 1; }

    // The two flags from STATION..TBNURSING_SETTINGS (first row) and the
    // program settings loaded at start-up. False when the read failed (the
    // user was told; the window must not save on defaults).
    static bool Load(ScheduleSettings& settings);
};

} // namespace scheduling
