#include "components/clsCodeSearch.h"

#include "components/CodeListings.h"
#include "components/frmCodeSearch.h"
#include "db/Connection.h"
#include "shell/Prompts.h"

#include <QApplication>

namespace components {

namespace {

QList<QVariantMap> readRows(db::Recordset rs)
{
    QList<QVariantMap> rows;
    for (; !rs.eof(); rs.moveNext()) {
        QVariantMap row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row.insert(rs.fieldName(i), rs.field(i).value());
        rows << row;
    }
    return rows;
}

QString text(const QVariantMap& row, const char* field)
{
    return row.value(QLatin1String(field)).toString().trimmed();
}

void readRates(codes::Rates& rates, const QVariantMap& row)
{
    double* all[] = {&rates.RateA, &rates.RateB, &rates.RateC, &rates.RateD, &rates.RateE,
                     &rates.RateF, &rates.RateG, &rates.RateH, &rates.RateI};
    for (int i = 0; i < 9; ++i)
        *all[i] = row.value(QStringLiteral("Rate") + QChar(u'A' + i)).toDouble();
}

} // namespace

void clsCodeSearch::Initialize_Classes()
{
    DoctorRecord = {};
    DietRecord = {};
    ServiceRecord = {};
    LabExamRecord = {};
    OtherRevenueRecord = {};
    DosageRecord = {};
}

bool clsCodeSearch::SearchListing(const QString& searchText, int listing)
{
    const std::optional<ListingDef> def = FindListing(listing);
    if (!def || !Connection)
        return false;
    ListingFilter filter;
    filter.affiliatedOnly = AffiliatedOnly;
    filter.otherSectionID = OtherSectionID;
    if (!SearchMode)
        filter.exactCode = searchText.trimmed();
    const QList<QVariantMap> rows = readRows(Connection->open(ListingQuery(*def, filter)));

    QVariantMap row;
    if (!SearchMode) {
        if (rows.isEmpty())
            return false;
        row = rows.front();
    } else {
        frmCodeSearch dialog(*def, rows, searchText, QApplication::activeWindow());
        if (shell::Prompts::current().exec(dialog) != QDialog::Accepted || !dialog.chosen())
            return false;
        row = *dialog.chosen();
    }

    const QString code = row.value(def->codeColumn).toString().trimmed();
    switch (def->listing) {
    case Listing::Doctors:
        DoctorRecord = {code, text(row, "LastName"), text(row, "FirstName"), text(row, "MiddleName"), text(row, "Specialty")};
        break;
    case Listing::Diets:
        DietRecord = {code, text(row, "Diet"), text(row, "Remark")};
        break;
    case Listing::Services:
        ServiceRecord = {code, text(row, "Service")};
        break;
    case Listing::LaboratoryExams:
        LabExamRecord = {};
        readRates(LabExamRecord, row);
        LabExamRecord.ResultCode = code;
        LabExamRecord.LabExam = text(row, "LabExam");
        LabExamRecord.LabSectionID = text(row, "LabSectionID");
        break;
    case Listing::OtherRevenue:
        OtherRevenueRecord = {};
        readRates(OtherRevenueRecord, row);
        OtherRevenueRecord.ResultCode = code;
        OtherRevenueRecord.OtherRevenue = text(row, "OtherRevenue");
        OtherRevenueRecord.OtherSectionID = text(row, "OtherSectionID");
        break;
    case Listing::Dosages:
        DosageRecord = {code, text(row, "Dosage"), text(row, "Frequency")};
        break;
    case Listing::StockItems:
        return false; // listed by the item list component, never by number
    }
    return true;
}

} // namespace components
