#include "chart/final/PatientBanner.h"
#include "chart/final/frmFinal.h"

#include "components/clsPatientSearch.h"
#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"

#include <QLabel>
#include <QLocale>
#include <QTimer>

// The patient header of the chart: who the patient is and the stay, read once
// when the chart opens.

namespace chart {

namespace {

QString dayText(const QDateTime& value)
{
    return value.isValid() ? value.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

QString stampText(const QDateTime& value)
{
    return value.isValid() ? value.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")) : QString();
}

// A field of the first row; "" when the statement found none.
QString firstText(const db::Recordset& rs, const QString& field)
{
    return rs.eof() ? QString() : rs.text(field).trimmed();
}

QString personName(const QString& last, const QString& first, const QString& middle)
{
    return (last.trimmed() + QStringLiteral(", ") + first.trimmed() + QLatin1Char(' ') + middle.trimmed()).trimmed();
}

} // namespace

bool frmFinal::Form_Load()
{
    patient_ = ChartPatient();
    patient_.idNum = IdNum.trimmed();
    patient_.hospNum = HospNum.trimmed();
    bool found = false;
    const bool read = shell::SaveTransaction::Load([&] (db::Connection&) { found = loadHeader(); });
    if (!read)
        return false;
    if (!found) {
        shell::Notify(QStringLiteral("No records found."));
        return false;
    }
    setWindowTitle(QStringLiteral("Patient Clinical Chart - ") + patient_.name);
    loaded_ = true;
    for (ChartPanel* panel : panels_)
        panel->loadPatient(patient_);
    openFirstAllowedPage();
    refreshTimer_->start();
    return true;
}

bool frmFinal::loadHeader()
{
    db::Connection& conn = *app::SQLConnection();
    components::clsPatientSearch search;
    search.InitConnection(&conn, QString());
    const QString id = db::Quote(patient_.idNum);

    // The stay first: it names the hospital number when the opener gave none.
    components::VisitRecord visit;
    QString roomText;
    if (patient_.outPatient()) {
        if (!search.PatientClass.clsOutPatient.OpenOutPatient(patient_.idNum))
            return false;
        visit = search.PatientClass.clsOutPatient;
        patient_.roomClassId = QStringLiteral("A");
        roomText = QStringLiteral("OPD");
        lblRoomRate->clear();
        lblAdmitting->clear();
    } else {
        if (!search.ValidateAdmission(patient_.idNum))
            return false;
        const components::AdmissionRecord& admission = search.Admission;
        visit = admission;
        patient_.roomId = admission.Room.RoomID;
        patient_.roomClassId = admission.Room.RoomClassID.isEmpty() ? QStringLiteral("A") : admission.Room.RoomClassID;
        roomText = admission.Room.RoomID;
        lblRoomRate->setText(QLocale(QLocale::English).toString(admission.Room.RoomRate, 'f', 2));
        lblAdmitting->setText(admission.AdmittingDoctor.CompleteName);
    }
    if (patient_.hospNum.isEmpty())
        patient_.hospNum = visit.HospitalNumber.trimmed();
    if (!search.ValidatePatient(patient_.hospNum))
        return false;
    const components::PatientMasterRecord& master = search.PatientMaster;
    patient_.name = personName(master.LastName, master.FirstName, master.MiddleName);
    patient_.admittingDiagnosis = visit.AdmittingDiagnosis;
    HospNum = patient_.hospNum;

    lblName->setText(patient_.name);
    lblIdNum->setText(patient_.idNum);
    lblHospNum->setText(patient_.hospNum);
    lblCivilStatus->setText(master.CivilStatus);
    lblBirthDate->setText(dayText(master.BirthDate));
    lblBloodType->setText(master.BloodType);
    lblAddress->setText(master.Address.CompleteAddress);
    lblAdmDate->setText(stampText(visit.AdmissionDate));
    lblDischargeDate->setText(stampText(visit.DischargeDate));
    lblRoom->setText(roomText);
    lblRoomClass->setText(patient_.roomClassId);
    lblAttending->setText(visit.AttendingDoctor1.CompleteName);
    lblDiagnosis->setText(visit.AdmittingDiagnosis);
    lblAccount->setText(visit.Account.Company.trimmed().isEmpty() ? QStringLiteral("PERSONAL") : visit.Account.Company);

    const QString table = patient_.outPatient() ? QStringLiteral("PATIENT_DATA..tbOutPatient") : QStringLiteral("PATIENT_DATA..tbPatient");
    const QString sizes = patient_.outPatient() ? QStringLiteral("'' AS Height, '' AS Weight") : QStringLiteral("P.Height, P.Weight");
    db::Recordset stay = conn.open(QStringLiteral("SELECT ") + sizes + QStringLiteral(", S.Station, T.AdmissionType FROM ") + table
                                   + QStringLiteral(" P LEFT JOIN BUILD_FILE..TBCOSTATION S ON S.StationID = P.StationID "
                                                    "LEFT JOIN PATIENT_DATA..tbpatient2 D ON D.IDNum = P.IDNUM "
                                                    "LEFT JOIN BUILD_FILE..tbCoAdmissionType T ON T.AdmissionTypeID = D.AdmissiontypeID "
                                                    "WHERE P.IDNUM = ")
                                   + id);
    lblHeight->setText(firstText(stay, QStringLiteral("Height")));
    lblWeight->setText(firstText(stay, QStringLiteral("Weight")));
    lblStation->setText(firstText(stay, QStringLiteral("Station")));
    lblHowAdmitted->setText(firstText(stay, QStringLiteral("AdmissionType")));

    const QString historyTable =
        patient_.outPatient() ? QStringLiteral("PATIENT_DATA..tbOutpatientHistory") : QStringLiteral("PATIENT_DATA..tbPatientHistory");
    // A visit's history has no admitting diagnosis column of its own.
    const QString historyColumns = patient_.outPatient() ? QStringLiteral("ChiefComplaint, '' AS ADMDiagnosis")
                                                         : QStringLiteral("ChiefComplaint, ADMDiagnosis");
    db::Recordset history = conn.open(QStringLiteral("SELECT ") + historyColumns + QStringLiteral(" FROM ") + historyTable + QStringLiteral(" WHERE IDNum = ") + id);
    lblComplaint->setText(firstText(history, QStringLiteral("ChiefComplaint")));
    if (lblDiagnosis->text().isEmpty())
        lblDiagnosis->setText(firstText(history, QStringLiteral("ADMDiagnosis")));

    db::Recordset diet = conn.open(QStringLiteral("SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 "
                                                  "LEFT OUTER JOIN BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID "
                                                  "where tbpatient2.Idnum = ")
                                   + id);
    lblDiet->setText(firstText(diet, QStringLiteral("Diet")));

    lblBanner->setText(LoadPatientBanner(patient_.idNum).text);
    lblBanner->setVisible(!lblBanner->text().isEmpty());
    return true;
}

} // namespace chart
