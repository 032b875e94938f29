#pragma once

#include "shell/UnsavedWork.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QDateEdit;
class QTimeEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace db {
class Recordset;
}

namespace shell {
class EditTracker;
}

namespace nursing {

class UpperCaseTyping;

// What sets one pre-operative document apart from its sibling: where it is
// kept, the procedure that saves it, its printed form and what it says.
struct PreOpKind {
    QString objectName;     // "frmNursePreopChecklist"
    QString windowTitle;
    QString loadStatement;  // the select, up to the patient's ID
    QString table;          // for the delete and the columns' lengths
    QString procedure;      // "STATION..Nurse_SavePreOp"
    QString saveQuestion;   // asked when nobody signed
    QString savedMessage;
    QString savedTitle;
    QString reportFile;
    QString reportTitle;
    QString deleteQuestion;
    QString deleteRemark;   // the station log's remark
    QString deletedMessage;
};

// A nurse's document of the hours before an operation: one record per
// patient ID, the scheduled operation on top, yes/no items with remarks and
// small boxes kept as packed text, saved through a server procedure by a
// validated user, printed on the hospital's form, deleted with a log entry.
//
// Saving, deleting (with its station-log row) and loading go through the one
// save path: a failure is told once and the nurse's typing stays; a record
// that could not be read cannot be saved over.
class PreOpDocument : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    // Set by the opener before Form_Load.
    QString IdNum;
    QString PName;
    QString Room;

    // Shows the patient and the stored record (boxes stay empty without one).
    void Form_Load();
    // True when the last load failed: saving and deleting are then refused.
    bool LoadFailed() const { return loadFailed_; }

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    // ---- controls common to both documents ------------------------------------
    // 0 the patient's name, 1 surgeon, 2 anaesthesiologist, 3 room. Elements
    // 4 and 5 of the array (time and date scheduled) are a time and a date
    // box, named "txtPx_4" and "txtPx_5", so that no impossible schedule is
    // stored or printed; both may stay empty.
    std::array<QLineEdit*, 4> txtPx{};
    QTimeEdit* txtTimeSched = nullptr; // txtPx(4)
    QDateEdit* txtDateSched = nullptr; // txtPx(5)
    QPushButton* cmdReqDoc = nullptr;  // surgeon look-up
    QPushButton* cmdRedAnes = nullptr; // anaesthesiologist look-up
    QLineEdit* txtOperation = nullptr;
    std::array<QPushButton*, 4> Command1{}; // close, save, save and print, delete
    // Yes/no items: option 2k answers item k "yes", option 2k+1 "no".
    std::vector<QRadioButton*> optYesNo;
    std::vector<QLineEdit*> txtRemarks;

protected:
    PreOpDocument(PreOpKind kind, QWidget* parent);

    // Lays the window out: the schedule block, then the form's own sections,
    // then the buttons. Called by the form's constructor once its members exist.
    void buildWindow();
    virtual void addSections(QVBoxLayout* body) = 0;
    // Fills the form's own boxes from the stored row.
    virtual void fillFrom(const db::Recordset& row) = 0;
    // Reads what the printed form needs beyond the stored row.
    virtual void afterLoad() {}
    // The procedure's arguments between the ID and the signing user.
    virtual QStringList savedValues() const = 0;
    // The printed form's values after the hospital, the patient's ID, name and room.
    virtual QVariantList printedValues() const = 0;
    // Boxes whose text goes into a packed column, with the caption that names them.
    virtual std::vector<std::pair<QString, const QLineEdit*>> packedBoxes() const = 0;
    // Number boxes, with the caption that names them in a refusal.
    virtual std::vector<std::pair<QString, const QLineEdit*>> numberBoxes() const { return {}; }

    // ---- building blocks --------------------------------------------------------
    // A section of yes/no items, each with its remark box (txtRemarks in item order).
    QWidget* yesNoSection(const QString& title, const QStringList& items);
    // A titled box of labelled text boxes named `arrayName`_0, _1, ... in `columns` columns.
    QWidget* boxesSection(const QString& title, const char* arrayName, const QStringList& captions, int columns,
                          std::vector<QLineEdit*>& boxes);
    QLineEdit* newBox(const QString& objectName);
    // A box saved whole into `column` of the document's table gets its length.
    void limitToColumn(QLineEdit* box, const QString& column);
    // Boxes packed together into `column` share its length, so that the
    // packed value always fits.
    void limitPacked(const std::vector<QLineEdit*>& boxes, const QString& column);
    // The schedule's texts as stored: "08:30:00 AM", "12/05/2026" or "".
    QString timeSchedText() const;
    QString dateSchedText() const;

    // ---- packing -------------------------------------------------------------------
    QString packedOptions() const;
    static QString packed(const std::vector<QLineEdit*>& boxes);
    void unpackOptions(const QString& value);
    static void unpack(const QString& value, const std::vector<QLineEdit*>& boxes);
    // The boxes' texts and the options as the printed form shows them ("X" ticked).
    QVariantList optionMarks() const;
    static QVariantList texts(const std::vector<QLineEdit*>& boxes);

    const PreOpKind& kind() const { return kind_; }

private:
    void Command1_Click(int index);
    bool save(bool print);
    void remove();
    void lookUpDoctor(QLineEdit* box);
    bool allPackable() const;
    void clearForm();

    void showSchedule(const QString& time, const QString& date);

    PreOpKind kind_;
    shell::EditTracker* tracker_;
    bool loadFailed_ = false;
    std::vector<QButtonGroup*> answers_;
    UpperCaseTyping* upperCase_;
};

} // namespace nursing
