#pragma once

// Stand-in for the shared posting, revoking and printing rules until they
// land: service lines only, no revocation, no printing.

#include "charging/ChargeLine.h"
#include "charging/ChargeSlipFormat.h"
#include "charging/ChargeSlipNumber.h"
#include "charging/PostServiceLine.h"
#include "shell/SaveTransaction.h"

#include <QStringList>

namespace charging {

struct PostedLine {
    QString departmentCode, itemId, description, slip, packageId, location;
    db::Decimal quantity, amount;
};

struct ChargeSlipHeader {
    QString patientName, idNum, hospNum, room, age, sex, doctor, userName, slip;
};

inline QString PostCharges(const ChargePosting& posting, const QList<ChargeLine>& lines, const ChargeSlipFormat& format,
                           const QString& stationName, const QStringList& = {})
{
    QString slip;
    if (!shell::SaveTransaction::Run(
            [&](db::Connection& c) { slip = NextChargeSlipNumber(c, posting.idNum, format, stationName); }))
        return QString();
    return PostServiceLines(posting, slip, lines) ? slip : QString();
}

inline bool RevokeLine(const ChargePosting&, const PostedLine&, const QString&)
{
    return false;
}

inline void PrintChargeSlip(const ChargeSlipHeader&, bool) {}

} // namespace charging
