#include "shell/AssistantCharacter.h"

#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <cmath>

namespace shell {

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 118;
constexpr int kMargin = 18;

} // namespace

AssistantCharacter::AssistantCharacter(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Agent1"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
    bounce_ = new QVariantAnimation(this);
    bounce_->setDuration(900);
    bounce_->setKeyValueAt(0, 0.0);
    bounce_->setKeyValueAt(0.25, 10.0);
    bounce_->setKeyValueAt(0.5, 0.0);
    bounce_->setKeyValueAt(0.75, 5.0);
    bounce_->setKeyValueAt(1, 0.0);
    connect(bounce_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        lift_ = v.toReal();
        update();
    });
    if (parent)
        parent->installEventFilter(this);
}

bool AssistantCharacter::Load(const QString& id, const QString& path)
{
    Unload();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject character = document.object();
    if (character.value(QStringLiteral("character")).toString().compare(id, Qt::CaseInsensitive) != 0)
        return false;
    const QJsonArray animations = character.value(QStringLiteral("animations")).toArray();
    const QString name = character.value(QStringLiteral("name")).toString();
    if (animations.isEmpty() || name.isEmpty())
        return false;

    QStringList names;
    for (const QJsonValue& a : animations)
        names << a.toString();
    const QJsonObject colours = character.value(QStringLiteral("colours")).toObject();
    const QJsonObject phrases = character.value(QStringLiteral("phrases")).toObject();

    id_ = id;
    name_ = name;
    animations_ = names;
    robe_ = QColor(colours.value(QStringLiteral("robe")).toString(QStringLiteral("#2F5D8A")));
    accent_ = QColor(colours.value(QStringLiteral("accent")).toString(QStringLiteral("#F2B544")));
    for (auto it = phrases.begin(); it != phrases.end(); ++it)
        phrases_.insert(it.key(), it.value().toString());
    return true;
}

void AssistantCharacter::Unload()
{
    StopAll();
    Hide();
    id_.clear();
    name_.clear();
    animations_.clear();
    phrases_.clear();
    balloon_.clear();
}

QString AssistantCharacter::phrase(const QString& key) const
{
    return phrases_.value(key);
}

void AssistantCharacter::Show()
{
    if (!isLoaded())
        return;
    placeInCorner();
    show();
    raise();
}

void AssistantCharacter::Hide()
{
    hide();
}

bool AssistantCharacter::Play(const QString& animation)
{
    if (!animations_.contains(animation, Qt::CaseInsensitive))
        return false;
    bounce_->stop();
    bounce_->start();
    return true;
}

void AssistantCharacter::Speak(const QString& text)
{
    balloon_ = text;
    update();
}

void AssistantCharacter::StopAll()
{
    bounce_->stop();
    lift_ = 0;
    update();
}

void AssistantCharacter::placeInCorner()
{
    if (QWidget* area = parentWidget())
        move(area->width() - width() - kMargin, area->height() - height() - kMargin);
}

bool AssistantCharacter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeInCorner();
    return QWidget::eventFilter(watched, event);
}

void AssistantCharacter::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}

void AssistantCharacter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // The speech balloon, left of the character.
    if (!balloon_.isEmpty()) {
        const QRectF balloon(0, 8, kWidth - 104, kHeight - 30);
        QPainterPath path;
        path.addRoundedRect(balloon, 12, 12);
        QPolygonF tail;
        tail << QPointF(balloon.right() - 2, balloon.center().y() - 8) << QPointF(balloon.right() + 14, balloon.center().y() + 4)
             << QPointF(balloon.right() - 2, balloon.center().y() + 10);
        path.addPolygon(tail);
        path = path.simplified();
        p.setPen(QPen(QColor(0, 0, 0, 40), 1));
        p.setBrush(QColor(255, 255, 255, 240));
        p.drawPath(path);
        p.setPen(QColor(0x22, 0x33, 0x44));
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() + 1);
        p.setFont(f);
        p.drawText(balloon.adjusted(14, 10, -14, -10), Qt::AlignVCenter | Qt::TextWordWrap, balloon_);
    }

    // The character: a round badge with a pointed hat and a star.
    const QPointF centre(kWidth - 46, kHeight - 46 - lift_);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(QPointF(kWidth - 46, kHeight - 8), 30, 5);
    QRadialGradient glow(centre, 40);
    glow.setColorAt(0, robe_.lighter(135));
    glow.setColorAt(1, robe_);
    p.setBrush(glow);
    p.drawEllipse(centre, 34, 34);
    QPolygonF hat;
    hat << QPointF(centre.x() - 22, centre.y() - 6) << QPointF(centre.x() + 4, centre.y() - 54)
        << QPointF(centre.x() + 24, centre.y() - 6);
    p.setBrush(robe_.darker(130));
    p.drawPolygon(hat);
    p.setBrush(accent_);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? 3.5 : 8;
        const qreal a = M_PI / 2 + i * M_PI / 5;
        star << QPointF(centre.x() + 2 + r * std::cos(a), centre.y() - 24 - r * std::sin(a));
    }
    p.drawPolygon(star);
    p.setBrush(QColor(255, 240, 220));
    p.drawEllipse(QPointF(centre.x(), centre.y() + 8), 16, 14);
    p.setBrush(QColor(0x33, 0x33, 0x44));
    p.drawEllipse(QPointF(centre.x() - 6, centre.y() + 5), 2.2, 2.2);
    p.drawEllipse(QPointF(centre.x() + 6, centre.y() + 5), 2.2, 2.2);
    p.setPen(QPen(QColor(0x55, 0x33, 0x33), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 6, centre.y() + 6, 12, 8), 200 * 16, 140 * 16);
}

} // namespace shell
