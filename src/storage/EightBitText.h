#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit character set of saved-game files and of the settings store:
// Windows-1252, one byte per character. Bytes 0x00..0x7F and 0xA0..0xFF are
// the characters of the same number; 0x80..0x9F hold the typographic extras
// (euro sign, quotes, dashes, ...). The five bytes 1252 leaves undefined read
// as the control characters of their number, so every byte string survives a
// round trip.
namespace EightBitText {

inline constexpr char kReplacement = '?';

// One byte per character; a character the set cannot hold becomes "?" (one
// "?" per character, also for characters outside the basic plane).
QByteArray fromUnicode(QStringView text);

QString toUnicode(QByteArrayView bytes);

} // namespace EightBitText
