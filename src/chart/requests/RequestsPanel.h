#pragma once

#include "chart/ChartPanel.h"
#include "shell/UnsavedWork.h"

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QTableWidget;

namespace chart::requests {

class OrdersModel;

// The chart's requests page: the department lists to order from, the orders
// list waiting to be sent, Send, the patient's requests with where each
// stands (and Revoke), and the request-form reprints. Unsent orders count as
// unsaved typing: the framework asks before they are lost.
class RequestsPanel : public ChartPanel, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit RequestsPanel(QWidget* parent = nullptr);
    ~RequestsPanel() override;

    QString pageTitle() const override { return QStringLiteral("Requests"); }
    void loadPatient(const ChartPatient& patient) override;

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return QStringLiteral("Requests"); }

    OrdersModel& orders() { return *orders_; }
    const ChartPatient& patient() const { return patient_; }

    // The chart's actions, by their documented names.
    void lstList_Click(QListWidget* list); // laboratory, x-ray, ultrasound: adds the exam; others: the entry window
    void cmdMore_Click(const QString& department);
    bool cmdSave_Click();
    void cmdRevoke_Click();
    void cmdRemoveOrder_Click();
    void Reload_PendingRequests();

    QListWidget* lstListLaboratory;
    QListWidget* lstListXray;
    QListWidget* lstListUltra;
    QListWidget* lstListOthers;
    QPushButton* cmdLabMore;
    QPushButton* cmdXrayMore;
    QPushButton* cmdUltraMore;
    QTableView* mshflexOrders;
    QPushButton* cmdRemoveOrder;
    QPushButton* cmdSave;
    QLabel* lblOrdersTotal;
    QTableWidget* mshflexProcessed;
    QPushButton* cmdRevoke;
    QPushButton* cmdReprintLab;
    QPushButton* cmdPrintRequestForm;
    QPushButton* cmdReprintPH;
    QPushButton* cmdReprintCS;

private:
    void addFromList(const QString& department, const QString& code, const QString& name, const QString& section);
    void openEntry(const QString& department, int gateEntry);
    void reprintLab();
    void printRequestForm();
    void reprintSupplies(const QString& revenueId);
    void ordersChanged();

    ChartPatient patient_;
    OrdersModel* orders_;
    bool loaded_ = false;
};

// Registers the requests page with the chart.
void RegisterRequestsPanels();

} // namespace chart::requests

namespace chart {
using requests::RegisterRequestsPanels;
}
