#include "platform/RegistryFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::RegistryFile;
using platform::RegistryValue;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon";

RegistryFile Parsed(const std::string& text) {
  auto file = RegistryFile::Parse(text);
  EXPECT_TRUE(file.has_value()) << text;
  return file.value_or(RegistryFile());
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (const int byte : bytes)
    text += char(byte);
  return text;
}

// A file as another program or a person may have left it: Windows line
// ends, comments, two other keys, a wrapped hex value, no final line end.
const std::string kForeign = "REGEDIT4\r\n"
                             "; kept by hand\r\n"
                             "\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                             "\"List\"=hex(7):61,00,\\\r\n"
                             "  62,00,00\r\n"
                             "\r\n"
                             "[hkey_current_user\\software\\corvane\\tallyon]\r\n"
                             "\"Future\"=\"keep me\"\r\n"
                             "\"Value\"=\"12.5\"\r\n"
                             "\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Third]\r\n"
                             "@=dword:00000001";

TEST(RegistryFile, ReadsEveryKindOfValue) {
  const RegistryFile file = Parsed("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
                                   "\"Plain\"=\"12.5\"\n"
                                   "\"Escaped\"=\"C:\\\\Temp \\\"x\\\"\"\n"
                                   "\"Empty\"=\"\"\n"
                                   "\"Ten\"=dword:0000000a\n"
                                   "\"Short\"=dword:A\n"
                                   "\"Home\"=hex(2):25,48,00\n"
                                   "\"Blob\"=hex:01, 02 ,\\\n"
                                   "    03\n"
                                   "\"None\"=hex:\n"
                                   "\"Multi\"=hex(7):61,00,00\n"
                                   "\"Tabs\"\t=\t\"a\tb\"\n"
                                   "\"Open\"=hex:04,\\\n"
                                   "  05\\\n"
                                   "\n"
                                   "@=\"default\"\n");
  const struct {
    const char* name;
    RegistryValue value;
  } table[] = {
      {"Plain", RegistryValue::Text("12.5")},
      {"Escaped", RegistryValue::Text("C:\\Temp \"x\"")},
      {"Empty", RegistryValue::Text("")},
      {"Ten", RegistryValue::Integer(10)},
      {"short", RegistryValue::Integer(10)},
      {"Home", {platform::REG_EXPAND_SZ, Bytes({0x25, 0x48, 0})}},
      {"Blob", {platform::REG_BINARY, Bytes({1, 2, 3})}},
      {"None", {platform::REG_BINARY, ""}},
      {"Multi", {7, Bytes({0x61, 0, 0})}},
      {"Tabs", RegistryValue::Text("a\tb")},
      {"Open", {platform::REG_BINARY, Bytes({4, 5})}}, // its last backslash takes in a blank line
      {"", RegistryValue::Text("default")},
  };
  for (const auto& row : table) {
    const std::optional<RegistryValue> value = file.Find(kKey, row.name);
    ASSERT_TRUE(value.has_value()) << row.name;
    EXPECT_EQ(*value, row.value) << row.name;
  }
  EXPECT_EQ(file.Find(kKey, "Missing"), std::nullopt);
  EXPECT_EQ(file.Find("HKEY_CURRENT_USER\\Software\\Other", "Plain"), std::nullopt);
}

TEST(RegistryFile, RefusesWhatIsNotAnExportFile) {
  const char* const damaged[] = {
      "",
      "REGEDIT5\n",
      "Windows Registry Editor Version 5.00\r\n",
      "\n\nREGEDIT4\n",
      "REGEDIT4\n\"Value\"=\"before any key\"\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\X]\njust words\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\X\n",
      "REGEDIT4\n[]\n",
      "REGEDIT4\n[K]\n\"Value\"=\"unterminated\n",
      "REGEDIT4\n[K]\n\"Value\"=\"bad \\n escape\"\n",
      "REGEDIT4\n[K]\n\"Value\"=\"text\" trailing\n",
      "REGEDIT4\n[K]\n\"Value\"=dword:123456789\n",
      "REGEDIT4\n[K]\n\"Value\"=dword:\n",
      "REGEDIT4\n[K]\n\"Value\"=dword:12g4\n",
      "REGEDIT4\n[K]\n\"Value\"=hex:1,2,\n",
      "REGEDIT4\n[K]\n\"Value\"=hex:123\n",
      "REGEDIT4\n[K]\n\"Value\"=hex(x):00\n",
      "REGEDIT4\n[K]\n\"Value\"=hex:00,\\\n",
      "REGEDIT4\n[K]\n\"Value\"=-\n",
      "REGEDIT4\n[K]\nValue=\"unquoted name\"\n",
      "REGEDIT4\n[K]\n\"Value\"\n",
  };
  for (const char* text : damaged)
    EXPECT_FALSE(RegistryFile::Parse(text).has_value()) << '"' << text << '"';

  // Not text: a NUL, another control character, a lone carriage return.
  for (const std::string& text :
       {std::string("REGEDIT4\n[K]\n\"Value\"=\"a\0b\"\n", 22), std::string("REGEDIT4\n\x01\n"),
        std::string("REGEDIT4\r[K]\n"), std::string("\x7f\x45LF\x02\x01\x01\0\0\0", 10)})
    EXPECT_FALSE(RegistryFile::Parse(text).has_value());
}

TEST(RegistryFile, WritesBackUntouchedLinesByteForByte) {
  for (const std::string& text :
       {kForeign, std::string("\xEF\xBB\xBFREGEDIT4\n\n[K]\n\"A\"=\"\xE9\"\n")})
    EXPECT_EQ(Parsed(text).Text(), text);
}

TEST(RegistryFile, ChangesOnlyTheValuesSet) {
  RegistryFile file = Parsed(kForeign);
  ASSERT_TRUE(file.HasKey(kKey));
  ASSERT_TRUE(file.Set(kKey, "VALUE", RegistryValue::Text("7")));
  ASSERT_TRUE(file.Set(kKey, "ShowIn", RegistryValue::Integer(0xFFFFFFFF)));
  // The changed value keeps its place; the new one follows the key's last value.
  std::string expected = kForeign;
  const std::string old = "\"Value\"=\"12.5\"\r\n";
  expected.replace(expected.find(old), old.size(),
                   "\"VALUE\"=\"7\"\r\n\"ShowIn\"=dword:ffffffff\r\n");
  EXPECT_EQ(file.Text(), expected);
}

// Runs of blank and comment lines are held together; a new value still goes
// after the key's last value or comment and before the blank lines after it.
TEST(RegistryFile, NewValuesGoBeforeTheBlankLinesThatEndTheKey) {
  const struct {
    const char* body;
    const char* changed;
  } table[] = {
      {"; a\n; b\n\n\n[L]\n", "; a\n; b\n\"N\"=dword:00000001\n\n\n[L]\n"},
      {"\"A\"=\"1\"\n\n\n; c\n\n", "\"A\"=\"1\"\n\n\n; c\n\"N\"=dword:00000001\n\n"},
      {"\n \t\n\r\n", "\"N\"=dword:00000001\n\n \t\n\r\n"},
      {"; only", "; only\n\"N\"=dword:00000001\n"},
      {"\"A\"=\"1\"\n;\n\n;\n\n", "\"A\"=\"1\"\n;\n\n;\n\"N\"=dword:00000001\n\n"},
  };
  for (const auto& row : table) {
    RegistryFile file = Parsed(std::string("REGEDIT4\n\n[K]\n") + row.body);
    ASSERT_TRUE(file.Set("K", "N", RegistryValue::Integer(1)));
    EXPECT_EQ(file.Text(), std::string("REGEDIT4\n\n[K]\n") + row.changed) << row.body;
    ASSERT_TRUE(file.Set("K", "N", RegistryValue::Integer(1))) << "a second time";
    EXPECT_EQ(file.Text(), std::string("REGEDIT4\n\n[K]\n") + row.changed) << row.body;
  }
}

TEST(RegistryFile, NewKeyAfterAnUnterminatedLastLine) {
  RegistryFile file = Parsed("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=\"1\"");
  file.AddKey(kKey);
  ASSERT_TRUE(file.Set(kKey, "ThouSep", RegistryValue::Integer(1)));
  EXPECT_EQ(file.Text(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=\"1\"\n\n"
                         "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
                         "\"ThouSep\"=dword:00000001\n\n");
}

TEST(RegistryFile, FreshFileInTheExportFormat) {
  RegistryFile file;
  file.AddKey(kKey);
  ASSERT_TRUE(file.Set(kKey, "Value", RegistryValue::Text("C:\\ \"q\"")));
  ASSERT_TRUE(file.Set(kKey, "Home", RegistryValue::Text("%HOME%", platform::REG_EXPAND_SZ)));
  ASSERT_TRUE(file.Set(kKey, "", RegistryValue::Integer(10)));
  EXPECT_EQ(file.Text(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
                         "\"Value\"=\"C:\\\\ \\\"q\\\"\"\n"
                         "\"Home\"=hex(2):25,48,4f,4d,45,25,00\n"
                         "@=dword:0000000a\n\n");
}

TEST(RegistryFile, EveryValueReadsBackAsWritten) {
  const RegistryValue values[] = {
      RegistryValue::Text("two\nlines\r"),
      RegistryValue::Text("tab\there"),
      RegistryValue::Text(""),
      RegistryValue::Text(std::string("cut\0off", 7)),
      RegistryValue::Integer(0),
      {platform::REG_DWORD, Bytes({1, 2})},
      {platform::REG_SZ, "no terminator"},
      {platform::REG_BINARY, Bytes({0, 255, 10})},
      {0x1234, "x"},
  };
  RegistryFile file;
  file.AddKey(kKey);
  for (std::size_t i = 0; i < std::size(values); ++i)
    ASSERT_TRUE(file.Set(kKey, "v" + std::to_string(i), values[i]));
  const RegistryFile reread = Parsed(file.Text());
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const std::optional<RegistryValue> value = reread.Find(kKey, "v" + std::to_string(i));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, values[i]) << i;
  }
  EXPECT_EQ(values[3].data, std::string("cut\0", 4));
}

TEST(RegistryFile, NamesThatCannotBeWrittenChangeNothing) {
  RegistryFile file;
  file.AddKey(kKey);
  const std::string before = file.Text();
  EXPECT_FALSE(file.Set(kKey, "two\nlines", RegistryValue::Integer(1)));
  EXPECT_FALSE(file.Set("HKEY_CURRENT_USER\\Software\\Missing", "A", RegistryValue::Integer(1)));
  EXPECT_EQ(file.Text(), before);
  ASSERT_TRUE(file.Set(kKey, "quote\"and\\slash", RegistryValue::Integer(1)));
  EXPECT_TRUE(Parsed(file.Text()).Find(kKey, "quote\"and\\slash").has_value());
}

TEST(RegistryFile, LaterDuplicatesWinAndAreTheOnesChanged) {
  RegistryFile file = Parsed("REGEDIT4\n\n[K]\n\"A\"=\"first\"\n\n[K]\n\"a\"=\"second\"\n");
  EXPECT_EQ(*file.Find("k", "A"), RegistryValue::Text("second"));
  ASSERT_TRUE(file.Set("K", "A", RegistryValue::Text("third")));
  EXPECT_EQ(file.Text(), "REGEDIT4\n\n[K]\n\"A\"=\"first\"\n\n[K]\n\"A\"=\"third\"\n");
}

} // namespace

TEST(RegistryFile, ListsEveryValueInOrderAsTheFileSpellsIt) {
  RegistryFile file =
      Parsed("REGEDIT4\n\n[K]\n\"A\"=\"first\"\n; note\n\"ShowIn\"=dword:00000002\n\n"
             "[K]\n\"a\"=\"second\"\n");
  ASSERT_TRUE(file.Set("k", "SHOWIN", RegistryValue::Integer(3)));
  const std::vector<RegistryFile::NamedValue> expected = {
      {"K", "A", RegistryValue::Text("first")},
      {"K", "SHOWIN", RegistryValue::Integer(3)},
      {"K", "a", RegistryValue::Text("second")},
  };
  EXPECT_EQ(file.Values(), expected);
  EXPECT_EQ(Parsed(file.Text()).Values(), expected);
}

TEST(RegistryFile, AFileCutAfterACarriageReturnStaysReadable) {
  // A file with Windows line ends that lost its last line feed, or its
  // header's: what is added after the cut must not make it unreadable.
  for (const std::string& text :
       {std::string("REGEDIT4\r"), std::string("REGEDIT4\r\n\r\n[K]\r\n\"A\"=\"1\"\r"),
        std::string("REGEDIT4\r\n\r\n[K]\r\n\"A\"=\"1\"\r\n\r")}) {
    RegistryFile file = Parsed(text);
    if (!file.HasKey("K")) file.AddKey("K");
    ASSERT_TRUE(file.Set("K", "New", RegistryValue::Integer(7)));
    file.AddKey("Later");
    const auto reread = RegistryFile::Parse(file.Text());
    ASSERT_TRUE(reread.has_value()) << file.Text();
    EXPECT_EQ(reread->Values(), file.Values()) << file.Text();
    EXPECT_TRUE(reread->HasKey("Later"));
  }
}

TEST(RegistryFile, AValueWrappedOverManyLinesReads) {
  constexpr int kLines = 100000;
  std::string text = "REGEDIT4\n\n[K]\n\"Blob\"=hex:00";
  for (int i = 1; i < kLines; ++i)
    text += ",\\\n  " + std::string(i % 2 ? "ff" : "01");
  const RegistryFile file = Parsed(text + "\n");
  const std::optional<RegistryValue> blob = file.Find("K", "Blob");
  ASSERT_TRUE(blob.has_value());
  ASSERT_EQ(blob->data.size(), std::size_t(kLines));
  EXPECT_EQ(blob->data.substr(0, 3), Bytes({0, 255, 1}));
}
