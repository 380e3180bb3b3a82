#include "ui/ToolbarEntries.h"

#include <QSet>

const QList<ToolbarEntry>& toolbarEntries() {
    static const QList<ToolbarEntry> entries = {
        {"New", "&New", "New game", "Starts a new game", ":/pictures/toolbar/new.svg",
         QKeySequence::New},
        {"Scores", "S&cores", "High Scores", "Displays Vorka high scores",
         ":/pictures/toolbar/scores.svg", QKeySequence::UnknownKey},
        {"Separator", "", "Separator", "", "", QKeySequence::UnknownKey},
        {"Open", "&Open", "Open Game", "Opens a previously saved game",
         ":/pictures/toolbar/open.svg", QKeySequence::Open},
        {"Save", "&Save", "Same Current Game", "Sves the current game",
         ":/pictures/toolbar/save.svg", QKeySequence::Save},
        {"Separator3", "", "Separator", "", "", QKeySequence::UnknownKey},
        {"Quit", "&Quit", "Quit", "Leaves Vorka", ":/pictures/toolbar/quit.svg",
         QKeySequence::Quit},
        {"Sounds", "So&unds", "Options", "Toggles Vorka Sounds on/off",
         ":/pictures/toolbar/sounds.svg", QKeySequence::UnknownKey},
        {"HELP", "&Help", "Help", "Displays Vorka Help", ":/pictures/toolbar/help.svg",
         QKeySequence::HelpContents},
        {"Hint", "H&int", "Hint", "Shows what each choice is worth", ":/pictures/toolbar/hint.svg",
         QKeySequence::UnknownKey},
        {"Tile", "&Tile", "Tile Boards",
         "Lays the boards out side by side, in rows when the window is tall enough",
         ":/pictures/toolbar/tile.svg", QKeySequence::UnknownKey},
        {"Cascade", "C&ascade", "Cascade Boards", "Lays the boards out one over another",
         ":/pictures/toolbar/cascade.svg", QKeySequence::UnknownKey},
    };
    return entries;
}

bool isDesignedEntry(const ToolbarEntry& entry) {
    return entry.key != u"Hint" && entry.key != u"Tile" && entry.key != u"Cascade";
}

QKeySequence extraShortcut(const ToolbarEntry& entry) {
    if (entry.key == u"Hint") return QKeySequence(Qt::CTRL | Qt::Key_H);
    // Some desktop themes bind no key to quitting, or another one.
    if (entry.key == u"Quit") return QKeySequence(Qt::CTRL | Qt::Key_Q);
    if (entry.key == u"Tile") return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    if (entry.key == u"Cascade") return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K);
    return QKeySequence();
}

int toolbarEntryIndex(const QString& key) {
    const QString wanted = key.toUpper();
    const auto& entries = toolbarEntries();
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].key.toUpper() == wanted) return i;
    return -1;
}

QStringList designedToolbarLayout() {
    QStringList keys;
    for (const ToolbarEntry& e : toolbarEntries())
        if (isDesignedEntry(e)) keys << e.key;
    return keys;
}

QStringList sanitizedToolbarLayout(const QStringList& layout) {
    QStringList keys;
    QSet<int> seen;
    for (const QString& key : layout) {
        const int index = toolbarEntryIndex(key);
        if (index < 0 || seen.contains(index)) continue;
        seen.insert(index);
        keys << toolbarEntries()[index].key;
    }
    return keys.isEmpty() && !layout.isEmpty() ? designedToolbarLayout() : keys;
}
