// The window and its dialogs under a dark desktop palette: every control
// drawn on a fixed background keeps the contrast between its text and that
// background that it has under the light palette, measured in its pixels.

#include "dialogs/UAbout.h"
#include "dialogs/USubmitNumber.h"
#include "tests/app/WindowFixture.h"

#include <QMenuBar>

#include <algorithm>
#include <map>
#include <memory>

namespace {

using apptest::Window;

QPalette DarkScheme() {
  QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(252, 252, 252));
  dark.setColor(QPalette::Base, QColor(27, 30, 32));
  return dark;
}

// The spread of grey levels inside the control, its outer 3 pixels (the
// border and ring) left out: text against its background.
int Contrast(QWidget& control) {
  const QImage image = control.grab().toImage();
  const QRect inside = image.rect().adjusted(3, 3, -3, -3);
  int darkest = 255, lightest = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const int grey = qGray(image.pixel(x, y));
      darkest = std::min(darkest, grey);
      lightest = std::max(lightest, grey);
    }
  return lightest - darkest;
}

class DarkPalette : public Window {
protected:
  void TearDown() override {
    Window::TearDown();
    QApplication::setPalette(FLight);
  }

  // Every control with a fixed background: the keys, the panels with their
  // displays, the menu bar, and the buttons of both dialogs.
  std::map<std::string, QWidget*> FixedBackgrounds(QWidget& about, QWidget& submit) {
    std::map<std::string, QWidget*> controls;
    for (QWidget* dialog : {static_cast<QWidget*>(window.get()), &about, &submit})
      for (auto* button : dialog->findChildren<TdxButton*>())
        if (button->window() == dialog)
          controls[dialog->objectName().toStdString() + "." + button->objectName().toStdString()] =
              button;
    for (const char* name : {"MainIndicator", "memoryIndicator", "PanelIndicator", "mxFlatPanel1"})
      controls[name] = window->findChild<QWidget*>(name);
    controls["PreviewIndicator"] = submit.findChild<QWidget*>("PreviewIndicator");
    controls["menu bar"] = window->findChild<QMenuBar*>();
    return controls;
  }

  // The window and both dialogs made and shown under the current palette,
  // as a desktop's palette is there from the start.
  std::map<std::string, int> Contrasts() {
    Window::TearDown();
    Window::SetUp();
    Open();
    TAboutBox about(window.get());
    TFSubmitNumber submit(window.get());
    about.show();
    submit.show();
    QApplication::processEvents();
    std::map<std::string, int> contrasts;
    for (const auto& [name, control] : FixedBackgrounds(about, submit))
      contrasts[name] = Contrast(*control);
    return contrasts;
  }

  QPalette FLight = QApplication::palette();
};

TEST_F(DarkPalette, CaptionsAndDisplaysKeepTheirContrast) {
  const std::map<std::string, int> light = Contrasts();
  QApplication::setPalette(DarkScheme());
  const std::map<std::string, int> dark = Contrasts();
  ASSERT_EQ(light.size(), 27u + 5 + 1 + 4);
  for (const auto& [name, contrast] : light) {
    EXPECT_GT(contrast, 100) << name << " shows no text under the light palette";
    EXPECT_GE(dark.at(name), contrast * 4 / 5) << name;
  }
}

} // namespace
