#pragma once

#include "reports/Report.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace reports {

// How values are shown on a printed report and how parameters enter its
// queries.
class ReportValues {
public:
    // A value as printed. Without a format: dates as "MM/dd/yyyy" (with
    // " hh:mm AM" when they carry a time of day), numbers as they are, text as
    // it is. A format is either a date pattern ("MM/dd/yyyy hh:mm AP",
    // "MMMM d, yyyy"), a number pattern ("#,##0.00", "0", "P #,##0.00"), or
    // "Upper" / "Lower".
    static QString Display(const QVariant& value, const QString& format = QString());

    // A date or date-time in any form the server or the program hands over
    // (QDate, QDateTime, "yyyy-MM-dd HH:mm:ss.zzz", "mm/dd/yyyy", "mm/dd/yyyy
    // hh:mm:ss AM"); invalid for anything else.
    static QDateTime ParseDateTime(const QVariant& value);
    // A number from a value (thousands separators allowed); nullopt when it is none.
    static std::optional<double> ParseNumber(const QVariant& value);

    // The parameter's value as a T-SQL literal: text through db::Quote, dates
    // as quoted "mm/dd/yyyy", numbers unquoted, yes/no as 1 or 0, NULL when
    // empty. Throws ReportError (naming the parameter) for a value that is
    // not of the parameter's type.
    static QString SqlLiteral(const ReportParameter& parameter);
    // The parameter as printed in the layout.
    static QString DisplayParameter(const ReportParameter& parameter, const QString& format);

    // Replaces every @Name of a declared parameter in a T-SQL text by its
    // literal. Names inside quoted strings, [bracketed] or "quoted" names and
    // comments are left alone, as are @@functions and undeclared @variables.
    static QString BindParameters(const QString& sql, const QList<ReportParameter>& parameters);
};

} // namespace reports
