#pragma once

#include "charging/ChargeLine.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace charging {

// The package the nurse chose: the items to charge and those left out,
// which the posting records as unused.
struct PackageChoice {
    QString packageId;
    QList<ChargeLine> ticked;
    QList<ChargeLine> unticked;
};

// The packages an admission can be charged, and the items of the one chosen,
// each ticked to be charged. An item without stock is left out with a
// message. Modal; writes nothing itself.
class frmListPackage : public QDialog {
    Q_OBJECT
public:
    explicit frmListPackage(QWidget* parent = nullptr);

    QString IdNum;
    // The lines already in the charge entry's grid.
    QList<ChargeLine> SourceLines;
    // Filled by OK.
    PackageChoice Choice;

    // Lists the packages; false (the user told) when they cannot be read.
    bool Form_Load();
    // Shows the items of the package in row `row` of the left pane.
    void choosePackage(int row);
    void checkAll(bool on);
    void cmdOK_Click();

    QTableWidget* grdPackages;
    QTableWidget* grdItems;
    QLabel* lblGross;
    QPushButton *cmdCheckAll, *cmdUncheckAll, *cmdOK, *cmdCancel;

private:
    void updateGross();
    bool itemsMayBeUnticked() const;

    QString packageId_;
    QList<ChargeLine> items_;
};

} // namespace charging
