#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace shell {

// The picker of standard remarks offered when a charge is cancelled or a
// supervisor signs off.
class frmCMRemarks : public QDialog {
    Q_OBJECT
public:
    explicit frmCMRemarks(QWidget* parent = nullptr);

    // The remark chosen; "" until one is.
    QString remark() const { return remark_; }

    // Adds a remark to what the box holds: the remark alone when the box is
    // empty, else after ", " unless the box already has it.
    static QString AddRemark(const QString& box, const QString& remark);
    // Shows the picker and adds the chosen remark to the box.
    static void PickInto(QPlainTextEdit& box, QWidget* parent);

    QListWidget* lstRemarks;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

private:
    void loadRemarks();
    void cmdOk_Click();

    QString remark_;
};

} // namespace shell
