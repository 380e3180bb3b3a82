#include "ui/ToolbarEntries.h"

#include <QCoreApplication>
#include <QSet>

// The captions, descriptions and tooltips are English here; the entry's
// shown...() functions translate them.
const QList<ToolbarEntry>& toolbarEntries() {
    static const QList<ToolbarEntry> entries = {
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"New", QT_TRANSLATE_NOOP("ToolbarEntry", "&New"),
         //: What the New button does, in the customise dialog and the status bar.
         QT_TRANSLATE_NOOP("ToolbarEntry", "New game"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Starts a new game"), ":/pictures/toolbar/new.svg",
         QKeySequence::New},
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"Scores", QT_TRANSLATE_NOOP("ToolbarEntry", "S&cores"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "High Scores"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Displays Vorka high scores"),
         ":/pictures/toolbar/scores.svg", QKeySequence::UnknownKey},
        //: A separator line between toolbar buttons, as the customise dialog lists it.
        {"Separator", "", QT_TRANSLATE_NOOP("ToolbarEntry", "Separator"), "", "",
         QKeySequence::UnknownKey},
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"Open", QT_TRANSLATE_NOOP("ToolbarEntry", "&Open"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Open Game"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Opens a previously saved game"),
         ":/pictures/toolbar/open.svg", QKeySequence::Open},
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"Save", QT_TRANSLATE_NOOP("ToolbarEntry", "&Save"),
         //: What the Save button does (saves the current game).
         QT_TRANSLATE_NOOP("ToolbarEntry", "Same Current Game"),
         //: Tooltip of the Save button.
         QT_TRANSLATE_NOOP("ToolbarEntry", "Sves the current game"), ":/pictures/toolbar/save.svg",
         QKeySequence::Save},
        {"Separator3", "", QT_TRANSLATE_NOOP("ToolbarEntry", "Separator"), "", "",
         QKeySequence::UnknownKey},
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"Quit", QT_TRANSLATE_NOOP("ToolbarEntry", "&Quit"),
         //: What the Quit button does (leaves the game), in the customise dialog.
         QT_TRANSLATE_NOOP("ToolbarEntry", "Quit"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Leaves Vorka"), ":/pictures/toolbar/quit.svg",
         QKeySequence::Quit},
        //: Toolbar button that switches the sounds on and off. Pick an access letter unique among
        //: the toolbar's buttons.
        {"Sounds", QT_TRANSLATE_NOOP("ToolbarEntry", "So&unds"),
         //: The Sounds button as the customise dialog lists it.
         QT_TRANSLATE_NOOP("ToolbarEntry", "Options"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Toggles Vorka Sounds on/off"),
         ":/pictures/toolbar/sounds.svg", QKeySequence::UnknownKey},
        //: Toolbar button. Pick an access letter unique among the toolbar's buttons.
        {"HELP", QT_TRANSLATE_NOOP("ToolbarEntry", "&Help"),
         //: The Help button as the customise dialog lists it.
         QT_TRANSLATE_NOOP("ToolbarEntry", "Help"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Displays Vorka Help"), ":/pictures/toolbar/help.svg",
         QKeySequence::HelpContents},
        //: Toolbar button that shows what each choice is worth. Pick an access letter unique among
        //: the toolbar's buttons.
        {"Hint", QT_TRANSLATE_NOOP("ToolbarEntry", "H&int"),
         //: The Hint button as the customise dialog lists it.
         QT_TRANSLATE_NOOP("ToolbarEntry", "Hint"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Shows what each choice is worth"),
         ":/pictures/toolbar/hint.svg", QKeySequence::UnknownKey},
        //: Toolbar button that lays the boards out side by side. Pick an access letter unique among
        //: the toolbar's buttons.
        {"Tile", QT_TRANSLATE_NOOP("ToolbarEntry", "&Tile"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Tile Boards"),
         QT_TRANSLATE_NOOP(
             "ToolbarEntry",
             "Lays the boards out side by side, in rows when the window is tall enough"),
         ":/pictures/toolbar/tile.svg", QKeySequence::UnknownKey},
        //: Toolbar button that lays the boards out one over another. Pick an access letter unique
        //: among the toolbar's buttons.
        {"Cascade", QT_TRANSLATE_NOOP("ToolbarEntry", "C&ascade"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Cascade Boards"),
         QT_TRANSLATE_NOOP("ToolbarEntry", "Lays the boards out one over another"),
         ":/pictures/toolbar/cascade.svg", QKeySequence::UnknownKey},
    };
    return entries;
}

namespace {

QString translated(const QString& english) {
    return english.isEmpty()
               ? QString()
               : QCoreApplication::translate("ToolbarEntry", english.toUtf8().constData());
}

} // namespace

QString ToolbarEntry::shownCaption() const {
    return translated(caption);
}

QString ToolbarEntry::shownDescription() const {
    return translated(description);
}

QString ToolbarEntry::shownToolTip() const {
    return translated(toolTip);
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
