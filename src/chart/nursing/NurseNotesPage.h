#pragma once

#include "chart/ChartPanel.h"
#include "shell/UnsavedWork.h"

#include <QTime>

#include <vector>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimeEdit;

namespace shell {
class EditTracker;
}

namespace chart::nursing {

struct NurseNoteRow {
    QString when, shift, enteredBy, userId, transNum, text;
};

// The chart's nurses' notes: a note for the shift the nurse is in, the notes
// of the stay below it. A note is changed or removed only by its author.
class NurseNotesPage : public ChartPanel, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit NurseNotesPage(QWidget* parent = nullptr);

    // The shift a note written at `time` belongs to.
    static QString NoteShift(const QTime& time);

    QString pageTitle() const override { return QStringLiteral("Nurses' Notes"); }
    void loadPatient(const ChartPatient& patient) override;
    void Get_Notes();

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override { return cmdSaveNotes_Click(); }
    QString unsavedWorkTitle() const override { return QStringLiteral("Nurses' Notes"); }

    const std::vector<NurseNoteRow>& notes() const { return rows_; }
    bool editing() const { return !editingTransNum_.isEmpty(); }

    QDateEdit* dtpNoteDate;
    QTimeEdit* dtpNoteTime;
    QComboBox* cboShift;
    QPlainTextEdit* txtNotes;
    QTableWidget* mshflexPrevNotes;
    QPlainTextEdit* txtPrevNotes; // the chosen note, read only
    QPushButton* cmdSaveNotes;
    QPushButton* cmdEditNotes;
    QPushButton* cmdDeleteNotes;
    QPushButton* cmdNewNotes;

    bool cmdSaveNotes_Click();
    void cmdEditNotes_Click();
    void cmdDeleteNotes_Click();
    void cmdNewNotes_Click();

private:
    void showChosen();
    void followTime();
    void clearEntry();
    void setEditing(const QString& transNum);
    const NurseNoteRow* chosen() const;
    // True when the logged-in nurse wrote the note (asked of the server, so a
    // note passed to another author since the grid was read is refused).
    bool isAuthor(const NurseNoteRow& note, bool* failed);

    shell::EditTracker* tracker_;
    ChartPatient patient_;
    std::vector<NurseNoteRow> rows_;
    bool loadFailed_ = true;
    QString editingTransNum_;
};

} // namespace chart::nursing
