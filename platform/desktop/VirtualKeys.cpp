#include "platform/desktop/VirtualKeys.h"

#include <QKeyEvent>

#include <cstdint>
#include <optional>
#include <utility>

namespace platform {

namespace {

template <typename Key, std::size_t N>
std::optional<int> Find(const std::pair<Key, int> (&table)[N], Key key) {
  for (const auto& [from, code] : table)
    if (from == key) return code;
  return std::nullopt;
}

// X keysyms of the keypad, NumLock on and off.
constexpr std::pair<std::uint32_t, int> KeypadKeysyms[] = {
    {0xFFB0, 96},
    {0xFFB1, 97},
    {0xFFB2, 98},
    {0xFFB3, 99},
    {0xFFB4, 100},
    {0xFFB5, 101},
    {0xFFB6, 102},
    {0xFFB7, 103},
    {0xFFB8, 104},
    {0xFFB9, 105},
    {0xFFAA, vk::Multiply},
    {0xFFAB, vk::Add},
    {0xFFAC, vk::Separator},
    {0xFFAD, vk::Subtract},
    {0xFFAE, vk::Decimal},
    {0xFFAF, vk::Divide},
    {0xFF8D, vk::Return},
    {0xFF9E, vk::Insert},
    {0xFF9F, vk::Delete},
    {0xFF9C, vk::End},
    {0xFF99, vk::Down},
    {0xFF9B, vk::Next},
    {0xFF96, vk::Left},
    {0xFF9D, vk::Clear},
    {0xFF98, vk::Right},
    {0xFF95, vk::Home},
    {0xFF97, vk::Up},
    {0xFF9A, vk::Prior},
};

// X keycodes (evdev) of the main-row keys whose code goes by position.
constexpr std::pair<std::uint32_t, int> MainRowKeycodes[] = {
    {10, 49},           {11, 50},
    {12, 51},           {13, 52},
    {14, 53},           {15, 54},
    {16, 55},           {17, 56},
    {18, 57},           {19, 48},
    {20, vk::OemMinus}, {21, vk::OemPlus},
    {59, vk::OemComma}, {60, vk::OemPeriod},
    {61, vk::Oem2},
};

// The toolkit's keys, for events without native information. Shifted
// main-row characters are taken as they lie on a US keyboard.
// clang-format off
constexpr std::pair<int, int> ToolkitKeys[] = {
    {Qt::Key_Backspace, vk::Back}, {Qt::Key_Tab, vk::Tab},        {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},   {Qt::Key_Escape, vk::Escape},  {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},   {Qt::Key_PageDown, vk::Next},  {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},      {Qt::Key_Left, vk::Left},      {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},    {Qt::Key_Down, vk::Down},      {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},  {Qt::Key_Comma, vk::OemComma}, {Qt::Key_Period, vk::OemPeriod},
    {Qt::Key_Minus, vk::OemMinus}, {Qt::Key_Equal, vk::OemPlus},  {Qt::Key_Plus, vk::OemPlus},
    {Qt::Key_Slash, vk::Oem2},     {Qt::Key_Percent, 53},         {Qt::Key_Asterisk, 56},
    {Qt::Key_Exclam, 49},          {Qt::Key_At, 50},              {Qt::Key_NumberSign, 51},
    {Qt::Key_AsciiCircum, 54},
};
// clang-format on

constexpr std::pair<int, int> ToolkitKeypadKeys[] = {
    {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},      {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Period, vk::Decimal},    {Qt::Key_Comma, vk::Decimal}, {Qt::Key_Slash, vk::Divide},
    {Qt::Key_Enter, vk::Return},      {Qt::Key_Delete, vk::Delete}, {Qt::Key_Insert, vk::Insert},
};

int ToolkitKeyCode(int key, bool keypad) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return (keypad ? vk::Numpad0 : vk::Digit0) + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
  if (keypad)
    if (const auto code = Find(ToolkitKeypadKeys, key)) return *code;
  return Find(ToolkitKeys, key).value_or(0);
}

// X11 and Wayland give every key its X keycode; the offscreen platform and
// synthetic events give none.
bool HasNativeCodes(const QKeyEvent& event) {
  return event.nativeScanCode() != 0;
}

} // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  if (HasNativeCodes(event)) {
    const auto native = Find(KeypadKeysyms, event.nativeVirtualKey());
    if (native) return *native;
    if (const auto position = Find(MainRowKeycodes, event.nativeScanCode())) return *position;
  }
  return ToolkitKeyCode(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

char32_t TypedCharacter(const QKeyEvent& event) {
  const QList<uint> typed = event.text().toUcs4();
  return HasNativeCodes(event) && typed.size() == 1 ? typed.front() : 0;
}

KeyModifiers HeldModifiers(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  return {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
          held.testFlag(Qt::AltModifier)};
}

} // namespace platform
