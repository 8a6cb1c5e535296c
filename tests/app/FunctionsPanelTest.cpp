// The functions panel through the window: View > Functions, the window's
// size and place in both states, the angle unit on the panel and across a
// restart, the settings of a file from before the panel, the signs of the
// power and the logarithm, and the key map's letters.

#include "WindowFixture.h"
#include "app/KeyMap.h"

#include <QAccessible>

namespace apptest {
namespace {

QAction& Functions(TFCalc& window) {
  return window.MenuAction(TMenuCommand::ViewFunctions);
}

TEST_F(Window, TheFunctionsPanelGrowsTheWindowWithoutMovingIt) {
  Open();
  EXPECT_FALSE(Functions(*window).isChecked()); // a first start: the specified window
  EXPECT_EQ(window->size(), QSize(260, 225));
  EXPECT_EQ(window->findChild<TdxButton*>("btSin"), nullptr); // built when first shown
  window->move(40, 30);
  const QPoint corner = window->pos();
  for (const bool shown : {true, false, true}) {
    Functions(*window).trigger();
    QApplication::processEvents();
    EXPECT_EQ(Functions(*window).isChecked(), shown);
    EXPECT_EQ(USet::Functions, shown);
    EXPECT_EQ(window->size(), shown ? QSize(520, 225) : QSize(260, 225));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // fixed in both states
    EXPECT_EQ(window->pos(), corner);
    EXPECT_EQ(Button("btSin").isVisible(), shown);
    EXPECT_EQ(Button("bt7").geometry(), QRect(106, 62, 35, 25)); // the keypad stays as it is
  }
  // Every key of the panel lies inside the window and apart from the others.
  const QList<TdxButton*> keys =
      window->findChild<TmxFlatPanel*>("FunctionPanel")->findChildren<TdxButton*>();
  ASSERT_EQ(keys.size(), 34); // 30 functions, 4 angle units
  for (const TdxButton* key : keys) {
    const QRect place(key->mapTo(window.get(), QPoint()), key->size());
    EXPECT_TRUE(window->rect().contains(place)) << key->objectName().toStdString();
    for (const TdxButton* other : keys) {
      const QRect elsewhere(other->mapTo(window.get(), QPoint()), other->size());
      EXPECT_TRUE(other == key || !place.intersects(elsewhere))
          << key->objectName().toStdString() << " " << other->objectName().toStdString();
    }
  }
  EXPECT_TRUE(window->close());
  EXPECT_NE(SettingsText().find("\"Functions\"=dword:00000001"), std::string::npos)
      << SettingsText();
}

TEST_F(Window, TheUnitIsKeptAcrossARestart) {
  Open();
  Functions(*window).trigger();
  ClickFunctionKey("btGrad");
  EXPECT_EQ(window->Calculator().AngularMeasure(), amGrad);
  EXPECT_TRUE(Button("btGrad").Caption().startsWith(QChar(0x2022)));
  EXPECT_FALSE(Button("btRad").Caption().startsWith(QChar(0x2022)));
  EXPECT_EQ(window->MainIndicator().accessibleDescription(), "Value, angles in grads");
  EXPECT_TRUE(window->close());
  EXPECT_NE(SettingsText().find("\"AngularMeasure\"=dword:00000002"), std::string::npos);
  window.reset();
  Open();
  EXPECT_EQ(window->Calculator().AngularMeasure(), amGrad);
  EXPECT_TRUE(Functions(*window).isChecked());
  EXPECT_EQ(window->size(), QSize(520, 225));
  // F2 to F5 choose the unit too, and the sine follows it.
  const std::pair<int, TAngularMeasure> units[] = {
      {Qt::Key_F2, amDeg}, {Qt::Key_F3, amRad}, {Qt::Key_F5, amCycle}, {Qt::Key_F4, amGrad}};
  for (const auto& [key, measure] : units) {
    Type(key);
    EXPECT_EQ(window->Calculator().AngularMeasure(), measure) << key;
  }
  for (const int key : {Qt::Key_Delete, Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_S})
    Type(key);
  EXPECT_EQ(Value(), "1");
}

TEST_F(Window, SettingsOfAFileFromBeforeThePanel) {
  struct Row {
    const char* tag;
    const char* stored;
    bool functions;
    TAngularMeasure measure;
  };
  const Row rows[] = {
      {"neither value", "\"ShowIn\"=dword:00000001\n", false, amRad},
      {"both", "\"Functions\"=dword:00000001\n\"AngularMeasure\"=dword:00000003\n", true, amCycle},
      {"out of range", "\"Functions\"=dword:00000002\n\"AngularMeasure\"=dword:00000004\n", false,
       amRad},
      {"negative unit", "\"Functions\"=dword:00000001\n\"AngularMeasure\"=dword:ffffffff\n", true,
       amRad},
  };
  for (const Row& row : rows) {
    WriteSettings(row.stored);
    Open();
    EXPECT_EQ(Functions(*window).isChecked(), row.functions) << row.tag;
    EXPECT_EQ(window->Calculator().AngularMeasure(), row.measure) << row.tag;
    EXPECT_EQ(window->size().width(), row.functions ? 520 : 260) << row.tag;
    const std::string stored = SettingsText();
    EXPECT_NE(stored.find("\"Functions\"="), std::string::npos) << row.tag << stored;
    EXPECT_NE(stored.find("\"AngularMeasure\"="), std::string::npos) << row.tag << stored;
    window.reset();
  }
}

TEST_F(Window, AWrongTypeKeepsTheOldPanelAndUnit) {
  MessageBoxWatch boxes;
  WriteSettings("\"Functions\"=dword:00000001\n\"AngularMeasure\"=\"2\"\n");
  Open();
  QTest::qWait(50);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0], "Invalid data type for 'AngularMeasure'");
  EXPECT_EQ(window->Calculator().AngularMeasure(), amRad);
  EXPECT_EQ(USet::AngularMeasure, 0);
}

TEST_F(Window, ThePanelShowsThePowerAndTheLogarithm) {
  Open();
  Functions(*window).trigger();
  Type(Qt::Key_Delete);
  Type(Qt::Key_8);
  Type(Qt::Key_Y);
  EXPECT_EQ(Sign(), " ^");
  Type(Qt::Key_G);
  EXPECT_EQ(Sign(), " log");
  Type(Qt::Key_2);
  Type(Qt::Key_Return);
  EXPECT_EQ(Value(), "3");
  EXPECT_EQ(Sign(), " log"); // kept for a repeated Equal
}

// The letters, the panel hidden and shown, against the key table of the
// README and the Keyboard entry.
TEST(KeyMap, LettersRunTheirFunctionsOnlyWhileThePanelShows) {
  const TKeyModifiers none{}, shift{.shift = true}, ctrl{.ctrl = true},
      ctrlShift{.shift = true, .ctrl = true}, alt{.alt = true};
  struct Row {
    int key;
    TKeyModifiers held;
    std::optional<TCalcAction> hidden, shown;
  };
  const Row rows[] = {
      {'S', none, {}, caSin},
      {'S', shift, {}, caArcSin},
      {'S', ctrl, {}, caSh},
      {'S', ctrlShift, {}, caArSh},
      {'O', none, {}, caCos},
      {'O', shift, {}, caArcCos},
      {'O', ctrl, {}, caCh},
      {'O', ctrlShift, {}, caArCh},
      {'T', none, {}, caTg},
      {'T', shift, {}, caArcTg},
      {'T', ctrl, {}, caTh},
      {'T', ctrlShift, {}, caArTh},
      {'K', none, {}, caCtg},
      {'K', shift, {}, caArcCtg},
      {'K', ctrl, {}, caCth},
      {'K', ctrlShift, {}, caArCth},
      {'E', none, {}, caSec},
      {'E', ctrl, {}, caSech},
      {'W', none, {}, caCosec},
      {'W', ctrl, {}, caCosech},
      {'N', none, {}, caLn},
      {'L', none, {}, caLg},
      {'G', none, {}, caLog},
      {'X', none, {}, caExp},
      {'B', none, {}, ca3root},
      {'Q', none, {}, caSqr},
      {'Y', none, {}, caXY},
      {'P', none, {}, caPI},
      {'3', shift, {}, caX3},
      {'1', shift, {}, caFactorial},
      {'6', shift, {}, caXY},
      // Without the panel too.
      {'R', none, caInverse, caInverse},
      {'R', ctrl, caMemRecall, caMemRecall},
      {'L', ctrl, caMemClear, caMemClear},
      {'P', ctrl, caMemPlus, caMemPlus},
      {'Q', ctrl, caMemMinus, caMemMinus},
      {'2', shift, caSqrt, caSqrt},
      {8, none, caBackSpace, caBackSpace},
      {120, none, caSignChange, caSignChange},
      // Alt and a letter are the menus'; other letters and states do nothing.
      {'S', alt, {}, {}},
      {'E', alt, {}, {}},
      {'F', alt, {}, {}},
      {'V', alt, {}, {}},
      {'E', shift, {}, {}},
      {'N', ctrl, {}, {}},
      {'C', ctrl, {}, {}},
      {'V', ctrl, {}, {}},
      {'A', none, {}, {}},
      {'Z', none, {}, {}},
      {'4', shift, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << char(row.key) << " shift " << row.held.shift << " ctrl "
                                      << row.held.ctrl << " alt " << row.held.alt);
    EXPECT_EQ(KeyAction(row.key, row.held, 0, false), row.hidden);
    EXPECT_EQ(KeyAction(row.key, row.held, 0, true), row.shown);
  }
  // Another layout's characters: "@" anywhere, "#" where a US keyboard has "\".
  EXPECT_EQ(KeyAction('Q', {}, U'@', false), caSqrt);
  EXPECT_EQ(KeyAction(220, {}, U'#', true), caX3);
  EXPECT_EQ(KeyAction(220, {}, U'#', false), std::nullopt);
}

TEST_F(Window, TheNewKeysAreNamedForAssistiveTechnology) {
  Open();
  Functions(*window).trigger();
  for (const char* name : {"btSin", "btArCth", "btLog", "btXY", "btPI", "btRad", "btCycle"}) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&Button(name));
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << name;
    EXPECT_FALSE(face->text(QAccessible::Description).isEmpty()) << name;
  }
  QAccessibleInterface* radians = QAccessible::queryAccessibleInterface(&Button("btRad"));
  EXPECT_EQ(radians->text(QAccessible::Name), "Rad");
  EXPECT_EQ(radians->text(QAccessible::Description), "Angles in radians, chosen");
  ClickFunctionKey("btDeg");
  EXPECT_EQ(radians->text(QAccessible::Description), "Angles in radians");
}

TEST_F(Window, TheKeyboardEntryListsTheKeys) {
  MessageBoxWatch boxes;
  Open();
  window->MenuAction(TMenuCommand::HelpKeyboard).trigger();
  ASSERT_EQ(boxes.Texts().size(), 1u);
  for (const char* key : {"Backspace", "F9", "Ctrl+L", "Ctrl+Shift+S", "F2"})
    EXPECT_NE(boxes.Texts()[0].find(key), std::string::npos) << key;
}

} // namespace
} // namespace apptest
