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

int QtPrompts::exec(QDialog& dialog)
{
    return dialog.exec();
}

QString QtPrompts::chooseFile(const QString& title, const QString& filter, bool forSaving)
{
    QWidget* parent = QApplication::activeWindow();
    return forSaving ? QFileDialog::getSaveFileName(parent, title, QString(), filter)
                     : QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

} // namespace shell
