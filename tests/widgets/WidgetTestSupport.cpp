#include "WidgetTestSupport.h"

#include "widgets/Gradient.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdlib>

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

namespace {

// Closes a modal dialog that stays open for more than a few seconds, so a
// test whose click never arrives fails instead of hanging.
class ModalWatchdog : public QObject {
public:
  ModalWatchdog() {
    connect(&FTimer, &QTimer::timeout, this, [this] { Check(); });
    FTimer.start(100);
  }

private:
  void Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != FSeen) {
      FSeen = modal;
      FSince.start();
      return;
    }
    if (!modal || FSince.elapsed() < 5000) return;
    ADD_FAILURE() << "a modal dialog was still open after 5 s; the watchdog closed it";
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }

  QTimer FTimer;
  QPointer<QWidget> FSeen;
  QElapsedTimer FSince;
};

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    setenv("LC_ALL", "C", 1);
    FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    QLocale::setDefault(QLocale::c());
    FWatchdog = std::make_unique<ModalWatchdog>();
  }
  void TearDown() override {
    FWatchdog.reset();
    FApplication.reset();
  }

private:
  int FArgc = 1;
  char FName[16] = "widgets_tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QApplication> FApplication;
  std::unique_ptr<ModalWatchdog> FWatchdog;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

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
