#pragma once

#include "chart/ChartPanel.h"
#include "shell/UnsavedWork.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

namespace scheduling {
class BoardView;
}

namespace chart {

// The chart's request for an operating-room slot: the procedure, the
// surgeon and anesthesiologist, the day and time wished, and the day's board
// of the operating rooms beside it so the nurse sees what is free. The
// request goes to the operating room pending; the room is theirs to give.
class ScheduleRequestPanel : public ChartPanel, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit ScheduleRequestPanel(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("OR Schedule Request"); }
    void loadPatient(const ChartPatient& patient) override;

    // Checks and sends the request; false (after telling the user) when refused or failed.
    bool cmdSaveSchedule_Click();
    // The text the request carries for the operating room.
    QString RequestText() const;

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override { return cmdSaveSchedule_Click(); }
    QString unsavedWorkTitle() const override { return pageTitle(); }

    QLineEdit* txtProcedure;
    QComboBox* cboSurgeon;
    QComboBox* cboAnesthesiologist;
    QDateEdit* dtpORDate;
    QTimeEdit* dtpORTime;
    QSpinBox* txtLength;
    QPushButton* cmdSaveSchedule;
    scheduling::BoardView* Schedule1;

private:
    void loadDay();
    void clearEntry();

    ChartPatient patient_;
};

// Registers the page with the chart under the key "orschedule".
void RegisterScheduleRequestPanel();

} // namespace chart
