#pragma once

#include "records/OperationRecord.h"
#include "records/OperationRecordRules.h"
#include "shell/UnsavedWork.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;

namespace db {
class Connection;
}
namespace shell {
class EditTracker;
}

namespace records {

class ChartCounts;
class SiteCountGrids;
class ChartCrew;
class ChartTextBoxes;

// The two operative charts differ only in these; the site chart is the same
// window under another name with its own print buttons and reset rule.
struct ChartVariant {
    const char* objectName;
    const char* caption;
    const char* printOperation; // cmdOption(2)
    const char* printSecond;    // cmdOption(3)
    const char* secondCaption;
    bool secondIsAnesthesiaRecord;
    bool resetNeedsRight;
    const char* printLog; // the station log of a printed record; nullptr: none
    bool siteChecks;      // the site's own checks and its count grids
};
const ChartVariant& StandardChart();
const ChartVariant& SiteChart();

// The operative chart: the operating-room nurse records one operation of the
// selected patient through it, and the crew sign it. It gathers the typing
// into an OperationRecord and leaves every rule, question and write to
// OperationRecordActions.
class frmChart : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    explicit frmChart(const ChartVariant& variant = StandardChart(), QWidget* parent = nullptr);
    ~frmChart() override;

    // Set by the opener before Form_Load.
    QString RefNum;
    int OperatingNum = 0;
    QString ProcedureID;
    QString ProcedureName;
    QString ClinicalRevenueID;
    bool WithClinicalOperationData = false;

    // Reads the settings, the rooms and the record (new when OperatingNum is 0).
    void Form_Load();
    bool LoadFailed() const { return loadFailed_; }

    // The record as the chart now holds it (typing included).
    OperationRecord gathered() const;
    const OperationRecord& record() const { return record_; }

    void cmdOption_Click(int index);
    void cmdReset_Click();
    void cmdSignature_Click(Role role);
    void txtPhicCode_KeyPress();
    bool PrintCountingSheet();
    // Prints a form of the saved record with the site, the key and the
    // user's employee code, and writes `log` to the station log when given.
    bool PrintRecordForm(const QString& file, const QString& title, const QString& log = QString());

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    // Where a saved record opens the charge entry for its procedure; the
    // charging window installs it. Empty: nothing opens.
    using ChargeEntryOpener = std::function<void(const frmChart&)>;
    static void SetChargeEntryOpener(ChargeEntryOpener opener);

    std::array<QLabel*, 16> lblInfo{};
    QTabWidget* SSTab1;
    QTabWidget* SSTab2;
    QLineEdit* txtOPerformed;
    QLineEdit* txtPhicCode;
    QLineEdit* txtRVSDescription;
    QComboBox* cboCategory;
    QComboBox* cboORRoom;
    std::array<QCheckBox*, 3> chkLeft{}, chkRight{}, chkBoth{}; // pre-op, post-op diagnosis, technique
    std::array<QPlainTextEdit*, 9> txtEntry{};
    QLabel* lblTechWarning;
    QDateEdit *dtpOp, *dtpAnesDate, *dtpCutDate, *dtpCloseDate, *dtpAnesDoneDate, *dtpOut;
    QTimeEdit *dtpTimeIn, *dtpAnesTime, *dtpCuttingTime, *dtpClosingTime, *dtpAnesDone, *dtpTimeOut;
    QDateEdit *dateSpecimenIn, *dateSpecimenOut;
    QTimeEdit *dtpSpecimenIn, *dtpSpecimenOut;
    QLabel* lblDurations;
    std::array<QRadioButton*, 3> optTO{};
    std::array<QRadioButton*, 2> optInstruments{}, optSutures{}; // complete, incomplete
    std::map<int, QPushButton*> cmdOption;
    QPushButton* cmdReset;
    QPushButton* cmdPrintCounts;
    QHBoxLayout* buttonRow;
    ChartCounts* counts;
    SiteCountGrids* siteCounts = nullptr; // the site chart only
    ChartCrew* crew;
    ChartTextBoxes* textBoxes;

protected:
    // What a window built on the chart adds: fields filled from the loaded
    // record, typing put back into it, and writes of its own in the save's
    // transaction.
    virtual void fillExtra(const OperationRecord&) {}
    virtual void gatherExtra(OperationRecord&) const {}
    // By default: the site chart's count grids.
    virtual void saveExtra(db::Connection& connection, const OperationRecord& record);
    virtual void loadExtra(db::Connection& connection, const OperationRecord& record);
    const RecordOptions& options() const { return options_; }
    shell::EditTracker* tracker() const { return tracker_; }

private:
    QWidget* buildProcedureTab();
    QWidget* buildCrewTab();
    QWidget* buildTimesTab();
    QWidget* buildAnesthesiaTab();
    QWidget* buildCountsTab();
    QWidget* buildSpecimenTab();
    void buildNotes();
    void fillForm();
    void refreshDurations();
    void refreshTechWarning();
    void showTab(ChartTab tab);
    void applyOptions();
    bool save();

    const ChartVariant& variant_;
    RecordOptions options_;
    bool showSignature_ = false;
    bool techWarning_ = false;
    OperationRecord record_;
    shell::EditTracker* tracker_;
    bool loadFailed_ = false;
};

// Opens the chart the settings choose for the selected patient's operation
// (the site chart at site ZV); null after telling the user when no patient
// is selected.
frmChart* OpenOperationRecord(const QString& refNum, int operatingNum, const QString& procedureId,
                              const QString& procedureName);

} // namespace records
