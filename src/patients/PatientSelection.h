#pragma once

#include <QObject>
#include <QString>

namespace patients {

// Everything the program knows about the selected patient, as the globals
// hold it (app::HospNum, app::IdNum, ... in shell/Globals.h).
struct SelectedPatient {
    QString HospNum;
    QString IdNum;
    QString PatientType; // "I" in-patient, "O" out-patient or ER patient
    QString PatientName; // "LAST, FIRST MIDDLE"
    QString PatientAddress;
    QString RoomClassID;
    QString RoomID;
    QString RoomRate;
    QString AdmissionDate; // "MM/dd/yyyy hh:mm:ss AP"
    QString PatientCompany; // "PERSONAL" for the patient's own account
    int SelectedRow = 0;
};

// Announces every change of the selected-patient globals, so that whatever
// shows the selected patient (the patient list's banner, the main window's
// patient items) follows the globals and never shows another patient.
class SelectedPatientChanges : public QObject {
    Q_OBJECT
public:
    static SelectedPatientChanges& instance();
signals:
    void changed();
};

// The one rule by which a patient list makes a row the selected patient.
// Every list (the station list and its twins) selects through here, so the
// globals are written in one place and always together: a patient either
// passes validation and every global is set, or every global stays cleared.
class PatientSelection {
public:
    // The text shown when the patient cannot be selected; the twin lists
    // use their own wording.
    explicit PatientSelection(QString failureText = QStringLiteral("No records found."));

    // Validates the patient through the patient-search component and, when
    // the patient, the admission (type "I") or the visit (type "O") exists,
    // sets every selected-patient global and refreshes the main window's
    // patient items. Otherwise reports the failure text (title
    // "Notification") and leaves the globals cleared. True when selected.
    // When the nurse keeps unsaved work for the patient before (Cancel), the
    // old selection stays and false is returned without a message.
    bool Select(const QString& hospNum, const QString& idNum, const QString& patientType, int row);

    // Reads what selecting would set, without touching the globals; false
    // when the patient fails validation. Throws db::DbError on a database error.
    static bool Read(const QString& hospNum, const QString& idNum, const QString& patientType, SelectedPatient& out);

    // Before another patient becomes the selected one: the open forms that
    // hold unsaved work for a different patient are asked to save it (Save,
    // Discard, Cancel). False when the nurse cancelled: nothing may change.
    // `asked` (optional) tells whether a question was shown.
    static bool MayChangeTo(const QString& idNum, bool* asked = nullptr);

    // Clears every selected-patient global.
    static void Clear();
    // Writes every selected-patient global, then announces the change. The
    // only place the globals are written.
    static void Apply(const SelectedPatient& patient);
    // The selected-patient globals as they are.
    static SelectedPatient Current();

    const QString& failureText() const { return failureText_; }

private:
    QString failureText_;
};

} // namespace patients
