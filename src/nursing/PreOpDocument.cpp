#include "nursing/PreOpDocument.h"

#include "components/ComponentSet.h"
#include "components/clsCodeSearch.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "nursing/PackedText.h"
#include "nursing/UpperCaseTyping.h"
#include "shell/Globals.h"
#include "shell/Prompts.h"
#include "shell/ReportMenu.h"
#include "shell/SaveTransaction.h"
#include "shell/StartupHelpers.h"
#include "shell/UserValidation.h"
#include "shell/fields/ColumnLength.h"
#include "shell/fields/DateField.h"
#include "shell/fields/EditTracker.h"
#include "shell/fields/NumberField.h"
#include "shell/frmTransaction_UserValidation.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace nursing {

namespace {

constexpr int kDoctorListing = 1;

QString elementName(const char* array, int index)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(index);
}

// Options of an exclusive pair cannot be cleared one by one.
void setOption(QButtonGroup* group, QRadioButton* option, bool on)
{
    if (option->isChecked() == on)
        return;
    group->setExclusive(false);
    option->setChecked(on);
    group->setExclusive(true);
}

} // namespace

PreOpDocument::PreOpDocument(PreOpKind kind, QWidget* parent)
    : QWidget(parent)
    , kind_(std::move(kind))
    , tracker_(new shell::EditTracker(this))
    , upperCase_(new UpperCaseTyping(this))
{
    setObjectName(kind_.objectName);
    setWindowTitle(kind_.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
}

QLineEdit* PreOpDocument::newBox(const QString& objectName)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    return box;
}

void PreOpDocument::buildWindow()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 12, 14, 12);
    root->setSpacing(10);

    // The patient and the scheduled operation.
    auto* schedule = new QGroupBox(QStringLiteral("Patient and scheduled operation"), this);
    auto* grid = new QGridLayout(schedule);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < 4; ++i)
        txtPx[i] = newBox(elementName("txtPx", i));
    txtTimeSched = shell::NewOptionalTimeField(schedule, elementName("txtPx", 4));
    txtDateSched = shell::NewOptionalDateField(schedule, elementName("txtPx", 5));
    limitToColumn(txtPx[1], QStringLiteral("Surgeon"));
    limitToColumn(txtPx[2], QStringLiteral("Anesthesiologist"));
    txtPx[0]->setReadOnly(true);
    txtPx[3]->setReadOnly(true);
    QFont strong = txtPx[0]->font();
    strong.setBold(true);
    txtPx[0]->setFont(strong);
    cmdReqDoc = new QPushButton(QStringLiteral("..."), schedule);
    cmdReqDoc->setObjectName(QStringLiteral("cmdReqDoc"));
    cmdRedAnes = new QPushButton(QStringLiteral("..."), schedule);
    cmdRedAnes->setObjectName(QStringLiteral("cmdRedAnes"));
    for (QPushButton* lookUp : {cmdReqDoc, cmdRedAnes}) {
        lookUp->setToolTip(QStringLiteral("Look the doctor up"));
        lookUp->setFixedWidth(32);
    }
    txtOperation = newBox(QStringLiteral("txtOperation"));
    limitToColumn(txtOperation, QStringLiteral("Operation"));
    auto label = [schedule](const char* text) { return new QLabel(QLatin1String(text), schedule); };
    grid->addWidget(label("Patient:"), 0, 0);
    grid->addWidget(txtPx[0], 0, 1, 1, 2);
    grid->addWidget(label("Room:"), 0, 3);
    grid->addWidget(txtPx[3], 0, 4);
    grid->addWidget(label("Surgeon:"), 1, 0);
    grid->addWidget(txtPx[1], 1, 1);
    grid->addWidget(cmdReqDoc, 1, 2);
    grid->addWidget(label("Date scheduled:"), 1, 3);
    grid->addWidget(txtDateSched, 1, 4);
    grid->addWidget(label("Anesthesiologist:"), 2, 0);
    grid->addWidget(txtPx[2], 2, 1);
    grid->addWidget(cmdRedAnes, 2, 2);
    grid->addWidget(label("Time scheduled:"), 2, 3);
    grid->addWidget(txtTimeSched, 2, 4);
    grid->addWidget(label("Operation:"), 3, 0);
    grid->addWidget(txtOperation, 3, 1, 1, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 1);
    root->addWidget(schedule);

    // The form's own sections scroll under the schedule.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The sections follow the window's width; only the long lists scroll.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget(scroll);
    auto* body = new QVBoxLayout(page);
    body->setContentsMargins(0, 0, 6, 0);
    body->setSpacing(10);
    addSections(body);
    body->addStretch(1);
    scroll->setWidget(page);
    root->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    const QString captions[4] = {QStringLiteral("&Close"), QStringLiteral("&Save"), QStringLiteral("Save and &Print"),
                                 QStringLiteral("&Delete")};
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(elementName("Command1", i));
        Command1[i]->setMinimumWidth(110);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    buttons->addWidget(Command1[3]);
    buttons->addStretch(1);
    buttons->addWidget(Command1[1]);
    buttons->addWidget(Command1[2]);
    buttons->addSpacing(16);
    buttons->addWidget(Command1[0]);
    root->addLayout(buttons);

    connect(cmdReqDoc, &QPushButton::clicked, this, [this] { lookUpDoctor(txtPx[1]); });
    connect(cmdRedAnes, &QPushButton::clicked, this, [this] { lookUpDoctor(txtPx[2]); });
    upperCase_->watchAll(this);
    tracker_->watch(this);
    resize(900, 720);
}

void PreOpDocument::limitToColumn(QLineEdit* box, const QString& column)
{
    shell::LimitToColumn(box, kind_.table, column);
}

void PreOpDocument::limitPacked(const std::vector<QLineEdit*>& boxes, const QString& column)
{
    const int length = shell::ColumnLength(kind_.table, column);
    if (length <= 0 || length >= 8000 || boxes.empty())
        return;
    const int count = static_cast<int>(boxes.size());
    const int share = std::max(1, (length - count * static_cast<int>(PackedText::Separator.size())) / count);
    for (QLineEdit* box : boxes)
        box->setMaxLength(std::min(box->maxLength(), share));
}

QString PreOpDocument::timeSchedText() const
{
    return shell::TimeFieldText(txtTimeSched);
}

QString PreOpDocument::dateSchedText() const
{
    return shell::DateFieldText(txtDateSched);
}

QWidget* PreOpDocument::yesNoSection(const QString& title, const QStringList& items)
{
    auto* section = new QGroupBox(title, this);
    auto* grid = new QGridLayout(section);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(QStringLiteral("<b>Yes</b>"), section), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("<b>No</b>"), section), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("<b>Remarks</b>"), section), 0, 3);
    for (int k = 0; k < items.size(); ++k) {
        const int item = static_cast<int>(txtRemarks.size());
        auto* group = new QButtonGroup(section);
        auto* yes = new QRadioButton(section);
        auto* no = new QRadioButton(section);
        yes->setObjectName(elementName("optYesNo", 2 * item));
        no->setObjectName(elementName("optYesNo", 2 * item + 1));
        group->addButton(yes);
        group->addButton(no);
        optYesNo.push_back(yes);
        optYesNo.push_back(no);
        answers_.push_back(group);
        QLineEdit* remark = newBox(elementName("txtRemarks", item));
        txtRemarks.push_back(remark);
        grid->addWidget(new QLabel(QString::number(item + 1) + QStringLiteral(". ") + items[k], section), k + 1, 0);
        grid->addWidget(yes, k + 1, 1, Qt::AlignHCenter);
        grid->addWidget(no, k + 1, 2, Qt::AlignHCenter);
        grid->addWidget(remark, k + 1, 3);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(3, 2);
    return section;
}

QWidget* PreOpDocument::boxesSection(const QString& title, const char* arrayName, const QStringList& captions, int columns,
                                     std::vector<QLineEdit*>& boxes)
{
    auto* section = new QGroupBox(title, this);
    auto* grid = new QGridLayout(section);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < captions.size(); ++i) {
        QLineEdit* box = newBox(elementName(arrayName, static_cast<int>(boxes.size())));
        boxes.push_back(box);
        const int row = i / columns;
        const int column = (i % columns) * 2;
        grid->addWidget(new QLabel(captions[i] + QLatin1Char(':'), section), row, column);
        grid->addWidget(box, row, column + 1);
        grid->setColumnStretch(column + 1, 1);
    }
    return section;
}

// ---- packing ----------------------------------------------------------------------

QString PreOpDocument::packedOptions() const
{
    QStringList entries;
    for (const QRadioButton* option : optYesNo)
        entries << PackedText::Flag(option->isChecked(), QStringLiteral("Y"), QStringLiteral("N"));
    return PackedText::Pack(entries);
}

QString PreOpDocument::packed(const std::vector<QLineEdit*>& boxes)
{
    QStringList entries;
    for (const QLineEdit* box : boxes)
        entries << box->text();
    return PackedText::Pack(entries);
}

void PreOpDocument::unpackOptions(const QString& value)
{
    const QStringList entries = PackedText::Unpack(value, static_cast<int>(optYesNo.size()));
    for (std::size_t i = 0; i < optYesNo.size(); ++i)
        setOption(answers_[i / 2], optYesNo[i], entries[static_cast<int>(i)] == QLatin1String("Y"));
}

void PreOpDocument::unpack(const QString& value, const std::vector<QLineEdit*>& boxes)
{
    const QStringList entries = PackedText::Unpack(value, static_cast<int>(boxes.size()));
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(entries[static_cast<int>(i)]);
}

QVariantList PreOpDocument::optionMarks() const
{
    QVariantList marks;
    for (const QRadioButton* option : optYesNo)
        marks << (option->isChecked() ? QStringLiteral("X") : QString());
    return marks;
}

QVariantList PreOpDocument::texts(const std::vector<QLineEdit*>& boxes)
{
    QVariantList values;
    for (const QLineEdit* box : boxes)
        values << box->text();
    return values;
}

// ---- loading ------------------------------------------------------------------------

void PreOpDocument::clearForm()
{
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    shell::ClearField(txtTimeSched);
    shell::ClearField(txtDateSched);
    for (std::size_t i = 0; i < optYesNo.size(); ++i)
        setOption(answers_[i / 2], optYesNo[i], false);
}

void PreOpDocument::showSchedule(const QString& time, const QString& date)
{
    // A schedule stored before the boxes checked their input may not be a
    // real time or date: the box stays empty and the nurse is told what was kept.
    QStringList unreadable;
    if (!shell::SetTimeFieldText(txtTimeSched, time))
        unreadable << QStringLiteral("time scheduled \"") + time.trimmed() + QLatin1Char('"');
    if (!shell::SetDateFieldText(txtDateSched, date))
        unreadable << QStringLiteral("date scheduled \"") + date.trimmed() + QLatin1Char('"');
    if (!unreadable.isEmpty())
        shell::Notify(QStringLiteral("The stored ") + unreadable.join(QStringLiteral(" and ")) +
                          QStringLiteral(" cannot be read as a real time or date. Please enter it again."),
                      shell::PromptIcon::Exclamation);
}

void PreOpDocument::Form_Load()
{
    tracker_->pause();
    clearForm();
    txtPx[0]->setText(PName);
    txtPx[3]->setText(Room);
    QString time, date;
    loadFailed_ = !shell::SaveTransaction::Load([&](db::Connection& conn) {
        db::Recordset row = conn.open(kind_.loadStatement + db::Quote(IdNum));
        if (!row.eof()) {
            txtPx[1]->setText(row.text(QStringLiteral("Surgeon")));
            txtPx[2]->setText(row.text(QStringLiteral("Anesthesiologist")));
            time = row.text(QStringLiteral("TimeSched"));
            date = row.text(QStringLiteral("DateSched"));
            txtOperation->setText(row.text(QStringLiteral("Operation")));
            unpackOptions(row.text(QStringLiteral("YesNo")));
            unpack(row.text(QStringLiteral("Remarks")), txtRemarks);
            fillFrom(row);
        }
        afterLoad();
    });
    // What could not be read must not be replaced by empty boxes.
    for (int i = 1; i <= 3; ++i)
        Command1[i]->setEnabled(!loadFailed_);
    if (!loadFailed_)
        showSchedule(time, date);
    tracker_->resume();
    tracker_->markSaved();
}

bool PreOpDocument::hasUnsavedChanges() const
{
    return tracker_->modified();
}

bool PreOpDocument::saveUnsavedChanges()
{
    return save(false);
}

// ---- buttons ---------------------------------------------------------------------------

void PreOpDocument::Command1_Click(int index)
{
    switch (index) {
    case 0:
        close();
        break;
    case 1:
    case 2:
        save(index == 2);
        break;
    case 3:
        remove();
        break;
    }
}

bool PreOpDocument::allPackable() const
{
    for (const auto& [caption, box] : packedBoxes()) {
        if (!PackedText::IsPackable(box->text())) {
            shell::Notify(PackedText::UnpackableMessage(caption), shell::PromptIcon::Exclamation);
            const_cast<QLineEdit*>(box)->setFocus();
            return false;
        }
    }
    return true;
}

bool PreOpDocument::save(bool print)
{
    if (loadFailed_)
        return false; // the buttons are disabled; the window framework may still ask
    if (!allPackable() || !shell::CheckNumberFields(numberBoxes()))
        return false;
    const QStringList values = QStringList{IdNum} + savedValues();
    if (!shell::ValidateTransaction(kind_.saveQuestion, 0, QString(), this))
        return false;
    QStringList quoted;
    for (const QString& value : values + QStringList{app::ValidatedUserID})
        quoted << db::Quote(value);
    const QString call = kind_.procedure + QLatin1Char(' ') + quoted.join(QLatin1Char(','));
    if (!shell::SaveTransaction::Run([&](db::Connection& conn) { conn.execute(call); }))
        return false;
    tracker_->markSaved();
    if (!print) {
        shell::Prompts::current().message(kind_.savedMessage, kind_.savedTitle, shell::PromptIcon::Information);
        return true;
    }
    const QVariantList parameters = shell::SiteParameters() << IdNum << PName << Room << printedValues();
    shell::OpenAndShowReport(kind_.reportFile, parameters, kind_.reportTitle);
    return true;
}

void PreOpDocument::remove()
{
    if (loadFailed_ || !shell::Confirm(kind_.deleteQuestion))
        return;
    app::ValidatedUserID.clear();
    shell::frmTransaction_UserValidation validation(this);
    shell::Prompts::current().exec(validation);
    if (app::ValidatedUserID.isEmpty())
        return;
    // The removal and its station-log row are kept together or not at all.
    const bool deleted = shell::SaveTransaction::Run([&](db::Connection& conn) {
        conn.execute(QStringLiteral("DELETE ") + kind_.table + QStringLiteral(" WHERE IDNum = ") + db::Quote(IdNum));
        shell::WriteStationLog(IdNum, kind_.deleteRemark, app::ValidatedUserID, QStringLiteral("OR"));
    });
    if (!deleted)
        return;
    shell::Notify(kind_.deletedMessage);
    // Nothing is left to save: closing must not ask.
    tracker_->markSaved();
    close();
}

void PreOpDocument::lookUpDoctor(QLineEdit* box)
{
    components::clsCodeSearch* search = app::Components ? app::Components->CodeSearch() : nullptr;
    if (!search) {
        shell::Notify(QStringLiteral("The doctor look-up is not available."), shell::PromptIcon::Exclamation);
        return;
    }
    try {
        if (search->SearchListing(box->text().trimmed(), kDoctorListing)) {
            box->setText(search->DoctorRecord.LastName.trimmed() + QStringLiteral(", ") + search->DoctorRecord.FirstName.trimmed());
            tracker_->markModified();
        }
    } catch (const db::DbError& e) {
        shell::Prompts::current().message(e.message(), windowTitle(), shell::PromptIcon::Critical);
    }
}

} // namespace nursing
