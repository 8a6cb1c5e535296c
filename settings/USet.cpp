#include "settings/USet.h"

#include "platform/Registry.h"

namespace USet {

std::string Value;
std::string Memory;
bool ThouSep = false;
bool StayOnTop = false;
std::int32_t ShowIn = 0;

namespace {

// The integer of a value that exists; otherwise writes the default back.
std::int32_t ReadOrWriteBack(platform::TRegistry& registry, const char* name,
                             std::int32_t byDefault) {
  if (registry.ValueExists(name)) return registry.ReadInteger(name);
  registry.WriteInteger(name, byDefault);
  return byDefault;
}

} // namespace

void LoadSettings() {
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  if (!registry.OpenKey(SettingsKey, true)) return;
  // Each setting is assigned as soon as it is read, so a value of the wrong
  // type leaves the ones before it loaded and the ones after it unchanged.
  Value = registry.ReadString("Value");
  if (Value.empty()) Value = DefaultValue;
  Memory = registry.ReadString("Memory");
  if (Memory.empty()) Memory = "0";
  ThouSep = ReadOrWriteBack(registry, "ThouSep", 1) != 0;
  StayOnTop = ReadOrWriteBack(registry, "StayOnTop", 0) != 0;
  ShowIn = ReadOrWriteBack(registry, "ShowIn", 1);
  registry.CloseKey();
}

void SaveSettings() {
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  if (!registry.OpenKey(SettingsKey, true)) return;
  registry.WriteString("Value", Value);
  registry.WriteString("Memory", Memory);
  registry.WriteInteger("ThouSep", ThouSep ? 1 : 0);
  registry.WriteInteger("StayOnTop", StayOnTop ? 1 : 0);
  registry.WriteInteger("ShowIn", ShowIn);
  registry.CloseKey();
}

std::string TakeSettingsNotice() {
  std::string notice;
  for (const auto& kept : platform::TRegistry::TakeKeptFiles())
    notice += std::string(notice.empty() ? "" : "\n") +
              "The settings file was damaged and could not be read. It has been kept as \"" +
              kept.string() + "\", and the settings start from their defaults.";
  return notice;
}

} // namespace USet
