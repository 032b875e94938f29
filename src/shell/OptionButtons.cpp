#include "shell/OptionButtons.h"

#include <QHBoxLayout>

namespace shell {

QHBoxLayout* CreateOptionButtons(QWidget* parent, QPushButton* (&cmdOption)[2])
{
    cmdOption[0] = new QPushButton(QStringLiteral("&OK"), parent);
    cmdOption[0]->setObjectName(QStringLiteral("cmdOption_0"));
    cmdOption[0]->setDefault(true);
    cmdOption[1] = new QPushButton(QStringLiteral("&Cancel"), parent);
    cmdOption[1]->setObjectName(QStringLiteral("cmdOption_1"));
    cmdOption[1]->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : cmdOption) {
        button->setMinimumWidth(96);
        buttons->addWidget(button);
    }
    return buttons;
}

} // namespace shell
