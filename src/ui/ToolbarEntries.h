#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

// The command toolbar's entries in their designed order. Separators are
// entries too (with an empty caption), so that a customised layout can move
// and hide them like the buttons.
struct ToolbarEntry {
    QString key;         // "New", ... ("Separator", "Separator3" for the two separators)
    QString caption;     // with its access key: "&New"
    QString description; // what the customise dialog lists
    QString toolTip;
    QString icon; // resource path of the picture
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    QKeySequence shortcut;  // one more key, besides the access key
    bool designed = true;   // on the toolbar as designed; else only added by the player

    bool isSeparator() const { return caption.isEmpty(); }
};

const QList<ToolbarEntry>& toolbarEntries();

// Index into toolbarEntries() of the entry with this key (compared in upper
// case), or -1.
int toolbarEntryIndex(const QString& key);

// A customised layout: the keys of the shown entries, in their order.
// The designed layout shows the nine designed entries in their order.
QStringList designedToolbarLayout();

// Keeps only known keys, each once. A layout none of whose keys is known gives
// the designed one back; an empty layout (every entry hidden) stays empty.
QStringList sanitizedToolbarLayout(const QStringList& layout);
