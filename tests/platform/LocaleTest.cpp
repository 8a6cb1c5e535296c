#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Sets the locale variables for one test and restores them after.
class LocaleEnvironment : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name, value->c_str(), 1);
      else
        unsetenv(name);
    }
  }

private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(LocaleEnvironment, PlainLocaleGivesAPointAndNoGrouping) {
  setenv("LANG", "C", 1);
  const platform::LocaleNumberFormat format = platform::UserNumberFormat();
  EXPECT_EQ(format.decimalSeparator, ".");
  EXPECT_EQ(format.thousandsSeparator, "");
}

TEST_F(LocaleEnvironment, UnknownLocaleGivesNothing) {
  setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  const platform::LocaleNumberFormat format = platform::UserNumberFormat();
  EXPECT_EQ(format.decimalSeparator, "");
  EXPECT_EQ(format.thousandsSeparator, "");
}

TEST_F(LocaleEnvironment, LcAllWinsOverLcNumericAndLang) {
  setenv("LANG", "xx_NOWHERE", 1);
  setenv("LC_NUMERIC", "xx_NOWHERE", 1);
  setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(platform::UserNumberFormat().decimalSeparator, ".");
  unsetenv("LC_ALL");
  EXPECT_EQ(platform::UserNumberFormat().decimalSeparator, "");
}

TEST_F(LocaleEnvironment, GermanLocaleWhereInstalled) {
  setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
  const platform::LocaleNumberFormat format = platform::UserNumberFormat();
  if (format.decimalSeparator.empty()) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  EXPECT_EQ(format.decimalSeparator, ",");
  EXPECT_EQ(format.thousandsSeparator, ".");
}

TEST_F(LocaleEnvironment, FrenchGroupingIsSeveralBytes) {
  setenv("LANG", "fr_FR.UTF-8", 1);
  const platform::LocaleNumberFormat format = platform::UserNumberFormat();
  if (format.decimalSeparator.empty()) GTEST_SKIP() << "fr_FR.UTF-8 is not installed";
  EXPECT_EQ(format.decimalSeparator, ",");
  EXPECT_EQ(format.thousandsSeparator, "\xE2\x80\xAF"); // narrow no-break space
}

} // namespace
