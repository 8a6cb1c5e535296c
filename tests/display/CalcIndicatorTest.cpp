// The indicator rendered off screen: real pixels of its layout, background
// and clipping, and the Text / ThouSep contract.

#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "widgets/look/Fonts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

#include <cstdlib>
#include <memory>

using namespace look;

using namespace engine;

namespace {

const QColor Background(30, 160, 90);

class IndicatorTest : public ::testing::Test {
protected:
  void SetUp() override {
    FParent = std::make_unique<QWidget>();
    FParent->resize(300, 60);
    QPalette palette = FParent->palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, Qt::black);
    FParent->setPalette(palette);
    FParent->setAutoFillBackground(true);
    FIndicator = new TCVCalcIndicator(FParent.get());
    FIndicator->setFont(IndicatorFont());
    FIndicator->setGeometry(50, 20, 198, 20);
  }

  // The parent with its indicator, as the screen would show it.
  QImage Render() const { return FParent->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // The indicator's rectangle in Render()'s coordinates.
  QRect Area() const { return FIndicator->geometry(); }

  std::unique_ptr<QWidget> FParent;
  TCVCalcIndicator* FIndicator = nullptr;
};

// The bounding box of the pixels inside `area` that differ from the background.
QRect InkBox(const QImage& image, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) != Background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Columns [left, right] of the indicator's area, all rows.
QRect Columns(const QRect& area, int left, int right) {
  return QRect(QPoint(area.left() + left, area.top()), QPoint(area.left() + right, area.bottom()));
}

// Where the ink of the last character ends when its advance ends at the
// right edge: a glyph may stop short of its advance by its right bearing.
int ExpectedInkRight(const QRect& area, const QFont& font, QChar last) {
  return area.right() - std::max(0, QFontMetrics(font).rightBearing(last));
}

TEST_F(IndicatorTest, StandInFontKeepsTheFormsLayout) {
  const QString family = QFontInfo(IndicatorFont()).family();
  EXPECT_TRUE(TypefaceFamilies(TTypeface::MSSansSerif).contains(family)) << family.toStdString();
  EXPECT_TRUE(QFontInfo(IndicatorFont()).bold());
  // The widest value the forms show by default still fits the 198-pixel display.
  FIndicator->SetText("1234567890E+1234");
  ASSERT_EQ(FIndicator->DisplayText(), "1.234567890000E+1243");
  const QRect ink = InkBox(Render(), Area());
  EXPECT_GT(ink.left(), Area().left());
  EXPECT_LE(ink.bottom(), Area().bottom());
}

TEST_F(IndicatorTest, TypefacesResolveToTheirOwnFamilies) {
  for (TTypeface typeface : {TTypeface::MSSansSerif, TTypeface::Tahoma, TTypeface::Arial}) {
    const QFontInfo info(TypefaceFont(typeface, 16, false));
    EXPECT_TRUE(TypefaceFamilies(typeface).contains(info.family())) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 16);
    EXPECT_FALSE(info.bold());
  }
  // Only the family drawn is asked for: the toolkit then looks for stand-ins
  // once a glyph is missing, not for every font at its first use.
  for (TTypeface typeface : {TTypeface::MSSansSerif, TTypeface::Tahoma, TTypeface::Arial})
    EXPECT_EQ(TypefaceFont(typeface, 11, false).families().size(), 1);
  // Wine's Tahoma (fonts-wine) stands in where no Tahoma is installed.
  if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
    EXPECT_EQ(QFontInfo(TypefaceFont(TTypeface::Tahoma, 11, false)).family(), "Tahoma");
  }
}

TEST_F(IndicatorTest, OneLineEndsFlushWithTheRightEdge) {
  const QFontMetrics metrics(FIndicator->font());
  for (const char* text : {"1234567.5", "7", "-0.5", "999999999999999", "0."}) {
    FIndicator->SetText(text);
    const QString shown = QString::fromStdString(FIndicator->DisplayText());
    const QRect ink = InkBox(Render(), Area());
    EXPECT_NEAR(ink.right(), ExpectedInkRight(Area(), FIndicator->font(), shown.back()), 1) << text;
    // A quarter of a line down from the top edge.
    EXPECT_GE(ink.top(), Area().top() + metrics.height() / 4) << text;
    EXPECT_LT(ink.right() - ink.left(), metrics.horizontalAdvance(shown)) << text;
  }
}

TEST_F(IndicatorTest, ExponentLayoutRaisesTheExponentAtTheRightEdge) {
  const QFontMetrics metrics(FIndicator->font());
  const int w = Area().width();
  FIndicator->SetText("2E20");
  ASSERT_EQ(FIndicator->DisplayText(), "2.000000000000E+0020");
  const QImage image = Render();

  const int xe = w - metrics.horizontalAdvance("+0020");
  const int xt = xe - metrics.horizontalAdvance("10");
  const int g = metrics.horizontalAdvance(QChar(0xB4));
  const QRect exponent = InkBox(image, Columns(Area(), xe, w - 1));
  const QRect ten = InkBox(image, Columns(Area(), xt, xe - 1));
  const QRect sign = InkBox(image, Columns(Area(), xt - g, xt - 1));
  const QRect mantissa = InkBox(image, Columns(Area(), 0, xt - g - 1));

  EXPECT_NEAR(exponent.right(), ExpectedInkRight(Area(), FIndicator->font(), '0'), 1);
  // "10" and the mantissa share a line a third of a line below the exponent's.
  EXPECT_EQ(ten.top() - exponent.top(), metrics.height() / 3);
  EXPECT_EQ(mantissa.top(), ten.top());
  EXPECT_EQ(mantissa.bottom(), ten.bottom());
  // The multiplication sign is drawn inside the reserved gap, between the digits.
  ASSERT_FALSE(sign.isNull());
  EXPECT_GT(sign.top(), ten.top());
  EXPECT_LE(sign.bottom(), ten.bottom());
  // The mantissa ends where the gap begins.
  EXPECT_NEAR(mantissa.right(), Area().left() + xt - g - 1 - std::max(0, metrics.rightBearing('0')),
              1);
}

TEST_F(IndicatorTest, LowerCaseExponentMarkSplitsLikeUpperCase) {
  FIndicator->SetText("0.E5"); // zero typed with a separator stays as typed
  const QImage upper = Render();
  FIndicator->SetText("0.e5");
  ASSERT_EQ(FIndicator->DisplayText(), "0.e5");
  EXPECT_EQ(Render(), upper);
  // And it is the exponent layout: the 5 sits higher than the mantissa.
  const QFontMetrics metrics(FIndicator->font());
  const int xe = Area().width() - metrics.horizontalAdvance("5");
  const QRect five = InkBox(upper, Columns(Area(), xe, Area().width() - 1));
  const QRect mantissa =
      InkBox(upper, Columns(Area(), 0, xe - metrics.horizontalAdvance("10") - 1));
  EXPECT_EQ(mantissa.top() - five.top(), metrics.height() / 3);
}

TEST_F(IndicatorTest, BackgroundShowsThroughAroundTheGlyphs) {
  for (const char* text : {"1234567.5", "-123456789E-1234"}) {
    FIndicator->SetText(text);
    const QImage image = Render();
    const QRect ink = InkBox(image, Area());
    ASSERT_FALSE(ink.isNull()) << text;
    // Left of the text and below it nothing is painted, not even a background.
    EXPECT_TRUE(
        InkBox(image, QRect(Area().topLeft(), QPoint(ink.left() - 1, Area().bottom()))).isNull())
        << text;
    EXPECT_TRUE(InkBox(image, QRect(QPoint(Area().left(), ink.bottom() + 1), Area().bottomRight()))
                    .isNull())
        << text;
    // Between the glyphs the parent's colour shows as well.
    int background = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
      for (int x = ink.left(); x <= ink.right(); ++x)
        background += image.pixelColor(x, y) == Background;
    }
    EXPECT_GT(background, ink.width() * ink.height() / 3) << text;
  }
}

TEST_F(IndicatorTest, GlyphsAreClippedToTheControl) {
  QFont big = IndicatorFont();
  big.setPixelSize(30);
  FIndicator->setFont(big);
  FIndicator->SetText("123456789012345");
  // Wide and tall enough for all of it, with the same right edge.
  FIndicator->setGeometry(40, 5, 120, 50);
  const QImage whole = Render();
  FIndicator->setGeometry(100, 5, 60, 20);
  const QImage clipped = Render();

  const QRect everything(0, 0, clipped.width(), clipped.height());
  EXPECT_EQ(InkBox(clipped, everything), InkBox(clipped, Area()));
  EXPECT_NE(InkBox(whole, everything), InkBox(whole, Area())); // there was more to draw
  for (int y = Area().top(); y <= Area().bottom(); ++y) {
    for (int x = Area().left(); x <= Area().right(); ++x)
      ASSERT_EQ(clipped.pixelColor(x, y), whole.pixelColor(x, y)) << x << ", " << y;
  }
}

TEST_F(IndicatorTest, ATextFarWiderThanTheControlShowsItsEndAsAShortOneDoes) {
  // Zero texts keep what was typed, so these are shown as written: a million
  // characters in one line, in the mantissa, or in the exponent part.
  const std::string zeros(1000000, '0'), few(300, '0');
  const struct {
    std::string longText, shortText;
  } cases[] = {
      {"0." + zeros, "0." + few},
      {"-0." + zeros + "E5", "-0." + few + "E5"},
      {"0.E" + zeros + "7", "0.E" + few + "7"},
      {"-0.0" + zeros + "e", "-0.0" + few + "e"},
  };
  for (const auto& c : cases) {
    FIndicator->SetText(c.shortText);
    const QImage expected = Render();
    FIndicator->SetText(c.longText);
    ASSERT_EQ(FIndicator->DisplayText().size(), c.longText.size());
    EXPECT_EQ(Render(), expected) << c.shortText.substr(0, 8);
    EXPECT_EQ(FIndicator->Text(), c.longText);
  }
}

TEST_F(IndicatorTest, LayoutFollowsWidthAndFont) {
  FIndicator->SetText("-1234.5E2");
  ASSERT_EQ(FIndicator->DisplayText(), "-123,450");
  const int before = InkBox(Render(), Area()).height();
  FIndicator->resize(120, 20);
  EXPECT_NEAR(InkBox(Render(), Area()).right(), ExpectedInkRight(Area(), FIndicator->font(), '0'),
              1);
  for (int pixelSize : {8, 15}) {
    QFont font = IndicatorFont();
    font.setPixelSize(pixelSize);
    FIndicator->setFont(font);
    const QRect ink = InkBox(Render(), Area());
    EXPECT_EQ(ink.height() > before, pixelSize > 11) << pixelSize;
    EXPECT_NEAR(ink.right(), ExpectedInkRight(Area(), font, '0'), 1) << pixelSize;
  }
}

TEST_F(IndicatorTest, ConstructorDefaults) {
  TCVCalcIndicator fresh;
  EXPECT_EQ(fresh.size(), QSize(145, 20));
  EXPECT_EQ(fresh.DisplayText(), "-1.234567890000E-1226");
  EXPECT_EQ(fresh.Text(), "-1.234567890000E-1226");
  EXPECT_TRUE(fresh.ThouSep());
}

TEST_F(IndicatorTest, TextReadsBackWithoutGrouping) {
  FIndicator->SetText("1234567.5");
  EXPECT_EQ(FIndicator->DisplayText(), "1,234,567.5");
  EXPECT_EQ(FIndicator->Text(), "1234567.5");
  FIndicator->SetThouSep(false);
  FIndicator->SetText("0");
  FIndicator->SetText("1234567.5");
  EXPECT_EQ(FIndicator->DisplayText(), "1234567.5");
  EXPECT_EQ(FIndicator->Text(), "1234567.5");
  FIndicator->SetText("1a2b3");
  EXPECT_EQ(FIndicator->DisplayText(), "123");

  FIndicator->SetSeparators({',', "."});
  FIndicator->SetThouSep(true);
  FIndicator->SetText("1234,5");
  EXPECT_EQ(FIndicator->DisplayText(), "1.234,5");
  EXPECT_EQ(FIndicator->Text(), "1234,5");
  FIndicator->SetSeparators({'.', "\xC2\xA0"});
  FIndicator->SetText("-1234567");
  EXPECT_EQ(FIndicator->DisplayText(), "-1\xC2\xA0"
                                       "234\xC2\xA0"
                                       "567");
  EXPECT_EQ(FIndicator->Text(), "-1234567");
}

// New separators rewrite the number shown, its decimal separator included.
TEST_F(IndicatorTest, NewSeparatorsRewriteTheShownNumber) {
  FIndicator->SetText("1234567.5");
  FIndicator->SetSeparators({',', "."});
  EXPECT_EQ(FIndicator->DisplayText(), "1.234.567,5");
  EXPECT_EQ(FIndicator->Text(), "1234567,5");
  FIndicator->SetSeparators({'.', ","});
  EXPECT_EQ(FIndicator->DisplayText(), "1,234,567.5");
}

TEST_F(IndicatorTest, RegroupingTakesAWriteOfZeroFirst) {
  FIndicator->SetThouSep(false);
  FIndicator->SetText("1234");
  FIndicator->SetThouSep(true);
  EXPECT_EQ(FIndicator->DisplayText(), "1234");
  FIndicator->SetText("1234");
  EXPECT_EQ(FIndicator->DisplayText(), "1234");
  FIndicator->SetText("0");
  FIndicator->SetText("1234");
  EXPECT_EQ(FIndicator->DisplayText(), "1,234");
  // A write equal to the display text is not even cleaned and reformatted.
  FIndicator->SetThouSep(false);
  FIndicator->SetText("1,234");
  EXPECT_EQ(FIndicator->DisplayText(), "1,234");
}

TEST_F(IndicatorTest, UnreadableTextRaisesAndKeepsTheDisplay) {
  FIndicator->SetText("12.5");
  const QImage before = Render();
  for (const char* text : {"abc", "", "-", "E5", "1E5000"}) {
    try {
      FIndicator->SetText(text);
      ADD_FAILURE() << text << " was accepted";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.what(),
                "'" + RemoveNonNumber(text, '.') + "' is not a valid floating point value");
    }
    EXPECT_EQ(FIndicator->DisplayText(), "12.5") << text;
  }
  EXPECT_EQ(Render(), before);
}

// Counts the paint events the indicator receives while shown.
class PaintCounter : public QObject {
public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Paint;
    return false;
  }
};

TEST_F(IndicatorTest, RepaintsOnlyWhenTheDisplayChanges) {
  PaintCounter paints;
  FIndicator->installEventFilter(&paints);
  FParent->show();
  QApplication::processEvents();
  const auto paintsAfter = [&](auto&& change) {
    paints.count = 0;
    change();
    QApplication::processEvents();
    return paints.count;
  };
  EXPECT_GE(paintsAfter([&] { FIndicator->SetText("5"); }), 1);
  EXPECT_EQ(paintsAfter([&] { FIndicator->SetText("5"); }), 0);
  EXPECT_EQ(paintsAfter([&] { EXPECT_THROW(FIndicator->SetText("x"), EConvertError); }), 0);
  EXPECT_GE(paintsAfter([&] { FIndicator->SetThouSep(false); }), 1);
  EXPECT_EQ(paintsAfter([&] { FIndicator->SetThouSep(false); }), 0);
  EXPECT_GE(paintsAfter([&] { FIndicator->setFont(TypefaceFont(TTypeface::Arial, 12, false)); }),
            1);
  FIndicator->removeEventFilter(&paints);
}

void Click(QWidget& widget, QPointF press, QPointF release, Qt::MouseButton button) {
  QMouseEvent down(QEvent::MouseButtonPress, press, widget.mapToGlobal(press), button, button,
                   Qt::NoModifier);
  QApplication::sendEvent(&widget, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, release, widget.mapToGlobal(release), button,
                 Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &up);
}

TEST_F(IndicatorTest, ClickedOnLeftButtonReleaseInside) {
  int clicks = 0;
  QObject::connect(FIndicator, &TCVCalcIndicator::OnClick, FIndicator, [&] { ++clicks; });
  Click(*FIndicator, {10, 10}, {12, 11}, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  Click(*FIndicator, {10, 10}, {250, 11}, Qt::LeftButton); // released outside
  Click(*FIndicator, {10, 10}, {12, 11}, Qt::RightButton);
  EXPECT_EQ(clicks, 1);
}

} // namespace
