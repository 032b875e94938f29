#pragma once

#include "chart/ChartPanel.h"
#include "chart/labheart/HeartForms.h"

class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace db {
class Connection;
}

namespace chart::labheart {

// One result to print and the form it prints on.
struct HeartPrintJob {
    QString resultNum;
    HeartForm form;
};

// The forms a heart-station result prints on: its own form, or for a
// package each of its exams on its own form. Empty when the letter has no
// form. Throws db::DbError when the package cannot be read.
std::vector<HeartPrintJob> HeartPrintJobs(db::Connection& connection, const QString& resultNum, const QString& formType);

// The chart's heart-station page: the released results of the stay
// (mshflexHeart), the chosen result's reading below, printed on its form.
class HeartStationPanel : public ChartPanel {
    Q_OBJECT
public:
    explicit HeartStationPanel(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Heart Station"); }
    void loadPatient(const ChartPatient& patient) override;

    QTableWidget* mshflexHeart;
    QPlainTextEdit* txtHeartResult;
    QPushButton* cmdHeartResult;

    void mshflexHeart_Click();
    void cmdHeartResult_Click();

private:
    ChartPatient patient_;
};

} // namespace chart::labheart
