#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QTimer;

namespace shell {

// The main window's status bar: eight panels, numbered from 1 as the
// station has always called them. 2 holds the user's initials, 3 the user's
// name, 7 the date (its tool tip the long date) and 8 the server.
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 8;

    explicit StatusPanels(QWidget* parent = nullptr);

    QLabel* panel(int index) const; // 1..8
    QString text(int index) const;
    void setText(int index, const QString& text);
    void setToolTip(int index, const QString& tip);
    // The date panel follows this date until the next call.
    void setDate(const QDateTime& serverDate);

private:
    void tick();

    std::array<QLabel*, PanelCount> panels_{};
    QTimer* clock_ = nullptr;
};

} // namespace shell
