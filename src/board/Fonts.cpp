#include "board/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

void installFontSubstitutes() {
    // Look-alikes from Debian's font packages, best first; Qt takes the first
    // one that is installed.
    QFont::insertSubstitutions(kArialRounded,
                               {QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kImpact, {QStringLiteral("DejaVu Sans Condensed"),
                                         QStringLiteral("Liberation Sans Narrow"),
                                         QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kArial,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kArialNarrow, {QStringLiteral("Liberation Sans Narrow"),
                                              QStringLiteral("DejaVu Sans Condensed"),
                                              QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kMsSansSerif,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont font(const QString& family, double pointSize, bool bold) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    // Impact is a heavy face; its look-alikes need bold to match it.
    f.setBold(bold || family == kImpact);
    // Never let a missing family fall back to a symbol font.
    f.setStyleHint(QFont::SansSerif, QFont::PreferMatch);
    return f;
}

} // namespace Fonts
