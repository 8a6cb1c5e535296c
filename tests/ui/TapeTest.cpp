#include "ui/Tape.h"

#include "engine/NumberText.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace ui;

namespace {

namespace fs = std::filesystem;

class Tape : public testsupport::TemporaryFolder {
protected:
  fs::path File() const { return Folder() / "Tallyon.tape"; }
  // A path that cannot be written: its folder is a file.
  fs::path Unwritable() const {
    std::ofstream(Folder() / "not-a-folder") << "x";
    return Folder() / "not-a-folder" / "Tallyon.tape";
  }

  // Keys the tokens as the window does, around each action.
  void Key(TTape& tape, const std::string& keys) {
    std::istringstream tokens(keys);
    for (std::string token; tokens >> token;) {
      const auto action = engine::ActionFromToken(token);
      ASSERT_TRUE(action) << token;
      tape.Before(FEngine, *action, true);
      FEngine.SetAction(*action);
      tape.After(FEngine);
    }
  }

  TCVCalculator FEngine;
};

TEST(TapeTexts, FillInPutsTheValuesInTheirPlaces) {
  struct Row {
    const char* text;
    std::vector<std::string_view> values;
    const char* filled;
  };
  const Row rows[] = {
      {"Clear (%1)?", {"3"}, "Clear (3)?"},
      {"%2 of %1", {"a", "b"}, "b of a"},
      {"100%", {}, "100%"},
      {"%1%", {"5"}, "5%"},
      {"%3 stays", {"a"}, "%3 stays"},
      {"%0 and %%1", {"x"}, "%0 and %x"},
  };
  for (const Row& row : rows) {
    std::string filled;
    switch (row.values.size()) {
    case 0: filled = FillIn(row.text, {}); break;
    case 1: filled = FillIn(row.text, {row.values[0]}); break;
    default: filled = FillIn(row.text, {row.values[0], row.values[1]}); break;
    }
    EXPECT_EQ(filled, row.filled) << row.text;
  }
  EXPECT_EQ(FillIn(TapeClearQuestion, {"2"}),
            "Clear the tape? All its entries (2) will be removed for good.");
}

TEST_F(Tape, RowsCopyAndGoFromTheTapeAndItsFile) {
  TTape tape(File());
  Key(tape, "1 + 2 = * 3 = C 7 - 1 =");
  ASSERT_EQ(tape.Entries().size(), 3u);
  EXPECT_EQ(tape.Text(), "1 + 2 = 3\n3 × 3 = 9\n7 − 1 = 6\n");
  const std::size_t picked[] = {0, 2, 9};
  EXPECT_EQ(tape.Text(picked), "1 + 2 = 3\n7 − 1 = 6\n");
  EXPECT_EQ(tape.Result(1), Extended(9));
  EXPECT_FALSE(tape.Result(3));

  const std::size_t removed[] = {0, 2};
  tape.Remove(removed);
  EXPECT_EQ(tape.Text(), "3 × 3 = 9\n");
  TTape again(File());
  ASSERT_TRUE(again.LoadOnce());
  EXPECT_EQ(again.Text(), "3 × 3 = 9\n");
  tape.Clear();
  EXPECT_EQ(tape.Text(), "");
  EXPECT_FALSE(tape.TakeFailure());
}

TEST_F(Tape, TheFileIsReadOnceAndOnlyWhenKept) {
  {
    TTape first(File());
    Key(first, "2 + 2 =");
  }
  TTape kept(File());
  EXPECT_FALSE(kept.Loaded());
  EXPECT_TRUE(kept.LoadOnce());
  EXPECT_EQ(kept.Entries().size(), 1u);
  Key(kept, "= ");
  EXPECT_FALSE(kept.LoadOnce()); // a second read would lose nothing but cost the start
  EXPECT_EQ(kept.Entries().size(), 2u);

  TTape forgotten(File());
  forgotten.Keep(false); // empties the file
  EXPECT_FALSE(forgotten.LoadOnce());
  EXPECT_TRUE(forgotten.Loaded());
  EXPECT_TRUE(forgotten.Entries().empty());
  TTape after(File());
  after.LoadOnce();
  EXPECT_TRUE(after.Entries().empty());
}

TEST_F(Tape, AFailingWriteIsToldOnceAndTheEntriesStay) {
  TTape tape(Unwritable());
  EXPECT_FALSE(tape.TakeFailure());
  Key(tape, "1 + 1 =");
  EXPECT_TRUE(tape.TakeFailure());
  Key(tape, "=");
  EXPECT_FALSE(tape.TakeFailure());
  EXPECT_EQ(tape.Text(), "1 + 1 = 2\n2 + 1 = 3\n");
}

TEST_F(Tape, WithoutAFileTheTapeIsKeptForTheRunAlone) {
  TTape tape{fs::path()};
  tape.Keep(true);
  EXPECT_FALSE(tape.Journal().KeepAcrossRestarts());
  Key(tape, "4 * 4 =");
  EXPECT_EQ(tape.Text(), "4 × 4 = 16\n");
  EXPECT_FALSE(tape.LoadOnce());
  EXPECT_FALSE(tape.TakeFailure());
}

TEST_F(Tape, TheOldestEntryMakesRoomWhenTheTapeIsFull) {
  TTape tape(File());
  Key(tape, "1 + 1 =");
  for (std::size_t i = 1; i < TTapeJournal::Capacity; ++i)
    Key(tape, "=");
  ASSERT_EQ(tape.Entries().size(), TTapeJournal::Capacity);
  tape.Before(FEngine, caEqual, true);
  FEngine.SetAction(caEqual);
  const auto added = tape.After(FEngine);
  ASSERT_TRUE(added);
  EXPECT_TRUE(added->OldestDropped);
  EXPECT_EQ(added->Entry.Text, "1,001 + 1 = 1,002");
}

} // namespace
