#pragma once

#include "chart/ChartPanel.h"
#include "chart/nursing/VitalSignRules.h"
#include "shell/UnsavedWork.h"

#include <QHash>

#include <array>
#include <vector>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimeEdit;

namespace shell {
class EditTracker;
}

namespace chart::nursing {

class VitalSignTrend;

// One stored reading as the grid shows it.
struct VitalSignRow {
    QString when, bloodPressure, temperature, respiration, pulse, oxygen, encoder, itemId, protocol, remarks, remarks2,
        scheduleTime, transNum;
    QDateTime taken;
};

// The chart's vital-signs page: the entry boxes, the readings of the stay
// and their trend. A reading is changed or removed only by the nurse who
// took it.
class VitalSignsPage : public ChartPanel, public shell::UnsavedWork {
    Q_OBJECT
public:
    static const QString FormatString;

    explicit VitalSignsPage(QWidget* parent = nullptr);

    QString pageTitle() const override { return QStringLiteral("Vital Signs"); }
    void loadPatient(const ChartPatient& patient) override;
    // Reads the readings again into the grid and the trend.
    void Get_VitalSigns();

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override { return cmdSaveVitalSign_Click(); }
    QString unsavedWorkTitle() const override { return QStringLiteral("Vital Signs"); }

    const std::vector<VitalSignRow>& readings() const { return rows_; }
    bool editing() const { return !editingTransNum_.isEmpty(); }

    std::array<QLineEdit*, 2> txtBloodPressure{}; // systolic, diastolic
    QLineEdit* txtTemperature;
    QLineEdit* txtPulserate;
    QLineEdit* txtRespiratoryrate;
    QLineEdit* txtO2Sat;
    QDateEdit* dtpVSDate;
    QTimeEdit* dtpVSTime;
    QComboBox* cmbProfile;
    QTableWidget* mshflexVitalSigns;
    QPushButton* cmdSaveVitalSign;
    QPushButton* cmdEditVitalSigns;
    QPushButton* cmdDeleteVitalSign;
    QPushButton* cmdCancelEdit;
    VitalSignTrend* trend;

    bool cmdSaveVitalSign_Click();
    void cmdEditVitalSigns_Click();
    void cmdDeleteVitalSign_Click();
    void cmdCancelEdit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The range question or refusal of one box; false when the value was
    // turned down (the box is then cleared or kept for correcting).
    bool checkBox(QLineEdit* box);
    VitalSignCheck checkOf(QLineEdit* box) const;
    VitalSignEntry entry() const;
    // The chosen reading when the logged-in nurse took it; else tells who may.
    const VitalSignRow* chosenOwnReading(const QString& action);
    void clearEntry();
    void setEditing(const QString& transNum);

    shell::EditTracker* tracker_;
    ChartPatient patient_;
    std::vector<VitalSignRow> rows_;
    bool loadFailed_ = true;
    QString editingTransNum_;
    QString editingItemId_;
    // Values the nurse already confirmed at Enter, so the save does not ask twice.
    QHash<QLineEdit*, QString> confirmed_;
};

} // namespace chart::nursing
