#pragma once

#include "chart/ChartPanel.h"
#include "db/Decimal.h"

#include <QStringList>

namespace db {
class Connection;
}

namespace chart::requests {

class OrdersModel;

// Sends the chart's orders list: the checks first (the account, the final
// discharge order, the admitting diagnosis, an empty list, the credit line,
// the nurse's yes), then every row in one transaction: the request log with
// its request numbers, the laboratory's registration, the STAT cash-basis
// bypass notes and the charging of the departments the hospital charges at
// once. Only after the commit is the laboratory request form printed and the
// list cleared; a failure rolls everything back and keeps the list.
class SendRequests {
public:
    explicit SendRequests(ChartPatient patient);

    // True when the rows were stored (the list is then empty).
    bool Send(OrdersModel& orders);

    // The request numbers the server gave the rows of the last send, in
    // the list's order.
    const QStringList& requestNumbers() const { return requestNumbers_; }
    // The laboratory request form was printed with this group ("" when the
    // send had no laboratory rows to print).
    const QString& printGroup() const { return printGroup_; }

    // The credit line is short by the orders: the refusal's text ("" when it
    // is not). Throws db::DbError when a read fails.
    static QString CreditRefusal(const QString& idNum, const db::Decimal& ordersTotal);

private:
    void store(db::Connection& c, OrdersModel& orders);
    void printLaboratoryForm(bool stat);

    ChartPatient patient_;
    QStringList requestNumbers_;
    QString printGroup_;
};

// Prints the laboratory request form of the form rows the user last wrote
// (LABORATORY..tbLabRequestForm) for the patient.
void PrintLabRequestForm(const QString& report, const QString& title, const ChartPatient& patient, bool stat);

} // namespace chart::requests
