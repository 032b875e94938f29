#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

// What the charge entry meets beyond the price lists: an operating-room item
// whose price is not set yet (the entry refuses it and sends the nurse to
// IT), and the inventory switch that keeps stock prices by patient type
// rather than by room class.
void WriteChargeEntry(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        context.connection.execute(
            QStringLiteral("INSERT INTO BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenueID, OtherRevenue, SectionID, FixRate, "
                           "Unrestricted, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, RateI) "
                           "VALUES ('OR', 'R099', 'OR PROCEDURE, PRICE TO FOLLOW', '', 'N', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0)"));
        context.connection.execute(QStringLiteral("DELETE FROM INVENTORY..tbInvSwitch WHERE IDKey = '89'"));
        context.connection.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvSwitch (IDKey, KeyValue, Description) "
                                                  "VALUES ('89', 0, 'STOCK PRICES BY ROOM CLASS')"));
    });
}

} // namespace server::demo
