#pragma once

#include <QFont>
#include <QString>

// The game is designed around four fonts that are rarely installed outside
// Windows. installFontSubstitutes() maps each to an installed look-alike, so a
// QFont asking for the designed family gets letters, never a symbol font.
namespace Fonts {

inline const QString kArialRounded = QStringLiteral("Arial Rounded MT Bold");
inline const QString kImpact = QStringLiteral("Impact");
inline const QString kArial = QStringLiteral("Arial");
inline const QString kArialNarrow = QStringLiteral("Arial Narrow");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

void installFontSubstitutes();

// The designed family at a point size, bold or not.
QFont font(const QString& family, double pointSize, bool bold = false);

} // namespace Fonts
