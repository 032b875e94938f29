#pragma once

#include "shell/UnsavedWork.h"
#include "shell/fields/EditTracker.h"

#include <QSet>
#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace nursing {

// The operating team's surgical safety checklist of one admission: who
// confirmed each of the three pauses, when, and the thirty checks. The caller
// sets PName, HospNo and IdNum before showing it.
class frmSSC : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit frmSSC(QWidget* parent = nullptr);

    QString PName;
    QString HospNo;
    QString IdNum;

    std::array<QLineEdit*, 15> txtPx{};
    std::array<QCheckBox*, 30> Check1{};
    QDateEdit* dtpDateSignIn = nullptr;
    QTimeEdit* dtpTimeSignIn = nullptr;
    QTimeEdit* dtpTimeOut = nullptr;
    QDateEdit* dtpDateSignOut = nullptr;
    QTimeEdit* dtpTimeSignOut = nullptr;
    std::array<QPushButton*, 4> Command1{};

    // The checks as they are stored, and back.
    QString PackedChecks() const;
    void UnpackChecks(const QString& packed);

    // A pause (0 sign in, 1 time out, 2 sign out) took place once one of its
    // names or checks is entered; only then is its date and time stored.
    bool PauseFilled(int pause) const;
    // The pause's date-time as the server is sent it; "" for a pause not filled.
    QString PauseDateTime(int pause) const;

    // True when the stored checklist could not be read: the window then
    // refuses to save or delete.
    bool savingRefused() const { return savingRefused_; }

    bool hasUnsavedChanges() const override { return edits_.modified(); }
    // The Save button's save (procedure required, signature, one transaction).
    bool saveUnsavedChanges() override { return Save(); }
    QString unsavedWorkTitle() const override { return windowTitle(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Command1_Click(int index);
    bool Save();
    void Delete();
    void refuseSaving();
    QWidget* pauseBox(int pause, QDateEdit* date, QTimeEdit* time, int firstName);
    void watchPauses();
    QDateEdit* pauseDate(int pause) const;
    QTimeEdit* pauseTime(int pause) const;
    void pauseEdited(int pause);

    bool loaded_ = false;
    bool loading_ = false;
    bool savingRefused_ = false;
    // Pickers whose value is the pause's own (loaded, chosen or stamped), not
    // the moment the window opened.
    QSet<const QObject*> settled_;
    shell::EditTracker edits_;
};

} // namespace nursing
