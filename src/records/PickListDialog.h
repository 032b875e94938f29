#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace records {

// A search box over a list of codes: typing narrows the list, Enter or OK
// takes the highlighted row. The chart's relative-value and staff pickers
// differ only in their columns and the rows they read.
class PickListDialog : public QDialog {
    Q_OBJECT
public:
    using Rows = std::vector<QStringList>;
    using Reader = std::function<Rows(const QString& search)>;

    PickListDialog(const QString& objectName, const QString& title, const QStringList& headers, Reader reader,
                   QWidget* parent = nullptr);

    // Lists the rows for a search text (the box shows it too).
    void search(const QString& text);
    // The row taken, empty until OK.
    const QStringList& picked() const { return picked_; }
    int rowCount() const;

    QLineEdit* txtSearch;
    QTableWidget* grdList;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void take();

    Reader reader_;
    Rows rows_;
    QStringList picked_;
};

// The insurance relative-value list.
class frmPHICRVS : public PickListDialog {
    Q_OBJECT
public:
    explicit frmPHICRVS(QWidget* parent = nullptr);
    QString RVSCode() const { return picked().value(0); }
    QString RVSDescription() const { return picked().value(1); }
    QString RVSPoints() const { return picked().value(2); }
};

struct RvsChoice {
    QString code;
    QString description;
    QString points;
};
// Shows the relative-value list narrowed to `search`; the chosen code, or
// nothing when the user closed it.
std::optional<RvsChoice> ShowRVSList(const QString& search, QWidget* parent = nullptr);

struct StaffChoice {
    QString code;
    QString name; // "LAST, FIRST"
};
// The operating room's staff (nurses and technicians) to pick a nurse from.
std::optional<StaffChoice> PickStaff(const QString& search, QWidget* parent = nullptr);

} // namespace records
