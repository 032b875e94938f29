#pragma once

#include "shell/Prompts.h"

#include <QDate>
#include <QString>

namespace shell {

// The message a refused period shows unless the window has its own.
QString PeriodOrderMessage();

// A period whose start is after its end is refused with a message
// ("Notification"); true when the period may be used. The same start and
// end day is a period of one day. A window with a documented message of its
// own passes it with its icon.
bool CheckPeriod(const QDate& from, const QDate& to, const QString& message = PeriodOrderMessage(),
                 PromptIcon icon = PromptIcon::Exclamation);

} // namespace shell
