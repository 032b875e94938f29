#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace records::opd {

// One option of the patient category or the disposition: the letter stored
// in PATIENT_DATA..tbOutPatient (OPDType, OPDStatus) and its caption.
struct OpdOption {
    QString code;
    QString caption;
};

// The patient category (optPatient), stored in OPDType.
const std::vector<OpdOption>& PatientCategories();

// The disposition (optERClass), stored in OPDStatus, with the captions of the
// client site: the ER frame of site QORV names them its own way.
std::vector<OpdOption> Dispositions(const QString& clientSite);
QString DispositionFrameCaption(const QString& clientSite);

// What the disposition letters mean to the save.
inline const QString ForAdmission = QStringLiteral("A");
inline const QString SentHome = QStringLiteral("D");
inline const QString Transferred = QStringLiteral("E");
inline const QString Expired = QStringLiteral("X");
inline const QString DeadOnArrival = QStringLiteral("F");
bool IsDeath(const QString& disposition);

// The ER classification check boxes (ERClassID1..5 hold the codes ticked);
// "10", referred by the ambulatory care centre, only where the settings show it.
const std::vector<OpdOption>& Classifications(bool showReferredAcc);
inline const QString ReferredAcc = QStringLiteral("10");

// The condition on discharge (DischargeCondition).
const std::vector<OpdOption>& DischargeConditions();

// The referral frames: sites ZV and VORN speak of a transfer when the
// disposition is a transfer; everywhere else they are the referral.
struct ReferralCaptions {
    QString reason;
    QString destination;
};
ReferralCaptions ReferralFrameCaptions(const QString& clientSite, bool transfer);

// The findings must say at least this much to describe a diagnosis.
constexpr int MinimumFindingsLength = 5;

} // namespace records::opd
