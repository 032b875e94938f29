#include "server/demo/BatchInsert.h"
#include "server/demo/DemoChargeables.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoRates.h"
#include "server/demo/DemoSteps.h"

#include <QHash>

namespace server::demo {

namespace {

// Departments the requests go to, with their share in percent.
const std::pair<const char*, int> kRequestDepartments[] = {{"LB", 60}, {"XR", 18}, {"US", 10}, {"CT", 6}, {"HS", 6}};

// Requests sent to the ancillary departments for the patients in the house and
// those who left this week: results already released (processed, 'X') for the
// older ones, pending ('') for today's, and a few revoked ('R').
class RequestWriter {
public:
    explicit RequestWriter(const DemoContext& context)
        : context_(context)
        , catalog_(context.catalog)
        , random_(0x5EED0501)
        , prices_(LoadChargeables(context.connection))
        , requests_(context.connection, QStringLiteral("STATION..tbNurseCommunicationFile"), columns(false))
        , log_(context.connection, QStringLiteral("STATION..tbNurseLogBook"), columns(true))
    {
        for (const UserPlan* nurse : catalog_.nurses())
            nurses_.push_back(nurse->id);
        for (const WardRoomPlan& room : catalog_.wardRooms)
            wardStations_.insert(room.id, room.stationId);
    }

    void run()
    {
        const QDateTime now(catalog_.today, QTime(0, 0));
        for (const EncounterPlan& e : catalog_.encounters) {
            if (e.revoked)
                continue;
            const bool recent = e.isOpen() || e.discharged.daysTo(now) <= 7;
            if (!recent || !random_.chance(e.isOutPatient() ? 30 : 80))
                continue;
            const int count = random_.between(1, 4);
            for (int i = 0; i < count; ++i)
                writeRequest(e);
        }
        requests_.flush();
        log_.flush();

        BatchInsert counter(context_.connection, QStringLiteral("STATION..tbNurseRequestNum"),
                            {QStringLiteral("RequestNum"), QStringLiteral("ReferenceNum")});
        counter.add({Int(nextRequest_), Int(nextRequest_)});
        counter.flush();
    }

private:
    static QStringList columns(bool logBook)
    {
        return {logBook ? QStringLiteral("REFERENCENUM") : QStringLiteral("ReferenceNum"), QStringLiteral("RequestNum"),
                QStringLiteral("IDNum"), QStringLiteral("HospNum"), QStringLiteral("PatientType"),
                QStringLiteral("RevenueID"), QStringLiteral("ItemID"), QStringLiteral("Description"),
                QStringLiteral("Quantity"), QStringLiteral("Amount"), QStringLiteral("SectionID"), QStringLiteral("Stat"),
                QStringLiteral("DoctorID"), QStringLiteral("Remarks"), QStringLiteral("RequestDate"),
                QStringLiteral("UserID"), QStringLiteral("StationID"), QStringLiteral("RecordStatus"),
                QStringLiteral("ProcessBy"), QStringLiteral("ProcessDate"), QStringLiteral("RevokeBy"),
                QStringLiteral("RevokeDate")};
    }

    QString pickDepartment()
    {
        int roll = random_.below(100);
        for (const auto& [code, weight] : kRequestDepartments) {
            roll -= weight;
            if (roll < 0)
                return QString::fromLatin1(code);
        }
        return QStringLiteral("LB");
    }

    void writeRequest(const EncounterPlan& e)
    {
        const std::vector<Chargeable>& exams = prices_[pickDepartment()];
        if (exams.empty())
            return;
        const Chargeable& exam = exams[static_cast<size_t>(random_.below(static_cast<int>(exams.size())))];
        const PatientPlan& p = catalog_.patients[static_cast<size_t>(e.patient)];
        const QDateTime end = e.isOpen() ? At(catalog_.today, QTime(12, 0)) : e.discharged;
        const qint64 span = std::max<qint64>(60, e.admitted.secsTo(end));
        const QDateTime requested = e.admitted.addSecs(random_.below(static_cast<int>(std::min<qint64>(span, 1LL << 30))));
        const QString& nurse = nurses_[static_cast<size_t>(random_.below(static_cast<int>(nurses_.size())))];
        const QString station = random_.chance(50) ? QStringLiteral("OR1")
                                                   : wardStations_.value(e.room, e.kind == EncounterKind::Emergency ? QStringLiteral("ER") : QStringLiteral("OPD"));

        QString status;
        QDateTime processed;
        QDateTime revoked;
        if (random_.chance(3)) {
            status = QStringLiteral("R");
            revoked = requested.addSecs(1800);
        } else if (requested.date() < catalog_.today || !e.isOpen()) {
            status = QStringLiteral("X");
            processed = requested.addSecs(random_.between(1, 6) * 3600);
        }
        const bool stat = random_.chance(15);
        const QString requestNum = QString::number(nextRequest_++);
        const QString reference = QStringLiteral("R") + requestNum;
        const QStringList values = {
            Text(reference), Text(requestNum), Text(e.idNum), Text(p.hospNum),
            Text(e.isOutPatient() ? QStringLiteral("O") : QStringLiteral("I")), Text(exam.revenueId), Text(exam.itemId),
            Text(exam.description), Int(1), Num(RateFor(exam.price, e.rateClass)), Text(exam.section),
            Text(stat ? QStringLiteral("Y") : QStringLiteral("N")), Text(e.doctorId),
            Text(stat ? QStringLiteral("STAT PER DOCTOR'S ORDER") : QString()), Stamp(requested), Text(nurse), Text(station),
            Text(status), processed.isValid() ? Text(exam.revenueId + QStringLiteral("STAFF")) : Null(), Stamp(processed),
            revoked.isValid() ? Text(nurse) : Null(), Stamp(revoked)};
        requests_.add(values);
        log_.add(values);
    }

    const DemoContext& context_;
    const DemoCatalog& catalog_;
    DemoRandom random_;
    QHash<QString, std::vector<Chargeable>> prices_;
    std::vector<QString> nurses_;
    QHash<QString, QString> wardStations_;
    BatchInsert requests_;
    BatchInsert log_;
    qlonglong nextRequest_ = 200001;
};

} // namespace

void WriteResults(const DemoContext& context)
{
    InTransaction(context.connection, [&] { RequestWriter(context).run(); });
}

} // namespace server::demo
