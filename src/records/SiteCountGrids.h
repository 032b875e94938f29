#pragma once

#include <QWidget>

class QTableWidget;

namespace db {
class Connection;
}

namespace records {

// The site chart's two count grids, kept in station..tbspongecount: the
// sponges (type 1) counted on the table and on the floor, twice, and the
// instruments, needles and sutures (type 2) before and after. Every save
// replaces all of the record's rows.
class SiteCountGrids : public QWidget {
    Q_OBJECT
public:
    explicit SiteCountGrids(QWidget* parent = nullptr);

    void load(db::Connection& connection, const QString& idNum, const QString& operatingNum);
    void save(db::Connection& connection, const QString& idNum, const QString& operatingNum) const;

    QTableWidget* mshSponge;
    QTableWidget* mshOtherCount;
};

} // namespace records
