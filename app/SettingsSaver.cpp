#include "app/SettingsSaver.h"

#include "app/ErrorDisplay.h"

#include <QPointer>

#include <utility>

TSettingsSaver::TSettingsSaver(QObject* parent) : QObject(parent) {
  for (QTimer* timer : {&FQuiet, &FLongest}) {
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &TSettingsSaver::SaveNow);
  }
  FQuiet.setInterval(kQuietTime);
  FLongest.setInterval(kLongestWait);
  app::SetAfterEachCommand([this] { Touch(); });
}

TSettingsSaver::~TSettingsSaver() {
  app::SetAfterEachCommand({});
}

void TSettingsSaver::Touch() {
  if (FEnding) return;
  FQuiet.start();
  if (!FLongest.isActive()) FLongest.start();
}

void TSettingsSaver::StoreLoadedDefaults() {
  FWriter.StoreLoadedDefaults();
}

// A failure is not told here: the save of the close reports it.
void TSettingsSaver::SaveNow() {
  FQuiet.stop();
  FLongest.stop();
  FWriter.Store(USet::TakeSnapshot(), USet::TSave::Periodic);
}

void TSettingsSaver::SaveThen(std::function<void(const std::string& error)> then) {
  FQuiet.stop();
  FLongest.stop();
  FWriter.Store(USet::TakeSnapshot(), USet::TSave::Last,
                [saver = QPointer(this), then](const std::string& error) {
                  // Back on the window's thread; nothing when the window went meanwhile.
                  QMetaObject::invokeMethod(
                      saver, [then, error] { then(error); }, Qt::QueuedConnection);
                });
}

bool TSettingsSaver::SaveLast(std::function<void(const std::string& error)> then) {
  if (std::exchange(FEnding, true)) return false;
  SaveThen(std::move(then));
  return true;
}

void TSettingsSaver::CancelEnding() {
  FEnding = false;
}

void TSettingsSaver::Wait() {
  FWriter.Wait();
}
