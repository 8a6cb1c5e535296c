#include "platform/Registry.h"

#include "platform/RegistryErrors.h"
#include "platform/RegistryFile.h"

// What the value operations mean, the same on every system; each backend
// (RegistryPosix.cpp, RegistryWin32.cpp) finds and writes the raw values.

namespace platform {

namespace {

std::string Quoted(std::string_view name) {
  return "'" + std::string(name) + "'";
}

} // namespace

ERegistryException SetDataError(std::string_view name, const std::string& cause) {
  return ERegistryException("Failed to set data for " + Quoted(name) +
                            (cause.empty() ? "" : "\n" + cause));
}

bool TRegistry::Refuse(const std::filesystem::path& file, const std::string& reason) {
  FFailure = TOpenFailure{file, reason};
  return false;
}

bool TRegistry::ValueExists(std::string_view name) const {
  return Find(name).has_value();
}

TRegDataType TRegistry::GetDataType(std::string_view name) const {
  const std::optional<RegistryValue> value = Find(name);
  switch (value ? value->type : REG_NONE) {
  case REG_SZ: return rdString;
  case REG_EXPAND_SZ: return rdExpandString;
  case REG_DWORD: return rdInteger;
  case REG_BINARY: return rdBinary;
  default: return rdUnknown;
  }
}

std::string TRegistry::ReadString(std::string_view name) const {
  const std::optional<RegistryValue> value = Find(name);
  if (!value || value->data.empty()) return {};
  if (value->type != REG_SZ && value->type != REG_EXPAND_SZ)
    throw ERegistryException("Invalid data type for " + Quoted(name));
  return value->data.substr(0, value->data.find('\0'));
}

std::int32_t TRegistry::ReadInteger(std::string_view name) const {
  const std::optional<RegistryValue> value = Find(name);
  if (!value) throw ERegistryException("Failed to get data for " + Quoted(name));
  if (value->type != REG_DWORD) throw ERegistryException("Invalid data type for " + Quoted(name));
  const std::optional<std::uint32_t> number = value->Number();
  if (!number) throw ERegistryException("Failed to get data for " + Quoted(name));
  return static_cast<std::int32_t>(*number);
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
  Write(name, RegistryValue::Text(value));
}

void TRegistry::WriteInteger(std::string_view name, std::int32_t value) {
  Write(name, RegistryValue::Integer(static_cast<std::uint32_t>(value)));
}

} // namespace platform
