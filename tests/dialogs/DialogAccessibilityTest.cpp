// Both dialogs through the toolkit's accessibility interfaces: every control
// a screen reader can land on has a name and a role.

#include "DialogTestSupport.h"
#include "dialogs/UAbout.h"
#include "dialogs/USubmitNumber.h"
#include "settings/USet.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include <map>
#include <memory>
#include <vector>

namespace {

// Every interface below `dialog`, by role; the dialog's plain frames (role
// Client, Pane) are containers and need no name.
std::multimap<QAccessible::Role, QAccessibleInterface*> Controls(QWidget& dialog) {
  std::multimap<QAccessible::Role, QAccessibleInterface*> found;
  std::vector<QAccessibleInterface*> open{QAccessible::queryAccessibleInterface(&dialog)};
  while (!open.empty()) {
    QAccessibleInterface* next = open.back();
    open.pop_back();
    for (int i = 0; i < next->childCount(); ++i) {
      QAccessibleInterface* child = next->child(i);
      found.emplace(child->role(), child);
      open.push_back(child);
    }
  }
  return found;
}

void ExpectAllNamed(QWidget& dialog) {
  for (const auto& [role, face] : Controls(dialog)) {
    if (role == QAccessible::Client || role == QAccessible::Pane) continue;
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
        << "role " << role << ", object " << face->object()->objectName().toStdString();
  }
}

std::vector<QString> NamesOf(QWidget& dialog, QAccessible::Role role) {
  std::vector<QString> names;
  const auto controls = Controls(dialog);
  for (auto [it, end] = controls.equal_range(role); it != end; ++it)
    names.push_back(it->second->text(QAccessible::Name));
  std::sort(names.begin(), names.end());
  return names;
}

class DialogAccessibility : public DialogTest {};

TEST_F(DialogAccessibility, TheSubmitDialogNamesEveryControl) {
  USet::Value = "1.5E3";
  TFSubmitNumber dialog(nullptr);
  dialog.FormCreate();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ExpectAllNamed(dialog);
  EXPECT_EQ(NamesOf(dialog, QAccessible::Button),
            (std::vector<QString>{"Cancel", "Help", "Submit"}));
  EXPECT_EQ(NamesOf(dialog, QAccessible::EditableText),
            (std::vector<QString>{"Exponent", "Mantissa"}));
  // The preview reads as it shows, and follows the fields.
  QAccessibleInterface* preview =
      QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>("PreviewIndicator"));
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->role(), QAccessible::StaticText);
  EXPECT_EQ(preview->text(QAccessible::Description), QStringLiteral("Preview"));
  EXPECT_EQ(preview->text(QAccessible::Value), preview->text(QAccessible::Name));
  const QString before = preview->text(QAccessible::Value);
  QTest::keyClicks(dialog.findChild<QWidget*>("EditExponent"), QStringLiteral("1"));
  EXPECT_NE(preview->text(QAccessible::Value), before);
}

TEST_F(DialogAccessibility, TheAboutBoxNamesEveryControl) {
  TAboutBox box(nullptr);
  box.FormCreate(TAboutBox::RunningProgram());
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  ExpectAllNamed(box);
  EXPECT_EQ(NamesOf(box, QAccessible::Button), (std::vector<QString>{"OK"}));
  const auto controls = Controls(box);
  const auto [first, end] = controls.equal_range(QAccessible::Button);
  ASSERT_NE(first, end);
  EXPECT_TRUE(first->second->actionInterface()->actionNames().contains(
      QAccessibleActionInterface::pressAction()));
}

} // namespace
