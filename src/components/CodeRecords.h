#pragma once

#include <QString>

namespace components::codes {

// The records a code search fills after the user picked a row: the chosen
// code in ResultCode and the row's own fields.

struct DoctorRecord {
    QString ResultCode;
    QString LastName;
    QString FirstName;
    QString MiddleName;
    QString Specialty;
};

struct DietRecord {
    QString ResultCode;
    QString Diet;
    QString Remark;
};

struct DosageRecord {
    QString ResultCode;
    QString Dosage;
    QString Frequency;
};

struct ServiceRecord {
    QString ResultCode;
    QString Service;
};

// Prices by the patient's rate class letter, "A" to "I".
struct Rates {
    double RateA = 0, RateB = 0, RateC = 0, RateD = 0, RateE = 0, RateF = 0, RateG = 0, RateH = 0, RateI = 0;

    // The price of a rate class letter; class "A" for anything else.
    double rate(const QString& rateClass) const
    {
        const double* all[] = {&RateA, &RateB, &RateC, &RateD, &RateE, &RateF, &RateG, &RateH, &RateI};
        const QString letter = rateClass.trimmed().toUpper();
        const int index = letter.size() == 1 ? letter.at(0).unicode() - 'A' : -1;
        return index >= 0 && index < 9 ? *all[index] : RateA;
    }
};

struct LabExamRecord : Rates {
    QString ResultCode;
    QString LabExam;
    QString LabSectionID;
};

struct OtherRevenueRecord : Rates {
    QString ResultCode;
    QString OtherRevenue;
    QString OtherSectionID;
};

} // namespace components::codes
