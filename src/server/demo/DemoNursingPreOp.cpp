#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

#include <QMap>

namespace server::demo {

namespace {

// The first in-patients still in the hospital: the ones a nurse trying the
// nursing documents is likely to pick first.
std::vector<const EncounterPlan*> openInPatients(const DemoCatalog& catalog, std::size_t count)
{
    std::vector<const EncounterPlan*> found;
    for (const EncounterPlan& stay : catalog.encounters) {
        if (stay.kind == EncounterKind::InPatient && stay.isOpen() && !stay.revoked)
            found.push_back(&stay);
        if (found.size() == count)
            break;
    }
    return found;
}

// The sheet keeps the amounts as typed.
QString number(int cc)
{
    return Text(QString::number(cc));
}

void writeFluidSheets(const DemoContext& context, const std::vector<const EncounterPlan*>& stays)
{
    BatchInsert rows(context.connection, QStringLiteral("STATION..tbNurseFluid"),
                     {QStringLiteral("IDNum"), QStringLiteral("DateEntered"), QStringLiteral("Shift"), QStringLiteral("Oral"),
                      QStringLiteral("Parenteral"), QStringLiteral("InputTotal"), QStringLiteral("Urine"),
                      QStringLiteral("Drainage"), QStringLiteral("Others"), QStringLiteral("OutputTotal"),
                      QStringLiteral("NurseID"), QStringLiteral("Transdate"), QStringLiteral("Hostname")});
    // Yesterday's four shifts and today's first two, with totals as a nurse adds them.
    struct Entry {
        int daysBack, shift, oral, parenteral, urine, drainage, others;
    };
    const Entry entries[] = {{1, 0, 240, 500, 400, 50, 0}, {1, 1, 360, 500, 550, 30, 0}, {1, 2, 120, 500, 300, 20, 100},
                             {1, 3, 0, 500, 350, 0, 0},    {0, 0, 200, 500, 450, 40, 0}, {0, 1, 300, 500, 500, 25, 0}};
    for (const EncounterPlan* stay : stays) {
        for (const Entry& e : entries) {
            const QDate day = context.catalog.today.addDays(-e.daysBack);
            const QDateTime saved(day, QTime((11 + 6 * e.shift) % 24, 30));
            rows.add({Text(stay->idNum), Day(day), Int(e.shift), number(e.oral), number(e.parenteral),
                      number(e.oral + e.parenteral), number(e.urine), number(e.drainage), number(e.others),
                      number(e.urine + e.drainage + e.others), Text(QStringLiteral("NURSE1")), Stamp(saved),
                      Text(QStringLiteral("OR-STATION-1"))});
        }
    }
    rows.flush();
}

QString packed(const QStringList& entries)
{
    return QStringLiteral(":;") + entries.join(QStringLiteral(":;"));
}

// Every yes/no item of a document answered: `yes` lists the items answered yes.
QString answers(int items, const QList<int>& yes)
{
    QStringList options;
    for (int item = 0; item < items; ++item) {
        options << (yes.contains(item) ? QStringLiteral("Y") : QStringLiteral("N"));
        options << (yes.contains(item) ? QStringLiteral("N") : QStringLiteral("Y"));
    }
    return packed(options);
}

QString blanks(int count, const QMap<int, QString>& filled)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << filled.value(i);
    return packed(entries);
}

// The first patient is ready for the operating room: the checklist is done
// and the anaesthesiologist has seen the patient.
void writePreOperativeDocuments(const DemoContext& context, const EncounterPlan& stay)
{
    const DemoCatalog& catalog = context.catalog;
    const DoctorPlan& surgeon = catalog.doctors.front();
    const DoctorPlan& anesthesiologist = catalog.doctors.back();
    const auto name = [](const DoctorPlan& doctor) { return doctor.name.last + QStringLiteral(", ") + doctor.name.first; };
    const QString day = catalog.today.addDays(1).toString(QStringLiteral("MM/dd/yyyy"));
    const QDateTime saved(catalog.today, QTime(16, 45));

    BatchInsert checklist(context.connection, QStringLiteral("STATION..tbNursePreOp"),
                          {QStringLiteral("IDNum"), QStringLiteral("Surgeon"), QStringLiteral("Anesthesiologist"),
                           QStringLiteral("TimeSched"), QStringLiteral("DateSched"), QStringLiteral("Operation"),
                           QStringLiteral("Spiritual"), QStringLiteral("ByWhom"), QStringLiteral("YesNo"),
                           QStringLiteral("Remarks"), QStringLiteral("Medicine"), QStringLiteral("Dose"), QStringLiteral("Time"),
                           QStringLiteral("Signs"), QStringLiteral("UserID"), QStringLiteral("TransDate")});
    QList<int> done;
    for (int item = 0; item < 20; ++item)
        if (item != 15 && item != 16)
            done << item;
    checklist.add({Text(stay.idNum), Text(name(surgeon)), Text(name(anesthesiologist)), Text(QStringLiteral("8:00 AM")), Text(day),
                   Text(QStringLiteral("OPEN CHOLECYSTECTOMY")), Text(QStringLiteral("PRAYER AND COMMUNION")),
                   Text(QStringLiteral("HOSPITAL CHAPLAIN")), Text(answers(20, done)),
                   Text(blanks(22, {{3, QStringLiteral("PENICILLIN")}, {20, QStringLiteral("PATIENT CALM, FAMILY AT THE LOUNGE")}})),
                   Text(blanks(4, {{0, QStringLiteral("CEFAZOLIN")}, {1, QStringLiteral("RANITIDINE")}})),
                   Text(blanks(4, {{0, QStringLiteral("1 G IV")}, {1, QStringLiteral("50 MG IV")}})),
                   Text(blanks(4, {{0, QStringLiteral("7:00 AM")}, {1, QStringLiteral("7:00 AM")}})),
                   Text(packed({QStringLiteral("120/80"), QStringLiteral("36.8"), QStringLiteral("78"), QStringLiteral("18"),
                                QStringLiteral("98%")})),
                   Text(QStringLiteral("NURSE1")), Stamp(saved)});
    checklist.flush();

    BatchInsert evaluation(context.connection, QStringLiteral("STATION..tbNursePreAnesthetic"),
                           {QStringLiteral("IDNum"), QStringLiteral("Surgeon"), QStringLiteral("Anesthesiologist"),
                            QStringLiteral("TimeSched"), QStringLiteral("DateSched"), QStringLiteral("Operation"),
                            QStringLiteral("PreOperative"), QStringLiteral("YesNo"), QStringLiteral("Remarks"),
                            QStringLiteral("OtherBoxes"), QStringLiteral("UserID"), QStringLiteral("TransDate")});
    evaluation.add({Text(stay.idNum), Text(name(surgeon)), Text(name(anesthesiologist)), Text(QStringLiteral("8:00 AM")), Text(day),
                    Text(QStringLiteral("OPEN CHOLECYSTECTOMY")), Text(QStringLiteral("CHRONIC CALCULOUS CHOLECYSTITIS")),
                    Text(answers(34, {0, 5, 24, 30, 31, 32, 33})),
                    Text(blanks(34, {{5, QStringLiteral("ON AMLODIPINE 5 MG DAILY")}, {24, QStringLiteral("AMLODIPINE")}})),
                    Text(packed({QStringLiteral("68"), QStringLiteral("165"), QStringLiteral("130/85"), QStringLiteral("82"),
                                 QStringLiteral("18"), QStringLiteral("36.7"), QStringLiteral("II"), QStringLiteral("2"),
                                 QStringLiteral("10")})),
                    Text(QStringLiteral("NURSE1")), Stamp(saved.addSecs(900))});
    evaluation.flush();
}

} // namespace

void WriteNursingPreOpDocuments(const DemoContext& context)
{
    const auto stays = openInPatients(context.catalog, 2);
    InTransaction(context.connection, [&] {
        writeFluidSheets(context, stays);
        if (!stays.empty() && !context.catalog.doctors.empty())
            writePreOperativeDocuments(context, *stays.front());
    });
}

} // namespace server::demo
