// The main window as assistive technology sees it, through the toolkit's
// accessibility interfaces: every key and display named, with a role, the
// keys pressed through their press action, the displays read as text.

#include "app/Pictures.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "settings/USet.h"
#include "tests/support/TemporaryHome.h"
#include "widgets/DxButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace app;

using namespace engine;

namespace {

class WindowAccessibility : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    USet::Value.clear();
    USet::Memory.clear();
    USet::ShowIn = 0;
    window = std::make_unique<TFCalc>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    TemporaryHome::TearDown();
  }

  // Every interface below the window with the given role, by name.
  std::multimap<QString, QAccessibleInterface*> WithRole(QAccessible::Role role) const {
    std::multimap<QString, QAccessibleInterface*> found;
    std::vector<QAccessibleInterface*> open{QAccessible::queryAccessibleInterface(window.get())};
    while (!open.empty()) {
      QAccessibleInterface* next = open.back();
      open.pop_back();
      if (next->role() == role) found.emplace(next->text(QAccessible::Name), next);
      for (int i = 0; i < next->childCount(); ++i)
        open.push_back(next->child(i));
    }
    return found;
  }

  void Press(const QString& name) {
    const auto keys = WithRole(QAccessible::Button);
    ASSERT_EQ(keys.count(name), 1u) << name.toStdString();
    keys.find(name)->second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  }

  QString ValueRead() const {
    return QAccessible::queryAccessibleInterface(&window->MainIndicator())
        ->text(QAccessible::Value);
  }

  std::unique_ptr<TFCalc> window;
};

TEST_F(WindowAccessibility, EveryKeyIsANamedPushButtonWithAPressAction) {
  const auto keys = WithRole(QAccessible::Button);
  ASSERT_EQ(keys.size(), 27u);
  for (TdxButton* button : window->findChildren<TdxButton*>()) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    const QString name = face->text(QAccessible::Name);
    SCOPED_TRACE(button->objectName().toStdString());
    EXPECT_FALSE(name.isEmpty());
    // Read as shown, or, for the square-root key's picture, in words.
    EXPECT_EQ(name,
              button->Caption().isEmpty() ? QStringLiteral("Square root") : button->Caption());
    EXPECT_TRUE(
        face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    if (!button->Caption().isEmpty()) {
      EXPECT_FALSE(face->text(QAccessible::Description).isEmpty()) << "what the key does";
    }
  }
}

TEST_F(WindowAccessibility, BothDisplaysAreStaticTextReadAsShown) {
  const auto texts = WithRole(QAccessible::StaticText);
  std::map<QString, QString> read; // description -> value
  for (const auto& [name, face] : texts) {
    EXPECT_EQ(name, face->text(QAccessible::Value));
    read[face->text(QAccessible::Description)] = face->text(QAccessible::Value);
  }
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[QStringLiteral("Value")],
            QString::fromStdString(window->MainIndicator().DisplayText()));
  EXPECT_EQ(read[QStringLiteral("Memory")], QStringLiteral("0"));
}

TEST_F(WindowAccessibility, KeysPressedThroughTheirActionCalculate) {
  for (const char* key : {"C", "1", "2", "3", "4", "+", "6", "="})
    Press(QString::fromUtf8(key));
  EXPECT_EQ(window->Calculator().Value(), "1240");
  // The display's grouping is read out as it is shown.
  EXPECT_EQ(ValueRead(), QStringLiteral("1,240"));
  Press(QStringLiteral("M+"));
  Press(QStringLiteral("Square root"));
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(&window->MemoryIndicator())->text(QAccessible::Value),
      QStringLiteral("1,240"));
  EXPECT_EQ(ValueRead(), QString::fromStdString(window->MainIndicator().DisplayText()));
  EXPECT_TRUE(ValueRead().startsWith(QLatin1String("35.21")));
}

TEST_F(WindowAccessibility, TheValuePanelTellsThePendingOperation) {
  const auto groups = WithRole(QAccessible::Grouping);
  ASSERT_EQ(groups.count(QStringLiteral("Value")), 1u);
  QAccessibleInterface* panel = groups.find(QStringLiteral("Value"))->second;
  EXPECT_EQ(panel->text(QAccessible::Description), QStringLiteral("="));
  Press(QStringLiteral("C"));
  Press(QStringLiteral("2"));
  Press(QStringLiteral("/"));
  EXPECT_EQ(panel->text(QAccessible::Description), QStringLiteral("\u00F7"));
  EXPECT_EQ(groups.count(QStringLiteral("Memory")), 1u);
}

TEST(RadicalSign, BlackOnWhiteAtRatioOne) {
  const QImage sign = RadicalSign(1);
  ASSERT_EQ(sign.size(), QSize(19, 15));
  EXPECT_EQ(sign.pixel(0, 14), qRgb(255, 255, 255));
  int black = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 19; ++x) {
      const QRgb p = sign.pixel(x, y);
      EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << ", " << y;
      black += p == qRgb(0, 0, 0);
    }
  EXPECT_GT(black, 20);
}

TEST(RadicalSign, SmoothWithoutAWhiteFringeAtRatioTwo) {
  const QImage sign = RadicalSign(2).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(sign.size(), QSize(38, 30));
  EXPECT_EQ(sign.devicePixelRatio(), 2);
  EXPECT_EQ(qAlpha(sign.pixel(0, 29)), 0) << "the transparent colour is transparent";
  int solid = 0, smooth = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 38; ++x) {
      const QRgb p = sign.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      // Every drawn pixel is black; its edges are only less opaque.
      EXPECT_EQ(qRed(p) + qGreen(p) + qBlue(p), 0) << x << ", " << y;
      (qAlpha(p) == 255 ? solid : smooth)++;
    }
  EXPECT_GT(solid, 40);
  EXPECT_GT(smooth, 0);
}

// Holds at any ratio; ctest runs it again with QT_SCALE_FACTOR=2.
TEST_F(WindowAccessibility, AtScreenRatioTheWindowKeepsItsLayout) {
  const qreal ratio = qApp->devicePixelRatio();
  EXPECT_EQ(window->size(), QSize(260, 225));
  const QPixmap shot = window->grab();
  EXPECT_EQ(shot.devicePixelRatio(), ratio);
  EXPECT_EQ(shot.size(), QSize(260, 225) * ratio);
  auto* sqrt = window->findChild<TdxButton*>("btSqrt");
  EXPECT_EQ(sqrt->Glyph().devicePixelRatio(), ratio);
  EXPECT_EQ(sqrt->Glyph().deviceIndependentSize(), QSizeF(19, 15));
}

} // namespace
