#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace scheduling {

// The staff picker of the booking panels: the operating room's active staff
// by name, narrowed by what is typed; a double-click or OK picks one.
class frmStaff : public QDialog {
    Q_OBJECT

public:
    explicit frmStaff(QWidget* parent = nullptr);

    // Lists the staff whose last or first name starts with the text (all when empty).
    bool LoadStaff(const QString& search);
    // The employee code and "LAST, FIRST" picked; empty until OK.
    QString PickedID;
    QString PickedName;

    QLineEdit* txtSearch = nullptr;
    QTableWidget* grdStaff = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Shows the picker through the prompts service; true when someone was picked.
    static bool Pick(QString& id, QString& name, QWidget* parent = nullptr);

private:
    void cmdOK_Click();
};

} // namespace scheduling
