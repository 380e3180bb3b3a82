#pragma once

#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <future>
#include <memory>
#include <vector>

class QSvgRenderer;

// The icon of the SVG picture at `path`. Every icon of one path is the same
// icon: the picture is read once and each size is drawn once, the first time
// it is shown, then kept for the life of the application. A missing picture
// gives a null icon, an unreadable one empty pixmaps.
QIcon svgIcon(const QString& path);

// `size` in device pixels on a screen of this scale.
inline QSize inDevicePixels(QSize size, qreal scale) {
    return (QSizeF(size) * scale).toSize();
}

// Sizes of one picture to draw ahead, in device pixels.
struct SvgIconSizes {
    QString path;
    QList<QSize> sizes;
};

// Starts reading and drawing these pictures, in this order, on a thread of
// their own, for windows that are about to be shown: each icon takes its
// drawing when first asked for that size, waiting for it if it is not done.
void prepareSvgIcons(const QList<SvgIconSizes>& pictures);

class SvgIconEngine;
// The engine of svgIcon(path), for tests that ask what it has drawn.
SvgIconEngine& svgIconEngine(const QString& path);

// Draws an icon from one SVG picture, keeping every pixmap it has drawn.
// Qt's own SVG icon engine reads its file again for every size and mode it
// draws and has to be loaded as a plugin; this one reads its picture once,
// and only when it first draws it here.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

    // Takes these sizes from drawings made elsewhere (see prepareSvgIcons):
    // `images` holds one image for each size, in order.
    void adopt(const QList<QSize>& sizes, const std::shared_future<QList<QImage>>& images);

    // How many pixmaps have been drawn from the picture so far, here or on
    // another thread, and how many of them here.
    int drawnPixmaps() const { return drawn_; }
    int drawnHere() const { return drawnHere_; }

private:
    struct Prepared {
        QList<QSize> sizes;
        std::shared_future<QList<QImage>> images;
    };

    QSvgRenderer& renderer();
    QPixmap preparedPixmap(const QSize& size);

    QString path_;
    std::shared_ptr<QSvgRenderer> renderer_; // read on first use
    bool exists_;
    QHash<quint64, QPixmap> pixmaps_; // by size and mode
    QList<Prepared> prepared_;
    int drawn_ = 0;
    int drawnHere_ = 0;
};
