#include "ui/Menus.h"

#include "ui/Text.h"

#include <array>
#include <cstddef>

using enum TMenuCommand;

namespace {

struct TCaption {
  TMenuCommand Command; // the row's own index
  const char* Text;
  bool Checkable = false;
};

// clang-format off
constexpr std::array<TCaption, std::size_t(Count)> Captions = {{
    {FileExit,           TALLYON_TEXT("TFCalc", "&Exit")},
    {EditCopy,           TALLYON_TEXT("TFCalc", "&Copy")},
    {EditPaste,          TALLYON_TEXT("TFCalc", "&Paste")},
    {EditCopyTape,       TALLYON_TEXT("TFCalc", "Copy T&ape")},
    {EditClearTape,      TALLYON_TEXT("TFCalc", "C&lear Tape...")},
    {ViewShowTaskSystem, TALLYON_TEXT("TFCalc", "&Taskbar and system tray"), true},
    {ViewShowTaskbar,    TALLYON_TEXT("TFCalc", "T&askbar only"), true},
    {ViewShowSystem,     TALLYON_TEXT("TFCalc", "&System tray only"), true},
    {ViewThouSep,        TALLYON_TEXT("TFCalc", "Thousand &separator"), true},
    {ViewStayOnTop,      TALLYON_TEXT("TFCalc", "Stay On &Top"), true},
    {ViewFunctions,      TALLYON_TEXT("TFCalc", "&Functions"), true},
    {ViewTape,           TALLYON_TEXT("TFCalc", "T&ape"), true},
    {ViewKeepTape,       TALLYON_TEXT("TFCalc", "&Keep the Tape Across Restarts"), true},
    {ViewMoveToTape,     TALLYON_TEXT("TFCalc", "Move Into the Tape")},
    {HelpKeyboard,       TALLYON_TEXT("TFCalc", "&Keyboard")},
    {HelpHomePage1,      TALLYON_TEXT("TFCalc", "&Home Page")},
    {HelpAbout1,         TALLYON_TEXT("TFCalc", "&About")},
    {TrayIconOpen,       TALLYON_TEXT("TFCalc", "&Open")},
}};
// clang-format on

constexpr bool RowsInCommandOrder() {
  for (std::size_t i = 0; i < Captions.size(); ++i)
    if (std::size_t(Captions[i].Command) != i) return false;
  return true;
}
static_assert(RowsInCommandOrder(), "one caption per command, in the commands' order");

constexpr const char* File = TALLYON_TEXT("TFCalc", "&File");
constexpr const char* Edit = TALLYON_TEXT("TFCalc", "&Edit");
constexpr const char* View = TALLYON_TEXT("TFCalc", "&View");
constexpr const char* ShowIn = TALLYON_TEXT("TFCalc", "Sh&ow Tallyon In");
constexpr const char* Help = TALLYON_TEXT("TFCalc", "&Help");

// clang-format off
constexpr ui::TMenuPlace BarPlaces[] = {
    {File, nullptr, FileExit},
    {Edit, nullptr, EditCopy},
    {Edit, nullptr, EditPaste},
    {Edit, nullptr, std::nullopt},
    {Edit, nullptr, EditCopyTape},
    {Edit, nullptr, EditClearTape},
    {View, ShowIn,  ViewShowTaskSystem},
    {View, ShowIn,  ViewShowTaskbar},
    {View, ShowIn,  ViewShowSystem},
    {View, nullptr, std::nullopt},
    {View, nullptr, ViewThouSep},
    {View, nullptr, ViewStayOnTop},
    {View, nullptr, ViewFunctions},
    {View, nullptr, ViewTape},
    {View, nullptr, ViewKeepTape},
    {Help, nullptr, HelpKeyboard},
    {Help, nullptr, HelpHomePage1},
    {Help, nullptr, HelpAbout1},
};
// clang-format on

constexpr std::optional<TMenuCommand> TrayRows[] = {
    TrayIconOpen, std::nullopt, HelpHomePage1, HelpAbout1, std::nullopt, FileExit,
};

} // namespace

const char* ui::MenuCaption(TMenuCommand command) {
  return Captions[std::size_t(command)].Text;
}

bool ui::MenuCheckable(TMenuCommand command) {
  return Captions[std::size_t(command)].Checkable;
}

const std::span<const ui::TMenuPlace> ui::MenuBarPlaces = BarPlaces;
const std::span<const std::optional<TMenuCommand>> ui::TrayMenuRows = TrayRows;
