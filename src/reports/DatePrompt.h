#pragma once

#include <QDialog>

class QDateEdit;
class QFormLayout;
class QLabel;
class QPushButton;

namespace reports {

// What the period prompts have in common: a heading, a form of pickers,
// cmdOption(0) to confirm and cmdOption(1) to cancel. Every opening empties
// the report period, so a cancelled prompt leaves nothing for the report.
class DatePrompt : public QDialog {
    Q_OBJECT
public:
    QPushButton* cmdOption[2]; // 0 confirms, 1 cancels

protected:
    DatePrompt(const QString& objectName, const QString& heading, QWidget* parent);

    // Called on every opening, after the period was emptied.
    virtual void Form_Load() = 0;
    // Called by cmdOption(0); returns true when the prompt may close.
    virtual bool confirm() = 0;

    // A picker with a calendar drop-down, named for the tests and the callers.
    QDateEdit* addDatePicker(const QString& objectName, const QString& label);
    QFormLayout* form() const { return form_; }
    QLabel* heading() const { return heading_; }

    void showEvent(QShowEvent* event) override;

private:
    void cmdOption_Click(int index);

    QLabel* heading_;
    QFormLayout* form_;
};

} // namespace reports
