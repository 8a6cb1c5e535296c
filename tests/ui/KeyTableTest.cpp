#include "ui/KeyTable.h"
#include "ui/KeyHelp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <tuple>

using namespace ui;

namespace {

using Target = std::optional<TKeyTarget>;

const TKeyModifiers none{}, shift{.shift = true}, ctrl{.ctrl = true},
    ctrlShift{.shift = true, .ctrl = true}, alt{.alt = true};

// The letters and shifted digits with the panel hidden and shown.
TEST(KeyTable, LettersRunTheirFunctionsOnlyWhileThePanelShows) {
  const struct {
    int key;
    TKeyModifiers held;
    Target hidden, shown;
  } rows[] = {
      {'S', none, {}, caSin},
      {'S', shift, {}, caArcSin},
      {'S', ctrl, {}, caSh},
      {'S', ctrlShift, {}, caArSh},
      {'O', shift, {}, caArcCos},
      {'T', ctrl, {}, caTh},
      {'K', none, {}, caCtg},
      {'K', ctrlShift, {}, caArCth},
      {'E', none, {}, caSec},
      {'E', ctrl, {}, caSech},
      {'W', none, {}, caCosec},
      {'W', ctrl, {}, caCosech},
      {'N', none, {}, caLn},
      {'L', none, {}, caLg},
      {'X', none, {}, caExp},
      {'B', none, {}, ca3root},
      {'Q', none, {}, caSqr},
      {'P', none, {}, caPI},
      {'3', shift, {}, caX3},
      {'6', shift, {}, caXY},
      {'R', none, caInverse, caInverse},
      {'R', ctrl, caMemRecall, caMemRecall},
      {'L', ctrl, caMemClear, caMemClear},
      {'P', ctrl, caMemPlus, caMemPlus},
      {'P', ctrlShift, caMemMinus, caMemMinus},
      {'Q', ctrl, TMenuCommand::FileExit, TMenuCommand::FileExit},
      {'C', ctrl, TMenuCommand::EditCopy, TMenuCommand::EditCopy},
      {'V', ctrl, TMenuCommand::EditPaste, TMenuCommand::EditPaste},
      {vk::Insert, shift, TMenuCommand::EditPaste, TMenuCommand::EditPaste},
      {'2', shift, caSqrt, caSqrt},
      {vk::F1 + 1, none, {}, amDeg},
      {vk::F1 + 4, none, {}, amCycle},
      // Alt and a letter are the menus'; other letters and states do nothing.
      {'S', alt, {}, {}},
      {'E', alt, {}, {}},
      {'V', alt, {}, {}},
      {'E', shift, {}, {}},
      {'N', ctrl, {}, {}},
      {'A', none, {}, {}},
      {'4', shift, {}, {}},
      {'Q', ctrlShift, {}, {}},
      {vk::Return, shift, {}, {}},
      {vk::Separator, none, {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.key << " " << row.held.shift << row.held.ctrl);
    EXPECT_EQ(FindKey(row.key, row.held, 0, false), row.hidden);
    EXPECT_EQ(FindKey(row.key, row.held, 0, true), row.shown);
  }
}

// The character a key typed decides first, on any layout.
TEST(KeyTable, TheTypedCharacterComesFirst) {
  const struct {
    int key;
    TKeyModifiers held;
    char32_t typed;
    Target expected;
  } rows[] = {
      {vk::OemPlus, none, U'=', caEqual},       // US "="
      {vk::OemPlus, shift, U'+', caPlus},       // US Shift+"="
      {vk::Digit0 + 5, shift, U'%', caPerCent}, // US Shift+5
      {vk::Digit0 + 5, shift, U'5', ca5},       // French Shift+5
      {vk::Digit0 + 5, none, U'(', ca5},        // French unshifted 5: by its place
      {vk::Digit0 + 8, shift, U'*', caMulty},
      {vk::Digit0 + 3, none, U'*', caMulty}, // a layout's "*" elsewhere
      {vk::Oem2, none, U'/', caDivide},
      {vk::OemMinus, none, U'-', caMinus},
      {vk::Digit0 + 2, shift, U'@', caSqrt},
      {vk::Decimal, none, U',', caDecSep},
      {220, none, U'#', {}}, // only with the panel
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.key << " " << char(row.typed));
    EXPECT_EQ(FindKey(row.key, row.held, row.typed, false), row.expected);
  }
  EXPECT_EQ(FindKey(220, none, U'#', true), Target(caX3));
}

// Every binding runs its target when its own key is pressed, so no row is
// hidden behind another; and no key is bound twice in one state.
TEST(KeyTable, EveryBindingIsReachableAndNoKeyIsBoundTwice) {
  std::set<std::tuple<int, char32_t, TModifiers, bool>> seen;
  for (const TKeyRow& row : KeyRows) {
    const bool panel = row.Section == TKeySection::FunctionsPanel;
    for (const TKeyBinding& binding : row.Bindings) {
      const TKeyModifiers held{.shift = binding.Modifiers == TModifiers::Shift ||
                                        binding.Modifiers == TModifiers::CtrlShift,
                               .ctrl = binding.Modifiers == TModifiers::Ctrl ||
                                       binding.Modifiers == TModifiers::CtrlShift};
      SCOPED_TRACE(KeyName(binding) + " in " + row.Does);
      EXPECT_EQ(FindKey(binding.VirtualKey, held, binding.Character, true), Target(binding.Target));
      const Target shownOnlyWithThePanel = panel ? Target() : Target(binding.Target);
      EXPECT_EQ(FindKey(binding.VirtualKey, held, binding.Character, false), shownOnlyWithThePanel);
      EXPECT_TRUE(
          seen.insert({binding.VirtualKey, binding.Character, binding.Modifiers, panel}).second);
    }
  }
}

TEST(KeyTable, KeysAreNamedAsTheUserReadsThem) {
  EXPECT_EQ(KeyNames(caEqual), (std::vector<std::string>{"Enter", "="}));
  EXPECT_EQ(KeyNames(caPerCent), (std::vector<std::string>{"%"}));
  EXPECT_EQ(KeyNames(caMemMinus), (std::vector<std::string>{"Ctrl+Shift+P"}));
  EXPECT_EQ(KeyNames(caDecSep), (std::vector<std::string>{".", ","}));
  EXPECT_EQ(KeyNames(caArcSin), (std::vector<std::string>{"Shift+S"}));
  EXPECT_EQ(KeyNames(ca7), (std::vector<std::string>{"7"}));
  EXPECT_EQ(KeyNames(TMenuCommand::EditPaste),
            (std::vector<std::string>{"Shift+Insert", "Ctrl+V"}));
  EXPECT_EQ(KeyNames(amGrad), (std::vector<std::string>{"F4"}));
}

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The README and the manual page carry the key table's own help between
// their markers; on a change of the table, paste the expected text there.
TEST(KeyHelp, TheReadmeAndTheManualPageListTheTable) {
  const struct {
    const char* file;
    const char *begin, *end;
    std::string help;
  } documents[] = {
      {"README.md", "<!-- keys -->\n", "<!-- end of keys -->", KeyHelpMarkdown()},
      {"man/tallyon.1.in", ".\\\" keys\n", ".\\\" end of keys", KeyHelpManPage()},
  };
  for (const auto& document : documents) {
    const std::string text = Read(std::string(TALLYON_SOURCE_DIR) + "/" + document.file);
    const auto begin = text.find(document.begin);
    const auto end = text.find(document.end);
    ASSERT_NE(begin, std::string::npos) << document.file;
    ASSERT_NE(end, std::string::npos) << document.file;
    const auto start = begin + std::string(document.begin).size();
    EXPECT_EQ(text.substr(start, end - start), document.help) << document.file;
  }
}

} // namespace
