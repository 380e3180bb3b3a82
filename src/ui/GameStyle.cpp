#include "ui/GameStyle.h"


#include <QApplication>
#include <QIcon>

GameStyle* GameStyle::overApplicationStyle() {
    return new GameStyle(QApplication::style()->name());
}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
    const auto picture = [](const char* name) {
        return QIcon(QStringLiteral(":/pictures/") + QLatin1String(name));
    };
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return picture("toolbar/more-h.svg");
    case SP_ToolBarVerticalExtensionButton:
        return picture("toolbar/more-v.svg");
    case SP_TitleBarMenuButton: // a frame's icon when its window has none
        return picture("vorka.svg");
    case SP_TitleBarMinButton:
        return picture("titlebar/minimize.svg");
    case SP_TitleBarMaxButton:
        return picture("titlebar/maximize.svg");
    case SP_TitleBarNormalButton:
        return picture("titlebar/restore.svg");
    case SP_TitleBarCloseButton:
        return picture("titlebar/close.svg");
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}
