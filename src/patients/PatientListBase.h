#pragma once

#include "patients/PatientListModel.h"
#include "patients/PatientSelection.h"

#include <QColor>
#include <QHash>
#include <QWidget>

class QLabel;

namespace db {
class Recordset;
}

class QFrame;

namespace patients {

class PatientGrid;
class PatientListModel;

// The common part of the station's patient lists (frmSearch and its twins
// frmSearchAdmitted, frmAdmittedPatients, frmPatientIndex): the grid
// "MSHFlexList", the record counter, loading a list statement into the grid,
// the precaution colours, and the select-a-patient rule.
//
// How a twin uses it:
//   class frmSearchAdmitted : public PatientListBase {
//       frmSearchAdmitted() : PatientListBase(QStringLiteral("No Records Found.")) {
//           ... build its own controls, put MSHFlexList (created here) and,
//           if it has one, a QLabel named lblRecNum (setCounterLabel) into its layout ...
//       }
//       QString listPatientType() const override { return optIn->isChecked() ? "I" : "O"; }
//       void load() { loadList("STATION..sp_Get_OR_PatientList " + db::Quote("A") + "," + db::Quote(text)); }
//   };
// A click selects the row's patient through PatientSelection (every global
// or none, the failure text reported); a double click or Enter selects and
// then calls openSelected(), which opens the clinical chart (a twin may
// override it to open something else). The first two fields of the loaded
// rows must be the hospital and admission numbers (see PatientListModel).
class PatientListBase : public QWidget {
    Q_OBJECT

public:
    // failureText: what a patient who fails validation is reported with.
    explicit PatientListBase(const QString& failureText = QStringLiteral("No records found."), QWidget* parent = nullptr);

    PatientGrid* MSHFlexList = nullptr;

    // Runs the list statement and shows its rows. The selected patient's
    // numbers are cleared first. On a database error the error is reported,
    // the grid is left empty and false is returned.
    bool loadList(const QString& statement);
    // Shows rows already read (for lists that build their rows themselves).
    void showRows(const db::Recordset& rows);

    // Makes the row (0-based) the selected patient; false when it fails validation.
    bool selectRow(int row);

    // The "I"/"O" type of the listed patients, used when a row is selected.
    virtual QString listPatientType() const = 0;

    // Writes the listed rows (the visible columns) to an .xlsx file chosen
    // through the prompts; false when cancelled or on an error (reported).
    bool exportToExcel(const QString& title);

    PatientListModel* listModel() const;
    const PatientSelection& selection() const { return selection_; }

    // ---- the grid's events ---------------------------------------------------------
    void MSHFlexList_EnterCell(int row);
    void MSHFlexList_Click(int row);
    void MSHFlexList_DblClick(int row);

signals:
    // A patient became the selected patient.
    void patientSelected();

protected:
    // The framed panel above the grid that holds a list's search criteria.
    QFrame* newCriteriaFrame();
    // The legend of the grid's colours ("fraLegend"), kept in step with what
    // the grid paints; for the list's footer.
    QWidget* newLegend(QWidget* parent);
    // The counter that shows "row  out of  rows"; optional.
    void setCounterLabel(QLabel* label) { counter_ = label; }
    // Opens what a double click opens (by default the clinical chart's summary).
    virtual void openSelected();
    // The precaution colours to paint rows with, when the settings ask for them.
    virtual bool showPrecautions() const;

private:
    void updateCounter();
    QList<PatientListModel::RowPrecaution> precautions() const;

    PatientSelection selection_;
    QLabel* counter_ = nullptr;
    bool loading_ = false;
    QString refusedIdNum_; // the row a Cancel kept the old patient from

};

} // namespace patients
