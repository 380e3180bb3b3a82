#include "ui/SvgIconEngine.h"

#include "ui/SvgPicture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

struct KeptIcon {
    QIcon icon;
    SvgIconEngine* engine; // owned by the icon
};

QHash<QString, KeptIcon>& iconsByPath() {
    static QHash<QString, KeptIcon> icons;
    return icons;
}

// The threads drawing pictures ahead, waited for before the icons go.
std::vector<std::future<void>>& drawingThreads() {
    static std::vector<std::future<void>> threads;
    return threads;
}

void forgetIcons() {
    for (std::future<void>& thread : drawingThreads()) thread.wait();
    drawingThreads().clear();
    iconsByPath().clear();
}

const KeptIcon& keptIcon(const QString& path) {
    QHash<QString, KeptIcon>& icons = iconsByPath();
    if (const auto found = icons.constFind(path); found != icons.cend()) return *found;
    // The pixmaps go with the application, not at the end of the program.
    if (icons.isEmpty()) qAddPostRoutine(forgetIcons);
    auto* engine = new SvgIconEngine(path);
    return *icons.insert(path, {QIcon(engine), engine});
}

quint64 pixmapKey(const QSize& size, QIcon::Mode mode) {
    return (quint64(quint32(size.width())) << 32) | (quint64(quint16(size.height())) << 16) |
           quint64(mode);
}

// Runs on a thread of its own, with a renderer of its own: a renderer is
// never shared between threads.
QList<QImage> drawImages(const QString& path, const QList<QSize>& sizes) {
    if (!QFile::exists(path)) return QList<QImage>(sizes.size());
    QSvgRenderer renderer(path);
    QList<QImage> images;
    for (const QSize& size : sizes) {
        QImage image;
        if (renderer.isValid() && !size.isEmpty()) {
            image = QImage(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            drawSvg(renderer, image, size);
        }
        images.append(image);
    }
    return images;
}

} // namespace

QIcon svgIcon(const QString& path) {
    return keptIcon(path).icon;
}

SvgIconEngine& svgIconEngine(const QString& path) {
    return *keptIcon(path).engine;
}

void prepareSvgIcons(const QList<SvgIconSizes>& pictures) {
    if (pictures.isEmpty()) return;
    auto promises = std::make_shared<std::vector<std::promise<QList<QImage>>>>(pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i)
        keptIcon(pictures[i].path)
            .engine->adopt(pictures[i].sizes, (*promises)[size_t(i)].get_future().share());
    drawingThreads().push_back(std::async(std::launch::async, [pictures, promises] {
        for (qsizetype i = 0; i < pictures.size(); ++i)
            (*promises)[size_t(i)].set_value(drawImages(pictures[i].path, pictures[i].sizes));
    }));
}

SvgIconEngine::SvgIconEngine(const QString& path) : path_(path), exists_(QFile::exists(path)) {}

QSvgRenderer& SvgIconEngine::renderer() {
    if (!renderer_) renderer_ = std::make_shared<QSvgRenderer>(path_);
    return *renderer_;
}

void SvgIconEngine::adopt(const QList<QSize>& sizes,
                          const std::shared_future<QList<QImage>>& images) {
    prepared_.append({sizes, images});
}

QPixmap SvgIconEngine::preparedPixmap(const QSize& size) {
    for (const Prepared& batch : std::as_const(prepared_)) {
        const qsizetype at = batch.sizes.indexOf(size);
        if (at < 0) continue;
        const QImage& image = batch.images.get().at(at);
        if (image.isNull()) return {};
        ++drawn_;
        return QPixmap::fromImage(image);
    }
    return {};
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (size.isEmpty() || !exists_) return {};
    // An active icon (under the mouse) looks as a normal one.
    if (mode == QIcon::Active) mode = QIcon::Normal;
    const quint64 key = pixmapKey(size, mode);
    if (const auto found = pixmaps_.constFind(key); found != pixmaps_.cend()) return *found;

    QPixmap drawn;
    if (mode == QIcon::Normal) {
        drawn = preparedPixmap(size);
        if (drawn.isNull() && renderer().isValid()) {
            drawn = QPixmap(size);
            drawn.fill(Qt::transparent);
            drawSvg(renderer(), drawn, size);
            ++drawn_;
            ++drawnHere_;
        }
    } else {
        // Disabled and selected looks come from the style, as for any icon.
        const QPixmap normal = pixmap(size, QIcon::Normal, state);
        if (!normal.isNull()) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        }
    }
    pixmaps_.insert(key, drawn);
    return drawn;
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap shown = pixmap(rect.size() * ratio, mode, state);
    shown.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, shown);
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(*this);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("SvgIconEngine");
}

bool SvgIconEngine::isNull() {
    return !exists_;
}
