// What TRegistry does on every system, the same cases run on the backend
// of the system the tests are built for: the settings file here, the real
// registry on Windows.

#include "platform/Registry.h"
#include "tests/platform/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using platform::RegistryValue;
using platform::TRegistry;
using Behaviour = testsupport::RegistrySandbox;

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const platform::ERegistryException& error) {
    return error.what();
  }
  return "(no error)";
}

RegistryValue Raw(std::uint32_t type, std::string data) {
  return {type, std::move(data)};
}

TEST_F(Behaviour, ReadsByDataType) {
  using namespace std::string_literals;
  Seed({{"Text", Raw(platform::REG_SZ, "12.5\0"s)},
        {"Cut", Raw(platform::REG_SZ, "1\0"s
                                      "2\0"s)},
        {"Expand", Raw(platform::REG_EXPAND_SZ, "%HOME%\0"s)},
        {"Number", Raw(platform::REG_DWORD, "\xff\xff\xff\xff")},
        {"Wide", Raw(platform::REG_DWORD, "\x01\x02")},
        {"Binary", Raw(platform::REG_BINARY, "\x01")},
        {"NoData", Raw(platform::REG_BINARY, "")},
        {"Multi", Raw(7, "a\0\0"s)}});
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  const std::string invalid = "Invalid data type for ";
  const std::string failed = "Failed to get data for ";
  const struct {
    const char* name;
    platform::TRegDataType type;
    std::string text;    // ReadString, or its error
    std::string integer; // ReadInteger, or its error
  } table[] = {
      {"Text", platform::rdString, "12.5", invalid + "'Text'"},
      {"cut", platform::rdString, "1", invalid + "'cut'"},
      {"Expand", platform::rdExpandString, "%HOME%", invalid + "'Expand'"},
      {"Number", platform::rdInteger, invalid + "'Number'", "-1"},
      {"Wide", platform::rdInteger, invalid + "'Wide'", failed + "'Wide'"},
      {"Binary", platform::rdBinary, invalid + "'Binary'", invalid + "'Binary'"},
      {"NoData", platform::rdBinary, "", invalid + "'NoData'"},
      {"Multi", platform::rdUnknown, invalid + "'Multi'", invalid + "'Multi'"},
      {"Missing", platform::rdUnknown, "", failed + "'Missing'"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(registry.GetDataType(row.name), row.type) << row.name;
    EXPECT_EQ(registry.ValueExists(row.name), std::string(row.name) != "Missing");
    std::string text, integer;
    const std::string textError = MessageOf([&] { text = registry.ReadString(row.name); });
    const std::string integerError =
        MessageOf([&] { integer = std::to_string(registry.ReadInteger(row.name)); });
    EXPECT_EQ(textError == "(no error)" ? text : textError, row.text) << row.name;
    EXPECT_EQ(integerError == "(no error)" ? integer : integerError, row.integer) << row.name;
  }
}

TEST_F(Behaviour, WritesReadBackThroughAnotherKey) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(kKey, true));
  const struct {
    const char* name;
    platform::TRegDataType type;
    std::string written; // a text, or an integer's digits
  } table[] = {{"Value", platform::rdString, "12.5"},
               {"Empty", platform::rdString, ""},
               {"Spaces", platform::rdString, " 1 2 "},
               {"ShowIn", platform::rdInteger, "-1"},
               {"Largest", platform::rdInteger, "2147483647"},
               {"Smallest", platform::rdInteger, "-2147483648"}};
  for (const auto& row : table) {
    if (row.type == platform::rdInteger)
      writer.WriteInteger(row.name, std::stoi(row.written));
    else
      writer.WriteString(row.name, row.written);
  }
  TRegistry reader(platform::KEY_READ);
  ASSERT_TRUE(reader.OpenKey(kKey, false));
  for (const auto& row : table) {
    EXPECT_EQ(reader.GetDataType(row.name), row.type) << row.name;
    EXPECT_EQ(row.type == platform::rdInteger ? std::to_string(reader.ReadInteger(row.name))
                                              : reader.ReadString(row.name),
              row.written)
        << row.name;
  }
  EXPECT_EQ(MessageOf([&] { reader.WriteString("Value", "1"); }), "Failed to set data for 'Value'");
}

TEST_F(Behaviour, AMissingKeyOpensOnlyWhenItMayBeCreated) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, false));
  ASSERT_TRUE(registry.OpenFailure().has_value());
  EXPECT_EQ(registry.OpenFailure()->reason, platform::NoSuchKey);
  EXPECT_EQ(MessageOf([&] { registry.WriteString("Value", "1"); }),
            "Failed to set data for 'Value'");
  EXPECT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_FALSE(registry.OpenFailure().has_value());
  EXPECT_TRUE(TRegistry(platform::KEY_READ).OpenKey(kKey, false));
}

TEST_F(Behaviour, AnUpdateIsSeenByOthersOnlyAtItsEnd) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(kKey, true));
  writer.WriteString("Value", "1");
  writer.BeginUpdate();
  writer.WriteString("Value", "2");
  writer.WriteString("Memory", "3");
  writer.WriteString("value", "4");
  EXPECT_EQ(writer.ReadString("Value"), "4") << "the writer sees its own writes";
  const auto others = [&](const char* name) {
    TRegistry reader(platform::KEY_READ);
    return reader.OpenKey(kKey, false) ? reader.ReadString(name) : "(no key)";
  };
  EXPECT_EQ(others("Value"), "1");
  EXPECT_EQ(others("Memory"), "");
  writer.EndUpdate();
  EXPECT_EQ(others("Value"), "4");
  EXPECT_EQ(others("Memory"), "3");
}

} // namespace
