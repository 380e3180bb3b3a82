#include "storage/ToolbarSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

// QSettings separates groups with slashes and takes a back-slash as one
// too; the address is made of plain slash-separated parts.
QString settingsPath(const QString& key, const QString& subKey, const QString& valueName) {
    QStringList parts = subKey.split(u'\\', Qt::SkipEmptyParts);
    parts << key << valueName;
    for (QString& part : parts) part.replace(u'/', u'_');
    return parts.join(u'/');
}

bool usableKey(const QString& key) {
    return !key.trimmed().isEmpty() && !key.contains(u',');
}

} // namespace

QString ToolbarSettings::defaultFile() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Tolvane Studios/Vorka.ini"));
}

ToolbarSettings::ToolbarSettings(const QString& file) : file_(file) {}

bool ToolbarSettings::saveToolbar(const QString& key, const QString& subKey,
                                  const QString& valueName, const QStringList& layout) const {
    for (const QString& entry : layout)
        if (!usableKey(entry)) return false;
    QSettings settings(file_, QSettings::IniFormat);
    // One text, so that an empty layout (every entry hidden) is kept too.
    settings.setValue(settingsPath(key, subKey, valueName), layout.join(u','));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QStringList> ToolbarSettings::restoreToolbar(const QString& key,
                                                           const QString& subKey,
                                                           const QString& valueName) const {
    const QSettings settings(file_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings.value(settingsPath(key, subKey, valueName));
    QStringList layout;
    // A hand-edited file may hold the keys unquoted, which reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        layout = value.toStringList();
    else if (value.typeId() == QMetaType::QString)
        layout = value.toString().split(u',', Qt::SkipEmptyParts);
    else
        return std::nullopt;
    for (QString& entry : layout) {
        entry = entry.trimmed();
        if (!usableKey(entry)) return std::nullopt;
    }
    return layout;
}
