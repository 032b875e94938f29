#pragma once

#include "chart/ChartPanel.h"
#include "shell/UnsavedWork.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;

namespace chart {

// The nurse's chart of one patient: the patient header and banner on top, the
// action buttons beside it and one tab per chart page below. The pages come
// from the areas that registered them (ChartPanel); the chart only hosts them:
// it loads them for the patient, passes the framework's unsaved-work question
// on to them, reloads them when one reports a change, and guards the tabs
// that need a right.
class frmFinal : public QWidget, public shell::UnsavedWork {
    Q_OBJECT
public:
    // The action buttons, in the order they stand.
    enum Action {
        RequestMedicines,
        RequestSupplies,
        PostNewDiet,
        DischargeTransfer,
        PostCharges,
        SendDischargeOrder,
        AssessmentEntry,
        StatementOfAccount,
        ActionCount
    };

    explicit frmFinal(QWidget* parent = nullptr);

    // Set by the opener before Form_Load.
    QString IdNum;
    QString HospNum;

    // Reads the header and banner and loads every page for the patient. False
    // (after telling the user) when the stay could not be found or read.
    bool Form_Load();

    const ChartPatient& patient() const { return patient_; }
    // The hosted pages, in tab order.
    const std::vector<ChartPanel*>& panels() const { return panels_; }
    // Shows the page whose key starts with `keyPrefix` (its right checked
    // first); false when there is none or the right is refused.
    bool showPage(const QString& keyPrefix);

    // Reads the requests pages again (the timer does it every minute); a page
    // holding unsent orders keeps them.
    void Reload_PendingRequests();

    // Runs one action button, with its right and its refusals.
    void cmdNextPatient_Click(int index);
    // Right 10 for results and 11 for the profile, asked when a tab is chosen.
    bool tabAllowed(int tab);

    bool hasUnsavedChanges() const override;
    bool saveUnsavedChanges() override;
    QString unsavedWorkTitle() const override { return windowTitle(); }

    // ---- the header -------------------------------------------------------------
    QLabel* lblName;
    QLabel* lblIdNum;
    QLabel* lblHospNum;
    QLabel* lblCivilStatus;
    QLabel* lblBirthDate;
    QLabel* lblAdmDate;
    QLabel* lblDischargeDate;
    QLabel* lblRoom;
    QLabel* lblStation;
    QLabel* lblRoomClass;
    QLabel* lblRoomRate;
    QLabel* lblHowAdmitted;
    QLabel* lblAttending;
    QLabel* lblAdmitting;
    QLabel* lblDiagnosis;
    QLabel* lblComplaint;
    QLabel* lblHeight;
    QLabel* lblWeight;
    QLabel* lblAccount;
    QLabel* lblAddress;
    QLabel* lblBloodType;
    QLabel* lblDiet;
    // The banner: package, VIP and senior-citizen notes.
    QLabel* lblBanner;

    std::array<QPushButton*, ActionCount> cmdNextPatient{};
    QPushButton* cmdClose;
    QTabWidget* tabChart;

private:
    bool loadHeader();
    void createPages();
    void reloadOthers(ChartPanel* changed);
    void tabChosen(int tab);
    void openFirstAllowedPage();
    void postCharges();
    QString rightOf(int tab) const;

    ChartPatient patient_;
    std::vector<ChartPanel*> panels_;
    std::vector<QString> keys_;
    int shownTab_ = 0;
    bool loaded_ = false;
    QTimer* refreshTimer_ = nullptr;
};

// The dynamic property a page sets to the right code that guards its tab
// ("10" results, "11" profile); pages without it are open to every user.
inline constexpr const char* RequiredRightProperty = "chartRequiredRight";

// Opens the chart of the selected patient in the work area (one chart per
// patient) on the page whose key starts with `keyPrefix` (empty: the first).
// Null when no patient is selected or the stay could not be read.
frmFinal* OpenChartForSelectedPatient(const QString& keyPrefix = QString());

// Installs the patient lists' way into the chart. Called once at start-up.
void RegisterChartWindow();

} // namespace chart
