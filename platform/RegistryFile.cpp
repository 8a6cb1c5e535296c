#include "platform/RegistryFile.h"

#include <algorithm>
#include <cstdio>
#include <limits>

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
// left after the closing quote. The text between escapes is copied in runs,
// so that a value of a hundred megabytes reads at the speed of a copy.
std::optional<std::string> ParseQuoted(std::string_view& in) {
  if (in.empty() || in.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1;;) {
    const std::size_t stop = in.find_first_of("\"\\", i);
    if (stop == std::string_view::npos) return std::nullopt;
    text += in.substr(i, stop - i);
    if (in[stop] == '"') {
      in.remove_prefix(stop + 1);
      return text;
    }
    if (stop + 1 == in.size() || (in[stop + 1] != '\\' && in[stop + 1] != '"')) return std::nullopt;
    text += in[stop + 1];
    i = stop + 2;
  }
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
  if (const std::optional<std::uint32_t> number = value.Number()) {
    std::snprintf(buffer, sizeof buffer, "dword:%08x", *number);
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

// What ends the text's last line when it has no line end: one cut after its
// carriage return gets the line feed.
std::string_view Terminator(std::string_view text, std::string_view lineEnd) {
  if (text.empty() || text.ends_with('\n')) return {};
  return text.ends_with('\r') ? "\n" : lineEnd;
}

std::uint32_t NameHash(std::string_view name) {
  std::uint32_t hash = 2166136261u; // FNV-1a, of the name in lower case
  for (const char c : name)
    hash =
        (hash ^ static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c)) * 16777619u;
  return hash;
}

// The name of a value line ("@", the key's default value, is ""); `logical`
// is left after the name.
std::optional<std::string> ValueName(std::string_view& logical) {
  logical = Trim(logical);
  if (!logical.starts_with('@')) return ParseQuoted(logical);
  logical.remove_prefix(1);
  return std::string();
}

// The value's name and data from its logical line (its lines joined).
struct ValueLine {
  std::string name;
  RegistryValue value;
};

// What follows a value's name: "=" and the data.
std::optional<RegistryValue> ParseAssignment(std::string_view rest) {
  rest = Trim(rest);
  if (!rest.starts_with('=')) return std::nullopt;
  return ParseData(rest.substr(1));
}

std::optional<ValueLine> ParseValue(std::string_view logical) {
  auto name = ValueName(logical);
  if (!name) return std::nullopt;
  auto value = ParseAssignment(logical);
  if (!value) return std::nullopt;
  return ValueLine{std::move(*name), std::move(*value)};
}

// The lines of a file after its header, as the items they make: a run of
// blank lines, a comment, a key, or a value with the lines its hex list
// goes on over.
class ItemReader {
public:
  enum Kind { Blank, Comment, Key, Value, Broken };
  struct Item {
    Kind kind;
    std::string_view lines; // with their line ends
    std::string_view text;  // a key's name; a value's logical line
  };

  explicit ItemReader(std::string_view text) : FRest(text) {}

  // False at the end of the text.
  bool Next(Item& item) {
    const char* start = FRest.data();
    if (const std::string_view blank = TakeBlankLines(FRest); !blank.empty()) {
      item = {Blank, blank, {}};
      return true;
    }
    std::string_view line;
    if (!NextLine(FRest, line)) return false;
    item = Read(line);
    item.lines = std::string_view(start, std::size_t(FRest.data() - start));
    return true;
  }

private:
  Item Read(std::string_view line) {
    const std::string_view body = Body(line);
    const std::string_view trimmed = Trim(body);
    if (!IsTextLine(body)) return {Broken, {}, {}};
    if (trimmed.empty()) return {Blank, {}, {}};
    if (trimmed.starts_with(';')) return {Comment, {}, {}};
    if (trimmed.starts_with('[')) {
      const std::string_view key = Trim(trimmed.substr(1, trimmed.size() - 2));
      return trimmed.ends_with(']') && !key.empty() ? Item{Key, {}, key} : Item{Broken, {}, {}};
    }
    // Only a hex list goes on after a trailing backslash. The lines are
    // joined in one buffer, so that a value wrapped over many lines still
    // reads in time linear in its length.
    if (!trimmed.ends_with('\\') || trimmed.find("=hex") == std::string_view::npos)
      return {Value, {}, trimmed};
    FJoined.assign(trimmed);
    while (FJoined.ends_with('\\')) {
      if (!NextLine(FRest, line) || !IsTextLine(Body(line))) return {Broken, {}, {}};
      FJoined.pop_back();
      FJoined += Body(line);
      while (!FJoined.empty() && IsSpace(FJoined.back()))
        FJoined.pop_back();
    }
    return {Value, {}, FJoined};
  }

  std::string_view FRest;
  std::string FJoined;
};

// The header line taken off the front of the text; nullopt when the text
// does not begin with one.
std::optional<std::string_view> TakeHeader(std::string_view& text) {
  std::string_view header;
  if (!NextLine(text, header)) return std::nullopt;
  std::string_view first = Body(header);
  if (first.starts_with(kByteOrderMark)) first.remove_prefix(kByteOrderMark.size());
  if (Trim(first) != kHeader || !IsTextLine(first)) return std::nullopt;
  return header;
}

constexpr std::size_t kLargestText = std::numeric_limits<std::uint32_t>::max();

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

std::optional<std::uint32_t> RegistryValue::Number() const {
  if (type != REG_DWORD || data.size() != 4) return std::nullopt;
  std::uint32_t number = 0;
  for (auto byte = data.rbegin(); byte != data.rend(); ++byte)
    number = number << 8 | static_cast<unsigned char>(*byte);
  return number;
}

RegistryFile::RegistryFile() : FText(std::string(kHeader) + "\n") {}

std::optional<RegistryFile> RegistryFile::Parse(std::string text, std::string_view key) {
  if (text.size() >= kLargestText) return std::nullopt;
  std::optional<KeyIndex> index = ReadItems(text, key, true);
  if (!index) return std::nullopt;
  RegistryFile file;
  // New lines end as the header line does; a lone carriage return (the
  // file ends there) is no line end to write.
  std::string_view rest = text;
  if (const std::string_view end = LineEnd(*TakeHeader(rest)); end.ends_with('\n'))
    file.FLineEnd = end;
  file.FText = std::move(text);
  if (!key.empty()) file.FIndex = std::move(index);
  return file;
}

bool RegistryFile::HasKey(std::string_view key) const {
  return IndexOf(key).present;
}

void RegistryFile::AddKey(std::string_view key) {
  FText += Terminator(FText, FLineEnd);
  if (!EndsWithBlankLine(FText)) FText += FLineEnd;
  FText += "[" + std::string(key) + "]" + FLineEnd;
  // The index of a key before the new one would miss the line end just added.
  FIndex = KeyIndex{std::string(key), true, Offset(FText.size()), {}};
  FText += FLineEnd;
}

std::vector<RegistryFile::NamedValue> RegistryFile::Values() const {
  std::vector<NamedValue> values;
  std::string_view key, rest = FText;
  TakeHeader(rest);
  ItemReader items(rest);
  for (ItemReader::Item item; items.Next(item);) {
    if (item.kind == ItemReader::Key) key = item.text;
    if (item.kind != ItemReader::Value) continue;
    auto value = ParseValue(item.text);
    values.push_back({std::string(key), std::move(value->name), std::move(value->value)});
  }
  return values;
}

RegistryFile::KeyIndex& RegistryFile::IndexOf(std::string_view key) const {
  if (!FIndex || !EqualsIgnoreCase(FIndex->key, key)) FIndex = ReadItems(FText, key, false);
  return *FIndex;
}

// One reading of the text after its header: the index of the key and, when
// `check` is set, nullopt for a text that is not such a file.
std::optional<RegistryFile::KeyIndex> RegistryFile::ReadItems(std::string_view text,
                                                              std::string_view key, bool check) {
  KeyIndex index{std::string(key), false, 0, {}};
  std::string_view rest = text;
  if (!TakeHeader(rest)) return std::nullopt;
  bool inAnyKey = false, inKey = false;
  ItemReader items(rest);
  for (ItemReader::Item item; items.Next(item);) {
    const auto at = Offset(item.lines.data() - text.data());
    if (item.kind == ItemReader::Key) {
      inAnyKey = true;
      inKey = EqualsIgnoreCase(item.text, key);
      index.present = index.present || inKey;
    }
    if (check && item.kind == ItemReader::Broken) return std::nullopt;
    if (item.kind == ItemReader::Value && (check || inKey)) {
      // Checking reads the whole value; the index needs only its name.
      std::string_view logical = item.text;
      std::optional<std::string> name = ValueName(logical);
      if (check && (!inAnyKey || !name || !ParseAssignment(logical))) return std::nullopt;
      if (inKey) index.values.push_back({at, Offset(Body(item.lines).size()), NameHash(*name)});
    }
    if (!inKey || item.kind == ItemReader::Blank) continue;
    index.appendAt = Offset(at + item.lines.size());
  }
  return index;
}

// The lines of the key's last value of that name, nullptr when it has none;
// with `data`, the value's data too, from the same reading of its lines.
RegistryFile::ValueLines* RegistryFile::FindLines(KeyIndex& index, std::string_view name,
                                                  std::optional<RegistryValue>* data) const {
  const std::uint32_t hash = NameHash(name);
  for (auto lines = index.values.rbegin(); lines != index.values.rend(); ++lines) {
    if (lines->nameHash != hash) continue;
    // Read on from where the value starts, as the whole text was read: the
    // last backslash of a hex list can take in a blank line past `length`.
    ItemReader items(std::string_view(FText).substr(lines->at));
    ItemReader::Item item{};
    items.Next(item);
    std::string_view logical = item.text;
    if (!EqualsIgnoreCase(*ValueName(logical), name)) continue;
    if (data != nullptr) *data = ParseAssignment(logical);
    return &*lines;
  }
  return nullptr;
}

std::optional<RegistryValue> RegistryFile::Find(std::string_view key, std::string_view name) const {
  std::optional<RegistryValue> data;
  FindLines(IndexOf(key), name, &data);
  return data;
}

bool RegistryFile::Set(std::string_view key, std::string_view name, const RegistryValue& value) {
  const auto quotedName = name.empty() ? std::optional<std::string>("@") : QuoteText(name);
  if (!quotedName) return false;
  const std::string line = *quotedName + "=" + FormatData(value);
  KeyIndex& index = IndexOf(key);
  if (!index.present || FText.size() + line.size() + 2 * FLineEnd.size() >= kLargestText)
    return false;

  if (ValueLines* found = FindLines(index, name)) {
    Splice(index, found->at, found->length, line);
    found->length = Offset(line.size());
    return true;
  }
  // New values go after the key's last value or comment, before the blank
  // lines that separate it from the next key.
  const std::string_view before = std::string_view(FText).substr(0, index.appendAt);
  const std::string added = std::string(Terminator(before, FLineEnd)) + line + FLineEnd;
  Splice(index, index.appendAt, 0, added);
  const auto at = Offset(index.appendAt + added.size() - line.size() - FLineEnd.size());
  index.values.push_back({at, Offset(line.size()), NameHash(name)});
  index.appendAt = Offset(index.appendAt + added.size());
  return true;
}

// Puts `text` in the place of `length` bytes at `at` and moves the index
// along.
void RegistryFile::Splice(KeyIndex& index, Offset at, Offset length, std::string_view text) {
  const std::size_t size = FText.size() - length + text.size();
  if (size > FText.capacity()) {
    // Grown to the size needed and some room, rather than doubled, so that
    // a large file or value costs its size and not twice the file's.
    std::string grown;
    grown.reserve(size + kRoomToEdit);
    grown.append(FText, 0, at).append(text).append(FText, at + length);
    FText = std::move(grown);
  } else {
    FText.replace(at, length, text);
  }
  const auto shift = [&](Offset& offset) {
    if (offset > at) offset = Offset(offset - length + text.size());
  };
  for (ValueLines& lines : index.values)
    shift(lines.at);
  shift(index.appendAt);
}

} // namespace platform
