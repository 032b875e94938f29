#include "shell/StationLook.h"

#include <QTabWidget>

#include <QApplication>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolTip>

namespace shell::StationLook {

namespace {

// Fusion with the station's spacing: every layout that does not choose its
// own spacing and margins takes them from the one scale.
class StationStyle : public QProxyStyle {
public:
    StationStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return Small;
        case PM_LayoutLeftMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutBottomMargin:
            return Medium;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

QPalette Palette()
{
    // Soft grey surfaces, white boxes, one blue for what is selected: quiet
    // enough for a screen looked at all shift, with text at full contrast.
    const QColor window(0xF2, 0xF3, 0xF5);
    const QColor text(0x1E, 0x23, 0x2A);
    const QColor highlight(0x2D, 0x6C, 0xA8);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xF6, 0xF8, 0xFA));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0xE8, 0xEA, 0xEE));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight);
    palette.setColor(QPalette::LinkVisited, highlight.darker(120));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x86, 0x8E));
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xDD, 0xE0, 0xE5));
    palette.setColor(QPalette::Mid, QColor(0xB4, 0xB9, 0xC1));
    palette.setColor(QPalette::Dark, QColor(0x5F, 0x66, 0x70));
    palette.setColor(QPalette::Shadow, QColor(0x40, 0x44, 0x4A));
    const QColor greyed(0x8E, 0x94, 0x9C);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyed);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xA9, 0xB4, 0xC2));
    return palette;
}

void Apply()
{
    QApplication::setStyle(new StationStyle);
    const QPalette palette = Palette();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool withDefault)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(Small);
    row->addStretch(1);
    bool first = true;
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        button->setDefault(withDefault && first);
        button->setMinimumWidth(96);
        row->addWidget(button);
        first = false;
    }
    return row;
}

} // namespace shell::StationLook

namespace shell::StationLook {

void KeepTabsInSight(QTabWidget* tabs)
{
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideRight);
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabToolTip(i, tabs->tabText(i));
}

} // namespace shell::StationLook
