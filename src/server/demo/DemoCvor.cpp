#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"
#include "server/demo/DemoTime.h"

#include <QStringList>

namespace server::demo {

namespace {

const char* const kTcvs = "THORACIC AND CARDIOVASCULAR SURGERY";

// When the heart operation was charged: the morning after admission, or an
// hour after it for a stay too short (or too recent) for that.
QDateTime OperationTime(const EncounterPlan& stay, const QDate& today)
{
    QDateTime when = At(stay.admitted.date().addDays(1), QTime(8, 30));
    const QDateTime limit = stay.isOpen() ? At(today, QTime(7, 0)) : stay.discharged;
    if (when >= limit)
        when = stay.admitted.addSecs(3600);
    return when;
}

template <typename T>
const T* Pick(const std::vector<const T*>& list, size_t index)
{
    return list.empty() ? nullptr : list[index % list.size()];
}

void writeCases(const DemoContext& context)
{
    const DemoCatalog& catalog = context.catalog;
    std::vector<const OrProcedurePlan*> operations;
    for (const OrProcedurePlan& p : catalog.procedures)
        if (p.tagged && p.specialty == QLatin1String(kTcvs))
            operations.push_back(&p);
    if (operations.empty())
        return;
    const std::vector<const DoctorPlan*> surgeons = catalog.surgeonsFor(QLatin1String(kTcvs));
    const std::vector<const DoctorPlan*> anesthesiologists = catalog.anesthesiologists();
    std::vector<const DoctorPlan*> physicians;
    for (const DoctorPlan& d : catalog.doctors)
        if (!d.surgeon && !d.anesthesiologist)
            physicians.push_back(&d);
    const std::vector<const UserPlan*> nurses = catalog.nurses();

    BatchInsert bill(context.connection, QStringLiteral("BILLING..tbBillDailyBill"),
                     {QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("RefNum"), QStringLiteral("ItemID"),
                      QStringLiteral("RevenueID"), QStringLiteral("Description"), QStringLiteral("TransDate"),
                      QStringLiteral("Quantity"), QStringLiteral("Amount"), QStringLiteral("TransType"),
                      QStringLiteral("RecordStatus"), QStringLiteral("PatientType"), QStringLiteral("RoomID"),
                      QStringLiteral("DoctorID"), QStringLiteral("UserID")});
    BatchInsert crews(context.connection, QStringLiteral("STATION..tbCVORInfo"),
                      {QStringLiteral("IdNum"), QStringLiteral("RefNum"), QStringLiteral("ItemID"), QStringLiteral("TransDate"),
                       QStringLiteral("Surgeon"), QStringLiteral("AsstSurgeon"), QStringLiteral("Anesthesiologist"),
                       QStringLiteral("AssocAnest"), QStringLiteral("Intensivist"), QStringLiteral("Perfutionist"),
                       QStringLiteral("ScrubNurse1"), QStringLiteral("ScrubNurse2"), QStringLiteral("Circulator1"),
                       QStringLiteral("Circulator2"), QStringLiteral("UserID"), QStringLiteral("UpdateDate")});
    // The patients admitted for coronary disease are tagged as cardiovascular
    // cases on admission; each had one heart operation. Most have their crew
    // recorded; every fourth is still waiting for it.
    size_t n = 0;
    for (const EncounterPlan& stay : catalog.encounters) {
        if (stay.isOutPatient() || stay.revoked || stay.icd != QLatin1String("I25.1"))
            continue;
        const OrProcedurePlan& operation = *operations[n % operations.size()];
        const PatientPlan& patient = catalog.patients[static_cast<size_t>(stay.patient)];
        const QDateTime when = OperationTime(stay, catalog.today);
        const QString refNum = QStringLiteral("CV%1").arg(1001 + static_cast<int>(n));
        const DoctorPlan* surgeon = Pick(surgeons, n);
        bill.add({Text(stay.idNum), Text(patient.hospNum), Text(refNum), Text(operation.code), Text(QStringLiteral("OR")),
                  Text(operation.name), Stamp(when), Int(1), Num(operation.rate), Text(QStringLiteral("D")), Text(QString()),
                  Text(QStringLiteral("I")), Text(stay.room), Text(surgeon ? surgeon->id : stay.doctorId),
                  Text(QStringLiteral("NURSE1"))});
        if (n % 4 != 3) {
            auto doctor = [](const DoctorPlan* d) { return d ? Text(d->id) : Text(QString()); };
            auto nurse = [](const UserPlan* u) { return u ? Text(u->id) : Text(QString()); };
            crews.add({Text(stay.idNum), Text(refNum), Text(operation.code), Stamp(when), doctor(surgeon),
                       doctor(Pick(surgeons, n + 1)), doctor(Pick(anesthesiologists, n)), doctor(Pick(anesthesiologists, n + 1)),
                       doctor(Pick(physicians, n)), n % 2 ? doctor(Pick(physicians, n + 3)) : Text(QString()),
                       nurse(Pick(nurses, n)), n % 2 ? Text(QString()) : nurse(Pick(nurses, n + 2)), nurse(Pick(nurses, n + 1)),
                       Text(QString()), Text(QStringLiteral("NURSE1")), Stamp(when.addSecs(5 * 3600))});
        }
        ++n;
    }
    bill.flush();
    crews.flush();
}

} // namespace

void WriteCvorCases(const DemoContext& context)
{
    InTransaction(context.connection, [&] { writeCases(context); });
}

} // namespace server::demo
