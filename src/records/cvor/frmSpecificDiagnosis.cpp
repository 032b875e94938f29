#include "records/cvor/frmSpecificDiagnosis.h"

#include "shell/Prompts.h"
#include "shell/StationLook.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace records {

frmSpecificDiagnosis::frmSpecificDiagnosis(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSpecificDiagnosis"));
    setWindowTitle(QStringLiteral("Final Diagnosis"));
    txtDiagnosis = new QPlainTextEdit(this);
    txtDiagnosis->setObjectName(QStringLiteral("txtDiagnosis"));
    txtDiagnosis->setTabChangesFocus(true);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(shell::StationLook::Small);
    layout->addWidget(new QLabel(QStringLiteral("Final diagnosis:"), this));
    layout->addWidget(txtDiagnosis, 1);
    layout->addLayout(shell::StationLook::ButtonRow({cmdOK, cmdCancel}, false));
    resize(520, 260);

    connect(txtDiagnosis, &QPlainTextEdit::textChanged, this, &frmSpecificDiagnosis::upperCase);
    connect(cmdOK, &QPushButton::clicked, this, &frmSpecificDiagnosis::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSpecificDiagnosis::SetDiagnosis(const QString& diagnosis)
{
    txtDiagnosis->setPlainText(diagnosis);
}

QString frmSpecificDiagnosis::Diagnosis() const
{
    return txtDiagnosis->toPlainText().trimmed();
}

QStringList frmSpecificDiagnosis::SplitDiagnosis() const
{
    QStringList parts;
    for (const QString& part : txtDiagnosis->toPlainText().split(QRegularExpression(QStringLiteral("[\\r\\n;]+"))))
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts;
}

void frmSpecificDiagnosis::cmdOK_Click()
{
    if (Diagnosis().isEmpty()) {
        shell::Notify(QStringLiteral("Please provide description of final diagnosis."), shell::PromptIcon::Exclamation);
        txtDiagnosis->setFocus();
        return;
    }
    accept();
}

// Capitals as typed, the cursor staying where the nurse is typing.
void frmSpecificDiagnosis::upperCase()
{
    const QString text = txtDiagnosis->toPlainText();
    const QString upper = text.toUpper();
    if (upper == text)
        return;
    const int position = txtDiagnosis->textCursor().position();
    const QSignalBlocker blocker(txtDiagnosis);
    txtDiagnosis->setPlainText(upper);
    QTextCursor cursor = txtDiagnosis->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(upper.size())));
    txtDiagnosis->setTextCursor(cursor);
}

} // namespace records
