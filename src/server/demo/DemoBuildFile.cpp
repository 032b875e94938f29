#include "server/demo/BatchInsert.h"
#include "server/demo/DemoSteps.h"

namespace server::demo {

namespace {

// The doctor's usual role on an insurance claim, as the role table names it.
QString roleOf(const DoctorPlan& doctor)
{
    if (doctor.anesthesiologist)
        return QStringLiteral("ANESTHESIA");
    if (doctor.surgeon)
        return QStringLiteral("SURGEON");
    return QStringLiteral("ATTENDING");
}

void writeDoctors(const DemoContext& context)
{
    BatchInsert doctors(context.connection, QStringLiteral("BUILD_FILE..tbCoDoctor"),
                        {QStringLiteral("DoctorID"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                         QStringLiteral("MiddleName"), QStringLiteral("UserID"), QStringLiteral("PHICRole"),
                         QStringLiteral("Specialty")});
    BatchInsert fees(context.connection, QStringLiteral("BUILD_FILE..tbCoDoctorBill"),
                     {QStringLiteral("DoctorID"), QStringLiteral("Description"), QStringLiteral("Amount"),
                      QStringLiteral("Status")});
    BatchInsert signatures(context.connection, QStringLiteral("BUILD_FILE..tbDBImage"),
                           {QStringLiteral("TableName"), QStringLiteral("FieldName"), QStringLiteral("IDKey")});
    int n = 0;
    for (const DoctorPlan& d : context.catalog.doctors) {
        doctors.add({Text(d.id), Text(d.name.last), Text(d.name.first), Text(d.name.middle),
                     d.userId.isEmpty() ? Null() : Text(d.userId), Text(roleOf(d)), Text(d.specialty)});
        // Surgeons and anesthesiologists keep a fee schedule for the meal and
        // reading fees the station charges in their name; every third has an inactive old fee.
        if (d.surgeon || d.anesthesiologist) {
            fees.add({Text(d.id), Text(QStringLiteral("DOCTOR'S MEAL")), Num(250), Int(1)});
            fees.add({Text(d.id), Text(QStringLiteral("READING FEE")), Num(d.anesthesiologist ? 1500 : 1000), Int(1)});
            if (n % 3 == 0)
                fees.add({Text(d.id), Text(QStringLiteral("OLD CONSULTATION FEE")), Num(500), Int(0)});
        }
        // Half of the doctors have an electronic signature on file.
        if (n % 2 == 0)
            signatures.add({Text(QStringLiteral("tbCoDoctor")), Text(QStringLiteral("Signature")), Text(d.id)});
        ++n;
    }
    doctors.flush();
    fees.flush();
    signatures.flush();
}

void writeStations(db::Connection& connection)
{
    // Department "17" holds the operating-room stations the user chooses among;
    // the wards are the stations the in-patients' rooms belong to.
    BatchInsert rows(connection, QStringLiteral("BUILD_FILE..TBCOSTATION"),
                     {QStringLiteral("StationID"), QStringLiteral("Station"), QStringLiteral("DepartmentCode")});
    rows.add({Text(QStringLiteral("OR1")), Text(QStringLiteral("MAIN OPERATING ROOM")), Text(QStringLiteral("17"))});
    rows.add({Text(QStringLiteral("OR2")), Text(QStringLiteral("DELIVERY ROOM COMPLEX")), Text(QStringLiteral("17"))});
    rows.add({Text(QStringLiteral("2F")), Text(QStringLiteral("2ND FLOOR WARD")), Text(QStringLiteral("10"))});
    rows.add({Text(QStringLiteral("3F")), Text(QStringLiteral("3RD FLOOR PRIVATE WING")), Text(QStringLiteral("10"))});
    rows.add({Text(QStringLiteral("4F")), Text(QStringLiteral("4TH FLOOR SUITES")), Text(QStringLiteral("10"))});
    rows.add({Text(QStringLiteral("ICU")), Text(QStringLiteral("INTENSIVE CARE UNIT")), Text(QStringLiteral("11"))});
    rows.add({Text(QStringLiteral("ER")), Text(QStringLiteral("EMERGENCY ROOM")), Text(QStringLiteral("12"))});
    rows.add({Text(QStringLiteral("OPD")), Text(QStringLiteral("OUT-PATIENT DEPARTMENT")), Text(QStringLiteral("13"))});
    rows.flush();
}

void writeWardRooms(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..tbCoRoom"),
                     {QStringLiteral("RoomID"), QStringLiteral("RoomClassID"), QStringLiteral("StationID"),
                      QStringLiteral("RoomRate")});
    for (const WardRoomPlan& room : context.catalog.wardRooms)
        rows.add({Text(room.id), Text(QString(room.rateClass)), Text(room.stationId), Num(room.rate)});
    rows.flush();
}

// The national holidays of the demo's year, greeted at start-up.
void writeHolidays(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..tbCoHoliday"),
                     {QStringLiteral("HolidayDate"), QStringLiteral("HolidayName"), QStringLiteral("HolidayGreeting")});
    const int year = context.catalog.today.year();
    const struct {
        int month;
        int day;
        const char* name;
        const char* greeting;
    } holidays[] = {
        {1, 1, "NEW YEAR'S DAY", "Happy New Year from the OR family!"},
        {6, 12, "INDEPENDENCE DAY", "Happy Independence Day!"},
        {12, 25, "CHRISTMAS DAY", "Merry Christmas from the OR family!"},
        {12, 30, "RIZAL DAY", "Remember our national hero today."},
    };
    for (const auto& h : holidays)
        rows.add({Day(QDate(year, h.month, h.day)), Text(QString::fromLatin1(h.name)),
                  Text(QString::fromLatin1(h.greeting))});
    rows.flush();
}

void writeCompanies(const DemoContext& context)
{
    BatchInsert rows(context.connection, QStringLiteral("BUILD_FILE..TBCOCOMPANY"),
                     {QStringLiteral("ACCOUNTNUM"), QStringLiteral("CompanyName")});
    for (const CompanyPlan& c : context.catalog.companies)
        rows.add({Text(c.accountNum), Text(c.name)});
    // The walk-in cash account, which counts as no company.
    rows.add({Text(QStringLiteral("4394")), Text(QStringLiteral("WALK-IN CASH"))});
    rows.flush();
}

// A code table of two text columns filled from a list of pairs.
void writePairs(db::Connection& connection, const QString& table, const QString& codeColumn,
                const QString& nameColumn, std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    BatchInsert rows(connection, table, {codeColumn, nameColumn});
    for (const auto& [code, name] : pairs)
        rows.add({Text(QString::fromLatin1(code)), Text(QString::fromLatin1(name))});
    rows.flush();
}

void writeCodeTables(db::Connection& connection)
{
    writePairs(connection, QStringLiteral("BUILD_FILE..tbcoHospital"), QStringLiteral("HospitalID"),
               QStringLiteral("HospitalName"),
               {{"H01", "JOSE B. LINGAD MEMORIAL REGIONAL HOSPITAL"}, {"H02", "PAMPANGA PROVINCIAL HOSPITAL"},
                {"H03", "CENTRAL LUZON HEART INSTITUTE"}, {"H04", "NORTHERN CHILDREN'S MEDICAL CENTER"},
                {"H05", "ST. LUKE'S GENERAL HOSPITAL"}});
    writePairs(connection, QStringLiteral("BUILD_FILE..tbCoVessel"), QStringLiteral("vesselcode"),
               QStringLiteral("vesselname"),
               {{"V001", "MV PACIFIC DAWN"}, {"V002", "MV ORIENT STAR"}, {"V003", "MT LUZON SPIRIT"},
                {"V004", "MV CORAL PRINCESS"}, {"V005", "MV SEA HARVEST"}});
    writePairs(connection, QStringLiteral("BUILD_FILE..tbCoChiefComplaint"), QStringLiteral("ChiefComplaintID"),
               QStringLiteral("ChiefComplaint"),
               {{"01", "ABDOMINAL PAIN"}, {"02", "FEVER"}, {"03", "CHEST PAIN"}, {"04", "DIFFICULTY OF BREATHING"},
                {"05", "LABOR PAINS"}, {"06", "VAGINAL BLEEDING"}, {"07", "TRAUMA / INJURY"}, {"08", "HEADACHE"},
                {"09", "VOMITING"}, {"10", "BLURRED VISION"}, {"11", "MASS"}, {"12", "URINARY RETENTION"}});
    writePairs(connection, QStringLiteral("BUILD_FILE..tbCoADmPackage"), QStringLiteral("PackageID"),
               QStringLiteral("Package"),
               {{"PK01", "NORMAL DELIVERY PACKAGE"}, {"PK02", "CESAREAN SECTION PACKAGE"},
                {"PK03", "APPENDECTOMY PACKAGE"}, {"PK04", "CATARACT PACKAGE"}});
    writePairs(connection, QStringLiteral("BUILD_FILE..tbExecPackageCode"), QStringLiteral("PackageID"),
               QStringLiteral("Description"),
               {{"EX01", "EXECUTIVE CHECK-UP BASIC"}, {"EX02", "EXECUTIVE CHECK-UP COMPREHENSIVE"}});
    writePairs(connection, QStringLiteral("BUILD_FILE..tbCoORProcedures"), QStringLiteral("ItemID"),
               QStringLiteral("ItemName"),
               {{"CV01", "CORONARY ARTERY BYPASS GRAFT"}, {"CV02", "VALVE REPLACEMENT"},
                {"CV03", "PERCUTANEOUS CORONARY INTERVENTION"}, {"CV04", "PERMANENT PACEMAKER INSERTION"}});

    BatchInsert diets(connection, QStringLiteral("BUILD_FILE..tbcoDiet"),
                      {QStringLiteral("DietID"), QStringLiteral("Diet"), QStringLiteral("Remark")});
    const std::pair<const char*, const char*> dietRows[] = {
        {"01", "REGULAR DIET"}, {"02", "SOFT DIET"}, {"03", "CLEAR LIQUID"}, {"04", "NOTHING PER OREM (NPO)"},
        {"05", "LOW SALT, LOW FAT"}, {"06", "DIABETIC DIET"}, {"07", "GENERAL LIQUID"}};
    for (const auto& [id, diet] : dietRows)
        diets.add({Text(QString::fromLatin1(id)), Text(QString::fromLatin1(diet)),
                   Text(QString::fromLatin1(id) == QLatin1String("04") ? QStringLiteral("FOR OPERATION") : QString())});
    diets.flush();

    BatchInsert classes(connection, QStringLiteral("BUILD_FILE..tbcoPatientClass"),
                        {QStringLiteral("Classification"), QStringLiteral("Status")});
    for (const char* c : {"ELECTIVE", "EMERGENCY", "URGENT", "OLD CASE"})
        classes.add({Text(QString::fromLatin1(c)), Int(QString::fromLatin1(c) == QLatin1String("OLD CASE") ? 0 : 1)});
    classes.flush();

    // Precautions 1 to 5 with the window colours the patient list paints rows in.
    BatchInsert precautions(connection, QStringLiteral("BUILD_FILE..tbCoPrecautions"),
                            {QStringLiteral("PrecautionID"), QStringLiteral("Precaution"), QStringLiteral("Color"),
                             QStringLiteral("Status")});
    const struct {
        const char* id;
        const char* name;
        int color;
    } precautionRows[] = {{"1", "STANDARD PRECAUTION", 16777215}, {"2", "CONTACT PRECAUTION", 65535},
                          {"3", "DROPLET PRECAUTION", 8454143}, {"4", "AIRBORNE PRECAUTION", 12632319},
                          {"5", "FALL PRECAUTION", 16744576}};
    for (const auto& p : precautionRows)
        precautions.add({Text(QString::fromLatin1(p.id)), Text(QString::fromLatin1(p.name)), Int(p.color),
                         Text(QStringLiteral("A"))});
    precautions.flush();
}

} // namespace

void WriteBuildFile(const DemoContext& context)
{
    InTransaction(context.connection, [&] {
        writeDoctors(context);
        writeStations(context.connection);
        writeWardRooms(context);
        writeHolidays(context);
        writeCompanies(context);
        writeCodeTables(context.connection);
    });
}

} // namespace server::demo
