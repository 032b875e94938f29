#pragma once

#include <QString>

namespace settings {
class clsSettings;
}

namespace charging {

// How the hospital writes its charge-slip numbers (the station settings
// "CSlipFormat", "FifteenCSlipFormat" and "BirCSlipFormat").
struct ChargeSlipFormat {
    QString picture;         // empty: the plain running number
    bool fifteen = false;    // the fifteen-character in/out-patient numbers
    QString fifteenPicture;

    static ChargeSlipFormat FromSettings(const settings::clsSettings& settings);
};

// One number made from the counter row: the text and the counter column it
// used, which the draw then moves on by one.
struct DrawnNumber {
    QString number;
    const char* column = nullptr;
};

// The counter row's values as read; the column names are those of counter::.
struct CounterValues {
    qlonglong chargeslip = 0;
    qlonglong inPatient = 0;
    qlonglong outPatient = 0;
};

// An out-patient's visit number ends with "B"; every other number is an admission.
bool IsOutPatientVisit(const QString& idNum);

// The number for a posting of `idNum` from the counter values read.
DrawnNumber MakeChargeSlipNumber(const ChargeSlipFormat& format, const CounterValues& values, const QString& idNum);

// A running number laid into a digit picture: "0" always shows a digit
// (zero when the number is short), "#" only when the number reaches it, any
// other character is kept; digits beyond the picture stay in front.
QString FormatWithPicture(qlonglong value, const QString& picture);

} // namespace charging
