#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command toolbar's customised layout, kept per player in a settings
// file of the player's configuration directory. A layout is the keys of the
// shown entries in their order; entries not listed are hidden. An entry is
// addressed by three texts, as the toolbar's own save and restore take them:
// a key, a subkey path (parts separated by back-slashes) and a value name.
class ToolbarSettings {
public:
    static inline const QString kKey = QStringLiteral("Toolbar");
    static inline const QString kSubKey = QStringLiteral(R"(Software\Tolvane Studios\Vorka)");
    static inline const QString kValueName = QStringLiteral("1");

    // "<configuration directory>/Tolvane Studios/Vorka.ini".
    static QString defaultFile();

    explicit ToolbarSettings(const QString& file = defaultFile());

    const QString& file() const { return file_; }

    // Whether the layout was written. Keys must be non-empty and free of
    // commas (the entries' keys are single words).
    bool saveToolbar(const QString& key, const QString& subKey, const QString& valueName,
                     const QStringList& layout) const;
    // The saved layout, or nothing when none was saved (first run) or what is
    // there is not a layout.
    std::optional<QStringList> restoreToolbar(const QString& key, const QString& subKey,
                                              const QString& valueName) const;

    // The same with the game's own three texts.
    bool save(const QStringList& layout) const {
        return saveToolbar(kKey, kSubKey, kValueName, layout);
    }
    std::optional<QStringList> restore() const { return restoreToolbar(kKey, kSubKey, kValueName); }

private:
    QString file_;
};
