#pragma once

#include <QColor>
#include <QHash>
#include <QStringList>
#include <QWidget>

class QVariantAnimation;

namespace shell {

// The station's animated assistant: a small character in the lower right of
// the work area that shows itself, plays a short animation and speaks a line
// in a balloon. The character is described by a file of its own (name,
// colours, animations and its stock phrases) that the program ships.
class AssistantCharacter : public QWidget {
    Q_OBJECT

public:
    explicit AssistantCharacter(QWidget* parent);

    // Loads the character `id` from the file. False when the file is missing,
    // unreadable, or describes another or an incomplete character.
    bool Load(const QString& id, const QString& path);
    void Unload();
    bool isLoaded() const { return !id_.isEmpty(); }
    QString characterName() const { return name_; }
    QStringList animations() const { return animations_; }
    // One of the character's stock phrases by key; "" when it has none.
    QString phrase(const QString& key) const;

    void Show();
    void Hide();
    // Plays one of the character's animations; false for an unknown one.
    bool Play(const QString& animation);
    void Speak(const QString& text);
    void StopAll();
    QString balloonText() const { return balloon_; }

signals:
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeInCorner();

    QString id_;
    QString name_;
    QColor robe_;
    QColor accent_;
    QStringList animations_;
    QHash<QString, QString> phrases_;
    QString balloon_;
    QVariantAnimation* bounce_ = nullptr;
    qreal lift_ = 0;
};

} // namespace shell
