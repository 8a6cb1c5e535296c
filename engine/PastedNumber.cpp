#include "engine/PastedNumber.h"

#include "engine/CalcTypes.h"
#include "engine/NumberText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace engine {

namespace {

// The text's code points; a byte that is no UTF-8 becomes U+FFFD, which no
// rule below accepts.
std::u32string CodePoints(std::string_view text) {
  std::u32string points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : 4;
    char32_t point = length == 1 ? char32_t(lead) : char32_t(lead & (0x3Fu >> (length - 1)));
    bool valid = i + length <= text.size() && (length == 1 || lead >= 0xC2) && lead < 0xF5;
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      point = point << 6 | (next & 0x3F);
    }
    points += valid ? point : U'\uFFFD';
    i += valid ? length : 1;
  }
  return points;
}

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
// Blanks inside a line: also grouping spaces.
bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u00A0' || (c >= U'\u2000' && c <= U'\u200A') ||
         c == U'\u202F' || c == U'\u205F' || c == U'\u3000';
}
bool IsLineBreak(char32_t c) {
  return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == U'\u2028' || c == U'\u2029';
}
bool IsApostrophe(char32_t c) {
  return c == U'\'' || c == U'\u2019';
}
bool IsMark(char32_t c) {
  return c == U'.' || c == U',';
}
bool IsMinus(char32_t c) {
  return c == U'-' || c == U'\u2212' || c == U'\uFE63' || c == U'\uFF0D' || c == U'\u2012' ||
         c == U'\u2013';
}
bool IsPlus(char32_t c) {
  return c == U'+' || c == U'\uFF0B';
}
bool IsCurrency(char32_t c) {
  return c == U'$' || (c >= U'\u00A2' && c <= U'\u00A5') || c == U'\u058F' || c == U'\u0E3F' ||
         (c >= U'\u20A0' && c <= U'\u20C0') || c == U'\uFDFC' || c == U'\uFE69' || c == U'\uFF04' ||
         c == U'\uFFE0' || c == U'\uFFE1' || c == U'\uFFE5' || c == U'\uFFE6';
}
// The grouping separator's kind: the blanks are one kind, the apostrophes
// another.
char32_t KindOf(char32_t separator) {
  if (IsBlank(separator)) return U' ';
  if (IsApostrophe(separator)) return U'\'';
  return separator;
}

// The digits of a mantissa split at its separators: "1,234.5" -> groups
// {"1", "234", "5"} and separators {',', '.'}.
struct Mantissa {
  std::vector<std::string> groups{""};
  std::u32string separators;
};

// Digits before the decimal mark, grouped in threes by one kind of separator.
bool GroupsInThrees(const Mantissa& m, std::size_t integerGroups) {
  for (std::size_t g = 1; g < integerGroups; ++g)
    if (m.groups[g].size() != 3 || KindOf(m.separators[g - 1]) != KindOf(m.separators[0]))
      return false;
  const std::string& first = m.groups[0];
  return integerGroups == 1 || (!first.empty() && first.size() <= 3 && first[0] != '0');
}

// The index of the decimal mark among the separators; the number of
// separators when all of them group; nothing when the marks contradict.
std::optional<std::size_t> DecimalMark(const Mantissa& m, char localeDecimal) {
  const std::u32string& s = m.separators;
  const auto dots = std::count(s.begin(), s.end(), U'.');
  const auto commas = std::count(s.begin(), s.end(), U',');
  const std::size_t last = s.find_last_of(U".,");
  const std::size_t none = s.size();
  if (dots == 0 && commas == 0) return none;
  if (dots > 0 && commas > 0) {
    if ((s[last] == U'.' ? dots : commas) != 1) return std::nullopt;
    return last;
  }
  if (dots + commas > 1) return none;
  // One mark, once: decimal when a space or an apostrophe groups, when the
  // digits around it cannot be a first group and one of three, and in the
  // locale that has it as its decimal separator.
  if (s.size() > 1) return last;
  const std::string& before = m.groups[0];
  const std::string& after = m.groups[1];
  const bool couldGroup =
      after.size() == 3 && !before.empty() && before.size() <= 3 && before[0] != '0';
  if (!couldGroup || s[0] == char32_t(static_cast<unsigned char>(localeDecimal))) return last;
  return none;
}

// The mantissa as plain digits and a ".", or nothing.
std::optional<std::string> PlainMantissa(const Mantissa& m, char localeDecimal) {
  const std::optional<std::size_t> mark = DecimalMark(m, localeDecimal);
  if (!mark) return std::nullopt;
  // The groups up to the mark; all of them when there is none.
  const std::size_t integerGroups = *mark + 1;
  // Nothing but digits after the decimal mark.
  if (integerGroups < m.groups.size() && integerGroups + 1 != m.groups.size()) return std::nullopt;
  if (!GroupsInThrees(m, integerGroups)) return std::nullopt;
  std::string plain;
  for (std::size_t g = 0; g < integerGroups; ++g)
    plain += m.groups[g];
  if (integerGroups < m.groups.size()) plain += '.' + m.groups.back();
  if (plain.empty() || plain == ".") return std::nullopt;
  return plain;
}

class Reader {
public:
  Reader(std::u32string_view text, char localeDecimal) : FText(text), FDecimal(localeDecimal) {}

  // The number's plain text ("-1234.5E3"), or nothing.
  std::optional<std::string> Read() {
    Trim();
    const bool parenthesised = Take(U'(');
    if (parenthesised && !TakeLast(U')')) return std::nullopt;
    std::string sign = Prefix();
    if (parenthesised) {
      if (!sign.empty()) return std::nullopt;
      sign = "-";
    }
    const std::optional<std::string> mantissa = TakeMantissa();
    if (!mantissa) return std::nullopt;
    const std::string exponent = TakeExponent();
    Suffix();
    if (FAt != FText.size()) return std::nullopt;
    return sign + *mantissa + exponent;
  }

private:
  void SkipBlanks() {
    while (FAt < FText.size() && IsBlank(FText[FAt]))
      ++FAt;
  }
  void Trim() {
    while (!FText.empty() && (IsBlank(FText.back()) || IsLineBreak(FText.back())))
      FText.remove_suffix(1);
    while (FAt < FText.size() && (IsBlank(FText[FAt]) || IsLineBreak(FText[FAt])))
      ++FAt;
  }
  bool Take(char32_t c) {
    if (FAt >= FText.size() || FText[FAt] != c) return false;
    ++FAt;
    return true;
  }
  bool TakeLast(char32_t c) {
    if (FText.empty() || FText.back() != c) return false;
    FText.remove_suffix(1);
    return true;
  }
  // A currency sign and a sign, each at most once, in either order.
  std::string Prefix() {
    std::string sign;
    for (;;) {
      SkipBlanks();
      if (FAt >= FText.size()) return sign;
      const char32_t c = FText[FAt];
      if (IsCurrency(c) && !FCurrency) {
        FCurrency = true;
      } else if ((IsMinus(c) || IsPlus(c)) && sign.empty()) {
        sign = IsMinus(c) ? "-" : "+";
      } else {
        return sign;
      }
      ++FAt;
    }
  }
  std::optional<std::string> TakeMantissa() {
    Mantissa m;
    std::size_t end = FAt;
    for (; end < FText.size(); ++end) {
      const char32_t c = FText[end];
      if (IsDigit(c)) {
        m.groups.back() += static_cast<char>(c);
      } else if (IsMark(c) || IsBlank(c) || IsApostrophe(c)) {
        m.separators += c;
        m.groups.emplace_back();
      } else {
        break;
      }
    }
    // Blanks after the digits are not grouping.
    while (!m.separators.empty() && IsBlank(m.separators.back()) && m.groups.back().empty()) {
      m.separators.pop_back();
      m.groups.pop_back();
      --end;
    }
    for (std::size_t g = 1; g + 1 < m.groups.size(); ++g)
      if (m.groups[g].empty()) return std::nullopt; // two separators in a row
    const bool edgesHold = (!m.groups.front().empty() || IsMark(m.separators.front())) &&
                           (!m.groups.back().empty() || IsMark(m.separators.back()));
    if (!m.separators.empty() && !edgesHold) return std::nullopt;
    FAt = end;
    return PlainMantissa(m, FDecimal);
  }
  std::string TakeExponent() {
    if (FAt >= FText.size() || (FText[FAt] != U'E' && FText[FAt] != U'e')) return "";
    std::size_t at = FAt + 1;
    std::string exponent = "E";
    if (at < FText.size() && (IsMinus(FText[at]) || IsPlus(FText[at])))
      exponent += IsMinus(FText[at++]) ? '-' : '+';
    // Leading zeros would count toward the reading's limit of 500.
    while (at + 1 < FText.size() && FText[at] == U'0' && IsDigit(FText[at + 1]))
      ++at;
    const std::size_t digits = at;
    for (; at < FText.size() && IsDigit(FText[at]); ++at)
      exponent += static_cast<char>(FText[at]);
    if (at == digits) return ""; // no digits: the "E" is left over and fails
    FAt = at;
    return exponent;
  }
  // A currency sign or a percent sign after the number.
  void Suffix() {
    SkipBlanks();
    if (FAt < FText.size() && ((IsCurrency(FText[FAt]) && !FCurrency) || FText[FAt] == U'%')) {
      ++FAt;
      SkipBlanks();
    }
  }

  std::u32string_view FText;
  std::size_t FAt = 0;
  char FDecimal;
  bool FCurrency = false;
};

std::optional<std::string> PlainNumber(std::u32string_view text, char localeDecimal) {
  return Reader(text, localeDecimal).Read();
}

// Why a text that is not one number was refused: no digit at all, or
// several pieces, split at blanks, line breaks and list separators, that
// are each a number.
PasteRefusal RefusalOf(std::u32string_view text, char localeDecimal) {
  if (std::none_of(text.begin(), text.end(), IsDigit)) return PasteRefusal::NoNumber;
  const auto splits = [](char32_t c) {
    return IsBlank(c) || IsLineBreak(c) || c == U';' || c == U'|';
  };
  int numbers = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto piece = std::find_if(text.begin() + long(at), text.end(), splits);
    const std::size_t end = std::size_t(piece - text.begin());
    if (end > at && PlainNumber(text.substr(at, end - at), localeDecimal)) ++numbers;
    at = end + 1;
  }
  return numbers > 1 ? PasteRefusal::SeveralNumbers : PasteRefusal::NotANumber;
}

} // namespace

PastedNumber ReadPastedNumber(std::string_view text, char localeDecimal) {
  const std::u32string points = CodePoints(text);
  const std::optional<std::string> plain = PlainNumber(points, localeDecimal);
  if (!plain) return {std::nullopt, RefusalOf(points, localeDecimal)};
  const std::optional<Extended> number = TryTextToNumber(*plain, '.');
  if (!number) return {std::nullopt, PasteRefusal::OutOfRange};
  return {number, PasteRefusal::None};
}

// The window translates the notes in the context "PasteNote"; the mark is
// what lupdate reads (translations/CMakeLists.txt), the engine keeps English.
#define QT_TRANSLATE_NOOP(context, text) text

const char* PasteRefusalText(PasteRefusal refusal) {
  static constexpr auto Texts = RowsFor<const char*, std::size_t(PasteRefusal::OutOfRange) + 1>({
      "",
      QT_TRANSLATE_NOOP("PasteNote", "Not pasted: no number"),
      QT_TRANSLATE_NOOP("PasteNote", "Not pasted: several numbers"),
      QT_TRANSLATE_NOOP("PasteNote", "Not pasted: not a number"),
      QT_TRANSLATE_NOOP("PasteNote", "Not pasted: out of range"),
  });
  return Texts[std::size_t(refusal)];
}

} // namespace engine
