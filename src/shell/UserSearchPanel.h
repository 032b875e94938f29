#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace shell {

// The search for operating-room users by employee code or by name, shared by
// the rights window and the user picker.
class UserSearchPanel : public QWidget {
    Q_OBJECT
public:
    // Search modes the user search procedure understands.
    static inline const QString ByCode = QStringLiteral("C");
    static inline const QString ByName = QStringLiteral("N");

    explicit UserSearchPanel(QWidget* parent = nullptr);

    // Lists the users matching the typed text in the chosen mode.
    void search();
    QString mode() const;

    // The user of the current grid row; "" when none.
    QString selectedCode() const;
    QString selectedName() const;

    QLineEdit* txtSearch;
    QRadioButton* optSearchBy[2]; // 0 by employee code, 1 by name
    QPushButton* cmdSearch;
    QTableWidget* grdUsers;

signals:
    // The current row moved to another user (code "" when the grid emptied).
    void userChosen(const QString& employeeCode);
    // A user was double-clicked or Enter was pressed on one.
    void userActivated(const QString& employeeCode);

private:
    QString lastChosen_;
};

} // namespace shell
