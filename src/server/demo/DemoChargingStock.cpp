#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

// What the drug look-up of the charge entry reports beside the prices: the
// average cost of each item, seven tenths of its in-patient price to the
// centavo, so that a margin report has something to read.
void WriteChargingStock(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        context.connection.execute(QStringLiteral("UPDATE INVENTORY..tbInvMaster SET AverageCost = ROUND(SellingPrice * 0.7, 2)"));
    });
}

} // namespace server::demo
