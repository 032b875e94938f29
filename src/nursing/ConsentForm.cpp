#include "nursing/ConsentForm.h"

#include "components/ComponentSet.h"
#include "components/KeyPress.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "db/SqlText.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nursing {

namespace {

const QString kInvalidUserQuestion =
    QStringLiteral("Do you really want to save this transaction?") + QStringLiteral("\r\n") + QStringLiteral("Invalid user information! ");

// The doctor listing of the code search.
constexpr int kDoctorListing = 1;

// Adults leave the minor's age empty.
constexpr int kAdultAge = 18;

const QString kRefusedTip = QStringLiteral("The stored consent could not be read: close the form and open it again.");

} // namespace

ConsentForm::ConsentForm(ConsentKind kind, QWidget* parent) : QWidget(parent), kind_(std::move(kind))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kind_.title);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 14);
    outer->setSpacing(12);

    auto* heading = new QLabel(kind_.title, this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.35);
    font.setBold(true);
    heading->setFont(font);
    outer->addWidget(heading);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);

    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setHorizontalSpacing(12);
    form_->setVerticalSpacing(8);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    outer->addLayout(form_);

    txtPx = new QLineEdit(this);
    txtPx->setObjectName(QStringLiteral("txtPx"));
    txtPx->setReadOnly(true);
    txtPx->setFocusPolicy(Qt::NoFocus); // shown only: typing starts in the first box
    QFont bold = txtPx->font();
    bold.setBold(true);
    txtPx->setFont(bold);
    form_->addRow(QStringLiteral("Patient:"), txtPx);
}

ConsentForm::~ConsentForm() = default;

QLineEdit* ConsentForm::addBox(const char* name, const QString& caption, const QString& column)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(360);
    upperCase_->installOn(box);
    if (!column.isEmpty())
        columns_.push_back({box, column});
    form_->addRow(caption, box);
    return box;
}

QLineEdit* ConsentForm::addDoctorBox(const QString& caption, const QString& column)
{
    txtSurgeon = new QLineEdit(this);
    txtSurgeon->setObjectName(QStringLiteral("txtSurgeon"));
    upperCase_->installOn(txtSurgeon);
    columns_.push_back({txtSurgeon, column});
    cmdReqDoc = new QPushButton(QStringLiteral("..."), this);
    cmdReqDoc->setObjectName(QStringLiteral("cmdReqDoc"));
    cmdReqDoc->setToolTip(QStringLiteral("Look up the doctor"));
    cmdReqDoc->setFixedWidth(36);
    connect(cmdReqDoc, &QPushButton::clicked, this, &ConsentForm::cmdReqDoc_Click);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(txtSurgeon, 1);
    row->addWidget(cmdReqDoc);
    form_->addRow(caption, row);
    return txtSurgeon;
}

void ConsentForm::addDatePicker(const QString& caption)
{
    dtpDate = shell::NewDateField(this, QStringLiteral("dtpDate"));
    dtpDate->setMaximumWidth(160);
    form_->addRow(caption, dtpDate);
}

void ConsentForm::addNote(const QString& text)
{
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("font-weight: bold; color: #505050; padding-top: 6px;"));
    form_->addRow(QString(), note);
}

void ConsentForm::finishLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    const QString captions[] = {QStringLiteral("&Save && Print"), QStringLiteral("&Close"), QStringLiteral("&Delete")};
    for (int i = 0; i < 3; ++i) {
        cmdButton[i] = new QPushButton(captions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton_%1").arg(i));
        cmdButton[i]->setMinimumWidth(110);
        connect(cmdButton[i], &QPushButton::clicked, this, [this, i] { cmdButton_Click(i); });
    }
    buttons->addWidget(cmdButton[2]);
    buttons->addStretch(1);
    buttons->addWidget(cmdButton[0]);
    buttons->addWidget(cmdButton[1]);
    cmdButton[0]->setDefault(true);
    auto* outer = static_cast<QVBoxLayout*>(layout());
    outer->addStretch(1);
    outer->addLayout(buttons);
    edits_.watch(this);
}

// ---- loading ----------------------------------------------------------------------

void ConsentForm::Form_Load()
{
    edits_.pause();
    txtPx->setText(PName);
    // A form already refused (its caller could not read the patient) reads
    // nothing more: the user has heard of the failure once.
    const bool loaded = savingRefused_ || shell::SaveTransaction::Load([this](db::Connection& conn) {
        // The lengths first: a box filled before it is limited would be cut.
        for (const BoxColumn& limit : columns_)
            shell::LimitToColumn(limit.box, kind_.table, limit.column);
        const db::Recordset row =
            conn.open(QStringLiteral("SELECT * FROM ") + kind_.table + QStringLiteral(" WHERE IDNUM = ") + db::Quote(IdNum));
        if (!row.eof())
            fillFrom(row);
        else if (dtpDate && app::ServerDate.isValid())
            dtpDate->setDate(app::ServerDate.date());
        if (txtMinor && !kind_.ageTable.isEmpty())
            computeMinorAge(conn);
    });
    if (!loaded)
        refuseSaving();
    edits_.resume();
    edits_.markSaved();
}

void ConsentForm::refuseSaving()
{
    savingRefused_ = true;
    for (int index : {0, 2}) {
        cmdButton[index]->setEnabled(false);
        cmdButton[index]->setToolTip(kRefusedTip);
    }
}

QString ConsentForm::AgeStatement(const QString& idNum, const QString& consentTable, const QString& dateColumn)
{
    const QString patientTable = idNum.endsWith(QLatin1Char('B')) ? QStringLiteral("PATIENT_DATA..tbOUTpatient")
                                                                   : QStringLiteral("PATIENT_DATA..tbpatient");
    const QString join =
        QStringLiteral("LEFT OUTER JOIN ") + patientTable + QStringLiteral(" P ON P.IdNum = ") + db::Quote(idNum) + QLatin1Char(' ');
    return QStringLiteral("IF EXISTS(SELECT TOP 1 1 FROM ") + consentTable + QStringLiteral(" WHERE IDnum = ") + db::Quote(idNum)
           + QStringLiteral(")") + QStringLiteral("BEGIN ")
           + QStringLiteral("SELECT  STATION.DBO.fn_LabComputeAge(convert(varchar(10),BirthDate,101),A.") + dateColumn
           + QStringLiteral(") AS Age ") + QStringLiteral("FROM    PATIENT_DATA..tbmaster M ") + join
           + QStringLiteral("LEFT OUTER JOIN ") + consentTable + QStringLiteral(" A ON A.IDNUM = P.IDNUM ")
           + QStringLiteral("WHERE   M.HOSPNUM = P.HospNum ") + QStringLiteral("END ") + QStringLiteral("ELSE ")
           + QStringLiteral("BEGIN ")
           + QStringLiteral("SELECT  STATION.DBO.fn_LabComputeAge(convert(varchar(10),BirthDate,101),convert(varchar(10),getdate(),101)) AS Age ")
           + QStringLiteral("FROM    PATIENT_DATA..tbmaster M ") + join + QStringLiteral("WHERE   M.HOSPNUM = P.HospNum ")
           + QStringLiteral("END ");
}

QString ConsentForm::MinorAgeText(const QString& computed, const QString& current)
{
    const QString age = computed.trimmed();
    if (age.isEmpty())
        return current;
    const QString number = age.left(age.size() - 1);
    if (age.endsWith(QLatin1Char('D')))
        return number + QStringLiteral(" days");
    if (!current.isEmpty())
        return current;
    if (age.endsWith(QLatin1Char('M')))
        return number + QStringLiteral(" months");
    bool isNumber = false;
    const int years = age.toInt(&isNumber);
    if (isNumber && years < kAdultAge)
        return age + QStringLiteral(" years");
    return current;
}

void ConsentForm::computeMinorAge(db::Connection& conn)
{
    const db::Recordset age = conn.open(AgeStatement(IdNum, kind_.ageTable, kind_.ageDateColumn));
    if (!age.eof())
        txtMinor->setText(MinorAgeText(age.text(QStringLiteral("Age")), txtMinor->text()));
}

bool ConsentForm::surgeonAndProcedureFilled() const
{
    if (txtSurgeon->text().trimmed().isEmpty())
        return Missing(QStringLiteral("Please provide name of surgeon."));
    if (txtOperation->text().trimmed().isEmpty())
        return Missing(QStringLiteral("Please provide procedure details."));
    return true;
}

// ---- buttons ------------------------------------------------------------------------

void ConsentForm::cmdButton_Click(int index)
{
    switch (index) {
    case 0:
        // A save that failed was told by the save path; nothing is printed
        // and the form keeps what was typed.
        if (save())
            print();
        break;
    case 1:
        close();
        break;
    case 2:
        deleteRecord();
        break;
    default:
        break;
    }
}

bool ConsentForm::saveUnsavedChanges()
{
    return save();
}

void ConsentForm::cmdReqDoc_Click()
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search) {
        shell::Notify(QStringLiteral("The doctor look-up is not available."), shell::PromptIcon::Exclamation);
        return;
    }
    try {
        if (search->SearchListing(txtSurgeon->text().trimmed(), kDoctorListing))
            txtSurgeon->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ")
                                + search->DoctorRecord.FirstName.trimmed());
    } catch (const db::DbError& error) {
        shell::Notify(shell::SaveTransaction::FailureText(error.message()), shell::PromptIcon::Critical);
    }
}

bool ConsentForm::save()
{
    if (savingRefused_) {
        shell::Notify(kRefusedTip, shell::PromptIcon::Exclamation);
        return false;
    }
    if (!requiredFilled())
        return false;
    if (IdNum.isEmpty())
        return false;
    if (!shell::ValidateTransaction(kInvalidUserQuestion, 0, QString(), this))
        return false;
    // The old consent goes only together with the new one being written.
    const QString insert = insertStatement(app::ValidatedUserID);
    const bool saved = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(deleteStatement());
        conn.execute(insert);
    });
    if (saved)
        edits_.markSaved();
    return saved;
}

QString ConsentForm::deleteStatement() const
{
    return QStringLiteral("DELETE ") + kind_.table + QStringLiteral(" WHERE IDNum = ") + db::Quote(IdNum);
}

void ConsentForm::print()
{
    shell::OpenAndShowReport(kind_.reportFile, reportValues(), kind_.title, false);
}

void ConsentForm::deleteRecord()
{
    if (savingRefused_)
        return;
    if (!shell::Confirm(kind_.deleteQuestion))
        return;
    if (!shell::ValidateTransaction(kInvalidUserQuestion, 0, QString(), this) || app::ValidatedUserID.isEmpty())
        return;
    // The removal and its log row stand or fall together.
    const QString userId = app::ValidatedUserID;
    if (!shell::SaveTransaction::Run([&](db::Connection& conn) {
            conn.execute(deleteStatement());
            shell::WriteStationLog(IdNum, kind_.deleteRemark, userId, QStringLiteral("OR"));
        }))
        return;
    edits_.markSaved();
    shell::Notify(kind_.deletedMessage);
    close();
}

// ---- helpers for the forms ----------------------------------------------------------

QString ConsentForm::QuotedList(const QStringList& values)
{
    QStringList quoted;
    quoted.reserve(values.size());
    for (const QString& value : values)
        quoted << db::Quote(value);
    return quoted.join(QStringLiteral(", "));
}

QString ConsentForm::Text(const QLineEdit* box)
{
    return box ? box->text() : QString();
}

QString ConsentForm::dateSigned() const
{
    return dtpDate ? shell::DateFieldText(dtpDate) : QString();
}

bool ConsentForm::Missing(const QString& message)
{
    shell::Notify(message);
    return false;
}

} // namespace nursing
