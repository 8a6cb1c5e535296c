#include "app/ErrorDisplay.h"

#include "app/ModalBox.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// Longest run of characters the box shows without a place to break the line.
constexpr int LongestUnbrokenRun = 40;

// The text with a zero-width space in every run of LongestUnbrokenRun
// characters that has no space, so that a long number wraps in the box
// instead of stretching it to the screen's width.
QString Breakable(const QString& text) {
  QString broken;
  broken.reserve(text.size() + text.size() / LongestUnbrokenRun);
  int run = 0;
  for (const QChar c : text) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > LongestUnbrokenRun && !c.isLowSurrogate()) {
      broken += QChar(0x200B);
      run = 1;
    }
    broken += c;
  }
  return broken;
}

} // namespace

void app::ShowErrorBox(QWidget* parent, const std::string& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  Breakable(QString::fromStdString(ErrorBoxText(message))), QMessageBox::Ok,
                  parent);
  app::ShowModal(box);
}

bool app::Guarded(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    app::ShowErrorBox(parent, error.what());
    return false;
  }
}
