#include "WidgetTestSupport.h"
#include "widgets/DxButton.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace widgets;

namespace {

// Counts a button's clicks and mouse-enter notices while it lives.
struct Counter {
  explicit Counter(TdxButton* button)
      : onClick(QObject::connect(button, &TdxButton::OnClick, [this] { ++clicks; })),
        onEnter(QObject::connect(button, &TdxButton::OnMouseEnter, [this] { ++enters; })) {}
  ~Counter() {
    QObject::disconnect(onClick);
    QObject::disconnect(onEnter);
  }
  int clicks = 0;
  int enters = 0;
  QMetaObject::Connection onClick, onEnter;
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void SendKey(QWidget* widget, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             bool autoRepeat = false) {
  QKeyEvent event(type, key, modifiers, key == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                  autoRepeat);
  QCoreApplication::sendEvent(widget, &event);
}

class ButtonInput : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    button = new TdxButton(form.get());
    button->move(20, 20);
    button->SetCaption("&Help");
    other = new TdxButton(form.get());
    other->move(120, 20);
    edit = new QLineEdit(form.get());
    edit->move(20, 100);
    ShowForm();
  }

  TdxButton* button;
  TdxButton* other;
  QLineEdit* edit;
};

TEST_F(ButtonInput, ReleaseOutsideDoesNotClick) {
  Counter count(button);
  QTest::mouseMove(button, {30, 12});
  QTest::mousePress(button, Qt::LeftButton, {}, {30, 12});
  QTest::mouseMove(button, {30, 60});
  QTest::mouseRelease(button, Qt::LeftButton, {}, {30, 60});
  EXPECT_EQ(count.clicks, 0);
  EXPECT_FALSE(button->Pressed());
  EXPECT_TRUE(button->Focused()) << "the press took the focus";

  QTest::mouseMove(button, {30, 12});
  QTest::mousePress(button, Qt::LeftButton, {}, {30, 12});
  QTest::mouseMove(button, {30, 60});
  QTest::mouseMove(button, {31, 12});
  QTest::mouseRelease(button, Qt::LeftButton, {}, {31, 12});
  EXPECT_EQ(count.clicks, 1) << "dragged out and back in";
}

TEST_F(ButtonInput, PressTakesTheFocusWithoutATabStopAndTabSkipsIt) {
  button->SetTabStop(false);
  other->SetTabStop(false);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_TRUE(edit->hasFocus()) << "no tab stop to go to";
  QTest::mouseMove(button, {30, 12});
  QTest::mouseClick(button, Qt::LeftButton, {}, {30, 12});
  EXPECT_TRUE(button->hasFocus());
  EXPECT_TRUE(button->Focused());
}

TEST_F(ButtonInput, EveryPressOfADoubleClickClicks) {
  // The toolkit reports the second press of a double click as a double
  // click, with or without a press of its own before it.
  for (const bool pressBeforeDoubleClick : {false, true}) {
    Counter count(button);
    SendMouse(button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {30, 12}, Qt::NoButton);
    if (pressBeforeDoubleClick)
      SendMouse(button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonDblClick, {30, 12}, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, {30, 12}, Qt::NoButton);
    EXPECT_EQ(count.clicks, 2) << "press before double click: " << pressBeforeDoubleClick;
  }
}

TEST_F(ButtonInput, ReleaseOverAnotherButtonHoversItAtOnce) {
  Counter count(other);
  QTest::mouseMove(button, {30, 12});
  QTest::mousePress(button, Qt::LeftButton, {}, {30, 12});
  QTest::mouseMove(button, {130, 12});
  EXPECT_FALSE(other->Hover()) << "no hover for others while the press lasts";
  QTest::mouseRelease(button, Qt::LeftButton, {}, {130, 12});
  EXPECT_TRUE(other->Hover());
  EXPECT_EQ(count.enters, 1);
  EXPECT_FALSE(button->Hover());
}

TEST_F(ButtonInput, HeldSpaceBarClicksOnceOnRelease) {
  Counter count(button);
  button->setFocus();
  SendKey(button, QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  EXPECT_TRUE(button->Pressed());
  EXPECT_TRUE(button->Hover()) << "the space bar hovers the button too";
  for (int repeat = 0; repeat < 5; ++repeat) {
    SendKey(button, QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true);
    SendKey(button, QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
  }
  EXPECT_EQ(count.clicks, 0) << "repeats are not releases";
  SendKey(button, QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
  EXPECT_EQ(count.clicks, 1);
  EXPECT_FALSE(button->Pressed());
  EXPECT_FALSE(button->Hover()) << "the pointer is elsewhere";

  QTest::mouseMove(button, {30, 12});
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(count.clicks, 2);
  EXPECT_TRUE(button->Hover()) << "the pointer is over it";
}

TEST_F(ButtonInput, SpaceWithAModifierDoesNotPress) {
  Counter count(button);
  button->setFocus();
  for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    QTest::keyClick(button, Qt::Key_Space, modifier);
    EXPECT_FALSE(button->Pressed());
  }
  EXPECT_EQ(count.clicks, 0);
}

TEST_F(ButtonInput, LosingTheFocusEndsThePress) {
  Counter count(button);
  button->setFocus();
  QTest::keyPress(button, Qt::Key_Space);
  ASSERT_TRUE(button->Pressed());
  edit->setFocus();
  EXPECT_FALSE(button->Pressed());
  EXPECT_FALSE(button->Focused());
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_EQ(count.clicks, 0);
}

TEST_F(ButtonInput, EnterClicksTheFocusedButtonOrElseTheDefault) {
  Counter focused(button), byDefault(other);
  other->SetDefault(true);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(focused.clicks, 1);
  EXPECT_EQ(byDefault.clicks, 0) << "a focused button takes Enter itself";

  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(byDefault.clicks, 2);
  EXPECT_EQ(focused.clicks, 1);

  other->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(byDefault.clicks, 2) << "a disabled default button cannot take the focus";
  other->setEnabled(true);
  other->SetDefault(false);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(byDefault.clicks, 2);
}

TEST_F(ButtonInput, EscClicksTheCancelButtonButShiftEscDoesNot) {
  Counter cancel(other), plain(button);
  other->SetCancel(true);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cancel.clicks, 1);
  QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Escape, Qt::ControlModifier);
  EXPECT_EQ(cancel.clicks, 1);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Escape);
  EXPECT_EQ(cancel.clicks, 2) << "also while another button has the focus";
  EXPECT_EQ(plain.clicks, 0);
}

TEST_F(ButtonInput, AcceleratorClicksWithAltOrWhileFocused) {
  Counter count(button);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_H);
  EXPECT_EQ(count.clicks, 0) << "the edit takes the letter";
  EXPECT_EQ(edit->text(), "h");
  QTest::keyClick(edit, Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(count.clicks, 1);
  QTest::keyClick(edit, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(count.clicks, 1);

  button->setFocus();
  QTest::keyClick(button, Qt::Key_H);
  QTest::keyClick(button, Qt::Key_H, Qt::ShiftModifier);
  EXPECT_EQ(count.clicks, 3) << "a focused button takes its letter either case";
  QTest::keyClick(button, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(count.clicks, 3);

  button->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(count.clicks, 3) << "a disabled button does not click";
}

TEST(AccelChar, TakesTheLastSinglePrefix) {
  const std::pair<const char*, QChar> cases[] = {
      {"&Submit", u'S'}, {"Fish && &Chips", u'C'}, {"R&&D", QChar()}, {"Help&", QChar()},
      {"", QChar()},     {"&a&b", u'b'},           {"&&&x", u'x'},    {"plain", QChar()}};
  for (const auto& [caption, accel] : cases)
    EXPECT_EQ(AccelChar(caption), accel) << caption;
}

class ButtonDialog : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    dialog = new QDialog(form.get());
    ok = new TdxButton(dialog);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    cancel = new TdxButton(dialog);
    cancel->move(80, 0);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    edit = new QLineEdit(dialog);
    edit->move(0, 40);
    ShowForm();
  }

  // Runs the dialog modally while `act` works it from inside its loop.
  template <typename Act> int RunModal(Act act) {
    QTimer::singleShot(0, dialog, [this, act] {
      if (!QTest::qWaitForWindowActive(dialog)) ADD_FAILURE() << "dialog not active";
      act();
    });
    return dialog->exec();
  }

  QDialog* dialog;
  TdxButton* ok;
  TdxButton* cancel;
  QLineEdit* edit;
};

TEST_F(ButtonDialog, ModalResultClosesTheDialog) {
  Counter count(ok);
  const int result = RunModal([this] { QTest::mouseClick(ok, Qt::LeftButton, {}, {30, 12}); });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(count.clicks, 1) << "the click ran too";
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ButtonDialog, EscClicksCancelWhichClosesWithItsResult) {
  Counter count(cancel);
  const int result = RunModal([this] {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
    if (!dialog->isVisible()) ADD_FAILURE() << "Shift+Esc closed the dialog";
    QTest::keyClick(edit, Qt::Key_Escape);
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(count.clicks, 1);
}

TEST_F(ButtonDialog, ResultNoneLeavesItOpenAndAHandlerMayTakeTheResultBack) {
  ok->SetModalResult(mrNone);
  bool stillOpen = false, keptOpen = false;
  QObject::connect(cancel, &TdxButton::OnClick, dialog, [this] { dialog->setResult(mrNone); });
  const int result = RunModal([&] {
    QTest::mouseClick(ok, Qt::LeftButton, {}, {30, 12});
    stillOpen = dialog->isVisible();
    QTest::mouseClick(cancel, Qt::LeftButton, {}, {30, 12});
    keptOpen = dialog->isVisible();
    ok->SetModalResult(mrRetry);
    QTest::mouseClick(ok, Qt::LeftButton, {}, {30, 12});
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(keptOpen);
  EXPECT_EQ(result, mrRetry);
}

TEST_F(ButtonInput, ActionRunsWhenNoClickHandlerIsConnected) {
  QAction action;
  int triggered = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
  button->SetAction(&action);
  QTest::mouseClick(button, Qt::LeftButton, {}, {30, 12});
  EXPECT_EQ(triggered, 1);
  Counter count(button);
  QTest::mouseClick(button, Qt::LeftButton, {}, {30, 12});
  EXPECT_EQ(count.clicks, 1);
  EXPECT_EQ(triggered, 1) << "the click handler replaces the action";
}

TEST_F(ButtonInput, ActionIconStandsInForTheGlyph) {
  // Blue glyph and green icon, each with one pixel of another colour at the
  // bottom left, which is their transparent colour.
  QImage glyph(5, 5, QImage::Format_RGB32), icon(7, 7, QImage::Format_RGB32);
  glyph.fill(qRgb(0, 0, 255));
  glyph.setPixel(0, 4, qRgb(250, 0, 250));
  icon.fill(qRgb(0, 200, 0));
  icon.setPixel(0, 6, qRgb(250, 0, 250));
  const auto shown = [this](Rgb color) { return !PixelsOf(Render(*button), color).empty(); };
  button->SetGlyph(glyph);
  QAction action("act");
  button->SetAction(&action);
  EXPECT_TRUE(shown(Rgb(0, 0, 255))) << "an action without an icon";
  action.setIcon(QIcon(QPixmap::fromImage(icon)));
  EXPECT_TRUE(shown(Rgb(0, 200, 0)));
  EXPECT_FALSE(shown(Rgb(0, 0, 255)));
  EXPECT_FALSE(shown(Rgb(250, 0, 250)));
  action.setIcon(QIcon());
  EXPECT_TRUE(shown(Rgb(0, 0, 255))) << "the glyph again";
}

} // namespace
