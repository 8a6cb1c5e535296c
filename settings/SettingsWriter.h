#pragma once
// TSettingsWriter: stores the settings on a thread of its own, so that the
// disk (an fsync of seconds on a slow or network home) never holds up the
// window. It owns the thread; the snapshots it is given are taken on the
// window's thread (USet::TakeSnapshot).
//
// One save waits at most: a snapshot given while an earlier one has not
// begun replaces it, so a burst of changes costs one write. The destructor
// finishes what was given, then ends the thread: a slow disk delays only the
// process's end.

#include "settings/SettingsTable.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace USet {

class TSettingsWriter {
public:
  // Told on the writer's thread when a save is done: the error's message, or
  // an empty text when the values are stored.
  using TDone = std::function<void(const std::string& error)>;

  TSettingsWriter();
  ~TSettingsWriter();
  TSettingsWriter(const TSettingsWriter&) = delete;
  TSettingsWriter& operator=(const TSettingsWriter&) = delete;

  // Stores the snapshot (StoreSnapshot), then calls `done`. A last save
  // replacing a periodic one that had not begun stays a last save.
  void Store(TSnapshot snapshot, TSave save, TDone done = {});
  // Writes back the defaults of the load (StoreLoadedDefaults), before any
  // snapshot given later.
  void StoreLoadedDefaults();
  // Returns once everything given so far is stored or has failed.
  void Wait();

private:
  void Run();

  std::mutex FMutex;
  std::condition_variable FChanged;
  bool FDefaults = false;
  std::optional<TSnapshot> FSnapshot;
  TSave FSave = TSave::Periodic;
  std::vector<TDone> FDone;
  bool FBusy = false;
  bool FStopping = false;
  std::thread FThread; // last: started once the rest is made
};

} // namespace USet
