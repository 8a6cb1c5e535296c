#include "tests/platform/RegistrySandbox.h"

#include "tests/support/TemporaryHome.h"

namespace testsupport {

// The temporary home of TemporaryHome, reached through its protected parts.
struct RegistrySandbox::Place : TemporaryHome {
  void Enter() { TemporaryHome::SetUp(); }
  void Leave() { TemporaryHome::TearDown(); }
  using TemporaryHome::File;
  using TemporaryHome::Write;
  void TestBody() override {}
};

void RegistrySandbox::SetUp() {
  FPlace = std::make_shared<Place>();
  FPlace->Enter();
}

void RegistrySandbox::TearDown() {
  FPlace->Leave();
}

void RegistrySandbox::Seed(
    const std::vector<std::pair<std::string, platform::RegistryValue>>& values) {
  platform::RegistryFile file;
  const std::string key = "HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon";
  file.AddKey(key);
  for (const auto& [name, value] : values)
    ASSERT_TRUE(file.Set(key, name, value)) << name;
  Place::Write(FPlace->File(), file.Text());
}

} // namespace testsupport
