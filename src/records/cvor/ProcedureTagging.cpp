#include "records/cvor/ProcedureTagging.h"

#include "components/clsCurrentuser.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

namespace records {

namespace {

// Rates of the build file are money: four places and fifteen digits before the point.
constexpr int kMoneyWholeDigits = 15;

QString RateText(const db::Decimal& rate)
{
    const std::optional<db::Decimal> shown = rate.withScale(2);
    return shown ? shown->toString() : rate.toString();
}

} // namespace

std::optional<OrProcedure> ProcedureTagging::Find(db::Connection& connection, const QString& code)
{
    if (code.trimmed().isEmpty())
        return std::nullopt;
    db::Recordset rs = connection.open(QStringLiteral("SELECT OtherRevenueID, OtherRevenue, RateA, SectionID FROM "
                                                      "BUILD_FILE..TBCOOTHERREVENUE WHERE OTHERSECTIONID = 'OR' AND "
                                                      "OTHERREVENUEID = %1")
                                           .arg(db::Quote(code.trimmed())));
    if (rs.eof())
        return std::nullopt;
    OrProcedure item;
    item.code = rs.text(QStringLiteral("OtherRevenueID"));
    item.description = rs.text(QStringLiteral("OtherRevenue"));
    item.rate = rs.field(QStringLiteral("RateA")).toMoney();
    item.tagged = rs.text(QStringLiteral("SectionID")).trimmed().compare(QLatin1String("PRC"), Qt::CaseInsensitive) == 0;
    return item;
}

bool ProcedureTagging::Tag(const QString& code, const QString& description, bool asProcedure)
{
    if (code.trimmed().isEmpty() || description.trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Please select item to update."), shell::PromptIcon::Exclamation);
        return false;
    }
    const QString section = asProcedure ? QStringLiteral("PRC") : QString();
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            c.execute(QStringLiteral("UPDATE BUILD_FILE..TBCOOTHERREVENUE SET SECTIONID = %1 WHERE OTHERSECTIONID = 'OR' "
                                     "AND OTHERREVENUEID = %2")
                          .arg(db::Quote(section), db::Quote(code.trimmed())));
        }))
        return false;
    shell::Notify(asProcedure ? QStringLiteral("Item successfully tagged as a procedure.")
                              : QStringLiteral("Item successfully untagged as a procedure."));
    return true;
}

std::optional<db::Decimal> ProcedureTagging::ParseRate(const QString& text)
{
    const QString trimmed = text.trimmed();
    // The server would take an exponent; a rate typed by hand never has one.
    if (trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    std::optional<db::Decimal> rate = db::Decimal::parse(trimmed);
    if (!rate || rate->isNegative() || rate->precision() - rate->scale() > kMoneyWholeDigits || rate->scale() > 4)
        return std::nullopt;
    return rate;
}

QString ProcedureTagging::EditLogText(const OrProcedure& before, const QString& description, const db::Decimal& rate)
{
    return QStringLiteral("EDITED PROCEDURE FROM: ") + before.description.trimmed() + QStringLiteral(" (") + RateText(before.rate)
           + QStringLiteral(") TO ") + description.trimmed() + QStringLiteral(" (") + RateText(rate) + QLatin1Char(')');
}

bool ProcedureTagging::SaveProcedure(const QString& code, const QString& description, const QString& rateText,
                                     const std::optional<OrProcedure>& original)
{
    if (code.trimmed().isEmpty() || description.trimmed().isEmpty()) {
        shell::Prompts::current().message(QStringLiteral("Either field must not be empty!"), QStringLiteral("Warning"),
                                          shell::PromptIcon::Exclamation);
        return false;
    }
    const std::optional<db::Decimal> rate = ParseRate(rateText);
    if (!rate) {
        shell::Notify(QStringLiteral("Enter numeric values only for RATE."), shell::PromptIcon::Exclamation);
        return false;
    }
    if (!shell::Confirm(QStringLiteral("Are you sure you want to save new/edited operation procedure details?"))) {
        shell::Notify(QStringLiteral("User Cancelled."));
        return false;
    }
    const QString employee = app::CurrentUser ? app::CurrentUser->EmployeeCode : QString();
    const QString logText = original ? EditLogText(*original, description, *rate)
                                     : QStringLiteral("CREATED NEW PROCEDURE: ") + code.trimmed();
    // The item and its log are one change: a procedure never appears without
    // the record of who made it.
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            c.execute(QStringLiteral("STATION..Save_New_ORProcedure %1,%2, %3, %4")
                          .arg(db::Quote(code.trimmed()), db::Quote(description.trimmed()), db::Quote(rate->toString()),
                               db::Quote(employee)));
            c.execute(QStringLiteral("Build_File..spBuild_LogUserUpdate %1,'OR', %2").arg(db::Quote(logText), db::Quote(employee)));
        }))
        return false;
    const QString name = app::CurrentUser ? app::CurrentUser->EmployeeName.trimmed() : QString();
    shell::Notify(QStringLiteral("New procedure saved and entered by '") + name + QStringLiteral("'."));
    shell::Notify(QStringLiteral("PLEASE CONTACT IT STAFF AND OTHER CONCERNED IF THERE WERE CHANGES. Thank you. "));
    return true;
}

} // namespace records
