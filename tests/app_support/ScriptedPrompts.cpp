#include "app_support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace test {

ScriptedPrompts::ScriptedPrompts()
{
    shell::Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    shell::Prompts::install(nullptr);
}

void ScriptedPrompts::answer(bool yes) { answers_.push_back(yes); }

void ScriptedPrompts::answerSave(shell::SaveChoice choice) { saveAnswers_.push_back(choice); }

void ScriptedPrompts::onDialog(std::function<void(QDialog&)> drive) { dialogs_.push_back(std::move(drive)); }

void ScriptedPrompts::chooseFileAs(const QString& path) { files_.push_back(path); }

QStringList ScriptedPrompts::texts() const
{
    QStringList out;
    for (const Shown& s : shown_)
        if (s.kind == Shown::Kind::Message || s.kind == Shown::Kind::Question || s.kind == Shown::Kind::SaveQuestion)
            out << s.title + QStringLiteral(": ") + s.text;
    return out;
}

const ScriptedPrompts::Shown& ScriptedPrompts::last() const
{
    static const Shown none{Shown::Kind::Message, QString(), QString(), shell::PromptIcon::None};
    return shown_.empty() ? none : shown_.back();
}

void ScriptedPrompts::message(const QString& text, const QString& title, shell::PromptIcon icon)
{
    shown_.push_back({Shown::Kind::Message, title, text, icon});
}

bool ScriptedPrompts::ask(const QString& text, const QString& title, shell::PromptIcon icon)
{
    shown_.push_back({Shown::Kind::Question, title, text, icon});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << qPrintable(title) << ": " << qPrintable(text);
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

int ScriptedPrompts::criticalCount() const
{
    int n = 0;
    for (const Shown& s : shown_)
        n += s.kind == Shown::Kind::Message && s.icon == shell::PromptIcon::Critical;
    return n;
}

shell::SaveChoice ScriptedPrompts::askSave(const QString& text, const QString& title)
{
    shown_.push_back({Shown::Kind::SaveQuestion, title, text, shell::PromptIcon::Question});
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unexpected save question: " << qPrintable(title) << ": " << qPrintable(text);
        return shell::SaveChoice::Cancel;
    }
    const shell::SaveChoice choice = saveAnswers_.front();
    saveAnswers_.pop_front();
    return choice;
}

int ScriptedPrompts::exec(QDialog& dialog)
{
    shown_.push_back({Shown::Kind::Dialog, dialog.windowTitle(), dialog.objectName(), shell::PromptIcon::None});
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << qPrintable(dialog.objectName());
        return QDialog::Rejected;
    }
    auto drive = std::move(dialogs_.front());
    dialogs_.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    drive(dialog);
    const int result = dialog.result();
    dialog.hide();
    return result;
}

QString ScriptedPrompts::chooseFile(const QString& title, const QString& filter, bool forSaving)
{
    shown_.push_back({Shown::Kind::File, title, filter, shell::PromptIcon::None});
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file chooser: " << qPrintable(title);
        return QString();
    }
    const QString path = files_.front();
    files_.pop_front();
    return path;
}

} // namespace test
