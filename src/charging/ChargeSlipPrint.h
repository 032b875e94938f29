#pragma once

#include <QString>
#include <QVariantList>

namespace charging {

// What a printed charge slip says about the patient and the posting.
struct ChargeSlipHeader {
    QString patientName;
    QString idNum;
    QString hospNum;
    QString room;
    QString age;
    QString sex;
    QString doctor;   // the attending doctor
    QString userName; // the validated user's name
    QString slip;
};

// Prints the charge slip of the last posting (or, on `reprint`, of
// header.slip, whose lines are first read back into the print buffer; the
// package-only slip always reads them back). Nothing is printed unless the
// station's EnableChargeSlipPrinting is on. The site "QORV" prints its
// discount slip at once; elsewhere the user chooses the preprinted form (Yes)
// or blank paper (No). Problems are told through the prompts.
void PrintChargeSlip(const ChargeSlipHeader& header, bool reprint);

// The report file PrintChargeSlip opens after asking, and the values it
// hands the report, in the report's parameter order.
QString ChargeSlipReportFile(bool reprint);
QVariantList ChargeSlipReportValues(const ChargeSlipHeader& header, const QString& printedAt, bool reprint);

} // namespace charging
