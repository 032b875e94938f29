#pragma once

#include "records/cvor/CvorCases.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace records {

// The cardiovascular cases: search them by hospital number, admission
// number or last name, keep a case's crew, print its census.
class frmCVORPatients : public QWidget {
    Q_OBJECT
public:
    explicit frmCVORPatients(QWidget* parent = nullptr);

    // The main revenue of the cardiovascular operating room, printed on the census.
    QString RevenueID;

    // optSearch(0) hospital number, (1) admission number, (2) last name.
    std::array<QRadioButton*, 3> optSearch{};
    QLineEdit* txtSearch;
    QPushButton* cmdSearch;
    QTableWidget* grdCases;
    QPushButton* cmdUpdate;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

    void cmdSearch_Click();
    // Opens the crew of the chosen case.
    void cmdUpdate_Click();
    void cmdPrint_Click();

    const std::vector<CvorCase>& cases() const { return cases_; }
    // The grid's column captions, as the census list has always shown them.
    static QStringList Headers();

    // How the list opens the crew window; the main window puts it in its work area.
    using Opener = std::function<void(QWidget*)>;
    static void SetCrewOpener(Opener opener);

private:
    const CvorCase* chosenCase(const QString& messageWhenNone) const;
    std::vector<CvorCase> cases_;
};

} // namespace records
