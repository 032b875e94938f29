#pragma once

#include <QDate>
#include <QString>

// The period a report covers, as the date prompts leave it: both texts are
// "mm/dd/yyyy", cleared when a prompt opens and filled only when the user
// confirms. A caller runs its report only when both are filled.
namespace app {

extern QString ReportDateFrom;
extern QString ReportDateTo;

// Empties both period texts (the prompts on opening, ResetGlobals).
void ClearReportPeriod();

} // namespace app

namespace reports {

// The date rules the prompts and the period reports share.
class ReportPeriod {
public:
    // A date as the period texts hold it: "MM/dd/yyyy".
    static QString DateText(const QDate& date);
    // Reads a period text back; an invalid date for anything else.
    static QDate ParseDate(const QString& text);

    // True when a prompt was confirmed: both texts are filled.
    static bool IsChosen();
    // Fills both texts from a confirmed prompt.
    static void Store(const QDate& from, const QDate& to);

    // The day the prompts start at: the server's day, or the machine's day
    // before the server clock was read.
    static QDate Today();
    // The last day a prompt may offer: today, or 12/31/9999 when the report
    // may look ahead.
    static QDate LatestDate(bool allowFutureDate);

    // The first and the last day of a date's month (the first day plus one
    // month less one day, so February follows the leap years).
    static QDate FirstOfMonth(const QDate& date);
    static QDate LastOfMonth(const QDate& date);

    // The yearly reports run from "01/01/" to "12/31/" of the chosen year.
    static QString YearStart(int year);
    static QString YearEnd(int year);
};

} // namespace reports
