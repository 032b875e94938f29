#pragma once

#include <QStringList>
#include <QVariant>
#include <vector>

namespace db {

// One result set as it came from the server: column names in order and every
// row read (client-side cursor). Date-times are text "yyyy-MM-dd HH:mm:ss.zzz".
struct ResultSet {
    QStringList columns;
    std::vector<QVariantList> rows;
    // Places after the point of each column that holds exact decimals (money
    // 4, decimal(p,s) s), -1 for any other column; empty when not known.
    std::vector<int> scales;
};

using ResultSets = std::vector<ResultSet>;

} // namespace db
