#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace nursing {

// The operating team's surgical safety checklist of one admission: who
// confirmed each of the three pauses, when, and the thirty checks. The caller
// sets PName, HospNo and IdNum before showing it.
class frmSSC : public QWidget {
    Q_OBJECT
public:
    explicit frmSSC(QWidget* parent = nullptr);

    QString PName;
    QString HospNo;
    QString IdNum;

    std::array<QLineEdit*, 15> txtPx{};
    std::array<QCheckBox*, 30> Check1{};
    QDateEdit* dtpDateSignIn = nullptr;
    QTimeEdit* dtpTimeSignIn = nullptr;
    QTimeEdit* dtpTimeOut = nullptr;
    QDateEdit* dtpDateSignOut = nullptr;
    QTimeEdit* dtpTimeSignOut = nullptr;
    std::array<QPushButton*, 4> Command1{};

    // The checks as they are stored, and back.
    QString PackedChecks() const;
    void UnpackChecks(const QString& packed);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Command1_Click(int index);
    bool Save();
    void Delete();
    QWidget* pauseBox(int pause, QDateEdit* date, QTimeEdit* time, int firstName);

    bool loaded_ = false;
};

} // namespace nursing
