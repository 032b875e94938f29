#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace shell {

class UserSearchPanel;

// Maintenance of the users' rights: find a user, tick the rights from the
// catalogue, save.
class frmUserRights : public QDialog {
    Q_OBJECT
public:
    explicit frmUserRights(QWidget* parent = nullptr);

    // The rights text of the ticked entries, in list order ("9|13|18|").
    QString tickedRightsText() const;

    UserSearchPanel* searchPanel;
    QTableWidget* grdUsers; // the panel's grid
    QListWidget* lstRights;
    QCheckBox* chkSelectAll;
    QPushButton* cmdSave;
    QPushButton* cmdClose;

private:
    void loadCatalogue();
    void grdUsers_Choose(const QString& employeeCode);
    void chkSelectAll_Click(bool checked);
    void cmdSave_Click();

    QLabel* lblUser;
    QString employeeCode_;
};

} // namespace shell
