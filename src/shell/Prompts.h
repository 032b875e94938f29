#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace shell {

enum class PromptIcon { None, Information, Exclamation, Critical, Question };

// The answer to "Save changes to ...?".
enum class SaveChoice { Save, Discard, Cancel };

// Every message box, Yes/No question and modal dialog of the program goes
// through here. The program shows real Qt dialogs; tests install a scripted
// service that answers in order and records what was asked.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void message(const QString& text, const QString& title, PromptIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& text, const QString& title, PromptIcon icon) = 0;
    // A question about unsaved work with Save, Discard and Cancel buttons.
    virtual SaveChoice askSave(const QString& text, const QString& title) = 0;
    // Shows a modal dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
    // A file to open or save; "" when cancelled.
    virtual QString chooseFile(const QString& title, const QString& filter, bool forSaving) = 0;

    // The service in use: the Qt one unless a test installed another.
    static Prompts& current();
    // Installs a service (null restores the Qt one). The caller keeps ownership.
    static void install(Prompts* prompts);
};

// Short forms for the common cases.
inline void Notify(const QString& text, PromptIcon icon = PromptIcon::Information)
{
    Prompts::current().message(text, QStringLiteral("Notification"), icon);
}
inline bool Confirm(const QString& text, PromptIcon icon = PromptIcon::Question)
{
    return Prompts::current().ask(text, QStringLiteral("Confirmation"), icon);
}

// The Qt dialogs behind the program's prompts.
class QtPrompts : public Prompts {
public:
    void message(const QString& text, const QString& title, PromptIcon icon) override;
    bool ask(const QString& text, const QString& title, PromptIcon icon) override;
    SaveChoice askSave(const QString& text, const QString& title) override;
    int exec(QDialog& dialog) override;
    QString chooseFile(const QString& title, const QString& filter, bool forSaving) override;
};

} // namespace shell
