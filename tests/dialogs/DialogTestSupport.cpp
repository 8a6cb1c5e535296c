#include "DialogTestSupport.h"

#include "engine/NumberText.h"
#include "settings/USet.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <memory>

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

std::string Describe(QRgb color) {
  return "rgb(" + std::to_string(qRed(color)) + ", " + std::to_string(qGreen(color)) + ", " +
         std::to_string(qBlue(color)) + ")";
}

void DialogTest::SetUp() {
  SetCurrentSeparators({});
  USet::Value = USet::DefaultValue;
  USet::Memory = "0";
  USet::ThouSep = false;
  USet::StayOnTop = false;
}

namespace {

// Watches the top of the modal stack; a dialog that stays there for 5 s
// means a test waits for a click that never comes.
class StrayDialogWatchdog : public QObject {
public:
  StrayDialogWatchdog() {
    connect(&FTimer, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != FWatched) {
        FWatched = modal;
        FOpenFor.restart();
      } else if (modal != nullptr && FOpenFor.elapsed() > 5000) {
        ADD_FAILURE() << "a modal " << modal->metaObject()->className()
                      << " stayed open for 5 s; the watchdog closed it";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
          dialog->reject();
        else
          modal->close();
      }
    });
    FTimer.start(100);
  }

private:
  QTimer FTimer;
  QPointer<QWidget> FWatched;
  QElapsedTimer FOpenFor;
};

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    QApplication::setApplicationName(QStringLiteral("Tallyon"));
    QLocale::setDefault(QLocale::c());
    FWatchdog = std::make_unique<StrayDialogWatchdog>();
  }
  void TearDown() override {
    FWatchdog.reset();
    FApplication.reset();
  }

private:
  int FArgc = 1;
  char FName[24] = "dialogs_ui_tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QApplication> FApplication;
  std::unique_ptr<StrayDialogWatchdog> FWatchdog;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
