#include "chart/requests/ExamLookup.h"

#include "components/CodeListings.h"
#include "components/frmCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"

#include <QApplication>

namespace chart::requests {

namespace {

db::Connection& shared()
{
    db::Connection* connection = app::SQLConnection();
    if (!connection)
        throw db::DbError(QStringLiteral("The station is not connected to the database."));
    return *connection;
}

struct PriceList {
    QString table, idColumn, nameColumn, sectionColumn, filter, title;
};

PriceList priceListOf(const QString& department)
{
    const QString d = department.trimmed().toUpper();
    if (d == QLatin1String("LB"))
        return {QStringLiteral("BUILD_FILE..tbcoLabExam"), QStringLiteral("LabExamID"), QStringLiteral("LabExam"),
                QStringLiteral("LabSectionID"), QString(), QStringLiteral("List of Laboratory Exams")};
    if (d == QLatin1String("XR"))
        return {QStringLiteral("BUILD_FILE..tbCoXrayExam"), QStringLiteral("XrayexamID"), QStringLiteral("XrayExam"),
                QStringLiteral("''"), QString(), QStringLiteral("List of Xray Exams")};
    if (d == QLatin1String("US"))
        return {QStringLiteral("BUILD_FILE..tbCoultraExam"), QStringLiteral("UltraexamID"), QStringLiteral("UltraExam"),
                QStringLiteral("''"), QString(), QStringLiteral("List of Ultrasound Exams")};
    return {QStringLiteral("BUILD_FILE..TbCoOtherRevenue"), QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue"),
            QStringLiteral("OtherSectionID"), QStringLiteral(" AND OtherSectionID = ") + db::Quote(d), QStringLiteral("List of Exams")};
}

QString rateColumn(const QString& rateClass)
{
    const QString letter = rateClass.trimmed().toUpper();
    return letter.size() == 1 && letter.at(0) >= QLatin1Char('A') && letter.at(0) <= QLatin1Char('H') ? QStringLiteral("Rate") + letter
                                                                                                       : QStringLiteral("RateA");
}

QString selectOf(const PriceList& list, const QString& rate)
{
    return QStringLiteral("SELECT %1 AS Code, %2 AS Name, ISNULL(%3, '') AS Section, ISNULL(%4, 0) AS Price FROM %5 WHERE ISNULL(Status, 'A') = 'A'%6")
        .arg(list.idColumn, list.nameColumn, list.sectionColumn, rate, list.table, list.filter);
}

Exam examOf(const QVariantMap& row)
{
    Exam exam;
    exam.code = row.value(QStringLiteral("Code")).toString().trimmed();
    exam.name = row.value(QStringLiteral("Name")).toString().trimmed();
    exam.section = row.value(QStringLiteral("Section")).toString().trimmed();
    exam.price = db::Decimal::fromVariant(row.value(QStringLiteral("Price"))).value_or(db::Decimal());
    return exam;
}

QVariantMap rowOf(const db::Recordset& rs)
{
    QVariantMap row;
    for (int i = 0; i < rs.fieldCount(); ++i)
        row.insert(rs.fieldName(i), rs.field(i).value());
    // Money keeps its exact figure through the map.
    row.insert(QStringLiteral("Price"), rs.field(QStringLiteral("Price")).toMoney().toString());
    return row;
}

} // namespace

std::optional<Exam> LookUpExam(const QString& department, const QString& typed, const QString& rateClass)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const PriceList list = priceListOf(department);
    const QString rate = rateColumn(rateClass);
    db::Connection& c = shared();
    const db::Recordset exact = c.open(selectOf(list, rate) + QStringLiteral(" AND %1 = %2").arg(list.idColumn, db::Quote(text)));
    if (!exact.eof())
        return examOf(rowOf(exact));
    QList<QVariantMap> rows;
    for (db::Recordset rs = c.open(selectOf(list, rate) + QStringLiteral(" AND %1 LIKE %2 ORDER BY %1").arg(list.nameColumn, db::LikeStartingWith(text)));
         !rs.eof(); rs.moveNext())
        rows << rowOf(rs);
    if (rows.size() == 1)
        return examOf(rows.front());
    components::ListingDef def{components::Listing::OtherRevenue, list.title, QStringLiteral("Code"),
                               {{QStringLiteral("Code"), QStringLiteral("Code")},
                                {QStringLiteral("Name"), QStringLiteral("Examination")},
                                {QStringLiteral("Section"), QStringLiteral("Section")},
                                {QStringLiteral("Price"), QStringLiteral("Amount"), true}}};
    components::frmCodeSearch dialog(def, rows, QString(), QApplication::activeWindow());
    if (shell::Prompts::current().exec(dialog) != QDialog::Accepted || !dialog.chosen())
        return std::nullopt;
    return examOf(*dialog.chosen());
}

db::Decimal ExamAmount(const QString& department, const QString& roomClass, const QString& code)
{
    const db::Recordset rs = shared().open(QStringLiteral("STATION..Nurse_GetExamAmount ") + db::Quote(department.trimmed()) + QLatin1Char(',')
                                           + db::Quote(roomClass.trimmed().isEmpty() ? QStringLiteral("A") : roomClass.trimmed())
                                           + QLatin1Char(',') + db::Quote(code.trimmed()));
    return rs.eof() ? db::Decimal() : rs.field(QStringLiteral("Amount")).toMoney();
}

int MaxQuantity(const QString& department, const QString& code)
{
    const QString d = department.trimmed().toUpper();
    if (d != QLatin1String("LB") && d != QLatin1String("XR") && d != QLatin1String("US"))
        return 1;
    const PriceList list = priceListOf(d);
    const db::Recordset rs = shared().open(
        QStringLiteral("Select Case When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then ISNULL(MaxQty,1) Else 1 End As MaxQty from ")
        + list.table + QStringLiteral(" where ") + list.idColumn + QStringLiteral(" = ") + db::Quote(code.trimmed()));
    return rs.eof() ? 1 : std::max(1, rs.field(QStringLiteral("MaxQty")).toInt());
}

bool UnrestrictedForCashBasis(const QString& code)
{
    const db::Recordset rs = shared().open(QStringLiteral("Select IsNull(Unrestricted, '0') as Value, * from Build_File..TbCoLabExam where LabExamID = ")
                                           + db::Quote(code.trimmed()));
    return rs.eof() || rs.field(QStringLiteral("Value")).toBool();
}

} // namespace chart::requests
