#pragma once
// Test fixture: a key HKEY_CURRENT_USER\Software\Corvane\Tallyon of the
// test's own, empty at the start, on whatever holds the registry on this
// system (RegistrySandboxPosix.cpp: a temporary settings folder;
// RegistrySandboxWin32.cpp: the real registry, which CI gives a fresh Wine
// prefix), with values put there as the system stores them.

#include "platform/RegistryFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class RegistrySandbox : public ::testing::Test {
protected:
  static constexpr const char* kKey = "\\Software\\Corvane\\Tallyon";

  void SetUp() override;
  void TearDown() override;

  // Stores raw values in the key, as another program may have left them.
  void Seed(const std::vector<std::pair<std::string, platform::RegistryValue>>& values);

private:
  struct Place;
  std::shared_ptr<Place> FPlace;
};

} // namespace testsupport
