#pragma once

#include "app_support/AppFixture.h"
#include "nursing/frmSSC.h"

#include <QPointer>
#include <QStringList>

namespace test {

// The checklist window on a demo in-patient, with the report viewer replaced
// by a list of the titles it was asked to show.
class SscFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Selects a demo in-patient: the first one that has a saved checklist, or
    // one that has none.
    void selectPatient(bool withChecklist);
    // Opens the window through the menu's rule and shows it (which loads it).
    nursing::frmSSC* open();

    int rowsFor(const QString& idNum);
    QString column(const QString& name);
    // Clicks a button of the Command1 array.
    void click(int index);

    QPointer<nursing::frmSSC> form;
    QStringList viewerTitles;
};

} // namespace test
