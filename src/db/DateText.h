#pragma once

#include <QDateTime>
#include <QString>

namespace db {

// Reads a date-time written in any form the program or the server uses:
// "mm/dd/yyyy", "mm/dd/yyyy hh:mm[:ss] AM/PM", "mm/dd/yyyy HH:mm[:ss]",
// "yyyy-MM-dd[ HH:mm:ss[.zzz]]" (also with a "T"), "yyyyMMdd", or a time alone,
// which falls on 1 January 1900 as on SQL Server. Invalid when the text is none of these.
// The server's date-times carry no zone: its own arithmetic reads them as UTC
// wall-clock values, which never jump at a daylight-saving change.
QDateTime ParseDateText(const QString& text, Qt::TimeSpec zone = Qt::LocalTime);

// The stored form of a date-time: "yyyy-MM-dd HH:mm:ss.zzz".
QString StoredDateText(const QDateTime& value);

} // namespace db
