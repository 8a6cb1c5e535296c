// The settings file as anything may have left it: a text that parses is
// written back byte for byte; after values set by the fuzzer (any bytes,
// any type, names that cannot be written) the file parses again with the
// same values, and every value not set is as it was.
//
// Input: a count of edits, the edits (kind, key choice, then name and data,
// each ended by 0xFE), then the file's text.

#include "platform/RegistryFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <string>

namespace {

using platform::RegistryFile;
using platform::RegistryValue;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon";
constexpr char kEnd = '\xFE';

bool EqualsIgnoreCase(std::string_view x, std::string_view y) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i)
    if (lower(x[i]) != lower(y[i])) return false;
  return true;
}

// A key name the format can hold: printable, with no space at either end.
std::string WritableKey(std::string_view text) {
  std::string key;
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) key += c;
  while (!key.empty() && (key.front() == ' ' || key.back() == ' '))
    key.erase(key.front() == ' ' ? key.begin() : key.end() - 1);
  return key.empty() ? std::string(kKey) : key;
}

RegistryValue ValueOf(std::size_t kind, std::string_view data) {
  switch (kind) {
  case 0: return RegistryValue::Text(data);
  case 1: return RegistryValue::Text(data, platform::REG_EXPAND_SZ);
  case 2: {
    std::uint32_t number = 0;
    for (const char c : data)
      number = number * 31 + static_cast<unsigned char>(c);
    return RegistryValue::Integer(number);
  }
  default:
    return {data.empty() ? 0u : static_cast<unsigned char>(data[0]),
            std::string(data.substr(data.empty() ? 0 : 1))};
  }
}

std::string Listed(const std::vector<RegistryFile::NamedValue>& values) {
  std::string text;
  for (const auto& [key, name, value] : values) {
    text += "[" + key + "] \"" + name + "\" type " + std::to_string(value.type) + ":";
    for (const char c : value.data)
      text += " " + std::to_string(static_cast<unsigned char>(c));
    text += "\n";
  }
  return text;
}

struct ValueEdit {
  std::size_t kind;
  std::size_t keyChoice;
  std::string name;
  std::string data;
};

void Edit(RegistryFile& file, const ValueEdit& edit) {
  const std::vector<RegistryFile::NamedValue> before = file.Values();
  if (edit.kind == 4) { // a new key
    const std::string key = WritableKey(edit.name);
    if (!file.HasKey(key)) file.AddKey(key);
    fuzz::Require(file.HasKey(key), "an added key is there", key);
    fuzz::Require(file.Values() == before, "adding a key changes no value");
    return;
  }
  const std::string key = before.empty() || edit.keyChoice % 2 == 0
                              ? std::string(kKey)
                              : before[edit.keyChoice / 2 % before.size()].key;
  const RegistryValue value = ValueOf(edit.kind, edit.data);
  if (!file.Set(key, edit.name, value)) {
    fuzz::Require(file.Values() == before, "a refused value changes nothing", edit.name);
    return;
  }
  const std::optional<RegistryValue> found = file.Find(key, edit.name);
  fuzz::Require(found == value, "a value reads as set", edit.name);
  for (const auto& other : before) {
    if (EqualsIgnoreCase(other.key, key) && EqualsIgnoreCase(other.name, edit.name)) continue;
    const std::optional<RegistryValue> still = file.Find(other.key, other.name);
    const RegistryValue* was = nullptr;
    for (const auto& old : before)
      if (EqualsIgnoreCase(old.key, other.key) && EqualsIgnoreCase(old.name, other.name))
        was = &old.value;
    fuzz::Require(still.has_value() && *still == *was, "other values stay as they were",
                  other.name);
  }
  const std::size_t count = file.Values().size();
  fuzz::Require(count == before.size() || count == before.size() + 1,
                "a value is replaced or added, never more");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  std::vector<ValueEdit> edits(input.Choice(4));
  for (ValueEdit& edit : edits) {
    edit.kind = input.Choice(5);
    edit.keyChoice = input.Byte();
    edit.name = input.Text(kEnd);
    edit.data = input.Text(kEnd);
  }
  const std::string text(input.Rest());

  // The program's key is indexed as the file is read, any other when first asked for.
  std::optional<RegistryFile> file = RegistryFile::Parse(text, kKey);
  if (!file) return 0;
  fuzz::Require(file->Text() == text, "an untouched file is written back byte for byte");
  for (const ValueEdit& edit : edits)
    Edit(*file, edit);

  const std::string written = file->Text();
  const std::optional<RegistryFile> again = RegistryFile::Parse(written);
  fuzz::Require(again.has_value(), "a written file parses", written);
  fuzz::Require(again->Text() == written, "and is written back byte for byte");
  fuzz::Require(again->Values() == file->Values(), "with the same values",
                Listed(file->Values()) + "\nread back:\n" + Listed(again->Values()));
  return 0;
}
