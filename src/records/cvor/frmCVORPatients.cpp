#include "records/cvor/frmCVORPatients.h"

#include "records/cvor/frmUpdateCVOR.h"
#include "settings/clsSettings.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/StationLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace records {

namespace {

frmCVORPatients::Opener& CrewOpener()
{
    static frmCVORPatients::Opener opener;
    return opener;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void frmCVORPatients::SetCrewOpener(Opener opener)
{
    CrewOpener() = std::move(opener);
}

QStringList frmCVORPatients::Headers()
{
    return {QStringLiteral("#"),         QStringLiteral("Patient Name"),     QStringLiteral("Hospital No."),
            QStringLiteral("ID. No"),    QStringLiteral("Transaction Date"), QStringLiteral("Procedure"),
            QStringLiteral("Ref. No."),  QStringLiteral("Item Code")};
}

frmCVORPatients::frmCVORPatients(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCVORPatients"));
    setWindowTitle(QStringLiteral("CVOR Patients"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The cases are operating-room charges: without a setting the census
    // takes the operating room's own revenue as the main one.
    RevenueID = app::ProgramSettings ? app::ProgramSettings->CVORMainRev().trimmed() : QString();
    if (RevenueID.isEmpty())
        RevenueID = QStringLiteral("OR");

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(shell::StationLook::Large, shell::StationLook::Medium, shell::StationLook::Large,
                             shell::StationLook::Medium);
    root->setSpacing(shell::StationLook::Medium);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(shell::StationLook::Small);
    searchRow->addWidget(new QLabel(QStringLiteral("Search by:"), this));
    const char* const captions[3] = {"Hospital No.", "ID No.", "Last Name"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QLatin1String(captions[i]), this);
        option->setObjectName(QStringLiteral("optSearch_%1").arg(i));
        optSearch[static_cast<size_t>(i)] = option;
        searchRow->addWidget(option);
    }
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setMaxLength(50);
    cmdSearch = Button(this, "cmdSearch", QStringLiteral("&Search"));
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(cmdSearch);
    root->addLayout(searchRow);

    grdCases = new QTableWidget(0, Headers().size(), this);
    grdCases->setObjectName(QStringLiteral("grdCases"));
    grdCases->setHorizontalHeaderLabels(Headers());
    grdCases->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCases->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCases->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCases->verticalHeader()->hide();
    grdCases->horizontalHeader()->setStretchLastSection(true);
    root->addWidget(grdCases, 1);

    cmdUpdate = Button(this, "cmdUpdate", QStringLiteral("&Update CVOR Info"));
    cmdPrint = Button(this, "cmdPrint", QStringLiteral("&Print Census"));
    cmdClose = Button(this, "cmdClose", QStringLiteral("&Close"));
    root->addLayout(shell::StationLook::ButtonRow({cmdUpdate, cmdPrint, cmdClose}, false));
    resize(900, 480);

    connect(cmdSearch, &QPushButton::clicked, this, &frmCVORPatients::cmdSearch_Click);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmCVORPatients::cmdSearch_Click);
    connect(grdCases, &QTableWidget::cellDoubleClicked, this, &frmCVORPatients::cmdUpdate_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmCVORPatients::cmdUpdate_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCVORPatients::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmCVORPatients::cmdSearch_Click()
{
    CvorCases::SearchType type = CvorCases::SearchType::None;
    if (optSearch[0]->isChecked())
        type = CvorCases::SearchType::HospitalNumber;
    else if (optSearch[1]->isChecked())
        type = CvorCases::SearchType::AdmissionNumber;
    else if (optSearch[2]->isChecked())
        type = CvorCases::SearchType::LastName;
    cases_ = CvorCases::Search(type, txtSearch->text());
    grdCases->setRowCount(static_cast<int>(cases_.size()));
    for (int r = 0; r < static_cast<int>(cases_.size()); ++r) {
        const CvorCase& c = cases_[static_cast<size_t>(r)];
        const QStringList cells{QString::number(r + 1), c.patientName, c.hospNum, c.idNum,
                                c.transDate.toString(QStringLiteral("MM/dd/yyyy hh:mm AP")), c.procedure, c.refNum, c.itemId};
        for (int col = 0; col < cells.size(); ++col)
            grdCases->setItem(r, col, new QTableWidgetItem(cells[col]));
    }
    grdCases->resizeColumnsToContents();
    if (!cases_.empty())
        grdCases->selectRow(0);
}

const CvorCase* frmCVORPatients::chosenCase(const QString& messageWhenNone) const
{
    const int row = grdCases->currentRow();
    if (row < 0 || row >= static_cast<int>(cases_.size()) || grdCases->selectedItems().isEmpty()) {
        shell::Notify(messageWhenNone, shell::PromptIcon::Exclamation);
        return nullptr;
    }
    return &cases_[static_cast<size_t>(row)];
}

void frmCVORPatients::cmdUpdate_Click()
{
    const CvorCase* c = chosenCase(QStringLiteral("Please select patient case to update."));
    if (!c)
        return;
    auto* crew = new frmUpdateCVOR;
    crew->ID = c->idNum;
    crew->PNo = c->hospNum;
    crew->RefNo = c->refNum;
    crew->ItemID = c->itemId;
    crew->TransDate = c->transDate;
    crew->Procedure = c->procedure;
    crew->PName = c->patientName;
    crew->Form_Load();
    if (CrewOpener())
        CrewOpener()(crew);
    else
        crew->show();
}

void frmCVORPatients::cmdPrint_Click()
{
    const CvorCase* c = chosenCase(QStringLiteral("Please select patient case to print."));
    if (!c)
        return;
    shell::OpenAndShowReport(QStringLiteral("\\Reports\\CVORCensus.rpt"),
                             shell::SiteParameters() << c->idNum << c->refNum << c->itemId << RevenueID,
                             QStringLiteral("CVOR Census"));
}

} // namespace records
