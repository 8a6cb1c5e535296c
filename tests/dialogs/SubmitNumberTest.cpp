// The number submit dialog with real key events in its fields, opened
// window-modal so that the test goes on while it is up.

#include "DialogTestSupport.h"
#include "dialogs/USubmitNumber.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "settings/USet.h"
#include "widgets/DxButton.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

using namespace engine;

namespace {

class SubmitNumber : public DialogTest {
protected:
  void TearDown() override { dialog.reset(); }

  // Made as the main window makes it, from the setting Value.
  TFSubmitNumber& Open(const std::string& value) {
    USet::Value = value;
    dialog = std::make_unique<TFSubmitNumber>(nullptr);
    dialog->FormCreate();
    dialog->open();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return *dialog;
  }

  QLineEdit& Mantissa() const { return dialog->EditMantissa(); }
  QLineEdit& Exponent() const { return dialog->EditExponent(); }
  std::string Text(const QLineEdit& field) const { return field.text().toStdString(); }
  std::string Preview() const { return dialog->PreviewIndicator().DisplayText(); }

  // Keys typed at the cursor, which a click has put at the end.
  static void TypeAtEnd(QLineEdit& field, const QString& keys) {
    field.setFocus();
    field.end(false);
    QTest::keyClicks(&field, keys);
  }
  // Ctrl+A and Backspace: the field emptied in one edit.
  static void DeleteAll(QLineEdit& field) {
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Backspace);
  }
  // The whole field replaced in one edit, by pasting over it.
  static void PasteOver(QLineEdit& field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
  }

  std::unique_ptr<TFSubmitNumber> dialog;
};

TEST_F(SubmitNumber, SeparateNumberSplitsAtTheFirstMark) {
  const struct {
    const char *text, *mantissa, *exponent;
  } table[] = {
      {"1234567890E+1234", "1234567890", "+1234"},
      {"-1.5E-7", "-1.5", "-7"},
      {"0", "0", ""},
      {"12e5", "12", "5"},
      {"12E", "12", ""},
      {"E5", "", "5"},
      {"1E2e3", "1", "2e3"},
      {"", "", ""},
  };
  TFSubmitNumber separating(nullptr);
  separating.SeparateNumber("9E9");
  for (const auto& row : table) {
    separating.SeparateNumber(row.text);
    EXPECT_EQ(separating.MantissaText(), row.mantissa) << row.text;
    EXPECT_EQ(separating.ExponentText(), row.exponent) << row.text;
  }
}

TEST_F(SubmitNumber, OpensOnTheDefaultValue) {
  Open(USet::DefaultValue);
  EXPECT_EQ(Text(Mantissa()), "1234567890");
  EXPECT_EQ(Text(Exponent()), "+1234");
  EXPECT_EQ(dialog->WorkingValue(), "1234567890E+1234");
  EXPECT_EQ(Preview(), "1.234567890000E+1243");
  EXPECT_EQ(USet::Value, USet::DefaultValue);
}

TEST_F(SubmitNumber, ZeroSubmitsZeroWithAnEmptyExponent) {
  Open("0");
  EXPECT_EQ(Text(Mantissa()), "0");
  EXPECT_EQ(Text(Exponent()), "");
  EXPECT_EQ(Preview(), "0");
  QTest::mouseClick(&dialog->Submit(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), mrOk);
  EXPECT_EQ(USet::Value, "0"); // a number text, without an empty exponent
  EXPECT_EQ(TextToNumber(USet::Value), 0);
}

TEST_F(SubmitNumber, CharactersOutsideTheNumberAlphabetVanish) {
  // The cursor stays as far from the end as the user left it.
  const struct {
    const char* tag;
    const char* value;
    bool mantissa; // else the exponent field
    int cursor;    // where the keys go
    const char* keys;
    const char* text;
    int cursorAfter;
    const char* preview;
  } table[] = {
      {"x at the end of the mantissa", USet::DefaultValue, true, 10, "x", "1234567890", 10,
       "1.234567890000E+1243"},
      {"x inside the mantissa", USet::DefaultValue, true, 3, "x", "1234567890", 3,
       "1.234567890000E+1243"},
      {"letters and a space in the exponent", USet::DefaultValue, false, 2, "a b", "+1234", 2,
       "1.234567890000E+1243"},
      {"a comma, which is not the separator", "1.5", true, 0, ",", "1.5", 0, "1.5"},
      {"a digit that stays, then x", "5E+12", false, 2, "9x", "+192", 3, "5.000000000000E+0192"},
  };
  for (const auto& row : table) {
    Open(row.value);
    QLineEdit& field = row.mantissa ? Mantissa() : Exponent();
    field.setFocus();
    field.setCursorPosition(row.cursor);
    QTest::keyClicks(&field, row.keys);
    EXPECT_EQ(Text(field), row.text) << row.tag;
    EXPECT_EQ(field.cursorPosition(), row.cursorAfter) << row.tag;
    EXPECT_EQ(Preview(), row.preview) << row.tag;
  }
}

TEST_F(SubmitNumber, DeletingTheWholeMantissaIsUndoneTheWholeExponentIsNot) {
  Open(USet::DefaultValue);
  DeleteAll(Mantissa());
  EXPECT_EQ(Text(Mantissa()), "1234567890");
  EXPECT_EQ(dialog->MantissaText(), "1234567890");
  EXPECT_EQ(Preview(), "1.234567890000E+1243");
  DeleteAll(Exponent());
  EXPECT_EQ(Text(Exponent()), "");
  EXPECT_EQ(dialog->WorkingValue(), "1234567890");
  EXPECT_EQ(Preview(), "1,234,567,890");
}

TEST_F(SubmitNumber, AnExponentOutOfRangeIsRejected) {
  Open(USet::DefaultValue);
  DeleteAll(Exponent());
  TypeAtEnd(Exponent(), "1234");
  EXPECT_EQ(Text(Exponent()), "1234");
  const std::string shown = Preview();
  TypeAtEnd(Exponent(), "5");
  EXPECT_EQ(Text(Exponent()), "1234");
  EXPECT_EQ(Exponent().cursorPosition(), 4);
  EXPECT_EQ(dialog->WorkingValue(), "1234567890E1234");
  EXPECT_EQ(Preview(), shown);
  // The same digits fit once the mantissa is small enough.
  Open("1");
  TypeAtEnd(Exponent(), "4000");
  EXPECT_EQ(dialog->WorkingValue(), "1E4000");
  TypeAtEnd(Exponent(), "0");
  EXPECT_EQ(dialog->WorkingValue(), "1E4000");
}

TEST_F(SubmitNumber, WhatReadsAsANumber) {
  const struct {
    bool mantissa;
    const char* pasted;
    const char* working; // after the paste: accepted or the old value kept
  } table[] = {
      {true, "", "7E+5"},      {true, "+", "7E+5"},     {true, "-", "7E+5"},
      {true, "1-2", "7E+5"},   {true, "1.2.3", "7E+5"}, {true, "1e3", "7E+5"},
      {true, ".", ".E+5"},     {true, "-.5", "-.5E+5"}, {true, "12a", "12E+5"},
      {false, "", "7"},        {false, "-5", "7E-5"},   {false, "+", "7E+"},
      {false, "+-3", "7E+5"},  {false, "1.5", "7E+5"},  {false, "5E", "7E+5"},
      {false, "4932", "7E+5"},
  };
  for (const auto& row : table) {
    Open("7E+5");
    PasteOver(row.mantissa ? Mantissa() : Exponent(), row.pasted);
    EXPECT_EQ(dialog->WorkingValue(), row.working) << row.pasted;
    EXPECT_EQ(Text(Mantissa()), dialog->MantissaText()) << row.pasted;
    EXPECT_EQ(Text(Exponent()), dialog->ExponentText()) << row.pasted;
  }
}

TEST_F(SubmitNumber, TwoTimesTenToTheTwentieth) {
  Open(USet::DefaultValue);
  Mantissa().setFocus();
  QTest::keyClick(&Mantissa(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&Mantissa(), "2");
  Exponent().setFocus();
  QTest::keyClick(&Exponent(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&Exponent(), "20");
  EXPECT_EQ(Preview(), "2.000000000000E+0020");
  EXPECT_EQ(USet::Value, USet::DefaultValue); // nothing is stored before Submit
  QTest::mouseClick(&dialog->Submit(), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), mrOk);
  EXPECT_EQ(USet::Value, "2E20");
  EXPECT_EQ(TextToNumber(USet::Value), TextToNumber("200000000000000000000"));
}

TEST_F(SubmitNumber, EveryOtherWayOutKeepsTheValue) {
  const struct {
    const char* tag;
    std::function<void(TFSubmitNumber&)> leave;
    int result;
  } table[] = {
      {"Cancel", [](TFSubmitNumber& d) { QTest::mouseClick(&d.Cancel(), Qt::LeftButton); },
       mrCancel},
      {"Esc in a field",
       [](TFSubmitNumber& d) { QTest::keyClick(&d.EditMantissa(), Qt::Key_Escape); }, mrCancel},
      {"the close box", [](TFSubmitNumber& d) { d.close(); }, QDialog::Rejected},
  };
  for (const auto& row : table) {
    Open("42");
    TypeAtEnd(Mantissa(), "7");
    TypeAtEnd(Exponent(), "3");
    ASSERT_EQ(dialog->WorkingValue(), "427E3") << row.tag;
    QTest::mouseClick(&dialog->Help(), Qt::LeftButton); // does nothing
    EXPECT_TRUE(dialog->isVisible()) << row.tag;
    row.leave(*dialog);
    EXPECT_FALSE(dialog->isVisible()) << row.tag;
    EXPECT_EQ(dialog->result(), row.result) << row.tag;
    EXPECT_EQ(USet::Value, "42") << row.tag;
  }
}

TEST_F(SubmitNumber, ThePreviewGroupsWhateverTheWindowSays) {
  USet::ThouSep = false;
  Open("1234567");
  EXPECT_EQ(Preview(), "1,234,567");
  TypeAtEnd(Mantissa(), ".5");
  EXPECT_EQ(Preview(), "1,234,567.5");
}

// It opens with the mantissa selected, so typing replaces it, and Enter
// submits; Tab then goes on to the exponent and the buttons.
TEST_F(SubmitNumber, TypingGoesToTheMantissaAndEnterSubmits) {
  Open("12.5E3");
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  QWidget* const order[] = {&Mantissa(),       &Exponent(),     &dialog->Submit(),
                            &dialog->Cancel(), &dialog->Help(), &Mantissa()};
  for (QWidget* expected : order) {
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  Open("6");
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  QTest::keyClicks(QApplication::focusWidget(), "12.5");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), mrOk);
  EXPECT_EQ(USet::Value, "12.5");
}

TEST_F(SubmitNumber, StaysOnTopWhenTheSettingSays) {
  for (const bool onTop : {false, true}) {
    USet::StayOnTop = onTop;
    Open(USet::DefaultValue);
    EXPECT_EQ(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
  }
}

} // namespace
