#include "shell/OptionButtons.h"

#include "shell/StationLook.h"

#include <QHBoxLayout>

namespace shell {

QHBoxLayout* CreateOptionButtons(QWidget* parent, QPushButton* (&cmdOption)[2])
{
    cmdOption[0] = new QPushButton(QStringLiteral("&OK"), parent);
    cmdOption[0]->setObjectName(QStringLiteral("cmdOption_0"));
    cmdOption[1] = new QPushButton(QStringLiteral("&Cancel"), parent);
    cmdOption[1]->setObjectName(QStringLiteral("cmdOption_1"));
    return StationLook::ButtonRow({cmdOption[0], cmdOption[1]});
}

} // namespace shell
