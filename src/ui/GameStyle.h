#pragma once

#include <QProxyStyle>

// The desktop's style with the game's own pictures for the standard icons
// the game's windows ask for while they are built: a toolbar's extension
// button, and the icon and window commands of a frame in the main window
// (its system menu).
// The style's own are PNG files, and Qt finds the format of each by asking
// every image plugin, loading them all. Every other icon, and the look of
// every window and control, stay the desktop's.
class GameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // Over the style the application has chosen: the desktop's, or the one
    // the player asked for (-style, QT_STYLE_OVERRIDE).
    static GameStyle* overApplicationStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
