#include "records/opd/OutpatientCodes.h"

namespace records::opd {

namespace {

bool IsSite(const QString& site, const char* code)
{
    return site.trimmed().compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

} // namespace

const std::vector<OpdOption>& PatientCategories()
{
    static const std::vector<OpdOption> options{{QStringLiteral("N"), QStringLiteral("New Patient")},
                                                {QStringLiteral("O"), QStringLiteral("Old Patient")}};
    return options;
}

// The letters are those the admitting and billing sides already read: "A"
// waits for the admitting office, "D" is an ordinary discharge, "R" stays
// reserved for a revoked visit and is never offered here. An open ER visit
// also carries "E" before anyone chose a disposition, which is why the window
// shows the stored disposition only once the visit has a discharge date or is
// for admission.
std::vector<OpdOption> Dispositions(const QString& clientSite)
{
    if (IsSite(clientSite, "QORV"))
        return {{SentHome, QStringLiteral("Discharged/Sent Home")},
                {DeadOnArrival, QStringLiteral("D.O.A")},
                {ForAdmission, QStringLiteral("For Admission")},
                {QStringLiteral("S"), QStringLiteral("Absconded")},
                {QStringLiteral("K"), QStringLiteral("Vidididu Deduvez Adizuva")},
                {QStringLiteral("M"), QStringLiteral("DAMA/HAMA")},
                {Expired, QStringLiteral("Expired")},
                {Transferred, QStringLiteral("Referred/Transferred")}};
    return {{SentHome, QStringLiteral("Home")},
            {Transferred, QStringLiteral("Transferred")},
            {ForAdmission, QStringLiteral("For Admission")},
            {QStringLiteral("M"), QStringLiteral("HAMA")},
            {QStringLiteral("S"), QStringLiteral("Absconded")},
            {Expired, QStringLiteral("Died")},
            {DeadOnArrival, QStringLiteral("D.O.A.")},
            {QStringLiteral("K"), QStringLiteral("Others")}};
}

QString DispositionFrameCaption(const QString& clientSite)
{
    return IsSite(clientSite, "QORV") ? QStringLiteral("ER Patient Disposition") : QStringLiteral("Disposition");
}

bool IsDeath(const QString& disposition)
{
    return disposition == Expired || disposition == DeadOnArrival;
}

const std::vector<OpdOption>& Classifications(bool showReferredAcc)
{
    static const std::vector<OpdOption> general{{QStringLiteral("1"), QStringLiteral("Emergent")},
                                                {QStringLiteral("2"), QStringLiteral("Urgent")},
                                                {QStringLiteral("3"), QStringLiteral("Non-Urgent")},
                                                {QStringLiteral("4"), QStringLiteral("Medico-Legal")},
                                                {QStringLiteral("5"), QStringLiteral("Minor Surgery")}};
    static const std::vector<OpdOption> withAcc = [] {
        std::vector<OpdOption> all = general;
        all.back() = {ReferredAcc, QStringLiteral("Referred (ACC)")};
        return all;
    }();
    return showReferredAcc ? withAcc : general;
}

const std::vector<OpdOption>& DischargeConditions()
{
    static const std::vector<OpdOption> options{{QStringLiteral("1"), QStringLiteral("Improved")},
                                                {QStringLiteral("2"), QStringLiteral("Unimproved")},
                                                {QStringLiteral("3"), QStringLiteral("Transferred")},
                                                {QStringLiteral("4"), QStringLiteral("Died")}};
    return options;
}

ReferralCaptions ReferralFrameCaptions(const QString& clientSite, bool transfer)
{
    if ((IsSite(clientSite, "ZV") || IsSite(clientSite, "VORN")) && transfer)
        return {QStringLiteral("Reason of Transfer"), QStringLiteral("Transferred To")};
    return {QStringLiteral("Reason of Referral"), QStringLiteral("Referred To")};
}

} // namespace records::opd
