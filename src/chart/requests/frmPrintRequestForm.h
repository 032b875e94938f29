#pragma once

#include "chart/ChartPanel.h"

#include <QObject>

class QWidget;

namespace chart::requests {

// Prints the laboratory request form of every charged laboratory exam of the
// patient at once, without a list to tick: after the nurse signs, the form
// rows are rebuilt from the charged requests and printed.
class frmPrintRequestForm : public QObject {
    Q_OBJECT
public:
    explicit frmPrintRequestForm(const ChartPatient& patient, QObject* parent = nullptr);
    // False when nothing was printed (nothing charged, no signature, a failure).
    bool Print();

private:
    ChartPatient patient_;
};

} // namespace chart::requests
