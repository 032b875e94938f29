#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace records {

// The final diagnosis of an operation, typed in capitals as the record
// keeps it. The caller fills it with SetDiagnosis and, after OK, reads the
// text or its separate diagnoses with SplitDiagnosis.
class frmSpecificDiagnosis : public QDialog {
    Q_OBJECT
public:
    explicit frmSpecificDiagnosis(QWidget* parent = nullptr);

    void SetDiagnosis(const QString& diagnosis);
    QString Diagnosis() const;
    // The diagnoses one per line (or separated by semicolons), trimmed, the
    // empty ones left out.
    QStringList SplitDiagnosis() const;

    QPlainTextEdit* txtDiagnosis;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void cmdOK_Click();

private:
    void upperCase();
};

} // namespace records
