#include "app/Endings.h"

#include "app/ErrorDisplay.h"
#include "platform/desktop/WindowEnd.h"
#include "settings/USet.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace Endings {

namespace {

bool Ended = false;
// Whether an ending has saved just now, so that the close which quitting
// brings does not save again.
bool SavedByEnding = false;
int SignalPipe[2] = {-1, -1};

// Stores the settings as a close would, but without a dialog: nobody may be
// there to answer it.
void SaveQuietly() {
  try {
    USet::SaveSettings();
  } catch (const std::exception&) {
    // Nothing can be told at this ending; the file keeps the last save.
  }
}

void SaveOnce() {
  if (!std::exchange(Ended, true)) SaveQuietly();
}

void EndNow() {
  SaveOnce();
  SavedByEnding = true;
  QCoreApplication::quit();
}

// Only the pipe is touched in the handler; the save runs in the event loop.
void OnSignal(int number) {
  const char byte = char(number);
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
}

void InstallSignals(QObject& owner) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, &owner);
  QObject::connect(notifier, &QSocketNotifier::activated, &owner, [] {
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(SignalPipe[0], &byte, 1);
    EndNow();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  // A signal ignored when the program started (nohup, a background job of
  // a script) stays ignored.
  for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction old {};
    if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
      ::sigaction(number, &action, nullptr);
  }
}

} // namespace

void Install(QWidget& window) {
  InstallSignals(window);
  // The session manager asks before a logout; the logout may still be
  // cancelled, so the program goes on.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, [](QSessionManager&) {
    if (!Ended) SaveQuietly();
  });
  // The toolkit exits the process when the display goes away.
  std::atexit(SaveOnce);
  platform::WhenWindowDestroyed(window, EndNow);
}

bool SaveForClose(QWidget& window) {
  if (std::exchange(SavedByEnding, false)) return true;
  try {
    USet::SaveSettings();
  } catch (const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromStdString(app::ErrorBoxText(error.what())), QMessageBox::NoButton,
                    &window);
    const QPushButton* quit =
        box.addButton(QObject::tr("&Quit Without Saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    if (box.clickedButton() != quit) return false;
  }
  Ended = true;
  return true;
}

} // namespace Endings
