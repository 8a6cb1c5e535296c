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
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
      const char* value = std::getenv(name);
      FSaved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : FSaved) {
      if (value)
        setenv(name, value->c_str(), 1);
      else
        unsetenv(name);
    }
  }

private:
  std::vector<std::pair<const char*, std::optional<std::string>>> FSaved;
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

TEST_F(LocaleEnvironment, MessageLanguagesAsGettextChoosesThem) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* language;
    std::vector<std::string> expected;
  } rows[] = {
      {nullptr, nullptr, nullptr, nullptr, {}},
      {nullptr, nullptr, "de_DE.UTF-8", nullptr, {"de_DE"}},
      {nullptr, nullptr, "fr_FR@euro", nullptr, {"fr_FR"}},
      {nullptr, "fr_FR.UTF-8", "de_DE.UTF-8", nullptr, {"fr_FR"}},
      {"de_AT.UTF-8", "fr_FR.UTF-8", "C", nullptr, {"de_AT"}},
      {"", "", "fr_CA.ISO-8859-1", "", {"fr_CA"}},
      {nullptr, nullptr, "de_DE.UTF-8", "fr:en", {"fr", "en"}},
      {nullptr, nullptr, "de_DE.UTF-8", "::fr_FR.UTF-8:", {"fr_FR"}},
      {nullptr, nullptr, "de_DE.UTF-8", ":", {"de_DE"}},
      // Under C the texts stay as written, whatever LANGUAGE asks for.
      {"C.UTF-8", nullptr, "fr_FR.UTF-8", "de", {}},
      {nullptr, "POSIX", "fr_FR.UTF-8", nullptr, {}},
      {nullptr, nullptr, "C", "de:fr", {}},
      {nullptr, nullptr, nullptr, "de", {}},
  };
  for (const auto& row : rows) {
    const std::pair<const char*, const char*> values[] = {{"LC_ALL", row.lcAll},
                                                          {"LC_MESSAGES", row.lcMessages},
                                                          {"LANG", row.lang},
                                                          {"LANGUAGE", row.language}};
    std::string tag;
    for (const auto& [name, value] : values) {
      if (value == nullptr) {
        unsetenv(name);
        continue;
      }
      setenv(name, value, 1);
      tag += std::string(name) + "=" + value + " ";
    }
    EXPECT_EQ(platform::UserMessageLanguages(), row.expected) << tag;
  }
}

} // namespace
