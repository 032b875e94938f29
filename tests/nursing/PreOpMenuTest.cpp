#include "PreOpSupport.h"

#include "shell/mdiORMenu.h"

#include <QAction>
#include <QMdiSubWindow>

#include <memory>

namespace {

// The Inquiry menu's fluid sheet and pre-operative documents, as the nurse
// reaches them from the main window.
class PreOpMenu : public test::NursingWindowFixture {
protected:
    void SetUp() override
    {
        NursingWindowFixture::SetUp();
        window = std::make_unique<shell::mdiORMenu>();
        window->show();
        // The pre-operative documents are shown at the sites that keep them.
        for (const QString& name : items)
            window->menuItem(name)->setVisible(true);
    }
    void TearDown() override
    {
        window.reset();
        NursingWindowFixture::TearDown();
    }
    QStringList openWindows() const
    {
        QStringList names;
        for (QMdiSubWindow* frame : window->findChildren<QMdiSubWindow*>())
            if (frame->widget())
                names << frame->widget()->objectName();
        names.sort();
        return names;
    }

    std::unique_ptr<shell::mdiORMenu> window;
    const QStringList items = {QStringLiteral("mnuFluid"), QStringLiteral("mnuPreOp"), QStringLiteral("mnuPreAnesFirst")};
};

TEST_F(PreOpMenu, WithoutAPatientEachItemSaysSoAndOpensNothing)
{
    for (const QString& name : items) {
        QAction* item = window->menuItem(name);
        ASSERT_NE(item, nullptr) << qPrintable(name);
        EXPECT_TRUE(item->isEnabled()) << qPrintable(name);
        item->trigger();
    }
    EXPECT_EQ(prompts.texts(), QStringList(3, QStringLiteral("Notification: Please select patient.")));
    EXPECT_TRUE(openWindows().isEmpty());
}

TEST_F(PreOpMenu, WithAPatientEachItemOpensItsWindowOnThatPatient)
{
    const QString patient = patientWithout(QStringLiteral("STATION..tbNursePreOp"));
    selectPatient(patient);
    for (const QString& name : items)
        window->menuItem(name)->trigger();
    EXPECT_TRUE(prompts.shown().empty()) << qPrintable(prompts.texts().join(QLatin1Char('\n')));
    EXPECT_EQ(openWindows(), (QStringList{QStringLiteral("frmFluid"), QStringLiteral("frmNursePreopChecklist"),
                                          QStringLiteral("frmPreAnesthetic")}));
    for (QMdiSubWindow* frame : window->findChildren<QMdiSubWindow*>()) {
        auto* patientBox = frame->widget()->findChild<QLineEdit*>(QStringLiteral("txtPx_0"));
        if (patientBox)
            EXPECT_EQ(patientBox->text(), app::PatientName);
    }
}

} // namespace
