#pragma once

#include "records/cvor/CvorCases.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace records {

// The cardiovascular crew of one case: ten code boxes, each with the
// person's name beside it. The list sets the case keys and captions before
// Form_Load; the save goes through CvorCases::SaveCrew.
class frmUpdateCVOR : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdateCVOR(QWidget* parent = nullptr);

    QString ID;
    QString PNo;
    QString RefNo;
    QString ItemID;
    QDateTime TransDate;
    QString Procedure;
    QString PName;

    // Shows the case and reads its crew. False when the crew could not be
    // read: the window then refuses to save.
    bool Form_Load();

    // Enter in a crew box: the look-up of its kind, the name beside it.
    void lookUp(int index);
    void cmdSave_Click();

    // The crew as the boxes hold it.
    CvorCrew crew() const;

    QLabel* lblPatient;
    QLabel* lblProcedure;
    std::array<QLineEdit*, 10> txtCrew{};
    std::array<QLabel*, 10> lblCrew{};
    QPushButton* cmdSave;
    QPushButton* cmdClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CvorCase theCase() const;
    bool loaded_ = false;
};

} // namespace records
