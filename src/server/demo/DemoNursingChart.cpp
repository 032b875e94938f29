#include "server/demo/BatchInsert.h"
#include "server/demo/DemoRandom.h"
#include "server/demo/DemoSteps.h"

#include <algorithm>

namespace server::demo {

namespace {

// The nurses who chart on the demo wards, so that a nurse logged in as one of
// them meets readings and notes of her own and of colleagues.
const char* const kChartingNurses[] = {"NURSE1", "NURSE2", "CHARGE1", "SUPERVISOR"};
const char* const kProtocols[] = {"Once Every Shift", "Every 4 hours", "Every 2 hours", "Every Hour"};

const char* const kNotes[] = {
    "Received patient awake, conscious and coherent. IVF infusing well. Due medications given as ordered.",
    "Patient slept at intervals. No complaints of pain. Vital signs taken and recorded.",
    "Complained of pain at the operative site, pain scale 6/10. Analgesic given as ordered; reassessed after 30 minutes, pain 3/10.",
    "Febrile episode noted, T 38.6. Tepid sponge bath done, paracetamol given as ordered. Attending physician informed.",
    "Tolerated soft diet. Ambulated to the comfort room with assistance. Encouraged deep breathing exercises.",
    "Blood pressure elevated, 160/100. Patient advised bed rest; resident on duty informed and came to see the patient.",
    "Dressing at the operative site dry and intact. Drain output 30 cc serosanguinous.",
    "Patient's watcher oriented on the ward's rules and the call bell. Side rails kept up.",
    "Oxygen via nasal cannula at 2 LPM maintained. O2 saturation 95% at room air after weaning.",
    "Laboratory specimens extracted and sent. Awaiting results. Instructed to keep NPO after midnight for the procedure.",
};

const char* const kExamTexts[][2] = {
    {"PEskin", "Warm to touch, good turgor, no lesions."},
    {"PEheadneck", "Anicteric sclerae, pink palpebral conjunctivae, no neck vein engorgement."},
    {"PEthorax", "Symmetrical chest expansion, clear breath sounds."},
    {"PEabdomen", "Soft, non-tender, normoactive bowel sounds."},
    {"PEextremeties", "No edema, full and equal pulses."},
    {"PEneurological", "Conscious, coherent, oriented to time, place and person."},
};

struct Reading {
    int systolic, diastolic;
    double temperature;
    int pulse, respiration, oxygen;
};

// A believable reading: most within normal limits, about one in eight with
// a fever, a high pressure or a fast pulse, as on a real surgical ward.
Reading NextReading(DemoRandom& random, const Reading& usual)
{
    Reading r{usual.systolic + random.between(-8, 8), usual.diastolic + random.between(-6, 6),
              usual.temperature + random.between(-3, 4) / 10.0, usual.pulse + random.between(-6, 8),
              usual.respiration + random.between(-2, 2), std::min(100, usual.oxygen + random.between(-1, 2))};
    switch (random.below(24)) {
    case 0: r.temperature = 38.0 + random.between(2, 14) / 10.0; r.pulse += 18; break;
    case 1: r.systolic = random.between(150, 185); r.diastolic = random.between(95, 115); break;
    case 2: r.pulse = random.between(105, 128); r.respiration += 6; break;
    case 3: r.oxygen = random.between(89, 93); r.respiration += 4; break;
    default: break;
    }
    return r;
}

class ChartWriter {
public:
    explicit ChartWriter(const DemoContext& context)
        : context_(context)
        , vitals_(context.connection, QStringLiteral("STATION..tbNurseVitalSigns"),
                  {QStringLiteral("IDNUM"), QStringLiteral("TRANSDATE"), QStringLiteral("BP"), QStringLiteral("TEMPERATURE"),
                   QStringLiteral("PULSERATE"), QStringLiteral("RESPRATE"), QStringLiteral("O2Sat"), QStringLiteral("NInitial"),
                   QStringLiteral("Protocol"), QStringLiteral("Status"), QStringLiteral("UserID"), QStringLiteral("EntryDate")})
        , notes_(context.connection, QStringLiteral("STATION..tbNurseNotes"),
                 {QStringLiteral("IdNum"), QStringLiteral("NoteDate"), QStringLiteral("Shift"), QStringLiteral("Notes"),
                  QStringLiteral("UserID"), QStringLiteral("StationID"), QStringLiteral("TransDate")})
    {
    }

    void readings(const EncounterPlan& stay, DemoRandom& random, const QDateTime& from, const QDateTime& to, int everyMinutes,
                  int jitter = 10)
    {
        const Reading usual{random.between(105, 135), random.between(65, 85), 36.5 + random.between(0, 5) / 10.0,
                            random.between(68, 88), random.between(16, 20), random.between(96, 99)};
        const QString protocol = QString::fromLatin1(kProtocols[random.below(std::size(kProtocols))]);
        for (QDateTime at = from; at <= to; at = at.addSecs(everyMinutes * 60 + random.between(-jitter, jitter) * 60)) {
            const Reading r = NextReading(random, usual);
            const QString nurse = QString::fromLatin1(kChartingNurses[random.below(std::size(kChartingNurses))]);
            vitals_.add({Text(stay.idNum), Stamp(at), Text(QStringLiteral("%1/%2").arg(r.systolic).arg(r.diastolic)),
                         Text(QString::number(r.temperature, 'f', 1)), Text(QString::number(r.pulse)),
                         Text(QString::number(r.respiration)), Text(QString::number(r.oxygen)), Text(nurse), Text(protocol),
                         Text(QStringLiteral("DONE")), Text(nurse), Stamp(at.addSecs(120))});
        }
    }

    void notes(const EncounterPlan& stay, DemoRandom& random, const QDateTime& from, const QDateTime& to, int everyMinutes,
               int jitter = 20)
    {
        for (QDateTime at = from; at <= to; at = at.addSecs(everyMinutes * 60 + random.between(-jitter, jitter) * 60)) {
            const int hour = at.time().hour();
            const QString shift = hour >= 6 && hour <= 14    ? QStringLiteral("6AM-2PM")
                                  : hour >= 15 && hour <= 22 ? QStringLiteral("2PM-10PM")
                                                             : QStringLiteral("10PM-6AM");
            const QString nurse = QString::fromLatin1(kChartingNurses[random.below(std::size(kChartingNurses))]);
            notes_.add({Text(stay.idNum), Stamp(at), Text(shift), Text(QString::fromLatin1(kNotes[random.below(std::size(kNotes))])),
                        Text(nurse), Text(QStringLiteral("OR1")), Stamp(at.addSecs(300))});
        }
    }

    void flush()
    {
        vitals_.flush();
        notes_.flush();
    }

private:
    const DemoContext& context_;
    BatchInsert vitals_;
    BatchInsert notes_;
};

void writeProfiles(const DemoContext& context, const std::vector<const EncounterPlan*>& stays)
{
    QStringList columns{QStringLiteral("Hospnum"), QStringLiteral("IDNum"), QStringLiteral("M1"), QStringLiteral("F1"),
                        QStringLiteral("F5"), QStringLiteral("PH2"), QStringLiteral("FH1"), QStringLiteral("FH2"),
                        QStringLiteral("BriefHistory"), QStringLiteral("UserID"), QStringLiteral("TransDate")};
    for (const auto& exam : kExamTexts)
        columns << QLatin1String(exam[0]);
    BatchInsert profiles(context.connection, QStringLiteral("STATION..tbNurseProfile"), columns);
    DemoRandom random(0x5EED0812);
    for (const EncounterPlan* stay : stays) {
        const PatientPlan& patient = context.catalog.patients[static_cast<size_t>(stay->patient)];
        QStringList row{Text(patient.hospNum), Text(stay->idNum)};
        for (int i = 0; i < 6; ++i)
            row << Flag(random.chance(35));
        row << Text(QStringLiteral("Admitted for ") + stay->diagnosis + QStringLiteral(". ") + stay->complaint)
            << Text(QStringLiteral("NURSE1")) << Stamp(stay->admitted.addSecs(3600));
        for (const auto& exam : kExamTexts)
            row << Text(QLatin1String(exam[1]));
        profiles.add(row);
    }
    profiles.flush();
}

} // namespace

void WriteNursingChart(const DemoContext& context)
{
    const DemoCatalog& catalog = context.catalog;
    std::vector<const EncounterPlan*> open;
    for (const EncounterPlan& stay : catalog.encounters)
        if (stay.kind == EncounterKind::InPatient && stay.isOpen() && !stay.revoked)
            open.push_back(&stay);
    if (open.empty())
        return;
    // The patient the chart benchmark opens: the open stay admitted longest
    // ago, with 300 readings and 100 notes spread over the stay.
    const EncounterPlan* bench =
        *std::min_element(open.begin(), open.end(), [](const EncounterPlan* a, const EncounterPlan* b) { return a->admitted < b->admitted; });
    // Charted up to the start of today's day shift, so a nurse opening the
    // demo in the morning meets no reading dated later than her watch.
    const QDateTime now = At(catalog.today, QTime(6, 0));

    InTransaction(context.connection, [&] {
        ChartWriter writer(context);
        DemoRandom random(0x5EED0811);
        const std::size_t charted = std::min<std::size_t>(open.size(), static_cast<std::size_t>(60 * catalog.scale));
        for (std::size_t i = 0; i < charted; ++i) {
            const EncounterPlan& stay = *open[i];
            DemoRandom own = random.fork(i + 1);
            if (&stay == bench)
                continue;
            // Up to the last five days of the stay, once a shift and more often while the nurse watches a fever.
            const QDateTime from = std::max(stay.admitted.addSecs(1800), now.addDays(-5));
            writer.readings(stay, own, from, now, 8 * 60 - own.between(0, 3) * 60);
            writer.notes(stay, own, from.addSecs(3600), now, 8 * 60);
        }
        // Exactly 300 readings and 100 notes, evenly spaced, the last ones today.
        const QDateTime benchFrom = std::max(bench->admitted.addSecs(1800), now.addDays(-30));
        const int minutes = static_cast<int>(std::max<qint64>(benchFrom.secsTo(now) / 60, 300 * 10));
        DemoRandom own = random.fork(0xBE7C);
        const int readingStep = minutes / 300, noteStep = minutes / 100;
        writer.readings(*bench, own, now.addSecs(-299LL * readingStep * 60), now, readingStep, 0);
        writer.notes(*bench, own, now.addSecs(-99LL * noteStep * 60 - 1800), now.addSecs(-1800), noteStep, 0);
        writer.flush();
        std::vector<const EncounterPlan*> profiled;
        for (std::size_t i = 0; i < charted; i += 2)
            profiled.push_back(open[i]);
        writeProfiles(context, profiled);
    });
}

} // namespace server::demo
