#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

#include "db/SqlText.h"

namespace server::demo {

namespace {

// The phases around the booked start and end the schedule wrote: the patient
// is wheeled in ten minutes early, cut a quarter of an hour after the start,
// closed ten minutes before the end and wheeled out five minutes after it.
const char* const kPhasesAndNotes =
    "UPDATE STATION..tbORMasterFile SET "
    "AnesthesiaDate = OperationDate, AnesthesiaTime = OperationDate, "
    "CuttingDate = DATEADD(minute, 15, OperationDate), OperationTime1 = DATEADD(minute, 15, OperationDate), "
    "ClosingDate = DATEADD(minute, -10, OperationDateEnd), OperationTime2 = DATEADD(minute, -10, OperationDateEnd), "
    "AnesDoneDate = OperationDateEnd, AnesthesiaEndTime = OperationDateEnd, "
    "PHICCODE = (SELECT TOP 1 O.RVSCode FROM BUILD_FILE..TbCoOtherRevenue O WHERE O.OtherSectionID = 'OR' "
    "AND O.OtherRevenueID = STATION..tbORMasterFile.ProcedureID), "
    "RVSUnit = (SELECT TOP 1 V.Unit FROM BUILD_FILE..TbCoOtherRevenue O INNER JOIN MEDICARE..tbmedrvs V ON V.node_key = O.RVSCode "
    "WHERE O.OtherSectionID = 'OR' AND O.OtherRevenueID = STATION..tbORMasterFile.ProcedureID), "
    "prod = 'FOR ' + Procedures, psod = 'SAME', procnd = Procedures, "
    "ot = 'PATIENT PLACED SUPINE UNDER ' + ISNULL(Anesthesia, '') + '. SKIN PREPPED AND DRAPED IN ASEPTIC MANNER. ' "
    "+ Procedures + ' DONE. HEMOSTASIS SECURED. SPONGE AND INSTRUMENT COUNT CORRECT. WOUND CLOSED IN LAYERS.', "
    "Opfindings = 'FINDINGS AS EXPECTED; NO INTRA-OPERATIVE COMPLICATION.', psoc = PostOPStatus, "
    "ProphyLaxis = 'CEFAZOLIN 1 G IV 30 MIN BEFORE INCISION', FoodIntake = 'NPO SINCE 10 PM', "
    "TotalFluids = '1,000 ML PLR', BloodLoss = '150 ML', PreOPBP = '120/80', PreOPTemp = '36.8', PreOPPR = '78', "
    "PreOPRR = '18', PostOPBP = '110/70', PostOPO2Sat = '98', PostOPPR = '84', PostOPRR = '20', "
    "PostOPTO = 'RECOVERY ROOM', Premedication = 'MIDAZOLAM 2 MG IV', "
    "Inductions = CASE WHEN Anesthesia LIKE 'SPINAL%' THEN 'BUPIVACAINE 0.5% HEAVY 12 MG INTRATHECAL' "
    "ELSE 'PROPOFOL 150 MG IV, ROCURONIUM 40 MG IV' END, "
    "[Maintenance] = CASE WHEN Anesthesia LIKE 'SPINAL%' THEN 'O2 2 LPM VIA NASAL CANNULA' "
    "ELSE 'SEVOFLURANE 2% IN O2' END, "
    "Instrument = 'COMPLETE', Sutures = 'COMPLETE', SuturesText2 = 'VICRYL 2-0, NYLON 3-0', Verifiers = CnurseID1 "
    "WHERE OperationDate IS NOT NULL AND OperationDateEnd IS NOT NULL";

// Every third operation sent tissue to pathology.
const char* const kSpecimens =
    "UPDATE STATION..tbORMasterFile SET SpecimenText = 'TISSUE FROM ' + Procedures + ' FOR HISTOPATHOLOGY', "
    "SpecimenInDate = DATEADD(minute, -30, OperationDateEnd), SpecimenInTime = DATEADD(minute, -30, OperationDateEnd), "
    "SpecimenOutDate = DATEADD(minute, 20, OperationDateEnd), SpecimenOutTime = DATEADD(minute, 20, OperationDateEnd) "
    "WHERE OperationDateEnd IS NOT NULL AND OperatingNum % 3 = 0";

// The crew signs the days after: most nurses at once, fewer doctors; today's
// operations are still waiting for their signatures.
const char* const kNurseSignatures =
    "UPDATE STATION..tbORMasterFile SET CNurseSignID = CnurseID1, CnurseDateSign = DATEADD(minute, 30, PatientOut), "
    "SNurseSignID = SnurseID1, SnurseDateSign = DATEADD(minute, 35, PatientOut) "
    "WHERE PatientOut < %1 AND OperatingNum % 5 <> 0";
const char* const kDoctorSignatures =
    "UPDATE STATION..tbORMasterFile SET "
    "SurgeonSignID = ISNULL((SELECT D.UserID FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = STATION..tbORMasterFile.SurgeonID1), SurgeonID1), "
    "SurgeonDateSign = DATEADD(hour, 3, PatientOut), "
    "AnestSignID = ISNULL((SELECT D.UserID FROM BUILD_FILE..tbCoDoctor D WHERE D.DoctorID = STATION..tbORMasterFile.AnestheID), AnestheID), "
    "AnesDateSign = DATEADD(hour, 2, PatientOut) "
    "WHERE PatientOut < %1 AND OperatingNum % 4 <> 0 AND AnestheID IS NOT NULL";

struct CountItem {
    const char* kind;
    const char* item;
    int initial;
};
constexpr CountItem kItems[] = {{"S", "4x4 GAUZE", 20}, {"S", "8x4 GAUZE", 10},      {"S", "ABDOMINAL PACK", 5},
                                {"S", "PEANUTS", 10},   {"I", "BASIC SET", 42},      {"I", "CLAMPS", 12},
                                {"N", "SUTURE NEEDLES", 6}, {"N", "HYPODERMIC NEEDLES", 4}, {"N", "BLADES", 2}};

void writeCounts(const DemoContext& context)
{
    db::Connection& connection = context.connection;
    BatchInsert counts(connection, QStringLiteral("STATION..tbORItemCount"),
                       {QStringLiteral("OperatingNum"), QStringLiteral("Kind"), QStringLiteral("RowNum"), QStringLiteral("Item"),
                        QStringLiteral("InitialCount"), QStringLiteral("AddedCount"), QStringLiteral("FinalCount")});
    std::vector<int> mismatched;
    db::Recordset records = connection.open(QStringLiteral("SELECT OperatingNum FROM STATION..tbORMasterFile ORDER BY OperatingNum"));
    for (; !records.eof(); records.moveNext()) {
        const int key = records.field(QStringLiteral("OperatingNum")).toInt();
        // One operation in seventeen closes a gauze short, found on the X-ray.
        const bool shortCount = key % 17 == 0;
        if (shortCount)
            mismatched.push_back(key);
        int row = 0;
        for (const CountItem& item : kItems) {
            const int added = (key + row) % 3 == 0 ? 5 : 0;
            const int final = item.initial + added - (shortCount && row == 1 ? 1 : 0);
            counts.add({Int(key), Text(QString::fromLatin1(item.kind)), Int(++row), Text(QString::fromLatin1(item.item)),
                        Int(item.initial), Int(added), Int(final)});
        }
    }
    counts.flush();
    for (int key : mismatched)
        connection.execute(QStringLiteral("UPDATE STATION..tbORMasterFile SET Instrument = 'INCOMPLETE', CountMismatchReason = "
                                          "'ONE 8X4 GAUZE SHORT; X-RAY NEGATIVE FOR RETAINED SPONGE' WHERE OperatingNum = %1")
                               .arg(key));
}

// Nurses sign with their own signature on file, as the doctors do.
void writeNurseSignatures(const DemoContext& context)
{
    BatchInsert signatures(context.connection, QStringLiteral("BUILD_FILE..tbDBImage"),
                           {QStringLiteral("TableName"), QStringLiteral("FieldName"), QStringLiteral("IDKey")});
    int n = 0;
    for (const UserPlan& user : context.catalog.users) {
        if (user.department != QLatin1String("29") || !user.doctorId.isEmpty() || user.id == QLatin1String("NURSE2"))
            continue;
        // A few of the rest of the staff have not handed theirs in yet.
        if (!user.id.startsWith(QLatin1Char('E')) || n++ % 4 != 3)
            signatures.add({Text(QStringLiteral("tbPasswordMaster")), Text(QStringLiteral("Signature")), Text(user.id)});
    }
    signatures.flush();
}

// The anesthesia types the chart's look-up offers (section "EA").
constexpr const char* kAnesthesiaTypes[] = {"GENERAL ENDOTRACHEAL ANESTHESIA", "GENERAL ANESTHESIA WITH LARYNGEAL MASK",
                                            "TOTAL INTRAVENOUS ANESTHESIA", "SPINAL ANESTHESIA", "EPIDURAL ANESTHESIA",
                                            "COMBINED SPINAL-EPIDURAL ANESTHESIA", "PERIPHERAL NERVE BLOCK",
                                            "MONITORED ANESTHESIA CARE", "LOCAL ANESTHESIA"};

void writeAnesthesiaTypes(db::Connection& connection)
{
    BatchInsert types(connection, QStringLiteral("BUILD_FILE..TbCoOtherRevenue"),
                      {QStringLiteral("OtherSectionID"), QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue"),
                       QStringLiteral("SectionID"), QStringLiteral("RateA")});
    int n = 0;
    for (const char* type : kAnesthesiaTypes)
        types.add({Text(QStringLiteral("EA")), Text(QStringLiteral("EA%1").arg(++n, 2, 10, QLatin1Char('0'))),
                   Text(QString::fromLatin1(type)), Text(QString()), Int(0)});
    types.flush();
}

} // namespace

void WriteOperationRecordDetails(const DemoContext& context)
{
    db::Connection& connection = context.connection;
    InTransaction(connection, [&] {
        const QString today = db::Quote(context.catalog.today.toString(QStringLiteral("MM/dd/yyyy")));
        connection.execute(QString::fromLatin1(kPhasesAndNotes));
        connection.execute(QString::fromLatin1(kSpecimens));
        connection.execute(QString::fromLatin1(kNurseSignatures).arg(today));
        connection.execute(QString::fromLatin1(kDoctorSignatures).arg(today));
        writeCounts(context);
        writeNurseSignatures(context);
        writeAnesthesiaTypes(connection);
    });
}

} // namespace server::demo
