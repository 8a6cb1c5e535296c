// The widget set through the toolkit's accessibility interfaces, as a screen
// reader would query it.

#include "WidgetTestSupport.h"
#include "widgets/DxAccessible.h"
#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace widgets;

namespace {

TEST(StripMnemonic, DropsTheMarkersAndKeepsDoubledAmpersands) {
  const std::pair<const char*, const char*> cases[] = {
      {"&Submit", "Submit"}, {"Fish && &Chips", "Fish & Chips"},
      {"R&&D", "R&D"},       {"Help&", "Help"},
      {"&&&x", "&x"},        {"", ""},
      {"BACK", "BACK"},      {"a&b&c", "abc"},
  };
  for (const auto& [caption, read] : cases)
    EXPECT_EQ(StripMnemonic(QString::fromUtf8(caption)).toStdString(), read) << caption;
}

class Accessible : public WidgetTest {
protected:
  QAccessibleInterface* Of(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(face, nullptr);
    return face;
  }
};

TEST_F(Accessible, AButtonIsAPushButtonNamedByItsCaption) {
  auto* button = new TdxButton(form.get());
  button->SetCaption(QStringLiteral("&Submit"));
  QAccessibleInterface* face = Of(button);
  EXPECT_EQ(face->role(), QAccessible::Button);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Submit"));
  EXPECT_FALSE(face->text(QAccessible::Accelerator).isEmpty());
  EXPECT_TRUE(face->text(QAccessible::Accelerator).contains(QLatin1Char('S')));
  button->SetCaption(QStringLiteral("BACK"));
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("BACK"));
  EXPECT_TRUE(face->text(QAccessible::Accelerator).isEmpty());
}

TEST_F(Accessible, AnAccessibleNameStandsInForAMissingCaption) {
  auto* button = new TdxButton(form.get());
  button->setAccessibleName(QStringLiteral("Square root"));
  button->setAccessibleDescription(QStringLiteral("of the value"));
  QAccessibleInterface* face = Of(button);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Square root"));
  EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("of the value"));
}

TEST_F(Accessible, ThePressActionClicksAnEnabledVisibleButton) {
  auto* button = new TdxButton(form.get());
  button->SetCaption(QStringLiteral("7"));
  int clicks = 0;
  QObject::connect(button, &TdxButton::OnClick, [&] { ++clicks; });
  ShowForm();
  QAccessibleActionInterface* actions = Of(button)->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 1);

  button->setEnabled(false);
  EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 1) << "a disabled button never clicks";
  EXPECT_TRUE(Of(button)->state().disabled);
}

TEST_F(Accessible, StatesFollowTheButton) {
  auto* button = new TdxButton(form.get());
  ShowForm();
  QAccessibleInterface* face = Of(button);
  EXPECT_TRUE(face->state().focusable);
  EXPECT_FALSE(face->state().focused);
  EXPECT_FALSE(face->state().defaultButton);
  button->setFocus();
  button->SetDefault(true);
  EXPECT_TRUE(face->state().focused);
  EXPECT_TRUE(face->state().defaultButton);
}

TEST_F(Accessible, APanelIsAGroupNamedByItsOwnerOrItsCaption) {
  auto* panel = new TmxFlatPanel(form.get());
  panel->SetCaption(QStringLiteral(" &Memory ="));
  QAccessibleInterface* face = Of(panel);
  EXPECT_EQ(face->role(), QAccessible::Grouping);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Memory ="));
  EXPECT_TRUE(face->text(QAccessible::Description).isEmpty());
  // Named by its owner, the caption (here an operation's sign) is the
  // description.
  panel->setAccessibleName(QStringLiteral("Value"));
  panel->SetCaption(QStringLiteral(" +"));
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Value"));
  EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("+"));
}

TEST_F(Accessible, ChildrenAreReachedFromTheWindow) {
  auto* panel = new TmxFlatPanel(form.get());
  auto* button = new TdxButton(panel->Client());
  button->SetCaption(QStringLiteral("OK"));
  ShowForm();
  QAccessibleInterface* window = Of(form.get());
  // The form, the panel, its client area, the button.
  QAccessibleInterface* found = nullptr;
  std::vector<QAccessibleInterface*> open{window};
  while (!open.empty() && found == nullptr) {
    QAccessibleInterface* next = open.back();
    open.pop_back();
    if (next->role() == QAccessible::Button) found = next;
    for (int i = 0; i < next->childCount(); ++i)
      open.push_back(next->child(i));
  }
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->text(QAccessible::Name), QStringLiteral("OK"));
  EXPECT_EQ(found->object(), button);
}

} // namespace
