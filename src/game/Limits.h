#pragma once

// How many players a game may have, whether set up or opened from a file:
// every player costs a board window, and a game of hundreds is already more
// than a table of friends.
inline constexpr int kMaxPlayers = 255;

// The longest player name, in characters: what a saved game keeps, one byte
// per character of its 8-bit character set.
inline constexpr int kMaxNameLength = 64;
