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
    }
    if (!filter.exactCode.isNull())
        where << def.codeColumn + QStringLiteral(" = ") + db::Quote(filter.exactCode.trimmed());
    return select + QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY ") + order;
}

} // namespace components
