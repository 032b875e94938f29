#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace chart {

// The patient a chart is open for, as the chart read it when it opened.
struct ChartPatient {
    QString hospNum;
    QString idNum;             // ends in "B" for an out-patient visit
    QString name;              // "LAST, First Middle"
    QString roomId;
    QString roomClassId;       // "A" when the admission names none
    QString admittingDiagnosis;
    bool outPatient() const { return idNum.trimmed().endsWith(QLatin1Char('B'), Qt::CaseInsensitive); }
};

// One page of the clinical chart that lives in its own area of the program
// (requests, vital signs, nurses' notes, the nursing profile). The chart does
// not know these pages; each area registers a factory at start-up and the
// chart asks every registered factory for its page when it opens. A page that
// can hold typing also implements shell::UnsavedWork: the chart passes the
// framework's question on to it.
class ChartPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The tab caption.
    virtual QString pageTitle() const = 0;
    // Loads the page for the patient. A failed read is reported to the user
    // (shell::SaveTransaction::Load) and leaves the page refusing to save.
    virtual void loadPatient(const ChartPatient& patient) = 0;

signals:
    // The page changed something other pages show (a sent or revoked request,
    // a saved reading): the chart reloads the pages that depend on it.
    void patientDataChanged();
};

using ChartPanelFactory = std::function<ChartPanel*(QWidget* parent)>;

// Pages are shown in the order of `order` (smaller first), then of registration.
// Registering again under the same key replaces the earlier factory.
void RegisterChartPanel(const QString& key, int order, ChartPanelFactory factory);
void ForgetChartPanels(); // tests and the station's shut-down
struct RegisteredChartPanel {
    QString key;
    int order = 0;
    ChartPanelFactory factory;
};
std::vector<RegisteredChartPanel> RegisteredChartPanels(); // sorted

} // namespace chart
