#include "charging/frmMarkupSettings.h"

#include "db/Connection.h"
#include "db/SqlText.h"
#include "shell/Prompts.h"
#include "shell/SaveTransaction.h"
#include "shell/StationLook.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/NumberField.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace charging {

frmMarkupSettings::frmMarkupSettings(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMarkupSettings"));
    setWindowTitle(QStringLiteral("Mark Up Settings"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(shell::StationLook::Medium, shell::StationLook::Small, shell::StationLook::Medium,
                             shell::StationLook::Medium);

    Toolbar = new QToolBar(this);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto action = [this](const char* name, const QString& caption) {
        QAction* a = Toolbar->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    tlbbtnAdd = action("tlbbtnAdd", QStringLiteral("Add"));
    tlbbtnEdit = action("tlbbtnEdit", QStringLiteral("Edit"));
    tlbbtnSave = action("tlbbtnSave", QStringLiteral("Save"));
    tlbbtnClose = action("tlbbtnClose", QStringLiteral("Close"));
    root->addWidget(Toolbar);

    auto* search = new QHBoxLayout;
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Description"));
    search->addWidget(new QLabel(QStringLiteral("Search"), this));
    search->addWidget(txtSearch, 1);
    tlbbtnSearch = new QAction(QStringLiteral("Search"), this);
    tlbbtnSearch->setObjectName(QStringLiteral("tlbbtnSearch"));
    Toolbar->insertAction(tlbbtnClose, tlbbtnSearch);
    root->addLayout(search);

    grdListing = new QTableWidget(0, 3, this);
    grdListing->setObjectName(QStringLiteral("grdListing"));
    grdListing->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("MarkUp"), QStringLiteral("Description")});
    grdListing->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdListing->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdListing->setSelectionMode(QAbstractItemView::SingleSelection);
    grdListing->verticalHeader()->hide();
    grdListing->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    grdListing->setMinimumSize(460, 180);
    root->addWidget(grdListing, 1);

    auto* form = new QFormLayout;
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setReadOnly(true);
    txtDescription = new QLineEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    shell::LimitToColumn(txtDescription, QStringLiteral("STATION..tbORMarkUp"), QStringLiteral("Description"));
    txtMarkup = new QLineEdit(this);
    txtMarkup->setObjectName(QStringLiteral("txtMarkup"));
    shell::MakeNumberField(txtMarkup, 0, 1000000, 4);
    auto* operation = new QHBoxLayout;
    optMarkup[0] = new QRadioButton(QStringLiteral("Multiply (*)"), this);
    optMarkup[1] = new QRadioButton(QStringLiteral("Add (+)"), this);
    for (int i = 0; i < 2; ++i) {
        optMarkup[i]->setObjectName(QStringLiteral("optMarkup_%1").arg(i));
        operation->addWidget(optMarkup[i]);
    }
    operation->addStretch(1);
    chkActive = new QCheckBox(QStringLiteral("Active"), this);
    chkActive->setObjectName(QStringLiteral("chkActive"));
    chkDefault = new QCheckBox(QStringLiteral("Default"), this);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));
    auto* flags = new QHBoxLayout;
    flags->addWidget(chkActive);
    flags->addWidget(chkDefault);
    flags->addStretch(1);
    form->addRow(QStringLiteral("Code"), txtCode);
    form->addRow(QStringLiteral("Description"), txtDescription);
    form->addRow(QStringLiteral("MarkUp"), txtMarkup);
    form->addRow(QStringLiteral("Operation"), operation);
    form->addRow(QString(), flags);
    root->addLayout(form);

    connect(grdListing, &QTableWidget::cellClicked, this, [this](int row, int) { grdListing_Click(row); });
    connect(tlbbtnAdd, &QAction::triggered, this, &frmMarkupSettings::tlbbtnAdd_Click);
    connect(tlbbtnEdit, &QAction::triggered, this, &frmMarkupSettings::tlbbtnEdit_Click);
    connect(tlbbtnSave, &QAction::triggered, this, &frmMarkupSettings::tlbbtnSave_Click);
    connect(tlbbtnSearch, &QAction::triggered, this, &frmMarkupSettings::tlbbtnSearch_Click);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmMarkupSettings::tlbbtnSearch_Click);
    connect(tlbbtnClose, &QAction::triggered, this, &QWidget::close);
    clearFields();
}

void frmMarkupSettings::setEditing(bool on)
{
    for (QWidget* box : std::initializer_list<QWidget*>{txtDescription, txtMarkup, optMarkup[0], optMarkup[1], chkActive, chkDefault})
        box->setEnabled(on);
    tlbbtnSave->setEnabled(on);
}

void frmMarkupSettings::clearFields()
{
    txtCode->clear();
    txtDescription->clear();
    txtMarkup->clear();
    optMarkup[0]->setChecked(true);
    chkActive->setChecked(true);
    chkDefault->setChecked(false);
    setEditing(false);
}

void frmMarkupSettings::Form_Load()
{
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("Select MarkupID, MarkUp, Description from STATION..tbORMarkUp Order By MarkupID"));
        grdListing->setRowCount(0);
        while (!rs.eof()) {
            const int row = grdListing->rowCount();
            grdListing->insertRow(row);
            grdListing->setItem(row, 0, new QTableWidgetItem(rs.text(QStringLiteral("MarkupID")).trimmed()));
            grdListing->setItem(row, 1, new QTableWidgetItem(rs.field(QStringLiteral("MarkUp")).toDecimal().value_or(db::Decimal()).toString()));
            grdListing->setItem(row, 2, new QTableWidgetItem(rs.text(QStringLiteral("Description")).trimmed()));
            rs.moveNext();
        }
    });
}

void frmMarkupSettings::grdListing_Click(int row)
{
    if (row < 0 || row >= grdListing->rowCount())
        return;
    const QString code = grdListing->item(row, 0)->text();
    bool found = false;
    shell::SaveTransaction::Load([&](db::Connection& c) {
        db::Recordset rs = c.open(QStringLiteral("Station..SearchORMarkup ") + db::Quote(code));
        found = !rs.eof();
        if (!found)
            return;
        txtCode->setText(rs.text(QStringLiteral("MarkupID")).trimmed());
        txtMarkup->setText(rs.field(QStringLiteral("Markup")).toDecimal().value_or(db::Decimal()).toString());
        txtDescription->setText(rs.text(QStringLiteral("Description")).trimmed());
        chkActive->setChecked(rs.text(QStringLiteral("Status")).trimmed() == QLatin1String("A"));
        optMarkup[rs.text(QStringLiteral("Operation")).trimmed() == QLatin1String("+") ? 1 : 0]->setChecked(true);
        chkDefault->setChecked(rs.field(QStringLiteral("IsDefault")).toLongLong() != 0);
        setEditing(false);
    });
    if (!found)
        shell::Notify(QStringLiteral("No data found."));
}

void frmMarkupSettings::tlbbtnSearch_Click()
{
    const QString text = txtSearch->text().trimmed();
    shell::SaveTransaction::Load([&](db::Connection& c) {
        if (c.open(QStringLiteral("select 1 from Station..tbORMarkUp where  Description like  ") + db::LikeStartingWith(text))
                .eof()) {
            shell::Notify(QStringLiteral("No data found."));
            return;
        }
        // The first rule whose description starts with the text is shown.
        for (int row = 0; row < grdListing->rowCount(); ++row) {
            if (grdListing->item(row, 2)->text().startsWith(text, Qt::CaseInsensitive)) {
                grdListing->selectRow(row);
                grdListing_Click(row);
                break;
            }
        }
    });
}

void frmMarkupSettings::tlbbtnAdd_Click()
{
    clearFields();
    txtCode->setText(QStringLiteral("NEW"));
    setEditing(true);
    txtDescription->setFocus();
}

void frmMarkupSettings::tlbbtnEdit_Click()
{
    if (txtCode->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Sorry, no code to edit."), shell::PromptIcon::Critical);
        return;
    }
    setEditing(true);
}

void frmMarkupSettings::tlbbtnSave_Click()
{
    if (!shell::Confirm(QStringLiteral("Are you sure you want to save this entry?")))
        return;
    if (txtDescription->text().trimmed().isEmpty()) {
        shell::Notify(QStringLiteral("Can't save blank description."));
        return;
    }
    if (chkDefault->isChecked() && !chkActive->isChecked()) {
        shell::Notify(QStringLiteral("Can't set as default value if item is inactive."));
        return;
    }
    if (!shell::CheckNumberFields({{QStringLiteral("MarkUp"), txtMarkup}}))
        return;
    QString markUp = txtMarkup->text().trimmed();
    markUp.remove(QLatin1Char(','));
    if (markUp.isEmpty())
        markUp = QStringLiteral("0");
    const QStringList values{txtCode->text().trimmed(), txtDescription->text().trimmed(), markUp,
                             chkActive->isChecked() ? QStringLiteral("A") : QStringLiteral("I"),
                             optMarkup[1]->isChecked() ? QStringLiteral("+") : QStringLiteral("*"),
                             chkDefault->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
    QStringList quoted;
    for (const QString& value : values)
        quoted << db::Quote(value);
    if (!shell::SaveTransaction::Run([&](db::Connection& c) {
            c.execute(QStringLiteral("Station..SaveORMarkupValues ") + quoted.join(QStringLiteral(", ")));
        }))
        return; // told; the typing stays
    shell::Notify(QStringLiteral("Mark up successfully saved."));
    clearFields();
    Form_Load();
}

} // namespace charging
