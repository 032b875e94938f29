#include "shell/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace shell {

namespace {

constexpr int kSize = 64;
const QColor kInk(0x1F, 0x5F, 0x78);
const QColor kAccent(0x3A, 0xA3, 0xB8);

using Drawing = std::function<void(QPainter&)>;

QPixmap draw(const Drawing& drawing, const QColor& ink)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    drawing(p);
    return pixmap;
}

void page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(16, 8);
    path.lineTo(38, 8);
    path.lineTo(50, 20);
    path.lineTo(50, 56);
    path.lineTo(16, 56);
    path.closeSubpath();
    p.drawPath(path);
}

Drawing drawingFor(const QString& key)
{
    if (key == QLatin1String("Open")) // the patient list
        return [](QPainter& p) {
            p.drawRoundedRect(QRectF(10, 10, 44, 44), 6, 6);
            for (int y : {24, 34, 44}) {
                p.drawPoint(QPointF(19, y));
                p.drawLine(QPointF(27, y), QPointF(45, y));
            }
        };
    if (key == QLatin1String("Report"))
        return [](QPainter& p) {
            page(p);
            p.drawLine(QPointF(24, 30), QPointF(42, 30));
            p.drawLine(QPointF(24, 39), QPointF(42, 39));
            p.drawLine(QPointF(24, 48), QPointF(36, 48));
        };
    if (key == QLatin1String("Audit"))
        return [](QPainter& p) {
            page(p);
            p.drawEllipse(QPointF(31, 34), 8, 8);
            p.drawLine(QPointF(37, 40), QPointF(44, 47));
        };
    if (key == QLatin1String("Month"))
        return [](QPainter& p) {
            p.drawRoundedRect(QRectF(10, 14, 44, 40), 6, 6);
            p.drawLine(QPointF(10, 26), QPointF(54, 26));
            p.drawLine(QPointF(22, 8), QPointF(22, 18));
            p.drawLine(QPointF(42, 8), QPointF(42, 18));
            for (int x : {21, 32, 43})
                for (int y : {35, 45})
                    p.drawPoint(QPointF(x, y));
        };
    if (key == QLatin1String("Statistics"))
        return [](QPainter& p) {
            p.drawLine(QPointF(10, 54), QPointF(54, 54));
            p.drawLine(QPointF(18, 46), QPointF(18, 34));
            p.drawLine(QPointF(30, 46), QPointF(30, 18));
            p.drawLine(QPointF(42, 46), QPointF(42, 28));
        };
    if (key == QLatin1String("Stockcard"))
        return [](QPainter& p) {
            QPainterPath box;
            box.moveTo(10, 22);
            box.lineTo(32, 12);
            box.lineTo(54, 22);
            box.lineTo(54, 46);
            box.lineTo(32, 56);
            box.lineTo(10, 46);
            box.closeSubpath();
            p.drawPath(box);
            p.drawLine(QPointF(10, 22), QPointF(32, 32));
            p.drawLine(QPointF(54, 22), QPointF(32, 32));
            p.drawLine(QPointF(32, 32), QPointF(32, 56));
        };
    if (key == QLatin1String("Exit"))
        return [](QPainter& p) {
            p.drawArc(QRectF(12, 14, 40, 40), 120 * 16, 300 * 16);
            p.drawLine(QPointF(32, 8), QPointF(32, 32));
        };
    if (key == QLatin1String("Operation")) // a heart-beat trace
        return [](QPainter& p) {
            QPainterPath trace;
            trace.moveTo(6, 34);
            trace.lineTo(20, 34);
            trace.lineTo(26, 20);
            trace.lineTo(34, 48);
            trace.lineTo(40, 30);
            trace.lineTo(44, 34);
            trace.lineTo(58, 34);
            p.drawPath(trace);
        };
    if (key == QLatin1String("Build"))
        return [](QPainter& p) {
            p.drawRoundedRect(QRectF(10, 34, 20, 20), 3, 3);
            p.drawRoundedRect(QRectF(34, 34, 20, 20), 3, 3);
            p.drawRoundedRect(QRectF(22, 10, 20, 20), 3, 3);
        };
    if (key == QLatin1String("RUV")) // relative-value list: numbered lines
        return [](QPainter& p) {
            p.drawRoundedRect(QRectF(10, 10, 44, 44), 6, 6);
            QFont f;
            f.setPixelSize(14);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(14, 14, 36, 36), Qt::AlignCenter, QStringLiteral("RVS"));
        };
    return {};
}

} // namespace

QPixmap StationEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, size, size);
    fill.setColorAt(0, QColor(0x3A, 0x8F, 0xA8));
    fill.setColorAt(1, QColor(0x1F, 0x5F, 0x78));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    const qreal arm = size * 0.17;
    const qreal len = size * 0.31;
    const QPointF c(size / 2.0, size / 2.0);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - arm / 2, c.y() - len, arm, 2 * len), arm / 4, arm / 4);
    p.drawRoundedRect(QRectF(c.x() - len, c.y() - arm / 2, 2 * len, arm), arm / 4, arm / 4);
    return pixmap;
}

QIcon StationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(StationEmblem(size));
    return icon;
}

QIcon ToolbarIcon(const QString& key)
{
    const Drawing drawing = drawingFor(key);
    if (!drawing)
        return {};
    QIcon icon;
    icon.addPixmap(draw(drawing, kInk), QIcon::Normal);
    icon.addPixmap(draw(drawing, kAccent), QIcon::Active);
    QColor faded(0xB4, 0xC2, 0xC8);
    icon.addPixmap(draw(drawing, faded), QIcon::Disabled);
    return icon;
}

} // namespace shell
