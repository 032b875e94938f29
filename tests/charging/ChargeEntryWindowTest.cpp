// "Post Charges" driven as a nurse drives it: cells typed into the floating
// box and confirmed with Enter, questions and dialogs answered by the script.
// Each refusal leaves the grid as it was; a full save posts every line once
// and clears the grid.
#include "ChargingSupport.h"
#include "app_support/AppFixture.h"

#include "charging/ChargePricing.h"
#include "charging/frmCdfViewing.h"
#include "charging/frmCharge.h"
#include "charging/frmListPackage.h"
#include "charging/frmMarkUp.h"
#include "components/ComponentSet.h"
#include "components/clsListDrugs.h"
#include "components/frmCodeSearch.h"
#include "db/routines/RatesAndClasses.h"
#include "settings/HospitalInfo.h"
#include "shell/ChildWindows.h"
#include "shell/Globals.h"
#include "shell/mdiORMenu.h"
#include "shell/fields/ColumnLength.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

using charging::frmCharge;

const QString kAdmission = QStringLiteral("1000158");

class ChargeEntryWindowTest : public test::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        shell::ForgetColumnLengths();
        connectComponents();
        loadSettings();
        // The hospital's own questions are switched on by the cases that need them.
        app::Hospital() = settings::HospitalInfo();
        app::Nursing() = settings::NursingSettings();
        app::HolidayToday = false;
        run(QStringLiteral("UPDATE STATION..tbNursing_Settings SET ORDRMealDoctors = 0"));
        run(QStringLiteral("DELETE FROM STATION..tbNurseDepartmentClearance WHERE IdNum = ") + db::Quote(kAdmission));
        run(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = ") + db::Quote(kAdmission));
        run(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL WHERE IDNUM = ") + db::Quote(kAdmission));
        db::Recordset rs = conn().open(QStringLiteral("SELECT P.HospNum, P.RoomID, M.Lastname + ', ' + M.Firstname AS PName "
                                                      "FROM PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbmaster M "
                                                      "ON M.HospNum = P.HospNum WHERE P.IDNUM = ")
                                       + db::Quote(kAdmission));
        ASSERT_FALSE(rs.eof());
        app::IdNum = kAdmission;
        app::HospNum = rs.text(QStringLiteral("HospNum"));
        app::RoomID = rs.text(QStringLiteral("RoomID"));
        app::PatientName = rs.text(QStringLiteral("PName"));
        app::PatientType = QStringLiteral("I");
        procedure = scalar(QStringLiteral("SELECT TOP 1 OtherRevenueID FROM BUILD_FILE..TbCoOtherRevenue "
                                          "WHERE OtherSectionID = 'OR' AND RateA > 0 ORDER BY OtherRevenueID"));
        ASSERT_FALSE(procedure.isEmpty());
        rateClass = routines::GetPatientRateType(kAdmission);
        price = charging::MoneyText(*db::Decimal::parse(
            scalar(QStringLiteral("SELECT Rate%1 FROM BUILD_FILE..TbCoOtherRevenue WHERE OtherSectionID = 'OR' AND "
                                  "OtherRevenueID = %2")
                       .arg(rateClass, db::Quote(procedure)))));
    }


    std::unique_ptr<frmCharge> open()
    {
        std::unique_ptr<frmCharge> form(charging::OpenChargeForSelectedPatient());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        return form;
    }

    // Types into a cell and presses Enter, as the nurse does.
    void enter(frmCharge& form, int row, int column, const QString& text)
    {
        form.editCell(row, column);
        ASSERT_TRUE(form.txtEntry->isVisible()) << "cell " << row << "," << column << " takes no typing";
        form.txtEntry->setText(text);
        QTest::keyClick(form.txtEntry, Qt::Key_Return);
    }
    QString cell(frmCharge& form, int row, int column)
    {
        const QTableWidgetItem* item = form.mshflexEntry->item(row, column);
        return item ? item->text() : QString();
    }
    int billRows() { return scalar(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ") + db::Quote(kAdmission)).toInt(); }
    QString counter() { return scalar(QStringLiteral("SELECT Chargeslip FROM STATION..tbORChargeSlip")); }

    // A procedure line on row 0 with quantity `quantity`.
    void enterProcedure(frmCharge& form, const QString& quantity = QStringLiteral("1"))
    {
        enter(form, 0, frmCharge::ColDept, QStringLiteral("OR"));
        enter(form, 0, frmCharge::ColItem, procedure);
        enter(form, 0, frmCharge::ColQuantity, quantity);
    }

    QString procedure, rateClass, price;
};

TEST_F(ChargeEntryWindowTest, AProcedureIsPricedForThePatientsClassAndPostedOnceUnderOneSlip)
{
    auto form = open();
    EXPECT_EQ(form->txtId->text(), kAdmission);
    enterProcedure(*form, QStringLiteral("2"));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColItem), procedure);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), price);
    const db::Decimal twice = charging::LineAmount(db::Decimal::fromInteger(2), *db::Decimal::parse(price));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColAmount), charging::MoneyText(twice));
    EXPECT_EQ(form->lblTotal->text(), QStringLiteral("Total: Php ") + charging::GroupedMoneyText(twice));
    EXPECT_EQ(form->mshflexEntry->rowCount(), 2) << "a trailing empty row is always there";
    EXPECT_TRUE(form->hasUnsavedChanges());

    const int before = billRows();
    const QString slipBefore = counter();
    QString slip;
    QObject::connect(form.get(), &frmCharge::posted, [&](const QString& s) { slip = s; });
    prompts.answer(true);
    signAs();
    form->Command1[0]->click();

    ASSERT_FALSE(slip.isEmpty()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(billRows(), before + 1);
    EXPECT_EQ(test::RowsOf(conn(), test::kInBill, slip, procedure), 1);
    EXPECT_EQ(counter().toLongLong(), slipBefore.toLongLong() + 1);
    // The question showed what was about to be posted.
    const QString question = prompts.texts().filter(QStringLiteral("Do you want to proceed in saving these charges?")).value(0);
    EXPECT_TRUE(question.contains(QStringLiteral("Charge slip: ") + slip)) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("Total: Php ") + charging::GroupedMoneyText(twice)));
    // The grid is empty again and the posted list shows the new line with what stands of it.
    EXPECT_FALSE(form->hasUnsavedChanges());
    EXPECT_EQ(form->mshflexEntry->rowCount(), 1);
    bool listed = false;
    for (const charging::PostedCharge& line : form->postedList->lines())
        if (line.slip == slip && line.itemId == procedure) {
            listed = true;
            EXPECT_EQ(line.standingAmount, twice);
        }
    EXPECT_TRUE(listed);
    EXPECT_TRUE(form->postedList->lblGross->text().startsWith(QStringLiteral("Gross Amount: Php ")));
}

TEST_F(ChargeEntryWindowTest, EveryRefusalLeavesTheGridAsItWas)
{
    auto form = open();
    // Nothing to save.
    form->Command1[0]->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't save a blank data. Please enter charges first."));

    enter(*form, 0, frmCharge::ColDept, QStringLiteral("ZZ"));
    EXPECT_EQ(prompts.last().text,
              QStringLiteral("Department code does not exist. Please refer to the list of department codes."));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColDept).isEmpty());

    enterProcedure(*form);
    enter(*form, 0, frmCharge::ColQuantity, QStringLiteral("0"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Quantity should be greater than zero(0)."));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColQuantity), QStringLiteral("1"));

    // The same service twice.
    enter(*form, 1, frmCharge::ColDept, QStringLiteral("OR"));
    enter(*form, 1, frmCharge::ColItem, procedure);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't charge the same service."));
    EXPECT_TRUE(cell(*form, 1, frmCharge::ColItem).isEmpty());
    // An operating-room item without a price.
    enter(*form, 1, frmCharge::ColItem, QStringLiteral("R099"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\n"
                                                  "Please contact EDP for further assistance."));
    EXPECT_EQ(prompts.last().icon, shell::PromptIcon::Critical);
    EXPECT_TRUE(cell(*form, 1, frmCharge::ColItem).isEmpty());

    const int before = billRows();
    const QString slipBefore = counter();
    // The nurse declines the confirmation, then signs nobody and gives up.
    prompts.answer(false);
    form->Command1[0]->click();
    prompts.onDialog([](QDialog& d) { d.reject(); });
    prompts.answer(true);
    prompts.answer(false);
    form->Command1[0]->click();
    EXPECT_EQ(prompts.last().text, charging::kNotSavedQuestion);

    // A stay the operating room has cleared takes no charges.
    run(QStringLiteral("INSERT INTO STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode, ClearDate) VALUES (%1, 'OR', GETDATE())")
            .arg(db::Quote(kAdmission)));
    form->Command1[0]->click();
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("Patient is already cleared by (OR Department). ")))
        << prompts.last().text.toStdString();

    EXPECT_TRUE(prompts.allUsed());
    EXPECT_EQ(billRows(), before);
    EXPECT_EQ(counter(), slipBefore) << "a cancelled posting draws no number";
    EXPECT_EQ(cell(*form, 0, frmCharge::ColItem), procedure);
    EXPECT_TRUE(form->hasUnsavedChanges());
}

TEST_F(ChargeEntryWindowTest, AFailedPostingIsReportedOnceAndKeepsTheGridForAnotherTry)
{
    auto form = open();
    enterProcedure(*form);
    // The bill refuses a second row with the same description.
    run(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill"));
    const QString description = form->rows().at(0).line.description;
    run(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RefNum, ItemID, Description) VALUES ('X', 'X', 'X', %1)")
            .arg(db::Quote(description)));
    run(QStringLiteral("CREATE UNIQUE INDEX UX_TestDescription ON BILLING..tbBillDailyBill (Description)"));
    prompts.answer(true);
    signAs();
    form->Command1[0]->click();
    run(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE IDNum = 'X'"));
    EXPECT_EQ(prompts.criticalCount(), 1);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColItem), procedure);
    EXPECT_TRUE(form->Command1[0]->isEnabled());

    prompts.answer(true);
    signAs();
    form->Command1[0]->click();
    EXPECT_EQ(billRows(), 1) << "posted once, on the second try";
    EXPECT_FALSE(form->hasUnsavedChanges());
}

TEST_F(ChargeEntryWindowTest, ChangingTheDepartmentOfAFilledRowAsksFirst)
{
    auto form = open();
    enterProcedure(*form);
    const QString description = cell(*form, 0, frmCharge::ColDescription);
    prompts.answer(false);
    enter(*form, 0, frmCharge::ColDept, QStringLiteral("OX"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("This will remove ") + description
                                       + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColDept), QStringLiteral("OR"));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColItem), procedure);

    prompts.answer(true);
    enter(*form, 0, frmCharge::ColDept, QStringLiteral("OX"));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColDept), QStringLiteral("OX"));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColItem).isEmpty());
    EXPECT_FALSE(form->hasUnsavedChanges());
}

TEST_F(ChargeEntryWindowTest, ProcedureMarkUpsAndTheSecondOperationDiscount)
{
    run(QStringLiteral("INSERT INTO STATION..tbORMarkUp (MarkupID, Description, MarkUp, Operation, Status) "
                       "VALUES ('90', 'A QUARTER MORE', 0.25, '*', 'A')"));
    run(QStringLiteral("UPDATE STATION..tbORMarkUp SET Status = 'I' WHERE MarkupID <> '90'"));
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'UseNewORMarkUp'"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('UseNewORMarkUp', '1')"));
    programSettings->LoadParameters();
    app::Hospital().IsShowMarkUp = true;
    app::Nursing().SecProcPercentDiscount = 50;
    run(QStringLiteral("DELETE FROM STATION..TBNURSELOGBOOK WHERE IDNUM = ") + db::Quote(kAdmission));

    auto form = open();
    prompts.onDialog([](QDialog& d) {
        auto& picker = static_cast<charging::frmMarkUp&>(d);
        picker.chkMarkup->setChecked(true);
        picker.mshFlexMarkUp->selectRow(0);
        picker.cmdOption[0]->click();
    });
    prompts.answer(true); // a second operation
    enterProcedure(*form);
    const db::Decimal base = *db::Decimal::parse(price);
    const db::Decimal expected =
        charging::SecondOperationPrice(charging::ApplyMarkUp(base, {*db::Decimal::parse(QStringLiteral("0.25")),
                                                                    charging::MarkUpChoice::Operation::Multiply},
                                                             true)
                                           .unitPrice,
                                       50);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), charging::MoneyText(expected));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColDescription).contains(QStringLiteral("(25%)")));
    ASSERT_EQ(form->rows().size(), 2);
    EXPECT_TRUE(form->rows().at(0).line.secondOperation);
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChargeEntryWindowTest, AfterHoursMarkUpFollowsTheClockOrTheNursesAnswer)
{
    app::Nursing().AllowAfterTimeRate = true;
    app::Nursing().ORAfterTime = QStringLiteral("00:00");
    app::Nursing().AfterTimeStatHours = 24;
    app::Nursing().ORAfterTimeRate = 30;
    {
        auto form = open();
        enterProcedure(*form);
        EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), charging::MoneyText(charging::AfterHoursPrice(*db::Decimal::parse(price), 30)));
    }
    app::Nursing().AfterTimeStatHours = 25;
    {
        auto form = open();
        enterProcedure(*form);
        EXPECT_TRUE(prompts.texts().contains(QStringLiteral("Notification: ") + charging::kStatMisconfigured));
        EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), price);
    }
    app::Hospital().isstat = true;
    {
        auto form = open();
        prompts.answer(false);
        enterProcedure(*form);
        EXPECT_EQ(prompts.texts().filter(charging::kAskStat).size(), 1);
        EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), price);
    }
}

TEST_F(ChargeEntryWindowTest, AnEditedPriceNeverGoesBelowTheRulesPriceAndTheAmountNeverBelowItsLines)
{
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field IN ('EditORAmount', 'ORSupervisorEditAmountPostCharge')"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('EditORAmount', '1')"));
    programSettings->LoadParameters();
    ASSERT_TRUE(programSettings->EditORAmount());
    ASSERT_FALSE(programSettings->SupervisorEditAmountPostCharge());
    auto form = open();
    enterProcedure(*form);
    const db::Decimal base = *db::Decimal::parse(price);
    const db::Decimal lower = *db::Decimal::subtract(base, *db::Decimal::parse(QStringLiteral("0.01")));
    const db::Decimal higher = *db::Decimal::add(base, *db::Decimal::parse(QStringLiteral("100")));

    enter(*form, 0, frmCharge::ColUnitPrice, lower.toString());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Unit Price should be >= ") + price);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), price);

    enter(*form, 0, frmCharge::ColQuantity, QStringLiteral("2"));
    enter(*form, 0, frmCharge::ColUnitPrice, higher.toString());
    const db::Decimal amount = charging::LineAmount(db::Decimal::fromInteger(2), higher);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColAmount), charging::MoneyText(amount));
    EXPECT_TRUE(form->rows().at(0).line.priceSupervisorId.isEmpty()) << "the operating room edits its own prices freely";

    enter(*form, 0, frmCharge::ColAmount, charging::MoneyText(*db::Decimal::subtract(amount, *db::Decimal::parse(QStringLiteral("0.01")))));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Total Amount should be greater than or equal to QTY * Unit Price."));
    EXPECT_EQ(cell(*form, 0, frmCharge::ColAmount), charging::MoneyText(amount));

    // Oxygen is no operating-room line: its price is the rules' own.
    enter(*form, 1, frmCharge::ColDept, QStringLiteral("OX"));
    form->editCell(1, frmCharge::ColUnitPrice);
    EXPECT_FALSE(form->txtEntry->isVisible());
}

// The close question over lines not posted is the window framework's (its
// own test); that typed lines count as unsaved is pinned with the refusals.
TEST_F(ChargeEntryWindowTest, OpensOncePerPatientInTheMainWindowAndEachPostingMovesTheBadge)
{
    shell::mdiORMenu window;
    window.show();
    charging::frmCharge* first = charging::OpenChargeForSelectedPatient();
    ASSERT_NE(shell::ChildWindows::frameOf(first), nullptr) << "opened as a child window";
    charging::OpenChargeForSelectedPatient();
    EXPECT_EQ(window.children->formsOf<charging::frmCharge>().size(), 1) << "one per patient";
    run(QStringLiteral("UPDATE STATION..tbORChargeSlip SET Chargeslip = 4711"));
    emit window.children->formsOf<charging::frmCharge>().first()->posted(QStringLiteral("C4710O"));
    EXPECT_EQ(window.lblCS[1]->text(), QStringLiteral("4711"));
}

TEST_F(ChargeEntryWindowTest, RevokingTicksAndReprintingNeedAChoice)
{
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'MultiCancel'"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('MultiCancel', '1')"));
    programSettings->LoadParameters();
    auto form = open();
    form->revokeChosen(0);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select items to revoke."));
    // Without ticks, the Revoke button needs a chosen line: a refusal before
    // leaves none chosen, and the button must say so rather than do nothing.
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'MultiCancel'"));
    programSettings->LoadParameters();
    const int told = prompts.texts().size();
    form->revokeChosen(-1);
    ASSERT_EQ(prompts.texts().size(), told + 1);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select items to revoke."));
    form->postedList->MSHFlexList->setCurrentCell(-1, -1);
    form->cmdOption->click();
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select a charge slip from the list of posted charges."));
}

TEST_F(ChargeEntryWindowTest, ASupplyIsPostedThroughTheStockCardAndRevokedFromThePostedList)
{
    const QString location = scalar(QStringLiteral("SELECT LocationID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'CS'"));
    const QString item = test::StockedItems(conn(), location, 1).value(0);
    ASSERT_FALSE(item.isEmpty());
    const db::Decimal before = test::OnHand(conn(), item, location);
    auto form = open();
    enter(*form, 0, frmCharge::ColDept, QStringLiteral("CS"));
    enter(*form, 0, frmCharge::ColItem, QStringLiteral("NO-SUCH-ITEM"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Item code does not exist."));
    enter(*form, 0, frmCharge::ColItem, item);
    ASSERT_EQ(cell(*form, 0, frmCharge::ColItem), item);
    EXPECT_EQ(form->rows().at(0).line.location, location);
    enter(*form, 0, frmCharge::ColQuantity, QStringLiteral("2"));
    enter(*form, 1, frmCharge::ColDept, QStringLiteral("CS"));
    enter(*form, 1, frmCharge::ColItem, item);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't charge the same Medicine/Supply."));

    QString slip;
    QObject::connect(form.get(), &frmCharge::posted, [&](const QString& s) { slip = s; });
    prompts.answer(true);
    signAs();
    prompts.onDialog([](QDialog& d) { d.reject(); }); // no requesting doctor
    form->Command1[0]->click();
    ASSERT_FALSE(slip.isEmpty()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(test::RowsOf(conn(), QStringLiteral("INVENTORY..tbInvStockcard"), slip, item), 1);
    EXPECT_EQ(test::OnHand(conn(), item, location), *db::Decimal::subtract(before, db::Decimal::fromInteger(2)));

    int row = -1;
    for (int i = 0; i < form->postedList->lines().size(); ++i)
        if (form->postedList->lines().at(i).slip == slip && form->postedList->lines().at(i).itemId == item)
            row = i;
    ASSERT_GE(row, 0) << "listed once, from the stock card";
    EXPECT_EQ(form->postedList->lines().at(row).location, location);
    EXPECT_EQ(form->postedList->lines().at(row).standingQuantity, db::Decimal::fromInteger(2));

    prompts.clear();
    prompts.answer(true);
    signAs(QStringLiteral("CHARGE1"), QStringLiteral("charge1"));
    form->revokeChosen(row);
    EXPECT_EQ(test::OnHand(conn(), item, location), before) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    row = -1;
    for (int i = 0; i < form->postedList->lines().size(); ++i)
        if (form->postedList->lines().at(i).slip == slip && form->postedList->lines().at(i).itemId == item)
            row = i;
    ASSERT_GE(row, 0);
    EXPECT_TRUE(form->postedList->lines().at(row).standingAmount.isZero()) << "the list shows what stands after the reversal";
}

TEST_F(ChargeEntryWindowTest, ADoctorsLineIsPricedByTheFeeChosen)
{
    const QString withFees = scalar(QStringLiteral("SELECT TOP 1 DoctorID FROM BUILD_FILE..tbCoDoctorBill WHERE Status = 1 AND Amount > 0 "
                                                   "ORDER BY DoctorID"));
    const QString withoutFees = scalar(QStringLiteral("SELECT TOP 1 D.DoctorID FROM BUILD_FILE..tbCoDoctor D WHERE NOT EXISTS "
                                                      "(SELECT 1 FROM BUILD_FILE..tbCoDoctorBill B WHERE B.DoctorID = D.DoctorID "
                                                      "AND B.Status = 1 AND B.Amount > 0) ORDER BY D.DoctorID"));
    ASSERT_FALSE(withFees.isEmpty());
    ASSERT_FALSE(withoutFees.isEmpty());
    const QString highest = scalar(QStringLiteral("SELECT TOP 1 Amount FROM BUILD_FILE..tbCoDoctorBill WHERE DoctorID = '%1' AND Status = 1 "
                                                  "AND Amount > 0 ORDER BY Description DESC").arg(withFees));
    auto form = open();
    enter(*form, 0, frmCharge::ColDept, QStringLiteral("MD"));
    enter(*form, 0, frmCharge::ColItem, withoutFees);
    EXPECT_EQ(prompts.last().text, QStringLiteral("No record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance."));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColItem).isEmpty());

    QString caption;
    prompts.onDialog([&](QDialog& d) {
        caption = d.windowTitle();
        auto* fees = d.findChild<QTableWidget*>(QStringLiteral("grdFees"));
        fees->selectRow(fees->rowCount() - 1);
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    enter(*form, 0, frmCharge::ColItem, withFees);
    EXPECT_TRUE(caption.startsWith(QStringLiteral("List of Professional Fees of "))) << caption.toStdString();
    EXPECT_EQ(cell(*form, 0, frmCharge::ColItem), withFees);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColUnitPrice), charging::MoneyText(*db::Decimal::parse(highest)));
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChargeEntryWindowTest, PackageChoiceRefusesWhatCannotGoOnOneSlip)
{
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field IN ('DontMixPackages', 'DisablePackageIfNotTagged')"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('DontMixPackages', '1')"));
    programSettings->LoadParameters();
    const QString package = scalar(QStringLiteral("SELECT TOP 1 A.packageid FROM INVENTORY..tbInvPackage A WHERE EXISTS "
                                                  "(SELECT 1 FROM BUILD_FILE..tbCoPackageItems I WHERE I.PackageID = A.packageid "
                                                  "AND ISNULL(I.LocationID, '') <> '') ORDER BY A.Description"));
    ASSERT_FALSE(package.isEmpty());
    run(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = 100 WHERE EXISTS (SELECT 1 FROM BUILD_FILE..tbCoPackageItems I "
                       "WHERE I.ItemID = INVENTORY..tbInvItemLocation.ItemID AND I.LocationID = INVENTORY..tbInvItemLocation.LocationID)"));

    auto form = open();
    enterProcedure(*form);
    // A package beside a service line is refused; nothing ticked is refused first.
    QStringList seen;
    prompts.onDialog([&](QDialog& d) {
        auto& list = static_cast<charging::frmListPackage&>(d);
        list.checkAll(true);
        seen << prompts.last().text;
        for (int row = 0; row < list.grdPackages->rowCount(); ++row)
            if (list.grdPackages->item(row, 0)->text() == package)
                list.choosePackage(row);
        list.checkAll(false);
        EXPECT_EQ(list.lblGross->text(), QStringLiteral("Gross: 0.00"));
        list.cmdOK->click();
        seen << prompts.last().text;
        list.checkAll(true);
        list.cmdOK->click();
        seen << prompts.last().text;
        list.reject();
    });
    form->Command1[1]->click();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Please select package from the left pane."), QStringLiteral("Please select package items."),
                                 QStringLiteral("Please don't mix non-package and package items.")}));
    EXPECT_EQ(form->rows().size(), 2) << "the grid is as it was";

    // On an empty grid the package's items come in as package lines.
    prompts.answer(true);
    form->Command1[6]->click();
    prompts.onDialog([&](QDialog& d) {
        auto& list = static_cast<charging::frmListPackage&>(d);
        for (int row = 0; row < list.grdPackages->rowCount(); ++row)
            if (list.grdPackages->item(row, 0)->text() == package)
                list.choosePackage(row);
        list.cmdOK->click();
    });
    form->Command1[1]->click();
    ASSERT_GE(form->rows().size(), 2);
    for (const charging::ChargeEntryRow& row : form->rows())
        if (row.hasItem()) {
            EXPECT_EQ(row.line.packageId, package);
            EXPECT_FALSE(row.line.location.isEmpty());
        }
    // The same package again is refused.
    prompts.onDialog([&](QDialog& d) {
        auto& list = static_cast<charging::frmListPackage&>(d);
        for (int row = 0; row < list.grdPackages->rowCount(); ++row)
            if (list.grdPackages->item(row, 0)->text() == package)
                list.choosePackage(row);
        list.cmdOK->click();
        seen << prompts.last().text;
        list.reject();
    });
    form->Command1[1]->click();
    EXPECT_EQ(seen.last(), QStringLiteral("Package was previously added to the list of charges."));
}

// ---- item list, dosage and deposits ------------------------------------------------------------

// The codes a look-up window shows now, and a pick of the row holding `code`.
QStringList shownCodes(QDialog& d)
{
    QAbstractItemModel* model = d.findChild<QTableView*>(QStringLiteral("grdListing"))->model();
    QStringList codes;
    for (int r = 0; r < model->rowCount(); ++r)
        codes << model->index(r, 0).data().toString();
    return codes;
}
void pick(QDialog& d, const QString& code)
{
    d.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(code);
    QTableView* grid = d.findChild<QTableView*>(QStringLiteral("grdListing"));
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 0).data().toString() == code)
            grid->setCurrentIndex(grid->model()->index(r, 0));
    d.findChild<QPushButton*>(QStringLiteral("cmdSelect"))->click();
}

TEST_F(ChargeEntryWindowTest, AnEmptyStockCodeOpensTheLocationsItemListAndThePickGoesOnAsTyped)
{
    const QString location = scalar(QStringLiteral("SELECT LocationID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'CS'"));
    const QStringList stocked = test::StockedItems(conn(), location, 2);
    ASSERT_EQ(stocked.size(), 2);
    const QString item = stocked.at(1);
    const int atLocation = scalar(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvItemLocation L JOIN INVENTORY..tbInvMaster M "
                                                 "ON M.ItemID = L.ItemID WHERE ISNULL(M.Status, 'A') = 'A' AND L.LocationID = ")
                                  + db::Quote(location))
                               .toInt();
    auto form = open();
    enter(*form, 0, frmCharge::ColDept, QStringLiteral("CS"));

    // Cancelled: nothing said, the row waits for a code.
    prompts.onDialog([](QDialog& d) { d.reject(); });
    enter(*form, 0, frmCharge::ColItem, QString());
    EXPECT_TRUE(prompts.texts().isEmpty()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColItem).isEmpty());

    int listed = -1;
    prompts.onDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("List of Items"));
        listed = int(shownCodes(d).size());
        pick(d, item);
    });
    enter(*form, 0, frmCharge::ColItem, QString());
    EXPECT_EQ(listed, atLocation) << "every active item of the department's location, and only those";
    ASSERT_EQ(cell(*form, 0, frmCharge::ColItem), item);
    EXPECT_EQ(form->rows().at(0).line.location, location);
    EXPECT_EQ(form->rows().at(0).line.stockDepartment, QStringLiteral("CS"));
    EXPECT_FALSE(cell(*form, 0, frmCharge::ColUnitPrice).isEmpty());

    // The picked code meets the same checks as a typed one.
    enter(*form, 1, frmCharge::ColDept, QStringLiteral("CS"));
    prompts.onDialog([&](QDialog& d) { pick(d, item); });
    enter(*form, 1, frmCharge::ColItem, QString());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Can't charge the same Medicine/Supply."));
    EXPECT_TRUE(cell(*form, 1, frmCharge::ColItem).isEmpty());
    EXPECT_TRUE(prompts.allUsed());
}

TEST_F(ChargeEntryWindowTest, TheItemListNarrowsByTypedTextTakenLiterally)
{
    const QString location = scalar(QStringLiteral("SELECT LocationID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PH'"));
    const QString item = test::StockedItems(conn(), location, 1).value(0);
    ASSERT_FALSE(item.isEmpty());
    const QString name = scalar(QStringLiteral("SELECT ItemName FROM INVENTORY..tbInvMaster WHERE ItemID = ") + db::Quote(item));
    const QString part = name.mid(1, 5).toLower();
    // Counted here without LIKE: the item's code or name holds the text.
    const auto holding = [&](const QString& text) {
        int count = 0;
        for (db::Recordset rs = conn().open(QStringLiteral("SELECT M.ItemID, M.ItemName FROM INVENTORY..tbInvItemLocation L JOIN "
                                                           "INVENTORY..tbInvMaster M ON M.ItemID = L.ItemID WHERE "
                                                           "ISNULL(M.Status, 'A') = 'A' AND L.LocationID = ")
                                            + db::Quote(location));
             !rs.eof(); rs.moveNext())
            count += rs.field(0).text().contains(text, Qt::CaseInsensitive) || rs.field(1).text().contains(text, Qt::CaseInsensitive);
        return count;
    };
    const int matching = holding(part);
    components::clsListDrugs* list = app::Components->DrugList();
    QStringList codes;
    prompts.onDialog([&](QDialog& d) {
        codes = shownCodes(d);
        d.reject();
    });
    EXPECT_TRUE(list->ShowList(location, part).isEmpty()) << "cancelled";
    EXPECT_TRUE(codes.contains(item));
    EXPECT_EQ(codes.size(), matching);

    // A wildcard typed by the user matches only itself.
    prompts.onDialog([&](QDialog& d) {
        codes = shownCodes(d);
        d.reject();
    });
    list->ShowList(location, QStringLiteral("%"));
    EXPECT_EQ(codes.size(), holding(QStringLiteral("%"))) << codes.join(QLatin1Char(',')).toStdString();
    prompts.onDialog([&](QDialog& d) {
        codes = shownCodes(d);
        d.reject();
    });
    list->ShowList(location, QStringLiteral("_"));
    EXPECT_EQ(codes.size(), holding(QStringLiteral("_")));
}

TEST_F(ChargeEntryWindowTest, APharmacyItemTakesItsDosageFromTheCodeSearchAndPostsIt)
{
    run(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field IN ('ORShowDosagePostMedicines', 'OREnableChargeSlipPrinting')"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('ORShowDosagePostMedicines', '1')"));
    run(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value) VALUES ('OREnableChargeSlipPrinting', '0')"));
    programSettings->LoadParameters();
    ASSERT_TRUE(programSettings->ShowDosagePostMedicines());
    const QString location = scalar(QStringLiteral("SELECT LocationID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PH'"));
    const QStringList items = test::StockedItems(conn(), location, 2);
    ASSERT_EQ(items.size(), 2);
    const QString medicine = items.at(0), emptyShelf = items.at(1);
    const auto nameOf = [&](const QString& id) {
        return scalar(QStringLiteral("SELECT ItemName FROM INVENTORY..tbInvMaster WHERE ItemID = ") + db::Quote(id)).trimmed();
    };
    run(QStringLiteral("UPDATE INVENTORY..tbInvItemLocation SET OnHand = 0 WHERE ItemID = %1 AND LocationID = %2")
            .arg(db::Quote(emptyShelf), db::Quote(location)));
    auto form = open();

    enter(*form, 0, frmCharge::ColDept, QStringLiteral("PH"));
    enter(*form, 0, frmCharge::ColItem, emptyShelf); // no dosage window for an item without stock
    EXPECT_EQ(prompts.last().text, QStringLiteral("There is no stock left for ") + nameOf(emptyShelf)
                                       + QStringLiteral(". The system can't process the specified item."));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColItem).isEmpty());

    prompts.onDialog([](QDialog& d) { d.reject(); });
    enter(*form, 0, frmCharge::ColItem, medicine);
    EXPECT_EQ(prompts.last().text, QStringLiteral("DOSAGE ID for ") + nameOf(medicine)
                                       + QStringLiteral(" is empty. The system can't process the specified item."));
    EXPECT_TRUE(cell(*form, 0, frmCharge::ColItem).isEmpty());

    QString title;
    prompts.onDialog([&](QDialog& d) {
        title = d.windowTitle();
        pick(d, QStringLiteral("BID"));
    });
    enter(*form, 0, frmCharge::ColItem, medicine);
    EXPECT_EQ(title, QStringLiteral("List of Dosages"));
    ASSERT_EQ(cell(*form, 0, frmCharge::ColItem), medicine);
    EXPECT_EQ(cell(*form, 0, frmCharge::ColDosage), QStringLiteral("BID"));

    // A central-supply item asks for no dosage (an unexpected window fails the test).
    const QString csLocation = scalar(QStringLiteral("SELECT LocationID FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'CS'"));
    const QString supply = test::StockedItems(conn(), csLocation, 1).value(0);
    enter(*form, 1, frmCharge::ColDept, QStringLiteral("CS"));
    enter(*form, 1, frmCharge::ColItem, supply);
    ASSERT_EQ(cell(*form, 1, frmCharge::ColItem), supply);
    EXPECT_TRUE(cell(*form, 1, frmCharge::ColDosage).isEmpty());

    QString slip;
    QObject::connect(form.get(), &frmCharge::posted, [&](const QString& s) { slip = s; });
    prompts.answer(true);
    signAs();
    prompts.onDialog([](QDialog& d) { d.reject(); }); // no requesting doctor
    form->Command1[0]->click();
    ASSERT_FALSE(slip.isEmpty()) << prompts.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT DosageID FROM INVENTORY..tbInvStockcard WHERE RefNum = %1 AND ItemID = %2")
                         .arg(db::Quote(slip), db::Quote(medicine))),
              QStringLiteral("BID"));
}

TEST_F(ChargeEntryWindowTest, TheDepositViewOpensAtItsSiteForAStayWithDepositsAndTotalsThemExactly)
{
    run(QStringLiteral("DELETE FROM BILLING..tbBillDeposit WHERE IDNum = ") + db::Quote(kAdmission));
    app::Hospital().clientname = QStringLiteral("QORV");
    {
        auto form = open();
        EXPECT_FALSE(form->cmdCDF->isHidden());
        EXPECT_FALSE(form->cmdCDF->isEnabled()) << "no deposits yet";
    }
    const auto deposit = [&](const char* number, const char* amount, const char* status) {
        run(QStringLiteral("INSERT INTO BILLING..tbBillDeposit (IDNum, ORNumber, DepositDate, Amount, Status) "
                           "VALUES (%1, '%2', '2026-11-02 09:00:00', %3, '%4')")
                .arg(db::Quote(kAdmission), QLatin1String(number), QLatin1String(amount), QLatin1String(status)));
    };
    deposit("A1", "0.10", "A");
    deposit("A2", "0.20", "A");
    deposit("A3", "1234567.05", "A");
    deposit("A4", "500.00", "C"); // cancelled receipt
    auto form = open();
    ASSERT_TRUE(form->cmdCDF->isEnabled());
    int rows = -1;
    QString total;
    prompts.onDialog([&](QDialog& d) {
        auto& view = static_cast<charging::frmCdfViewing&>(d);
        rows = view.grdDeposits->rowCount();
        total = view.lblTotal->text();
        EXPECT_EQ(view.txtId->text(), kAdmission);
        view.cmdClose->click();
    });
    form->cmdCDF->click();
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(total, QStringLiteral("Total Deposit: Php 1,234,567.35"));

    app::Hospital().clientname = QStringLiteral("ELSEWHERE");
    auto other = open();
    EXPECT_TRUE(other->cmdCDF->isHidden());
}

} // namespace
