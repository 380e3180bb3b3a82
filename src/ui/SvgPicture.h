#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPaintDevice;
class QSvgRenderer;

// The SVG picture at `path` drawn into a pixmap of `size` on `background`,
// keeping its proportions; an empty pixmap when the picture is missing.
QPixmap renderSvg(const QString& path, QSize size, const QColor& background = Qt::transparent);

// Draws the picture `renderer` holds over the top-left `size` of `device`,
// keeping its proportions and centring it.
void drawSvg(QSvgRenderer& renderer, QPaintDevice& device, QSize size);
