#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace charging {

// The operating-room procedures with their relative-value codes, for sites
// that price procedures by relative value: a list to look codes up in while
// charging, narrowed by what is typed.
class frmProcedureValues : public QDialog {
    Q_OBJECT
public:
    explicit frmProcedureValues(QWidget* parent = nullptr);

    // Lists the procedures; false (the user told) when they cannot be read.
    bool Form_Load();
    void txtSearch_Change();

    QLineEdit* txtSearch;
    QTableWidget* grdList;
    QPushButton* cmdClose;
};

} // namespace charging
