#pragma once
// Shared ground for the widget tests: one QApplication on the offscreen
// platform with a pinned locale, a watchdog that closes a modal dialog left
// open by a failing test, an active test window to put widgets in, and
// pixel helpers over real renderings.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>
#include <ostream>
#include <set>
#include <utility>

// Prints colours in failure messages as rgb(r, g, b).
struct Rgb {
  int r, g, b;
  Rgb(QRgb value) : r(qRed(value)), g(qGreen(value)), b(qBlue(value)) {}
  Rgb(const QColor& color) : r(color.red()), g(color.green()), b(color.blue()) {}
  Rgb(int red, int green, int blue) : r(red), g(green), b(blue) {}
  bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& color);

// What the widget paints, as the screen would show it.
QImage Render(QWidget& widget);
inline Rgb PixelAt(const QImage& image, int x, int y) {
  return image.pixel(x, y);
}
// The colour a bqMiddle gradient `height` rows high shows on `row`.
Rgb GradientRow(const QColor& from, const QColor& to, int height, int row);
// The places of the pixels of one colour.
std::set<std::pair<int, int>> PixelsOf(const QImage& image, const Rgb& color);

// A fixture with an active top-level window, `form`, whose palette has
// distinct system colours so that each one can be told apart on screen.
class WidgetTest : public ::testing::Test {
protected:
  static const QColor FormColor;
  static const QColor ButtonFace;
  static const QColor Shadow;
  static const QColor Highlight;
  static const QColor DarkShadow;
  static const QColor Light3D;

  void SetUp() override;
  void TearDown() override;
  // Shows the form and waits until it is the active window.
  void ShowForm();

  std::unique_ptr<QWidget> form;
};
