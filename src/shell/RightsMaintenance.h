#pragma once

#include <QString>

class QWidget;

namespace shell {

// Who may maintain the users' rights, and how a change is kept. On purpose
// stricter than the older station, where anyone who re-typed their own
// password could grant themselves every right: only a supervisor opens the
// rights window, nobody changes their own rights, and every change leaves a
// station log row saying who changed whose rights from what to what.
class RightsMaintenance {
public:
    // The right that makes a user a supervisor ("29").
    static QString SupervisorRight();
    static bool IsSupervisor(const QString& employeeCode);

    // "User Settings": refused (told) unless the logged-in user is a
    // supervisor; then the password is asked again as before ("Invalid
    // Password" and one more ask when wrong), and the rights window opens.
    static void OpenRightsWindow(QWidget* parent);

    // True when the logged-in user may change this employee's rights;
    // otherwise tells why and answers false.
    static bool MayChange(const QString& employeeCode);
    // True for the logged-in user's own code (their rights are shown, never changed).
    static bool IsOwn(const QString& employeeCode);

    // Saves an employee's rights text after MayChange, the change and its
    // log row in one transaction (the rights before are read inside it, so
    // the log tells what was really replaced). False when refused or when
    // the save failed (told).
    static bool Save(const QString& employeeCode, const QString& rightsText);

    // The station log's remark for a change.
    static QString ChangeRemark(const QString& employeeCode, const QString& changedBy, const QString& before,
                                const QString& after);

    static QString NotSupervisorText();
    static QString OwnRightsText();
};

} // namespace shell
