#include "shell/PictureMdiArea.h"

#include <QImageReader>
#include <QPainter>
#include <QResizeEvent>

namespace shell {

PictureMdiArea::PictureMdiArea(QWidget* parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("mdiArea"));
    setBackground(QColor(0xE9, 0xEE, 0xF2));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool PictureMdiArea::loadPicture(const QString& path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return false;
    picture_ = std::move(image);
    scaled_ = QPixmap();
    viewport()->update();
    return true;
}

void PictureMdiArea::setHeading(const QString& title, const QString& subtitle)
{
    title_ = title;
    subtitle_ = subtitle;
    viewport()->update();
}

void PictureMdiArea::resizeEvent(QResizeEvent* event)
{
    scaled_ = QPixmap();
    QMdiArea::resizeEvent(event);
}

void PictureMdiArea::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    const QSize area = viewport()->size();
    if (scaled_.size() != area && !area.isEmpty()) {
        // Cover the area, cropping the picture's overflow around its centre.
        const QImage cover = picture_.scaled(area, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QPoint origin((cover.width() - area.width()) / 2, (cover.height() - area.height()) / 2);
        scaled_ = QPixmap::fromImage(cover.copy(QRect(origin, area)));
    }
    QPainter painter(viewport());
    painter.drawPixmap(0, 0, scaled_);
    if (!title_.isEmpty()) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont heading = font();
        heading.setPointSizeF(heading.pointSizeF() * 2.6);
        heading.setWeight(QFont::Light);
        painter.setFont(heading);
        painter.setPen(QColor(0x1F, 0x4E, 0x63));
        const QFontMetrics titleMetrics(heading);
        const int left = 48;
        int baseline = 40 + titleMetrics.ascent();
        painter.drawText(left, baseline, title_);
        QFont line = font();
        line.setPointSizeF(line.pointSizeF() * 1.2);
        painter.setFont(line);
        painter.setPen(QColor(0x4F, 0x72, 0x80));
        baseline += titleMetrics.descent() + 10 + QFontMetrics(line).ascent();
        painter.drawText(left, baseline, subtitle_);
    }
}

} // namespace shell
