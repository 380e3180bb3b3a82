#pragma once

#include <QString>

// Player names and anything read from a file are shown as plain text. These
// helpers keep them plain where Qt would otherwise read markup or access keys
// into them.

// For a button or action caption: every '&' shown as itself.
QString escapeMnemonics(const QString& text);

// For a tooltip: Qt guesses whether a tooltip is rich text, so a text that
// looks like markup is escaped and marked as rich text, which shows it as
// typed. Other texts stay as they are.
QString plainToolTip(const QString& text);
