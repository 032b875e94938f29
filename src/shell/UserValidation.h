#pragma once

#include <QString>

class QWidget;

namespace shell {

// How every saving window signs its transaction: show the user validation;
// when nobody signed, ask the window's own Yes/No question (which names what
// will not be saved): Yes shows the validation again, No abandons.
//
// True when a user signed: app::ValidatedUserID (and, for a cancellation,
// app::ValidationRemarks) then hold the signature. `postOrCancel` 1 asks for
// the cancellation reason too; `caption` replaces the window's title.
bool ValidateTransaction(const QString& questionWhenMissing, int postOrCancel = 0, const QString& caption = QString(),
                         QWidget* parent = nullptr);

// The same protocol for actions that need a supervisor: true when a
// supervisor was accepted (app::SupervisorID set and app::ValidationRemarks
// "Allowed ").
bool ValidateSupervisor(const QString& questionWhenMissing, QWidget* parent = nullptr);

} // namespace shell
