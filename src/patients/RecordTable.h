#pragma once

#include <QTableView>
#include <vector>

class QStandardItemModel;

namespace db {
class Recordset;
}

namespace patients {

// A read-only grid of the rows a statement returned, showing chosen columns
// under their own headings: dates as "MM/dd/yyyy hh:mm AM", amounts with two
// decimals at the right.
class RecordTable : public QTableView {
    Q_OBJECT

public:
    enum class Kind { Text, Date, Number, Amount };
    struct Column {
        QString field;   // column of the recordset
        QString heading;
        int width = 100; // pixels; the last column takes what is left
        Kind kind = Kind::Text;
    };

    RecordTable(const char* objectName, std::vector<Column> columns, QWidget* parent = nullptr);

    // Shows every row of the recordset's current result set (none for an empty recordset).
    void fill(const db::Recordset& rows);
    void clear();
    int rowCount() const;
    // The cell as shown, by the column's field name; "" when there is no such cell.
    QString text(int row, const QString& field) const;

private:
    std::vector<Column> columns_;
    QStandardItemModel* model_;
};

} // namespace patients
