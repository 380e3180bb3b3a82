#pragma once

#include "game/Strength.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// Which seats of a saved game the computer plays, by board index: a seat
// without a strength is a person's. Seats past the end are people's too.
using SeatStrengths = std::vector<std::optional<Strength>>;

// The computer seats are kept in the filler of the record that holds
// LastPlayer, which other readers skip:
//
//   4 bytes  the tag "VkCS"
//   1 byte   the mark's version, 1
//   1 byte   n, the number of seat bytes that follow
//   n bytes  one per board from index 0: 0 a person, 1 perfect, 2 casual
//   2 bytes  CRC-16 (qChecksum) of everything above, little-endian
//
// A mark that is not whole and sound in every byte is taken for stray
// filler: every seat is then a person's. The record leaves room for
// kMarkedSeats seats; in a game of more players, the seats from that index
// on are saved as people's.
inline constexpr int kMarkedSeats = 118;

// The mark for these seats; empty when every seat it could hold is a
// person's, so that a game of people is saved exactly as without it.
QByteArray seatMark(const SeatStrengths& seats);

// The seats a record's filler marks for a game of `players` players; empty
// when it holds no sound mark.
SeatStrengths readSeatMark(QByteArrayView filler, int players);
