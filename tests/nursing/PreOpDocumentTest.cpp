// Both pre-operative documents share one behaviour; each case runs on both.
#include "PreOpSupport.h"

#include "nursing/PackedText.h"
#include "nursing/frmNursePreopChecklist.h"
#include "nursing/frmPreAnesthetic.h"

#include "db/SqlText.h"
#include "shell/SaveTransaction.h"
#include "shell/fields/DateField.h"

#include <QApplication>
#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <QHash>

#include <functional>
#include <memory>

namespace {

using test::child;

struct Document {
    const char* name;
    std::function<nursing::PreOpDocument*()> open;
    QString table;
    int options;
    int remarks;
    QString saveQuestion; // as recorded: "title: text"
    QString saved;
    QString deleteQuestion;
    QString deleted;
    QString logRemark;
    QString reportTitle;
    QStringList columns;   // the table's columns, in order
    QString missingColumn; // left out of the older table
};

void PrintTo(const Document& document, std::ostream* out)
{
    *out << document.name;
}

const Document kChecklist{
    "Checklist",
    [] { return nursing::OpenPreopChecklistForSelectedPatient(); },
    QStringLiteral("STATION..tbNursePreOp"),
    40,
    22,
    QStringLiteral("Confirmation: Do you want to save Nurse Pre-Operative Checklist?\r\nEntered data will not be saved! "),
    QStringLiteral("Notification: Nurse Pre-Operative Checklist successfully saved."),
    QStringLiteral("Confirmation: Are you sure you want to delete Nurse's Pre-Operative Checklist record for this patient?"),
    QStringLiteral("Notification: Nurse's Pre-Operative Checklist record deleted."),
    QStringLiteral("DELETE NURSE PRE-OP"),
    QStringLiteral("Physician's Order Sheet"),
    {"IDNum", "Surgeon", "Anesthesiologist", "TimeSched", "DateSched", "Operation", "Spiritual", "ByWhom", "YesNo", "Remarks",
     "Medicine", "Dose", "Time", "Signs", "UserID", "TransDate"},
    QStringLiteral("Signs")};

const Document kEvaluation{
    "Evaluation",
    [] { return nursing::OpenPreAnestheticForSelectedPatient(); },
    QStringLiteral("STATION..tbNursePreAnesthetic"),
    68,
    34,
    QStringLiteral("Confirmation: Do you want to save Pre-Anesthetic evaluation record?\r\nEntered data will not be saved! "),
    QStringLiteral("Notificatioin: Pre-Anesthetic evaluation successfully saved."),
    QStringLiteral("Confirmation: Are you sure you want to delete Preanesthetic Evaluation record for this patient?"),
    QStringLiteral("Notification: Pre-Anesthetic evaluation record successfully deleted."),
    QStringLiteral("Deleted Preanesthetic Evaluation"),
    QStringLiteral("Pre-Anesthetic Evaluation"),
    {"IDNum", "Surgeon", "Anesthesiologist", "TimeSched", "DateSched", "Operation", "PreOperative", "YesNo", "Remarks",
     "OtherBoxes", "UserID", "TransDate"},
    QStringLiteral("OtherBoxes")};

class PreOpDocument : public test::NursingWindowFixture, public ::testing::WithParamInterface<Document> {
protected:
    void SetUp() override
    {
        NursingWindowFixture::SetUp();
        patient = patientWithout(doc().table);
        ASSERT_FALSE(patient.isEmpty());
        selectPatient(patient);
    }
    const Document& doc() const { return GetParam(); }

    std::unique_ptr<nursing::PreOpDocument> open()
    {
        std::unique_ptr<nursing::PreOpDocument> form(doc().open());
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        return form;
    }
    void click(nursing::PreOpDocument& form, int button)
    {
        child<QPushButton>(form, QStringLiteral("Command1_%1").arg(button))->click();
    }
    QString stored(const QString& column)
    {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE IDNum = '%3'").arg(column, doc().table, patient));
    }
    int rows() { return stored(QStringLiteral("COUNT(*)")).toInt(); }
    QRadioButton* option(nursing::PreOpDocument& form, int index)
    {
        return child<QRadioButton>(form, QStringLiteral("optYesNo_%1").arg(index));
    }
    QLineEdit* remark(nursing::PreOpDocument& form, int index)
    {
        return child<QLineEdit>(form, QStringLiteral("txtRemarks_%1").arg(index));
    }
    void signedSave(nursing::PreOpDocument& form, int button = 1)
    {
        signAs();
        click(form, button);
    }

    QString patient;
};

TEST_P(PreOpDocument, OpensOnlyOnASelectedPatient)
{
    app::IdNum.clear();
    EXPECT_EQ(doc().open(), nullptr);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: Please select patient.")});
}

TEST_P(PreOpDocument, AMissingRecordShowsThePatientAndEmptyBoxes)
{
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->txtPx[0]->text(), app::PatientName);
    EXPECT_EQ(form->txtPx[3]->text(), app::RoomID);
    EXPECT_FALSE(form->txtPx[3]->text().isEmpty());
    EXPECT_TRUE(form->txtPx[1]->text().isEmpty());
    EXPECT_TRUE(form->txtOperation->text().isEmpty());
    ASSERT_EQ(form->optYesNo.size(), static_cast<std::size_t>(doc().options));
    ASSERT_EQ(form->txtRemarks.size(), static_cast<std::size_t>(doc().remarks));
    for (QRadioButton* option : form->optYesNo)
        EXPECT_FALSE(option->isChecked()) << qPrintable(option->objectName());
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
}

TEST_P(PreOpDocument, NothingChosenSavesEveryOptionAsNo)
{
    auto form = open();
    ASSERT_TRUE(form);
    signedSave(*form);
    EXPECT_EQ(prompts.texts(), QStringList{doc().saved});
    EXPECT_EQ(stored(QStringLiteral("YesNo")), QStringLiteral(":;N").repeated(doc().options));
    EXPECT_EQ(stored(QStringLiteral("Remarks")), QStringLiteral(":;").repeated(doc().remarks));
    EXPECT_EQ(stored(QStringLiteral("UserID")), QStringLiteral("NURSE1"));
}

TEST_P(PreOpDocument, SavedTwiceKeepsOneRowWithTheSecondValuesAndReloadsThem)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->txtPx[1]->setText(QStringLiteral("REYES, ANA"));
    form->txtOperation->setText(QStringLiteral("APPENDECTOMY"));
    option(*form, 0)->setChecked(true);                    // first item: yes
    option(*form, doc().options - 1)->setChecked(true);    // last item: no
    remark(*form, 0)->setText(QStringLiteral("FIRST"));
    signedSave(*form);
    ASSERT_EQ(rows(), 1);
    conn().execute(QStringLiteral("UPDATE %1 SET TransDate = '01/01/2020' WHERE IDNum = '%2'").arg(doc().table, patient));

    form->txtPx[1]->setText(QStringLiteral("SANTOS, JOSE"));
    option(*form, 1)->setChecked(true); // the first item changed to no
    remark(*form, doc().remarks - 1)->setText(QStringLiteral("O'NEIL'S NOTE"));
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    click(*form, 1);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(stored(QStringLiteral("Surgeon")), QStringLiteral("SANTOS, JOSE"));
    EXPECT_EQ(stored(QStringLiteral("UserID")), QStringLiteral("CHARGE1"));
    EXPECT_NE(stored(QStringLiteral("CONVERT(varchar(10), TransDate, 101)")), QStringLiteral("01/01/2020"));
    const QStringList options = nursing::PackedText::Unpack(stored(QStringLiteral("YesNo")), doc().options);
    EXPECT_EQ(options.first(), QStringLiteral("N"));
    EXPECT_EQ(options.at(1), QStringLiteral("Y"));
    EXPECT_EQ(options.last(), QStringLiteral("Y"));
    EXPECT_EQ(options.count(QStringLiteral("Y")), 2);

    auto again = open();
    EXPECT_EQ(again->txtPx[1]->text(), QStringLiteral("SANTOS, JOSE"));
    EXPECT_EQ(again->txtOperation->text(), QStringLiteral("APPENDECTOMY"));
    EXPECT_FALSE(option(*again, 0)->isChecked());
    EXPECT_TRUE(option(*again, 1)->isChecked());
    EXPECT_TRUE(option(*again, doc().options - 1)->isChecked());
    EXPECT_FALSE(option(*again, doc().options - 2)->isChecked());
    EXPECT_EQ(remark(*again, 0)->text(), QStringLiteral("FIRST"));
    EXPECT_EQ(remark(*again, doc().remarks - 1)->text(), QStringLiteral("O'NEIL'S NOTE"));
}

TEST_P(PreOpDocument, AShortStoredValueFillsTheFirstControlsOnly)
{
    conn().execute(QStringLiteral("INSERT INTO %1 (IDNum, Surgeon, YesNo, Remarks) VALUES ('%2', 'CRUZ, BEN', ':;N:;Y:;Y', ':;ONE:;TWO')")
                       .arg(doc().table, patient));
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->txtPx[1]->text(), QStringLiteral("CRUZ, BEN"));
    EXPECT_FALSE(option(*form, 0)->isChecked());
    EXPECT_TRUE(option(*form, 1)->isChecked());
    EXPECT_TRUE(option(*form, 2)->isChecked());
    for (int i = 3; i < doc().options; ++i)
        EXPECT_FALSE(option(*form, i)->isChecked()) << i;
    EXPECT_EQ(remark(*form, 0)->text(), QStringLiteral("ONE"));
    EXPECT_EQ(remark(*form, 1)->text(), QStringLiteral("TWO"));
    for (int i = 2; i < doc().remarks; ++i)
        EXPECT_TRUE(remark(*form, i)->text().isEmpty()) << i;
}

TEST_P(PreOpDocument, TextHoldingASeparatorIsRefusedBeforeSigning)
{
    auto form = open();
    ASSERT_TRUE(form);
    for (const QString& text : {QStringLiteral("BP:;HIGH"), QStringLiteral("ABOUT ~ 2 HRS")}) {
        prompts.clear();
        remark(*form, 0)->setText(text);
        click(*form, 1);
        EXPECT_EQ(prompts.texts(),
                  QStringList{QStringLiteral("Notification: ") + nursing::PackedText::UnpackableMessage(QStringLiteral("The remark of item 1"))});
        EXPECT_EQ(rows(), 0);
    }
    // Colons and semicolons on their own are ordinary text.
    remark(*form, 0)->setText(QStringLiteral("BP: 120/80; HR 80"));
    prompts.clear();
    signedSave(*form);
    EXPECT_EQ(prompts.texts(), QStringList{doc().saved});
    EXPECT_EQ(nursing::PackedText::Unpack(stored(QStringLiteral("Remarks")), 1).first(), QStringLiteral("BP: 120/80; HR 80"));
}

TEST_P(PreOpDocument, UnsignedNoSavesAndPrintsNothingWhileYesAsksAgain)
{
    auto form = open();
    ASSERT_TRUE(form);
    leaveUnsigned();
    prompts.answer(false);
    click(*form, 2);
    EXPECT_EQ(prompts.texts(), QStringList{doc().saveQuestion});
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(viewed.empty());

    prompts.clear();
    leaveUnsigned();
    prompts.answer(true);
    signAs();
    click(*form, 2);
    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(prompts.texts(), QStringList{doc().saveQuestion}) << "printing replaces the saved message";
    EXPECT_EQ(rows(), 1);
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_EQ(viewed[0].title, doc().reportTitle);
    reports::Report& report = *viewed[0].report;
    auto parameter = [&](const char* name) {
        const int index = report.parameterIndex(QLatin1String(name));
        EXPECT_GE(index, 0) << name;
        return index < 0 ? QString() : report.parameters().at(index).value.toString();
    };
    EXPECT_EQ(parameter("IdNum"), patient);
    EXPECT_EQ(parameter("PatientName"), app::PatientName);
    EXPECT_EQ(parameter("Room"), app::RoomID);
    EXPECT_EQ(report.parameterCount(), 5 + (doc().options == 40 ? 7 + 40 + 22 + 4 * 3 + 5 : 12 + 68 + 34 + 9));
    EXPECT_GT(report.pageCount(), 0);
}

TEST_P(PreOpDocument, DeleteAsksValidatesLogsAndCloses)
{
    auto form = open();
    ASSERT_TRUE(form);
    signedSave(*form);
    prompts.clear();
    const auto logs = [&] {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = '%1' AND Remarks = '%2' "
                                     "AND StationID = 'OR' AND UserID = 'CHARGE1'")
                          .arg(patient, doc().logRemark))
            .toInt();
    };

    prompts.answer(false);
    click(*form, 3);
    EXPECT_EQ(prompts.texts(), QStringList{doc().deleteQuestion});
    prompts.answer(true);
    leaveUnsigned();
    click(*form, 3);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(logs(), 0);
    EXPECT_TRUE(prompts.allUsed());

    form->show();
    prompts.clear();
    prompts.answer(true);
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    click(*form, 3);
    EXPECT_EQ(prompts.texts(), (QStringList{doc().deleteQuestion, doc().deleted}));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(logs(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_P(PreOpDocument, TypedLettersBecomeCapitals)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->txtOperation->setFocus();
    for (const QChar c : QStringLiteral("ca 2")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(form->txtOperation, &press);
    }
    EXPECT_EQ(form->txtOperation->text(), QStringLiteral("CA 2"));
}

// ---- the one save path ------------------------------------------------------------

// The document's table as an older server keeps it, without one column: the
// procedure's delete runs, its insert fails on the missing column.
QString olderTableOf(const Document& doc)
{
    static const QHash<QString, QString> types = {
        {"IDNum", "varchar(15) NOT NULL"},      {"Surgeon", "varchar(100) NULL"},    {"Anesthesiologist", "varchar(100) NULL"},
        {"TimeSched", "varchar(30) NULL"},      {"DateSched", "varchar(30) NULL"},   {"Operation", "varchar(255) NULL"},
        {"Spiritual", "varchar(255) NULL"},     {"ByWhom", "varchar(100) NULL"},     {"YesNo", "varchar(500) NULL"},
        {"Remarks", "text NULL"},               {"Medicine", "varchar(1000) NULL"},  {"Dose", "varchar(500) NULL"},
        {"Time", "varchar(500) NULL"},          {"Signs", "varchar(500) NULL"},      {"PreOperative", "varchar(1000) NULL"},
        {"OtherBoxes", "varchar(500) NULL"},    {"UserID", "varchar(20) NULL"},      {"TransDate", "datetime NULL"}};
    QStringList columns;
    for (const QString& column : doc.columns)
        if (column != doc.missingColumn)
            columns << column + QLatin1Char(' ') + types.value(column);
    return QStringLiteral("CREATE TABLE ") + doc.table + QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
           QStringLiteral(", PRIMARY KEY (IDNum))");
}

TEST_P(PreOpDocument, AFailedSaveKeepsTheStoredRecordTellsOnceAndKeepsTheTyping)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    form->txtPx[1]->setText(QStringLiteral("REYES, ANA"));
    signedSave(*form);
    ASSERT_EQ(rows(), 1);

    QStringList kept = doc().columns;
    kept.removeAll(doc().missingColumn);
    rebuildTable(doc().table, olderTableOf(doc()), kept);
    prompts.clear();
    form->txtPx[1]->clear();
    QTest::keyClicks(form->txtPx[1], QStringLiteral("santos, jose"));
    QTest::keyClicks(remark(*form, 0), QStringLiteral("typed before the failure"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    signedSave(*form);

    ASSERT_EQ(prompts.texts().size(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_TRUE(prompts.texts().first().startsWith(QStringLiteral("Notification: "))) << qPrintable(prompts.texts().first());
    EXPECT_TRUE(prompts.texts().first().contains(doc().missingColumn)) << "the server's own words";
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(rows(), 1) << "the procedure's delete was rolled back with its failed insert";
    EXPECT_EQ(stored(QStringLiteral("Surgeon")), QStringLiteral("REYES, ANA"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->txtPx[1]->text(), QStringLiteral("SANTOS, JOSE"));
    EXPECT_EQ(remark(*form, 0)->text(), QStringLiteral("TYPED BEFORE THE FAILURE"));
    EXPECT_TRUE(form->hasUnsavedChanges());
}

TEST_P(PreOpDocument, ADeleteWhoseLogCannotBeWrittenKeepsTheRecord)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    signedSave(*form);
    conn().execute(QStringLiteral("DROP TABLE STATION..tbStationLogs"));
    prompts.clear();
    prompts.answer(true);
    signAs();
    click(*form, 3);
    ASSERT_EQ(prompts.texts().size(), 2) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.texts().first(), doc().deleteQuestion);
    EXPECT_TRUE(prompts.texts().last().contains(QStringLiteral("tbStationLogs"))) << qPrintable(prompts.texts().last());
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_EQ(rows(), 1) << "a removal is never kept without its log row";
    EXPECT_TRUE(form->isVisible());
}

TEST_P(PreOpDocument, ARecordThatCouldNotBeReadCannotBeSavedOver)
{
    conn().execute(QStringLiteral("DROP TABLE ") + doc().table);
    auto form = open();
    ASSERT_TRUE(form);
    ASSERT_EQ(prompts.texts().size(), 1) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(form->LoadFailed());
    for (int button : {1, 2, 3})
        EXPECT_FALSE(child<QPushButton>(*form, QStringLiteral("Command1_%1").arg(button))->isEnabled()) << button;
    prompts.clear();
    QTest::keyClicks(form->txtOperation, QStringLiteral("x"));
    EXPECT_FALSE(form->saveUnsavedChanges()) << "the window framework's Save must not write defaults either";
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_P(PreOpDocument, TheScheduleTakesOnlyRealDatesAndTimes)
{
    auto form = open();
    ASSERT_TRUE(form);
    form->show();
    QDateEdit* date = child<QDateEdit>(*form, QStringLiteral("txtPx_5"));
    QTimeEdit* time = child<QTimeEdit>(*form, QStringLiteral("txtPx_4"));
    const auto typeOver = [](QAbstractSpinBox* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
        QTest::keyClick(box, Qt::Key_Tab);
    };
    typeOver(date, "13/45/2026");
    typeOver(time, "25:99");
    signedSave(*form);
    EXPECT_EQ(stored(QStringLiteral("DateSched")), QString()) << "nothing impossible is stored";
    EXPECT_EQ(stored(QStringLiteral("TimeSched")), QString());

    typeOver(date, "12052026");
    typeOver(time, "0830");
    signedSave(*form);
    EXPECT_EQ(stored(QStringLiteral("DateSched")), QStringLiteral("12/05/2026"));
    EXPECT_EQ(stored(QStringLiteral("TimeSched")), QStringLiteral("08:30:00 AM"));
    auto again = open();
    EXPECT_EQ(again->txtDateSched->date(), QDate(2026, 12, 5));
    EXPECT_EQ(again->txtTimeSched->time(), QTime(8, 30));

    // A schedule stored before the boxes checked their input is named, not printed.
    conn().execute(QStringLiteral("UPDATE ") + doc().table + QStringLiteral(" SET DateSched = '13/45/2026', TimeSched = '25:99' "
                                                                            "WHERE IDNum = ") + db::Quote(patient));
    prompts.clear();
    auto old = open();
    EXPECT_EQ(prompts.texts(),
              QStringList{QStringLiteral("Notification: The stored time scheduled \"25:99\" and date scheduled \"13/45/2026\" "
                                         "cannot be read as a real time or date. Please enter it again.")});
    EXPECT_TRUE(shell::FieldIsEmpty(old->txtDateSched));
    EXPECT_TRUE(shell::FieldIsEmpty(old->txtTimeSched));
}

TEST_P(PreOpDocument, EveryBoxFitsItsColumnEvenWhenFilledToTheBrim)
{
    auto form = open();
    ASSERT_TRUE(form);
    for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
        if (box->isReadOnly() || box->validator() || qobject_cast<QAbstractSpinBox*>(box->parentWidget()))
            continue; // number boxes and the date and time boxes have their own rules
        // Remarks are kept as unlimited text; every other box has its column's length.
        if (!box->objectName().startsWith(QStringLiteral("txtRemarks")))
            EXPECT_LT(box->maxLength(), 32767) << qPrintable(box->objectName()) << " has no limit";
        box->setText(QString(box->maxLength() < 32767 ? box->maxLength() : 300, QLatin1Char('W')));
    }
    signedSave(*form);
    ASSERT_EQ(prompts.texts(), QStringList{doc().saved});
    for (const QString& column : doc().columns) {
        const int declared = scalar(QStringLiteral("SELECT COL_LENGTH(") + db::Quote(doc().table) + QLatin1Char(',') + db::Quote(column) +
                                    QStringLiteral(")")).toInt();
        if (column == QLatin1String("Remarks") || column == QLatin1String("TransDate"))
            continue; // unlimited text, and a date-time
        EXPECT_LE(stored(QStringLiteral("LEN(") + column + QLatin1Char(')')).toInt(), declared) << qPrintable(column);
    }
}

TEST_P(PreOpDocument, TypingMarksTheDocumentUnsavedUntilItIsSaved)
{
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->hasUnsavedChanges()) << "a freshly loaded document holds nothing new";
    EXPECT_EQ(form->unsavedWorkTitle(), form->windowTitle());
    QTest::keyClicks(form->txtOperation, QStringLiteral("cholecystectomy"));
    EXPECT_TRUE(form->hasUnsavedChanges());
    signAs();
    EXPECT_TRUE(form->saveUnsavedChanges());
    EXPECT_EQ(prompts.texts(), QStringList{doc().saved});
    EXPECT_EQ(stored(QStringLiteral("Operation")), QStringLiteral("CHOLECYSTECTOMY"));
    EXPECT_FALSE(form->hasUnsavedChanges());

    option(*form, 2)->click();
    EXPECT_TRUE(form->hasUnsavedChanges()) << "an answer chosen is typing too";
    leaveUnsigned();
    prompts.answer(false);
    EXPECT_FALSE(form->saveUnsavedChanges()) << "not signed: nothing was saved";
    EXPECT_TRUE(form->hasUnsavedChanges());

    auto again = open();
    EXPECT_FALSE(again->hasUnsavedChanges()) << "loading a stored record is not typing";
}

INSTANTIATE_TEST_SUITE_P(Both, PreOpDocument, ::testing::Values(kChecklist, kEvaluation),
                         [](const ::testing::TestParamInfo<Document>& info) { return std::string(info.param.name); });

} // namespace
