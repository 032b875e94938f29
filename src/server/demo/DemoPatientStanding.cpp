#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

#include <QHash>
#include <QMap>

namespace server::demo {

namespace {

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// What the station checks about a patient before it charges, requests or
// discharges: insurance membership, special and foreign patients, the
// departments' clearances, pharmacy returns, medicines not yet given,
// consultations and the dialysis Z package.
class StandingWriter {
public:
    explicit StandingWriter(const DemoContext& context) : context_(context), catalog_(context.catalog), random_(0x5EED0601) {}

    void run()
    {
        writeMemberships();
        writeSpecialAndForeignPatients();
        writeClearances();
        writePharmacyAndMedicines();
        writeConsultations();
        writeDialysisPackage();
    }

private:
    // Two stays in three are covered by the national insurance; a few
    // memberships have lapsed before the admission, a few are of non-members.
    void writeMemberships()
    {
        const char* const categories[] = {"EP", "EG", "IP", "SP", "IN", "OF", "LM"};
        BatchInsert rows(context_.connection, QStringLiteral("PATIENT_DATA..tbPatientPHIC"),
                         {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("PHICNum"),
                          QStringLiteral("PHICCode"), QStringLiteral("EligibleUntil"), QStringLiteral("UserID"),
                          QStringLiteral("TransDate")});
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.revoked || !random_.chance(66))
                continue;
            const PatientPlan& p = catalog_.patients[static_cast<size_t>(e.patient)];
            const bool senior = p.birthDate.addYears(60) <= e.admitted.date();
            QString category = senior ? QStringLiteral("SC") : latin(categories[random_.below(std::size(categories))]);
            if (random_.chance(4))
                category = QStringLiteral("NM");
            const QDateTime until = random_.chance(5) ? e.admitted.addDays(-30) : QDateTime();
            rows.add({Text(e.idNum), Text(p.hospNum),
                      Text(QStringLiteral("%1-%2-%3").arg(random_.between(1, 19), 2, 10, QLatin1Char('0'))
                               .arg(random_.between(100000000, 999999999)).arg(random_.below(10))),
                      Text(category), Stamp(until), Text(QStringLiteral("ADMITTING")), Stamp(e.admitted)});
        }
        rows.flush();
    }

    // One person in fifty is a hospital employee or dependent, charged at the
    // special class; one in forty is a foreigner.
    void writeSpecialAndForeignPatients()
    {
        BatchInsert special(context_.connection, QStringLiteral("PATIENT_DATA..tbSpecialPatient"),
                            {QStringLiteral("HospNum"), QStringLiteral("SpecialType"), QStringLiteral("Remarks"),
                             QStringLiteral("UserID")});
        const char* const nationalities[] = {"AMERICAN", "KOREAN", "JAPANESE", "CHINESE", "AUSTRALIAN", "GERMAN"};
        QMap<QString, QStringList> foreign;
        for (const PatientPlan& p : catalog_.patients) {
            if (random_.chance(2))
                special.add({Text(p.hospNum), Text(random_.chance(60) ? QStringLiteral("EMPLOYEE") : QStringLiteral("DEPENDENT")),
                             Text(QStringLiteral("PER HUMAN RESOURCES LIST")), Text(QStringLiteral("BILLING"))});
            if (random_.below(40) == 0)
                foreign[latin(nationalities[random_.below(std::size(nationalities))])] << Text(p.hospNum);
        }
        special.flush();
        for (auto it = foreign.constBegin(); it != foreign.constEnd(); ++it)
            context_.connection.execute(QStringLiteral("UPDATE PATIENT_DATA..tbmaster SET Nationality = %1 WHERE HOSPNUM IN (%2)")
                                            .arg(Text(it.key()), it.value().join(QLatin1Char(','))));
    }

    // Departments clear a patient's account before discharge: every one of
    // them for the patients who went home, the laboratory and the pharmacy
    // already for the billed patients still in the house.
    void writeClearances()
    {
        BatchInsert rows(context_.connection, QStringLiteral("STATION..tbNurseDepartmentClearance"),
                         {QStringLiteral("IdNum"), QStringLiteral("DepartmentCode"), QStringLiteral("ClearDate"),
                          QStringLiteral("ClearRemarks"), QStringLiteral("UserID")});
        const char* const all[] = {"LB", "XR", "US", "PH", "CS", "OR"};
        const char* const early[] = {"LB", "PH"};
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.isOutPatient() || !e.billed.isValid())
                continue;
            const bool home = !e.isOpen();
            const QDateTime when = home ? e.discharged.addSecs(-2 * 3600) : e.billed.addSecs(-3600);
            for (const char* department : home ? std::vector<const char*>(std::begin(all), std::end(all))
                                               : std::vector<const char*>(std::begin(early), std::end(early)))
                rows.add({Text(e.idNum), Text(latin(department)), Stamp(std::max(when, e.admitted)),
                          Text(QStringLiteral("NO PENDING CHARGES")), Text(latin(department) + QStringLiteral("STAFF"))});
        }
        // The operating room has already cleared the last in-house patient
        // not yet billed (after the operation, ahead of the billing), so the
        // station refuses a further charge for a stay that is still open.
        for (auto it = catalog_.encounters.rbegin(); it != catalog_.encounters.rend(); ++it) {
            const EncounterPlan& e = *it;
            if (e.isOutPatient() || e.revoked || !e.isOpen() || e.billed.isValid())
                continue;
            rows.add({Text(e.idNum), Text(QStringLiteral("OR")), Stamp(std::max(At(catalog_.today, QTime(7, 30)), e.admitted)),
                      Text(QStringLiteral("NO PENDING CHARGES")), Text(QStringLiteral("ORSTAFF"))});
            break;
        }
        rows.flush();
    }

    // Returns waiting at the pharmacy, and the ward's medicine list: what was
    // issued and how much of it is still to be given.
    void writePharmacyAndMedicines()
    {
        std::vector<std::pair<QString, QString>> medicines;
        db::Recordset rs = context_.connection.open(QStringLiteral(
            "SELECT M.ItemID, M.ItemName, M.Route FROM INVENTORY..tbInvItemLocation L "
            "INNER JOIN INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID WHERE L.LocationID = '20' ORDER BY M.ItemID"));
        for (; !rs.eof(); rs.moveNext())
            medicines.emplace_back(rs.text(QStringLiteral("ItemID")), rs.text(QStringLiteral("ItemName")));
        if (medicines.empty())
            return;
        BatchInsert returns(context_.connection, QStringLiteral("INVENTORY..tbPharmaCommunication"),
                            {QStringLiteral("IDNUM"), QStringLiteral("RevenueID"), QStringLiteral("ItemID"),
                             QStringLiteral("Quantity"), QStringLiteral("Remarks"), QStringLiteral("RECORDSTATUS"),
                             QStringLiteral("UserID"), QStringLiteral("TransDate")});
        BatchInsert list(context_.connection, QStringLiteral("STATION..tbNursePatientMedicines"),
                         {QStringLiteral("IdNum"), QStringLiteral("ItemID"), QStringLiteral("Description"),
                          QStringLiteral("Quantity"), QStringLiteral("Dosage"), QStringLiteral("Frequency"),
                          QStringLiteral("TransDate"), QStringLiteral("UserID")});
        const auto nurses = catalog_.nurses();
        const QDateTime noon = At(catalog_.today, QTime(12, 0));
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.isOutPatient() || !e.isOpen())
                continue;
            const QString nurse = nurses[static_cast<size_t>(random_.below(static_cast<int>(nurses.size())))]->id;
            if (random_.chance(8)) {
                const auto& [item, name] = medicines[static_cast<size_t>(random_.below(static_cast<int>(medicines.size())))];
                returns.add({Text(e.idNum), Text(QStringLiteral("PH")), Text(item), Num(random_.between(1, 3)),
                             Text(QStringLiteral("UNUSED, FOR RETURN")), Text(random_.chance(20) ? QStringLiteral("R") : QString()),
                             Text(nurse), Stamp(std::max(e.admitted, noon.addSecs(-random_.between(1, 20) * 3600)))});
            }
            if (!random_.chance(25))
                continue;
            for (int i = random_.between(1, 3); i > 0; --i) {
                const auto& [item, name] = medicines[static_cast<size_t>(random_.below(static_cast<int>(medicines.size())))];
                list.add({Text(e.idNum), Text(item), Text(name), Num(random_.chance(50) ? 0 : random_.between(1, 4)),
                          Text(QStringLiteral("1 TAB")), Text(QStringLiteral("Q8H")), Stamp(e.admitted.addSecs(3 * 3600)),
                          Text(nurse)});
            }
        }
        returns.flush();
        list.flush();
    }

    void writeConsultations()
    {
        const char* const reasons[] = {"CARDIO-PULMONARY CLEARANCE", "PRE-OPERATIVE EVALUATION", "ANESTHESIA EVALUATION",
                                       "CO-MANAGEMENT OF DIABETES", "PAIN MANAGEMENT"};
        BatchInsert rows(context_.connection, QStringLiteral("DOCTORS..Consultation"),
                         {QStringLiteral("IDNum"), QStringLiteral("DoctorID"), QStringLiteral("Complaint"),
                          QStringLiteral("UserID"), QStringLiteral("TransDate")});
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.isOutPatient() || !e.isOpen() || !random_.chance(15))
                continue;
            for (int i = random_.between(1, 2); i > 0; --i)
                rows.add({Text(e.idNum), Text(random_.pick(catalog_.doctors).id),
                          Text(latin(reasons[random_.below(std::size(reasons))])), Text(QStringLiteral("NURSE1")),
                          Stamp(e.admitted.addSecs(random_.between(2, 20) * 3600))});
        }
        rows.flush();
    }

    // The peritoneal-dialysis patient of the "PD First" Z package comes every
    // month for bags: every out-patient visit of one patient carries it.
    void writeDialysisPackage()
    {
        db::Connection& c = context_.connection;
        c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoADmPackage (PackageID, Package, Amount, isPDFirst) "
                                 "VALUES ('ZPD01', 'PD FIRST Z-PACKAGE (PERITONEAL DIALYSIS)', 270000, 1)"));
        BatchInsert items(c, QStringLiteral("CAPD..tbcapdware_Invent"),
                          {QStringLiteral("TransType"), QStringLiteral("ItemID"), QStringLiteral("Description"),
                           QStringLiteral("Quantity"), QStringLiteral("Amount")});
        const struct {
            const char* type;
            const char* id;
            const char* name;
            double amount;
        } ware[] = {{"ZPACKAGE AND CASERATE", "ZPD001", "PD SOLUTION 1.5% DEXTROSE 2L BAG", 650},
                    {"ZPACKAGE AND CASERATE", "ZPD002", "PD SOLUTION 2.5% DEXTROSE 2L BAG", 680},
                    {"ZPACKAGE AND CASERATE", "ZPD003", "PD TRANSFER SET", 1800},
                    {"REGULAR", "CPD001", "PD MINICAP", 90}};
        for (const auto& w : ware)
            items.add({Text(latin(w.type)), Text(latin(w.id)), Text(latin(w.name)), Num(100), Num(w.amount)});
        items.flush();

        QHash<int, QStringList> visits;
        for (const EncounterPlan& e : catalog_.encounters)
            if (e.kind == EncounterKind::OutPatient && !e.revoked)
                visits[e.patient] << e.idNum;
        int chosen = -1;
        for (auto it = visits.constBegin(); it != visits.constEnd(); ++it)
            if (it.value().size() >= 2 && (chosen < 0 || it.key() < chosen))
                chosen = it.key();
        if (chosen < 0)
            return;
        QStringList ids;
        for (const QString& id : visits.value(chosen))
            ids << Text(id);
        c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbOutPatient SET PackageID = 'ZPD01' WHERE IDNUM IN (%1)")
                      .arg(ids.join(QLatin1Char(','))));
    }

    const DemoContext& context_;
    const DemoCatalog& catalog_;
    DemoRandom random_;
};

} // namespace

void WritePatientStanding(const DemoContext& context)
{
    InTransaction(context.connection, [&] { StandingWriter(context).run(); });
}

} // namespace server::demo
