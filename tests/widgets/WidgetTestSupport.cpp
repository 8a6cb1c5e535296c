#include "WidgetTestSupport.h"

#include "widgets/Gradient.h"

#include <QCursor>
#include <QTest>

#include <cstdlib>

using namespace widgets;

std::ostream& operator<<(std::ostream& out, const Rgb& color) {
  return out << "rgb(" << color.r << ", " << color.g << ", " << color.b << ")";
}

QImage Render(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

Rgb GradientRow(const QColor& from, const QColor& to, int height, int row) {
  Rgb color = from;
  for (const auto& band : GradientBands(from, to, height, 16))
    if (band.FirstRow <= row) color = band.Color;
  return color;
}

std::set<std::pair<int, int>> PixelsOf(const QImage& image, const Rgb& color) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (PixelAt(image, x, y) == color) pixels.insert({x, y});
  return pixels;
}

const QColor WidgetTest::FormColor(200, 210, 220);
const QColor WidgetTest::ButtonFace(236, 233, 216);
const QColor WidgetTest::Shadow(90, 100, 110);
const QColor WidgetTest::Highlight(250, 250, 240);
const QColor WidgetTest::DarkShadow(20, 20, 30);
const QColor WidgetTest::Light3D(230, 240, 250);

void WidgetTest::SetUp() {
  form = std::make_unique<QWidget>();
  form->resize(400, 200);
  QPalette colors = form->palette();
  colors.setColor(QPalette::Window, FormColor);
  colors.setColor(QPalette::WindowText, Qt::black);
  colors.setColor(QPalette::Button, ButtonFace);
  colors.setColor(QPalette::Dark, Shadow);
  colors.setColor(QPalette::Light, Highlight);
  colors.setColor(QPalette::Shadow, DarkShadow);
  colors.setColor(QPalette::Midlight, Light3D);
  form->setPalette(colors);
}

void WidgetTest::TearDown() {
  form.reset();
}

void WidgetTest::ShowForm() {
  // The pointer starts outside the form, so that no widget gets an enter
  // from a position a previous test left behind.
  form->move(100, 100);
  QCursor::setPos(10, 10);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  // Each test starts with the pointer over nothing and no widget focused.
  QTest::mouseMove(form.get(), {form->width() - 1, form->height() - 1});
  if (QWidget* focused = form->focusWidget()) focused->clearFocus();
}
