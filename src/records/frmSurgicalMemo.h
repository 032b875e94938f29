#pragma once

#include "records/frmChart.h"

#include <QHash>

class QGroupBox;
class QLineEdit;
class QTableWidget;

namespace records {

// One row of the memorandum's sponge grid: two counts of what is on the
// table and on the floor, as the scrub nurse calls them out.
struct SpongeRow {
    int entryNum = 0;
    QString sponge;
    std::array<int, 6> counts{}; // first on table, on floor, total; second on table, on floor, total
};

// The surgical memorandum: the operative chart with a case number, the
// row-by-row sponge count, the item counts with initial and final values,
// the anaesthetic agents and, for post-partum procedures, the obstetric and
// newborn data. It writes the same operation record.
class frmSurgicalMemo : public frmChart {
    Q_OBJECT
public:
    explicit frmSurgicalMemo(QWidget* parent = nullptr);

    // The memorandum's own columns, in the order they are written.
    static const std::vector<const char*>& MemoColumns();
    // The obstetric part, shown for post-partum procedures only.
    static bool IsPostPartumColumn(const QString& column);

    QLineEdit* box(const QString& column) const { return boxes_.value(column.toLower()); }
    bool postPartumShown() const { return postPartum_; }
    QList<SpongeRow> spongeRows() const;
    void setSpongeRows(const QList<SpongeRow>& rows);

    QTableWidget* grdSponges;
    QLineEdit* txtCounterStaff;
    QGroupBox* fraPostPartum;
    QPushButton* cmdPrintPostPartum;

protected:
    void fillExtra(const OperationRecord& record) override;
    void gatherExtra(OperationRecord& record) const override;
    void loadExtra(db::Connection& connection, const OperationRecord& record) override;
    void saveExtra(db::Connection& connection, const OperationRecord& record) override;

private:
    QHash<QString, QLineEdit*> boxes_;
    QList<SpongeRow> loadedSponges_;
    QString loadedCounter_;
    bool postPartum_ = false;
};

} // namespace records
