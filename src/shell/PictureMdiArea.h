#pragma once

#include <QImage>
#include <QMdiArea>

namespace shell {

// The main window's work area: child windows over the station's background
// picture, scaled to fill the area whatever its size.
class PictureMdiArea : public QMdiArea {
    Q_OBJECT

public:
    explicit PictureMdiArea(QWidget* parent = nullptr);

    // False when the file is missing or is not a picture; the area keeps its plain colour.
    bool loadPicture(const QString& path);
    bool hasPicture() const { return !picture_.isNull(); }
    // A heading drawn on the picture's upper left: the station and a line under it.
    void setHeading(const QString& title, const QString& subtitle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    QPixmap scaled_;
    QString title_;
    QString subtitle_;
};

} // namespace shell
