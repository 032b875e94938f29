#include "shell/Prompts.h"

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

// The program writes filters as "description|pattern|description|pattern";
// the file dialog wants "description (pattern);;...".
static QString dialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1];
        out << (description.contains(QLatin1Char('(')) ? description : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

QString QtPrompts::chooseFile(const QString& title, const QString& filter, bool forSaving)
{
    QWidget* parent = QApplication::activeWindow();
    const QString qtFilter = dialogFilter(filter);
    return forSaving ? QFileDialog::getSaveFileName(parent, title, QString(), qtFilter)
                     : QFileDialog::getOpenFileName(parent, title, QString(), qtFilter);
}

} // namespace shell
