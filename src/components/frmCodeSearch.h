#pragma once

#include "components/CodeListings.h"

#include <QDialog>
#include <QVariantMap>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace components {

// The code search's look-up window: the rows of one listing, narrowed as the
// user types a code or part of a name; Enter, a double-click or Select picks
// the current row.
class frmCodeSearch : public QDialog {
    Q_OBJECT
public:
    frmCodeSearch(const ListingDef& listing, QList<QVariantMap> rows, const QString& searchText, QWidget* parent = nullptr);

    // The picked row by column name; empty until the user picked one.
    std::optional<QVariantMap> chosen() const { return chosen_; }
    // The rows the grid shows now.
    int visibleRows() const;

    QLineEdit* txtSearch;
    QTableView* grdListing;
    QLabel* lblCount;
    QPushButton* cmdSelect;
    QPushButton* cmdCancel;

public slots:
    void cmdSelect_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter(const QString& text);

    QList<QVariantMap> rows_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* filter_;
    std::optional<QVariantMap> chosen_;
};

} // namespace components
