// The charge entry's two small dialogs: what OK hands back, and the gauge
// readings that cannot be a cylinder's use.
#include "app_support/ScriptedPrompts.h"

#include "charging/frmMeals.h"
#include "charging/frmPSIReading.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(EntryDialogs, TheMealIsReadExactlyAndAnEmptyAmountIsNoMeal)
{
    test::ScriptedPrompts prompts;
    charging::frmMeals meals;
    meals.txtAmount->setText(QStringLiteral("1,250.50"));
    meals.txtRemarks->setText(QStringLiteral(" 2 PAX "));
    meals.cmdOK->click();
    EXPECT_EQ(meals.result(), QDialog::Accepted);
    EXPECT_EQ(meals.MealAmount, *db::Decimal::parse(u"1250.50"));
    EXPECT_EQ(meals.MealRemarks, QStringLiteral("2 PAX"));

    charging::frmMeals none;
    none.cmdOK->click();
    EXPECT_EQ(none.result(), QDialog::Accepted);
    EXPECT_TRUE(none.MealAmount.isZero());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST(EntryDialogs, AGaugeReadingIsTheFallBetweenItsTwoReadings)
{
    test::ScriptedPrompts prompts;
    charging::frmPSIReading reading;
    reading.Form_Load(QStringLiteral("OX01"), QStringLiteral("OXYGEN"));
    reading.txtReading1->setText(QStringLiteral("1,500"));
    reading.txtReading2->setText(QStringLiteral("1500"));
    reading.cmdOK->click();
    EXPECT_NE(reading.result(), QDialog::Accepted) << "a gauge that did not fall";
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Notification: The start reading must be greater than the end reading.")});

    reading.txtReading2->setText(QStringLiteral("1249.75"));
    reading.cboUnit->setCurrentText(QStringLiteral("LPM"));
    reading.cmdOK->click();
    EXPECT_EQ(reading.result(), QDialog::Accepted);
    EXPECT_EQ(reading.Quantity, *db::Decimal::parse(u"250.25"));
    EXPECT_EQ(reading.Reading1 + QLatin1Char('/') + reading.Reading2 + QLatin1Char('/') + reading.Unit, QStringLiteral("1,500/1249.75/LPM"));
}

} // namespace
