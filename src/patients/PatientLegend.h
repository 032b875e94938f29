#pragma once

#include <QWidget>

class QGridLayout;

namespace patients {

class PatientListModel;

// "LEGEND:" and one entry for every colour the patient grid paints: the
// text colours of billed and cash-basis patients, and, when precautions are
// shown, each precaution's row colour under its name. It follows the model,
// so a colour cannot appear in the grid without its meaning beside it.
// Entries are labels "lblLegend_<n>" carrying the colour they explain in the
// property "legendColor" and how it is painted ("text" or "row") in "legendPaint".
class PatientLegend : public QWidget {
    Q_OBJECT
public:
    explicit PatientLegend(const PatientListModel* model, QWidget* parent = nullptr);

private:
    void rebuild();

    const PatientListModel* model_;
    QGridLayout* entries_;
};

} // namespace patients
