// The seven settings through a save and a load on this system's store: the
// settings file here, the real registry on Windows.

#include "platform/Registry.h"
#include "settings/USet.h"
#include "tests/platform/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using SettingsRoundTrip = testsupport::RegistrySandbox;

std::string Current() {
  return USet::Value + "|" + USet::Memory + "|" + std::to_string(USet::ThouSep) + "|" +
         std::to_string(USet::StayOnTop) + "|" + std::to_string(USet::ShowIn) + "|" +
         std::to_string(USet::Functions) + "|" + std::to_string(USet::AngularMeasure);
}

TEST_F(SettingsRoundTrip, TheSevenSettingsComeBackWithTheirTypes) {
  USet::LoadSettings();
  USet::Value = "-1.5E+0300";
  USet::Memory = "12.5";
  USet::ThouSep = false;
  USet::StayOnTop = true;
  USet::ShowIn = USet::ShowInTaskbar;
  USet::Functions = true;
  USet::AngularMeasure = 2;
  const std::string saved = Current();
  USet::SaveSettings();

  USet::Value = USet::Memory = "";
  USet::ThouSep = USet::StayOnTop = USet::Functions = false;
  USet::ShowIn = USet::AngularMeasure = 0;
  USet::LoadSettings();
  EXPECT_EQ(Current(), saved);
  EXPECT_EQ(USet::TakeSettingsNotice(), "");

  platform::TRegistry registry(platform::KEY_READ);
  ASSERT_TRUE(registry.OpenKey(USet::SettingsKey, false));
  for (const char* text : {"Value", "Memory"})
    EXPECT_EQ(registry.GetDataType(text), platform::rdString) << text;
  for (const char* integer : {"ThouSep", "StayOnTop", "ShowIn", "Functions", "AngularMeasure"})
    EXPECT_EQ(registry.GetDataType(integer), platform::rdInteger) << integer;
}

} // namespace
