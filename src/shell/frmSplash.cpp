#include "shell/frmSplash.h"

#include "shell/ProgramVersion.h"
#include "shell/ToolbarIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace shell {

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    setStyleSheet(QStringLiteral("#frmSplash { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #FFFFFF, stop:1 #E4EFF3);"
                                 " border: 1px solid #B9CDD5; }"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(StationEmblem(96));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::RichText);
    Label1->setText(QStringLiteral("<div style='color:#1F4E63'><span style='font-size:20pt; font-weight:600'>Ruzodi Kelvane</span><br>"
                                   "<span style='font-size:13pt'>Operating Room</span><br>"
                                   "<span style='font-size:9pt; color:#5B7B88'>Version %1</span></div>")
                        .arg(ProgramVersionText()));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(36, 32, 44, 32);
    layout->setSpacing(26);
    layout->addWidget(Image1);
    layout->addWidget(Label1, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    accept();
}

} // namespace shell
