// What only the real registry shows: the value types TRegistry stores, as
// any other program (regedit, reg query) reads them.

#include "platform/Registry.h"
#include "tests/platform/RegistrySandbox.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using WindowsRegistry = testsupport::RegistrySandbox;

TEST_F(WindowsRegistry, TextsAreStringsAndIntegersDwords) {
  platform::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("Value", "12.5");
  registry.WriteInteger("ShowIn", -2);
  registry.BeginUpdate();
  registry.WriteString("Memory", "");
  registry.WriteInteger("ThouSep", 1);
  registry.EndUpdate();

  const struct {
    const char* name;
    DWORD type;
    std::string data;
  } table[] = {{"Value", REG_SZ, std::string("12.5\0", 5)},
               {"ShowIn", REG_DWORD, "\xfe\xff\xff\xff"},
               {"Memory", REG_SZ, std::string("\0", 1)},
               {"ThouSep", REG_DWORD, std::string("\x01\0\0\0", 4)}};
  for (const auto& row : table) {
    char data[64] = {};
    DWORD type = 0;
    DWORD size = sizeof data;
    ASSERT_EQ(::RegGetValueA(HKEY_CURRENT_USER, "Software\\Corvane\\Tallyon", row.name,
                             RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size),
              ERROR_SUCCESS)
        << row.name;
    EXPECT_EQ(type, row.type) << row.name;
    EXPECT_EQ(std::string(data, size), row.data) << row.name;
  }
}

TEST_F(WindowsRegistry, FailuresNameTheKey) {
  // KEY_READ is <windows.h>'s macro here, of the same value as platform::KEY_READ.
  platform::TRegistry registry(KEY_READ);
  EXPECT_FALSE(registry.OpenKey("\\Software\\Corvane\\Tallyon", false));
  ASSERT_TRUE(registry.OpenFailure().has_value());
  EXPECT_EQ(registry.OpenFailure()->file.string(), "HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon");
  EXPECT_EQ(platform::TRegistry::TakeKeptFiles(), std::vector<std::filesystem::path>());
}

} // namespace
