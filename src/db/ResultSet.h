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
};

using ResultSets = std::vector<ResultSet>;

} // namespace db
