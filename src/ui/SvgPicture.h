#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The SVG picture at `path` drawn into a pixmap of `size` on `background`,
// keeping its proportions; an empty pixmap when the picture is missing.
QPixmap renderSvg(const QString& path, QSize size, const QColor& background = Qt::transparent);
