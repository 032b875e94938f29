#pragma once

#include "chart/ChartPanel.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

namespace chart::requests {

// A pharmacy ("PH") or central-supply ("CS") request form printed again: the
// nurse picks one of the patient's request transactions, sees its items,
// signs, and the form prints as a duplicate copy.
class frmRequestReprint : public QDialog {
    Q_OBJECT
public:
    explicit frmRequestReprint(const ChartPatient& patient, QWidget* parent = nullptr);

    QString RevenueID; // "PH" or "CS"; set before Form_Load

    bool Form_Load();
    // Shows the items of the chosen transaction.
    void mshPerTransaction_Click(int row);
    bool cmdPrint_Click();
    // The form's title for the revenue code.
    static QString FormTitle(const QString& revenueId);

    QTableWidget* mshPerTransaction;
    QTableWidget* mshDetailed;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

private:
    struct Item {
        QString requestNum, code, description, frequency, quantity, remarks;
    };
    ChartPatient patient_;
    std::vector<QString> transactions_;
    std::vector<Item> items_;
};

} // namespace chart::requests
