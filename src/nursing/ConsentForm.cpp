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
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"

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

QLineEdit* ConsentForm::addBox(const char* name, const QString& caption)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(360);
    upperCase_->installOn(box);
    form_->addRow(caption, box);
    return box;
}

QLineEdit* ConsentForm::addDoctorBox(const QString& caption)
{
    txtSurgeon = new QLineEdit(this);
    txtSurgeon->setObjectName(QStringLiteral("txtSurgeon"));
    upperCase_->installOn(txtSurgeon);
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
    dtpDate = new QDateEdit(this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpDate->setCalendarPopup(true);
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
}

// ---- loading ----------------------------------------------------------------------

void ConsentForm::Form_Load()
{
    db::Connection& conn = *app::SQLConnection();
    const db::Recordset row =
        conn.open(QStringLiteral("SELECT * FROM %1 WHERE IDNUM = %2").arg(kind_.table, db::Quote(IdNum)));
    if (!row.eof())
        fillFrom(row);
    else if (dtpDate)
        dtpDate->setDate(app::ServerDate.date());
    txtPx->setText(PName);
    if (txtMinor && !kind_.ageTable.isEmpty())
        computeMinorAge();
}

QString ConsentForm::AgeStatement(const QString& idNum, const QString& consentTable, const QString& dateColumn)
{
    const QString patientJoin = idNum.endsWith(QLatin1Char('B'))
                                    ? QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbOUTpatient P ON P.IdNum = %1 ")
                                    : QStringLiteral("LEFT OUTER JOIN PATIENT_DATA..tbpatient P ON P.IdNum = %1 ");
    const QString join = patientJoin.arg(db::Quote(idNum));
    return QStringLiteral("IF EXISTS(SELECT TOP 1 1 FROM %1 WHERE IDnum = %2)").arg(consentTable, db::Quote(idNum))
           + QStringLiteral("BEGIN ")
           + QStringLiteral("SELECT  STATION.DBO.fn_LabComputeAge(convert(varchar(10),BirthDate,101),A.%1) AS Age ").arg(dateColumn)
           + QStringLiteral("FROM    PATIENT_DATA..tbmaster M ") + join
           + QStringLiteral("LEFT OUTER JOIN %1 A ON A.IDNUM = P.IDNUM ").arg(consentTable)
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

void ConsentForm::computeMinorAge()
{
    const db::Recordset age =
        app::SQLConnection()->open(AgeStatement(IdNum, kind_.ageTable, kind_.ageDateColumn));
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
    // A failing statement ends the button's work; the rows stay as the
    // server left them.
    try {
        switch (index) {
        case 0:
            save();
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
    } catch (const db::DbError& error) {
        qWarning("%s: %s", qPrintable(kind_.title), error.what());
    }
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
        shell::Notify(QString::fromUtf8(error.what()), shell::PromptIcon::Critical);
    }
}

void ConsentForm::save()
{
    if (!requiredFilled())
        return;
    if (IdNum.isEmpty())
        return;
    if (!shell::ValidateTransaction(kInvalidUserQuestion, 0, QString(), this))
        return;
    db::Connection& conn = *app::SQLConnection();
    conn.execute(QStringLiteral("DELETE %1 WHERE IDNum = %2").arg(kind_.table, db::Quote(IdNum)));
    conn.execute(insertStatement(app::ValidatedUserID));
    print();
}

void ConsentForm::print()
{
    shell::OpenAndShowReport(kind_.reportFile, reportValues(), kind_.title, false);
}

void ConsentForm::deleteRecord()
{
    if (!shell::Confirm(kind_.deleteQuestion))
        return;
    if (!shell::ValidateTransaction(kInvalidUserQuestion, 0, QString(), this) || app::ValidatedUserID.isEmpty())
        return;
    app::SQLConnection()->execute(QStringLiteral("DELETE %1 WHERE IDNum = %2").arg(kind_.table, db::Quote(IdNum)));
    shell::WriteStationLog(IdNum, kind_.deleteRemark, app::ValidatedUserID, QStringLiteral("OR"));
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
    return dtpDate ? dtpDate->date().toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

bool ConsentForm::Missing(const QString& message)
{
    shell::Notify(message);
    return false;
}

} // namespace nursing
