#pragma once

#include "shell/Prompts.h"

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace test {

// A prompts service for tests: every prompt is recorded; questions and
// dialogs are answered from a script, in order. A prompt the script did not
// expect fails the running test.
class ScriptedPrompts : public shell::Prompts {
public:
    struct Shown {
        enum class Kind { Message, Question, Dialog, File, SaveQuestion } kind;
        QString title;
        QString text; // a dialog's object name
        shell::PromptIcon icon = shell::PromptIcon::None;
    };

    ScriptedPrompts();  // installs itself
    ~ScriptedPrompts() override; // restores the Qt service

    // The next Yes/No question gets this answer.
    void answer(bool yes);
    // The next "Save changes?" question gets this answer.
    void answerSave(shell::SaveChoice choice);
    // The next modal dialog is handed to `drive` (type, click...) instead of
    // blocking; exec() then returns the dialog's result.
    void onDialog(std::function<void(QDialog&)> drive);
    // The next file chooser returns this path.
    void chooseFileAs(const QString& path);

    const std::vector<Shown>& shown() const { return shown_; }
    // The messages and questions (save questions too) shown, as "title: text".
    QStringList texts() const;
    const Shown& last() const;
    // How many error boxes (messages with the critical icon) were shown.
    int criticalCount() const;
    void clear() { shown_.clear(); }
    // True when every scripted answer was used.
    bool allUsed() const { return answers_.empty() && saveAnswers_.empty() && dialogs_.empty() && files_.empty(); }

    void message(const QString& text, const QString& title, shell::PromptIcon icon) override;
    bool ask(const QString& text, const QString& title, shell::PromptIcon icon) override;
    shell::SaveChoice askSave(const QString& text, const QString& title) override;
    int exec(QDialog& dialog) override;
    QString chooseFile(const QString& title, const QString& filter, bool forSaving) override;

private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
    std::deque<shell::SaveChoice> saveAnswers_;
    std::deque<std::function<void(QDialog&)>> dialogs_;
    std::deque<QString> files_;
};

} // namespace test
