#include "shell/StatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace shell {

namespace {

// Panel roles: 1 the station, 2 initials, 3 user name, 4 the user's OR station,
// 5 free room for messages, 6 the time, 7 the date, 8 the server.
const char* const kDesignTexts[StatusPanels::PanelCount] = {
    "Operating Room", "", "", "", "", "", "", "Server Name",
};

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StbEr"));
    setSizeGripEnabled(true);
    for (int i = 0; i < PanelCount; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kDesignTexts[i]), this);
        label->setObjectName(QStringLiteral("StbEr_Panel_%1").arg(i + 1));
        label->setProperty("panel", i + 1);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(8, 3, 8, 3);
        panels_[static_cast<size_t>(i)] = label;
        // Panel 5 takes the free width; the others keep their text's width.
        if (i == 4)
            addWidget(label, 1);
        else if (i < 4)
            addWidget(label);
        else
            addPermanentWidget(label);
    }
    panel(2)->setToolTip(tr("Initials"));
    panel(3)->setToolTip(tr("User"));
    panel(4)->setToolTip(tr("Operating-room station"));

    clock_ = new QTimer(this);
    clock_->setInterval(15000);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::tick);
    clock_->start();
    tick();
}

QLabel* StatusPanels::panel(int index) const
{
    return (index >= 1 && index <= PanelCount) ? panels_[static_cast<size_t>(index - 1)] : nullptr;
}

QString StatusPanels::text(int index) const
{
    QLabel* label = panel(index);
    return label ? label->text() : QString();
}

void StatusPanels::setText(int index, const QString& text)
{
    if (QLabel* label = panel(index))
        label->setText(text);
}

void StatusPanels::setToolTip(int index, const QString& tip)
{
    if (QLabel* label = panel(index))
        label->setToolTip(tip);
}

void StatusPanels::setDate(const QDateTime& serverDate)
{
    setText(7, serverDate.date().toString(QStringLiteral("MM/dd/yyyy")));
    setToolTip(7, QLocale(QLocale::English).toString(serverDate.date(), QStringLiteral("dddd, MMMM d, yyyy")));
}

void StatusPanels::tick()
{
    setText(6, QTime::currentTime().toString(QStringLiteral("h:mm AP")));
}

} // namespace shell
