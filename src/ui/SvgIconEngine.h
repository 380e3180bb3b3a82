#pragma once

#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>
#include <memory>

class QSvgRenderer;

// The icon of the SVG picture at `path`. Every icon of one path is the same
// icon: the picture is read once and each size is drawn once, the first time
// it is shown, then kept for the life of the application. A missing or
// unreadable picture gives a null icon.
QIcon svgIcon(const QString& path);

// Starts drawing the icon of `path` in `sizes` (device pixels) on a thread of
// its own, for an icon that is needed before the first window can show; the
// icon takes each drawing when first asked for that size, waiting for it if
// it is not done yet.
void prepareSvgIcon(const QString& path, const QList<QSize>& sizes);

// Draws an icon from one SVG picture, keeping every pixmap it has drawn.
// Qt's own SVG icon engine reads its file again for every size and mode it
// draws and has to be loaded as a plugin; this one reads its picture once.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

    // Draws `sizes` on a thread of its own (see prepareSvgIcon).
    void prepare(const QList<QSize>& sizes);

    // How many pixmaps have been drawn from the picture so far, here or on
    // another thread.
    int drawnPixmaps() const { return drawn_; }

private:
    struct Prepared {
        QList<QSize> sizes;
        std::shared_future<QList<QImage>> images; // in the order of `sizes`
    };

    QPixmap preparedPixmap(const QSize& size);

    QString path_;
    std::shared_ptr<QSvgRenderer> renderer_;
    QHash<quint64, QPixmap> pixmaps_; // by size and mode
    QList<Prepared> prepared_;
    int drawn_ = 0;
};
