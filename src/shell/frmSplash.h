#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace shell {

// The splash shown once after start-up: the station's emblem and name. It
// closes itself half a second after it is shown.
class frmSplash : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace shell
