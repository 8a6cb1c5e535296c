// The functions panel through the window: View > Functions, the window's
// size and place in both states, the angle unit across a restart, a file
// from before the panel, the power and logarithm signs, the key map's letters.

#include "WindowFixture.h"

#include <QAccessible>

using namespace app;

namespace apptest {
namespace {

QAction& Functions(TFCalc& window) {
  return window.MenuAction(TMenuCommand::ViewFunctions);
}

QRect InWindow(const QWidget& key) {
  return {key.mapTo(key.window(), QPoint()), key.size()};
}

TEST_F(Window, TheFunctionsPanelGrowsTheWindowWithoutMovingIt) {
  Open();
  EXPECT_EQ(window->findChild<TdxButton*>("btSin"), nullptr); // built when first shown
  window->move(40, 30);
  const QPoint corner = window->pos();
  for (const bool shown : {true, false, true}) {
    Functions(*window).trigger();
    EXPECT_EQ(USet::Functions, shown);
    EXPECT_EQ(window->size(), shown ? QSize(520, 225) : QSize(260, 225));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // fixed in both states
    EXPECT_EQ(window->pos(), corner);
    EXPECT_EQ(Button("btSin").isVisible(), shown);
  }
  // 30 functions and 4 units, inside the window and apart from each other.
  const auto keys = window->findChild<TmxFlatPanel*>("FunctionPanel")->findChildren<TdxButton*>();
  ASSERT_EQ(keys.size(), 34);
  for (const TdxButton* key : keys) {
    EXPECT_TRUE(window->rect().contains(InWindow(*key))) << key->objectName().toStdString();
    for (const TdxButton* other : keys)
      EXPECT_TRUE(other == key || !InWindow(*key).intersects(InWindow(*other)));
  }
}

TEST_F(Window, ThePanelAndItsUnitAreKeptAcrossARestart) {
  Open();
  EXPECT_FALSE(Functions(*window).isChecked()); // a first start: the window as specified
  Functions(*window).trigger();
  ClickFunctionKey("btGrad");
  EXPECT_EQ(window->MainIndicator().accessibleDescription(), "Value, angles in grads");
  EXPECT_TRUE(window->close());
  window.reset();
  Open();
  EXPECT_EQ(window->Calculator().AngularMeasure(), amGrad);
  EXPECT_EQ(window->size(), QSize(520, 225));
  EXPECT_TRUE(Button("btGrad").Caption().startsWith(QChar(0x2022))); // the chosen unit's mark
  EXPECT_FALSE(Button("btRad").Caption().startsWith(QChar(0x2022)));
  // A file from before the panel: off, in radians.
  window.reset();
  WriteSettings("\"Value\"=\"5\"\n\"ShowIn\"=dword:00000001\n");
  Open();
  EXPECT_FALSE(Functions(*window).isChecked());
  EXPECT_EQ(window->Calculator().AngularMeasure(), amRad);
  EXPECT_EQ(window->size(), QSize(260, 225));
}

TEST_F(Window, ThePanelSignsThePowerAndTheLogarithm) {
  Open();
  Functions(*window).trigger();
  const std::pair<int, const char*> steps[] = {{Qt::Key_Delete, " ="}, {Qt::Key_8, " ="},
                                               {Qt::Key_Y, " ^"},      {Qt::Key_G, " log"},
                                               {Qt::Key_2, " log"},    {Qt::Key_Return, " log"}};
  for (const auto& [key, sign] : steps) {
    Type(key);
    EXPECT_EQ(Sign(), sign) << key;
  }
  EXPECT_EQ(Value(), "3");
}

TEST_F(Window, TheNewKeysAreNamedAndTheKeyboardEntryListsThem) {
  MessageBoxWatch boxes;
  Open();
  Functions(*window).trigger();
  for (const char* name : {"btSin", "btArCth", "btLog", "btXY", "btPI"})
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&Button(name))
                     ->text(QAccessible::Description)
                     .isEmpty())
        << name;
  QAccessibleInterface* radians = QAccessible::queryAccessibleInterface(&Button("btRad"));
  EXPECT_EQ(radians->text(QAccessible::Name), "Rad");
  EXPECT_EQ(radians->text(QAccessible::Description), "Angles in radians, chosen");
  ClickFunctionKey("btDeg");
  EXPECT_EQ(radians->text(QAccessible::Description), "Angles in radians");
  window->MenuAction(TMenuCommand::HelpKeyboard).trigger();
  ASSERT_EQ(boxes.Texts().size(), 1u);
  for (const char* key : {"Backspace", "F9", "Ctrl+L", "Ctrl+Shift+S", "F2"})
    EXPECT_NE(boxes.Texts()[0].find(key), std::string::npos) << key;
}

} // namespace
} // namespace apptest
