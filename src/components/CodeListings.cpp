#include "components/CodeListings.h"

#include "db/SqlText.h"

namespace components {

namespace {

ListingDef::Column col(const char* field, const char* header, bool money = false)
{
    return ListingDef::Column{QLatin1String(field), QLatin1String(header), money};
}

QString rateColumns(int count)
{
    QStringList columns;
    for (int i = 0; i < count; ++i)
        columns << QStringLiteral("Rate") + QChar(u'A' + i);
    return columns.join(QStringLiteral(", "));
}

} // namespace

ListingDef StockItemListing()
{
    return ListingDef{Listing::StockItems, QStringLiteral("List of Items"), QStringLiteral("ItemID"),
                      {col("ItemID", "Code"), col("ItemName", "Item Name"), col("OnHand", "On Hand"),
                       col("SellingPrice", "Price", true)}};
}

std::optional<ListingDef> FindListing(int number)
{
    switch (static_cast<Listing>(number)) {
    case Listing::Doctors:
        return ListingDef{Listing::Doctors, QStringLiteral("List of Doctors"), QStringLiteral("DoctorID"),
                          {col("DoctorID", "Code"), col("LastName", "Last Name"), col("FirstName", "First Name"),
                           col("MiddleName", "Middle Name"), col("Specialty", "Specialty")}};
    case Listing::Diets:
        return ListingDef{Listing::Diets, QStringLiteral("List of Diets"), QStringLiteral("DietID"),
                          {col("DietID", "Code"), col("Diet", "Diet"), col("Remark", "Remark")}};
    case Listing::Services:
        return ListingDef{Listing::Services, QStringLiteral("List of Services"), QStringLiteral("ServiceID"),
                          {col("ServiceID", "Code"), col("Service", "Service")}};
    case Listing::LaboratoryExams:
        return ListingDef{Listing::LaboratoryExams, QStringLiteral("List of Laboratory Exams"), QStringLiteral("LabExamID"),
                          {col("LabExamID", "Code"), col("LabExam", "Laboratory Exam"), col("LabSectionID", "Section"),
                           col("RateA", "Rate A", true)}};
    case Listing::OtherRevenue:
        return ListingDef{Listing::OtherRevenue, QStringLiteral("List of Other Revenues"), QStringLiteral("OtherRevenueID"),
                          {col("OtherRevenueID", "Code"), col("OtherRevenue", "Description"), col("OtherSectionID", "Section"),
                           col("RateA", "Rate A", true)}};
    case Listing::Dosages:
        return ListingDef{Listing::Dosages, QStringLiteral("List of Dosages"), QStringLiteral("DosageID"),
                          {col("DosageID", "Code"), col("Dosage", "Dosage"), col("Frequency", "Frequency")}};
    case Listing::StockItems:
        break;
    }
    return std::nullopt;
}

QString ListingQuery(const ListingDef& def, const ListingFilter& filter)
{
    QString select;
    QStringList where{QStringLiteral("ISNULL(Status, 'A') = 'A'")};
    QString order;
    switch (def.listing) {
    case Listing::Doctors:
        select = QStringLiteral("SELECT DoctorID, LastName, FirstName, MiddleName, Specialty FROM BUILD_FILE..tbCoDoctor");
        if (filter.affiliatedOnly)
            where << QStringLiteral("ISNULL(Affiliated, 1) = 1");
        order = QStringLiteral("LastName, FirstName, MiddleName");
        break;
    case Listing::Diets:
        select = QStringLiteral("SELECT DietID, Diet, Remark FROM BUILD_FILE..tbCoDiet");
        order = QStringLiteral("Diet");
        break;
    case Listing::Services:
        select = QStringLiteral("SELECT ServiceID, Service FROM BUILD_FILE..tbCoService");
        order = QStringLiteral("Service");
        break;
    case Listing::LaboratoryExams:
        select = QStringLiteral("SELECT LabExamID, LabExam, LabSectionID, %1 FROM BUILD_FILE..tbcoLabExam").arg(rateColumns(8));
        order = QStringLiteral("LabExam");
        break;
    case Listing::OtherRevenue:
        select = QStringLiteral("SELECT OtherRevenueID, OtherRevenue, OtherSectionID, %1 FROM BUILD_FILE..TbCoOtherRevenue")
                     .arg(rateColumns(9));
        if (!filter.otherSectionID.trimmed().isEmpty())
            where << QStringLiteral("OtherSectionID = ") + db::Quote(filter.otherSectionID.trimmed());
        order = QStringLiteral("OtherRevenue");
        break;
    case Listing::Dosages:
        select = QStringLiteral("SELECT DosageID, Dosage, Frequency FROM BUILD_FILE..tbCoDosage");
        order = QStringLiteral("Dosage");
        break;
    case Listing::StockItems: {
        // Two tables share the item code here, so this listing names its columns itself.
        QStringList items{QStringLiteral("ISNULL(M.Status, 'A') = 'A'"),
                          QStringLiteral("L.LocationID = ") + db::Quote(filter.location.trimmed())};
        if (!filter.containing.trimmed().isEmpty()) {
            const QString like = db::LikeContaining(filter.containing.trimmed());
            items << QStringLiteral("(M.ItemID LIKE %1 OR M.ItemName LIKE %1)").arg(like);
        }
        if (!filter.exactCode.isNull())
            items << QStringLiteral("M.ItemID = ") + db::Quote(filter.exactCode.trimmed());
        return QStringLiteral("SELECT M.ItemID, M.ItemName, L.OnHand, M.SellingPrice FROM INVENTORY..tbInvItemLocation L "
                              "JOIN INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID WHERE ")
               + items.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY M.ItemName, M.ItemID");
    }
    }
    if (!filter.exactCode.isNull())
        where << def.codeColumn + QStringLiteral(" = ") + db::Quote(filter.exactCode.trimmed());
    return select + QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY ") + order;
}

} // namespace components
