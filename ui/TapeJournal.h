#pragma once
// TTapeJournal: the tape's entries and the file that keeps them across
// restarts and crashes. Each entry is appended as one line in one write the
// moment it is made; the file is read whole only at the start (Load). The
// tape holds the newest Capacity entries; the file may grow to twice that
// before it is rewritten, in one atomic replacement, with the newest ones.
// Without a file (KeepAcrossRestarts off) the tape lives in memory only.
// A write that fails leaves the entries in memory and returns false;
// LastError tells why.

#include "ui/TapeEntry.h"

#include <cstddef>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace ui {

class TTapeJournal {
public:
  static constexpr std::size_t Capacity = 1000;

  // $XDG_STATE_HOME/Corvane/Tallyon.tape (%LOCALAPPDATA% on Windows);
  // nothing when no home folder is known.
  static std::optional<std::filesystem::path> DefaultFile();

  // Without a file (an empty path) the tape is kept in memory only.
  explicit TTapeJournal(std::filesystem::path file)
      : FFile(std::move(file)), FKeep(!FFile.empty()) {}

  const std::filesystem::path& File() const { return FFile; }
  const std::deque<TTapeEntry>& Entries() const { return FEntries; }

  // Reads the file's newest Capacity entries; a damaged line is skipped and
  // counted (DamagedLines), a missing file is an empty tape. False when the
  // file exists but cannot be read.
  bool Load();
  std::size_t DamagedLines() const { return FDamaged; }

  // Off: the file is emptied and nothing more is written; on again: the
  // entries of this run are written to it.
  bool KeepAcrossRestarts() const { return FKeep; }
  bool SetKeepAcrossRestarts(bool keep);

  // The entry, stamped with the time now when it has none, at the end.
  bool Add(TTapeEntry entry);
  // Removes entry `index` (0 is the oldest) from the tape and from the file.
  bool Remove(std::size_t index);
  // Empties the tape and the file.
  bool Clear();
  // Why the last call that returned false failed.
  const std::error_code& LastError() const { return FError; }

private:
  // Rewrites the file with the newest Capacity valid lines it holds now,
  // which keeps what another instance appended since the load; `drop`, when
  // given, is a line to leave out (the newest copy of it).
  bool Rewrite(const std::string* drop = nullptr);
  bool Append(const std::string& line);
  // Keeps `error` for LastError; true when there is none.
  bool Succeeded(std::error_code error);

  std::filesystem::path FFile;
  std::deque<TTapeEntry> FEntries;
  std::size_t FDamaged = 0;
  std::size_t FFileLines = 0; // lines in the file as this run knows it
  bool FKeep = true;
  bool FEndsMidLine = false; // the file's last line has no newline
  std::error_code FError;
};

} // namespace ui
