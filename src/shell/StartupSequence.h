#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QLockFile;

namespace components {
class clsCurrentuser;
class ComponentSet;
}

namespace shell {

class mdiORMenu;

// Where the start-up finds what it needs. The defaults are the program's own.
struct StartupOptions {
    // The folder holding the background picture, the assistant character and
    // the reports; the program's shipped-files folder when empty.
    QString programFolder;
    // The lock that keeps a second copy of the program from starting; one per
    // user of the workstation when empty.
    QString lockFilePath;
    // Logs the user in on the fresh current-user component; its own log-in
    // dialog (showmain) when empty.
    std::function<void(components::clsCurrentuser&)> logIn;
};

// Takes the program from launch to a ready main window: one copy only, the
// log-in, the shipped files, the server date and the settings, the
// maintenance switch, the caption, the log-in log, the status bar, the
// sibling components, the site's menus and the station. Also the orderly
// shut-down of what it set up.
class StartupSequence {
public:
    StartupSequence(mdiORMenu& window, StartupOptions options);
    ~StartupSequence();
    StartupSequence(const StartupSequence&) = delete;
    StartupSequence& operator=(const StartupSequence&) = delete;

    // Runs every step in order; false at the first refusal (after telling the user).
    bool run();
    // Releases what the start-up created, in the station's order, and closes
    // every other window.
    void shutDown();

    // The operating-room station of the logged-in user: "29"/"NONE" unless
    // the user's rights name one.
    static void LoadStationRights();

    // Panel 8 of the status bar: the design text followed by the server, or,
    // when the server is hidden, by which of the configured servers it is.
    static QString ServerPanelText(const QString& serverName);

    // Shows and hides the menu items of a client site, and those that follow
    // the program settings.
    void ApplyClientSite(const QString& clientName);
    void ApplySettingMenus();

    const QString& programFolder() const { return folder_; }
    components::ComponentSet* componentSet() const { return components_.get(); }
    // The components as the shut-down released them, by their global names.
    const QStringList& ReleaseOrder() const { return releaseOrder_; }

private:
    bool refuse(const QString& text, const QString& title);
    bool logIn();
    void showUserOnStatusBar();
    void connectComponents();

    mdiORMenu& window_;
    StartupOptions options_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<components::clsCurrentuser> user_;
    std::unique_ptr<components::ComponentSet> components_;
    QStringList releaseOrder_;
    bool shutDown_ = false;
};

} // namespace shell
