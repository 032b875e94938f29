// Revoking a sent request: only pending ones, only from the sending station,
// only with the right and a signature, and laboratory requests only while the
// administrator allows it.
#include "RequestsFixture.h"

#include "chart/requests/RequestRevocation.h"

namespace {

using chart::requests::RevokeRequest;

class RequestRevocationTest : public test::RequestsFixture {
protected:
    QString status(const QString& number)
    {
        return scalar(QStringLiteral("SELECT ISNULL(RecordStatus, '') FROM STATION..tbNurseCommunicationFile WHERE RequestNum = ") + q(number));
    }
};

TEST_F(RequestRevocationTest, APendingRequestOfThisStationIsRevokedAfterTheSignature)
{
    const QString number = sentRequest(QStringLiteral("XR"), QStringLiteral("X001"), QString(), app::ORStationID);
    prompts.answer(true);
    signAs();
    ASSERT_TRUE(RevokeRequest(number, QStringLiteral("XR"), QStringLiteral("CHEST PA"))) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.texts().front(), QStringLiteral("Confirmation: Are you sure you want to revoke CHEST PA?"));
    EXPECT_EQ(status(number), QStringLiteral("R"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT RevokeBy FROM STATION..tbNurseCommunicationFile WHERE RequestNum = ") + q(number)), QStringLiteral("NURSE1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT RECORDSTATUS FROM STATION..tbNurseLogBook WHERE RequestNum = ") + q(number)), QStringLiteral("R"));

    // Declining, or leaving the signature empty, revokes nothing.
    const QString other = sentRequest(QStringLiteral("XR"), QStringLiteral("X002"), QString(), app::ORStationID);
    prompts.answer(false);
    EXPECT_FALSE(RevokeRequest(other, QStringLiteral("XR"), QStringLiteral("CHEST PA AND LATERAL")));
    prompts.answer(true);
    prompts.onDialog([](QDialog& d) { d.reject(); });
    prompts.answer(false); // "Request was not revoked! ..." asked again: No
    EXPECT_FALSE(RevokeRequest(other, QStringLiteral("XR"), QStringLiteral("CHEST PA AND LATERAL")));
    EXPECT_EQ(status(other), QString());
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(RequestRevocationTest, ProcessedRevokedOrForeignRequestsAreRefusedWithTheirReason)
{
    const QString processed = sentRequest(QStringLiteral("LB"), QStringLiteral("L001"), QStringLiteral("X"), app::ORStationID);
    EXPECT_FALSE(RevokeRequest(processed, QStringLiteral("LB"), QStringLiteral("COMPLETE BLOOD COUNT")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Item(s)/exam(s) requested has been processed By: LABTECH at 01/02/2026 10:30:00 AM"));

    const QString revoked = sentRequest(QStringLiteral("LB"), QStringLiteral("L002"), QStringLiteral("R"), app::ORStationID);
    EXPECT_FALSE(RevokeRequest(revoked, QStringLiteral("LB"), QStringLiteral("PLATELET COUNT")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Item(s)/exam(s) requested has been revoked By: NURSE2 at 01/02/2026 09:15:00 AM"));

    const QString foreign = sentRequest(QStringLiteral("LB"), QStringLiteral("L003"), QString(), QStringLiteral("ER"));
    EXPECT_FALSE(RevokeRequest(foreign, QStringLiteral("LB"), QStringLiteral("PROTHROMBIN TIME")));
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("You can't revoked item(s)/exam(s) requested from station: ")));
    EXPECT_EQ(status(foreign), QString());
    EXPECT_EQ(status(processed), QStringLiteral("X"));
}

TEST_F(RequestRevocationTest, TheRightAndTheLaboratorySwitchComeFirst)
{
    const QString lab = sentRequest(QStringLiteral("LB"), QStringLiteral("L001"), QString(), app::ORStationID);
    setting(QStringLiteral("DisableLBCancellation"), QStringLiteral("1"));
    EXPECT_FALSE(RevokeRequest(lab, QStringLiteral("LB"), QStringLiteral("COMPLETE BLOOD COUNT")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sorry, cancellation of laboratory requests was disabled by your administrator.\r\n\r\n"
                                                  "Please notify the laboratory department to do the cancellation instead."));

    exec(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '1|' WHERE EmployeeID = 'NURSE1'"));
    const QString xray = sentRequest(QStringLiteral("XR"), QStringLiteral("X001"), QString(), app::ORStationID);
    EXPECT_FALSE(RevokeRequest(xray, QStringLiteral("XR"), QStringLiteral("CHEST PA")));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Sorry, you don't have access right to revoke requests."));
    EXPECT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(status(lab), QString());
    EXPECT_EQ(status(xray), QString());
}

} // namespace
