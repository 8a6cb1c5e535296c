#include "app/ErrorDisplay.h"

#include "app/ModalBox.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// A conversion error quotes the whole text it could not read, which may be a
// stored value of any length; a box with a million characters would take
// seconds to lay out and could not be read anyway.
constexpr std::size_t LongestWholeMessage = 300;
constexpr std::size_t KeptAtEachEnd = 120;

// The message, or its start and end joined by an ellipsis, cut between
// UTF-8 characters.
std::string Shortened(const std::string& message) {
  if (message.size() <= LongestWholeMessage) return message;
  const auto characterStart = [&](std::size_t at) {
    while (at > 0 && (static_cast<unsigned char>(message[at]) & 0xC0) == 0x80)
      --at;
    return at;
  };
  return message.substr(0, characterStart(KeptAtEachEnd)) + "\u2026" +
         message.substr(characterStart(message.size() - KeptAtEachEnd));
}

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

std::string app::ErrorBoxText(const std::string& message) {
  const std::string shown = Shortened(message);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') return shown + '.';
  return shown;
}

void app::ShowErrorBox(QWidget* parent, const std::string& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  Breakable(QString::fromStdString(app::ErrorBoxText(message))), QMessageBox::Ok,
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
