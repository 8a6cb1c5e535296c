// The writer's thread: a burst of snapshots is one write of the last, a
// snapshot given just before the end is stored before the writer goes, and
// a failure reaches the one who asked.

#include "settings/SettingsWriter.h"

#include "platform/Registry.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace {

class SettingsWriter : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    USet::LoadSettings();
    USet::TakeSettingsNotice();
  }
  // A snapshot of the settings with the given value.
  static USet::TSnapshot WithValue(const std::string& value) {
    USet::Value = value;
    return USet::TakeSnapshot();
  }
  static std::string StoredValue() {
    platform::TRegistry registry(platform::KEY_READ);
    return registry.OpenKey(USet::SettingsKey, false) ? registry.ReadString("Value") : "(no key)";
  }
};

TEST_F(SettingsWriter, ABurstIsStoredOnceAsItsLastSnapshot) {
  std::atomic<int> saves = 0;
  std::atomic<int> writes = 0;
  platform::SetReplaceFaultForTesting([&writes](platform::ReplaceStep step) {
    writes += step == platform::ReplaceStep::Rename ? 1 : 0;
    return false;
  });
  USet::TSettingsWriter writer;
  // The first save takes the lock; the snapshots given meanwhile wait as one.
  for (int i = 1; i <= 200; ++i)
    writer.Store(WithValue(std::to_string(i)), USet::TSave::Periodic,
                 [&saves](const std::string& error) {
                   EXPECT_EQ(error, "");
                   ++saves;
                 });
  writer.Wait();
  platform::SetReplaceFaultForTesting({});
  EXPECT_EQ(StoredValue(), "200");
  EXPECT_EQ(saves.load(), 200) << "each one who asked is told";
  // Giving a snapshot takes microseconds, a write (with its fsync) far longer.
  EXPECT_LE(writes.load(), 10);
  RecordProperty("writes_for_200_snapshots", writes.load());
}

TEST_F(SettingsWriter, WhatWasGivenIsStoredBeforeTheWriterEnds) {
  {
    USet::TSettingsWriter writer;
    writer.StoreLoadedDefaults();
    writer.Store(WithValue("41"), USet::TSave::Periodic);
    writer.Store(WithValue("42"), USet::TSave::Last);
  }
  EXPECT_EQ(StoredValue(), "42");
  platform::TRegistry registry(platform::KEY_READ);
  ASSERT_TRUE(registry.OpenKey(USet::SettingsKey, false));
  EXPECT_EQ(registry.ReadString("Memory"), "0") << "the last save writes what the file lacks";
  EXPECT_EQ(registry.ReadInteger("ShowIn"), USet::ShowInTaskbarAndTray);
}

TEST_F(SettingsWriter, AFailureReachesTheOneWhoAsked) {
  USet::TSettingsWriter writer;
  std::string told = "(not told)";
  platform::SetReplaceFaultForTesting([](platform::ReplaceStep) { return true; });
  writer.Store(WithValue("7"), USet::TSave::Last,
               [&told](const std::string& error) { told = error; });
  writer.Wait();
  platform::SetReplaceFaultForTesting({});
  EXPECT_TRUE(told.starts_with("Failed to set data for 'Value'\n")) << told;
  EXPECT_TRUE(told.ends_with("Input/output error")) << told;
  // The next save stores what the failed one could not.
  writer.Store(USet::TakeSnapshot(), USet::TSave::Periodic);
  writer.Wait();
  EXPECT_EQ(StoredValue(), "7");
}

} // namespace
