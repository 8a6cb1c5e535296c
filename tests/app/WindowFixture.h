#pragma once
// The main window on the offscreen platform, for the window's tests: a
// fresh settings folder per test, the window opened and shown, keys typed
// to whatever has the focus, and a watch that closes every message box and
// keeps its text.

#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "engine/KeyTokens.h"
#include "engine/NumberText.h"
#include "settings/USet.h"
#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace apptest {

namespace fs = std::filesystem;

// Closes every message box that opens and keeps its text; with an interval
// of 0 at the first turn of the box's own event loop.
class MessageBoxWatch {
public:
  explicit MessageBoxWatch(int intervalMs = 10) {
    FTimer.setInterval(intervalMs);
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        // The text as read, without the zero-width spaces that let it wrap.
        FTexts.push_back(box->text().remove(QChar(0x200B)).toStdString());
        FWidths.push_back(box->width());
        box->accept();
      }
    });
    FTimer.start();
  }
  const std::vector<std::string>& Texts() const { return FTexts; }
  const std::vector<int>& Widths() const { return FWidths; }

private:
  QTimer FTimer;
  std::vector<std::string> FTexts;
  std::vector<int> FWidths;
};

class Window : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tallyon-app-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    home = pattern;
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    engine::SetCurrentSeparators({});
    USet::Value.clear();
    USet::Memory.clear();
    USet::ThouSep = USet::StayOnTop = false;
    USet::ShowIn = 0;
  }
  void TearDown() override {
    window.reset();
    fs::remove_all(home);
  }

  void WriteSettings(const std::string& values) {
    fs::create_directories(home / "Corvane");
    std::ofstream(home / "Corvane" / "Tallyon.reg")
        << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
        << values;
  }
  std::string SettingsText() {
    std::ifstream in(home / "Corvane" / "Tallyon.reg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  TFCalc& Open() {
    window = std::make_unique<TFCalc>();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    return *window;
  }

  // A key press as the user types it, to whatever has the focus.
  void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }

  TdxButton& Button(const char* name) { return *window->findChild<TdxButton*>(name); }
  void Click(const char* name) { QTest::mouseClick(&Button(name), Qt::LeftButton); }

  QAction& Action(const QString& text) {
    for (QAction* action : window->findChildren<QAction*>())
      if (action->text() == text) return *action;
    throw std::runtime_error("no action " + text.toStdString());
  }

  std::string Value() const { return window->Calculator().Value(); }
  QString Sign() const { return window->PanelIndicator().Caption(); }

  // A token of the key-sequence table as the user would give it: a key, or
  // a click on a key of the functions panel (shown first, from the View
  // menu), after which the focus leaves the clicked key so that Enter means
  // Equal again; angle=UNIT clicks the unit's key; paste=TEXT puts TEXT on
  // the clipboard and pastes it. False for tokens the window does not offer
  // (value=, memory=, caPower).
  bool Perform(const std::string& token);
  void ClickFunctionKey(const char* name);

  fs::path home;
  std::unique_ptr<TFCalc> window;
};

inline bool Window::Perform(const std::string& token) {
  struct KeyOf {
    TCalcAction action;
    int key;
    Qt::KeyboardModifiers modifiers;
  };
  static const KeyOf keys[] = {
      {caDecSep, Qt::Key_Period, Qt::NoModifier},
      {caPlus, Qt::Key_Plus, Qt::KeypadModifier},
      {caMinus, Qt::Key_Minus, Qt::KeypadModifier},
      {caMulty, Qt::Key_Asterisk, Qt::KeypadModifier},
      {caDivide, Qt::Key_Slash, Qt::KeypadModifier},
      {caEqual, Qt::Key_Return, Qt::NoModifier},
      {caPerCent, Qt::Key_5, Qt::ShiftModifier},
      {caClear, Qt::Key_Delete, Qt::NoModifier},
      {caClearEntr, Qt::Key_Escape, Qt::NoModifier},
      {caBackSpace, Qt::Key_Backspace, Qt::NoModifier},
      {caSignChange, Qt::Key_F9, Qt::NoModifier},
      {caInverse, Qt::Key_R, Qt::NoModifier},
      {caSqrt, Qt::Key_At, Qt::ShiftModifier},
      {caMemClear, Qt::Key_L, Qt::ControlModifier},
      {caMemRecall, Qt::Key_R, Qt::ControlModifier},
      {caMemPlus, Qt::Key_P, Qt::ControlModifier},
      {caMemMinus, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier},
  };
  // Some functions by their letters, the others by a click.
  static const KeyOf functionKeys[] = {
      {caSin, Qt::Key_S, Qt::NoModifier},
      {caArcCos, Qt::Key_O, Qt::ShiftModifier},
      {caTg, Qt::Key_T, Qt::NoModifier},
      {caLog, Qt::Key_G, Qt::NoModifier},
      {caXY, Qt::Key_Y, Qt::NoModifier},
      {caPI, Qt::Key_P, Qt::NoModifier},
      {caFactorial, Qt::Key_Exclam, Qt::ShiftModifier},
  };
  static const std::pair<TAngularMeasure, const char*> angleKeys[] = {
      {amRad, "btRad"}, {amDeg, "btDeg"}, {amGrad, "btGrad"}, {amCycle, "btCycle"}};
  const std::optional<engine::KeyToken> parsed = engine::ParseKeyToken(token);
  if (!parsed) return false;
  if (parsed->kind == engine::KeyToken::Paste) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(parsed->text));
    Type(Qt::Key_Insert, Qt::ShiftModifier);
    return true;
  }
  const bool function = parsed->kind == engine::KeyToken::Angle ||
                        (parsed->kind == engine::KeyToken::Action && parsed->action >= caSin);
  if (function && !window->MenuAction(TMenuCommand::ViewFunctions).isChecked())
    window->MenuAction(TMenuCommand::ViewFunctions).trigger();
  if (parsed->kind == engine::KeyToken::Angle) {
    for (const auto& [measure, button] : angleKeys)
      if (measure == parsed->unit) ClickFunctionKey(button);
    return true;
  }
  if (parsed->kind != engine::KeyToken::Action) return false;
  const TCalcAction action = parsed->action;
  if (action <= ca9) {
    Type(Qt::Key_0 + static_cast<int>(action));
    return true;
  }
  for (const KeyOf& k : keys)
    if (action == k.action) {
      Type(k.key, k.modifiers);
      return true;
    }
  for (const KeyOf& k : functionKeys)
    if (action == k.action) {
      Type(k.key, k.modifiers);
      return true;
    }
  if (action == caPower) return false; // caXY's twin has no key of its own
  const std::string name = "bt" + std::string(engine::ActionName(action)).substr(2);
  ClickFunctionKey(name.c_str());
  return true;
}

inline void Window::ClickFunctionKey(const char* name) {
  Click(name);
  Button(name).clearFocus();
}

} // namespace apptest
