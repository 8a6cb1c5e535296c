#include "ui/TapeJournal.h"

#include "platform/StateFile.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace ui;

namespace {

namespace fs = std::filesystem;

// An Extended of every kind a result may be, by its bits.
const Extended Numbers[] = {
    0,
    -Extended(0),
    1,
    Extended(1) / 3,
    -1234.5L,
    std::numeric_limits<Extended>::max(),
    std::numeric_limits<Extended>::lowest(),
    std::numeric_limits<Extended>::min(),
    std::numeric_limits<Extended>::denorm_min(),
    FromBits(0x0000, 0x7FFFFFFFFFFFFFFF), // the largest denormal
    FromBits(0x3FFF, 0xFFFFFFFFFFFFFFFF), // every significand bit set
};

TEST(TapeEntry, ExactTextReadsBackEveryBit) {
  for (const Extended x : Numbers) {
    const auto back = ReadExactText(ExactText(x));
    ASSERT_TRUE(back) << ExactText(x);
    EXPECT_EQ(ToBits(*back), ToBits(x)) << ExactText(x);
  }
  EXPECT_EQ(ExactText(3), "0xCp-2");
  EXPECT_EQ(ExactText(-0.5L), "-0x8p-4");
  EXPECT_EQ(ExactText(0), "0x0p+0");
}

TEST(TapeEntry, DamagedTextIsRefused) {
  for (const char* text : {"", "0x", "0xp1", "12", "0xCp", "0xGp-2", "0x1p+99999", "0xCp-2x",
                           "0x12345678901234567p0", "0x3p-16446", "--0x1p0", "0x1p16385"})
    EXPECT_FALSE(ReadExactText(text)) << text;
  const std::string good = "2026-12-10T12:30:05Z\t0xCp-2\t1 + 2 = 3";
  EXPECT_TRUE(ReadTapeLine(good));
  for (const std::string& line :
       {std::string("2026-12-10T12:30:05Z\t0xCp-2\t"), std::string("2026-12-10T12:30:05Z\t0xCp-2"),
        std::string("2026-13-10T12:30:05Z\t0xCp-2\t1 + 2 = 3"),
        std::string("2026-02-30T12:30:05Z\t0xCp-2\t1 + 2 = 3"),
        std::string("2026-12-10 12:30:05\t0xCp-2\t1 + 2 = 3"), good.substr(0, 25), good + "\r",
        std::string("garbage")})
    EXPECT_FALSE(ReadTapeLine(line)) << line;
}

TEST(TapeEntry, LineHoldsTimeResultAndText) {
  const TTapeEntry entry{"86.4 + 15 % = 99.36", 99.36L, 1796905805};
  EXPECT_EQ(TapeLine(entry),
            "2026-12-10T12:30:05Z\t" + ExactText(99.36L) + "\t86.4 + 15 % = 99.36\n");
  const auto back = ReadTapeLine(TapeLine(entry).substr(0, TapeLine(entry).size() - 1));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Text, entry.Text);
  EXPECT_EQ(ToBits(back->Result), ToBits(entry.Result));
  EXPECT_EQ(back->Time, entry.Time);
}

class TapeJournalTest : public testsupport::TemporaryHome {
protected:
  fs::path Tape() const { return Folder() / "Tallyon.tape"; }

  static TTapeEntry Entry(int i) { return {"entry " + std::to_string(i), Extended(i) / 7, 0}; }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream text(Read(Tape()));
    for (std::string line; std::getline(text, line);)
      lines.push_back(line);
    return lines;
  }
};

TEST_F(TapeJournalTest, DefaultFileIsInTheStateFolder) {
  ::setenv("XDG_STATE_HOME", Root().c_str(), 1);
  EXPECT_EQ(TTapeJournal::DefaultFile(), Root() / "Corvane" / "Tallyon.tape");
  ::setenv("XDG_STATE_HOME", "relative", 1);
  const std::string home = std::getenv("HOME");
  EXPECT_EQ(TTapeJournal::DefaultFile(), fs::path(home) / ".local/state/Corvane/Tallyon.tape");
  ::unsetenv("XDG_STATE_HOME");
  EXPECT_EQ(TTapeJournal::DefaultFile(), fs::path(home) / ".local/state/Corvane/Tallyon.tape");
}

TEST_F(TapeJournalTest, EachEntryIsOneLineAppendedAtOnce) {
  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.Load());
  EXPECT_TRUE(journal.Entries().empty());
  ASSERT_TRUE(journal.Add(Entry(1)));
  EXPECT_EQ(Lines().size(), 1u);
  ASSERT_TRUE(journal.Add(Entry(2)));
  EXPECT_EQ(Lines().size(), 2u);
  struct stat info {};
  ASSERT_EQ(::stat(Tape().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  TTapeJournal again(Tape());
  ASSERT_TRUE(again.Load());
  ASSERT_EQ(again.Entries().size(), 2u);
  EXPECT_EQ(again.Entries()[1].Text, "entry 2");
  EXPECT_EQ(ToBits(again.Entries()[1].Result), ToBits(Extended(2) / 7));
  EXPECT_GT(again.Entries()[1].Time, 1700000000);
}

TEST_F(TapeJournalTest, DamagedLinesAreSkippedAndCounted) {
  const std::string good = TapeLine({"1 + 2 = 3", 3, 100});
  // A write cut short by a crash: a last line without its newline, even
  // one that would read.
  Write(Tape(), good + "not a line\n" + good + "\n" + good.substr(0, 30));
  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.Load());
  EXPECT_EQ(journal.Entries().size(), 2u);
  EXPECT_EQ(journal.DamagedLines(), 3u);
  // The line cut short is ended before the next one is appended.
  ASSERT_TRUE(journal.Add(Entry(4)));
  TTapeJournal again(Tape());
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(again.Entries().size(), 3u);
  EXPECT_EQ(again.DamagedLines(), 3u);
}

TEST_F(TapeJournalTest, KeepsTheNewestThousandAndCompactsPastTwice) {
  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.Load());
  for (int i = 1; i <= 2000; ++i)
    ASSERT_TRUE(journal.Add(Entry(i)));
  EXPECT_EQ(journal.Entries().size(), 1000u);
  EXPECT_EQ(journal.Entries().front().Text, "entry 1001");
  EXPECT_EQ(Lines().size(), 2000u);
  ASSERT_TRUE(journal.Add(Entry(2001)));
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1000u);
  EXPECT_TRUE(lines.front().ends_with("\tentry 1002"));
  EXPECT_TRUE(lines.back().ends_with("\tentry 2001"));
  EXPECT_EQ(OtherFiles(), std::vector<std::string>{"Tallyon.tape"});

  TTapeJournal again(Tape());
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(again.Entries().size(), 1000u);
  EXPECT_EQ(again.Entries().back().Text, "entry 2001");
}

TEST_F(TapeJournalTest, RemoveClearAndSessionOnly) {
  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.Load());
  for (int i = 1; i <= 3; ++i)
    ASSERT_TRUE(journal.Add(Entry(i)));
  ASSERT_TRUE(journal.Remove(1));
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_TRUE(Lines()[1].ends_with("\tentry 3"));
  ASSERT_EQ(journal.Entries().size(), 2u);

  ASSERT_TRUE(journal.SetKeepAcrossRestarts(false));
  EXPECT_EQ(fs::file_size(Tape()), 0u);
  ASSERT_TRUE(journal.Add(Entry(4)));
  EXPECT_EQ(fs::file_size(Tape()), 0u);
  EXPECT_EQ(journal.Entries().size(), 3u);
  ASSERT_TRUE(journal.SetKeepAcrossRestarts(true));
  EXPECT_EQ(Lines().size(), 3u);

  ASSERT_TRUE(journal.Clear());
  EXPECT_TRUE(journal.Entries().empty());
  EXPECT_EQ(fs::file_size(Tape()), 0u);
}

TEST_F(TapeJournalTest, SessionOnlyMakesNoFile) {
  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.SetKeepAcrossRestarts(false));
  ASSERT_TRUE(journal.Add(Entry(1)));
  EXPECT_FALSE(fs::exists(Tape()));
}

TEST_F(TapeJournalTest, AnUnwritableFolderFailsTheAddButKeepsTheEntry) {
  Write(Folder() / "blocker", "");
  TTapeJournal journal(Folder() / "blocker" / "Tallyon.tape");
  EXPECT_FALSE(journal.Add(Entry(1)));
  EXPECT_EQ(journal.Entries().size(), 1u);
  // What the user is told: why the file could not be written.
  EXPECT_EQ(journal.LastError(), std::errc::not_a_directory) << journal.LastError().message();
  EXPECT_FALSE(journal.Clear());
  EXPECT_EQ(journal.LastError(), std::errc::not_a_directory);
}

// Two processes appending long lines at once: every line whole.
TEST_F(TapeJournalTest, TwoWritersDoNotTearLines) {
  const std::string filler(3000, 'x');
  const auto writer = [&](char tag) {
    return [&, tag] {
      TTapeJournal journal(Tape());
      for (int i = 0; i < 400; ++i)
        if (!journal.Add({std::string(1, tag) + filler, Extended(i), 0}))
          return std::string("fail");
      return std::string("ok");
    };
  };
  fs::create_directories(Folder());
  const pid_t first = ::fork();
  if (first == 0) ::_exit(writer('a')() == "ok" ? 0 : 1);
  EXPECT_EQ(InChild(writer('b'), false), "ok");
  int status = 0;
  ::waitpid(first, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  TTapeJournal journal(Tape());
  ASSERT_TRUE(journal.Load());
  EXPECT_EQ(journal.DamagedLines(), 0u);
  EXPECT_EQ(journal.Entries().size(), 800u);
  for (const TTapeEntry& entry : journal.Entries())
    EXPECT_EQ(entry.Text.size(), filler.size() + 1);
}

} // namespace
