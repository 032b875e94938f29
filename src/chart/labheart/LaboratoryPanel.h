#pragma once

#include "chart/ChartPanel.h"

class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTabWidget;

namespace chart::labheart {

// The chart's laboratory page: the released requests of the stay
// (mshflexLab), the values of the chosen request with their normal ranges,
// and the tabular view of every value over the stay (mshflexLabTabular).
// Values outside their normal range are coloured and flagged "H" or "L"
// (the flag prints; the colour does not survive every printer).
class LaboratoryPanel : public ChartPanel {
    Q_OBJECT
public:
    explicit LaboratoryPanel(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Laboratory"); }
    void loadPatient(const ChartPatient& patient) override;

    QTabWidget* tabLab;
    QTableWidget* mshflexLab;       // the released requests
    QTableWidget* mshflexLabResult; // the values of the chosen request
    QTableWidget* mshflexLabTabular;
    QPushButton* cmdLabResult;      // the laboratory viewer
    QPushButton* cmdLabTabular;     // frmSelectLabExam

    void mshflexLab_Click();
    void cmdLabResult_Click();
    void cmdLabTabular_Click();

    // The colour and the flag of a value cell (shared by both grids).
    static void MarkValue(QTableWidgetItem* item, const QString& flag);

private:
    void loadTabular();

    ChartPatient patient_;
};

} // namespace chart::labheart
