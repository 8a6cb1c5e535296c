#include "platform/Registry.h"

#include "platform/RegistryErrors.h"
#include "platform/RegistryFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

// TRegistry on the system's registry, under HKEY_CURRENT_USER.

namespace platform {

namespace {

// The system's text for an error code, without its line end.
std::string SystemMessage(LSTATUS code) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "Error " + std::to_string(code);
  ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
    message.pop_back();
  return message;
}

// "\Software\Corvane\Tallyon" -> "Software\Corvane\Tallyon".
std::string SubKey(std::string_view key) {
  while (key.starts_with('\\'))
    key.remove_prefix(1);
  return std::string(key);
}

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<RegistryValue> Query(HKEY key, const std::string& name) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  RegistryValue value{type, std::string(size, '\0')};
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.type = type;
  value.data.resize(size);
  return value;
}

LSTATUS Store(HKEY key, const std::string& name, const RegistryValue& value) {
  return ::RegSetValueExA(key, name.c_str(), 0, value.type,
                          reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size()));
}

} // namespace

struct TRegistry::TKey {
  HKEY handle = nullptr;
  bool updating = false; // between BeginUpdate and EndUpdate
  // The writes of the update, in their order; a name written twice is here once.
  std::vector<std::pair<std::string, RegistryValue>> pending;

  TKey() = default;
  TKey(const TKey&) = delete;
  TKey& operator=(const TKey&) = delete;
  ~TKey() { ::RegCloseKey(handle); }

  std::pair<std::string, RegistryValue>* Pending(std::string_view name) {
    for (auto& write : pending)
      if (SameName(write.first, name)) return &write;
    return nullptr;
  }
};

std::optional<std::filesystem::path> RegistryFileFor(std::string_view key) {
  return std::filesystem::path("HKEY_CURRENT_USER\\" + SubKey(key));
}

TRegistry::TRegistry(std::uint32_t access) : FAccess(access) {}

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
  CloseKey();
  FFailure.reset();
  const std::string path = SubKey(key);
  auto opened = std::make_unique<TKey>();
  const LSTATUS status =
      canCreate
          ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              FAccess, nullptr, &opened->handle, nullptr)
          : ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, FAccess, &opened->handle);
  if (status != ERROR_SUCCESS) {
    opened->handle = nullptr;
    return Refuse(*RegistryFileFor(key),
                  status == ERROR_FILE_NOT_FOUND ? std::string(NoSuchKey) : SystemMessage(status));
  }
  FKey = std::move(opened);
  return true;
}

void TRegistry::CloseKey() {
  FKey.reset();
}

std::optional<RegistryValue> TRegistry::Find(std::string_view name) const {
  if (!FKey) return std::nullopt;
  if (const auto* pending = FKey->Pending(name)) return pending->second;
  return Query(FKey->handle, std::string(name));
}

void TRegistry::Write(std::string_view name, const RegistryValue& value) {
  if (!FKey || (FAccess & KEY_SET_VALUE) == 0) throw SetDataError(name);
  if (FKey->updating) {
    if (auto* pending = FKey->Pending(name))
      pending->second = value;
    else
      FKey->pending.emplace_back(std::string(name), value);
    return;
  }
  if (const LSTATUS status = Store(FKey->handle, std::string(name), value); status != ERROR_SUCCESS)
    throw SetDataError(name, SystemMessage(status));
}

void TRegistry::BeginUpdate() {
  if (FKey) FKey->updating = true;
}

void TRegistry::EndUpdate() {
  if (!FKey || !FKey->updating) return;
  FKey->updating = false;
  const auto pending = std::exchange(FKey->pending, {});
  // What each value held before, to put back when a later write fails.
  std::vector<std::pair<std::string, std::optional<RegistryValue>>> before;
  for (const auto& [name, value] : pending) {
    before.emplace_back(name, Query(FKey->handle, name));
    const LSTATUS status = Store(FKey->handle, name, value);
    if (status == ERROR_SUCCESS) continue;
    for (const auto& [written, old] : before) {
      if (old)
        Store(FKey->handle, written, *old);
      else
        ::RegDeleteValueA(FKey->handle, written.c_str());
    }
    FKey.reset();
    throw SetDataError(pending.front().first, SystemMessage(status));
  }
  if (!pending.empty()) ::RegFlushKey(FKey->handle);
}

std::vector<std::filesystem::path> TRegistry::TakeKeptFiles() {
  return {};
}

} // namespace platform
