#include "server/demo/DemoChargeables.h"

#include "server/demo/DemoFormulary.h"

namespace server::demo {

QHash<QString, std::vector<Chargeable>> LoadChargeables(db::Connection& connection)
{
    QHash<QString, std::vector<Chargeable>> byDepartment;
    for (const FormularyItem& item : Formulary()) {
        const QString revenue = item.medicine ? QStringLiteral("PH") : QStringLiteral("CS");
        byDepartment[revenue].push_back({revenue, item.itemId, item.name, item.price,
                                         item.medicine ? QStringLiteral("20") : QStringLiteral("21"), QString()});
    }
    const struct {
        const char* revenue;
        const char* sql;
    } lists[] = {
        {"LB", "SELECT LabExamID AS Code, LabExam AS Name, RateA, LabSectionID AS Section FROM BUILD_FILE..tbcoLabExam ORDER BY LabExamID"},
        {"XR", "SELECT XrayexamID AS Code, XrayExam AS Name, RateA, '' AS Section FROM BUILD_FILE..tbCoXrayExam ORDER BY XrayexamID"},
        {"US", "SELECT UltraexamID AS Code, UltraExam AS Name, RateA, '' AS Section FROM BUILD_FILE..tbCoultraExam ORDER BY UltraexamID"},
        {"", "SELECT OtherSectionID AS Dept, OtherRevenueID AS Code, OtherRevenue AS Name, RateA, '' AS Section FROM BUILD_FILE..TbCoOtherRevenue ORDER BY OtherSectionID, OtherRevenueID"},
    };
    for (const auto& list : lists) {
        db::Recordset rs = connection.open(QString::fromLatin1(list.sql));
        for (; !rs.eof(); rs.moveNext()) {
            const QString revenue = *list.revenue ? QString::fromLatin1(list.revenue) : rs.text(QStringLiteral("Dept")).trimmed();
            byDepartment[revenue].push_back({revenue, rs.text(QStringLiteral("Code")).trimmed(),
                                             rs.text(QStringLiteral("Name")), rs.number(QStringLiteral("RateA")),
                                             QString(), rs.text(QStringLiteral("Section")).trimmed()});
        }
    }
    return byDepartment;
}

} // namespace server::demo
