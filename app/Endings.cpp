#include "app/Endings.h"

#include "app/ErrorDisplay.h"
#include "app/ErrorTexts.h"
#include "app/SettingsSaver.h"
#include "platform/desktop/WindowEnd.h"
#include "settings/USet.h"
#include "ui/WindowTexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QSystemTrayIcon>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace Endings {

namespace {

QPointer<QWidget> MainWindow;
QPointer<TSettingsSaver> Saver;
int SignalPipe[2] = {-1, -1};

// Nothing of the program stays on screen while the settings are stored.
void HideAll(QWidget& window) {
  for (QSystemTrayIcon* icon : window.findChildren<QSystemTrayIcon*>())
    icon->hide();
  window.hide();
}

// Ends without a dialog: nobody may be there to answer it. A save that
// fails leaves the file as the last save stored it.
void EndNow() {
  if (!MainWindow || !Saver) return;
  HideAll(*MainWindow);
  Saver->SaveLast([](const std::string&) { QCoreApplication::quit(); });
}

// The toolkit exits the process when the display goes away: the saves given
// so far finish, and what changed since is stored here.
void SaveAtExit() {
  if (!Saver) return;
  Saver->Wait();
  if (Saver->Ending()) return;
  try {
    USet::SaveSettings();
  } catch (const std::exception&) {
    // Nothing can be told at this ending; the file keeps the last save.
  }
}

// Only the pipe is touched in the handler; the save begins in the event loop.
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

// The failed save of a close: the window is back, and the user may quit
// without saving or keep it.
bool QuitAnyway(QWidget& window, const std::string& error) {
  window.show();
  QMessageBox box(
      QMessageBox::Critical, QApplication::applicationName(),
      QString::fromStdString(ui::ErrorBoxText(app::TranslatedError(error).toStdString())),
      QMessageBox::NoButton, &window);
  const QPushButton* quit =
      box.addButton(QObject::tr("&Quit Without Saving"), QMessageBox::DestructiveRole);
  box.setDefaultButton(box.addButton(QMessageBox::Cancel));
  box.exec();
  return box.clickedButton() == quit;
}

} // namespace

void Install(QWidget& window, TSettingsSaver& saver) {
  MainWindow = &window;
  Saver = &saver;
  InstallSignals(window);
  // The session manager asks before a logout; the logout may still be
  // cancelled, so the program goes on.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &saver, [&saver](QSessionManager&) {
    if (!saver.Ending()) saver.SaveThen([](const std::string&) {});
  });
  std::atexit(SaveAtExit);
  platform::WhenWindowDestroyed(window, EndNow);
}

void EndAlsoWith(QWidget& other) {
  if (MainWindow) platform::WhenWindowDestroyed(other, EndNow);
}

void Close(QWidget& window, TSettingsSaver& saver) {
  HideAll(window);
  saver.SaveLast([&window, &saver](const std::string& error) {
    if (error.empty() || QuitAnyway(window, error))
      QCoreApplication::quit();
    else
      saver.CancelEnding();
  });
}

} // namespace Endings
