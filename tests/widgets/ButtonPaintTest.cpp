#include "WidgetTestSupport.h"
#include "widgets/DxButton.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <set>
#include <utility>

namespace {

class ButtonPaint : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    button = new TdxButton(form.get());
    button->move(20, 20);
  }

  // The left ring column and the face column just inside it, row by row,
  // against the ring and face gradients. The face is 23 rows high, drawn
  // from (3, 3) inside the ring.
  void ExpectRing(const QImage& image, const QColor& from, const QColor& to) {
    for (int row = 0; row < 23; ++row) {
      const Rgb ring = GradientRow(from, to, 23, row);
      EXPECT_EQ(PixelAt(image, 1, 1 + row), ring) << "ring row " << row;
      EXPECT_EQ(PixelAt(image, 2, 1 + row), ring) << "ring row " << row;
      EXPECT_EQ(PixelAt(image, 70, 1 + row), ring) << "ring row " << row;
      if (row < 2 || row > 20) {
        EXPECT_EQ(PixelAt(image, 40, 1 + row), ring) << "ring row " << row;
      }
    }
    // The face keeps its 23-row gradient and shows its top 19 rows.
    const TdxColors& colors = button->Colors();
    for (int row = 0; row < 19; ++row)
      EXPECT_EQ(PixelAt(image, 40, 3 + row),
                GradientRow(colors.BackgroundFrom(), colors.BackgroundTo(), 23, row))
          << "face row " << row;
  }

  TdxButton* button;
};

TEST_F(ButtonPaint, PropertiesAtCreation) {
  EXPECT_EQ(button->size(), QSize(73, 25));
  EXPECT_TRUE(button->TabStop());
  EXPECT_TRUE(button->AutoGray());
  EXPECT_FALSE(button->Cancel());
  EXPECT_FALSE(button->Default());
  EXPECT_EQ(button->ModalResult(), mrNone);
  EXPECT_EQ(button->Layout(), blGlyphLeft);
  EXPECT_EQ(button->Spacing(), 3);
  EXPECT_FALSE(button->HotTrack());
  EXPECT_EQ(button->Quality(), bqMiddle);
  EXPECT_TRUE(button->ShowAccelChar());
  EXPECT_TRUE(button->ShowFocusRect());
  EXPECT_TRUE(button->WordWrap());
  EXPECT_TRUE(button->Caption().isEmpty());
  EXPECT_TRUE(button->Glyph().isNull());
  EXPECT_FALSE(button->Hover() || button->Focused() || button->Pressed());
  const TdxColors& c = button->Colors();
  const std::pair<QColor, Rgb> colors[] = {
      {c.BackgroundFrom(), {255, 255, 255}}, {c.BackgroundTo(), {239, 235, 231}},
      {c.ClickedFrom(), {214, 207, 198}},    {c.ClickedTo(), {247, 243, 235}},
      {c.FocusedFrom(), {206, 231, 255}},    {c.FocusedTo(), {109, 132, 239}},
      {c.HighlightFrom(), {255, 243, 206}},  {c.HighlightTo(), {231, 150, 0}},
      {c.BorderLine(), {128, 128, 128}},     {c.HotTrack(), {255, 0, 0}}};
  for (const auto& [actual, expected] : colors)
    EXPECT_EQ(Rgb(actual), expected);
}

TEST_F(ButtonPaint, FaceBandsStartOnTheirRowsInTheirColours) {
  const QImage image = Render(*button);
  const int starts[16] = {0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 14, 16, 17, 19, 20, 22};
  std::vector<int> changes{0};
  for (int row = 1; row < 23; ++row)
    if (PixelAt(image, 36, 1 + row) != PixelAt(image, 36, row)) changes.push_back(row);
  EXPECT_EQ(changes, std::vector<int>(std::begin(starts), std::end(starts)));
  EXPECT_EQ(PixelAt(image, 36, 1 + 0), Rgb(255, 255, 255));
  EXPECT_EQ(PixelAt(image, 36, 1 + 12), Rgb(246, 244, 242)); // band 8
  EXPECT_EQ(PixelAt(image, 36, 1 + 22), Rgb(239, 235, 231));
  EXPECT_EQ(PixelAt(image, 1, 1 + 22), PixelAt(image, 71, 1 + 22)) << "bands span the width";
}

TEST_F(ButtonPaint, RoundedBorderWithSilverCorners) {
  const QImage image = Render(*button);
  const Rgb border(128, 128, 128), silver(192, 192, 192), parent = FormColor;
  EXPECT_EQ(PixelAt(image, 36, 0), border);
  EXPECT_EQ(PixelAt(image, 36, 24), border);
  EXPECT_EQ(PixelAt(image, 0, 12), border);
  EXPECT_EQ(PixelAt(image, 72, 12), border);
  const std::pair<QPoint, Rgb> corners[] = {
      {{0, 0}, parent},   {{1, 0}, silver},   {{0, 1}, silver},   {{2, 0}, border},
      {{72, 0}, parent},  {{71, 0}, silver},  {{72, 1}, silver},  {{70, 0}, border},
      {{0, 24}, parent},  {{0, 23}, silver},  {{1, 24}, silver},  {{0, 22}, border},
      {{72, 24}, parent}, {{71, 24}, silver}, {{72, 23}, silver}, {{72, 22}, border}};
  for (const auto& [at, color] : corners)
    EXPECT_EQ(PixelAt(image, at.x(), at.y()), color) << at.x() << ", " << at.y();
}

TEST_F(ButtonPaint, HoverShowsTheHighlightRing) {
  ShowForm();
  QTest::mouseMove(button, {36, 12});
  ASSERT_TRUE(button->Hover());
  ExpectRing(Render(*button), button->Colors().HighlightFrom(), button->Colors().HighlightTo());
  QTest::mouseMove(form.get(), {300, 150});
  EXPECT_FALSE(button->Hover());
  EXPECT_EQ(PixelAt(Render(*button), 1, 1), Rgb(255, 255, 255)) << "the face again";
}

TEST_F(ButtonPaint, FocusShowsTheFocusRingAndDottedRectangle) {
  ShowForm();
  button->setFocus();
  ASSERT_TRUE(button->Focused());
  const QImage image = Render(*button);
  ExpectRing(image, button->Colors().FocusedFrom(), button->Colors().FocusedTo());
  // Every other pixel of the rectangle from (3, 3) to (69, 21) is inverted:
  // white face pixels turn black.
  EXPECT_EQ(PixelAt(image, 3, 3), Rgb(0, 0, 0));
  EXPECT_EQ(PixelAt(image, 5, 3), Rgb(0, 0, 0));
  EXPECT_EQ(PixelAt(image, 4, 3), Rgb(255, 255, 255));
  EXPECT_EQ(PixelAt(image, 3, 4), PixelAt(image, 4, 4)) << "row 1 of the face is not dotted at 3";
  button->SetShowFocusRect(false);
  EXPECT_EQ(PixelAt(Render(*button), 3, 3), Rgb(255, 255, 255));
}

TEST_F(ButtonPaint, PressDraggedAwayShowsTheRingPressInsideThePressedFace) {
  ShowForm();
  QTest::mouseMove(button, {36, 12});
  QTest::mousePress(button, Qt::LeftButton, {}, {36, 12});
  ASSERT_TRUE(button->Pressed() && button->Hover());
  const TdxColors& colors = button->Colors();
  QImage image = Render(*button);
  for (int row = 0; row < 23; ++row)
    EXPECT_EQ(PixelAt(image, 1, 1 + row),
              GradientRow(colors.ClickedFrom(), colors.ClickedTo(), 23, row))
        << "pressed face row " << row;

  QTest::mouseMove(button, {120, 12});
  ASSERT_TRUE(button->Pressed());
  ASSERT_FALSE(button->Hover());
  ExpectRing(Render(*button), colors.FocusedFrom(), colors.FocusedTo());

  QTest::mouseMove(button, {30, 10});
  EXPECT_EQ(PixelAt(Render(*button), 1, 1), Rgb(colors.ClickedFrom())) << "back over it";
  QTest::mouseRelease(button, Qt::LeftButton, {}, {30, 10});
}

TEST_F(ButtonPaint, DefaultButtonShowsTheRingWhileNoButtonHasTheFocus) {
  auto* edit = new QLineEdit(form.get());
  edit->move(200, 20);
  auto* other = new TdxButton(form.get());
  other->move(20, 80);
  button->SetDefault(true);
  ShowForm();
  edit->setFocus();
  ASSERT_FALSE(button->FormFocusIsCustom());
  ExpectRing(Render(*button), button->Colors().FocusedFrom(), button->Colors().FocusedTo());
  other->setFocus();
  EXPECT_TRUE(button->FormFocusIsCustom());
  EXPECT_EQ(PixelAt(Render(*button), 1, 1), Rgb(255, 255, 255)) << "no ring";
  edit->setFocus();
  button->setEnabled(false);
  EXPECT_EQ(PixelAt(Render(*button), 1, 1), Rgb(255, 255, 255)) << "disabled: no ring";
}

TEST_F(ButtonPaint, ColourAndQualityChangesRebuildTheGradients) {
  button->Colors().SetBackgroundFrom(QColor(10, 20, 30));
  button->Colors().SetBackgroundTo(QColor(200, 100, 0));
  QImage image = Render(*button);
  EXPECT_EQ(PixelAt(image, 36, 1), Rgb(10, 20, 30));
  EXPECT_EQ(PixelAt(image, 36, 23), Rgb(200, 100, 0));
  button->SetQuality(bqLow);
  image = Render(*button);
  std::set<QRgb> colors;
  for (int row = 1; row < 24; ++row)
    colors.insert(image.pixel(36, row));
  EXPECT_EQ(colors.size(), 8u);
  button->resize(50, 40);
  image = Render(*button);
  EXPECT_EQ(PixelAt(image, 25, 38), Rgb(200, 100, 0)) << "a 38-row face";
  EXPECT_EQ(PixelAt(image, 25, 39), Rgb(128, 128, 128));
}

// A 6 x 4 glyph: black, white, red, a mid grey and others, with magenta
// (the transparent colour) at the bottom left and once more inside, and
// yellow, which is as bright as magenta.
QImage TestGlyph() {
  const QRgb k = qRgb(255, 0, 255);
  const QRgb rows[4][6] = {
      {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(10, 200, 30),
       qRgb(128, 128, 128)},
      {qRgb(255, 255, 0), k, qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(90, 90, 91), qRgb(0, 0, 0)},
      {qRgb(200, 100, 50), qRgb(0, 0, 0), qRgb(255, 255, 255), k, qRgb(7, 7, 7), qRgb(33, 66, 99)},
      {k, qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(250, 250, 250)}};
  QImage glyph(6, 4, QImage::Format_RGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      glyph.setPixel(x, y, rows[y][x]);
  return glyph;
}

// Where the glyph landed: the top-left of the pixels that differ from the
// same button painted without it, inside the border.
QPoint GlyphOrigin(const QImage& with, const QImage& without) {
  QPoint origin(1000, 1000);
  for (int y = 1; y < with.height() - 1; ++y)
    for (int x = 1; x < with.width() - 1; ++x)
      if (with.pixel(x, y) != without.pixel(x, y))
        origin = {std::min(origin.x(), x), std::min(origin.y(), y)};
  return origin;
}

TEST_F(ButtonPaint, DisabledGlyphTurnsGreyBetween96And223) {
  button->setEnabled(false);
  const QImage plain = Render(*button);
  button->SetGlyph(TestGlyph());
  const QImage image = Render(*button);
  const QPoint at = GlyphOrigin(image, plain);
  EXPECT_EQ(at.y(), (25 - 4) / 2);
  // The glyph turns grey first and then loses the grey of its bottom-left
  // pixel: magenta and yellow share the grey 181, so both are transparent.
  const QImage glyph = TestGlyph();
  const auto grey = [](QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3 / 2 + 96; };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const Rgb shown = PixelAt(image, at.x() + x, at.y() + y);
      const int level = grey(glyph.pixel(x, y));
      if (level == grey(glyph.pixel(0, 3))) {
        EXPECT_EQ(shown, PixelAt(plain, at.x() + x, at.y() + y)) << "transparent " << x << "," << y;
        continue;
      }
      EXPECT_EQ(shown, Rgb(level, level, level)) << x << ", " << y;
      EXPECT_GE(shown.r, 96);
      EXPECT_LE(shown.r, 223);
    }
  }
  EXPECT_EQ(PixelAt(image, at.x(), at.y()), Rgb(96, 96, 96)) << "black";
  EXPECT_EQ(PixelAt(image, at.x() + 1, at.y()), Rgb(223, 223, 223)) << "white";

  button->SetAutoGray(false);
  EXPECT_EQ(PixelAt(Render(*button), at.x() + 2, at.y()), Rgb(255, 0, 0)) << "AutoGray off";
  button->setEnabled(true);
  button->SetAutoGray(true);
  const QImage enabled = Render(*button);
  EXPECT_EQ(PixelAt(enabled, at.x() + 2, at.y()), Rgb(255, 0, 0)) << "enabled";
  EXPECT_EQ(PixelAt(enabled, at.x(), at.y() + 1), Rgb(255, 255, 0)) << "only magenta is clear";
}

TEST_F(ButtonPaint, GlyphStandsByLayoutAndSinksWhenPressed) {
  struct Case {
    TdxLayout layout;
    bool centredAcross; // x centred (top and bottom); y centred otherwise
  };
  const Case cases[] = {
      {blGlyphLeft, false}, {blGlyphRight, false}, {blGlyphTop, true}, {blGlyphBottom, true}};
  button->resize(80, 50);
  ShowForm();
  QTest::mouseMove(form.get(), {300, 150});
  for (const auto& c : cases) {
    button->SetLayout(c.layout);
    button->SetGlyph({});
    const QImage plain = Render(*button);
    button->SetGlyph(TestGlyph());
    const QPoint at = GlyphOrigin(Render(*button), plain);
    // Centred the other way, and on its own side of the centre.
    if (c.centredAcross) {
      EXPECT_EQ(at.x(), (80 - 6) / 2) << "layout " << int(c.layout);
      EXPECT_EQ(at.y() < 25 - 4, c.layout == blGlyphTop) << "layout " << int(c.layout);
    } else {
      EXPECT_EQ(at.y(), (50 - 4) / 2) << "layout " << int(c.layout);
      EXPECT_EQ(at.x() < 40 - 6, c.layout == blGlyphLeft) << "layout " << int(c.layout);
    }

    QTest::mouseMove(button, {40, 25});
    QTest::mousePress(button, Qt::LeftButton, {}, {40, 25});
    button->SetGlyph({});
    const QImage pressedPlain = Render(*button);
    button->SetGlyph(TestGlyph());
    EXPECT_EQ(GlyphOrigin(Render(*button), pressedPlain), at + QPoint(1, 1))
        << "layout " << int(c.layout);
    QTest::mouseRelease(button, Qt::LeftButton, {}, {40, 25});
    QTest::mouseMove(form.get(), {300, 150});
  }
}

// A bold pixel font without smoothing, so that caption pixels take exactly
// the colours they are drawn in.
QFont CaptionFont() {
  QFont font;
  font.setFamilies({"DejaVu Sans", "Liberation Sans"});
  font.setPixelSize(13);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

TEST_F(ButtonPaint, DisabledCaptionIsEmbossed) {
  button->setFont(CaptionFont());
  button->SetCaption("W&x");
  button->setEnabled(false);
  const QImage image = Render(*button);
  const auto light = PixelsOf(image, Highlight), dark = PixelsOf(image, Shadow);
  ASSERT_GT(dark.size(), 20u);
  ASSERT_FALSE(light.empty());
  for (const auto& [x, y] : light)
    EXPECT_TRUE(dark.count({x - 1, y - 1})) << x << ", " << y;
  for (const auto& [x, y] : dark)
    EXPECT_TRUE(light.count({x + 1, y + 1}) || dark.count({x + 1, y + 1})) << x << ", " << y;
  EXPECT_TRUE(PixelsOf(image, Rgb(0, 0, 0)).empty()) << "nothing in the font colour";
}

TEST_F(ButtonPaint, HotTrackColoursTheCaptionWhileHovered) {
  button->setFont(CaptionFont());
  button->SetCaption("Help");
  button->SetHotTrack(true);
  ShowForm();
  EXPECT_TRUE(PixelsOf(Render(*button), Rgb(255, 0, 0)).empty());
  EXPECT_FALSE(PixelsOf(Render(*button), Rgb(0, 0, 0)).empty());
  QTest::mouseMove(button, {36, 12});
  const QImage hovered = Render(*button);
  EXPECT_GT(PixelsOf(hovered, Rgb(255, 0, 0)).size(), 20u);
  EXPECT_TRUE(PixelsOf(hovered, Rgb(0, 0, 0)).empty());
  button->SetHotTrack(false);
  EXPECT_TRUE(PixelsOf(Render(*button), Rgb(255, 0, 0)).empty());
}

} // namespace
