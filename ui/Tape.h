#pragma once
// TTape: the tape as every window keeps it. It owns the chain that makes an
// entry of each finished calculation and the journal that holds the entries
// and their file, and decides what the shells would otherwise each decide:
// when the file is read (once), when it is kept (only where there is one),
// which rows a copy or a removal takes, and that a failing write is told
// once a run. The shells draw the list and show the messages below.

#include "ui/TapeChain.h"
#include "ui/TapeJournal.h"

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ui {

// The tape's messages, in the "TFCalc" translation context; FillIn (or the
// toolkit's own) puts in the numbered values.
extern const char* const TapeClearQuestion; // %1: the entries
extern const char* const TapeDamagedNotice; // %1: the file, %2: the lines skipped
extern const char* const TapeFailureNotice; // %1: the file, %2: why

// The text with %1, %2, ... replaced by the values, in order.
//   FillIn("Clear (%1)?", {"3"}) -> "Clear (3)?"
//   FillIn("%2 of %1", {"a", "b"}) -> "b of a"   FillIn("100%", {}) -> "100%"
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

class TTape {
public:
  explicit TTape(std::filesystem::path file) : FJournal(std::move(file)) {}

  const TTapeJournal& Journal() const { return FJournal; }
  const std::deque<TTapeEntry>& Entries() const { return FJournal.Entries(); }

  // Around each engine action: Before, then After once it went through.
  // After gives the entry it put at the end, and whether the oldest entry
  // went to make room for it.
  void Before(const TCVCalculator& engine, TCalcAction action, bool thouSep);
  struct TAdded {
    const TTapeEntry& Entry;
    bool OldestDropped;
  };
  std::optional<TAdded> After(const TCVCalculator& engine);

  // The keep setting as the tape follows it: without a file the tape is
  // kept for this run only.
  void Keep(bool keep);
  // Reads the file, the first time only and only when it is kept: true when
  // the entries were read now (DamagedLines then tells what was skipped).
  bool LoadOnce();
  bool Loaded() const { return FLoaded; }

  // The entry's exact result, nothing past the end.
  std::optional<Extended> Result(std::size_t row) const;
  // The rows' texts, one a line and each line ended; rows past the end are
  // left out. Without rows: the whole tape.
  std::string Text(std::span<const std::size_t> rows) const;
  std::string Text() const;
  // The rows, in ascending order, removed from the last up so that the rows
  // above keep their numbers.
  void Remove(std::span<const std::size_t> rows);
  void Clear();

  // True once a run, after the first write that failed: the shell then
  // shows TapeFailureNotice. The entries stay until the program ends.
  bool TakeFailure();

private:
  void Check(bool succeeded);

  TTapeChain FChain;
  TTapeJournal FJournal;
  bool FLoaded = false;
  bool FFailed = false;
  bool FFailureTold = false;
};

} // namespace ui
