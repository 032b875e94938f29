#pragma once

#include "server/procedures/Procedure.h"

#include <QDateTime>
#include <QString>

namespace server {

// What the procedures need to know of one admission or out-patient visit.
// An admission number is looked up among the admissions first, then among
// the visits, as the hospital's own procedures do.
struct Encounter {
    bool found = false;
    bool inPatient = false;
    QString idNum;
    QString hospNum;
    QString accountNum;
    QString packageId;
    QString roomClass; // the admission room's class letter; "" for a visit or no room
    QDateTime admitted;
};

Encounter FindEncounter(ProcContext& ctx, const QString& idNum);

// The patient's rate class: the room's class for an admission, "A" for a
// visit or an admission without a room.
QString RateClassOf(const Encounter& encounter);

// True when the encounter is charged to a company account that is an HMO.
bool IsHMOAccount(ProcContext& ctx, const Encounter& encounter);

// A single-column, single-row result set.
db::ResultSet OneValue(const QString& column, const QVariant& value);

} // namespace server
