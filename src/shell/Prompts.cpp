#include "shell/Prompts.h"

#include "db/DatabaseFiles.h"
#include "shell/FileDialog.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace shell {

namespace {

Prompts* installed = nullptr;

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Prompts& Prompts::current()
{
    static QtPrompts qtPrompts;
    return installed ? *installed : qtPrompts;
}

void Prompts::install(Prompts* prompts)
{
    installed = prompts;
}

void QtPrompts::message(const QString& text, const QString& title, PromptIcon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtPrompts::ask(const QString& text, const QString& title, PromptIcon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

SaveChoice QtPrompts::askSave(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

int QtPrompts::exec(QDialog& dialog)
{
    return dialog.exec();
}

QString QtPrompts::chooseFile(const QString& title, const QString& filter, bool forSaving)
{
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(QApplication::activeWindow(), title, filter, forSaving);
    for (;;) {
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return QString();
        const QString path = dialog->selectedFiles().first();
        // A typed name can still reach the database or its companions.
        if (forSaving && (db::IsOpenDatabaseFile(path) || db::IsDatabaseCompanionName(path))) {
            message(DatabaseFileRefusal(path), QStringLiteral("Notification"), PromptIcon::Exclamation);
            continue;
        }
        return path;
    }
}

} // namespace shell
