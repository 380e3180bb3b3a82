#include "board/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

void installFontSubstitutes() {
    // Look-alikes from Debian's font packages, best first; Qt takes the first
    // one that is installed.
    QFont::insertSubstitutions(kArialRounded, {"Comfortaa", "DejaVu Sans"});
    QFont::insertSubstitutions(kImpact,
                               {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"});
    QFont::insertSubstitutions(kArial, {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions(kArialNarrow,
                               {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"});
    QFont::insertSubstitutions(kMsSansSerif, {"Liberation Sans", "DejaVu Sans"});
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
