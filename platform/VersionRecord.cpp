#include "platform/VersionRecord.h"

#include <charconv>
#include <stdexcept>

namespace platform {

namespace {

constexpr std::u16string_view kRootKey = u"VS_VERSION_INFO";
constexpr std::uint16_t kBinary = 0;
constexpr std::uint16_t kText = 1;

std::size_t Align4(std::size_t offset) {
  return (offset + 3) & ~std::size_t(3);
}

void PutU16(std::string& out, std::uint32_t number) {
  out += char(number & 0xFF);
  out += char(number >> 8 & 0xFF);
}

void PutU32(std::string& out, std::uint32_t number) {
  PutU16(out, number & 0xFFFF);
  PutU16(out, number >> 16);
}

std::uint16_t U16(std::span<const unsigned char> bytes, std::size_t offset) {
  return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

// UTF-8 to UTF-16; the description is ours, so a bad sequence is an error.
std::u16string Utf16(std::string_view text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    if ((lead >= 0x80 && lead < 0xC0) || i + extra >= text.size())
      throw std::invalid_argument("not UTF-8: " + std::string(text));
    char32_t code = extra == 0 ? char32_t{lead} : char32_t(lead & (0x3Fu >> extra));
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw std::invalid_argument("not UTF-8: " + std::string(text));
      code = code << 6 | (next & 0x3F);
    }
    i += extra + 1;
    if (code >= 0x10000) {
      units += char16_t(0xD800 + ((code - 0x10000) >> 10));
      units += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      units += char16_t(code);
    }
  }
  return units;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | code >> 6);
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | code >> 12);
    out += char(0x80 | (code >> 6 & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | code >> 18);
    out += char(0x80 | (code >> 12 & 0x3F));
    out += char(0x80 | (code >> 6 & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

// A block: its header, the key and value as given, then the children, each
// starting on a 4-byte boundary.
std::string Block(std::u16string_view key, std::uint16_t type, std::string_view value,
                  std::uint16_t valueLength, const std::vector<std::string>& children) {
  std::string out(6, '\0');
  for (const char16_t unit : key)
    PutU16(out, unit);
  PutU16(out, 0);
  out.resize(Align4(out.size()), '\0');
  out += value;
  for (const std::string& child : children) {
    out.resize(Align4(out.size()), '\0');
    out += child;
  }
  if (out.size() > 0xFFFF) throw std::length_error("version record longer than 65535 bytes");
  std::string header;
  PutU16(header, std::uint32_t(out.size()));
  PutU16(header, valueLength);
  PutU16(header, type);
  out.replace(0, 6, header);
  return out;
}

std::string TextBlock(std::string_view key, std::string_view text) {
  std::string value;
  const std::u16string units = Utf16(text);
  for (const char16_t unit : units)
    PutU16(value, unit);
  PutU16(value, 0);
  return Block(Utf16(key), kText, value, std::uint16_t(units.size() + 1), {});
}

std::string FixedPart(const VersionDescription& description) {
  const auto pair = [](std::uint16_t high, std::uint16_t low) {
    return std::uint32_t(high) << 16 | low;
  };
  std::string fixed;
  for (const std::uint32_t field :
       {0xFEEF04BDu, 0x00010000u, pair(description.fileVersion[0], description.fileVersion[1]),
        pair(description.fileVersion[2], description.fileVersion[3]),
        pair(description.productVersion[0], description.productVersion[1]),
        pair(description.productVersion[2], description.productVersion[3]),
        0x3Fu, // the flags this record speaks of
        description.fileFlags,
        0x00040004u,     // VOS_NT_WINDOWS32
        1u, 0u, 0u, 0u}) // VFT_APP, no subtype, no date
    PutU32(fixed, field);
  return fixed;
}

std::string HexWord(std::uint16_t number) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text;
  for (int shift = 12; shift >= 0; shift -= 4)
    text += digits[number >> shift & 0xF];
  return text;
}

struct BlockView {
  std::size_t begin = 0, end = 0;
  std::size_t keyBegin = 0, keyUnits = 0;
  std::size_t valueBegin = 0, valueEnd = 0, childrenBegin = 0;
  std::uint16_t valueLength = 0, type = 0;
};

// The block at `begin`, which must lie within `limit`.
std::optional<BlockView> ReadBlock(std::span<const unsigned char> record, std::size_t begin,
                                   std::size_t limit) {
  if (begin > limit || limit - begin < 6) return std::nullopt;
  BlockView block;
  const std::size_t length = U16(record, begin);
  if (length < 6 || length > limit - begin) return std::nullopt;
  block.begin = begin;
  block.end = begin + length;
  block.valueLength = U16(record, begin + 2);
  block.type = U16(record, begin + 4);
  block.keyBegin = begin + 6;
  std::size_t at = block.keyBegin;
  while (at + 2 <= block.end && U16(record, at) != 0)
    at += 2;
  if (at + 2 > block.end) return std::nullopt; // no key terminator inside the block
  block.keyUnits = (at - block.keyBegin) / 2;
  block.valueBegin = std::min(Align4(at + 2), block.end);
  const std::size_t valueBytes = std::size_t(block.valueLength) * (block.type == kText ? 2 : 1);
  block.valueEnd = std::min(block.valueBegin + valueBytes, block.end);
  block.childrenBegin = std::min(Align4(block.valueEnd), block.end);
  return block;
}

bool KeyIs(std::span<const unsigned char> record, const BlockView& block, std::u16string_view key) {
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  if (block.keyUnits != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (lower(U16(record, block.keyBegin + 2 * i)) != lower(key[i])) return false;
  return true;
}

std::optional<BlockView> Child(std::span<const unsigned char> record, const BlockView& parent,
                               std::u16string_view key) {
  for (std::size_t at = parent.childrenBegin; at < parent.end;) {
    const std::optional<BlockView> child = ReadBlock(record, at, parent.end);
    if (!child) return std::nullopt;
    if (KeyIs(record, *child, key)) return child;
    at = Align4(child->end);
  }
  return std::nullopt;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  while (true) {
    const std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) return words;
    line.remove_prefix(start);
    if (line.front() == '"') { // the rest, a quoted text
      words.push_back(line.substr(0, line.find_last_not_of(" \t\r") + 1));
      return words;
    }
    const std::size_t end = line.find_first_of(" \t\r");
    words.push_back(line.substr(0, end));
    if (end == std::string_view::npos) return words;
    line.remove_prefix(end);
  }
}

std::string Unquote(std::string_view quoted) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
    throw std::invalid_argument("a text must be quoted");
  std::string text;
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] == '\\' && i + 2 < quoted.size() &&
        (quoted[i + 1] == '\\' || quoted[i + 1] == '"'))
      ++i;
    else if (quoted[i] == '\\' || quoted[i] == '"')
      throw std::invalid_argument("only \\\\ and \\\" may be escaped");
    text += quoted[i];
  }
  return text;
}

std::uint16_t Number(std::string_view word, int base) {
  std::uint16_t number = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number, base);
  if (error != std::errc() || end != word.data() + word.size() || word.empty())
    throw std::invalid_argument("not a 16-bit number: " + std::string(word));
  return number;
}

void ParseVersion(std::string_view word, std::uint16_t (&version)[4]) {
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = word.find('.');
    if ((dot == std::string_view::npos) != (i == 3))
      throw std::invalid_argument("a version has four numbers: " + std::string(word));
    version[i] = Number(word.substr(0, dot), 10);
    word.remove_prefix(dot == std::string_view::npos ? word.size() : dot + 1);
  }
}

std::uint32_t Flag(std::string_view word) {
  const std::pair<std::string_view, std::uint32_t> flags[] = {{"debug", ffDebug},
                                                              {"prerelease", ffPreRelease},
                                                              {"patched", ffPatched},
                                                              {"privatebuild", ffPrivateBuild},
                                                              {"specialbuild", ffSpecialBuild}};
  for (const auto& [name, flag] : flags)
    if (word == name) return flag;
  throw std::invalid_argument("unknown flag: " + std::string(word));
}

void ParseLine(const std::vector<std::string_view>& words, VersionDescription& description) {
  const std::string_view item = words[0];
  const std::size_t count = words.size();
  if (item == "FileVersion" && count == 2) {
    ParseVersion(words[1], description.fileVersion);
  } else if (item == "ProductVersion" && count == 2) {
    ParseVersion(words[1], description.productVersion);
  } else if (item == "FileFlags") {
    for (std::size_t i = 1; i < count; ++i)
      description.fileFlags |= Flag(words[i]);
  } else if (item == "Translation" && count == 3) {
    description.translations.emplace_back(Number(words[1], 16), Number(words[2], 16));
  } else if (item == "StringTable" && count == 2 && words[1].size() == 8) {
    description.stringTable = words[1];
  } else if (item == "String" && count == 3) {
    description.strings.emplace_back(words[1], Unquote(words[2]));
    Utf16(description.strings.back().first); // both must be UTF-8
    Utf16(description.strings.back().second);
  } else {
    throw std::invalid_argument("unknown item");
  }
}

} // namespace

VersionDescription ParseVersionDescription(std::string_view text) {
  VersionDescription description;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0].starts_with('#')) continue;
    try {
      ParseLine(words, description);
    } catch (const std::invalid_argument& error) {
      throw std::invalid_argument("line " + std::to_string(number) + ": " + error.what() + ": " +
                                  std::string(line));
    }
  }
  return description;
}

std::string BuildVersionRecord(const VersionDescription& description) {
  std::string table = description.stringTable;
  if (table.empty())
    table = description.translations.empty() ? "040904E4"
                                             : HexWord(description.translations[0].first) +
                                                   HexWord(description.translations[0].second);
  std::vector<std::string> strings;
  for (const auto& [key, text] : description.strings)
    strings.push_back(TextBlock(key, text));
  std::vector<std::string> children{
      Block(u"StringFileInfo", kText, "", 0, {Block(Utf16(table), kText, "", 0, strings)})};
  if (!description.translations.empty()) {
    std::string pairs;
    for (const auto& [language, codePage] : description.translations) {
      PutU16(pairs, language);
      PutU16(pairs, codePage);
    }
    children.push_back(
        Block(u"VarFileInfo", kText, "", 0,
              {Block(u"Translation", kBinary, pairs, std::uint16_t(pairs.size()), {})}));
  }
  const std::string fixed = FixedPart(description);
  return Block(kRootKey, kBinary, fixed, std::uint16_t(fixed.size()), children);
}

std::optional<VersionValue> FindVersionValue(std::span<const unsigned char> record,
                                             std::string_view path) {
  std::optional<BlockView> block = ReadBlock(record, 0, record.size());
  while (block && !path.empty()) {
    const std::size_t end = path.find('\\');
    const std::string_view key = path.substr(0, end);
    path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
    if (key.empty()) continue;
    std::u16string units;
    try {
      units = Utf16(key);
    } catch (const std::invalid_argument&) {
      return std::nullopt;
    }
    block = Child(record, *block, units);
  }
  if (!block) return std::nullopt;
  return VersionValue{record.subspan(block->valueBegin, block->valueEnd - block->valueBegin),
                      block->valueLength, block->type == kText};
}

std::string VersionText(const VersionValue& value) {
  std::string text;
  const std::span<const unsigned char> bytes = value.bytes;
  for (std::size_t at = 0; at + 2 <= bytes.size(); at += 2) {
    char32_t unit = U16(bytes, at);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit < 0xDC00 && at + 4 <= bytes.size() && U16(bytes, at + 2) >= 0xDC00 &&
        U16(bytes, at + 2) < 0xE000) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (U16(bytes, at + 2) - 0xDC00);
      at += 2;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      unit = 0xFFFD;
    }
    AppendUtf8(text, unit);
  }
  return text;
}

std::optional<std::size_t> VersionRecordLength(std::span<const unsigned char> bytes) {
  const std::optional<BlockView> root = ReadBlock(bytes, 0, bytes.size());
  if (!root || !KeyIs(bytes, *root, kRootKey)) return std::nullopt;
  return root->end;
}

} // namespace platform
