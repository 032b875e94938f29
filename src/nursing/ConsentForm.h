#pragma once

#include "nursing/UpperCaseTyping.h"
#include "shell/UnsavedWork.h"
#include "shell/fields/EditTracker.h"

#include <QString>
#include <QVariantList>
#include <QWidget>

#include <array>
#include <vector>

class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace db {
class Connection;
class Recordset;
} // namespace db

namespace nursing {

// What sets one consent form apart from its siblings: where it is stored, how
// it prints, and what its delete says.
struct ConsentKind {
    QString table;          // "STATION..tbSurgicalAuthorization"
    QString reportFile;     // "\\Reports\\SurgicalTreatmentConsent.rpt"
    QString title;          // the window's and the printed form's title
    QString deleteQuestion;
    QString deleteRemark;   // the station log's remark
    QString deletedMessage;
    // The minor's age: the consent table whose row dates it and the column
    // that holds that date; an empty table means the form has no minor's age.
    QString ageTable;
    QString ageDateColumn;
};

// A patient's consent before an operation: one record per admission, signed
// by a validated user, printed on the hospital's form. The family shares the
// loading, the minor's age, the doctor look-up, saving, printing and
// deleting; each form adds its boxes, required fields, columns and the values
// its printed form takes.
class ConsentForm : public QWidget, public shell::UnsavedWork {
    Q_OBJECT

public:
    ~ConsentForm() override;

    // The patient the form is opened for, set before Form_Load.
    QString Sex;
    QString IdNum;
    QString HospNo;
    QString PName;
    QString Address;

    // Reads the stored consent (or shows today's date), the patient's name and
    // the minor's age. A read that fails is told and leaves the form unable
    // to save or delete, so its empty boxes never replace the stored consent.
    void Form_Load();
    // Refuses every later save and delete: something the form depends on
    // could not be read (the caller has told the user).
    void refuseSaving();
    bool savingRefused() const { return savingRefused_; }
    // 0 saves and prints, 1 closes, 2 deletes.
    void cmdButton_Click(int index);
    // Looks the typed surgeon up among the doctors.
    void cmdReqDoc_Click();

    // The minor's age as the form shows it, from the age function's text
    // ("12D", "7M", "16"): days, months, or years under 18; adults get "".
    // `current` is what the box already holds: months and years never
    // replace it.
    static QString MinorAgeText(const QString& computed, const QString& current = QString());
    // The batch that reads the age: at the consent's date when there is one,
    // else today; out-patients (an ID ending in "B") from their own table.
    static QString AgeStatement(const QString& idNum, const QString& consentTable, const QString& dateColumn);

    const ConsentKind& kind() const { return kind_; }

    // Typing not yet saved, for the window framework's question on close.
    bool hasUnsavedChanges() const override { return edits_.modified(); }
    // The Save button's save (required boxes, signature, one transaction),
    // without the printing: the nurse prints when she asks for it.
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }
    // ---- controls (null when the form has no such box) --------------------------
    QLineEdit* txtPx = nullptr;
    QLineEdit* txtSurgeon = nullptr;
    QLineEdit* txtOperation = nullptr;
    QLineEdit* txtException = nullptr;
    QLineEdit* txtWitness = nullptr;
    QLineEdit* txtReason = nullptr;
    QLineEdit* txtRepresentative = nullptr;
    QLineEdit* txtRelation = nullptr;
    QLineEdit* txtMinor = nullptr;
    QLineEdit* txtAuthorized = nullptr;
    QLineEdit* txtSpouse = nullptr;
    QDateEdit* dtpDate = nullptr;
    QPushButton* cmdReqDoc = nullptr;
    std::array<QPushButton*, 3> cmdButton{};

protected:
    ConsentForm(ConsentKind kind, QWidget* parent);

    // Building the window: boxes in the order they are added, under the
    // patient's name; then the buttons. A box saved to a column of the form's
    // table takes that column's length; `column` is empty for a box that is
    // only printed.
    QLineEdit* addBox(const char* name, const QString& caption, const QString& column);
    // The surgeon's box with its look-up button.
    QLineEdit* addDoctorBox(const QString& caption, const QString& column);
    void addDatePicker(const QString& caption);
    void addNote(const QString& text);
    void finishLayout();

    // Fills the boxes from the stored row.
    virtual void fillFrom(const db::Recordset& row) = 0;
    // Tells what is missing and returns false.
    virtual bool requiredFilled() const = 0;
    // The insert of the form's row, signed by `userId`.
    virtual QString insertStatement(const QString& userId) const = 0;
    // The printed form's parameters, by position.
    virtual QVariantList reportValues() const = 0;

    // "'a', 'b', 'c'": each value quoted, as an insert lists them.
    static QString QuotedList(const QStringList& values);
    static QString Text(const QLineEdit* box);
    QString dateSigned() const;
    // Tells a required box is empty; false, so a check can return it.
    static bool Missing(const QString& message);
    // The surgeon and the procedure, which the surgical and special consents require.
    bool surgeonAndProcedureFilled() const;

private:
    void computeMinorAge(db::Connection& conn);
    bool save();
    void print();
    void deleteRecord();
    QString deleteStatement() const;
    ConsentKind kind_;
    shell::EditTracker edits_;
    bool savingRefused_ = false;
    UpperCaseTyping* upperCase_ = new UpperCaseTyping(this);
    // The boxes saved to a column of the form's table, limited on loading.
    struct BoxColumn {
        QLineEdit* box;
        QString column;
    };
    std::vector<BoxColumn> columns_;
    QFormLayout* form_ = nullptr;
};

} // namespace nursing
