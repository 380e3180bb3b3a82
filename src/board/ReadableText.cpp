#include "board/ReadableText.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ReadableText {

namespace {

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Sets the widget's text colour again whenever its palette changes (the
// desktop's scheme, or the palette of a window it lies in).
class Keeper : public QObject {
public:
    Keeper(QWidget* widget, const QColor& chosen) : QObject(widget), chosen_(chosen) {
        widget->installEventFilter(this);
        apply(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) apply(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void apply(QWidget* widget) {
        const QColor wanted = on(chosen_, widget->palette().color(widget->backgroundRole()));
        if (widget->palette().color(widget->foregroundRole()) == wanted) return;
        QPalette palette = widget->palette();
        palette.setColor(widget->foregroundRole(), wanted);
        widget->setPalette(palette);
    }

    QColor chosen_;
};

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor on(const QColor& chosen, const QColor& ground) {
    // A light ground keeps the game's colour.
    if (luminance(ground) >= luminance(chosen)) return chosen;
    QColor lighter = chosen;
    for (int step = 1; step <= 20 && contrast(lighter, ground) < kMinimumContrast; ++step) {
        const double towardWhite = step / 20.0;
        lighter = QColor::fromRgbF(chosen.redF() + (1 - chosen.redF()) * towardWhite,
                                   chosen.greenF() + (1 - chosen.greenF()) * towardWhite,
                                   chosen.blueF() + (1 - chosen.blueF()) * towardWhite);
    }
    return lighter;
}

void keep(QWidget* widget, const QColor& chosen) {
    new Keeper(widget, chosen);
}

} // namespace ReadableText
