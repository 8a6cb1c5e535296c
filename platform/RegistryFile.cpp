#include "platform/RegistryFile.h"

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

// The line without its "\n" or "\r\n".
std::string_view Body(std::string_view line) {
  if (line.ends_with('\n')) line.remove_suffix(1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::string_view LineEnd(std::string_view line) {
  return line.substr(Body(line).size());
}

bool IsTextLine(std::string_view body) {
  return std::none_of(body.begin(), body.end(), [](char c) { return IsControl(c) && c != '\t'; });
}

// Takes the next line, with its line end, off the front of `text`; false
// when there is none. Lines are taken one by one rather than listed, so that
// a file of millions of short lines costs no list of them.
bool NextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const std::size_t end = text.find('\n');
  const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
  line = text.substr(0, length);
  text.remove_prefix(length);
  return true;
}

// The blank lines (spaces and tabs ended by "\n" or "\r\n") at the front of
// `text`, taken in one scan: a file of millions of them reads at the speed
// of a copy.
std::string_view TakeBlankLines(std::string_view& text) {
  std::size_t end = 0; // after the last whole blank line
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n')
      end = i + 1;
    else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    else if (c != ' ' && c != '\t')
      break;
  }
  const std::string_view blank = text.substr(0, end);
  text.remove_prefix(end);
  return blank;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to maxDigits hexadecimal digits and nothing else.
std::optional<std::uint32_t> ParseHex(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    number = number * 16 + std::uint32_t(digit);
  }
  return number;
}

// A quoted text at the start of `in` with the escapes \\ and \"; `in` is
// left after the closing quote.
std::optional<std::string> ParseQuoted(std::string_view& in) {
  if (in.empty() || in.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i < in.size(); ++i) {
    if (in[i] == '"') {
      in.remove_prefix(i + 1);
      return text;
    }
    if (in[i] == '\\') {
      if (++i == in.size() || (in[i] != '\\' && in[i] != '"')) return std::nullopt;
    }
    text += in[i];
  }
  return std::nullopt;
}

std::optional<std::string> ParseHexBytes(std::string_view list) {
  std::string bytes;
  if (Trim(list).empty()) return bytes;
  while (true) {
    const std::size_t comma = list.find(',');
    const auto byte = ParseHex(Trim(list.substr(0, comma)), 2);
    if (!byte) return std::nullopt;
    bytes += char(*byte);
    if (comma == std::string_view::npos) return bytes;
    list.remove_prefix(comma + 1);
  }
}

std::optional<RegistryValue> ParseData(std::string_view data) {
  data = Trim(data);
  if (data.starts_with('"')) {
    auto text = ParseQuoted(data);
    if (!text || !Trim(data).empty()) return std::nullopt;
    return RegistryValue::Text(*text);
  }
  if (data.starts_with("dword:")) {
    const auto number = ParseHex(data.substr(6), 8);
    if (!number) return std::nullopt;
    return RegistryValue::Integer(*number);
  }
  std::uint32_t type = REG_BINARY;
  if (data.starts_with("hex(")) {
    const std::size_t close = data.find("):");
    const auto number =
        close == std::string_view::npos ? std::nullopt : ParseHex(data.substr(4, close - 4), 8);
    if (!number) return std::nullopt;
    type = *number;
    data.remove_prefix(close + 2);
  } else if (data.starts_with("hex:")) {
    data.remove_prefix(4);
  } else {
    return std::nullopt;
  }
  auto bytes = ParseHexBytes(data);
  if (!bytes) return std::nullopt;
  return RegistryValue{type, std::move(*bytes)};
}

std::optional<std::string> QuoteText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (IsControl(c)) return std::nullopt;
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string FormatData(const RegistryValue& value) {
  char buffer[16];
  if (value.type == REG_SZ && !value.data.empty() &&
      value.data.find('\0') == value.data.size() - 1) {
    if (auto quoted = QuoteText(std::string_view(value.data).substr(0, value.data.size() - 1)))
      return *quoted;
  }
  if (value.type == REG_DWORD && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
      number = number << 8 | static_cast<unsigned char>(value.data[i]);
    std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
    return buffer;
  }
  std::string text = "hex:";
  if (value.type != REG_BINARY) {
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    text = buffer;
  }
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(buffer, sizeof buffer, i == 0 ? "%02x" : ",%02x",
                  static_cast<unsigned char>(value.data[i]));
    text += buffer;
  }
  return text;
}

bool EndsWithBlankLine(std::string_view text) {
  if (!text.ends_with('\n')) return false;
  const std::string_view before = Body(text);
  const std::size_t start = before.rfind('\n');
  return Trim(start == std::string_view::npos ? before : before.substr(start + 1)).empty();
}

// Ends the last line; one cut after its carriage return gets the line feed.
void Terminate(std::string& lines, std::string_view lineEnd) {
  if (lines.empty() || lines.ends_with('\n')) return;
  lines += lines.ends_with('\r') ? "\n" : lineEnd;
}

// The value's name and data from its line(s), which continue after a
// trailing backslash.
struct ValueLine {
  std::string name;
  RegistryValue value;
};

std::optional<ValueLine> ParseValue(std::string_view logical) {
  ValueLine line;
  logical = Trim(logical);
  if (logical.starts_with('@')) {
    logical.remove_prefix(1);
  } else {
    auto name = ParseQuoted(logical);
    if (!name) return std::nullopt;
    line.name = std::move(*name);
  }
  logical = Trim(logical);
  if (!logical.starts_with('=')) return std::nullopt;
  auto value = ParseData(logical.substr(1));
  if (!value) return std::nullopt;
  line.value = std::move(*value);
  return line;
}

} // namespace

RegistryValue RegistryValue::Text(std::string_view text, std::uint32_t type) {
  // A stored text ends at its first NUL, as the registry's own API does.
  return {type, std::string(text.substr(0, text.find('\0'))) + '\0'};
}

RegistryValue RegistryValue::Integer(std::uint32_t number) {
  std::string bytes(4, '\0');
  for (char& byte : bytes) {
    byte = char(number & 0xFF);
    number >>= 8;
  }
  return {REG_DWORD, bytes};
}

RegistryFile::RegistryFile() : FPreamble(std::string(kHeader) + "\n") {}

std::optional<RegistryFile> RegistryFile::Parse(std::string_view text) {
  std::string_view header;
  if (!NextLine(text, header)) return std::nullopt;
  std::string_view first = Body(header);
  if (first.starts_with(kByteOrderMark)) first.remove_prefix(kByteOrderMark.size());
  if (Trim(first) != kHeader || !IsTextLine(first)) return std::nullopt;

  RegistryFile file;
  file.FPreamble = header;
  // New lines end as the header line does; a lone carriage return (the
  // file ends there) is no line end to write.
  if (LineEnd(header).ends_with('\n')) file.FLineEnd = LineEnd(header);
  for (std::string_view line;;) {
    if (const std::string_view blank = TakeBlankLines(text); !blank.empty()) {
      file.AddUnnamedLines(blank, true);
      continue;
    }
    if (!NextLine(text, line)) break;
    const std::string_view body = Body(line);
    const std::string_view trimmed = Trim(body);
    if (!IsTextLine(body)) return std::nullopt;
    if (trimmed.empty() || trimmed.starts_with(';')) {
      file.AddUnnamedLines(line, trimmed.empty());
    } else if (trimmed.starts_with('[')) {
      if (!trimmed.ends_with(']') || Trim(trimmed.substr(1, trimmed.size() - 2)).empty())
        return std::nullopt;
      file.FSections.push_back(
          {std::string(line), std::string(Trim(trimmed.substr(1, trimmed.size() - 2))), {}});
    } else {
      if (file.FSections.empty()) return std::nullopt;
      Entry entry{std::string(line), std::nullopt, {}};
      // Only a hex list goes on after a trailing backslash. The line is
      // joined in place, so that a value wrapped over many lines still
      // reads in time linear in its length.
      std::string logical(trimmed);
      const bool wraps = logical.find("=hex") != std::string::npos;
      while (wraps && logical.ends_with('\\')) {
        if (!NextLine(text, line) || !IsTextLine(Body(line))) return std::nullopt;
        logical.pop_back();
        logical += Body(line);
        while (!logical.empty() && IsSpace(logical.back()))
          logical.pop_back();
        entry.lines += line;
      }
      auto value = ParseValue(logical);
      if (!value) return std::nullopt;
      entry.name = std::move(value->name);
      entry.value = std::move(value->value);
      file.FSections.back().entries.push_back(std::move(entry));
    }
  }
  return file;
}

std::string RegistryFile::Text() const {
  std::string text = FPreamble;
  for (const Section& section : FSections) {
    text += section.header;
    for (const Entry& entry : section.entries)
      text += entry.lines;
  }
  return text;
}

bool RegistryFile::HasKey(std::string_view key) const {
  return std::any_of(FSections.begin(), FSections.end(),
                     [&](const Section& section) { return EqualsIgnoreCase(section.key, key); });
}

void RegistryFile::AddKey(std::string_view key) {
  TerminateLastLine();
  const std::string& last = FSections.empty() ? FPreamble
                            : FSections.back().entries.empty()
                                ? FSections.back().header
                                : FSections.back().entries.back().lines;
  if (!EndsWithBlankLine(last)) {
    if (FSections.empty())
      FPreamble += FLineEnd;
    else
      FSections.back().entries.push_back({FLineEnd, std::nullopt, {}});
  }
  FSections.push_back({"[" + std::string(key) + "]" + FLineEnd, std::string(key), {}});
  FSections.back().entries.push_back({FLineEnd, std::nullopt, {}});
}

std::vector<RegistryFile::NamedValue> RegistryFile::Values() const {
  std::vector<NamedValue> values;
  for (const Section& section : FSections)
    for (const Entry& entry : section.entries)
      if (entry.name) values.push_back({section.key, *entry.name, entry.value});
  return values;
}

const RegistryValue* RegistryFile::Find(std::string_view key, std::string_view name) const {
  const RegistryValue* found = nullptr;
  for (const Section& section : FSections) {
    if (!EqualsIgnoreCase(section.key, key)) continue;
    for (const Entry& entry : section.entries)
      if (entry.name && EqualsIgnoreCase(*entry.name, name)) found = &entry.value;
  }
  return found;
}

bool RegistryFile::Set(std::string_view key, std::string_view name, const RegistryValue& value) {
  const auto quotedName = name.empty() ? std::optional<std::string>("@") : QuoteText(name);
  if (!quotedName) return false;
  const std::string line = *quotedName + "=" + FormatData(value);

  Entry* found = nullptr;
  for (Section& section : FSections) {
    if (!EqualsIgnoreCase(section.key, key)) continue;
    for (Entry& entry : section.entries)
      if (entry.name && EqualsIgnoreCase(*entry.name, name)) found = &entry;
  }
  if (found) {
    found->lines = line + std::string(LineEnd(found->lines));
    found->name = std::string(name); // the line now spells it so
    found->value = value;
    return true;
  }

  Section* section = LastSection(key);
  if (section == nullptr) return false;
  // New values go after the key's last value or comment, before the blank
  // lines that separate it from the next key.
  SplitTrailingBlankLines(*section);
  auto end = section->entries.end();
  while (end != section->entries.begin() && !(end - 1)->name && (end - 1)->blankFrom == 0)
    --end;
  Terminate(end == section->entries.begin() ? section->header : (end - 1)->lines, FLineEnd);
  section->entries.insert(end, {line + FLineEnd, std::string(name), value});
  return true;
}

// A run of blank and comment lines is one entry, so that a file of many
// such lines costs little more than its text.
void RegistryFile::AddUnnamedLines(std::string_view lines, bool blank) {
  if (FSections.empty()) {
    FPreamble += lines;
    return;
  }
  auto& entries = FSections.back().entries;
  if (entries.empty() || entries.back().name) entries.push_back({});
  entries.back().Append(lines, blank);
}

void RegistryFile::Entry::Append(std::string_view line, bool blank) {
  lines += line;
  if (!blank) blankFrom = lines.size();
}

// The blank lines that end a run of comment and blank lines become an entry
// of their own.
void RegistryFile::SplitTrailingBlankLines(Section& section) {
  if (section.entries.empty() || section.entries.back().name) return;
  Entry& last = section.entries.back();
  if (last.blankFrom == 0 || last.blankFrom == last.lines.size()) return;
  std::string blank = last.lines.substr(last.blankFrom);
  last.lines.resize(last.blankFrom);
  section.entries.push_back({std::move(blank), std::nullopt, {}, 0});
}

RegistryFile::Section* RegistryFile::LastSection(std::string_view key) {
  for (auto section = FSections.rbegin(); section != FSections.rend(); ++section)
    if (EqualsIgnoreCase(section->key, key)) return &*section;
  return nullptr;
}

void RegistryFile::TerminateLastLine() {
  if (FSections.empty())
    Terminate(FPreamble, FLineEnd);
  else if (FSections.back().entries.empty())
    Terminate(FSections.back().header, FLineEnd);
  else
    Terminate(FSections.back().entries.back().lines, FLineEnd);
}

} // namespace platform
