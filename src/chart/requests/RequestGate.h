#pragma once

#include "chart/ChartPanel.h"

#include <QString>

namespace chart::requests {

// The checks a request passes before any exam is taken for a patient, in the
// same order for every department; the first that fails tells the nurse why
// and stops the rest. The gate only reads: a refusal changes nothing.
class RequestGate {
public:
    // Where the nurse asked from: the department's entry window ("more"
    // buttons), a click in one of the chart's department lists, or the
    // others list. They differ only in how the missing right is worded.
    enum class Entry { EntryWindow, ListClick, OthersList };
    enum class Result {
        Refused,
        Passed,
        // Cash basis refused, but the site lets the entry window open after
        // the warning all the same.
        PassedAfterCashBasisWarning,
    };

    // Throws db::DbError when a read fails: the caller tells the user
    // (shell::SaveTransaction::Load) and opens nothing.
    static Result Check(const QString& department, Entry entry, const ChartPatient& patient);

    // The part of the gate the send repeats: the closed account, the final
    // discharge order and the admitting diagnosis.
    static bool MaySend(const ChartPatient& patient);

    // The account is under cash basis for the department: the refusal's text,
    // "" when it is not.
    static QString CashBasisRefusal(const QString& department, const QString& idNum);

    // The refusal texts, for the windows that word them the same way.
    static QString RightRefusal(const QString& department, Entry entry);
    static QString ClearanceRefusal(const QString& department);
    static QString FinalNoticeRefusal(const QString& patientName);
    static QString AdmittingDiagnosisRefusal();

private:
    static bool finalNoticeSent(const ChartPatient& patient);
    static bool admittingDiagnosisMissing(const ChartPatient& patient);
};

} // namespace chart::requests
