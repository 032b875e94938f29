#include "reports/ReportPeriod.h"

#include "shell/Globals.h"

namespace app {

QString ReportDateFrom;
QString ReportDateTo;

void ClearReportPeriod()
{
    ReportDateFrom.clear();
    ReportDateTo.clear();
}

} // namespace app

namespace reports {

namespace {
const QString kDateFormat = QStringLiteral("MM/dd/yyyy");
}

QString ReportPeriod::DateText(const QDate& date)
{
    return date.toString(kDateFormat);
}

QDate ReportPeriod::ParseDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), kDateFormat);
}

bool ReportPeriod::IsChosen()
{
    return !app::ReportDateFrom.isEmpty() && !app::ReportDateTo.isEmpty();
}

void ReportPeriod::Store(const QDate& from, const QDate& to)
{
    app::ReportDateFrom = DateText(from);
    app::ReportDateTo = DateText(to);
}

QDate ReportPeriod::Today()
{
    return app::ServerDate.isValid() ? app::ServerDate.date() : QDate::currentDate();
}

QDate ReportPeriod::LatestDate(bool allowFutureDate)
{
    return allowFutureDate ? QDate(9999, 12, 31) : Today();
}

QDate ReportPeriod::FirstOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

QDate ReportPeriod::LastOfMonth(const QDate& date)
{
    return FirstOfMonth(date).addMonths(1).addDays(-1);
}

QString ReportPeriod::YearStart(int year)
{
    return QStringLiteral("01/01/") + QString::number(year).rightJustified(4, QLatin1Char('0'));
}

QString ReportPeriod::YearEnd(int year)
{
    return QStringLiteral("12/31/") + QString::number(year).rightJustified(4, QLatin1Char('0'));
}

} // namespace reports
