// The main window on the offscreen platform: real Qt key and mouse events,
// the clipboard of the process, the settings file in a temporary folder.

#include "app/UCalc.h"
#include "../engine/KeySequences.h"
#include "app/ErrorDisplay.h"
#include "dialogs/USubmitNumber.h"
#include "display/CalcIndicator.h"
#include "display/format/DisplayFormat.h"
#include "engine/NumberText.h"
#include "settings/USet.h"
#include "tests/app/WindowFixture.h"
#include "ui/KeyTable.h"
#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

using namespace app;

using namespace engine;
using namespace display;

namespace {

using apptest::MessageBoxWatch;
using apptest::Window;
namespace fs = std::filesystem;

// Acts on the submit dialog from inside its modal loop: runs `body` once the
// dialog is up, and cancels a dialog still open two seconds later, so that a
// failing test cannot hang.
class SubmitDialogDriver {
public:
  explicit SubmitDialogDriver(std::function<void(TFSubmitNumber&)> body) : FBody(std::move(body)) {
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<TFSubmitNumber*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      if (!FRan) {
        FRan = true;
        FSince.start();
        FBody(*dialog);
      } else if (FSince.elapsed() > 2000) {
        ADD_FAILURE() << "the submit dialog stayed open";
        dialog->reject();
      }
    });
    FTimer.start(10);
  }
  bool Ran() const { return FRan; }

private:
  std::function<void(TFSubmitNumber&)> FBody;
  QTimer FTimer;
  QElapsedTimer FSince;
  bool FRan = false;
};

std::vector<std::string> Tokens(const char* keys) {
  std::istringstream in(keys);
  std::vector<std::string> tokens;
  for (std::string token; in >> token;)
    tokens.push_back(token);
  return tokens;
}

class WindowKeySequences : public Window, public ::testing::WithParamInterface<KeySequence> {};

// Each row typed into a first start's window with real key events and
// clicks; a failing key shows its message in the box.
TEST_P(WindowKeySequences, LeaveTheirValueMemoryAndOperation) {
  const KeySequence& row = GetParam();
  const std::vector<std::string> tokens = Tokens(row.keys);
  // Rows that start from the engine as created, not after a Clear, do not
  // hold for a window that has loaded a stored value.
  if (tokens.front() != "C") GTEST_SKIP() << "starts from the engine as created";
  MessageBoxWatch boxes;
  Open();
  for (const std::string& token : tokens)
    if (!Perform(token)) GTEST_SKIP() << "the window has no key for " << token;
  QTest::qWait(20);
  std::string errors;
  for (const std::string& text : boxes.Texts())
    errors += (errors.empty() ? "" : "; ") + text;
  std::string expected;
  std::istringstream messages(row.errors);
  for (std::string message; std::getline(messages >> std::ws, message, ';');)
    expected += (expected.empty() ? "" : "; ") + ErrorBoxText(message);
  EXPECT_EQ(errors, expected);
  EXPECT_EQ(USet::Value, row.value);
  EXPECT_EQ(USet::Memory, row.memory);
  EXPECT_EQ(OperationName(window->Calculator().Operation()), row.operation);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowKeySequences, ::testing::ValuesIn(KeySequences()),
                         KeySequenceName);

// The layout leaves the engine entering "0", and a stored 0 is the same
// text; the first digit after the start still begins a new number.
TEST_F(Window, AStoredZeroTakesTheFirstDigitInItsPlace) {
  WriteSettings("\"Value\"=\"0\"\n");
  Open();
  Type(Qt::Key_5);
  EXPECT_EQ(USet::Value, "5");
  EXPECT_TRUE(window->close());
  EXPECT_NE(SettingsText().find("\"Value\"=\"5\""), std::string::npos) << SettingsText();
}

TEST_F(Window, FirstStartShowsTheDefaultValue) {
  Open();
  EXPECT_EQ(window->MainIndicator().DisplayText(),
            DisplayTextOf("1234567890E+1234", true, CurrentSeparators()));
  EXPECT_EQ(window->MemoryIndicator().DisplayText(), "0");
  EXPECT_EQ(Sign(), " =");
  EXPECT_TRUE(Action("Thousand &separator").isChecked());
  EXPECT_FALSE(Action("Stay On &Top").isChecked());
  // The integer settings are written back at once, the texts only at close.
  const std::string stored = SettingsText();
  EXPECT_NE(stored.find("\"ShowIn\"=dword:00000001"), std::string::npos) << stored;
  EXPECT_EQ(stored.find("\"Value\""), std::string::npos) << stored;
}

TEST_F(Window, TheModifierRule) {
  Open();
  Type(Qt::Key_Delete);
  struct Case {
    const char* tag;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* value;
  };
  const Case cases[] = {
      {"ctrl+5 enters 5", Qt::Key_5, Qt::ControlModifier, "5"},
      {"alt+6 enters 6", Qt::Key_6, Qt::AltModifier, "56"},
      {"shift+3 does nothing", Qt::Key_3, Qt::ShiftModifier, "56"},
      {"shift+enter does nothing", Qt::Key_Return, Qt::ShiftModifier, "56"},
      {"shift+keypad 1 does nothing", Qt::Key_1, Qt::ShiftModifier | Qt::KeypadModifier, "56"},
      {"shift+backspace does nothing", Qt::Key_Backspace, Qt::ShiftModifier, "56"},
      {"ctrl+q is no memory key", Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, "56"},
      {"s does nothing with the panel hidden", Qt::Key_S, Qt::NoModifier, "56"},
      {"f2 does nothing with the panel hidden", Qt::Key_F2, Qt::NoModifier, "56"},
      {"shift+1 does nothing with the panel hidden", Qt::Key_Exclam, Qt::ShiftModifier, "56"},
      {"keypad 7", Qt::Key_7, Qt::KeypadModifier, "567"},
      {"backspace is BACK", Qt::Key_Backspace, Qt::NoModifier, "56"},
      {"alt+backspace too", Qt::Key_Backspace, Qt::AltModifier, "5"},
      {"keypad 7 again", Qt::Key_7, Qt::KeypadModifier, "57"},
      {"comma is the separator", Qt::Key_Comma, Qt::NoModifier, "57."},
      {"keypad point too, once", Qt::Key_Period, Qt::KeypadModifier, "57."},
      {"shift+8 multiplies", Qt::Key_8, Qt::ShiftModifier, "57."},
      {"keypad enter is equal", Qt::Key_Enter, Qt::KeypadModifier, "3249"},
  };
  for (const Case& c : cases) {
    Type(c.key, c.modifiers);
    EXPECT_EQ(Value(), c.value) << c.tag;
  }
}

// Mouse 2, +, 3, then Enter: the focused key does not take Enter.
TEST_F(Window, EnterIsEqualWhateverKeyHasTheFocus) {
  Open();
  Type(Qt::Key_Delete);
  for (const char* key : {"bt2", "btPlus", "bt3"})
    Click(key);
  Type(Qt::Key_Return);
  EXPECT_EQ(Value(), "5");
  Type(Qt::Key_Enter, Qt::KeypadModifier); // a repeated Equal
  EXPECT_EQ(Value(), "8");
  Type(Qt::Key_Escape); // clears the entry
  EXPECT_EQ(Value(), "0");
  Type(Qt::Key_Space); // the space bar clicks the focused key on release
  EXPECT_EQ(Value(), "3");
}

// What the keys tell assistive technology, from the key map.
TEST_F(Window, EveryKeyOfTheKeypadNamesItsKeys) {
  Open();
  const struct {
    const char* button;
    QStringList keys;
  } rows[] = {
      {"btEqual", {"Enter", "="}}, {"btClear", {"Delete"}},
      {"btClearEntr", {"Esc"}},    {"btPlus", {"+"}},
      {"btDecSep", {".", ","}},    {"btMemMinus", {"Ctrl+Shift+P"}},
      {"btSignChange", {"F9"}},    {"btInverse", {"R"}},
      {"btPerCent", {"%"}},        {"bt7", {"7"}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Button(row.button).KeyNames(), row.keys) << row.button;
  EXPECT_EQ(ui::KeyNames(caArcSin), std::vector<std::string>{"Shift+S"});
  EXPECT_EQ(ui::KeyNames(caX3), std::vector<std::string>{"#"});
}

// Tab and Shift+Tab go from the value display through the keys; the value
// display has the focus when the window opens.
TEST_F(Window, TabMovesThroughTheDisplayAndTheKeys) {
  Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(QApplication::focusWidget(), &window->MainIndicator());
  Type(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &Button("btClear"));
  Type(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &Button("btClearEntr"));
  Type(Qt::Key_Backtab, Qt::ShiftModifier);
  Type(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &window->MainIndicator());
}

TEST_F(Window, ArrowKeysMoveTheFocusAlongTheKeypad) {
  Open();
  Click("bt5");
  Type(Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), &Button("bt6"));
  Type(Qt::Key_Up);
  Type(Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), &Button("bt4"));
}

TEST_F(Window, ThePanelShowsThePendingOperation) {
  Open();
  struct Step {
    int key;
    const char16_t* sign;
  };
  Type(Qt::Key_Delete);
  Type(Qt::Key_9);
  const Step steps[] = {{Qt::Key_Plus, u" +"},
                        {Qt::Key_Minus, u" -"},
                        {Qt::Key_Asterisk, u" \u00D7"},
                        {Qt::Key_Slash, u" \u00F7"}};
  for (const Step& step : steps) {
    Type(step.key, Qt::KeypadModifier);
    EXPECT_EQ(Sign(), QString::fromUtf16(step.sign));
  }
  Type(Qt::Key_3);
  Type(Qt::Key_Return);
  EXPECT_EQ(Sign(), QString::fromUtf16(u" \u00F7")); // kept for a repeated Equal
  Type(Qt::Key_Delete);
  EXPECT_EQ(Sign(), " =");
}

TEST_F(Window, AFailingActionIsReportedAndChangesNoDisplay) {
  MessageBoxWatch boxes;
  Open();
  QGuiApplication::clipboard()->setText("1E3000");
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  Type(Qt::Key_Asterisk, Qt::KeypadModifier);
  const std::string shown = window->MainIndicator().DisplayText();
  Type(Qt::Key_Return);
  QTest::qWait(50);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0], "Overflow.");
  EXPECT_EQ(window->MainIndicator().DisplayText(), shown);
  EXPECT_EQ(Sign(), QString::fromUtf16(u" \u00D7"));
  EXPECT_EQ(ErrorBoxText("Invalid floating point operation"), "Invalid floating point operation.");
  EXPECT_EQ(ErrorBoxText("x."), "x.");
  EXPECT_EQ(ErrorBoxText("Invalid data type for 'Value'"), "Invalid data type for 'Value'");
}

// Clipboard texts under a "." locale (C) and a "," locale (de_DE): the value
// pasted, or the value kept and the note in the value panel saying why.
TEST_F(Window, PasteReadsTheClipboardAsASpreadsheetDoes) {
  struct Row {
    char decimal;
    const char* clipboard;
    const char* value; // after Clear and a paste
    const char* note = "";
  } rows[] = {
      {'.', "1,234.50", "1234.5"},
      {'.', "$ -12.00", "-12"},
      {'.', "1 000 000", "1000000"},
      {'.', "12%", "12"},
      {'.', "1.5E+20", "1.5E20"},
      {'.', "12345678901234567890", "1.23456789012346E19"},
      {'.', "\xE2\x82\xAC 1.234,56", "1234.56"},
      {'.', "1.234", "1.234"},
      {'.', "(42)", "-42"},
      {',', "3.14", "3,14"},
      {',', "3,14", "3,14"},
      {',', "1,234.50", "1234,5"},
      {',', "1.234", "1234"},
      {',', "1 234,5 \xE2\x82\xAC", "1234,5"},
      {'.', "12\n34", "0", "Not pasted: several numbers"},
      {',', "1,5\t2,5", "0", "Not pasted: several numbers"},
      {'.', "abc", "0", "Not pasted: no number"},
      {'.', "3-4", "0", "Not pasted: not a number"},
      {'.', "1e5e5", "0", "Not pasted: not a number"},
      {'.', "1E99999", "0", "Not pasted: out of range"},
  };
  MessageBoxWatch boxes;
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.clipboard) + " with '" + row.decimal + "'");
    SetCurrentSeparators({row.decimal, row.decimal == '.' ? "," : "."});
    if (!window) Open();
    Type(Qt::Key_Delete);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
    Type(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(USet::Value, row.value);
    EXPECT_EQ(Value(), row.value);
    auto* note = window->findChild<QLabel*>("PasteNote");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->isVisible(), *row.note != '\0');
    if (*row.note != '\0') {
      EXPECT_EQ(note->text().toStdString(), row.note);
      // A screen reader finds the note by its name.
      QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(note);
      ASSERT_NE(readable, nullptr);
      EXPECT_EQ(readable->text(QAccessible::Name).toStdString(), row.note);
      EXPECT_EQ(readable->role(), QAccessible::AlertMessage);
    }
  }
  EXPECT_TRUE(boxes.Texts().empty()) << "a paste never opens a box";
}

// The note goes by itself, and typing goes on while it shows.
TEST_F(Window, PasteNoteIsShortLived) {
  Open();
  QGuiApplication::clipboard()->setText("12\n34");
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  const auto* note = window->findChild<QLabel*>("PasteNote");
  ASSERT_TRUE(note != nullptr && note->isVisible());
  Type(Qt::Key_7);
  EXPECT_EQ(Value(), "7");
  EXPECT_TRUE(QTest::qWaitFor([note] { return !note->isVisible(); }, 6000));
}

TEST_F(Window, PasteOfNoTextChangesNothing) {
  Open();
  QGuiApplication::clipboard()->setText("5");
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  Type(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "5");
  QGuiApplication::clipboard()->clear();
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(USet::Value, "5");
  EXPECT_FALSE(window->findChild<QLabel*>("PasteNote")->isVisible());
}

// A value and memory stored by an earlier version under either kind of
// locale read as the same numbers under both, and are stored back in the
// reading locale's form.
TEST_F(Window, StoredNumbersReadTheSameInEveryLocale) {
  struct Row {
    char decimal; // of the locale that reads the file
    const char* stored;
    const char* value;
    const char* memory;
  } rows[] = {
      {'.', "\"Value\"=\"12,5\"\n\"Memory\"=\"0,25\"\n", "12.5", "0.25"},
      {',', "\"Value\"=\"12,5\"\n\"Memory\"=\"0,25\"\n", "12,5", "0,25"},
      {',', "\"Value\"=\"1234.5\"\n\"Memory\"=\"-1.5E20\"\n", "1234,5", "-1,5E20"},
      {'.', "\"Value\"=\"1234.5\"\n\"Memory\"=\"7\"\n", "1234.5", "7"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.stored) + " read with '" + row.decimal + "'");
    SetCurrentSeparators({row.decimal, row.decimal == '.' ? "," : "."});
    WriteSettings(row.stored);
    Open();
    EXPECT_EQ(USet::Value, row.value);
    EXPECT_EQ(Value(), row.value);
    Type(Qt::Key_R, Qt::ControlModifier); // MR
    EXPECT_EQ(Value(), row.memory);
    EXPECT_TRUE(window->close());
    const std::string file = SettingsText();
    EXPECT_NE(file.find("\"Value\"=\"" + std::string(row.memory) + "\""), std::string::npos)
        << file;
    EXPECT_NE(file.find("\"Memory\"=\"" + std::string(row.memory) + "\""), std::string::npos)
        << file;
    window.reset();
  }
}

// A locale whose thousands separator is none (bg_BG) or the decimal one:
// grouping is off, and the display reads one way.
TEST_F(Window, NoDistinctThousandsSeparatorGroupsNothing) {
  for (const char* thousands : {"", ","}) {
    SetCurrentSeparators(SeparatorsFrom(",", thousands));
    WriteSettings("\"Value\"=\"1234567,5\"\n\"Memory\"=\"-7654321\"\n");
    Open();
    EXPECT_EQ(window->MainIndicator().DisplayText(), "1234567,5") << '"' << thousands << '"';
    EXPECT_EQ(window->MemoryIndicator().DisplayText(), "-7654321") << '"' << thousands << '"';
    window.reset();
  }
}

TEST_F(Window, ThousandSeparatorRegroupsBothDisplays) {
  Open();
  QGuiApplication::clipboard()->setText("1234567");
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  Type(Qt::Key_Delete);
  for (int key : {Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7})
    Type(key);
  EXPECT_EQ(window->MainIndicator().DisplayText(), "4,567");
  Action("Thousand &separator").trigger();
  EXPECT_FALSE(Action("Thousand &separator").isChecked());
  EXPECT_EQ(window->MainIndicator().DisplayText(), "4567");
  EXPECT_FALSE(USet::ThouSep);
  window->close();
  EXPECT_NE(SettingsText().find("\"ThouSep\"=dword:00000000"), std::string::npos);
}

TEST_F(Window, ClosingStoresTheSettings) {
  WriteSettings("\"ShowIn\"=dword:00000007\n\"ThouSep\"=dword:00000005\n\"Value\"=\"12\"\n");
  Open();
  EXPECT_TRUE(Action("&System tray only").isChecked());
  EXPECT_FALSE(Action("&Taskbar and system tray").isChecked());
  EXPECT_EQ(window->MainIndicator().DisplayText(), "12");
  Type(Qt::Key_3); // a stored value ends the entry: 3 replaces it
  EXPECT_TRUE(window->close());
  const std::string stored = SettingsText();
  EXPECT_NE(stored.find("\"Value\"=\"3\""), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"ShowIn\"=dword:00000003"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"ThouSep\"=dword:00000001"), std::string::npos) << stored;
}

TEST_F(Window, AWrongTypeStopsTheStartAndIsReported) {
  MessageBoxWatch boxes;
  WriteSettings("\"Value\"=dword:00000005\n");
  Open();
  QTest::qWait(50);
  ASSERT_FALSE(boxes.Texts().empty());
  // The last character sorts before ".", so no full stop is added.
  EXPECT_EQ(boxes.Texts()[0], "Invalid data type for 'Value'");
  EXPECT_TRUE(window->isVisible());
}

TEST_F(Window, ADamagedSettingsFileIsToldOnce) {
  MessageBoxWatch boxes;
  WriteSettings("\x01\x02 not a registry file");
  fs::resize_file(home / "Corvane" / "Tallyon.reg", 40);
  std::ofstream(home / "Corvane" / "Tallyon.reg") << "garbage\0\xff\xfe";
  Open();
  QTest::qWait(100);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("damaged"), std::string::npos) << boxes.Texts()[0];
}

TEST_F(Window, StayOnTopTogglesAndStores) {
  Open();
  Action("Stay On &Top").trigger();
  EXPECT_TRUE(Action("Stay On &Top").isChecked());
  EXPECT_TRUE(USet::StayOnTop);
  Action("Stay On &Top").trigger();
  EXPECT_FALSE(USet::StayOnTop);
}

// The offscreen desktop has no tray: the tray-only entry is disabled and
// says why, the other two work.
TEST_F(Window, ShowInModesCheckExactlyOneEntry) {
  Open();
  const QString entries[] = {"&Taskbar and system tray", "T&askbar only", "&System tray only"};
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  EXPECT_FALSE(Action(entries[2]).isEnabled());
  EXPECT_EQ(Action(entries[2]).toolTip(), "No system tray is running on this desktop");
  for (int mode = 0; mode < 2; ++mode) {
    Action(entries[mode]).trigger();
    EXPECT_EQ(USet::ShowIn, mode + 1);
    for (int other = 0; other < 3; ++other)
      EXPECT_EQ(Action(entries[other]).isChecked(), other == mode) << mode << other;
  }
  Action(entries[1]).trigger(); // not a toggle
  EXPECT_TRUE(Action(entries[1]).isChecked());
}

TEST_F(Window, TheSubmitDialogGivesTheRightOperandOfTheOperation) {
  Open();
  Type(Qt::Key_Delete);
  Type(Qt::Key_7);
  Type(Qt::Key_Plus, Qt::KeypadModifier);
  std::string opened;
  SubmitDialogDriver driver([&opened](TFSubmitNumber& dialog) {
    opened = dialog.EditMantissa().text().toStdString();
    dialog.EditMantissa().setFocus();
    QTest::keyClick(&dialog.EditMantissa(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&dialog.EditMantissa(), "2");
    QTest::keyClicks(&dialog.EditExponent(), "1");
    QTest::mouseClick(&dialog.Submit(), Qt::LeftButton);
  });
  QTest::mouseClick(&window->MainIndicator(), Qt::LeftButton);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(opened, "7");
  EXPECT_EQ(Value(), "2E1");
  EXPECT_EQ(USet::Value, "2E1");
  EXPECT_EQ(window->MainIndicator().DisplayText(), "20");
  EXPECT_EQ(Sign(), " +");
  EXPECT_TRUE(window->findChildren<TFSubmitNumber*>().isEmpty());
  EXPECT_EQ(window->Calculator().Operation(), coPlus);
  // The submitted number is the pending addition's right operand.
  Type(Qt::Key_Return);
  EXPECT_EQ(USet::Value, "27");
}

TEST_F(Window, LeavingTheSubmitDialogOtherwiseChangesNothing) {
  const struct {
    const char* tag;
    std::function<void(TFSubmitNumber&)> leave;
  } ways[] = {
      {"Cancel", [](TFSubmitNumber& d) { QTest::mouseClick(&d.Cancel(), Qt::LeftButton); }},
      {"Esc", [](TFSubmitNumber& d) { QTest::keyClick(&d.EditMantissa(), Qt::Key_Escape); }},
      {"the close box", [](TFSubmitNumber& d) { d.close(); }},
  };
  Open();
  Type(Qt::Key_Delete);
  Type(Qt::Key_4);
  Click("btMemPlus");
  Type(Qt::Key_2);
  const std::string value = Value(), shown = window->MainIndicator().DisplayText(),
                    memory = window->MemoryIndicator().DisplayText();
  for (const auto& way : ways) {
    SubmitDialogDriver driver([&way](TFSubmitNumber& dialog) {
      QTest::keyClicks(&dialog.EditMantissa(), "9");
      QTest::keyClicks(&dialog.EditExponent(), "3");
      way.leave(dialog);
    });
    // The panel around the display opens it too.
    QTest::mouseClick(&window->PanelIndicator(), Qt::LeftButton, {}, QPoint(12, 13));
    ASSERT_TRUE(driver.Ran()) << way.tag;
    EXPECT_EQ(Value(), value) << way.tag;
    EXPECT_EQ(USet::Value, value) << way.tag;
    EXPECT_EQ(window->MainIndicator().DisplayText(), shown) << way.tag;
    EXPECT_EQ(window->MemoryIndicator().DisplayText(), memory) << way.tag;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Type(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), value) << way.tag;
  }
}

} // namespace
