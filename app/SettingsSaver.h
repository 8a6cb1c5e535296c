#pragma once
// TSettingsSaver: the settings reach the file a moment after each change, so
// that a killed process (the OOM killer, a crashed session) loses at most
// that moment. Every command the window runs (app::Guarded) may change a
// setting and restarts a quiet time; when it passes, one snapshot is stored
// on the writer's thread. A burst of keys is one write, a burst that goes on
// is cut every kLongestWait, and a snapshot that changed nothing writes
// nothing. The key path pays for restarting a timer, never for the disk.

#include "settings/SettingsWriter.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>

class TSettingsSaver : public QObject {
public:
  static constexpr std::chrono::milliseconds kQuietTime{1500};
  static constexpr std::chrono::milliseconds kLongestWait{10000};

  explicit TSettingsSaver(QObject* parent);
  ~TSettingsSaver() override;
  TSettingsSaver(const TSettingsSaver&) = delete;
  TSettingsSaver& operator=(const TSettingsSaver&) = delete;

  // A command ran: a setting may have changed.
  void Touch();
  // Writes back the defaults of the start's load.
  void StoreLoadedDefaults();
  // Stores the settings as they are now; `then` runs on the window's thread
  // with the error's message, or an empty text when they are stored.
  void SaveThen(std::function<void(const std::string& error)> then);
  // The last save, of an ending: as SaveThen, unless an ending's save is
  // under way or done (false, and nothing happens). The periodic saves stop.
  bool SaveLast(std::function<void(const std::string& error)> then);
  // The ending was called off (its save failed and the user keeps the window).
  void CancelEnding();
  bool Ending() const { return FEnding; }
  // Returns once every save given so far is done.
  void Wait();

private:
  void SaveNow();

  QTimer FQuiet;
  QTimer FLongest;
  bool FEnding = false;
  USet::TSettingsWriter FWriter;
};
