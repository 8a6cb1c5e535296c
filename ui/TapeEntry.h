#pragma once
// One finished calculation of the tape, and its line in the tape file: the
// time, the exact result and the text, separated by tabs.
//   {"1 + 2 = 3", 3, 0} -> "1970-01-01T00:00:00Z\t0xCp-2\t1 + 2 = 3\n"
// The result is written as a hexadecimal float of all 64 significand bits,
// so it reads back to the very same Extended on every system; the time is
// UTC, to the second.

#include "math/Extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

struct TTapeEntry {
  std::string Text; // "86.4 + 15 % = 99.36", the result as the display shows it
  Extended Result = 0;
  std::int64_t Time = 0; // seconds since 1970-01-01 UTC
};

// The exact hexadecimal text of a finite number, trailing zero digits cut.
//   3 -> "0xCp-2"    -0.5 -> "-0x8p-4"    0 -> "0x0p+0"
std::string ExactText(Extended x);
// Reads ExactText's form (1 to 16 hex digits); nothing for other text or a
// value outside the finite Extended range or needing more bits.
std::optional<Extended> ReadExactText(std::string_view text);

// "2026-12-10T12:30:05Z" and back; nothing for any other text.
std::string TimeText(std::int64_t time);
std::optional<std::int64_t> ReadTimeText(std::string_view text);

// The entry's line, with its newline; and the entry of a line without its
// newline, nothing when the line is damaged.
std::string TapeLine(const TTapeEntry& entry);
std::optional<TTapeEntry> ReadTapeLine(std::string_view line);

} // namespace ui
