#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace patients {

// The look-up dialog of clsSearcher: lists the rows a query finds for a
// search text and hands back the one the user picks. The caller sets the
// caption, the query (with "##" where the search text goes) and the first
// text, then shows it modally through the prompts service.
class frmSearcher : public QDialog {
    Q_OBJECT
public:
    explicit frmSearcher(QWidget* parent = nullptr);

    // Set by the caller before showing the dialog.
    QString SearchCaption;
    QString Query;
    QString Criteria;
    int FunctionType = 0;

    // The choice: Valid is true once the user picked a row.
    bool Valid = false;
    QString Code;
    QString Description;

    // The statement Query becomes for a search text: every "##" replaced by
    // the text with its apostrophes doubled.
    QString statementFor(const QString& text) const;

    QLabel* lblSearchStr;
    QLineEdit* txtSearchStr;
    QTableView* grdDispWindow;
    QPushButton* cmdSelect;
    QPushButton* cmdCancel;

public slots:
    void Form_Load();
    // Runs the query for the text in the search box and shows its rows.
    void FillGrid();
    // Takes the current row: code from column 2, description from column 1.
    void cmdSelect_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStandardItemModel* model_;
    bool loaded_ = false;
};

} // namespace patients
