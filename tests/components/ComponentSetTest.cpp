// The sibling components are created, connected and released in the order
// the hospital system expects, and connected components work on the shared
// connection.
#include "app_support/AppFixture.h"
#include "components/ComponentSet.h"
#include "components/ICDCodeSearch.h"
#include "components/NurseActivity.h"
#include "components/Patient.h"
#include "components/clsCF4.h"
#include "components/clsCodeSearch.h"
#include "components/clsCurrentuser.h"
#include "components/clsHistopathRequest.h"
#include "components/clsListDrugs.h"
#include "components/clsPatientSearch.h"

namespace {

using components::ComponentSet;

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* n : list)
        out << QString::fromLatin1(n);
    return out;
}

class ComponentSetTest : public test::AppFixture {
protected:
    ComponentSet::ConnectOptions connectOptions(bool byGeneric)
    {
        ComponentSet::ConnectOptions o;
        o.connection = &conn();
        o.mtsServerName = QStringLiteral("MTS01");
        o.company = QStringLiteral("SAINT ANNE GENERAL HOSPITAL");
        o.byGeneric = byGeneric;
        return o;
    }
};

TEST_F(ComponentSetTest, CreatesTheComponentsInTheStartUpOrder)
{
    ComponentSet set;
    set.CreateComponents(false, QStringLiteral("MTS01"));
    EXPECT_EQ(set.CreationOrder(),
              names({"DrugList", "PatientSearch", "DrugComponent", "DrugListCSR", "KeyPressHelper", "CodeSearch",
                     "KeyPressHelper2", "ICDSearch", "NurseRequest", "NurseResults", "NurseConfinementResults",
                     "NurseConfinement", "RVSLookup", "ChargeSlipList", "IssuedMedicines", "PatientComponent"}));
    EXPECT_EQ(set.DrugList()->progId(), QStringLiteral("prjListDrugs.clsListDrugs"));
    EXPECT_EQ(set.DrugListCSR()->progId(), QStringLiteral("prjListDrugs.clsListDrugs"));
    EXPECT_NE(set.KeyPressHelper(), set.KeyPressHelper2());
    // Only the nurse-activity components are made for the middle-tier server.
    EXPECT_EQ(set.NurseRequest()->serverName(), QStringLiteral("MTS01"));
    EXPECT_EQ(set.NurseConfinementResults()->serverName(), QStringLiteral("MTS01"));
    EXPECT_EQ(set.HistopathRequest(), nullptr);
    EXPECT_EQ(set.CF4Component(), nullptr);

    ComponentSet byGeneric;
    byGeneric.CreateComponents(true, QString());
    EXPECT_EQ(byGeneric.DrugList()->progId(), QStringLiteral("prjListDrugsByGeneric.clsListGeneric"));
    EXPECT_EQ(byGeneric.DrugListCSR()->progId(), QStringLiteral("prjListDrugs.clsListDrugs"));
}

TEST_F(ComponentSetTest, ConnectsTheDataComponentsToTheSharedConnection)
{
    ComponentSet set;
    set.CreateComponents(false, QStringLiteral("MTS01"));
    set.CodeSearch()->SearchMode = false;
    set.CodeSearch()->DoctorRecord.ResultCode = QStringLiteral("stale");
    set.DrugListCSR()->DrugsORCSR = true;
    EXPECT_TRUE(set.ConnectComponents(connectOptions(false)));

    // Without the by-generic flag the central-supply list is not connected, yet lists pharmacy items.
    EXPECT_EQ(set.ConnectionCalls(),
              names({"PatientSearch.InitConnection", "RVSLookup.InitConnection", "DrugComponent.InitConnect",
                     "DrugList.InitConnection", "PatientComponent.InitConnect", "IssuedMedicines.InitConnection",
                     "ChargeSlipList.InitConnection"}));
    EXPECT_EQ(set.DrugListCSR()->connection(), nullptr);
    EXPECT_FALSE(set.DrugListCSR()->DrugsORCSR);
    EXPECT_EQ(set.DrugList()->ConnectionString, conn().connectionString());

    EXPECT_EQ(set.ICDSearch()->ActiveConnection, &conn());
    const components::clsCodeSearch& search = *set.CodeSearch();
    EXPECT_EQ(search.Connection, &conn());
    EXPECT_EQ(search.MTS_Server, QStringLiteral("MTS01"));
    EXPECT_EQ(search.CompanyName, QStringLiteral("SAINT ANNE GENERAL HOSPITAL"));
    EXPECT_TRUE(search.SearchMode);
    EXPECT_TRUE(search.DoctorRecord.ResultCode.isEmpty());

    // The connected components read the hospital's records.
    const QString idNum = conn().open(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PATIENT_DATA..tbPatient")).text(QStringLiteral("IDNUM"));
    EXPECT_TRUE(set.PatientComponent()->LoadInfo(idNum));
    EXPECT_TRUE(set.PatientSearch()->ValidateAdmission(idNum));
    EXPECT_TRUE(set.PatientSearch()->ValidatePatient(set.PatientSearch()->Admission.HospitalNumber));

    ComponentSet byGeneric;
    byGeneric.CreateComponents(true, QString());
    byGeneric.DrugListCSR()->DrugsORCSR = true;
    EXPECT_TRUE(byGeneric.ConnectComponents(connectOptions(true)));
    EXPECT_EQ(byGeneric.ConnectionCalls().last(), QStringLiteral("DrugListCSR.InitConnection"));
    EXPECT_EQ(byGeneric.DrugListCSR()->connection(), &conn());
    EXPECT_FALSE(byGeneric.DrugListCSR()->DrugsORCSR);
}

TEST_F(ComponentSetTest, AComponentThatRefusesItsConnectionStopsTheChain)
{
    ComponentSet set;
    set.CreateComponents(true, QString());
    set.DrugListCSR()->DrugsORCSR = true;
    ComponentSet::ConnectOptions none = connectOptions(true);
    none.connection = nullptr;
    EXPECT_FALSE(set.ConnectComponents(none));
    EXPECT_EQ(set.ConnectionCalls(), names({"PatientSearch.InitConnection"}));
    EXPECT_FALSE(set.DrugListCSR()->DrugsORCSR);
}

TEST_F(ComponentSetTest, ReleasesInTheShutDownOrder)
{
    ComponentSet set;
    set.CreateComponents(false, QStringLiteral("MTS01"));
    set.CreateHistopathRequest();
    set.SetCF4Component(user->KELVANECLASSES.clsCF4());
    EXPECT_EQ(set.CreationOrder().last(), QStringLiteral("HistopathRequest"));

    bool userReleased = false;
    ComponentSet::ReleaseOptions options;
    options.startupCompleted = true;
    options.showCF4 = true;
    options.clientname = QStringLiteral("QORV");
    options.releaseCurrentUser = [&] {
        // The components before the current user are gone, those after it still there.
        EXPECT_EQ(set.KeyPressHelper(), nullptr);
        EXPECT_NE(set.CodeSearch(), nullptr);
        userReleased = true;
    };
    set.Release(options);
    EXPECT_TRUE(userReleased);
    EXPECT_EQ(set.ReleaseOrder(),
              names({"NurseResults.Class_Terminate", "NurseResults", "NurseRequest.Class_Terminate", "NurseRequest",
                     "NurseConfinement.Class_Terminate", "NurseConfinement", "NurseConfinementResults.Class_Terminate",
                     "NurseConfinementResults", "PatientSearch", "DrugComponent", "DrugList", "DrugListCSR",
                     "KeyPressHelper2", "KeyPressHelper", "CurrentUser", "CodeSearch", "ICDSearch", "RVSLookup",
                     "PatientComponent", "IssuedMedicines", "ChargeSlipList", "CF4Component", "HistopathRequest"}));
    EXPECT_EQ(set.CodeSearch(), nullptr);
    EXPECT_EQ(set.CF4Component(), nullptr);
}

TEST_F(ComponentSetTest, StartUpThatNeverCompletedSkipsTheNurseActivityCleanUp)
{
    ComponentSet set;
    set.CreateComponents(false, QString());
    set.SetCF4Component(user->KELVANECLASSES.clsCF4());
    ComponentSet::ReleaseOptions options;
    options.startupCompleted = false;
    options.showCF4 = false;
    options.clientname = QStringLiteral("PELD");
    set.Release(options);
    const QStringList& order = set.ReleaseOrder();
    EXPECT_EQ(order.filter(QStringLiteral("Class_Terminate")), QStringList());
    EXPECT_FALSE(order.contains(QStringLiteral("CF4Component")));
    EXPECT_FALSE(order.contains(QStringLiteral("CurrentUser")));
    EXPECT_EQ(order.first(), QStringLiteral("PatientSearch"));
    EXPECT_EQ(order.mid(order.size() - 4),
              names({"NurseResults", "NurseRequest", "NurseConfinement", "NurseConfinementResults"}));
}

TEST_F(ComponentSetTest, SharedClassesHandTheConnectionToTheCaseRateForm)
{
    components::clsCurrentuser& current = *user;
    EXPECT_FALSE(current.KELVANECLASSES.initwithdb()) << "UseClasses is still off";
    EXPECT_EQ(current.KELVANECLASSES.clsCF4()->connection, nullptr);
    current.KELVANECLASSES.UseClasses = true;
    EXPECT_TRUE(current.KELVANECLASSES.initwithdb());
    EXPECT_EQ(current.KELVANECLASSES.clsCF4()->connection, current.SQLConnection());
}

} // namespace
