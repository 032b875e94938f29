#pragma once

#include <QTableView>

class QLabel;

namespace patients {

class PatientListModel;

// The patient grid of the station lists ("MSHFlexList"): the columns,
// headings and widths of the lists, rows selected whole, and the grid's
// events under the names the lists handle them by. Rows are 0-based here;
// Rows() and Row() count like the lists' counter, the heading being row 0.
class PatientGrid : public QTableView {
    Q_OBJECT

public:
    explicit PatientGrid(QWidget* parent = nullptr);

    PatientListModel* listModel() const { return model_; }

    // Rows counting the heading row: never fewer than 2.
    int Rows() const;
    // The current row counting the heading as row 0 (1 for the first patient); 0 for none.
    int Row() const;
    // Makes a row (0-based) current, as a click would, without selecting it.
    void setCurrentRow(int row);
    // The text shown when the list is empty, over the blank row.
    void setEmptyText(const QString& text);
    // Called after the model was filled: the first row becomes current and
    // the columns are fitted to the loaded values.
    void listReloaded();
    // Sizes each shown column to the widest value of the loaded rows (and its
    // heading), never below the width its kind of value needs: hospital and
    // admission numbers (an out-patient number ends in a letter), names, and
    // dates as the grid prints them.
    void fitColumns();
    // The width a column needs at least, whatever the rows hold.
    int minimumColumnWidth(int column) const;

signals:
    // The current row changed (arrow keys, click): the counter follows.
    void EnterCell(int row);
    // A row was clicked: the patient is selected.
    void Click(int row);
    // A row was double-clicked: the patient's chart opens.
    void DblClick(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeEmptyText();

    PatientListModel* model_ = nullptr;
    QLabel* emptyText_ = nullptr;
};

} // namespace patients
