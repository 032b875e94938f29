#include "chart/final/frmFinal.h"

#include "db/routines/UserRights.h"
#include "shell/Prompts.h"
#include "shell/StationLook.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace chart {

namespace {

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(60);
    // Long names and wards wrap rather than push the action buttons off the window.
    label->setWordWrap(true);
    return label;
}

struct ActionButton {
    const char* caption;
    bool available; // its window is part of the station already
};

// Medicines, supplies, diet, discharge, clearance, assessment and the
// statement of account open windows that come with later parts of the
// station; their buttons stand where they will be, disabled until then.
const ActionButton kActions[frmFinal::ActionCount] = {
    {"Request &Medicines", false},  {"Request &Supplies", false},     {"Post New &Diet", false},
    {"Disc&harge / Transfer", false}, {"Post &Charges", true},        {"Clearance / Discharge &Order", false},
    {"&Assessment Entry", false},   {"Statement of &Account", false},
};

} // namespace

frmFinal::frmFinal(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmFinal"));
    setWindowTitle(QStringLiteral("Patient Clinical Chart"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The departments process requests while the chart stays open: their
    // state is read again every minute.
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName(QStringLiteral("refreshTimer"));
    refreshTimer_->setInterval(60 * 1000);
    connect(refreshTimer_, &QTimer::timeout, this, &frmFinal::Reload_PendingRequests);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);

    // The header: three columns of caption and value.
    auto* top = new QHBoxLayout;
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(2);
    struct Row {
        const char* caption;
        QLabel** label;
        const char* name;
    };
    const Row rows[] = {
        {"Name:", &lblName, "lblName"},                   {"Adm. No.:", &lblIdNum, "lblIdNum"},
        {"Hospital No.:", &lblHospNum, "lblHospNum"},     {"Civil Status:", &lblCivilStatus, "lblCivilStatus"},
        {"Birth Date:", &lblBirthDate, "lblBirthDate"},   {"Blood Type:", &lblBloodType, "lblBloodType"},
        {"Admitted:", &lblAdmDate, "lblAdmDate"},         {"Discharged:", &lblDischargeDate, "lblDischargeDate"},
        {"Room:", &lblRoom, "lblRoom"},                   {"Station:", &lblStation, "lblStation"},
        {"Room Class:", &lblRoomClass, "lblRoomClass"},   {"Room Rate:", &lblRoomRate, "lblRoomRate"},
        {"How Admitted:", &lblHowAdmitted, "lblHowAdmitted"}, {"Attending:", &lblAttending, "lblAttending"},
        {"Admitting:", &lblAdmitting, "lblAdmitting"},    {"Account:", &lblAccount, "lblAccount"},
        {"Height:", &lblHeight, "lblHeight"},             {"Weight:", &lblWeight, "lblWeight"},
        {"Diet:", &lblDiet, "lblDiet"},                   {"Address:", &lblAddress, "lblAddress"},
        {"Adm. Diagnosis:", &lblDiagnosis, "lblDiagnosis"}, {"Chief Complaint:", &lblComplaint, "lblComplaint"},
    };
    constexpr int perColumn = 8;
    int i = 0;
    for (const Row& row : rows) {
        *row.label = valueLabel(this, row.name);
        const int column = (i / perColumn) * 2;
        auto* caption = new QLabel(QLatin1String(row.caption), this);
        header->addWidget(caption, i % perColumn, column, Qt::AlignRight | Qt::AlignTop);
        header->addWidget(*row.label, i % perColumn, column + 1);
        header->setColumnStretch(column + 1, 1);
        ++i;
    }
    lblName->setStyleSheet(QStringLiteral("font-weight: bold;"));
    for (QLabel* wide : {lblAddress, lblDiagnosis, lblComplaint, lblAccount, lblAttending, lblAdmitting})
        wide->setMaximumWidth(300);
    top->addLayout(header, 1);

    // The actions, one column beside the header.
    auto* actions = new QGridLayout;
    actions->setSpacing(4);
    for (int a = 0; a < ActionCount; ++a) {
        auto* button = new QPushButton(QLatin1String(kActions[a].caption), this);
        button->setObjectName(QStringLiteral("cmdNextPatient_%1").arg(a));
        button->setEnabled(kActions[a].available);
        if (!kActions[a].available)
            button->setToolTip(QStringLiteral("Not yet available: this window comes with a later part of the station."));
        connect(button, &QPushButton::clicked, this, [this, a] { cmdNextPatient_Click(a); });
        actions->addWidget(button, a % 4, a / 4);
        cmdNextPatient[static_cast<size_t>(a)] = button;
    }
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    actions->addWidget(cmdClose, 4, 1);
    top->addLayout(actions);
    root->addLayout(top);

    lblBanner = new QLabel(this);
    lblBanner->setObjectName(QStringLiteral("lblBanner"));
    lblBanner->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    root->addWidget(lblBanner);

    tabChart = new QTabWidget(this);
    tabChart->setObjectName(QStringLiteral("tabChart"));
    tabChart->setDocumentMode(true);
    root->addWidget(tabChart, 1);
    createPages();
    connect(tabChart, &QTabWidget::currentChanged, this, &frmFinal::tabChosen);
}

void frmFinal::createPages()
{
    for (const RegisteredChartPanel& registered : RegisteredChartPanels()) {
        ChartPanel* panel = registered.factory ? registered.factory(tabChart) : nullptr;
        if (!panel)
            continue;
        panels_.push_back(panel);
        keys_.push_back(registered.key);
        tabChart->addTab(panel, panel->pageTitle());
        connect(panel, &ChartPanel::patientDataChanged, this, [this, panel] { reloadOthers(panel); });
    }
}

QString frmFinal::rightOf(int tab) const
{
    if (tab < 0 || tab >= static_cast<int>(panels_.size()))
        return QString();
    const QString right = panels_[static_cast<size_t>(tab)]->property(RequiredRightProperty).toString();
    if (!right.isEmpty())
        return right;
    // Pages that do not name their right get it from their key: results are
    // for those who may view them, the nursing profile for those who may update it.
    const QString& key = keys_[static_cast<size_t>(tab)];
    if (key.startsWith(QLatin1String("results"), Qt::CaseInsensitive))
        return QStringLiteral("10");
    if (key.compare(QLatin1String("nursing.profile"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("11");
    return QString();
}

bool frmFinal::tabAllowed(int tab)
{
    const QString right = rightOf(tab);
    if (right.isEmpty() || routines::HasUserRight(right))
        return true;
    if (right == QLatin1String("10"))
        shell::Notify(QStringLiteral("Sorry, you don't have access right to View Results."));
    else if (right == QLatin1String("11"))
        shell::Notify(QStringLiteral("Sorry, you don't have access right to Update Patient Profile."));
    else
        shell::Notify(QStringLiteral("Sorry, you don't have access right to view this page."));
    return false;
}

void frmFinal::tabChosen(int tab)
{
    if (tab == shownTab_)
        return;
    if (!tabAllowed(tab)) {
        // Back to the page the user was on, without asking again.
        const QSignalBlocker quiet(tabChart);
        tabChart->setCurrentIndex(shownTab_);
        return;
    }
    shownTab_ = tab;
}

void frmFinal::openFirstAllowedPage()
{
    // The chart opens on the first page the user may see, without a refusal
    // for a page nobody asked for.
    for (int tab = 0; tab < tabChart->count(); ++tab) {
        const QString right = rightOf(tab);
        if (right.isEmpty() || routines::HasUserRight(right)) {
            const QSignalBlocker quiet(tabChart);
            tabChart->setCurrentIndex(tab);
            shownTab_ = tab;
            return;
        }
    }
}

bool frmFinal::showPage(const QString& keyPrefix)
{
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (!keys_[i].startsWith(keyPrefix, Qt::CaseInsensitive))
            continue;
        tabChart->setCurrentIndex(static_cast<int>(i));
        return tabChart->currentIndex() == static_cast<int>(i);
    }
    return false;
}

namespace {

// A page holding typing not saved yet is not read again: reading would wipe
// what the nurse typed. It shows the change the next time it is loaded.
bool HoldsTyping(ChartPanel* panel)
{
    auto* work = dynamic_cast<shell::UnsavedWork*>(panel);
    return work && work->hasUnsavedChanges();
}

} // namespace

void frmFinal::reloadOthers(ChartPanel* changed)
{
    // The page that changed shows its own change already; the others read
    // again what it may have touched (a sent request, a new reading).
    for (ChartPanel* panel : panels_)
        if (panel != changed && !HoldsTyping(panel))
            panel->loadPatient(patient_);
}

void frmFinal::Reload_PendingRequests()
{
    if (!loaded_)
        return;
    for (size_t i = 0; i < panels_.size(); ++i)
        if (keys_[i].startsWith(QLatin1String("requests")) && !HoldsTyping(panels_[i]))
            panels_[i]->loadPatient(patient_);
}

bool frmFinal::hasUnsavedChanges() const
{
    for (ChartPanel* panel : panels_)
        if (auto* work = dynamic_cast<shell::UnsavedWork*>(panel); work && work->hasUnsavedChanges())
            return true;
    return false;
}

bool frmFinal::saveUnsavedChanges()
{
    // Each page saves through its own save; the first that fails keeps the
    // chart open with everything typed on every page.
    for (ChartPanel* panel : panels_) {
        auto* work = dynamic_cast<shell::UnsavedWork*>(panel);
        if (work && work->hasUnsavedChanges() && !work->saveUnsavedChanges())
            return false;
    }
    return true;
}

} // namespace chart
