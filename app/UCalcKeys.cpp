// The road of a key: a click on a key of the keypad runs the handler named
// after it (btPlus: btPlusClick), and so does every key of the keyboard that
// the key table binds to the key's action; the handler assigns the action
// and refreshes. The functions panel's keys, which have no handlers of their
// own, run their actions the same way.

#include "app/ErrorDisplay.h"
#include "app/UCalc.h"
#include "platform/desktop/VirtualKeys.h"
#include "settings/USet.h"
#include "ui/KeyTable.h"
#include "ui/Keypad.h"
#include "ui/Tape.h"
#include "widgets/DxButton.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

// What assistive technology reads out as the key's shortcuts.
void ShowKeyNames(TdxButton& key, TCalcAction action) {
  QStringList names;
  for (const std::string& name : ui::KeyNames(action))
    names.append(QString::fromStdString(name));
  key.SetKeyNames(names);
}

} // namespace

TFCalc::TKeyHandler TFCalc::KeyHandler(std::string_view keyName) {
  struct Row {
    std::string_view key;
    TKeyHandler handler;
  };
  // In the keypad's order.
  // clang-format off
  static constexpr Row Handlers[] = {
      {"btClear",      &TFCalc::btClearClick},
      {"btClearEntr",  &TFCalc::btClearEntrClick},
      {"btSignChange", &TFCalc::btSignChangeClick},
      {"btDivide",     &TFCalc::btDivideClick},
      {"btMulty",      &TFCalc::btMultyClick},
      {"btMinus",      &TFCalc::btMinusClick},
      {"btMemClear",   &TFCalc::btMemClearClick},
      {"btBackSpace",  &TFCalc::btBackSpaceClick},
      {"bt7",          &TFCalc::bt7Click},
      {"bt8",          &TFCalc::bt8Click},
      {"bt9",          &TFCalc::bt9Click},
      {"btPlus",       &TFCalc::btPlusClick},
      {"btMemRecall",  &TFCalc::btMemRecallClick},
      {"btPerCent",    &TFCalc::btPerCentClick},
      {"bt4",          &TFCalc::bt4Click},
      {"bt5",          &TFCalc::bt5Click},
      {"bt6",          &TFCalc::bt6Click},
      {"btMemMinus",   &TFCalc::btMemMinusClick},
      {"btInverse",    &TFCalc::btInverseClick},
      {"bt1",          &TFCalc::bt1Click},
      {"bt2",          &TFCalc::bt2Click},
      {"bt3",          &TFCalc::bt3Click},
      {"btEqual",      &TFCalc::btEqualClick},
      {"btMemPlus",    &TFCalc::btMemPlusClick},
      {"btSqrt",       &TFCalc::btSqrtClick},
      {"bt0",          &TFCalc::bt0Click},
      {"btDecSep",     &TFCalc::btDecSepClick},
  };
  // clang-format on
  for (const Row& row : Handlers)
    if (row.key == keyName) return row.handler;
  return nullptr;
}

void TFCalc::ConnectKey(TdxButton& button, const ui::TKeyLayout& key) {
  ShowKeyNames(button, key.Action);
  const TKeyHandler handler = KeyHandler(key.Name);
  connect(&button, &TdxButton::OnClick, this, [this, handler] { Run(handler); });
}

void TFCalc::ConnectAction(TdxButton& key, TCalcAction action) {
  ShowKeyNames(key, action);
  connect(&key, &TdxButton::OnClick, this,
          [this, action] { app::Guarded(this, [this, action] { ButtonClick(action); }); });
}

// What every handler does: the action, then the refresh. A failing action
// leaves the displays as they were.
void TFCalc::ButtonClick(TCalcAction action) {
  FTape->Before(FCalculator, action, USet::ThouSep);
  FCalculator.SetAction(action);
  UpdateIndicators();
  RecordTape();
}

// The keypad key's handler for its action; a function action straight.
void TFCalc::RunActionKey(TCalcAction action) {
  const auto& keys = ui::KeypadKeys;
  const auto key = std::find_if(keys.begin(), keys.end(),
                                [action](const ui::TKeyLayout& k) { return k.Action == action; });
  if (key != keys.end())
    (this->*KeyHandler(key->Name))();
  else
    ButtonClick(action);
}

// Runs the key's binding; true when it has one, also when the action fails.
bool TFCalc::FormKeyDown(const QKeyEvent& key) {
  const int code = platform::VirtualKeyOf(key);
  const auto target = ui::FindKey(code, platform::HeldModifiers(key), platform::TypedCharacter(key),
                                  FunctionsShown());
  if (!target) return false;
  if (const auto* action = std::get_if<TCalcAction>(&*target))
    app::Guarded(this, [this, action] { RunActionKey(*action); });
  else if (const auto* measure = std::get_if<TAngularMeasure>(&*target))
    app::Guarded(this, [this, measure] { SetAngularMeasure(*measure); });
  else
    return false; // a menu command: its action's shortcut runs it
  return true;
}

// Key preview: a key press goes up from the focused widget until one takes
// it, and the window is where it ends: it arrives here once, whatever a
// message box shown on the way does to the focus. The focused key takes only
// the space bar and the arrows. A bound key goes no further, so Enter is
// Equal whatever has the focus: this filter runs before the one that offers
// the key to the window's buttons as a dialog key.
bool TFCalc::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || watched != this) return false;
  auto& key = *static_cast<QKeyEvent*>(event);
  if (!FormKeyDown(key)) return false;
  key.accept();
  return true;
}
