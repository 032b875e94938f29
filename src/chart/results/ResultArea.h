#pragma once

#include "db/Recordset.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace db {
class Connection;
}
namespace patients {
class RecordTable;
}

namespace chart {

struct ChartPatient;

// What one department's result area is made of. The areas differ only in
// these: where the rows come from, how the grid is headed, which field holds
// the reading, and how a reading is printed.
struct ResultAreaKind {
    QString key;        // "xray"
    QString caption;    // the tab's caption
    QString gridName;   // "mshflexXray"
    QString textName;   // "txtXrayInterp"
    QString infoName;   // "lblXrayInfo"
    QString formatString;
    QString readingField; // the hidden or shown field the text box shows
    QString keyField;     // the examination number of a row
    std::function<db::Recordset(db::Connection&, const ChartPatient&)> load;
    // Prints the chosen row's reading; empty for areas without a printed form.
    std::function<bool(const ChartPatient&, const db::Recordset& row)> print;
};

// The areas of the chart's results page, in tab order.
const std::vector<ResultAreaKind>& ResultAreaKinds();

// Splits a grid format string (" |<Trans. No |<Exam. Name ...") into its
// column headings, the marker column left out.
QStringList FormatStringHeadings(const QString& formatString);

// A read-only grid of one department's released results; choosing a row
// shows its reading (and who read it, when) below the grid.
class ResultArea : public QWidget {
    Q_OBJECT
public:
    ResultArea(ResultAreaKind kind, QWidget* parent = nullptr);

    const ResultAreaKind& kind() const { return kind_; }
    // Reads the rows of the patient; throws db::DbError when the read fails.
    void load(const ChartPatient& patient);
    void clear();
    int rowCount() const;
    // Shows the reading of the row (0-based); -1 clears it.
    void chooseRow(int row);
    int chosenRow() const { return chosen_; }
    // Prints the chosen reading, as the area's print button does.
    bool cmdPrint_Click();

    patients::RecordTable* grid;
    QPlainTextEdit* txtReading;
    QLabel* lblInfo;
    QPushButton* cmdPrint;

private:
    db::Recordset rowAt(int row) const;

    ResultAreaKind kind_;
    const ChartPatient* patient_ = nullptr;
    db::Recordset rows_;
    int chosen_ = -1;
};

} // namespace chart
