// The widgets on a screen of any device-pixel ratio: ctest runs these once at
// ratio 1 and again with QT_SCALE_FACTOR=2. Cached images are built in the
// screen's own pixels, one-pixel lines cover whole screen pixels, and the
// layout in logical pixels is the same at every ratio.

#include "WidgetTestSupport.h"
#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace {

// The outermost `thickness` device pixels of each side, at its middle, are
// `color`.
void ExpectEdges(const QImage& image, const Rgb& color, int thickness) {
  const int w = image.width(), h = image.height();
  for (int i = 0; i < thickness; ++i) {
    EXPECT_EQ(PixelAt(image, w / 2, i), color) << "top, device row " << i;
    EXPECT_EQ(PixelAt(image, w / 2, h - 1 - i), color) << "bottom, device row " << i;
    EXPECT_EQ(PixelAt(image, i, h / 2), color) << "left, device column " << i;
    EXPECT_EQ(PixelAt(image, w - 1 - i, h / 2), color) << "right, device column " << i;
  }
}

// The bounding box of the black pixels, in logical pixels.
QRectF BlackBox(const QImage& image, qreal ratio) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelAt(image, x, y) == Rgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
  return QRectF(box.x() / ratio, box.y() / ratio, box.width() / ratio, box.height() / ratio);
}

class HighDpi : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    ratio = qApp->devicePixelRatio();
    r = static_cast<int>(std::lround(ratio));
  }
  // A picture of `size` logical pixels at `scale`: a black bar on white.
  static QImage Bar(QSize size, qreal scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(2, 3, size.width() - 4, size.height() - 6), Qt::black);
    return image;
  }
  qreal ratio = 1;
  int r = 1;
};

TEST_F(HighDpi, TheButtonFaceHasOneBandRowPerScreenRow) {
  auto* button = new TdxButton(form.get());
  ShowForm();
  const QImage image = Render(*button);
  ASSERT_EQ(image.size(), QSize(73, 25) * r);
  const TdxColors& colors = button->Colors();
  // The face is 23 logical rows below a one-pixel border.
  for (int row = 0; row < 23 * r; ++row)
    EXPECT_EQ(PixelAt(image, 36 * r, r + row),
              GradientRow(colors.BackgroundFrom(), colors.BackgroundTo(), 23 * r, row))
        << "device row " << row;
}

TEST_F(HighDpi, TheButtonBorderCoversWholeScreenPixels) {
  auto* button = new TdxButton(form.get());
  ShowForm();
  const QImage image = Render(*button);
  const Rgb line = button->Colors().BorderLine();
  ExpectEdges(image, line, r);
  EXPECT_NE(PixelAt(image, image.width() / 2, r), line) << "the face starts one logical pixel in";
}

TEST_F(HighDpi, ThePanelRingCoversWholeScreenPixels) {
  auto* panel = new TmxFlatPanel(form.get());
  panel->setGeometry(10, 10, 250, 27);
  panel->SetColor(Qt::white);
  panel->SetBorderColor(QColor(166, 202, 240));
  ShowForm();
  const QImage image = Render(*panel);
  ASSERT_EQ(image.size(), QSize(250, 27) * r);
  ExpectEdges(image, Rgb(166, 202, 240), r);
  for (int i = 0; i < r; ++i)
    EXPECT_EQ(PixelAt(image, image.width() / 2, r + i), Rgb(255, 255, 255))
        << "inner ring, device row " << i;
}

TEST_F(HighDpi, AGlyphIsLaidOutByItsLogicalSize) {
  // The same 19 x 15 picture in screen pixels and in logical pixels lands on
  // the same place of the button.
  auto* sharp = new TdxButton(form.get());
  auto* plain = new TdxButton(form.get());
  for (TdxButton* button : {sharp, plain}) {
    button->resize(46, 25);
    button->SetLayout(blGlyphRight);
  }
  sharp->SetGlyph(Bar({19, 15}, ratio));
  plain->SetGlyph(Bar({19, 15}, 1));
  ShowForm();
  const QRectF expected = BlackBox(Render(*plain), ratio);
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(BlackBox(Render(*sharp), ratio), expected);
  EXPECT_EQ(expected.size(), QSizeF(15, 9));
}

} // namespace
