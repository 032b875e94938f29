#pragma once

#include <QDateTime>

namespace server::demo {

// Demo times are wall-clock times without a zone: no daylight-saving gap can
// shift them, and writing them needs no time-zone look-up.
inline QDateTime At(const QDate& day, const QTime& time)
{
    return QDateTime(day, time, Qt::UTC);
}

} // namespace server::demo
