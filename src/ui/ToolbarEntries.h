#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

// The command toolbar's entries in their designed order. Separators are
// entries too (with an empty caption), so that a customised layout can move
// and hide them like the buttons.
struct ToolbarEntry {
    QString key; // "New", ... ("Separator", "Separator3" for the two separators)
    // In English, as the code names them; shown...() give them in the
    // player's language.
    QString caption;     // with its access key: "&New"
    QString description; // what the customise dialog lists
    QString toolTip;
    QString icon; // resource path of the picture
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;

    bool isSeparator() const { return caption.isEmpty(); }
    QString shownCaption() const;
    QString shownDescription() const;
    QString shownToolTip() const;
};

const QList<ToolbarEntry>& toolbarEntries();

// Whether the entry is on the toolbar as designed; the others are there
// only when the player adds them in the customise dialog.
bool isDesignedEntry(const ToolbarEntry& entry);
// One more key for the entry's command besides its access key, if any.
QKeySequence extraShortcut(const ToolbarEntry& entry);

// Index into toolbarEntries() of the entry with this key (compared in upper
// case), or -1.
int toolbarEntryIndex(const QString& key);

// A customised layout: the keys of the shown entries, in their order.
// The designed layout shows the nine designed entries in their order.
QStringList designedToolbarLayout();

// Keeps only known keys, each once. A layout none of whose keys is known gives
// the designed one back; an empty layout (every entry hidden) stays empty.
QStringList sanitizedToolbarLayout(const QStringList& layout);
