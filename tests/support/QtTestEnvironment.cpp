// The one Qt environment of every Qt test program: the offscreen platform,
// a pinned locale, the application named as the program names itself, and
// a watchdog that closes a modal dialog left open for 5 s, so that a test
// whose click never comes fails instead of hanging. Linked into a test
// program, it registers itself before the first test.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

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
    ADD_FAILURE() << "a modal " << modal->metaObject()->className()
                  << " stayed open for 5 s; the watchdog closed it";
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
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    // A window's tape goes to a folder of the run's own, never the user's.
    std::string state = (std::filesystem::temp_directory_path() / "tallyon-state-XXXXXX").string();
    if (::mkdtemp(state.data()) != nullptr) {
      FState = state;
      ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    }
    FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    QApplication::setApplicationName(QStringLiteral("Tallyon"));
    QLocale::setDefault(QLocale::c());
    FWatchdog = std::make_unique<ModalWatchdog>();
  }
  void TearDown() override {
    FWatchdog.reset();
    FApplication.reset();
    std::error_code error;
    if (!FState.empty()) std::filesystem::remove_all(FState, error);
  }

private:
  int FArgc = 1;
  char FName[16] = "tallyon-tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QApplication> FApplication;
  std::unique_ptr<ModalWatchdog> FWatchdog;
  std::filesystem::path FState;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
