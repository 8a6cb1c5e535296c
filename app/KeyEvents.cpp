#include "app/KeyEvents.h"

#include <utility>

namespace {

constexpr std::pair<int, Qt::Key> NamedKeys[] = {
    {ui::vk::Insert, Qt::Key_Insert},  {ui::vk::Delete, Qt::Key_Delete},
    {ui::vk::Return, Qt::Key_Return},  {ui::vk::Escape, Qt::Key_Escape},
    {ui::vk::Back, Qt::Key_Backspace},
};

Qt::Key QtKey(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key(Qt::Key_A + (virtualKey - 'A'));
  if (virtualKey >= ui::vk::F1 && virtualKey < ui::vk::F1 + 24)
    return Qt::Key(Qt::Key_F1 + (virtualKey - ui::vk::F1));
  for (const auto& [code, key] : NamedKeys)
    if (code == virtualKey) return key;
  return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(ui::TModifiers modifiers) {
  switch (modifiers) {
  case ui::TModifiers::Shift: return Qt::ShiftModifier;
  case ui::TModifiers::Ctrl: return Qt::ControlModifier;
  case ui::TModifiers::CtrlShift: return Qt::ControlModifier | Qt::ShiftModifier;
  case ui::TModifiers::None:
  case ui::TModifiers::Otherwise: break;
  }
  return Qt::NoModifier;
}

} // namespace

QKeySequence app::Shortcut(const ui::TKeyBinding& binding) {
  const Qt::Key key = QtKey(binding.VirtualKey);
  if (key == Qt::Key_unknown) return {};
  return QKeySequence(QKeyCombination(QtModifiers(binding.Modifiers), key));
}
