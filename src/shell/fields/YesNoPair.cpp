#include "shell/fields/YesNoPair.h"

#include <QAbstractButton>

namespace shell {

void MakeYesNoPair(QAbstractButton* yes, QAbstractButton* no)
{
    QObject::connect(yes, &QAbstractButton::toggled, no, [no](bool on) {
        if (on)
            no->setChecked(false);
    });
    QObject::connect(no, &QAbstractButton::toggled, yes, [yes](bool on) {
        if (on)
            yes->setChecked(false);
    });
}

} // namespace shell
