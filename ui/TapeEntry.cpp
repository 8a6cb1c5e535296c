#include "ui/TapeEntry.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace ui {

namespace {

constexpr int SignificandBits = 64;
// A significand word m with exponent field f stands for m x 2^(f - Bias),
// the denormals' field 0 counting as 1.
constexpr int Bias = 16383 + SignificandBits - 1;
constexpr int MaxField = 0x7FFE;

bool ReadInteger(std::string_view text, auto& value, int base = 10) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  return error == std::errc() && stop == end;
}

} // namespace

std::string ExactText(Extended x) {
  const ExtendedBits bits = ToBits(x);
  std::uint64_t significand = bits.significand;
  const int field = bits.signExponent & 0x7FFF;
  int exponent = significand == 0 ? 0 : (field == 0 ? 1 : field) - Bias;
  while (significand != 0 && (significand & 0xF) == 0) {
    significand >>= 4;
    exponent += 4;
  }
  char digits[17];
  const auto end = std::to_chars(digits, digits + sizeof digits, significand, 16).ptr;
  std::string text = (bits.signExponent & 0x8000) != 0 ? "-0x" : "0x";
  for (const char* c = digits; c != end; ++c)
    text += char(*c >= 'a' ? *c - 'a' + 'A' : *c);
  return text + (exponent < 0 ? "p" : "p+") + std::to_string(exponent);
}

std::optional<Extended> ReadExactText(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (!text.starts_with("0x")) return std::nullopt;
  text.remove_prefix(2);
  const std::size_t p = text.find('p');
  if (p == std::string_view::npos || p == 0 || p > 16) return std::nullopt;
  std::uint64_t significand = 0;
  int exponent = 0;
  std::string_view power = text.substr(p + 1);
  if (power.starts_with('+')) power.remove_prefix(1);
  if (!ReadInteger(text.substr(0, p), significand, 16) || !ReadInteger(power, exponent))
    return std::nullopt;
  if (exponent < -20000 || exponent > 20000) return std::nullopt;
  const std::uint16_t sign = negative ? 0x8000 : 0;
  if (significand == 0) return FromBits(sign, 0);
  // Normalised: the top bit set, the field found from the exponent.
  while ((significand >> (SignificandBits - 1)) == 0) {
    significand <<= 1;
    --exponent;
  }
  int field = exponent + Bias;
  if (field > MaxField) return std::nullopt;
  if (field >= 1) return FromBits(std::uint16_t(sign | field), significand);
  // A denormal: shifted back to field 1's scale, without losing a bit.
  const int shift = 1 - field;
  if (shift >= SignificandBits || (significand & ((std::uint64_t(1) << shift) - 1)) != 0)
    return std::nullopt;
  return FromBits(sign, significand >> shift);
}

std::string TimeText(std::int64_t time) {
  using namespace std::chrono;
  const sys_seconds moment{seconds(time)};
  const auto day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss clock{moment - day};
  char text[32];
  const int length =
      std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                    unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                    int(clock.minutes().count()), int(clock.seconds().count()));
  return std::string(text, std::size_t(length));
}

std::optional<std::int64_t> ReadTimeText(std::string_view text) {
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':' || text[19] != 'Z')
    return std::nullopt;
  int year = 0;
  unsigned month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  if (!ReadInteger(text.substr(0, 4), year) || !ReadInteger(text.substr(5, 2), month) ||
      !ReadInteger(text.substr(8, 2), day) || !ReadInteger(text.substr(11, 2), hour) ||
      !ReadInteger(text.substr(14, 2), minute) || !ReadInteger(text.substr(17, 2), second))
    return std::nullopt;
  using namespace std::chrono;
  const year_month_day date{std::chrono::year(year), std::chrono::month(month),
                            std::chrono::day(day)};
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  const auto moment = sys_days(date) + hours(hour) + minutes(minute) + seconds(second);
  return moment.time_since_epoch().count();
}

std::string TapeLine(const TTapeEntry& entry) {
  return TimeText(entry.Time) + '\t' + ExactText(entry.Result) + '\t' + entry.Text + '\n';
}

std::optional<TTapeEntry> ReadTapeLine(std::string_view line) {
  const std::size_t first = line.find('\t');
  const std::size_t second = line.find('\t', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  const std::string_view text = line.substr(second + 1);
  if (text.empty() || text.find_first_of("\t\r\n") != std::string_view::npos) return std::nullopt;
  const auto time = ReadTimeText(line.substr(0, first));
  const auto result = ReadExactText(line.substr(first + 1, second - first - 1));
  if (!time || !result) return std::nullopt;
  return TTapeEntry{std::string(text), *result, *time};
}

} // namespace ui
