// Hostile text through the window's real paths: the clipboard (Shift+Insert)
// and the settings file read at start. Each case ends with the value kept or
// cleanly replaced, the displays showing what the engine holds, and no error
// box other than the ones the window owes its user. Their speed is measured
// by bench/HostileInputBench.cpp; these check the outcomes.

#include "app/ErrorDisplay.h"
#include "display/format/DisplayFormat.h"
#include "tests/app/WindowFixture.h"

#include <QClipboard>
#include <QMimeData>

#include <functional>
#include <string>
#include <sys/stat.h>

using namespace app;

using namespace engine;
using namespace display;

namespace {

using apptest::MessageBoxWatch;
using apptest::Window;

const std::string kMillionDigits(1000000, '7');
const std::string kConvertTail = "' is not a valid floating point value.";

class HostileInput : public Window {
protected:
  void Paste(const QByteArray& bytes) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), bytes);
    QGuiApplication::clipboard()->setMimeData(data);
    Type(Qt::Key_Insert, Qt::ShiftModifier);
  }
  // The value, the engine and the display agree.
  void ExpectValue(const std::string& value, const std::string& tag) {
    EXPECT_EQ(USet::Value, value) << tag;
    EXPECT_EQ(window->Calculator().Value(), value) << tag;
    EXPECT_EQ(window->MainIndicator().DisplayText(),
              DisplayTextOf(value, true, CurrentSeparators()))
        << tag;
  }
};

TEST_F(HostileInput, PastedTextKeepsTheValueOrReplacesItCleanly) {
  MessageBoxWatch boxes;
  Open();
  QGuiApplication::clipboard()->setText("12.5");
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  const std::string hundredMegabytes(100 << 20, '7');
  const struct {
    const char* tag;
    QByteArray clipboard;
    const char* value; // nullptr: the value before stays
  } cases[] = {
      {"100 MB of digits", QByteArray::fromStdString(hundredMegabytes), nullptr},
      {"100 MB of decimals", QByteArray::fromStdString("0." + hundredMegabytes),
       "0.777777777777778"},
      {"a million digits", QByteArray::fromStdString(kMillionDigits), nullptr},
      {"a million decimals", QByteArray::fromStdString("1." + kMillionDigits), "1.77777777777778"},
      {"ten thousand exponent digits", QByteArray::fromStdString("1E" + std::string(10000, '9')),
       nullptr},
      {"ten thousand exponent digits, mostly zeros",
       QByteArray::fromStdString("-2E" + std::string(9999, '0') + "3"), "-2000"},
      {"a NUL ends the text",
       QByteArray("34\0"
                  "56",
                  5),
       "34"},
      {"nothing before a NUL",
       QByteArray("\0"
                  "56",
                  3),
       nullptr},
      {"bytes that are not UTF-8 between the digits",
       QByteArray("\xff\xfe"
                  "4\xc3"
                  "2\x80",
                  6),
       nullptr},
      {"a lone invalid byte", QByteArray("\xff"), nullptr},
  };
  for (const auto& c : cases) {
    const std::string before = USet::Value;
    Paste(c.clipboard);
    ExpectValue(c.value ? c.value : before, c.tag);
    if (c.value) {
      QGuiApplication::clipboard()->setText("12.5");
      Type(Qt::Key_Insert, Qt::ShiftModifier);
    }
  }
  QTest::qWait(20);
  EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
}

TEST_F(HostileInput, StoredTextsThatDoNotReadAreReportedShortAndKept) {
  const std::string tenThousandExponentDigits = "1E" + std::string(10000, '9');
  for (const std::string& stored :
       // The longest: a file just under 100 MB, the largest read as settings.
       {kMillionDigits, tenThousandExponentDigits, std::string((100 << 20) - 100, '7')}) {
    const std::string tag = stored.substr(0, 12) + "... (" + std::to_string(stored.size()) + ")";
    TearDown();
    SetUp();
    WriteSettings("\"Value\"=\"" + stored + "\"\n");
    MessageBoxWatch boxes;
    Open();
    QTest::qWait(50);
    // The start stops at the display, which cannot show the text; the box
    // names the text by its two ends.
    ASSERT_EQ(boxes.Texts().size(), 1u) << tag;
    const std::string& shown = boxes.Texts()[0];
    EXPECT_LE(shown.size(), 300u) << tag;
    EXPECT_TRUE(shown.starts_with("'" + stored.substr(0, 50))) << shown;
    EXPECT_NE(shown.find("\u2026"), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with(stored.substr(stored.size() - 50) + kConvertTail)) << shown;
    EXPECT_LE(boxes.Widths()[0], 480) << tag << ": the message wraps, not as wide as the screen";
    EXPECT_EQ(window->MainIndicator().DisplayText(), "0") << tag;
    EXPECT_EQ(USet::Value, stored) << tag;
    // The engine is as the layout made it, entering "0"; clear and a key
    // carry on as usual.
    Type(Qt::Key_Delete);
    Type(Qt::Key_5);
    ExpectValue("5", tag);
  }
}

TEST_F(HostileInput, AStoredTextThatDoesNotReadIsStoredBackAsItWas) {
  WriteSettings("\"Value\"=\"" + kMillionDigits + "\"\n");
  MessageBoxWatch boxes;
  Open();
  QTest::qWait(50);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  ASSERT_TRUE(window->close());
  EXPECT_NE(SettingsText().find("\"Value\"=\"" + kMillionDigits + "\""), std::string::npos);
}

TEST_F(HostileInput, StoredTextsAreCleanedAsTheDisplaysCleanThem) {
  // A stored text that reads is the engine's value text as written.
  const std::string exponent = "2E" + std::string(9999, '0') + "3";
  const struct {
    const char* tag;
    std::string values;
    std::string value;
    const char* notice = nullptr; // the start's one message, told after the window appears
  } cases[] = {
      // Text that is not UTF-8 cannot be shown or edited: it is not taken.
      {"bytes that are not UTF-8",
       "\"Value\"=\"\xff\xfe"
       "1\xc3"
       "2\"\n",
       USet::DefaultValue, "the value \"Value\" is not UTF-8 text"},
      {"a memory that is not UTF-8", "\"Value\"=\"4\"\n\"Memory\"=\"\xff\"\n", "4",
       "the value \"Memory\" is not UTF-8 text"},
      {"a text value cut at its NUL", "\"Value\"=hex(1):33,34,00,35,00\n", "34"},
      {"exponent digits, mostly zeros", "\"Value\"=\"" + exponent + "\"\n", exponent},
  };
  for (const auto& c : cases) {
    TearDown();
    SetUp();
    WriteSettings(c.values);
    MessageBoxWatch boxes;
    Open();
    QTest::qWait(20);
    if (c.notice) {
      ASSERT_EQ(boxes.Texts().size(), 1u) << c.tag;
      EXPECT_NE(boxes.Texts()[0].find(c.notice), std::string::npos) << boxes.Texts()[0];
    } else {
      EXPECT_TRUE(boxes.Texts().empty()) << c.tag;
    }
    ExpectValue(c.value, c.tag);
  }
}

// A settings file that cannot be read is told once, after the window
// appears, with its path and the reason; the window starts from the first
// start's settings and its close stores nothing, silently.
TEST_F(HostileInput, AnUnusableSettingsFileIsToldOnce) {
  namespace fs = std::filesystem;
  const struct {
    const char* tag;
    std::function<void(const fs::path&)> make;
    const char* reason;
  } places[] = {
      {"a directory", [](const fs::path& file) { fs::create_directories(file); }, "Is a directory"},
      {"a FIFO", [](const fs::path& file) { ::mkfifo(file.c_str(), 0600); }, "Not a regular file"},
      {"a link to /dev/zero", [](const fs::path& file) { fs::create_symlink("/dev/zero", file); },
       "Not a regular file"},
      {"a link to itself", [](const fs::path& file) { fs::create_symlink(file, file); },
       "Too many levels of symbolic links"},
  };
  for (const auto& place : places) {
    TearDown();
    SetUp();
    const fs::path file = home / "Corvane" / "Tallyon.reg";
    fs::create_directories(file.parent_path());
    place.make(file);
    MessageBoxWatch boxes;
    Open();
    QTest::qWait(50);
    ASSERT_EQ(boxes.Texts().size(), 1u) << place.tag;
    EXPECT_EQ(boxes.Texts()[0], "The settings file cannot be read or written: \"" + file.string() +
                                    "\": " + place.reason +
                                    ". The settings start from their defaults.")
        << place.tag;
    ExpectValue(USet::DefaultValue, place.tag);
    EXPECT_TRUE(window->close()) << place.tag;
    QTest::qWait(20);
    EXPECT_EQ(boxes.Texts().size(), 1u) << place.tag << ": " << boxes.Texts().back();
  }
}

TEST(ErrorBoxText, LongMessagesKeepTheirTwoEnds) {
  const std::string message = "'" + kMillionDigits + "' is not a valid floating point value";
  const std::string shown = ErrorBoxText(message);
  EXPECT_EQ(shown, message.substr(0, 120) + "\u2026" + message.substr(message.size() - 120) + ".");
  EXPECT_TRUE(shown.ends_with("7777" + kConvertTail));
  // Cut between characters, never inside one: "é" is two bytes.
  std::string accents;
  for (int i = 0; i < 400; ++i)
    accents += "\u00e9";
  const std::string cut = ErrorBoxText(accents);
  EXPECT_EQ(cut, std::string(accents, 0, 120) + "\u2026" + std::string(accents, 680) + ".");
  EXPECT_EQ(ErrorBoxText(std::string(300, 'x')), std::string(300, 'x') + ".");
}

} // namespace
