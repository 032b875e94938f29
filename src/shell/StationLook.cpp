#include "shell/StationLook.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>

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

namespace {

// Shortens the longest captions first, only as far as the strip needs, and
// gives the whole caption back when the window grows again.
class TabFitter : public QObject {
public:
    explicit TabFitter(QTabWidget* tabs) : QObject(tabs), tabs_(tabs)
    {
        setObjectName(QStringLiteral("keepTabsInSight"));
        QTabBar* bar = tabs_->tabBar();
        for (int i = 0; i < tabs_->count(); ++i) {
            bar->setTabData(i, tabs_->tabText(i));
            tabs_->setTabToolTip(i, tabs_->tabText(i));
        }
        tabs_->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        QTabBar* bar = tabs_->tabBar();
        const QFontMetrics metrics(bar->font());
        const int count = tabs_->count();
        // The style's room around a caption, and a little for the strip's ends.
        const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar) + 2;
        const int available = tabs_->width() - padding;
        QStringList full;
        int widest = 0;
        for (int i = 0; i < count; ++i) {
            full << bar->tabData(i).toString();
            widest = std::max(widest, metrics.horizontalAdvance(full.back()));
        }
        for (int limit = widest;; limit -= 8) {
            int total = 0;
            for (int i = 0; i < count; ++i)
                if (tabs_->isTabVisible(i)) // a hidden tab takes no room
                    total += std::min(limit, metrics.horizontalAdvance(full[i])) + padding;
            if (total <= available || limit <= 48) {
                for (int i = 0; i < count; ++i)
                    tabs_->setTabText(i, metrics.horizontalAdvance(full[i]) > limit
                                             ? metrics.elidedText(full[i], Qt::ElideRight, limit)
                                             : full[i]);
                return;
            }
        }
    }

    QTabWidget* tabs_;
};

} // namespace

void KeepTabsInSight(QTabWidget* tabs)
{
    // Found by name: the fitter has no meta-object of its own to be found by.
    static const QString name = QStringLiteral("keepTabsInSight");
    if (!tabs->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        new TabFitter(tabs);
}

} // namespace shell::StationLook
