#include "tests/platform/RegistrySandbox.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

namespace {

constexpr const char* kSubKey = "Software\\Corvane\\Tallyon";

void DeleteKey() {
  const LSTATUS status = ::RegDeleteTreeA(HKEY_CURRENT_USER, kSubKey);
  ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
}

} // namespace

struct RegistrySandbox::Place {};

void RegistrySandbox::SetUp() {
  DeleteKey();
}

// With TALLYON_TEST_KEEP_KEY set the last case's values stay, for other
// programs to read (CI's "reg query" after the settings' round trip).
void RegistrySandbox::TearDown() {
  if (std::getenv("TALLYON_TEST_KEEP_KEY") == nullptr) DeleteKey();
}

void RegistrySandbox::Seed(
    const std::vector<std::pair<std::string, platform::RegistryValue>>& values) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  for (const auto& [name, value] : values)
    EXPECT_EQ(::RegSetValueExA(key, name.c_str(), 0, value.type,
                               reinterpret_cast<const BYTE*>(value.data.data()),
                               static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS)
        << name;
  ::RegCloseKey(key);
}

} // namespace testsupport
