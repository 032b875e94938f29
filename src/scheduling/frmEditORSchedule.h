#pragma once

#include "scheduling/ScheduleSettings.h"
#include "shell/UnsavedWork.h"

#include <QDateTime>
#include <QWidget>

#include <array>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace shell {
class EditTracker;
}

namespace scheduling {

// One confirmed operation changed: room, times, length, procedure and team.
// The date and start move only with OR_AllowEditScheduleDateTime. The change
// goes through the room-conflict test with the entry itself left out.
class frmEditORSchedule : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit frmEditORSchedule(QWidget* parent = nullptr);

    // Fills the window for the entry; the opener set the date, the times and
    // the procedure from its own row first.
    void LoadData(const QString& strTrans, const QString& strPxName);
    void Command1_Click(); // save

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    QLabel* lblPatient;
    QComboBox* cboRoom;
    QDateEdit* dtpScheduleDate;
    std::array<QTimeEdit*, 2> dtpTime{};
    QLabel* lblLength;
    QLineEdit* txtProcedure;
    QLineEdit* txtSurgeonID;
    QLineEdit* txtAnesthesiologistID;
    std::array<QLineEdit*, 3> txtSurgeonID_{}; // txtSurgeonID1..3, the assistants
    QLineEdit* txtSNurse;
    QLineEdit* txtCNurse;
    QPushButton* Command1;
    QPushButton* Command2;

signals:
    void saved();

private:
    void timeChanged();
    bool save();
    int minutes() const;

    ScheduleSettings settings_;
    shell::EditTracker* tracker_;
    QString transNum_;
    QString idNum_;
    bool loaded_ = false;
};

} // namespace scheduling
