// The chart window: opening on a patient with the header filled, the pages
// registered by the other areas hosted and told about the patient, their
// unsaved work asked about, the rights of the tabs and of the action buttons.

#include "chart/ChartTestSupport.h"

#include "chart/final/PatientBanner.h"
#include "shell/UnsavedWork.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using chart::frmFinal;

// A page of another area as the chart meets it: it records the patients it
// was loaded for and holds typing the chart must not lose.
class FakePanel : public chart::ChartPanel, public shell::UnsavedWork {
public:
    FakePanel(QString title, QStringList* log, QWidget* parent)
        : ChartPanel(parent)
        , title_(std::move(title))
        , log_(log)
        , txtEntry(new QLineEdit(this))
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(txtEntry);
    }
    QString pageTitle() const override { return title_; }
    void loadPatient(const chart::ChartPatient& patient) override { *log_ << title_ + QLatin1Char(':') + patient.idNum; }
    bool hasUnsavedChanges() const override { return !txtEntry->text().isEmpty(); }
    bool saveUnsavedChanges() override
    {
        if (refuse)
            return false;
        *log_ << title_ + QStringLiteral(" saved ") + txtEntry->text();
        txtEntry->clear();
        return true;
    }
    QString unsavedWorkTitle() const override { return title_; }

    QString title_;
    QStringList* log_;
    QLineEdit* txtEntry;
    bool refuse = false;
};

class ChartWindowTest : public test::ChartFixture {
protected:
    void registerFakes()
    {
        // Registered out of order: the chart orders them.
        chart::RegisterChartPanel(QStringLiteral("notes"), 30,
                                  [this](QWidget* p) -> chart::ChartPanel* { return new FakePanel(QStringLiteral("Notes"), &log, p); });
        chart::RegisterChartPanel(QStringLiteral("requests"), 10, [this](QWidget* p) -> chart::ChartPanel* {
            return new FakePanel(QStringLiteral("Requests"), &log, p);
        });
        // The results page is guarded by its key; the profile names its right itself.
        chart::RegisterChartPanel(QStringLiteral("results.fake"), 20, [this](QWidget* p) -> chart::ChartPanel* {
            return new FakePanel(QStringLiteral("Results"), &log, p);
        });
        chart::RegisterChartPanel(QStringLiteral("profile.fake"), 40, [this](QWidget* p) -> chart::ChartPanel* {
            auto* page = new FakePanel(QStringLiteral("Profile"), &log, p);
            page->setProperty(chart::RequiredRightProperty, QStringLiteral("11"));
            return page;
        });
    }

    frmFinal* open(const QString& idNum, const QString& page = QString())
    {
        EXPECT_TRUE(select(idNum)) << qPrintable(idNum);
        return chart::OpenChartForSelectedPatient(page);
    }

    FakePanel* page(frmFinal* chart, int index) { return dynamic_cast<FakePanel*>(chart->panels().at(static_cast<size_t>(index))); }

    QStringList log;
};

TEST_F(ChartWindowTest, OpensForAnInPatientAndAnOutPatientWithTheHeaderFilled)
{
    registerFakes();
    const QString admission = openStay(false);
    ASSERT_FALSE(admission.isEmpty());
    const db::Recordset stay = conn().open(
        QStringLiteral("SELECT P.RoomID, M.Lastname, M.Firstname, M.CivilStatus, D.Diet FROM PATIENT_DATA..tbPatient P "
                       "JOIN PATIENT_DATA..tbmaster M ON M.HOSPNUM = P.HospNum LEFT JOIN PATIENT_DATA..tbpatient2 T ON T.IDNum = P.IDNUM "
                       "LEFT JOIN BUILD_FILE..tbCoDiet D ON D.DietID = T.DietID WHERE P.IDNUM = ")
        + db::Quote(admission));
    frmFinal* chart = open(admission);
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->lblName->text().startsWith(stay.text(QStringLiteral("Lastname")).trimmed() + QStringLiteral(", ")
                                                  + stay.text(QStringLiteral("Firstname")).trimmed()));
    EXPECT_EQ(chart->lblIdNum->text(), admission);
    EXPECT_EQ(chart->lblRoom->text(), stay.text(QStringLiteral("RoomID")).trimmed());
    EXPECT_EQ(chart->lblCivilStatus->text(), stay.text(QStringLiteral("CivilStatus")).trimmed());
    EXPECT_EQ(chart->lblDiet->text(), stay.text(QStringLiteral("Diet")).trimmed());
    EXPECT_FALSE(chart->lblAdmDate->text().isEmpty());
    EXPECT_FALSE(chart->lblAccount->text().isEmpty()) << "a personal account reads PERSONAL";
    EXPECT_EQ(chart->tabChart->count(), 4);
    EXPECT_EQ(chart->tabChart->tabText(0), QStringLiteral("Requests"));
    EXPECT_EQ(chart->tabChart->tabText(2), QStringLiteral("Notes"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("Requests:") + admission, QStringLiteral("Results:") + admission,
                                QStringLiteral("Notes:") + admission, QStringLiteral("Profile:") + admission}));

    // The same patient again brings the open chart forward; the visit gets its own.
    EXPECT_EQ(open(admission), chart);
    const QString visit = openStay(true);
    ASSERT_TRUE(visit.endsWith(QLatin1Char('B')));
    frmFinal* outPatient = open(visit);
    ASSERT_NE(outPatient, nullptr);
    EXPECT_NE(outPatient, chart);
    EXPECT_TRUE(outPatient->patient().outPatient());
    EXPECT_EQ(outPatient->lblRoom->text(), QStringLiteral("OPD"));
    EXPECT_EQ(outPatient->lblRoomClass->text(), QStringLiteral("A"));
    EXPECT_TRUE(outPatient->lblRoomRate->text().isEmpty());
    EXPECT_FALSE(outPatient->lblName->text().isEmpty());
    EXPECT_EQ(children().formsOf<frmFinal>().size(), 2);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_F(ChartWindowTest, TheBannerTellsPackageVipAndSeniorStatus)
{
    const QString admission = openStay(false);
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET VIP = 1, PackageID = 'EXEC1', dialysisID = '2', "
                                  "transplantID = '1' WHERE IDNum = ")
                   + db::Quote(admission));
    conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbExecPackageCode WHERE PackageID = 'EXEC1'"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbExecPackageCode (PackageID, Description) VALUES ('EXEC1', 'GOLD HEALTH CHECK')"));
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET BirthDate = '1940-03-01' WHERE HOSPNUM = "
                                  "(SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNUM = ")
                   + db::Quote(admission) + QLatin1Char(')'));
    frmFinal* chart = open(admission);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->lblBanner->text(), QStringLiteral("Executive Package Type : GOLD HEALTH CHECK ( Patient is Tag As VIP PATIENT ) "
                                                       "( Patient is Senior Citizen )"));
    EXPECT_EQ(chart::TransplantStatus(), QStringLiteral("Transplant"));
    EXPECT_EQ(chart::DialysisStatus(), QStringLiteral("Post-Dialysis"));

    // A young patient without package or tag has no banner.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET VIP = 0, PackageID = NULL, dialysisID = '1', transplantID = '0' "
                                  "WHERE IDNum = ")
                   + db::Quote(admission));
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET BirthDate = '1990-03-01' WHERE HOSPNUM = "
                                  "(SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNUM = ")
                   + db::Quote(admission) + QLatin1Char(')'));
    EXPECT_EQ(chart::LoadPatientBanner(admission).text, QString());
    EXPECT_EQ(chart::TransplantStatus(), QStringLiteral("Non_Transplant"));
    EXPECT_EQ(chart::DialysisStatus(), QStringLiteral("Pre-Dialysis"));
}

TEST_F(ChartWindowTest, PagesAreReloadedWhenOneChangesAndTheirTypingIsAskedAbout)
{
    registerFakes();
    const QString admission = openStay(false);
    frmFinal* chart = open(admission);
    ASSERT_NE(chart, nullptr);
    log.clear();

    // A sent request: the other pages read again, the sender does not.
    emit page(chart, 0)->patientDataChanged();
    EXPECT_EQ(log, (QStringList{QStringLiteral("Results:") + admission, QStringLiteral("Notes:") + admission,
                                QStringLiteral("Profile:") + admission}));
    log.clear();

    // A page holding typing is not read again (that would wipe it); the
    // minute's refresh reads the requests page only.
    page(chart, 2)->txtEntry->setText(QStringLiteral("typed"));
    emit page(chart, 1)->patientDataChanged();
    EXPECT_EQ(log, (QStringList{QStringLiteral("Requests:") + admission, QStringLiteral("Profile:") + admission}));
    log.clear();
    chart->Reload_PendingRequests();
    EXPECT_EQ(log, QStringList{QStringLiteral("Requests:") + admission});
    page(chart, 2)->txtEntry->clear();
    log.clear();

    // Typing on a page holds the chart open until it is saved or let go.
    page(chart, 2)->txtEntry->setText(QStringLiteral("resting comfortably"));
    QPointer<QMdiSubWindow> frame = shell::ChildWindows::frameOf(chart);
    prompts.answerSave(shell::SaveChoice::Cancel);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Confirmation: Save changes to Patient Clinical Chart - ")
                                           + chart->patient().name + QStringLiteral("?")});

    // A page whose save fails keeps the chart and its typing.
    page(chart, 2)->refuse = true;
    prompts.answerSave(shell::SaveChoice::Save);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(page(chart, 2)->txtEntry->text(), QStringLiteral("resting comfortably"));

    page(chart, 2)->refuse = false;
    prompts.answerSave(shell::SaveChoice::Save);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
    EXPECT_EQ(log, QStringList{QStringLiteral("Notes saved resting comfortably")});
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChartWindowTest, TabsAndActionsKeepToTheUsersRights)
{
    registerFakes();
    const QString admission = openStay(false);
    // NURSE2 holds no right at all.
    logInAs(QStringLiteral("NURSE2"), QStringLiteral("nurse2"));
    connectComponents();
    frmFinal* chart = open(admission, QStringLiteral("results"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->tabChart->currentIndex(), 0) << "the results page stays closed";
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Sorry, you don't have access right to View Results.")});
    chart->tabChart->setCurrentIndex(2);
    EXPECT_EQ(chart->tabChart->currentIndex(), 2) << "a page without a right opens for anyone";
    chart->tabChart->setCurrentIndex(3);
    EXPECT_EQ(chart->tabChart->currentIndex(), 2);
    EXPECT_EQ(prompts.texts().last(), QStringLiteral("Notification: Sorry, you don't have access right to Update Patient Profile."));

    prompts.clear();
    for (int action = 0; action < frmFinal::StatementOfAccount; ++action)
        chart->cmdNextPatient_Click(action);
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Notification: Sorry, you don't have access right to request medicines."),
                           QStringLiteral("Notification: Sorry, you don't have access right to Request Central Supplies."),
                           QStringLiteral("Notification: Sorry, you don't have access right to Post New Diet."),
                           QStringLiteral("Notification: Sorry, you don't have access right to Discharge and Transfer Room of Patient."),
                           QStringLiteral("Notification: Sorry, you don't have access right to Post Charges."),
                           QStringLiteral("Notification: Sorry, you don't have access right to Send Clearance/Discharge Order."),
                           QStringLiteral("Notification: Sorry you don't have access right for Assessment Entry.")}));

    // Either of the two discharge rights opens the way: CHARGE1 holds 4 without 5.
    prompts.clear();
    logInAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    connectComponents();
    chart->cmdNextPatient_Click(frmFinal::DischargeTransfer);
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    logInAs(QStringLiteral("NURSE1"), QStringLiteral("nurse1"));
    connectComponents();
    chart->tabChart->setCurrentIndex(1);
    EXPECT_EQ(chart->tabChart->currentIndex(), 1);
    EXPECT_TRUE(prompts.shown().empty());

    // Windows of later parts stay disabled and say why; posting charges is there.
    for (int action = 0; action < frmFinal::ActionCount; ++action) {
        QPushButton* button = chart->cmdNextPatient[static_cast<size_t>(action)];
        EXPECT_EQ(button->isEnabled(), action == frmFinal::PostCharges) << action;
        EXPECT_EQ(button->toolTip().contains(QStringLiteral("Not yet available")), action != frmFinal::PostCharges) << action;
    }
}

TEST_F(ChartWindowTest, PostingChargesPassesTheAccountChecksFirst)
{
    const QString admission = openStay(false);
    frmFinal* chart = open(admission);
    ASSERT_NE(chart, nullptr);

    // A cash-basis account is refused with the operating room's wording; no charge window opens.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 1, OkeyOR = 0 WHERE IDNum = ") + db::Quote(admission));
    chart->cmdNextPatient_Click(frmFinal::PostCharges);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(prompts.texts().front().contains(QStringLiteral("( OR Charges )"))) << qPrintable(prompts.texts().front());
    EXPECT_TRUE(children().find(QStringLiteral("frmCharge"), admission) == nullptr);

    // Cleared for the operating room, the charge entry opens on the patient.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbpatient2 SET CashBasis = 0 WHERE IDNum = ") + db::Quote(admission));
    prompts.clear();
    chart->cmdNextPatient[frmFinal::PostCharges]->click();
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(children().find(QStringLiteral("frmCharge"), admission) != nullptr);

    // With another patient selected in the list, the chart does not charge the wrong one.
    ASSERT_TRUE(select(openStay(true)));
    prompts.clear();
    chart->cmdNextPatient_Click(frmFinal::PostCharges);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(prompts.texts().front().contains(QStringLiteral("before posting charges")));
}

} // namespace
