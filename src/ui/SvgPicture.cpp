#include "ui/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap renderSvg(const QString& path, QSize size, const QColor& background) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QPixmap pixmap(size);
    pixmap.fill(background);
    drawSvg(renderer, pixmap, size);
    return pixmap;
}

void drawSvg(QSvgRenderer& renderer, QPaintDevice& device, QSize size) {
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&device);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
}
