#include "settings/SettingsWriter.h"

#include <exception>
#include <utility>

namespace USet {

TSettingsWriter::TSettingsWriter() : FThread([this] { Run(); }) {}

TSettingsWriter::~TSettingsWriter() {
  {
    const std::lock_guard lock(FMutex);
    FStopping = true;
  }
  FChanged.notify_all();
  FThread.join();
}

void TSettingsWriter::Store(TSnapshot snapshot, TSave save, TDone done) {
  {
    const std::lock_guard lock(FMutex);
    if (!FSnapshot) FSave = TSave::Periodic;
    if (save == TSave::Last) FSave = TSave::Last;
    FSnapshot = std::move(snapshot);
    if (done) FDone.push_back(std::move(done));
  }
  FChanged.notify_all();
}

void TSettingsWriter::StoreLoadedDefaults() {
  {
    const std::lock_guard lock(FMutex);
    FDefaults = true;
  }
  FChanged.notify_all();
}

void TSettingsWriter::Wait() {
  std::unique_lock lock(FMutex);
  FChanged.wait(lock, [this] { return !FBusy && !FDefaults && !FSnapshot; });
}

void TSettingsWriter::Run() {
  std::unique_lock lock(FMutex);
  while (true) {
    FChanged.wait(lock, [this] { return FStopping || FDefaults || FSnapshot; });
    if (!FDefaults && !FSnapshot) return; // stopping, with nothing left to store
    const bool defaults = std::exchange(FDefaults, false);
    const std::optional<TSnapshot> snapshot = std::exchange(FSnapshot, std::nullopt);
    const TSave save = FSave;
    const std::vector<TDone> done = std::exchange(FDone, {});
    FBusy = true;
    lock.unlock();
    std::string error;
    try {
      if (defaults) USet::StoreLoadedDefaults();
    } catch (const std::exception&) {
      // A file that cannot be written is reported by the save of the close.
    }
    try {
      if (snapshot) StoreSnapshot(*snapshot, save);
    } catch (const std::exception& failure) {
      error = failure.what();
    }
    for (const TDone& tell : done)
      tell(error);
    lock.lock();
    FBusy = false;
    FChanged.notify_all();
  }
}

} // namespace USet
